#pragma once
// TTabSet: a painted strip of tabs, as along the edge of a notebook (Win32).
//
// One tab per line of Tabs, drawn as a trapezoid from StartMargin on; TabIndex is the
// selected tab (-1: none), drawn in SelectedColor and joined to the edge the strip borders,
// the others in UnselectedColor on BackgroundColor. TabPosition says which edge the tabs
// hang from: tpBottom (the usual: the strip sits below a page) or tpTop. A click on a tab
// selects it unless OnChange refuses.

#include <memory>
#include <string>
#include <vector>

#include "toolkit/ComCtrls.h"
#include "toolkit/Controls.h"

using TTabChangeEvent = TEvent<TObject*, int, bool&>;

class TTabSet : public TCustomControl {
    TOOLKIT_CLASS(TTabSet, TCustomControl)

public:
    explicit TTabSet(TComponent* owner);
    ~TTabSet() override;

    TStrings* Tabs() const { return tabs_.get(); }
    int TabIndex() const { return tabIndex_; }
    // -1 selects none; raises EPropertyError past the tabs.
    void SetTabIndex(int index);
    TColor SelectedColor() const { return selectedColor_; }
    void SetSelectedColor(TColor color);
    TColor UnselectedColor() const { return unselectedColor_; }
    void SetUnselectedColor(TColor color);
    TColor BackgroundColor() const { return backgroundColor_; }
    void SetBackgroundColor(TColor color);
    TTabPosition TabPosition() const { return tabPosition_; }
    // tpTop or tpBottom; raises EPropertyError for the sides.
    void SetTabPosition(TTabPosition position);
    int StartMargin() const { return startMargin_; }
    void SetStartMargin(int margin);
    int TabHeight() const { return tabHeight_; }
    void SetTabHeight(int height);

    // The rectangle a tab takes (its slanted sides reach into its neighbours'), or an empty
    // one for an index past the tabs.
    TRect TabRect(int index);
    // The tab at a point of the control, or -1.
    int ItemAtPos(TPoint p);
    // How far a tab's slanted side reaches into its neighbour's rectangle.
    int Slant() const { return tabHeight_ / 3; }

    TTabChangeEvent OnChange;

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void Loaded() override;

private:
    void DrawTab(TCanvas& canvas, int index);

    std::unique_ptr<TStringList> tabs_;
    int tabIndex_ = -1;
    TColor selectedColor_ = clBtnFace;
    TColor unselectedColor_ = clWindow;
    TColor backgroundColor_ = clBtnFace;
    TTabPosition tabPosition_ = tpBottom;
    int startMargin_ = 5;
    int tabHeight_ = 20;
};
