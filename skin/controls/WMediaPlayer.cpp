#include "skin/controls/WMediaPlayer.h"

#include "skin/WinSkinData.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/WinSubClass.h"
#include "skin/engine/SkinPaint.h"

namespace {

constexpr int kButtons = 9;

TPoint PointOf(LPARAM point) { return {static_cast<short>(LOWORD(point)), static_cast<short>(HIWORD(point))}; }

}  // namespace

TWMediaPlayer::TWMediaPlayer(TMediaPlayer& player, TSkinData& skin)
    : TSkinWindow("PelmarWMediaPlayer", GetParent(player.Handle())), player_(player), skin_(skin) {}

void TWMediaPlayer::Follow(bool shown) {
    const HWND player = player_.Handle();
    if (!shown || !(GetWindowLongA(player, GWL_STYLE) & WS_VISIBLE)) {
        ShowWindow(Handle(), SW_HIDE);
        return;
    }
    RECT r{};
    GetWindowRect(player, &r);
    MapWindowPoints(nullptr, GetParent(player), reinterpret_cast<POINT*>(&r), 2);
    // Right above the player, so that controls above the player stay above the strip too.
    const HWND above = GetWindow(player, GW_HWNDPREV);
    const UINT keepOrder = above == Handle() ? SWP_NOZORDER : 0;
    SetWindowPos(Handle(), above ? above : HWND_TOP, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW | keepOrder);
    InvalidateRect(Handle(), nullptr, FALSE);
}

bool TWMediaPlayer::Works(TMPBtnType button) const {
    return player_.Enabled() && player_.EnabledButtons().Contains(button);
}

std::optional<TMPBtnType> TWMediaPlayer::ButtonAt(LPARAM point) const {
    const TPoint p = PointOf(point);
    for (int i = 0; i < kButtons; ++i) {
        const auto button = static_cast<TMPBtnType>(i);
        const TRect r = player_.ButtonRect(button);
        if (PtInRect(&r, p)) return button;
    }
    return std::nullopt;
}

void TWMediaPlayer::Paint(HDC dc) const {
    RECT r{};
    GetClientRect(player_.Handle(), &r);
    const TOffscreen off(dc, r);
    TCanvas canvas;
    canvas.SetHandle(off.DC());
    canvas.Brush()->SetColor(skin_.Colours().ButtonFace);
    canvas.FillRect(r);
    for (int i = 0; i < kButtons; ++i)
        if (player_.VisibleButtons().Contains(static_cast<TMPBtnType>(i))) PaintButton(canvas, static_cast<TMPBtnType>(i));
    canvas.SetHandle(nullptr);
}

// The glyph takes the colour of a caption in the button's frame, unless the button shows it
// coloured.
void TWMediaPlayer::PaintButton(TCanvas& canvas, TMPBtnType button) const {
    const bool works = Works(button);
    const bool down = pressed_ == button && hot_ == button;
    const int frame = TSkinButton::FrameOf({false, down, hot_ == button, works});
    TRect r = player_.ButtonRect(button);
    DrawElement(canvas.Handle(), r, skin_.Button(), frame);
    const TColor ink = TSkinButton::StateTextColour(skin_, frame, skin_.Colours().ButtonText);
    const bool coloured = works && player_.ColoredButtons().Contains(button);
    if (down) OffsetRect(&r, 1, 1);
    DrawMediaGlyph(canvas, button, r, coloured ? MediaGlyphColour(button) : ink, ink);
}

void TWMediaPlayer::Show(const std::optional<TMPBtnType>& hot, const std::optional<TMPBtnType>& pressed) {
    if (hot == hot_ && pressed == pressed_) return;
    hot_ = hot;
    pressed_ = pressed;
    InvalidateRect(Handle(), nullptr, FALSE);
}

void TWMediaPlayer::Hover(LPARAM point) {
    Show(ButtonAt(point), pressed_);
    RequestMouseLeave(Handle());
}

void TWMediaPlayer::Press(LPARAM point) {
    const std::optional<TMPBtnType> button = ButtonAt(point);
    if (!button || !Works(*button)) return;
    SetCapture(Handle());
    Show(button, button);
}

// A release over the button that was pressed is a click.
void TWMediaPlayer::Release(LPARAM point) {
    if (GetCapture() == Handle()) ReleaseCapture();
    const std::optional<TMPBtnType> pressed = pressed_;
    const std::optional<TMPBtnType> over = ButtonAt(point);
    Show(over, std::nullopt);
    if (pressed && pressed == over) ClickPlayer(*pressed);
}

void TWMediaPlayer::ClickPlayer(TMPBtnType button) const {
    const TRect r = player_.ButtonRect(button);
    const LPARAM middle = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    SendMessageA(player_.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, middle);
    SendMessageA(player_.Handle(), WM_LBUTTONUP, 0, middle);
}

LRESULT TWMediaPlayer::Message(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_MOUSEMOVE:
            Hover(lParam);
            return 0;
        case WM_MOUSELEAVE:
            Show(std::nullopt, pressed_);
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            Press(lParam);
            return 0;
        case WM_LBUTTONUP:
            Release(lParam);
            return 0;
        default:
            return TSkinWindow::Message(msg, wParam, lParam);
    }
}
