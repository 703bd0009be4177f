#pragma once
// TSkinEdit: an edit's border, when it has one, as a 1-pixel frame in the skin's ButtonShadow
// with two white frames inside; with xcSpin its up-down child gets a TSkinUpDown (Win32).

#include "skin/controls/WinSubClass.h"

class TSkinEdit : public TSkinControl {
public:
    // Whether a child window class is an up-down's ("msctls_updown32", or any class whose
    // name has "spin" or "updown" in it).
    static bool IsUpDownClass(const std::string& lowerClassName);

protected:
    void Attached() override;
    void AfterMessage(TMessage& message) override;
    void DrawControl(HDC dc, const RECT& rect) override;
};
