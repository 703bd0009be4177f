#include "skin/controls/ArrowButton.h"

#include <algorithm>

#include "skin/WinSkinData.h"
#include "skin/controls/WinSubClass.h"

namespace {

constexpr char kClassName[] = "PelmarArrowButton";
constexpr COLORREF kMagenta = RGB(255, 0, 255);

}  // namespace

TArrowButton::TArrowButton(HWND control, TSkinData& skin, std::function<void()> onClick)
    : control_(control), skin_(skin), onClick_(std::move(onClick)) {
    CreateChild(kClassName, 0, control);
}

bool TArrowButton::SkinHasArrow(const TSkinData& skin) {
    const TDataSkinObject* arrow = skin.ComboxArrow();
    return arrow && !arrow->Image.Empty() && arrow->FrameCount > 0;
}

void TArrowButton::Place(const RECT& r, bool shown) {
    SetWindowPos(Handle(), HWND_TOP, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOACTIVATE | (shown ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
    InvalidateRect(Handle(), nullptr, FALSE);
}

void TArrowButton::Paint(HDC dc) const {
    RECT r{};
    GetClientRect(Handle(), &r);
    if (const HBRUSH face = skin_.ButtonFaceBrush()) FillRect(dc, &r, face);
    if (!SkinHasArrow(skin_)) return;
    const TDataSkinObject& arrow = *skin_.ComboxArrow();
    const int frames = arrow.FrameCount;
    const int width = arrow.Image.Width() / frames;
    const int frame = std::min(TSkinControl::StateFrame(1, pressed_, hot_, IsWindowEnabled(control_) != FALSE), frames);
    TransparentBlt(dc, 0, 0, r.right, r.bottom, arrow.Image.Canvas()->Handle(), (frame - 1) * width, 0, width,
                   arrow.Image.Height(), kMagenta);
}

void TArrowButton::SetState(bool hot, bool pressed) {
    if (hot == hot_ && pressed == pressed_) return;
    hot_ = hot;
    pressed_ = pressed;
    InvalidateRect(Handle(), nullptr, FALSE);
}

bool TArrowButton::Over(LPARAM point) const {
    RECT r{};
    GetClientRect(Handle(), &r);
    return PtInRect(&r, MousePoint(point)) != FALSE;
}

LRESULT TArrowButton::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_MOUSEMOVE:
            // While held, the button shows pressed only over itself, as a system button does.
            SetState(Over(lParam), GetCapture() == Handle() && Over(lParam));
            RequestMouseLeave(Handle());
            return 0;
        case WM_MOUSELEAVE:
            if (GetCapture() != Handle()) SetState(false, false);
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            if (!IsWindowEnabled(control_)) return 0;
            SetCapture(Handle());
            SetState(true, true);
            return 0;
        case WM_LBUTTONUP: {
            const bool click = pressed_ && Over(lParam);
            if (GetCapture() == Handle()) ReleaseCapture();
            SetState(Over(lParam), false);
            if (click && onClick_) onClick_();
            return 0;
        }
        case WM_CAPTURECHANGED:
            SetState(hot_, false);
            return 0;
        default:
            return TPaintedWindow::Dispatch(msg, wParam, lParam);
    }
}
