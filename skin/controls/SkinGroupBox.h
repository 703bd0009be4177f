#pragma once
// TSkinGroupBox: a group box on the skin's ButtonFace with a rounded frame in ButtonShadow
// and its caption 8 pixels from the left, or from the right for WS_EX_RIGHT (Win32).

#include "skin/controls/WinSubClass.h"

class TSkinGroupBox : public TSkinControl {
protected:
    bool BeforeMessage(TMessage& message) override;
    void DrawControl(HDC dc, const RECT& rect) override;
};
