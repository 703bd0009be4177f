#include "skin/controls/SkinScrollbar.h"

#include "skin/WinSkinData.h"
#include "skin/controls/WScrollbar.h"
#include "skin/engine/SkinMessages.h"
#include "skin/engine/WinSkinForm.h"

namespace {

// How wide the window's border is, its scroll bars left out.
int BorderWidth(HWND window) {
    const auto style = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)) & ~(WS_VSCROLL | WS_HSCROLL);
    const auto exStyle = static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE));
    RECT r{0, 0, 0, 0};
    AdjustWindowRectEx(&r, style, FALSE, exStyle);
    return -r.left;
}

}  // namespace

TSkinScrollbar::TSkinScrollbar() = default;
TSkinScrollbar::~TSkinScrollbar() = default;

void TSkinScrollbar::Attached() {
    if (Control()) {
        savedFixedColour_ = GetOrdProp(*Control(), "FixedColor");
        if (savedFixedColour_) SetOrdProp(*Control(), "FixedColor", Skin().Colours().ButtonFace);
    }
    if (!GetParent(Window())) return;
    vertical_ = std::make_unique<TWScrollbar>(Window(), OBJID_VSCROLL, Skin());
    horizontal_ = std::make_unique<TWScrollbar>(Window(), OBJID_HSCROLL, Skin());
    Follow();
}

void TSkinScrollbar::AttachScrolling(TWinControl& control, TSkinData& skin, TWinSkinForm* frame) {
    AttachControl(frame, skin, control, false);
}

void TSkinScrollbar::Detach() {
    vertical_.reset();
    horizontal_.reset();
    if (savedFixedColour_ && Control()) SetOrdProp(*Control(), "FixedColor", *savedFixedColour_);
    savedFixedColour_.reset();
    TSkinControl::Detach();
}

bool TSkinScrollbar::BeforeMessage(TMessage& m) {
    if (m.Msg == WM_NCDESTROY) AskForRenewal();
    if (m.Msg == SKM_PAINTFRAMETO && m.LParam == kSkinSignature) {
        if (m.WParam) PaintFrameTo(reinterpret_cast<HDC>(m.WParam));
        m.Result = kSkinSignature;
        return false;
    }
    return TSkinControl::BeforeMessage(m);
}

// The window goes either with its control, which the frame skinner then finds gone, or
// before a new one of the same control, which the frame skinner then skins afresh.
void TSkinScrollbar::AskForRenewal() const {
    if (!Control() || !FrameSkinner()) return;
    PostMessageA(FrameSkinner()->Handle(), SKM_RESKINCHILD, reinterpret_cast<WPARAM>(Window()), 0);
}

void TSkinScrollbar::SkinSwitched() { Follow(); }

// The control paints itself, its border first; its bars are the painted windows' business.
void TSkinScrollbar::AfterMessage(TMessage& m) {
    if (m.Msg == WM_NCPAINT) PaintControl(nullptr);
    if (MayChangeBars(m)) Follow();
}

bool TSkinScrollbar::DrawsBorder() const {
    if (Mode() == 1 || (Control() && SameText(Control()->ClassName(), "TImageScrollBox"))) return false;
    const std::optional<std::string> style = Prop("BorderStyle");
    return !style || !SameText(*style, "bsNone");
}

void TSkinScrollbar::DrawControl(HDC dc, const RECT& rect) {
    if (!DrawsBorder()) return;
    const int width = BorderWidth(Window());
    if (width <= 0) return;
    const TColor inside = Control() ? Control()->Color() : Skin().Colours().ButtonFace;
    DrawFlatBorder(dc, rect, width - 1, inside);
}

void TSkinScrollbar::PaintFrameTo(HDC dc) {
    RECT r{};
    if (!GetWindowRect(Window(), &r)) return;
    OffsetRect(&r, -r.left, -r.top);
    DrawControl(dc, r);
    if (vertical_) vertical_->PaintOverControl(dc);
    if (horizontal_) horizontal_->PaintOverControl(dc);
}

// Moving a painted bar can send the control messages of its own; those need no second pass.
void TSkinScrollbar::Follow() {
    if (following_ || !vertical_) return;
    following_ = true;
    vertical_->Follow(SkinEnabled());
    horizontal_->Follow(SkinEnabled());
    following_ = false;
}
