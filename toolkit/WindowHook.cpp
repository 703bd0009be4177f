#include "toolkit/WindowHook.h"

struct TWindowHook::Link {
    TWndMethod next;
    TWndHookProc handler;
    bool removed = false;
};

namespace {

// What a hook puts into WindowProc: recognisable, so that removal can tell whether a hook is
// on top and unwind links that were removed further down.
struct HookCall {
    std::shared_ptr<TWindowHook::Link> link;
    void operator()(TMessage& m) const {
        // The closure may be replaced (and freed) by the handler itself: run from a copy.
        const std::shared_ptr<TWindowHook::Link> keep = link;
        if (keep->removed)
            keep->next(m);
        else
            keep->handler(m, keep->next);
    }
};

}  // namespace

TWindowHook::TWindowHook(TControl& control, TWndHookProc handler)
    : control_(&control), link_(std::make_shared<Link>()) {
    link_->next = control.WindowProc;
    link_->handler = std::move(handler);
    control.WindowProc = HookCall{link_};
}

TWindowHook::~TWindowHook() { Remove(); }

bool TWindowHook::Installed() const { return control_ && link_ && !link_->removed; }

void TWindowHook::Forget() {
    if (link_) link_->removed = true;
    control_ = nullptr;
}

void TWindowHook::Remove() {
    if (!Installed()) return;
    link_->removed = true;
    // Unwinds every removed link on top of the chain; a link further down stays as a
    // pass-through for the hooks above it.
    while (const HookCall* top = control_->WindowProc.target<HookCall>()) {
        if (!top->link->removed) break;
        const TWndMethod below = top->link->next;
        control_->WindowProc = below;
    }
}
