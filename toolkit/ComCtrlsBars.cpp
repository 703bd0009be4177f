#include "toolkit/ComCtrls.h"

#include <commctrl.h>

#include <algorithm>

template <>
const TEnumInfo& EnumInfo<TProgressBarOrientation>() {
    static const TEnumInfo info{"TProgressBarOrientation", {"pbHorizontal", "pbVertical"}};
    return info;
}
template <>
const TEnumInfo& EnumInfo<TTrackBarOrientation>() {
    static const TEnumInfo info{"TTrackBarOrientation", {"trHorizontal", "trVertical"}};
    return info;
}
template <>
const TEnumInfo& EnumInfo<TTickMark>() {
    static const TEnumInfo info{"TTickMark", {"tmBottomRight", "tmTopLeft", "tmBoth"}};
    return info;
}
template <>
const TEnumInfo& EnumInfo<TTickStyle>() {
    static const TEnumInfo info{"TTickStyle", {"tsNone", "tsAuto", "tsManual"}};
    return info;
}

int PositionInRange(const TComponent& control, int value, int min, int max) {
    if (control.ComponentState().Contains(csLoading)) return value;
    return std::clamp(value, std::min(min, max), std::max(min, max));
}

// ---------------------------------------------------------------------------------------
// TProgressBar

const TClassInfo& TProgressBar::StaticClass() {
    using C = TProgressBar;
    using P = TProps<C>;
    static const TClassInfo info("TProgressBar", &TWinControl::StaticClass(), Creator<C>(),
                                 {
                                     P::Integer("Min", &C::Min, &C::SetMin).Default(0),
                                     P::Integer("Max", &C::Max, &C::SetMax).Default(100),
                                     P::Integer("Position", &C::Position, &C::SetPosition).Default(0),
                                     P::Integer("Step", &C::Step, &C::SetStep).Default(10),
                                     P::Enum("Orientation", &C::Orientation, &C::SetOrientation).Default(pbHorizontal),
                                     P::Boolean("Smooth", &C::Smooth, &C::SetSmooth).Default(false),
                                 });
    return info;
}

TProgressBar::TProgressBar(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 150, 16); }

void TProgressBar::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SysClassName = PROGRESS_CLASSA;
    if (orientation_ == pbVertical) p.Style |= PBS_VERTICAL;
    if (smooth_) p.Style |= PBS_SMOOTH;
}

void TProgressBar::CreateHandleExtras() { UpdateWindow(); }

void TProgressBar::UpdateWindow() {
    if (!HandleAllocated()) return;
    SendMessageA(Handle(), PBM_SETRANGE32, static_cast<WPARAM>(min_), static_cast<LPARAM>(max_));
    SendMessageA(Handle(), PBM_SETPOS, static_cast<WPARAM>(position_), 0);
}

void TProgressBar::SetMin(int value) {
    min_ = value;
    SetPosition(position_);
}

void TProgressBar::SetMax(int value) {
    max_ = value;
    SetPosition(position_);
}

void TProgressBar::SetPosition(int value) {
    position_ = PositionInRange(*this, value, min_, max_);
    UpdateWindow();
}

void TProgressBar::SetOrientation(TProgressBarOrientation orientation) {
    if (!ChangeField(orientation_, orientation)) return;
    // A bar keeps its shape on its side: width and height change places.
    if (!ComponentState().Contains(csLoading)) SetBounds(Left(), Top(), Height(), Width());
    RecreateWnd();
}

void TProgressBar::SetSmooth(bool on) {
    if (ChangeField(smooth_, on)) RecreateWnd();
}

void TProgressBar::Loaded() {
    TWinControl::Loaded();
    SetPosition(position_);
}

// ---------------------------------------------------------------------------------------
// TTrackBar

const TClassInfo& TTrackBar::StaticClass() {
    using C = TTrackBar;
    using P = TProps<C>;
    static const TClassInfo info("TTrackBar", &TWinControl::StaticClass(), Creator<C>(),
                                 {
                                     P::Integer("Min", &C::Min, &C::SetMin).Default(0),
                                     P::Integer("Max", &C::Max, &C::SetMax).Default(10),
                                     P::Integer("Position", &C::Position, &C::SetPosition).Default(0),
                                     P::Integer("Frequency", &C::Frequency, &C::SetFrequency).Default(1),
                                     P::Integer("LineSize", &C::LineSize, &C::SetLineSize).Default(1),
                                     P::Integer("PageSize", &C::PageSize, &C::SetPageSize).Default(2),
                                     P::Integer("SelStart", &C::SelStart, &C::SetSelStart).Default(0),
                                     P::Integer("SelEnd", &C::SelEnd, &C::SetSelEnd).Default(0),
                                     P::Enum("Orientation", &C::Orientation, &C::SetOrientation).Default(trHorizontal),
                                     P::Enum("TickMarks", &C::TickMarks, &C::SetTickMarks).Default(tmBottomRight),
                                     P::Enum("TickStyle", &C::TickStyle, &C::SetTickStyle).Default(tsAuto),
                                     P::Boolean("SliderVisible", &C::SliderVisible, &C::SetSliderVisible).Default(true),
                                     P::Boolean("TabStop", &C::TabStop, &C::SetTabStop).Default(true),
                                     P::Event("OnChange", &C::OnChange),
                                 });
    return info;
}

