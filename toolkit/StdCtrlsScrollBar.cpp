// The scroll bar control (declared in StdCtrls.h).
#include <algorithm>

#include "toolkit/StdCtrls.h"

template <>
const TEnumInfo& EnumInfo<TScrollBarKind>() {
    static const TEnumInfo info{"TScrollBarKind", {"sbHorizontal", "sbVertical"}};
    return info;
}

const TClassInfo& TScrollBar::StaticClass() {
    using C = TScrollBar;
    using P = TProps<C>;
    static const TClassInfo info("TScrollBar", &TWinControl::StaticClass(), Creator<C>(),
                                 {
                                     P::Enum("Kind", &C::Kind, &C::SetKind).Default(sbHorizontal),
                                     P::Integer("Max", &C::Max, &C::SetMax).Default(100),
                                     P::Integer("Min", &C::Min, &C::SetMin).Default(0),
                                     P::Integer("PageSize", &C::PageSize, &C::SetPageSize).Default(0),
                                     P::Integer("Position", &C::Position, &C::SetPosition).Default(0),
                                     P::Integer("SmallChange", &C::SmallChange, &C::SetSmallChange).Default(1),
                                     P::Integer("LargeChange", &C::LargeChange, &C::SetLargeChange).Default(1),
                                     P::Boolean("TabStop", &C::TabStop, &C::SetTabStop).Default(true),
                                     P::Event("OnChange", &C::OnChange),
                                     P::Event("OnScroll", &C::OnScroll),
                                 });
    return info;
}
TOOLKIT_REGISTER(TScrollBar);

TScrollBar::TScrollBar(TComponent* owner) : TWinControl(owner) {
    SetTabStop(true);
    SetBounds(0, 0, 121, GetSystemMetrics(SM_CYHSCROLL));
}

void TScrollBar::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SysClassName = "SCROLLBAR";
    p.Style |= kind_ == sbVertical ? SBS_VERT : SBS_HORZ;
}

void TScrollBar::CreateHandleExtras() {
    TWinControl::CreateHandleExtras();
    ApplyScrollInfo();
}

// A form file may give the range's ends in any order: they are checked once all are read.
void TScrollBar::Loaded() {
    TWinControl::Loaded();
    SetParams(position_, min_, max_);
    SetPageSize(pageSize_);
}

void TScrollBar::SetKind(TScrollBarKind kind) {
    if (!ChangeField(kind_, kind)) return;
    if (!ComponentState().Contains(csLoading)) SetBounds(Left(), Top(), Height(), Width());
    RecreateWnd();
}

void TScrollBar::SetParams(int position, int min, int max) {
    const bool loading = ComponentState().Contains(csLoading);
    if (max < min && !loading) throw EInvalidOperation("Scrollbar property out of range");
    if (!loading) position = std::clamp(position, min, max);
    const bool moved = position != position_;
    position_ = position;
    min_ = min;
    max_ = max;
    ApplyScrollInfo();
    if (moved && !loading) Change();
}

void TScrollBar::SetPageSize(int size) {
    if (!ComponentState().Contains(csLoading) && (size < 0 || size > max_ - min_ + 1))
        throw EInvalidOperation("Scrollbar property out of range");
    pageSize_ = size;
    ApplyScrollInfo();
}

int TScrollBar::LastPosition() const { return std::max(min_, max_ - std::max(pageSize_ - 1, 0)); }

void TScrollBar::ApplyScrollInfo() {
    if (!HandleAllocated()) return;
    SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, min_, max_, static_cast<UINT>(pageSize_), position_, 0};
    SetScrollInfo(Handle(), SB_CTL, &info, TRUE);
}

void TScrollBar::WndProc(TMessage& m) {
    if (m.Msg == CN_BASE + WM_HSCROLL || m.Msg == CN_BASE + WM_VSCROLL) {
        DoScroll(LOWORD(m.WParam));
        return;
    }
    TWinControl::WndProc(m);
}

void TScrollBar::DoScroll(WORD code) {
    int position = position_;
    TScrollCode step = scEndScroll;
    switch (code) {
        case SB_LINEUP: step = scLineUp, position -= smallChange_; break;
        case SB_LINEDOWN: step = scLineDown, position += smallChange_; break;
        case SB_PAGEUP: step = scPageUp, position -= largeChange_; break;
        case SB_PAGEDOWN: step = scPageDown, position += largeChange_; break;
        case SB_TOP: step = scTop, position = min_; break;
        case SB_BOTTOM: step = scBottom, position = max_; break;
        case SB_THUMBPOSITION:
        case SB_THUMBTRACK: {
            // The message carries 16 bits of the position; the window knows all 32.
            SCROLLINFO info{sizeof info, SIF_TRACKPOS, 0, 0, 0, 0, 0};
            GetScrollInfo(Handle(), SB_CTL, &info);
            step = code == SB_THUMBPOSITION ? scPosition : scTrack;
            position = info.nTrackPos;
            break;
        }
        default: break;
    }
    position = std::clamp(position, min_, LastPosition());
    Scroll(step, position);
    SetPosition(position);
}
