// Owner drawing of menu items, and pop-up menus (declared in Menus.h).
#include <algorithm>

#include "toolkit/Menus.h"

namespace {

constexpr int kGlyphBox = 20;     // room for the check mark or image at the left
constexpr int kTextGap = 4;       // between the glyph box and the caption
constexpr int kShortCutGap = 16;  // between the caption and the shortcut
constexpr int kSeparatorHeight = 8;

// The system's menu font, as a canvas font.
void UseMenuFont(TCanvas& canvas, bool bold) {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
        if (HFONT font = CreateFontIndirectA(&metrics.lfMenuFont)) canvas.Font()->SetHandle(font);
    }
    TFontStyles style = canvas.Font()->Style();
    if (bold) style.Include(fsBold);
    else style.Exclude(fsBold);
    canvas.Font()->SetStyle(style);
}

// A canvas over a device context it does not own, let go when the scope ends.
class BorrowedCanvas {
public:
    explicit BorrowedCanvas(HDC dc) { canvas_.SetHandle(dc); }
    ~BorrowedCanvas() { canvas_.SetHandle(nullptr); }
    BorrowedCanvas(const BorrowedCanvas&) = delete;
    BorrowedCanvas& operator=(const BorrowedCanvas&) = delete;
    TCanvas& operator*() { return canvas_; }

private:
    TCanvas canvas_;
};

std::string ShortCutPart(const TMenuItem& item) { return item.ShortCut() ? ShortCutToText(item.ShortCut()) : ""; }

}  // namespace

// ---------------------------------------------------------------------------------------
// Item drawing

void TMenuItem::MeasureItem(TCanvas& canvas, int& width, int& height) {
    UseMenuFont(canvas, default_);
    DefaultMeasureItem(canvas, width, height);
    OnMeasureItem(this, &canvas, width, height);
}

void TMenuItem::DrawItem(TCanvas& canvas, const TRect& rect, bool selected) {
    UseMenuFont(canvas, default_);
    if (OnDrawItem)
        OnDrawItem(this, &canvas, rect, selected);
    else
        DefaultDrawItem(canvas, rect, selected);
}

void TMenuItem::DefaultMeasureItem(TCanvas& canvas, int& width, int& height) {
    if (IsLine()) {
        width = kGlyphBox;
        height = kSeparatorHeight;
        return;
    }
    const SIZE text = canvas.TextExtent(StripHotkey(caption_));
    const std::string shortCut = ShortCutPart(*this);
    width = kGlyphBox + kTextGap + text.cx + (shortCut.empty() ? 0 : kShortCutGap + canvas.TextWidth(shortCut));
    height = std::max<int>(text.cy + 6, GetSystemMetrics(SM_CYMENUCHECK) + 4);
    const TMenu* menu = GetParentMenu();
    if (menu && menu->Images() && imageIndex_ >= 0) height = std::max(height, menu->Images()->Height() + 4);
}

void TMenuItem::DefaultDrawItem(TCanvas& canvas, const TRect& rect, bool selected) {
    canvas.Brush()->SetColor(selected && !IsLine() ? clHighlight : clMenu);
    canvas.FillRect(rect);
    if (IsLine()) {
        TRect line{rect.left + 2, rect.top + kSeparatorHeight / 2, rect.right - 2, rect.bottom};
        DrawEdge(canvas.Handle(), &line, EDGE_ETCHED, BF_TOP);
        return;
    }
    TRect glyph{rect.left, rect.top, rect.left + kGlyphBox, rect.bottom};
    const TMenu* menu = GetParentMenu();
    if (checked_) {
        const int side = GetSystemMetrics(SM_CXMENUCHECK);
        TRect mark{glyph.left + (kGlyphBox - side) / 2, glyph.top + (glyph.bottom - glyph.top - side) / 2, 0, 0};
        mark.right = mark.left + side;
        mark.bottom = mark.top + side;
        DrawFrameControl(canvas.Handle(), &mark, DFC_MENU, radioItem_ ? DFCS_MENUBULLET : DFCS_MENUCHECK);
    } else if (menu && menu->Images() && imageIndex_ >= 0) {
        const TImageList& images = *menu->Images();
        menu->Images()->Draw(canvas, glyph.left + (kGlyphBox - images.Width()) / 2,
                             glyph.top + (glyph.bottom - glyph.top - images.Height()) / 2, imageIndex_, enabled_);
    }
    canvas.Brush()->SetStyle(bsClear);
    canvas.Font()->SetColor(!enabled_ ? clGrayText : selected ? clHighlightText : clMenuText);
    TRect text{glyph.right + kTextGap, rect.top, rect.right - kTextGap, rect.bottom};
    canvas.DrawText(caption_, text, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    if (const std::string shortCut = ShortCutPart(*this); !shortCut.empty())
        canvas.DrawText(shortCut, text, DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX);
}

bool TMenu::DrawMenuItem(const DRAWITEMSTRUCT& draw) {
    if (draw.CtlType != ODT_MENU) return false;
    TMenuItem* item = FindItem(draw.itemID, fkCommand);
    if (!item) return false;
    BorrowedCanvas canvas(draw.hDC);
    item->DrawItem(*canvas, draw.rcItem, (draw.itemState & ODS_SELECTED) != 0);
    return true;
}

bool TMenu::MeasureMenuItem(MEASUREITEMSTRUCT& measure) {
    if (measure.CtlType != ODT_MENU) return false;
    TMenuItem* item = FindItem(measure.itemID, fkCommand);
    if (!item) return false;
    HDC screen = GetDC(nullptr);
    int width = 0, height = 0;
    {
        BorrowedCanvas canvas(screen);
        item->MeasureItem(*canvas, width, height);
    }
    ReleaseDC(nullptr, screen);
    measure.itemWidth = static_cast<UINT>(std::max(width, 0));
    measure.itemHeight = static_cast<UINT>(std::max(height, 0));
    return true;
}

// ---------------------------------------------------------------------------------------
// Pop-up menus

namespace {

// The pop-up menu being shown: the owner window hands its menu messages to it.
TPopupMenu* gTracking = nullptr;

LRESULT CALLBACK PopupWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (gTracking) {
        TMessage m{msg, wParam, lParam, 0};
        try {
            if (gTracking->HandleMenuMessage(m)) return m.Result;
        } catch (const std::exception& error) {
            ApplicationHandleException()(error);
            return 0;
        }
    }
    return DefWindowProcA(window, msg, wParam, lParam);
}

// A hidden window that owns the pop-up menus while they show.
HWND PopupWindow() {
    static HWND window = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = PopupWndProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "TPopupList";
        RegisterClassA(&wc);
        return CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, wc.hInstance, nullptr);
    }();
    return window;
}

}  // namespace

void TPopupMenu::Popup(int x, int y) {
    OnPopup(this);
    TPopupMenu* outer = gTracking;
    gTracking = this;
    const UINT command = static_cast<UINT>(TrackPopupMenu(MenuHandle(), TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD,
                                                          x, y, 0, PopupWindow(), nullptr));
    gTracking = outer;
    if (command) DispatchCommand(command);
}
