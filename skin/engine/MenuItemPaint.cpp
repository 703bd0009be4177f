#include "skin/engine/MenuItemPaint.h"

#include <algorithm>

#include "skin/WinSkinData.h"
#include "skin/engine/SkinPaint.h"
#include "toolkit/ImgList.h"
#include "toolkit/Menus.h"

namespace {

constexpr int kMaxItemText = 80;
constexpr int kGlyphSide = 16;
constexpr int kTextGap = 3;
constexpr int kShortCutEnd = 11;
constexpr int kSeparatorLine = 4;
constexpr int kSelectedFrame = 4;
constexpr int kNormalFrame = 1;
// The system's check-mark bitmap (its header names it only for OEMRESOURCE builds).
constexpr int kCheckBitmap = 32760;

// Where the parts of an item go, in the item's coordinates.
struct TMenuItemLayout {
    RECT glyph{};  // empty for a separator
    RECT text{};
};

COLORREF Rgb(TColor colour) { return static_cast<COLORREF>(ColorToRGB(colour)); }

void Fill(HDC dc, const RECT& rect, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

RECT Mirrored(const RECT& r, const RECT& within) {
    return RECT{within.left + within.right - r.right, r.top, within.left + within.right - r.left, r.bottom};
}

int LeftMarginOf(const TSkinData& skin) {
    const TDataSkinObject* element = skin.Element(seMenuItem);
    return element ? element->LeftWidth : 0;
}

bool Skinned(const TDataSkinObject* element) { return element && !element->Image.Empty(); }

// The background: the pop-up's own image under the item, or the skin's colours.
void PaintBackground(HDC dc, const RECT& local, bool selected, const TSkinData& skin, const TMenuItemBackdrop& backdrop,
                     bool separator) {
    const TDataSkinObject* element = skin.Element(seMenuItem);
    if (!Skinned(element)) {
        Fill(dc, local, Rgb(selected && !separator ? skin.Colours().Hilight : skin.Colours().Menu));
        return;
    }
    if (backdrop.image && !backdrop.image->Empty())
        BitBlt(dc, 0, 0, local.right, local.bottom, backdrop.image->Canvas()->Handle(), backdrop.origin.x,
               backdrop.origin.y, SRCCOPY);
    else
        Fill(dc, local, Rgb(skin.Colours().Menu));
    if (separator)
        DrawMenuSeparator(dc, local, *element);
    else
        DrawElement(dc, local, *element, selected ? kSelectedFrame : kNormalFrame);
}

// The system's check mark, in the button-text colour where its bitmap is black.
void PaintCheckMark(HDC dc, const RECT& glyph, const RECT& local) {
    HBITMAP check = LoadBitmapA(nullptr, MAKEINTRESOURCEA(kCheckBitmap));
    if (!check) return;
    BITMAP info{};
    GetObjectA(check, sizeof info, &info);
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, check);
    HBRUSH brush = CreateSolidBrush(GetSysColor(COLOR_BTNTEXT));
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    const int x = glyph.left + (glyph.right - glyph.left - info.bmWidth) / 2 + 1;
    const int y = local.top + (local.bottom - local.top - info.bmHeight) / 2 + 1;
    constexpr DWORD kPatternWhereSourceIsBlack = 0x00B8074A;
    BitBlt(dc, x, y, info.bmWidth, info.bmHeight, source, 0, 0, kPatternWhereSourceIsBlack);
    SelectObject(dc, oldBrush);
    DeleteObject(brush);
    SelectObject(source, old);
    DeleteDC(source);
    DeleteObject(check);
}

// A checked image sits in a sunken box filled with the button face dithered with its light.
void PaintImage(HDC dc, const RECT& glyph, const RECT& local, const TMenuItemLook& look) {
    const int height = local.bottom - local.top;
    int top = local.top + (height - look.images->Height()) / 2;
    if (look.checked) {
        const int boxTop = local.top + (height - kGlyphSide) / 2;
        RECT box{glyph.left, boxTop, glyph.right, boxTop + (glyph.bottom - glyph.top)};
        const WORD pattern[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
        HBITMAP dither = CreateBitmap(8, 8, 1, 1, pattern);
        HBRUSH brush = CreatePatternBrush(dither);
        SetTextColor(dc, GetSysColor(COLOR_BTNFACE));
        SetBkColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
        FillRect(dc, &box, brush);
        DeleteObject(brush);
        DeleteObject(dither);
        DrawEdge(dc, &box, BDR_SUNKENOUTER, BF_RECT);
        top = boxTop;
    }
    TCanvas canvas;
    canvas.SetHandle(dc);
    look.images->Draw(canvas, glyph.left, top, look.imageIndex, look.enabled);
    canvas.SetHandle(nullptr);
}

COLORREF TextColour(const TMenuItemLook& look, bool selected, const TSkinData& skin) {
    const TSkinColours& colours = skin.Colours();
    if (!look.enabled)
        return colours.ButtonShadow == colours.MenuText ? GetSysColor(COLOR_BTNSHADOW) : Rgb(colours.ButtonShadow);
    return Rgb(selected ? colours.HilightText : colours.MenuText);
}

// The caption is measured as if followed by a blank when there is nothing to measure.
RECT MeasureCaption(HDC dc, const std::wstring& caption) {
    const std::wstring measured = caption.empty() || caption == L"&" ? caption + L" " : caption;
    RECT r{};
    DrawTextW(dc, measured.c_str(), static_cast<int>(measured.size()), &r,
              DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS | DT_NOCLIP);
    return r;
}

void PaintTexts(HDC dc, const TMenuItemLayout& layout, const RECT& local, const TMenuItemLook& look, bool selected,
                const TSkinData& skin, bool rightToLeft) {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, TextColour(look, selected, skin));
    const RECT size = MeasureCaption(dc, look.caption);
    RECT caption = layout.text;
    caption.top = local.top + (local.bottom - local.top - size.bottom) / 2;
    caption.bottom = caption.top + size.bottom;
    const UINT direction = rightToLeft ? DT_RIGHT | DT_RTLREADING : 0;
    DrawTextW(dc, look.caption.c_str(), static_cast<int>(look.caption.size()), &caption,
              DT_SINGLELINE | DT_EXPANDTABS | direction);
    if (look.shortCut.empty()) return;
    RECT shortCut = caption;
    if (rightToLeft) {
        shortCut.left = local.left + kShortCutEnd;
        shortCut.right = caption.right - size.right;
    } else {
        shortCut.left = caption.left + size.right;
        shortCut.right = local.right - kShortCutEnd;
    }
    DrawTextW(dc, look.shortCut.c_str(), static_cast<int>(look.shortCut.size()), &shortCut,
              DT_SINGLELINE | (rightToLeft ? DT_LEFT | DT_RTLREADING : DT_RIGHT));
}

HFONT CreateMenuFont(bool bold) {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return nullptr;
    if (bold) metrics.lfMenuFont.lfWeight = FW_BOLD;
    return CreateFontIndirectA(&metrics.lfMenuFont);
}

// Right-to-left items are the left-to-right layout mirrored within the item.
TMenuItemLayout LayoutMenuItem(const RECT& item, const TMenuItemLook& look, int leftMargin, bool rightToLeft) {
    TMenuItemLayout layout;
    int textLeft = item.left + kTextGap;
    if (!look.Separator()) {
        int side = look.images ? look.images->Width() : kGlyphSide;
        if (look.checked) side = std::max(side, kGlyphSide);
        const int left = item.left + 1 + leftMargin;
        layout.glyph = RECT{left, item.top + 1, left + side, item.top + 1 + side};
        textLeft = layout.glyph.right + kTextGap;
    }
    layout.text = RECT{textLeft, item.top, item.right - 1, item.bottom};
    if (rightToLeft) {
        if (!look.Separator()) layout.glyph = Mirrored(layout.glyph, item);
        layout.text = Mirrored(layout.text, item);
    }
    return layout;
}

}  // namespace

