#pragma once
// TSkinTab31: the toolkit's tab set ("TTABSET") drawn with the tab control's tab images
// (Win32). The tabs hang from the page's edge: below it (tabs at the bottom, the image
// flipped) or above it. Each tab takes the middle of the room the tab set gives it, so that
// neighbours meet where their slanted sides would cross; the selected tab is drawn last.

#include "skin/controls/SkinTab.h"

class TTabSet;

class TSkinTab31 : public TSkinTab {
protected:
    void DrawControl(HDC dc, const RECT& rect) override;

private:
    void DrawSetTab(HDC dc, TTabSet& set, int index) const;
};
