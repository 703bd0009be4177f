#pragma once
// The system's class name of a window, to see which window class a control registered.

#include <string>

#include "platform/Win.h"

namespace pelmar::testing {

inline std::string WindowClassOf(HWND window) {
    char name[128] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

}  // namespace pelmar::testing
