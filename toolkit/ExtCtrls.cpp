#include "toolkit/ExtCtrls.h"

#include <algorithm>
#include <map>

template <>
const TEnumInfo& EnumInfo<TResizeStyle>() {
    static const TEnumInfo info{"TResizeStyle", {"rsNone", "rsLine", "rsUpdate", "rsPattern"}};
    return info;
}

// ---------------------------------------------------------------------------------------
// TCustomPanel

const TClassInfo& TCustomPanel::StaticClass() {
    using C = TCustomPanel;
    using P = TProps<C>;
    static const TClassInfo info("TCustomPanel", &TCustomControl::StaticClass(), nullptr,
                                 {
                                     P::String("Caption", &C::Caption, &C::SetCaption),
                                     P::Enum("Alignment", &C::Alignment, &C::SetAlignment).Default(taCenter),
                                     P::Enum("BevelInner", &C::BevelInner, &C::SetBevelInner).Default(bvNone),
                                     P::Enum("BevelOuter", &C::BevelOuter, &C::SetBevelOuter).Default(bvRaised),
                                     P::Integer("BevelWidth", &C::BevelWidth, &C::SetBevelWidth).Default(1),
                                     P::Integer("BorderWidth", &C::BorderWidth, &C::SetBorderWidth).Default(0),
                                     P::Enum("BorderStyle", &C::BorderStyle, &C::SetBorderStyle).Default(bsNone),
                                     P::Color("Color", &C::Color, &C::SetColor).Default(clBtnFace),
                                 });
    return info;
}

const TClassInfo& TPanel::StaticClass() {
    static const TClassInfo info("TPanel", &TCustomPanel::StaticClass(), Creator<TPanel>());
    return info;
}

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner), TBevels(bvNone, bvRaised) {
    SetBounds(0, 0, 185, 41);
    SetColor(clBtnFace);
}

void TCustomPanel::CreateParams(TCreateParams& p) {
    TCustomControl::CreateParams(p);
    p.Style |= WS_CLIPCHILDREN;
    if (borderStyle_ == bsSingle) p.ExStyle |= WS_EX_CLIENTEDGE;
}

// The bevels change where aligned children go and what is painted.
void TCustomPanel::FrameChanged() {
    Realign();
    Invalidate();
}

void TCustomPanel::SetAlignment(TAlignment alignment) {
    alignment_ = alignment;
    Invalidate();
}

void TCustomPanel::SetBorderWidth(int width) {
    if (width < 0) throw EPropertyError("BorderWidth cannot be negative");
    borderWidth_ = width;
    FrameChanged();
}

void TCustomPanel::SetBorderStyle(TBorderStyle style) {
    CheckControlBorder(style);
    if (style == borderStyle_) return;
    borderStyle_ = style;
    RecreateWnd();
}

void TCustomPanel::AdjustClientRect(RECT& rect) const {
    const int inset = BevelReach() + borderWidth_;
    InflateRect(&rect, -inset, -inset);
}

void TCustomPanel::Paint() {
    TCanvas& canvas = *Canvas();
    TRect r = ClientRect();
    DrawBevelEdges(canvas.Handle(), r, BevelOuter(), bvNone, BevelWidth());
    InflateRect(&r, -borderWidth_, -borderWidth_);
    DrawBevelEdges(canvas.Handle(), r, bvNone, BevelInner(), BevelWidth());
    if (Caption().empty()) return;
    canvas.Brush()->SetStyle(bsClear);
    UINT flags = DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS;
    flags |= alignment_ == taCenter ? DT_CENTER : alignment_ == taRightJustify ? DT_RIGHT : DT_LEFT;
    if (UseRightToLeftReading()) flags |= DT_RTLREADING;
    if (!Enabled()) canvas.Font()->SetColor(clGrayText);
    canvas.DrawText(Caption(), r, flags);
}

// ---------------------------------------------------------------------------------------
// TSplitter

const TClassInfo& TSplitter::StaticClass() {
    using C = TSplitter;
    using P = TProps<C>;
    static const TClassInfo info("TSplitter", &TGraphicControl::StaticClass(), Creator<C>(),
                                 {
                                     P::Enum("Align", &C::Align, &C::SetAlign).Default(alLeft),
                                     P::Integer("Cursor", &C::Cursor, &C::SetCursor).Default(crHSplit),
                                     P::Boolean("Beveled", &C::Beveled, &C::SetBeveled).Default(false),
                                     P::Integer("MinSize", &C::MinSize, &C::SetMinSize).Default(30),
                                     P::Enum("ResizeStyle", &C::ResizeStyle, &C::SetResizeStyle).Default(rsPattern),
                                     P::Boolean("ParentColor", &C::ParentColor, &C::SetParentColor).Default(true),
                                     P::Event("OnMoved", &C::OnMoved),
                                 });
    return info;
}

TSplitter::TSplitter(TComponent* owner) : TGraphicControl(owner) {
    SetBounds(0, 0, 3, 100);
    SetAlign(alLeft);
    SetCursor(crHSplit);
    SetParentColor(true);
}

void TSplitter::SetBeveled(bool on) {
    beveled_ = on;
    Invalidate();
}

void TSplitter::SetMinSize(int size) {
    if (size < 1) throw EPropertyError("MinSize must be at least 1");
    minSize_ = size;
}

void TSplitter::Loaded() {
    TGraphicControl::Loaded();
    FollowAlignWithCursor();
}

// The pointer's shape shows the direction the splitter moves in.
void TSplitter::FollowAlignWithCursor() {
    if (Cursor() == crHSplit || Cursor() == crVSplit) SetCursor(Vertical() ? crHSplit : crVSplit);
}

