#pragma once
// TWScrollbar: a painted scroll-bar window laid over one of a control's own scroll bars, in
// the control's parent window (Win32). It takes the bar's place and parts from the system
// (GetScrollBarInfo) whenever asked to follow, and hands presses and the wheel back to the
// control, whose own scroll-bar handling (thumb dragging included) then runs as if the
// press had reached its bar. The arrow or thumb under the pointer shows its hot frame, the
// one held down its pressed frame.

#include "platform/Win.h"
#include "skin/controls/PaintedWindow.h"
#include "skin/controls/SkinScrollPaint.h"

class TSkinData;

class TWScrollbar : public TPaintedWindow {
public:
    // objectId: OBJID_VSCROLL or OBJID_HSCROLL.
    TWScrollbar(HWND control, LONG objectId, TSkinData& skin);

    // Places, shows or hides the window as the control's bar now is; repaints it when
    // anything changed. Hidden while `shown` is false.
    void Follow(bool shown);
    // Paints the bar into dc, the window's client area at the origin.
    void Paint(HDC dc) const override;
    // Paints the bar, when shown, into dc, the control's whole window at the origin.
    void PaintOverControl(HDC dc) const;

protected:
    LRESULT Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    // The bar in the control's parent's client coordinates; false when the system hides it.
    bool Current(TScrollBarShape& shape) const;
    void Press(UINT msg, LPARAM lParam) const;
    void HoldDown(LPARAM lParam);
    // The arrow or thumb at a point of the window; spNone elsewhere.
    TScrollPart PointerPart(POINT p) const;
    void SetHot(TScrollPart part);

    HWND control_;
    LONG objectId_;
    TSkinData& skin_;
    TScrollBarShape shape_{};
    bool visible_ = false;
};
