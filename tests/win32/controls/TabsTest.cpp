// Tab strips without pages: the painted tab set and the tab control.
#include <gtest/gtest.h>

#include "PaintedPixel.h"
#include "PropertyTable.h"
// After <windows.h>, which the support header brings.
#include <commctrl.h>

#include "toolkit/ComCtrls.h"
#include "toolkit/Tabs.h"

namespace {

const char* const kForm = R"(object Probe: TForm
  object tsSheets: TTabSet
    Width = 300
    Height = 24
    TabIndex = 1
    SelectedColor = clWhite
    UnselectedColor = clSilver
    Tabs.Strings = (
      'Sheet 1'
      'Sheet 2'
      'Sheet 3')
  end
  object tcViews: TTabControl
    Width = 300
    Height = 120
    MultiLine = True
    TabIndex = 2
    Tabs.Strings = (
      'Icons'
      'List'
      'Details')
  end
end
)";

TPoint CentreOf(const TRect& r) { return TPoint{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

}  // namespace

TEST(TabStrips, PropertiesComeFromTheFormFileAndGoByName) {
    FormFileScene s(kForm);
    CheckPropsByName(s, {
                            {"tsSheets", "TabIndex", "1", "2"},  // given before its tabs
                            {"tsSheets", "Tabs.Strings", "Sheet 1\r\nSheet 2\r\nSheet 3\r\n", "A\r\nB\r\nC\r\nD\r\n"},
                            {"tsSheets", "SelectedColor", "clWhite", "clYellow"},
                            {"tsSheets", "UnselectedColor", "clSilver", "clGray"},
                            {"tsSheets", "TabPosition", "tpBottom", "tpTop"},
                            {"tsSheets", "TabHeight", "20", "18"},
                            {"tcViews", "TabIndex", "2", "0"},
                            {"tcViews", "Tabs.Strings", "Icons\r\nList\r\nDetails\r\n", "One\r\nTwo\r\n"},
                            {"tcViews", "MultiLine", "True", "False"},
                            {"tcViews", "TabPosition", "tpTop", "tpBottom"},
                        });
}

TEST(TabStrips, ATabSetSelectsTheClickedTabUnlessRefusedAndPaintsItsColours) {
    FormFileScene s(kForm);
    auto* tabs = s.Get<TTabSet>("tsSheets");
    std::vector<int> asked;
    bool allow = true;
    tabs->OnChange = [&](TObject*, int tab, bool& ok) {
        asked.push_back(tab);
        ok = allow;
    };
    EXPECT_LT(tabs->TabRect(0).left, tabs->TabRect(1).left);
    const TPoint third = CentreOf(tabs->TabRect(2));
    EXPECT_EQ(tabs->ItemAtPos(third), 2);
    tabs->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(third.x, third.y));
    EXPECT_EQ(tabs->TabIndex(), 2);
    allow = false;
    const TPoint first = CentreOf(tabs->TabRect(0));
    tabs->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(first.x, first.y));
    EXPECT_EQ(tabs->TabIndex(), 2);
    EXPECT_EQ(asked, (std::vector<int>{2, 0}));
    // Beside the caption: the selected tab in its colour, the others in theirs.
    const TRect selected = tabs->TabRect(2), other = tabs->TabRect(0);
    EXPECT_EQ(PaintedPixel(*tabs, selected.left + 8, selected.top + 4), clWhite);
    EXPECT_EQ(PaintedPixel(*tabs, other.left + 8, other.top + 4), clSilver);
    EXPECT_EQ(PaintedPixel(*tabs, tabs->Width() - 2, 10), ColorToRGB(clBtnFace));  // past the tabs
}

TEST(TabStrips, ATabControlShowsItsTabsAndTheUsersChoice) {
    FormFileScene s(kForm);
    auto* tabs = s.Get<TTabControl>("tcViews");
    HWND h = tabs->Handle();
    EXPECT_EQ(SendMessageA(h, TCM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_EQ(SendMessageA(h, TCM_GETCURSEL, 0, 0), 2);
    std::vector<std::string> events;
    bool allow = true;
    tabs->OnChanging = [&](TObject*, bool& ok) {
        events.push_back("changing");
        ok = allow;
    };
    tabs->OnChange = [&](TObject*) { events.push_back("change " + std::to_string(tabs->TabIndex())); };
    SendMessageA(h, TCM_SETCURFOCUS, 0, 0);
    allow = false;
    SendMessageA(h, TCM_SETCURFOCUS, 1, 0);
    EXPECT_EQ(tabs->TabIndex(), 0);
    EXPECT_EQ(events, (std::vector<std::string>{"changing", "change 0", "changing"}));
    tabs->Tabs()->Delete(2);
    tabs->Tabs()->Delete(1);
    EXPECT_EQ(SendMessageA(h, TCM_GETITEMCOUNT, 0, 0), 1);
    EXPECT_THROW(tabs->SetTabIndex(1), EPropertyError);
}
