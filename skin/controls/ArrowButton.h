#pragma once
// TArrowButton: a small window of our own laid over a control's drop-down part, showing the
// skin's combo arrow (ComboxArrow) in the state the pointer and the left button give it
// (Win32): normal, hot while the pointer is over it, pressed while the button is held on it,
// and disabled with its control, in the combo box's frame order (1 normal, 2 pressed,
// 3 disabled, 4 hot). A release over it is a click, which it hands to its owner.

#include <functional>

#include "platform/Win.h"
#include "skin/controls/PaintedWindow.h"

class TSkinData;

class TArrowButton : public TPaintedWindow {
public:
    // A child of `control`, hidden until placed.
    TArrowButton(HWND control, TSkinData& skin, std::function<void()> onClick);

    // Whether the skin has an arrow to show.
    static bool SkinHasArrow(const TSkinData& skin);
    // Lays the button over rect of the control's client area, shown or hidden.
    void Place(const RECT& rect, bool shown);
    void Paint(HDC dc) const override;

protected:
    LRESULT Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void SetState(bool hot, bool pressed);
    bool Over(LPARAM point) const;

    HWND control_;
    TSkinData& skin_;
    std::function<void()> onClick_;
    bool hot_ = false;
    bool pressed_ = false;
};
