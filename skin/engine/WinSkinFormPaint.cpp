// Painting a skinned frame: border parts, the title bar composed off-screen with its caption
// text and buttons, and the window region cut where the borders are magenta.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "skin/WinSkinData.h"
#include "skin/engine/FrameCache.h"
#include "skin/engine/NCObjects.h"
#include "skin/engine/SkinManage.h"
#include "skin/engine/SkinPaint.h"
#include "skin/engine/WinSkinForm.h"
#include "skin/engine/WinSkinMenu.h"

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);

int FrameSize(const TBitmap& image, int frameCount) {
    return frameCount > 0 ? image.Height() / frameCount : image.Height();
}

int FrameWidthOf(const TBitmap& image, int frameCount) {
    return frameCount > 0 ? image.Width() / frameCount : image.Width();
}

// An off-screen device context over a 32-bit top-down bitmap whose pixels can be read.
class TScratch {
public:
    TScratch(int width, int height) : width_(std::max(width, 1)), height_(std::max(height, 1)) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width_;
        info.bmiHeader.biHeight = -height_;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
        old_ = SelectObject(dc_, bitmap_);
    }
    TScratch(const TScratch&) = delete;
    TScratch& operator=(const TScratch&) = delete;
    ~TScratch() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    HDC Dc() const { return dc_; }
    // The pixel as 0x00RRGGBB.
    std::uint32_t Pixel(int x, int y) const {
        GdiFlush();
        return bits_[static_cast<size_t>(y) * width_ + x] & 0xFFFFFFu;
    }

private:
    int width_, height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
    std::uint32_t* bits_ = nullptr;
};

// The pixels of a scratch area that are not magenta, as a region offset to (x, y).
HRGN OpaqueRegion(const TScratch& scratch, int width, int height, int x, int y) {
    std::vector<RECT> runs;
    for (int row = 0; row < height; ++row) {
        int start = -1;
        for (int col = 0; col <= width; ++col) {
            const bool opaque = col < width && scratch.Pixel(col, row) != 0xFF00FFu;
            if (opaque && start < 0) start = col;
            if (!opaque && start >= 0) {
                runs.push_back(RECT{x + start, y + row, x + col, y + row + 1});
                start = -1;
            }
        }
    }
    std::vector<std::uint8_t> data(sizeof(RGNDATAHEADER) + runs.size() * sizeof(RECT));
    auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
    header->dwSize = sizeof(RGNDATAHEADER);
    header->iType = RDH_RECTANGLES;
    header->nCount = static_cast<DWORD>(runs.size());
    header->rcBound = RECT{x, y, x + width, y + height};
    std::copy(runs.begin(), runs.end(), reinterpret_cast<RECT*>(data.data() + sizeof(RGNDATAHEADER)));
    return ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()), reinterpret_cast<RGNDATA*>(data.data()));
}

}  // namespace

void TWinSkinForm::ComputeBorders() {
    borders_ = {};
    menuBarHeight_ = 0;
    frameCache_.Forget();
    if (!skin_ || borderKind_ == bkNoCaption) return;
    if (menuBar_) menuBarHeight_ = GetSystemMetrics(SM_CYMENU);
    const TDataSkinBorder& left = skin_->Border(0);
    const TDataSkinBorder& right = skin_->Border(1);
    const TDataSkinBorder& top = skin_->Border(2);
    const TDataSkinBorder& bottom = skin_->Border(3);
    borders_.left = FrameWidthOf(left.Image, left.FrameCount);
    borders_.right = FrameWidthOf(right.Image, right.FrameCount);
    borders_.top = FrameSize(top.Image, top.FrameCount);
    borders_.bottom = FrameSize(bottom.Image, bottom.FrameCount);
}

