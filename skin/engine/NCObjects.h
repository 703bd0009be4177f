#pragma once
// Objects of a skinned frame's non-client area that the mouse can hover and press: the caption
// buttons here, and the menu-bar items. They share one state machine: normal, pressed, hot
// (Win32).

#include "platform/Win.h"
#include "skin/SkinElements.h"
#include "skin/engine/FrameRules.h"

class TWinSkinForm;

enum TNCState { ncNormal = 1, ncPressed = 2, ncHot = 3 };

class TNCObject {
public:
    explicit TNCObject(TWinSkinForm& owner) : owner_(owner) {}
    TNCObject(const TNCObject&) = delete;
    TNCObject& operator=(const TNCObject&) = delete;
    virtual ~TNCObject() = default;

    // Each makes the object the frame's hot object (or clears it) and repaints it; a disabled
    // object ignores them.
    virtual void MouseDown();
    virtual void MouseUp();
    virtual void MouseEnter();
    virtual void MouseLeave();
    virtual void Paint() {}

    // In window coordinates.
    const RECT& Bounds() const { return bounds_; }
    void SetBounds(const RECT& bounds) { bounds_ = bounds; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on) { enabled_ = on; }
    TNCState State() const { return state_; }
    bool Available() const { return available_; }
    void SetAvailable(bool on) { available_ = on; }

protected:
    void Repaint();
    TWinSkinForm& owner_;
    RECT bounds_{};
    bool enabled_ = true;
    TNCState state_ = ncNormal;
    bool available_ = true;
    // Set while the state changed by the mouse is being shown (rather than the whole title).
    bool mouseChange_ = false;
};

// One caption button, drawn from its record of the skin's title-bar buttons.
class TWinSysButton : public TNCObject {
public:
    TWinSysButton(TWinSkinForm& owner, const TDataSkinSysButton& record);
    const TDataSkinSysButton& Record() const { return record_; }
    // Visibility and availability from the window's state.
    void Update(const TCaptionState& state);
    SIZE Size() const;
    bool IsIcon() const { return record_.Action == 3 || record_.Action == 11; }
    void Paint() override;
    // Runs the button's action; `screen` is where the mouse was released.
    void Act(POINT screen);
    // Which frame of the image to draw now.
    int FrameToDraw() const;

private:
    const TDataSkinSysButton& record_;
};
