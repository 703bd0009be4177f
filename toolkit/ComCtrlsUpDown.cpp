#include "toolkit/ComCtrls.h"

#include <commctrl.h>

#include <algorithm>

template <>
const TEnumInfo& EnumInfo<TUDOrientation>() {
    static const TEnumInfo info{"TUDOrientation", {"udHorizontal", "udVertical"}};
    return info;
}

const TClassInfo& TCustomUpDown::StaticClass() {
    using C = TCustomUpDown;
    using P = TProps<C>;
    static const TClassInfo info("TCustomUpDown", &TWinControl::StaticClass(), nullptr,
                                 {
                                     P::Integer("Min", &C::Min, &C::SetMin).Default(0),
                                     P::Integer("Max", &C::Max, &C::SetMax).Default(100),
                                     P::Integer("Increment", &C::Increment, &C::SetIncrement).Default(1),
                                     P::Integer("Position", &C::Position, &C::SetPosition).Default(0),
                                     P::Enum("Orientation", &C::Orientation, &C::SetOrientation).Default(udVertical),
                                     P::Boolean("Wrap", &C::Wrap, &C::SetWrap).Default(false),
                                     P::Boolean("ArrowKeys", &C::ArrowKeys, &C::SetArrowKeys).Default(true),
                                     P::Component("Associate", &C::Associate, &C::SetAssociate),
                                     P::Event("OnChanging", &C::OnChanging),
                                     P::Event("OnClick", &C::OnClick),
                                 });
    return info;
}

const TClassInfo& TUpDown::StaticClass() {
    static const TClassInfo info("TUpDown", &TCustomUpDown::StaticClass(), Creator<TUpDown>());
    return info;
}

TCustomUpDown::TCustomUpDown(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 17, 25); }

void TCustomUpDown::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SysClassName = UPDOWN_CLASSA;
    p.Style |= UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_NOTHOUSANDS;
    if (orientation_ == udHorizontal) p.Style |= UDS_HORZ;
    if (wrap_) p.Style |= UDS_WRAP;
    if (arrowKeys_) p.Style |= UDS_ARROWKEYS;
}

void TCustomUpDown::CreateHandleExtras() {
    if (associate_) SendMessageA(Handle(), UDM_SETBUDDY, reinterpret_cast<WPARAM>(associate_->Handle()), 0);
    UpdateWindow();
}

void TCustomUpDown::UpdateWindow() {
    if (!HandleAllocated()) return;
    HWND h = Handle();
    SendMessageA(h, UDM_SETRANGE32, static_cast<WPARAM>(min_), static_cast<LPARAM>(max_));
    UDACCEL accel{0, static_cast<UINT>(increment_)};
    SendMessageA(h, UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&accel));
    SendMessageA(h, UDM_SETPOS32, 0, position_);
}

void TCustomUpDown::SetMin(int value) {
    min_ = value;
    SetPosition(position_);
}

void TCustomUpDown::SetMax(int value) {
    max_ = value;
    SetPosition(position_);
}

void TCustomUpDown::SetIncrement(int value) {
    increment_ = std::max(1, value);
    UpdateWindow();
}

void TCustomUpDown::SetPosition(int value) {
    // While a form file is read the range may still come after the position.
    if (!ComponentState().Contains(csLoading)) value = std::clamp(value, std::min(min_, max_), std::max(min_, max_));
    position_ = value;
    UpdateWindow();
}

void TCustomUpDown::SetOrientation(TUDOrientation orientation) {
    if (ChangeField(orientation_, orientation)) RecreateWnd();
}

void TCustomUpDown::SetWrap(bool on) {
    if (ChangeField(wrap_, on)) RecreateWnd();
}

void TCustomUpDown::SetArrowKeys(bool on) {
    if (ChangeField(arrowKeys_, on)) RecreateWnd();
}

void TCustomUpDown::SetAssociate(TWinControl* control) {
    if (control == associate_) return;
    if (control && (control == this || control->Parent() != Parent()))
        throw EInvalidOperation(Format("%s cannot be associated with %s: they have different parents",
                                       Name().c_str(), control->Name().c_str()));
    if (associate_) associate_->RemoveFreeNotification(this);
    associate_ = control;
    if (associate_) associate_->FreeNotification(this);
    if (HandleAllocated())
        SendMessageA(Handle(), UDM_SETBUDDY, associate_ ? reinterpret_cast<WPARAM>(associate_->Handle()) : 0, 0);
    UpdateWindow();
}

// A form file may give the position before the range.
void TCustomUpDown::Loaded() {
    TWinControl::Loaded();
    SetPosition(position_);
}

void TCustomUpDown::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation == opRemove && component == associate_) associate_ = nullptr;
}

void TCustomUpDown::WndProc(TMessage& m) {
    if (m.Msg == CN_BASE + WM_NOTIFY && reinterpret_cast<NMHDR*>(m.LParam)->code == UDN_DELTAPOS) {
        bool allow = true;
        OnChanging(this, allow);
        lastDelta_ = reinterpret_cast<NMUPDOWN*>(m.LParam)->iDelta;
        m.Result = allow ? 0 : 1;
        return;
    }
    // The control reports every step, also one that OnChanging refused: only a step that
    // moved the position is a click.
    if ((m.Msg == CN_BASE + WM_VSCROLL || m.Msg == CN_BASE + WM_HSCROLL) && LOWORD(m.WParam) == SB_THUMBPOSITION) {
        const int position = static_cast<int>(SendMessageA(Handle(), UDM_GETPOS32, 0, 0));
        if (position == position_) return;
        position_ = position;
        OnClick(this, lastDelta_ > 0 ? btNext : btPrev);
        return;
    }
    TWinControl::WndProc(m);
}

TOOLKIT_REGISTER(TUpDown);
