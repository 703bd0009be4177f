#pragma once
// TSkinScrollbarH: the scroll bars of a foreign window drawn from the skin straight over the
// window's own non-client bars (Win32), with the corner box where two bars meet. The window
// keeps handling presses on its bars itself; the skin goes back over them after each message
// on which the system draws them, and after any other message that moved their parts.

#include "skin/controls/SkinScrollPaint.h"
#include "skin/controls/WinSubClass.h"

class TSkinScrollbarH : public TSkinControl {
protected:
    void AfterMessage(TMessage& message) override;
    void DrawControl(HDC dc, const RECT& rect) override;
    // The messages after which the window's own bars are drawn anew.
    virtual bool RedrawsBars(UINT msg) const;

private:
    // The bar in the window's own coordinates; false when the system hides it.
    bool Current(LONG objectId, TScrollBarShape& shape) const;
    bool Moved() const;

    TScrollBarShape vertical_{};
    TScrollBarShape horizontal_{};
};
