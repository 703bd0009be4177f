#include "skin/controls/SkinScrollbar.h"

#include "skin/controls/WScrollbar.h"

TSkinScrollbar::TSkinScrollbar() = default;
TSkinScrollbar::~TSkinScrollbar() = default;

void TSkinScrollbar::Attached() {
    if (!GetParent(Window())) return;
    vertical_ = std::make_unique<TWScrollbar>(Window(), OBJID_VSCROLL, Skin());
    horizontal_ = std::make_unique<TWScrollbar>(Window(), OBJID_HSCROLL, Skin());
    Follow();
}

void TSkinScrollbar::Detach() {
    vertical_.reset();
    horizontal_.reset();
    TSkinControl::Detach();
}

void TSkinScrollbar::SkinSwitched() { Follow(); }

// The control paints itself; its bars are the painted windows' business.
void TSkinScrollbar::AfterMessage(TMessage&) { Follow(); }

// Moving a painted bar can send the control messages of its own; those need no second pass.
void TSkinScrollbar::Follow() {
    if (following_ || !vertical_) return;
    following_ = true;
    vertical_->Follow(SkinEnabled());
    horizontal_->Follow(SkinEnabled());
    following_ = false;
}
