#pragma once
// TWScrollbar: a painted scroll-bar window laid over one of a control's own scroll bars, in
// the control's parent window (Win32). It takes the bar's place and parts from the system
// (GetScrollBarInfo) whenever asked to follow, and hands presses and the wheel back to the
// control, whose own scroll-bar handling (thumb dragging included) then runs as if the
// press had reached its bar.

#include "skin/controls/SkinScrollPaint.h"
#include "skin/controls/SkinWindow.h"

class TSkinData;

class TWScrollbar : public TSkinWindow {
public:
    // objectId: OBJID_VSCROLL or OBJID_HSCROLL.
    TWScrollbar(HWND control, LONG objectId, TSkinData& skin);

    // Places, shows or hides the window as the control's bar now is; repaints it when
    // anything changed. Hidden while `shown` is false.
    void Follow(bool shown);
    void Paint(HDC dc) const override;

protected:
    LRESULT Message(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    // The bar in the control's parent's client coordinates; false when the system hides it.
    bool Current(TScrollBarShape& shape) const;
    void Press(UINT msg, LPARAM lParam) const;

    HWND control_;
    LONG objectId_;
    TSkinData& skin_;
    TScrollBarShape shape_{};
    bool visible_ = false;
};
