#pragma once
// What the about box and link label tests share: the recording shell, clicks posted to a
// form's window, and an answerer for the message boxes a test makes appear. Queued messages
// are run with the shared Pump.

#include <string>
#include <vector>

#include "tests/win32/RecordingShell.h"
#include "tests/win32/controls/ControlsTestSupport.h"
#include "toolkit/Forms.h"

namespace pelmar::testing {

// A left click at a point of the form's client area, as the system delivers one.
void ClickAt(TCustomForm& form, POINT client);

// Presses OK in every message box with `title` that appears while it lives, and keeps the
// texts that the boxes showed.
class MessageBoxAnswerer {
public:
    explicit MessageBoxAnswerer(std::string title);
    ~MessageBoxAnswerer();
    MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
    MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;

    std::vector<std::string> texts;

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    std::string title_;
    UINT_PTR timer_ = 0;
};

}  // namespace pelmar::testing
