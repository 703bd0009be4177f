#pragma once
// What a control skinner may change on a control (colours, procedures, style, child
// windows of its own), read back, so that a test can tell that detaching gave everything
// back.

#include <ostream>
#include <string>

#include "toolkit/Controls.h"

namespace controltest {

struct TControlLook {
    TColor colour;
    bool parentColour;
    std::string parentBackground;
    LONG_PTR procedure;
    std::string hook;
    LONG style;
    int children;
    bool operator==(const TControlLook&) const = default;
};

inline int ChildWindowCount(HWND window) {
    int count = 0;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) ++count;
    return count;
}

inline TControlLook LookOf(TWinControl& control) {
    const HWND window = control.Handle();
    return {control.Color(),
            control.ParentColor(),
            GetPropText(control, "ParentBackground").value_or(""),
            GetWindowLongPtrA(window, GWLP_WNDPROC),
            control.WindowProc.target_type().name(),
            GetWindowLongA(window, GWL_STYLE),
            ChildWindowCount(window)};
}

inline void PrintTo(const TControlLook& look, std::ostream* out) {
    *out << "colour " << std::hex << look.colour << std::dec << (look.parentColour ? " (parent's)" : "")
         << ", ParentBackground " << look.parentBackground << ", procedure " << look.procedure << ", hook "
         << look.hook << ", style " << std::hex << look.style << std::dec << ", " << look.children << " child windows";
}

}  // namespace controltest
