#include "skin/controls/WScrollbar.h"

#include "skin/WinSkinData.h"

namespace {

constexpr char kClassName[] = "PelmarWScrollbar";

}  // namespace

TWScrollbar::TWScrollbar(HWND control, LONG objectId, TSkinData& skin)
    : control_(control), objectId_(objectId), skin_(skin) {
    CreateChild(kClassName, WS_CLIPSIBLINGS, GetParent(control));
}

bool TWScrollbar::Current(TScrollBarShape& shape) const {
    POINT origin{0, 0};
    ClientToScreen(GetParent(control_), &origin);
    return ScrollBarShapeOf(control_, objectId_, origin, shape);
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
    if (visible_ && SameParts(now, shape_)) return;
    const bool moved = !visible_ || !EqualRect(&now.bar, &shape_.bar) || now.corner != shape_.corner;
    now.hot = shape_.hot;
    now.pressed = shape_.pressed;
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

void TWScrollbar::PaintOverControl(HDC dc) const {
    if (!visible_) return;
    RECT bar{}, control{};
    GetWindowRect(Handle(), &bar);
    GetWindowRect(control_, &control);
    POINT old{};
    OffsetViewportOrgEx(dc, bar.left - control.left, bar.top - control.top, &old);
    Paint(dc);
    SetViewportOrgEx(dc, old.x, old.y, nullptr);
}

TScrollPart TWScrollbar::PointerPart(POINT p) const {
    TScrollBarShape local = shape_;
    OffsetRect(&local.bar, -shape_.bar.left, -shape_.bar.top);
    const TScrollPart part = ScrollPartAt(local, p);
    return part == spTrack || !shape_.available ? spNone : part;
}

void TWScrollbar::SetHot(TScrollPart part) {
    if (part == shape_.hot) return;
    shape_.hot = part;
    InvalidateRect(Handle(), nullptr, FALSE);
}

// The control tracks the press itself, in its own loop, until the button goes up.
void TWScrollbar::Press(UINT msg, LPARAM lParam) const {
    POINT p = MousePoint(lParam);
    ClientToScreen(Handle(), &p);
    const WPARAM hit = objectId_ == OBJID_VSCROLL ? HTVSCROLL : HTHSCROLL;
    SendMessageA(control_, msg, hit, MAKELPARAM(p.x, p.y));
}

// The control's press loop runs inside the hand-over and takes the release; the part shows
// pressed until it returns, then as the pointer now finds it.
void TWScrollbar::HoldDown(LPARAM lParam) {
    shape_.pressed = PointerPart(MousePoint(lParam));
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    Press(WM_NCLBUTTONDOWN, lParam);
    if (!IsWindow(Handle())) return;
    POINT pointer{};
    GetCursorPos(&pointer);
    ScreenToClient(Handle(), &pointer);
    shape_.pressed = spNone;
    shape_.hot = PointerPart(pointer);
    if (shape_.hot != spNone) RequestMouseLeave(Handle());
    InvalidateRect(Handle(), nullptr, FALSE);
}

LRESULT TWScrollbar::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_MOUSEMOVE:
            SetHot(PointerPart(MousePoint(lParam)));
            RequestMouseLeave(Handle());
            return 0;
        case WM_MOUSELEAVE:
            SetHot(spNone);
            return 0;
        case WM_LBUTTONDOWN:
            HoldDown(lParam);
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
            return TPaintedWindow::Dispatch(msg, wParam, lParam);
    }
}
