#pragma once
// TSkinCheckBox and TSkinRadioButton: a glyph from the skin's button element (CheckImage or
// RadioImage, frames side by side) at the control's left, or its right with BS_LEFTTEXT, and
// the caption beside it (Win32). Without the glyph the control keeps its own painting.

#include <optional>
#include <string>

#include "skin/controls/WinSubClass.h"

class TBitmap;

// What decides a check glyph's frame.
struct TCheckInputs {
    int base = 1;  // 1 unchecked, 2 checked, 3 from "Checked" not true, 4 grayed
    bool disabled = false;
    bool indeterminate = false;
};
// The frame of a glyph with frameCount frames: four (unchecked, checked, each also
// disabled) or twelve (unchecked, checked, mixed, each normal, hot, pressed, disabled).
int CheckGlyphFrame(const TCheckInputs& inputs, int frameCount);

class TSkinCheckRadio : public TSkinControl {
protected:
    void Attached() override;
    bool BeforeMessage(TMessage& message) override;
    void DrawControl(HDC dc, const RECT& rect) override;
    // The glyph image and its frame count.
    virtual TBitmap& Glyph() const = 0;
    virtual int GlyphFrames() const = 0;
    // 1 unchecked or 2 checked, and so on, before the window's own state is added.
    virtual int BaseFrame() const = 0;
    int LastSetCheck() const { return lastSetCheck_; }

private:
    bool Skinnable() const;
    bool LeftText() const;

    bool transparent_ = false;
    int lastSetCheck_ = 0;
};

class TSkinCheckBox : public TSkinCheckRadio {
protected:
    TBitmap& Glyph() const override;
    int GlyphFrames() const override;
    int BaseFrame() const override;
};

class TSkinRadioButton : public TSkinCheckRadio {
protected:
    TBitmap& Glyph() const override;
    int GlyphFrames() const override;
    int BaseFrame() const override;
};
