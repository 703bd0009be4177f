#include "toolkit/ComCtrls.h"

#include <commctrl.h>
#include <oleauto.h>

#include <cmath>

template <>
const TEnumInfo& EnumInfo<TDateTimeKind>() {
    static const TEnumInfo info{"TDateTimeKind", {"dtkDate", "dtkTime"}};
    return info;
}
template <>
const TEnumInfo& EnumInfo<TDTDateFormat>() {
    static const TEnumInfo info{"TDTDateFormat", {"dfShort", "dfLong"}};
    return info;
}

namespace {

TDateTime Now() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    double moment = 0;
    SystemTimeToVariantTime(&now, &moment);
    return moment;
}

}  // namespace

const TClassInfo& TDateTimePicker::StaticClass() {
    using C = TDateTimePicker;
    using P = TProps<C>;
    static const TClassInfo info("TDateTimePicker", &TWinControl::StaticClass(), Creator<C>(),
                                 {
                                     P::Float("Date", &C::Date, &C::SetDate),
                                     P::Float("Time", &C::Time, &C::SetTime),
                                     P::Enum("Kind", &C::Kind, &C::SetKind).Default(dtkDate),
                                     P::Enum("DateFormat", &C::DateFormat, &C::SetDateFormat).Default(dfShort),
                                     P::Boolean("Checked", &C::Checked, &C::SetChecked).Default(true),
                                     P::Boolean("ShowCheckbox", &C::ShowCheckbox, &C::SetShowCheckbox).Default(false),
                                     P::Boolean("TabStop", &C::TabStop, &C::SetTabStop).Default(true),
                                     P::Event("OnChange", &C::OnChange),
                                 });
    return info;
}

TDateTimePicker::TDateTimePicker(TComponent* owner) : TWinControl(owner), dateTime_(Now()) {
    SetBounds(0, 0, 186, 21);
    SetTabStop(true);
}

void TDateTimePicker::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SysClassName = DATETIMEPICK_CLASSA;
    if (kind_ == dtkTime) p.Style |= DTS_TIMEFORMAT;
    else p.Style |= dateFormat_ == dfLong ? DTS_LONGDATEFORMAT : DTS_SHORTDATEFORMAT;
    if (showCheckbox_) p.Style |= DTS_SHOWNONE;
}

void TDateTimePicker::CreateHandleExtras() { UpdateWindow(); }

void TDateTimePicker::UpdateWindow() {
    if (!HandleAllocated()) return;
    SYSTEMTIME moment{};
    VariantTimeToSystemTime(dateTime_, &moment);
    updating_ = true;
    SendMessageA(Handle(), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&moment));
    // The window takes "none" only once it holds a moment to show when checked again.
    if (showCheckbox_ && !checked_ && !SendMessageA(Handle(), DTM_SETSYSTEMTIME, GDT_NONE, 0)) {
        // Some platforms refuse "none" from the program: their window's own check box holds it.
        SendMessageA(GetWindow(Handle(), GW_CHILD), BM_SETCHECK, BST_UNCHECKED, 0);
    }
    updating_ = false;
}

void TDateTimePicker::SetDateTime(TDateTime value) {
    dateTime_ = value;
    UpdateWindow();
}

TDateTime TDateTimePicker::Date() const { return std::floor(dateTime_); }
TDateTime TDateTimePicker::Time() const { return dateTime_ - std::floor(dateTime_); }
void TDateTimePicker::SetDate(TDateTime value) { SetDateTime(std::floor(value) + Time()); }
void TDateTimePicker::SetTime(TDateTime value) { SetDateTime(Date() + value - std::floor(value)); }

void TDateTimePicker::SetKind(TDateTimeKind kind) {
    if (ChangeField(kind_, kind)) RecreateWnd();
}

void TDateTimePicker::SetDateFormat(TDTDateFormat format) {
    if (ChangeField(dateFormat_, format)) RecreateWnd();
}

void TDateTimePicker::SetChecked(bool on) {
    if (ChangeField(checked_, on)) UpdateWindow();
}

void TDateTimePicker::SetShowCheckbox(bool on) {
    if (ChangeField(showCheckbox_, on)) RecreateWnd();
}

// The user picked a moment, or unchecked the box: the window tells its parent, which hands
// it back here.
void TDateTimePicker::WndProc(TMessage& m) {
    if (m.Msg == CN_BASE + WM_NOTIFY && reinterpret_cast<NMHDR*>(m.LParam)->code == DTN_DATETIMECHANGE) {
        if (updating_) return;
        const auto* change = reinterpret_cast<NMDATETIMECHANGE*>(m.LParam);
        checked_ = change->dwFlags == GDT_VALID;
        if (checked_) SystemTimeToVariantTime(const_cast<SYSTEMTIME*>(&change->st), &dateTime_);
        OnChange(this);
        return;
    }
    TWinControl::WndProc(m);
}

TOOLKIT_REGISTER(TDateTimePicker);
