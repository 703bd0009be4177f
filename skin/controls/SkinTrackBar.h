#pragma once
// TSkinTrackBar: a track bar's channel and thumb from the skin, painted where the bar's
// custom-draw notification asks for them (NM_CUSTOMDRAW, in WM_NOTIFY or reflected by the
// toolkit) (Win32). The channel is the Track element (TRACKVERT for a vertical bar), frame 1,
// or 2 when disabled, over the channel rectangle the bar reports. The thumb comes by the
// way it points: Trackbar.ThumbDown under a horizontal bar's ticks at the bottom, ThumbUp
// for ticks on top, ThumbHorz for ticks on both sides, and ThumbRight, ThumbLeft and
// ThumbVert likewise for vertical bars; drawn at its own size, centred on the thumb
// rectangle the bar reports, in the frame of its state (1 normal, 2 pressed, 3 disabled,
// 4 hot, 5 focused). The ticks and a thumb the skin lacks are left to the bar.

#include "skin/SkinElements.h"
#include "skin/controls/WinSubClass.h"

#include <commctrl.h>  // after <windows.h>, which it needs

class TSkinTrackBar : public TSkinControl {
public:
    // The thumb element for a track bar of that style.
    static TSkinElement ThumbElement(DWORD style);

protected:
    bool BeforeMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;

private:
    LRESULT CustomDraw(const NMCUSTOMDRAW& draw);
    bool DrawChannel(HDC dc) const;
    bool DrawThumb(HDC dc) const;
    RECT ThumbRect() const;
    bool OverThumb(LPARAM point) const;
};
