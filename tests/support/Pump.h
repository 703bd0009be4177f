#pragma once
// Runs the application's queued messages for a while: windows under Wine settle
// asynchronously, so a test lets them before it looks.

#include "platform/Win.h"
#include "toolkit/Forms.h"

namespace pelmar::testing {

inline void Pump(int milliseconds = 50) {
    const DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
    do {
        Application->ProcessMessages();
        Sleep(5);
    } while (static_cast<int>(end - GetTickCount()) > 0);
}

}  // namespace pelmar::testing
