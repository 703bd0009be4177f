#pragma once
// The skinners that give a container the skin's face colour and no more (Win32):
//   TSkinBox       panels and embedded forms: recoloured, their messages left alone;
//   TSkinBoxH      nested dialogs and foreign tool bars: background and static controls'
//                  background from the skin's ButtonFace;
//   TSkinSizer     size grips: filled with ButtonFace;
//   TSkinTabSheet  tab sheets: filled with ButtonFace under their windowless children.

#include "skin/controls/WinSubClass.h"

class TSkinBox : public TSkinControl {
public:
    TSkinBox() { hooksMessages_ = false; }
};

class TSkinBoxH : public TSkinControl {
protected:
    bool BeforeMessage(TMessage& message) override;
};

class TSkinSizer : public TSkinControl {
protected:
    bool BeforeMessage(TMessage& message) override;
    void DrawControl(HDC dc, const RECT& rect) override;
};

class TSkinTabSheet : public TSkinControl {
protected:
    bool BeforeMessage(TMessage& message) override;
};