bool TMenuItemLook::HasImage() const { return images && imageIndex >= 0 && imageIndex < images->Count(); }

TMenuItemLook LookOf(const TMenuItem& item) {
    TMenuItemLook look;
    look.caption = AnsiToWide(item.Caption());
    if (item.ShortCut()) look.shortCut = AnsiToWide(ShortCutToText(item.ShortCut()));
    look.enabled = item.Enabled();
    look.checked = item.Checked();
    look.isDefault = item.Default();
    const TMenu* menu = item.GetParentMenu();
    look.images = menu ? menu->Images() : nullptr;
    look.imageIndex = item.ImageIndex();
    return look;
}

TMenuItemLook LookOfNative(HMENU menu, UINT command) {
    TMenuItemLook look;
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE | MIIM_FTYPE;
    GetMenuItemInfoA(menu, command, FALSE, &info);
    char text[kMaxItemText + 1] = {};
    GetMenuStringA(menu, command, text, kMaxItemText, MF_BYCOMMAND);
    const std::wstring whole = AnsiToWide(text);
    const size_t tab = whole.find(L'\t');
    look.caption = whole.substr(0, tab);
    if (tab != std::wstring::npos) look.shortCut = whole.substr(tab + 1);
    if (look.caption.empty() || (info.fType & MFT_SEPARATOR)) look.caption = L"-";
    look.enabled = (info.fState & (MFS_GRAYED | MFS_DISABLED)) == 0;
    look.checked = (info.fState & MFS_CHECKED) != 0;
    look.isDefault = (info.fState & MFS_DEFAULT) != 0;
    return look;
}