TTrackBar::TTrackBar(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 150, 45);
    SetTabStop(true);
}

void TTrackBar::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SysClassName = TRACKBAR_CLASSA;
    p.Style |= TBS_ENABLESELRANGE | (orientation_ == trVertical ? TBS_VERT : TBS_HORZ);
    if (tickStyle_ == tsNone) p.Style |= TBS_NOTICKS;
    if (tickStyle_ == tsAuto) p.Style |= TBS_AUTOTICKS;
    if (tickMarks_ == tmBoth) p.Style |= TBS_BOTH;
    if (tickMarks_ == tmTopLeft) p.Style |= TBS_TOP;  // the same bit as TBS_LEFT
    if (!sliderVisible_) p.Style |= TBS_NOTHUMB;
}

void TTrackBar::CreateHandleExtras() { UpdateWindow(); }

void TTrackBar::UpdateWindow() {
    if (!HandleAllocated()) return;
    HWND h = Handle();
    SendMessageA(h, TBM_SETRANGEMIN, FALSE, min_);
    SendMessageA(h, TBM_SETRANGEMAX, FALSE, max_);
    SendMessageA(h, TBM_SETLINESIZE, 0, lineSize_);
    SendMessageA(h, TBM_SETPAGESIZE, 0, pageSize_);
    if (tickStyle_ == tsAuto) SendMessageA(h, TBM_SETTICFREQ, static_cast<WPARAM>(frequency_), 0);
    SendMessageA(h, TBM_SETSEL, FALSE, MAKELPARAM(selStart_, selEnd_));
    SendMessageA(h, TBM_SETPOS, TRUE, position_);
}

void TTrackBar::SetMin(int value) {
    min_ = value;
    SetPosition(position_);
}

void TTrackBar::SetMax(int value) {
    max_ = value;
    SetPosition(position_);
}

void TTrackBar::SetPosition(int value) {
    value = PositionInRange(*this, value, min_, max_);
    const bool changed = ChangeField(position_, value);
    UpdateWindow();
    if (changed && !ComponentState().Contains(csLoading)) OnChange(this);
}

void TTrackBar::SetFrequency(int value) {
    frequency_ = std::max(1, value);
    UpdateWindow();
}

void TTrackBar::SetLineSize(int value) {
    lineSize_ = std::max(1, value);
    UpdateWindow();
}

void TTrackBar::SetPageSize(int value) {
    pageSize_ = std::max(1, value);
    UpdateWindow();
}

void TTrackBar::SetSelStart(int value) {
    selStart_ = value;
    UpdateWindow();
}

void TTrackBar::SetSelEnd(int value) {
    selEnd_ = value;
    UpdateWindow();
}

void TTrackBar::Restyle(bool changed) {
    if (changed) RecreateWnd();
}

void TTrackBar::SetOrientation(TTrackBarOrientation orientation) {
    const bool changed = ChangeField(orientation_, orientation);
    if (changed && !ComponentState().Contains(csLoading)) SetBounds(Left(), Top(), Height(), Width());
    Restyle(changed);
}

void TTrackBar::SetTickMarks(TTickMark marks) { Restyle(ChangeField(tickMarks_, marks)); }
void TTrackBar::SetTickStyle(TTickStyle style) { Restyle(ChangeField(tickStyle_, style)); }
void TTrackBar::SetSliderVisible(bool on) { Restyle(ChangeField(sliderVisible_, on)); }

void TTrackBar::Loaded() {
    TWinControl::Loaded();
    position_ = PositionInRange(*this, position_, min_, max_);
    UpdateWindow();
}

// The user moved the thumb: the window tells its parent, which hands it back here.
void TTrackBar::WndProc(TMessage& m) {
    if (m.Msg == CN_BASE + WM_HSCROLL || m.Msg == CN_BASE + WM_VSCROLL) {
        const int position = static_cast<int>(SendMessageA(Handle(), TBM_GETPOS, 0, 0));
        if (ChangeField(position_, position)) OnChange(this);
        return;
    }
    TWinControl::WndProc(m);
}

TOOLKIT_REGISTER(TProgressBar);
TOOLKIT_REGISTER(TTrackBar);