void TWinSkinForm::ResizeToSkin(bool starting) {
    UpdateShowState();
    if (showState_ == ssMaximised) {
        ChangeFrame();
        return;
    }
    RECT client{};
    GetClientRect(window_, &client);
    int clientWidth = client.right;
    int clientHeight = client.bottom;
    // The native bar is gone: the client area grew by it, and the skinned band takes it back.
    if (starting && form_ && menuBar_) clientHeight -= menuBarHeight_;
    if (frameKind_ == fkMDIChild) clientHeight += menuBarHeight_;
    int width = clientWidth + borders_.left + borders_.right;
    const int height = clientHeight + borders_.top + borders_.bottom + menuBarHeight_;
    if (starting && dialog_) {
        HDC dc = GetDC(window_);
        HGDIOBJ old = SelectObject(dc, captionFont_);
        const std::wstring text = WindowText();
        SIZE extent{};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        SelectObject(dc, old);
        ReleaseDC(window_, dc);
        const int minimum = extent.cx + skin_->Title().LeftWidth + skin_->Title().RightWidth;
        if (width < minimum) {
            const int shift = (minimum - width) / 2;
            for (HWND c = GetWindow(window_, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
                RECT r{};
                GetWindowRect(c, &r);
                MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&r), 2);
                SetWindowPos(c, nullptr, r.left + shift, r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            }
            width = minimum;
        }
    }
    SetWindowPos(window_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TWinSkinForm::PaintFrame(HDC given) {
    if (!(state_ == fsRunning || state_ == fsRefreshing) || borderKind_ == bkNoCaption || MaximisedMDIChild() ||
        !skin_)
        return;
    HDC dc = given ? given : GetWindowDC(window_);
    if (!dc) return;
    try {
        StripSystemMenuStyle();
        const TFrameLook look = CurrentLook();
        const bool withSides = showState_ != ssMinimised;
        if (withSides && !frameCache_.HoldsSides(look)) ComposeSides(look);
        if (!frameCache_.HoldsTitle(look)) ComposeTitleBar(look);
        frameCache_.Show(dc, borders_, look.width, look.height, withSides);
        const RECT band = MenuBand(look.width);
        if (menuBar_)
            menuBar_->PaintBar(dc, band);
        else if (menuBarHeight_ > 0 && band.right > band.left)
            FillRect(dc, &band, skin_->ButtonFaceBrush());
    } catch (...) {
        // A frame that cannot be painted this time keeps what it showed.
    }
    hot_ = nullptr;
    if (!given) ReleaseDC(window_, dc);
}

TFrameLook TWinSkinForm::CurrentLook() {
    const RECT box = WindowBox();
    TFrameLook look{box.right, box.bottom, active_, showState_, rightToLeft_, WindowText(), {}};
    const TCaptionState state = CaptionState();
    for (const auto& button : buttons_) {
        button->Update(state);
        look.buttonFrames.push_back(button->Enabled() ? button->FrameToDraw() : -1);
    }
    return look;
}

void TWinSkinForm::ComposeSides(const TFrameLook& look) {
    const int height = look.height;
    const int between = look.width - borders_.left - borders_.right;
    DrawBorderPart(frameCache_.Strip(fsLeft, borders_.left, height), RECT{0, 0, borders_.left, height},
                   skin_->Border(0), bpLeft, active_);
    DrawBorderPart(frameCache_.Strip(fsRight, borders_.right, height), RECT{0, 0, borders_.right, height},
                   skin_->Border(1), bpRight, active_);
    DrawBorderPart(frameCache_.Strip(fsBottom, between, borders_.bottom), RECT{0, 0, between, borders_.bottom},
                   skin_->Border(3), bpBottom, active_);
    frameCache_.RememberSides(look);
}

void TWinSkinForm::ComposeTitleBar(const TFrameLook& look) {
    const int width = look.width;
    const int height = borders_.top;
    if (height <= 0 || width <= 0) return;
    const HDC buffer = frameCache_.Strip(fsTitle, width, height);
    composing_ = buffer;
    if (showState_ == ssMinimised) {
        RECT all{0, 0, width, height};
        HBRUSH face = CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(skin_->Colours().ButtonFace)));
        FillRect(buffer, &all, face);
        DeleteObject(face);
    } else {
        // The corners above the sides belong to the side borders.
        BitBlt(buffer, 0, 0, borders_.left, height, frameCache_.Strip(fsLeft, borders_.left, look.height), 0, 0,
               SRCCOPY);
        BitBlt(buffer, width - borders_.right, 0, borders_.right, height,
               frameCache_.Strip(fsRight, borders_.right, look.height), 0, 0, SRCCOPY);
    }
    DrawBorderPart(buffer, RECT{borders_.left, 0, width - borders_.right, height}, skin_->Border(2), bpTitle,
                   active_);
    PaintCaptionText(buffer, width);
    LayoutButtons(width);
    for (const auto& button : buttons_)
        if (button->Enabled()) button->Paint();
    composing_ = nullptr;
    frameCache_.RememberTitle(look);
}

void TWinSkinForm::LayoutButtons(int width) {
    TButtonPlace place;
    place.windowWidth = width;
    place.captionText = captionRect_;
    place.menuBand = MenuBand(width);
    place.rightBorder = borders_.right;
    const TDataSkinObject* menuBarElement = skin_->Element(seMenuBar);
    place.menuBarLeftWidth = menuBarElement ? menuBarElement->LeftWidth : 0;
    for (const auto& button : buttons_) {
        const TDataSkinSysButton& r = button->Record();
        const SIZE size = button->Size();
        const POINT at = CaptionButtonPosition(r.Align, r.Xcoord, r.Ycoord, size, place);
        button->SetBounds(RECT{at.x, at.y, at.x + size.cx, at.y + size.cy});
    }
}

RECT TWinSkinForm::MenuBand(int width) const {
    return RECT{borders_.left, borders_.top, width - borders_.right, borders_.top + menuBarHeight_};
}

int TWinSkinForm::RightButtonReach() const {
    int reach = 0;
    for (const auto& button : buttons_)
        if (button->Enabled() && button->Record().Align == 1) reach = std::max(reach, button->Record().Xcoord);
    return reach;
}