void TSplitter::Paint() {
    TCanvas& canvas = *Canvas();
    TRect r = ClientRect();
    canvas.Brush()->SetColor(Color());
    canvas.Brush()->SetStyle(bsSolid);
    canvas.FillRect(r);
    if (beveled_) DrawEdge(canvas.Handle(), &r, BDR_RAISEDINNER, Vertical() ? (BF_LEFT | BF_RIGHT) : (BF_TOP | BF_BOTTOM));
}

int TSplitter::SizeOf(const TControl* control) const { return Vertical() ? control->Width() : control->Height(); }

TControl* TSplitter::Neighbour() const {
    if (!Parent()) return nullptr;
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
        TControl* c = Parent()->Controls(i);
        if (c == this || !c->Visible() || c->Align() != Align()) continue;
        const bool touches = Align() == alLeft     ? c->Left() + c->Width() == Left()
                             : Align() == alRight  ? c->Left() == Left() + Width()
                             : Align() == alTop    ? c->Top() + c->Height() == Top()
                             : Align() == alBottom ? c->Top() == Top() + Height()
                                                   : false;
        if (touches) return c;
    }
    return nullptr;
}

int TSplitter::RoomBeyond() const {
    const RECT client = Parent()->ClientRect();
    int room = 0;
    TAlign opposite = alNone;
    switch (Align()) {
        case alLeft: room = client.right - (Left() + Width()), opposite = alRight; break;
        case alRight: room = Left() - client.left, opposite = alLeft; break;
        case alTop: room = client.bottom - (Top() + Height()), opposite = alBottom; break;
        default: room = Top() - client.top, opposite = alTop; break;
    }
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
        const TControl* c = Parent()->Controls(i);
        if (c != this && c->Visible() && c->Align() == opposite) room -= SizeOf(c);
    }
    return room;
}

int TSplitter::PointerPos() const {
    POINT p;
    GetCursorPos(&p);
    return Vertical() ? p.x : p.y;
}

void TSplitter::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TGraphicControl::MouseDown(button, shift, x, y);
    if (button != mbLeft || resizeStyle_ == rsNone) return;
    dragged_ = Neighbour();
    if (!dragged_) return;
    startPos_ = PointerPos();
    startSize_ = SizeOf(dragged_);
    maxSize_ = std::max(startSize_, startSize_ + RoomBeyond() - minSize_);
    pendingSize_ = -1;
}

void TSplitter::MouseMove(TShiftState shift, int x, int y) {
    TGraphicControl::MouseMove(shift, x, y);
    FollowAlignWithCursor();
    if (!dragged_) return;
    const int delta = PointerPos() - startPos_;
    const int grown = Align() == alLeft || Align() == alTop ? startSize_ + delta : startSize_ - delta;
    pendingSize_ = std::clamp(grown, std::min(minSize_, startSize_), maxSize_);
    if (resizeStyle_ == rsUpdate) ResizeTo(pendingSize_);
}

void TSplitter::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (dragged_ && pendingSize_ >= 0) {
        ResizeTo(pendingSize_);
        OnMoved(this);
    }
    dragged_ = nullptr;
    TGraphicControl::MouseUp(button, shift, x, y);
}

void TSplitter::ResizeTo(int size) {
    if (SizeOf(dragged_) == size) return;
    if (Vertical())
        dragged_->SetWidth(size);
    else
        dragged_->SetHeight(size);
    if (Parent()) Parent()->Update();
}

// ---------------------------------------------------------------------------------------
// TTimer

namespace {

std::map<UINT_PTR, TTimer*>& Timers() {
    static std::map<UINT_PTR, TTimer*> timers;
    return timers;
}

}  // namespace

const TClassInfo& TTimer::StaticClass() {
    using C = TTimer;
    using P = TProps<C>;
    static const TClassInfo info("TTimer", &TComponent::StaticClass(), Creator<C>(),
                                 {
                                     P::Boolean("Enabled", &C::Enabled, &C::SetEnabled).Default(true),
                                     P::Integer("Interval", &C::Interval, &C::SetInterval).Default(1000),
                                     P::Event("OnTimer", &C::OnTimer),
                                 });
    return info;
}

TTimer::TTimer(TComponent* owner) : TComponent(owner) { UpdateTimer(); }

TTimer::~TTimer() {
    enabled_ = false;
    UpdateTimer();
}

void TTimer::SetEnabled(bool on) {
    enabled_ = on;
    UpdateTimer();
}

void TTimer::SetInterval(int ms) {
    if (ms < 0) throw EPropertyError("Interval cannot be negative");
    interval_ = ms;
    UpdateTimer();
}

void TTimer::Loaded() {
    TComponent::Loaded();
    UpdateTimer();
}

// A new interval starts counting afresh.
void TTimer::UpdateTimer() {
    if (id_) {
        KillTimer(nullptr, id_);
        Timers().erase(id_);
        id_ = 0;
    }
    if (!enabled_ || interval_ == 0 || ComponentState().Contains(csLoading)) return;
    id_ = SetTimer(nullptr, 0, static_cast<UINT>(interval_), TimerProc);
    if (!id_) throw EOutOfResources("Not enough timers available");
    Timers()[id_] = this;
}

void CALLBACK TTimer::TimerProc(HWND, UINT, UINT_PTR id, DWORD) {
    auto it = Timers().find(id);
    if (it == Timers().end()) return;
    try {
        it->second->OnTimer(it->second);
    } catch (const std::exception& e) {
        ApplicationHandleException()(e);
    }
}

TOOLKIT_REGISTER(TPanel);
TOOLKIT_REGISTER(TSplitter);
TOOLKIT_REGISTER(TTimer);
