#pragma once
// A hook in front of a control's WindowProc that can come off in any order (Win32).
//
// Chaining by hand (keep the previous WindowProc, install your own, put the previous one back)
// only works when hooks come off in reverse order. Skinners attach and detach independently,
// and a skinner detaches itself from inside its own handler (on WM_NCDESTROY); a TWindowHook
// allows both:
//   - removing the hook that is WindowProc now puts back what it replaced (and any hooks below
//     it that were removed earlier);
//   - removing a hook further down turns it into a pass-through link, so the hooks above it
//     keep their chain;
//   - every link lives as long as a caller is still running through it, so a handler that
//     removes its own hook returns safely.

#include <functional>
#include <memory>

#include "toolkit/Controls.h"

// handler(message, next): handles the message, calling next(message) to let it through.
using TWndHookProc = std::function<void(TMessage& message, const TWndMethod& next)>;

class TWindowHook {
public:
    // Puts handler in front of control's WindowProc at once.
    TWindowHook(TControl& control, TWndHookProc handler);
    TWindowHook(const TWindowHook&) = delete;
    TWindowHook& operator=(const TWindowHook&) = delete;
    ~TWindowHook();

    // Takes the handler out of the chain; safe from inside the handler and more than once.
    void Remove();
    // The control is going away: the hook lets go of it without touching it again.
    void Forget();
    bool Installed() const;
    TControl* Control() const { return control_; }

    // One hook's place in the chain (public so that the chain's calls can name it).
    struct Link;

private:
    TControl* control_;
    std::shared_ptr<Link> link_;
};