void TWinSkinForm::PaintCaptionText(HDC dc, int width) {
    const TDataSkinTitle& title = skin_->Title();
    const std::wstring text = L" " + WindowText() + L"  ";
    HGDIOBJ oldFont = SelectObject(dc, captionFont_);
    RECT measure{0, 0, 0, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measure, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    const int textWidth = measure.right + title.TXTBackleft + title.TXTBackRight;
    const int textHeight = measure.bottom;
    const int titleLeft = borders_.left;
    const int titleRight = width - borders_.right;
    const int reach = RightButtonReach();
    int x = title.LeftWidth;
    if (!rightToLeft_) {
        if (title.TextAlignment == 1) x = titleLeft + (titleRight - titleLeft - textWidth) / 2;
        if (title.TextAlignment == 2) x = titleRight - title.RightWidth - textWidth;
    } else {
        if (title.TextAlignment == 0) x = width - reach - textWidth;
        if (title.TextAlignment == 1) x = (width - reach - textWidth) / 2;
        if (title.TextAlignment == 2) x = title.LeftWidth;
        x += 10;
    }
    if (x < 1) x = title.LeftWidth;
    if (borderKind_ == bkDialog && title.TextAlignment == 0) x -= 16;
    const int y = (borders_.top - textHeight) / 2 + title.TopHeight / 2;
    RECT r{x, y, x + textWidth, y + textHeight};
    if (!rightToLeft_) {
        const int clip = (style_ & WS_POPUP) && reach > 5 ? width - reach - 5 : width - title.RightWidth;
        r.right = std::min<LONG>(r.right, clip);
    }
    captionRect_ = r;
    DrawTextBackground(dc, RECT{r.left, 0, r.right, borders_.top}, title, active_);
    RECT textRect{r.left + title.TXTBackleft, r.top, r.right - title.TXTBackRight, r.bottom};
    SetBkMode(dc, TRANSPARENT);
    const TSkinColours& colours = skin_->Colours();
    SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(active_ ? colours.TitleTextActive : colours.TitleTextNoActive)));
    UINT format = DT_END_ELLIPSIS | DT_NOPREFIX | DT_SINGLELINE;
    if (rightToLeft_) format |= DT_RIGHT | DT_RTLREADING;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textRect, format);
    SelectObject(dc, oldFont);
}

void TWinSkinForm::BuildRegion(bool force) {
    if (!skin_ || !frameSkinning_ || showState_ == ssMinimised) return;
    const TSkinManage* manager = SkinManager();
    if (frameKind_ == fkMDIChild && (showState_ != ssNormal || (manager && manager->MDIChildMaximized()))) return;
    const RECT box = WindowBox();
    const int width = box.right, height = box.bottom;
    if (width * height == 0) return;
    if (frameKind_ != fkMDIChild && !force && state_ != fsRefreshing && width == regionSize_.cx &&
        height == regionSize_.cy)
        return;
    const bool anyTrans = skin_->Border(0).Trans || skin_->Border(1).Trans || skin_->Border(2).Trans;
    HRGN region = nullptr;
    if (!anyTrans || borderKind_ == bkNoCaption) {
        region = borderKind_ == bkNoCaption
                     ? CreateRectRgn(borders_.left, borders_.top, width - borders_.right, height - borders_.bottom)
                     : CreateRectRgn(0, 0, width, height);
    } else {
        region = CreateRectRgn(borders_.left, borders_.top, width - borders_.right, height - borders_.bottom);
        const auto addPart = [&](int index, TBorderPart part, RECT target, bool cut) {
            const int w = target.right - target.left, h = target.bottom - target.top;
            if (w <= 0 || h <= 0) return;
            HRGN piece = nullptr;
            if (cut && skin_->Border(index).Trans == 1) {
                TScratch scratch(w, h);
                RECT all{0, 0, w, h};
                HBRUSH magenta = CreateSolidBrush(kMagenta);
                FillRect(scratch.Dc(), &all, magenta);
                DeleteObject(magenta);
                DrawBorderPart(scratch.Dc(), all, skin_->Border(index), part, active_);
                piece = OpaqueRegion(scratch, w, h, target.left, target.top);
            } else {
                piece = CreateRectRgn(target.left, target.top, target.right, target.bottom);
            }
            CombineRgn(region, region, piece, RGN_OR);
            DeleteObject(piece);
        };
        addPart(0, bpLeft, RECT{0, 0, borders_.left, height}, height > 1);
        addPart(1, bpRight, RECT{width - borders_.right, 0, width, height}, height > 1);
        addPart(3, bpBottom, RECT{borders_.left, height - borders_.bottom, width - borders_.right, height},
                borders_.bottom >= 2);
        addPart(2, bpTitle, RECT{borders_.left, 0, width - borders_.right, borders_.top}, borders_.top > 1);
    }
    if (SetWindowRgn(window_, region, TRUE)) {
        // The system owns the region it was given; the one it replaced it has deleted.
        region_ = region;
        regionSize_ = {width, height};
    } else {
        DeleteObject(region);
    }
}

void TWinSkinForm::RemoveRegion() {
    if (!region_) return;
    SetWindowRgn(window_, nullptr, TRUE);
    region_ = nullptr;
    regionSize_ = {};
}
