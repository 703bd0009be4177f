#pragma once
// TSkinTab: tab and page controls from the skin's Tabs element: each tab from its image
// (frame 2 and MouseOverColour2 for the tab with the focus, frame 1 and NormalColour2 for
// the others), the pane around the display area from the element's Border image (Style 0,
// margins 4, 5, 4, 4) or from Tab.Pane (Style 1) (Win32). For tabs at the bottom the images
// are flipped, for tabs at a side turned a quarter. Mode 2 (plain tab controls) leaves the
// control's colour alone.

#include <memory>
#include <string>

#include "skin/SkinElements.h"
#include "skin/controls/WinSubClass.h"

// The caption of tab `index` (at most 80 characters, as the skinners draw it).
std::wstring TabCaption(HWND tabs, int index);
// A page control tagged 7777 takes its tab clicks from its skinner: the tab under `point`
// becomes the current one, with the notifications a click on the system's tab would send.
bool SelectsTabsItself(const TSkinControl& skinner);
void SelectTabAt(HWND tabs, POINT point);

class TSkinTab : public TSkinControl {
public:
    TSkinTab();
    ~TSkinTab() override;

    enum TSide { sdTop, sdBottom, sdLeft, sdRight };
    // The side the tabs are on, from the tab control's styles.
    static TSide SideOf(DWORD style);
    // Where the pane goes: the display area grown by 4, its edge on the tab side 1 inwards.
    static RECT PaneRect(RECT displayArea, TSide side);

protected:
    void Attached() override;
    bool BeforeMessage(TMessage& message) override;
    void DrawControl(HDC dc, const RECT& rect) override;

private:
    // The tab and pane records turned for the side; made again when the side changes.
    void PrepareImages(TSide side);
    void DrawTabs(HDC dc) const;

    std::unique_ptr<TDataSkinObject> tab_;
    std::unique_ptr<TDataSkinObject> pane_;
    int preparedSide_ = -1;
};
