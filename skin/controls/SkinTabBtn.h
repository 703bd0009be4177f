#pragma once
// TSkinTabBtn: a page control whose tabs are buttons, each drawn as the skin's push button
// (Win32): the current tab pressed, the tab under the pointer hot, the tab with the focus in
// the focused frame while the control has the focus; no pane, the sheets fill the rest.

#include "skin/controls/WinSubClass.h"

class TSkinTabBtn : public TSkinControl {
public:
    struct TTabState {
        bool current = false;
        bool focused = false;
        bool hot = false;
        bool available = true;
    };
    static int FrameOf(const TTabState& state);

protected:
    bool BeforeMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;
    void DrawControl(HDC dc, const RECT& rect) override;

private:
    void TrackPointer(LPARAM position);
    void DrawTab(HDC dc, int index, int frame) const;

    int hotTab_ = -1;
};