void PaintMenuItem(HDC dc, const RECT& rect, const TMenuItemLook& look, bool selected, const TSkinData& skin,
                   const TMenuItemBackdrop& backdrop, bool rightToLeft) {
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) return;
    TBitmap buffer;
    buffer.SetPixelFormat(pf24bit);
    buffer.SetSize(width, height);
    HDC composed = buffer.Canvas()->Handle();
    const RECT local{0, 0, width, height};
    PaintBackground(composed, local, selected, skin, backdrop, look.Separator());
    const TMenuItemLayout layout = LayoutMenuItem(local, look, LeftMarginOf(skin), rightToLeft);
    if (look.Separator()) {
        if (!Skinned(skin.Element(seMenuItem))) {
            RECT line{layout.text.left, local.top + kSeparatorLine, layout.text.right, local.bottom};
            DrawEdge(composed, &line, EDGE_ETCHED, BF_TOP);
        }
    } else {
        if (look.HasImage())
            PaintImage(composed, layout.glyph, local, look);
        else if (look.checked)
            PaintCheckMark(composed, layout.glyph, local);
        TMenuFont font(composed, look.isDefault);
        PaintTexts(composed, layout, local, look, selected, skin, rightToLeft);
    }
    BitBlt(dc, rect.left, rect.top, width, height, composed, 0, 0, SRCCOPY);
}

int EngineItemRoom(const TSkinData& skin, bool hasImages, bool popupMenu) {
    constexpr int kWithImages = 10, kPopupWithImages = 12, kWithoutImages = 35;
    const int glyphRoom = !hasImages ? kWithoutImages : popupMenu ? kPopupWithImages : kWithImages;
    return LeftMarginOf(skin) + glyphRoom;
}

SIZE MeasureNativeItem(HDC dc, const std::wstring& text, int proposedHeight, const TSkinData& skin) {
    constexpr int kTextRoom = 26, kSeparatorHeight = 8, kHeightRoom = 4;
    TMenuFont font(dc);
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    return SIZE{extent.cx + kTextRoom + LeftMarginOf(skin), text.empty() ? kSeparatorHeight : proposedHeight + kHeightRoom};
}

TMenuFont::TMenuFont(HDC dc, bool bold)
    : dc_(dc), font_(CreateMenuFont(bold)), old_(font_ ? SelectObject(dc, font_) : nullptr) {}

TMenuFont::~TMenuFont() {
    if (old_) SelectObject(dc_, old_);
    if (font_) DeleteObject(font_);
}
