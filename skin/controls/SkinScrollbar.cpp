#include "skin/controls/SkinScrollbar.h"

#include "skin/controls/WScrollbar.h"
#include "skin/engine/SkinMessages.h"
#include "skin/engine/WinSkinForm.h"

TSkinScrollbar::TSkinScrollbar() = default;
TSkinScrollbar::~TSkinScrollbar() = default;

void TSkinScrollbar::Attached() {
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
    TSkinControl::Detach();
}

bool TSkinScrollbar::BeforeMessage(TMessage& m) {
    if (m.Msg == WM_NCDESTROY) AskForRenewal();
    return TSkinControl::BeforeMessage(m);
}

// The window goes either with its control, which the frame skinner then finds gone, or
// before a new one of the same control, which the frame skinner then skins afresh.
void TSkinScrollbar::AskForRenewal() const {
    if (!Control() || !FrameSkinner()) return;
    PostMessageA(FrameSkinner()->Handle(), SKM_RESKINCHILD, reinterpret_cast<WPARAM>(Window()), 0);
}

void TSkinScrollbar::SkinSwitched() { Follow(); }

// The control paints itself; its bars are the painted windows' business.
void TSkinScrollbar::AfterMessage(TMessage& m) {
    if (MayChangeBars(m)) Follow();
}

// Moving a painted bar can send the control messages of its own; those need no second pass.
void TSkinScrollbar::Follow() {
    if (following_ || !vertical_) return;
    following_ = true;
    vertical_->Follow(SkinEnabled());
    horizontal_->Follow(SkinEnabled());
    following_ = false;
}
