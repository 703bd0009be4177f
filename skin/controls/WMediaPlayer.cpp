#include "skin/controls/WMediaPlayer.h"

#include "skin/WinSkinData.h"
#include "skin/controls/SkinMP.h"

namespace {

constexpr int kButtons = 9;

}  // namespace

TWMediaPlayer::TWMediaPlayer(TSkinMP& skinner, TMediaPlayer& player)
    : skinner_(skinner), player_(player) {
    CreateChild("PelmarWMediaPlayer", WS_CLIPSIBLINGS, GetParent(player.Handle()));
}

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

void TWMediaPlayer::Paint(HDC dc) const { skinner_.PaintStrip(dc, hot_, pressed_); }

std::optional<TMPBtnType> TWMediaPlayer::ButtonAt(LPARAM point) const {
    const POINT p = MousePoint(point);
    for (int i = 0; i < kButtons; ++i) {
        const auto button = static_cast<TMPBtnType>(i);
        const TRect r = player_.ButtonRect(button);
        if (PtInRect(&r, p)) return button;
    }
    return std::nullopt;
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
    if (!button || !TSkinMP::Works(player_, *button)) return;
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

LRESULT TWMediaPlayer::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) {
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
            return TPaintedWindow::Dispatch(msg, wParam, lParam);
    }
}
