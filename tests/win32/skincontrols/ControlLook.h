#pragma once
// What a control skinner may change on a control, read back, so that a test can tell that
// detaching gave everything back.

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
    bool operator==(const TControlLook&) const = default;
};

inline TControlLook LookOf(TWinControl& control) {
    return {control.Color(), control.ParentColor(), GetPropText(control, "ParentBackground").value_or(""),
            GetWindowLongPtrA(control.Handle(), GWLP_WNDPROC), control.WindowProc.target_type().name()};
}

inline void PrintTo(const TControlLook& look, std::ostream* out) {
    *out << "colour " << std::hex << look.colour << std::dec << (look.parentColour ? " (parent's)" : "")
         << ", ParentBackground " << look.parentBackground << ", procedure " << look.procedure << ", hook "
         << look.hook;
}

}  // namespace controltest
