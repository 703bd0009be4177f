// Edits, up-downs, group boxes, status bars and tabs drawn from the skin.
#include "ControlFixture.h"

#include <functional>

#include <commctrl.h>

#include "skin/controls/SkinCombo.h"
#include "skin/controls/SkinEdit.h"
#include "skin/controls/SkinGroupBox.h"
#include "skin/controls/SkinStatusBar.h"
#include "skin/controls/SkinTab.h"
#include "skin/controls/SkinUpDown.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/Spin.h"

using namespace controltest;

TEST_F(ControlsTest, EditBorderIsAShadowFrameWithTwoWhiteOnes) {
    TEdit& edit = Make<TEdit>(10, 10, 120, 24);
    const std::unique_ptr<TBitmap> painted = PaintedWhole(Skin<TSkinEdit>(edit));
    const TBitmap& window = *painted;
    EXPECT_EQ(skintest::PixelOf(window, 0, 12), ColorToRGB(skin_->Colours().ButtonShadow));
    EXPECT_EQ(skintest::PixelOf(window, 1, 12), clWhite);
    EXPECT_EQ(skintest::PixelOf(window, 60, 2), clWhite);
    EXPECT_EQ(skintest::PixelOf(window, 119, 23), ColorToRGB(skin_->Colours().ButtonShadow));
}

TEST_F(ControlsTest, SpinEditsUpDownGetsBothArrowsFromTheSkin) {
    TSpinEdit& spin = Make<TSpinEdit>(10, 10, 80, 24);
    Skin<TSkinEdit>(spin);
    const std::unique_ptr<TBitmap> arrows = Printed(spin.UpDownHandle());
    const int half = arrows->Height() / 2;
    EXPECT_EQ(skintest::PixelOf(*arrows, 2, 2), PartColour(kUpDown, 1));
    EXPECT_EQ(skintest::PixelOf(*arrows, 2, half + 2), PartColour(kUpDown, 5));
    const int before = spin.Value();
    SendMessageA(spin.UpDownHandle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    EXPECT_EQ(skintest::PixelOf(*Printed(spin.UpDownHandle()), 2, 2), PartColour(kUpDown, 2));
    SendMessageA(spin.UpDownHandle(), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    EXPECT_EQ(spin.Value(), before + 1) << "the press still steps the value";
    EXPECT_EQ(TSkinUpDown::FrameOf(1, false, true, true), 8);
}

TEST_F(ControlsTest, GroupBoxFrameAndFace) {
    TGroupBox& group = Make<TGroupBox>(10, 10, 160, 90);
    group.SetCaption("Hints");
    Skin<TSkinGroupBox>(group);
    const std::unique_ptr<TBitmap> printed = Printed(group.Handle());
    EXPECT_EQ(skintest::PixelOf(*printed, 0, 50), ColorToRGB(skin_->Colours().ButtonShadow));
    EXPECT_EQ(skintest::PixelOf(*printed, 80, 50), kFace);
    EXPECT_EQ(skintest::PixelOf(*printed, 159, 50), ColorToRGB(skin_->Colours().ButtonShadow));
}

TEST_F(ControlsTest, StatusBarPanelBevelAndSizeGrip) {
    auto* bar = new TStatusBar(form_);
    bar->SetParent(form_);
    bar->SetSimplePanel(true);
    bar->SetSimpleText("Ready");
    bar->HandleNeeded();
    Skin<TSkinStatusBar>(*bar);
    const std::unique_ptr<TBitmap> printed = Printed(bar->Handle());
    const int w = printed->Width(), h = printed->Height();
    EXPECT_EQ(skintest::PixelOf(*printed, w / 2, 0), PartColour(kEdges, 2)) << "a simple panel is lowered";
    EXPECT_EQ(skintest::PixelOf(*printed, w - 2, h - 2), PartColour(kExtra, 5)) << "the size grip";
    struct Case {
        UINT flags;
        int frame;
    };
    for (const Case& c : {Case{0, 2}, Case{SBT_NOBORDERS, 1}, Case{SBT_POPOUT, 3}})
        EXPECT_EQ(TSkinStatusBar::BevelFrame(c.flags), c.frame);
}

TEST_F(ControlsTest, TabsAndPaneFromTheSkin) {
    auto* pages = new TPageControl(form_);
    pages->SetParent(panel_);
    pages->SetBounds(10, 10, 300, 200);
    for (const char* caption : {"Browse", "Log"}) {
        auto* sheet = new TTabSheet(form_);
        sheet->SetPageControl(pages);
        sheet->SetCaption(caption);
    }
    pages->SetActivePageIndex(1);
    pages->HandleNeeded();
    Skin<TSkinTab>(*pages);
    const std::unique_ptr<TBitmap> printed = Printed(pages->Handle());
    RECT tab{};
    for (int i = 0; i < 2; ++i) {
        SendMessageA(pages->Handle(), TCM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&tab));
        EXPECT_EQ(skintest::PixelOf(*printed, tab.left + 1, tab.top + 1), PartColour(kTabs, i == 1 ? 2 : 1)) << i;
    }
    RECT display{};
    GetClientRect(pages->Handle(), &display);
    SendMessageA(pages->Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    const RECT pane = TSkinTab::PaneRect(display, TSkinTab::sdTop);
    EXPECT_EQ(skintest::PixelOf(*printed, pane.left, (pane.top + pane.bottom) / 2), PartColour(kPane, 1));
    EXPECT_EQ(TSkinTab::SideOf(TCS_VERTICAL | TCS_RIGHT), TSkinTab::sdRight);
    EXPECT_EQ(TSkinTab::SideOf(TCS_BOTTOM), TSkinTab::sdBottom);
}

TEST_F(ControlsTest, ComboBoxEdgeAndButtonFromTheSkin) {
    TComboBox& combo = Make<TComboBox>(10, 10, 150, 24);
    combo.SetStyle(csDropDownList);
    combo.Items()->Add("Z:");
    combo.SetItemIndex(0);
    Skin<TSkinComBox>(combo);
    struct Case {
        const char* what;
        std::function<void()> setUp;
        int frame;
    };
    const Case cases[] = {
        {"normal", [] {}, 1},
        {"focused", [&] { combo.SetFocus(); }, 4},
        {"disabled", [&] { combo.SetEnabled(false); }, 3},
    };
    for (const Case& c : cases) {
        c.setUp();
        // The reader composed the sunk edge and the button into one picture of the control.
        const std::unique_ptr<TBitmap> printed = Printed(combo.Handle());
        const int w = printed->Width(), h = printed->Height();
        EXPECT_EQ(skintest::PixelOf(*printed, 0, h / 2), PartColour(kSunk, c.frame)) << c.what;
        EXPECT_EQ(skintest::PixelOf(*printed, w - 2, h / 2), PartColour(kCombo, c.frame)) << c.what;
    }
    EXPECT_EQ(TSkinComBox::FrameOf({true, true, true, true}), 2) << "dropped down wins over focus and hover";
    EXPECT_EQ(TSkinComBox::FrameOf({true, false, false, true}), 4);
}
