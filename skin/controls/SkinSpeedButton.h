#pragma once
// TSkinSpeedButton: speed buttons, drawn as glyph buttons are (Win32).
//
// A speed button has no window: the skinner sits in front of the control's message hook and
// paints on the device context that the parent hands the control with WM_PAINT. The
// toolkit's mouse-enter and mouse-leave notifications make it hot and cold again; "Down"
// shows the pressed frame; a "Flat" one shows the element only while hot, pressed or down.
// A windowless control sends no WM_NCDESTROY of its own: SKM_RELEASEHOOK (or a
// WM_NCDESTROY passed on to it) makes the skinner give the hook back.

#include "skin/controls/SkinBitButton.h"

class TSkinSpeedButton : public TSkinBitButton {
protected:
    bool BeforeMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;
    int CurrentFrame() const override;
    void DrawFace(HDC dc, const RECT& rect, int frame) const override;
    ::TButtonState GlyphState(int frame) const override;

private:
    bool Down() const { return PropIsTrue("Down"); }
};
