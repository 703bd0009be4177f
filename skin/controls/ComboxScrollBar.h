#pragma once
// TComboxScrollBar: the scroll bar of a combo box's drop-down list drawn from the skin
// (Win32). The list is a system window that pops up over everything, so the bar is drawn
// straight over the list's own non-client bar, each time the list paints its frame or
// the bar's parts move; the list keeps handling presses on the bar itself.

#include "skin/controls/SkinScrollPaint.h"
#include "skin/controls/WinSubClass.h"

class TComboxScrollBar : public TSkinControl {
protected:
    void AfterMessage(TMessage& message) override;
    void DrawControl(HDC dc, const RECT& rect) override;

private:
    bool Current(TScrollBarShape& shape) const;

    TScrollBarShape drawn_{};
};
