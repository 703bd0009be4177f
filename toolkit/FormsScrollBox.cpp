#include <algorithm>

#include "toolkit/Forms.h"
#include "toolkit/StdCtrls.h"

const TClassInfo& TControlScrollBar::StaticClass() {
    using C = TControlScrollBar;
    using P = TProps<C>;
    static const TClassInfo info("TControlScrollBar", &TPersistent::StaticClass(), nullptr,
                                 {
                                     P::Integer("Increment", &C::Increment, &C::SetIncrement).Default(8),
                                     P::Integer("Position", &C::Position, &C::SetPosition).Default(0),
                                     P::Integer("Range", &C::Range, &C::SetRange).Default(0),
                                 });
    return info;
}

void TControlScrollBar::SetPosition(int position) {
    position_ = std::max(0, position);
    changed_();
}

void TControlScrollBar::SetRange(int range) {
    range_ = std::max(0, range);
    changed_();
}

void TControlScrollBar::SetIncrement(int increment) {
    if (increment < 1) throw EPropertyError("Increment must be at least 1");
    increment_ = increment;
}

// ---------------------------------------------------------------------------------------

const TClassInfo& TScrollBox::StaticClass() {
    using C = TScrollBox;
    using P = TProps<C>;
    static const TClassInfo info("TScrollBox", &TWinControl::StaticClass(), Creator<C>(),
                                 {
                                     P::Object("HorzScrollBar", &C::HorzScrollBar),
                                     P::Object("VertScrollBar", &C::VertScrollBar),
                                     P::Enum("BorderStyle", &C::BorderStyle, &C::SetBorderStyle).Default(bsSingle),
                                     P::Boolean("TabStop", &C::TabStop, &C::SetTabStop).Default(false),
                                 });
    return info;
}

TScrollBox::TScrollBox(TComponent* owner)
    : TWinControl(owner),
      horz_(std::make_unique<TControlScrollBar>([this] { UpdateScrollBars(); })),
      vert_(std::make_unique<TControlScrollBar>([this] { UpdateScrollBars(); })) {
    SetBounds(0, 0, 185, 41);
}

TScrollBox::~TScrollBox() = default;

void TScrollBox::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.Style |= WS_CLIPCHILDREN | WS_HSCROLL | WS_VSCROLL;
    if (borderStyle_ == bsSingle) p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TScrollBox::SetBorderStyle(TFormBorderStyle style) {
    CheckControlBorder(style);
    if (ChangeField(borderStyle_, style)) RecreateWnd();
}

void TScrollBox::CreateHandleExtras() { UpdateScrollBars(); }
void TScrollBox::Resize() {
    TWinControl::Resize();
    UpdateScrollBars();
}
void TScrollBox::Loaded() {
    TWinControl::Loaded();
    UpdateScrollBars();
}

int TScrollBox::ContentExtent(bool vertical) const {
    const TControlScrollBar& bar = vertical ? *vert_ : *horz_;
    if (bar.range_ > 0) return bar.range_;
    const int shown = vertical ? shownY_ : shownX_;
    int extent = 0;
    for (int i = 0; i < ControlCount(); ++i) {
        const TControl* c = Controls(i);
        if (c->Visible()) extent = std::max(extent, shown + (vertical ? c->Top() + c->Height() : c->Left() + c->Width()));
    }
    return extent;
}

void TScrollBox::UpdateScrollBars() {
    if (ComponentState().Contains(csLoading) || !HandleAllocated()) return;
    // A bar that shows takes room from the other axis: settle both twice.
    for (int pass = 0; pass < 2; ++pass) {
        UpdateBar(false);
        UpdateBar(true);
    }
}

void TScrollBox::UpdateBar(bool vertical) {
    TControlScrollBar& bar = vertical ? *vert_ : *horz_;
    RECT client;
    GetClientRect(Handle(), &client);
    const int page = vertical ? client.bottom : client.right;
    const int extent = ContentExtent(vertical);
    bar.position_ = std::clamp(bar.position_, 0, std::max(0, extent - page));
    int& shown = vertical ? shownY_ : shownX_;
    const int delta = shown - bar.position_;
    if (delta != 0) {
        for (int i = 0; i < ControlCount(); ++i) {
            TControl* c = Controls(i);
            if (vertical)
                c->SetTop(c->Top() + delta);
            else
                c->SetLeft(c->Left() + delta);
        }
        shown = bar.position_;
    }
    SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, 0, extent > page ? extent - 1 : 0,
                    static_cast<UINT>(extent > page ? page : 0), bar.position_, 0};
    // Through the message hook, so that whoever paints the box's bars hears of every change.
    Perform(SBM_SETSCROLLINFO, vertical ? SB_VERT : SB_HORZ, reinterpret_cast<LPARAM>(&info));
}

void TScrollBox::Scroll(bool vertical, WORD request) {
    TControlScrollBar& bar = vertical ? *vert_ : *horz_;
    SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(Handle(), vertical ? SB_VERT : SB_HORZ, &info);
    const int page = static_cast<int>(info.nPage);
    switch (request) {
        case SB_LINEUP: bar.position_ -= bar.increment_; break;
        case SB_LINEDOWN: bar.position_ += bar.increment_; break;
        case SB_PAGEUP: bar.position_ -= page; break;
        case SB_PAGEDOWN: bar.position_ += page; break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: bar.position_ = info.nTrackPos; break;
        case SB_TOP: bar.position_ = 0; break;
        case SB_BOTTOM: bar.position_ = info.nMax; break;
        default: return;
    }
    UpdateScrollBars();
}

void TScrollBox::WndProc(TMessage& m) {
    // The box's own bars (wParam SB_HORZ or SB_VERT), as UpdateBar sets them.
    if (m.Msg == SBM_SETSCROLLINFO) {
        m.Result = SetScrollInfo(Handle(), static_cast<int>(m.WParam), reinterpret_cast<SCROLLINFO*>(m.LParam), TRUE);
        return;
    }
    if (m.Msg == WM_VSCROLL || m.Msg == WM_HSCROLL) {
        if (m.LParam == 0) {  // from the box's own bars, not a scrolling child's
            Scroll(m.Msg == WM_VSCROLL, LOWORD(m.WParam));
            m.Result = 0;
            return;
        }
    }
    TWinControl::WndProc(m);
}

TOOLKIT_REGISTER(TScrollBox);
