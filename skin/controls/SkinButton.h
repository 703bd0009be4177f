#pragma once
// TSkinButton: push buttons drawn from the skin's button element, five frames: normal,
// pressed, disabled, hot, focused or default (Win32).
//
// The system's button paints itself whenever its state changes, not only on WM_PAINT; the
// messages after which it would are handed to it with its drawing held back, and the skinned
// image is painted instead.

#include <string>

#include "skin/controls/WinSubClass.h"

class TSkinButton : public TSkinControl {
public:
    // The frame for a button's state (the element's frame order).
    struct TButtonState {
        bool focusedOrDefault = false;
        bool pressed = false;
        bool hot = false;
        bool available = true;
    };
    static int FrameOf(const TButtonState& state);
    // The caption as drawn: the first "||" becomes a line break.
    static std::wstring CaptionLines(std::wstring caption);

protected:
    void Attached() override;
    bool BeforeMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;
    void DrawControl(HDC dc, const RECT& rect) override;

private:
    bool Skinnable() const;
    bool Transparent() const;
    void MouseDown(TMessage& message);
    void MouseUp();
    void Click();
    void PaintNow();

    bool forwardMouse_ = true;
    bool transparent_ = false;
};
