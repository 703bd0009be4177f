#pragma once
// TComboxScrollBar: the scroll bar of a combo box's drop-down list drawn from the skin
// (Win32). The list is a system window that pops up over everything, so the bar is drawn
// straight over the list's own non-client bar, as over any foreign window's; the list draws
// its bar also while it handles presses on it and as it is shown.

#include "skin/controls/SkinScrollbarH.h"

class TComboxScrollBar : public TSkinScrollbarH {
protected:
    bool RedrawsBars(UINT msg) const override;
};
