#include "skin/controls/WScrollbar.h"

namespace {

bool SameShape(const TScrollBarShape& a, const TScrollBarShape& b) {
    return EqualRect(&a.bar, &b.bar) && a.vertical == b.vertical && a.available == b.available && a.arrow == b.arrow &&
           a.thumbStart == b.thumbStart && a.thumbEnd == b.thumbEnd && a.corner == b.corner;
}

}  // namespace

TWScrollbar::TWScrollbar(HWND control, LONG objectId, TSkinData& skin)
    : TSkinWindow("PelmarWScrollbar", GetParent(control)), control_(control), objectId_(objectId), skin_(skin) {}

bool TWScrollbar::Current(TScrollBarShape& shape) const {
    POINT origin{0, 0};
    ClientToScreen(GetParent(control_), &origin);
    if (!ScrollBarShapeOf(control_, objectId_, origin, shape)) return false;
    TScrollBarShape horizontal{};
    if (objectId_ == OBJID_VSCROLL && ScrollBarShapeOf(control_, OBJID_HSCROLL, origin, horizontal))
        shape.corner = horizontal.bar.bottom - horizontal.bar.top;
    return true;
}

void TWScrollbar::Follow(bool shown) {
    if (!IsWindow(Handle()) || !IsWindow(control_)) return;
    TScrollBarShape now{};
    const bool visible = shown && IsWindowVisible(control_) && Current(now);
    if (!visible) {
        if (visible_) ShowWindow(Handle(), SW_HIDE);
        visible_ = false;
        return;
    }
    if (visible_ && SameShape(now, shape_)) return;
    const bool moved = !visible_ || !EqualRect(&now.bar, &shape_.bar) || now.corner != shape_.corner;
    shape_ = now;
    visible_ = true;
    if (moved)
        SetWindowPos(Handle(), HWND_TOP, now.bar.left, now.bar.top, now.bar.right - now.bar.left,
                     now.bar.bottom - now.bar.top + now.corner, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(Handle(), nullptr, FALSE);
}

void TWScrollbar::Paint(HDC dc) const {
    TScrollBarShape local = shape_;
    OffsetRect(&local.bar, -shape_.bar.left, -shape_.bar.top);
    DrawSkinScrollBar(dc, skin_, local);
}

// The control tracks the press itself, in its own loop, until the button goes up.
void TWScrollbar::Press(UINT msg, LPARAM lParam) const {
    POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    ClientToScreen(Handle(), &p);
    const WPARAM hit = objectId_ == OBJID_VSCROLL ? HTVSCROLL : HTHSCROLL;
    SendMessageA(control_, msg, hit, MAKELPARAM(p.x, p.y));
}

LRESULT TWScrollbar::Message(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_LBUTTONDOWN:
            Press(WM_NCLBUTTONDOWN, lParam);
            return 0;
        case WM_LBUTTONUP:
            Press(WM_NCLBUTTONUP, lParam);
            return 0;
        case WM_MOUSEWHEEL:
        case WM_MOUSEHWHEEL:
            return SendMessageA(control_, msg, wParam, lParam);
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        default:
            return TSkinWindow::Message(msg, wParam, lParam);
    }
}
