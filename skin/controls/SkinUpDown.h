#pragma once
// TSkinUpDown: an up-down's two arrow buttons from the skin's UpDown.Vert (or, for
// UDS_HORZ, UpDown.Horz) element: eight frames, the first button (up, or left) in the
// states normal, pressed, disabled, hot, then the second; the element's glyph image holds
// the arrows in the same order, centred on the buttons (Win32). Presses go on to the
// control, which steps its value as always.

#include "skin/controls/WinSubClass.h"

class TDataSkinBorder;

class TSkinUpDown : public TSkinControl {
public:
    // The frame of one button: part 0 is the first, 1 the second.
    static int FrameOf(int part, bool pressed, bool hot, bool available);

protected:
    bool BeforeMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;
    void DrawControl(HDC dc, const RECT& rect) override;

private:
    TDataSkinBorder* Element() const;
    bool Horizontal() const;
    // The button under a point of the client area.
    int PartAt(LPARAM point) const;
    RECT PartRect(const RECT& rect, int part) const;

    int pressedPart_ = -1;
    int hotPart_ = -1;
};
