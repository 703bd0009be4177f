// The mouse on a skinned frame: caption buttons hover, press and act; the caption answers
// double-clicks and right-clicks.
#include "skin/WinSkinData.h"
#include "skin/engine/NCObjects.h"
#include "skin/engine/WinSkinForm.h"
#include "skin/engine/WinSkinMenu.h"

POINT TWinSkinForm::ToWindow(LPARAM screenPoint) const {
    RECT r{};
    GetWindowRect(window_, &r);
    const POINT p = MousePoint(screenPoint);
    return POINT{p.x - r.left, p.y - r.top};
}

TNCObject* TWinSkinForm::ObjectAt(POINT p) const {
    for (const auto& button : buttons_)
        if (button->Enabled() && PtInRect(&button->Bounds(), p)) return button.get();
    return menuBar_ ? menuBar_->ItemAt(p) : nullptr;
}

void TWinSkinForm::PaintObject(TNCObject& object) {
    if (object.Enabled()) object.Paint();
}

void TWinSkinForm::DrawOnFrame(const std::function<void(HDC)>& draw) {
    if (composing_) {
        draw(composing_);
        return;
    }
    HDC dc = GetWindowDC(window_);
    if (!dc) return;
    draw(dc);
    ReleaseDC(window_, dc);
}

bool TWinSkinForm::NcMouseMove(LPARAM lParam) {
    if (!active_) return false;
    if (TNCObject* object = ObjectAt(ToWindow(lParam))) {
        object->MouseEnter();
        return true;
    }
    if (hot_) hot_->MouseLeave();
    return false;
}

bool TWinSkinForm::NcLeftButtonDown(WPARAM hit, LPARAM lParam, LRESULT& result) {
    if (TNCObject* object = ObjectAt(ToWindow(lParam))) {
        if (!active_) SetForegroundWindow(window_);
        object->MouseDown();
        if (auto* item = dynamic_cast<TMenuBtn*>(object)) menuBar_->OpenItem(*item);
        result = 0;
        return true;
    }
    // A maximised window stays where it is: its caption does not start a move.
    if (showState_ == ssMaximised && active_ && hit == HTCAPTION) {
        result = CallPrevious(WM_NCLBUTTONDOWN, HTMENU, lParam);
        return true;
    }
    return false;
}

bool TWinSkinForm::NcLeftButtonUp(LPARAM lParam) {
    TNCObject* object = ObjectAt(ToWindow(lParam));
    if (!object || object != hot_ || object->State() != ncPressed) return false;
    object->MouseUp();
    for (const auto& button : buttons_)
        if (button.get() == object) button->Act(MousePoint(lParam));
    return true;
}

bool TWinSkinForm::NcLeftDoubleClick(WPARAM hit, LPARAM lParam, LRESULT& result) {
    result = 0;
    for (const auto& button : buttons_) {
        if (!button->Enabled() || !PtInRect(&button->Bounds(), ToWindow(lParam))) continue;
        if (button->IsIcon()) {
            StopHoverTimer();
            PostMessageA(window_, WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        return true;
    }
    if (hit != HTCAPTION) return false;
    if (showState_ != ssNormal) {
        PostMessageA(window_, WM_SYSCOMMAND, SC_RESTORE, 0);
        return true;
    }
    if (captionFlags_ & cbMaximiseBox) {
        PostMessageA(window_, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
        return true;
    }
    return false;
}

bool TWinSkinForm::NcRightButtonDown(WPARAM hit, LPARAM lParam) {
    if (hit != HTCAPTION || frameKind_ == fkMDIChild) return false;
    ShowSystemMenu(MousePoint(lParam));
    return true;
}
