#pragma once
// TSkinButton: push buttons drawn from the skin's button element, five frames: normal,
// pressed, disabled, hot, focused or default (Win32); TSkinMenuButton: drop-down buttons.
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
    // The background, the state's frame and what DrawContent puts on it, then the focus
    // rectangle around the caption.
    void DrawControl(HDC dc, const RECT& rect) override;
    // The element's frame for the button's state now.
    virtual int CurrentFrame() const;
    // The background and the element's frame.
    virtual void DrawFace(HDC dc, const RECT& rect, int frame) const;
    // What the button shows inside its frame (area is the control inset by 2); returns where
    // the caption went. Here: the caption, centred, broken at its first "||".
    virtual RECT DrawContent(HDC dc, const RECT& area, int frame) const;
    bool Skinnable() const;

private:
    bool Transparent() const;
    void MouseDown(TMessage& message);
    void MouseUp();
    void Click();
    void PaintNow();

    bool forwardMouse_ = true;
    bool transparent_ = false;
};

// Drop-down buttons: the skin has no look of their own for them, so they are drawn as the
// push button is; the kind keeps them apart where a skin or a handler asks.
class TSkinMenuButton : public TSkinButton {};
