// Edits, up-downs, group boxes, status bars and tabs drawn from the skin.
#include "ControlFixture.h"

#include <functional>

#include <commctrl.h>

#include "skin/controls/SkinCombo.h"
#include "skin/controls/SkinEdit.h"
#include "skin/controls/SkinGroupBox.h"
#include "skin/controls/SkinStatusBar.h"
#include "skin/controls/SkinTab.h"
#include "skin/controls/SkinTabBtn.h"
#include "skin/controls/SkinUpDown.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/Spin.h"

using namespace controltest;

TEST_F(ControlsTest, EditBorderIsAShadowFrameWithTwoWhiteOnes) {
    TEdit& edit = Make<TEdit>(10, 10, 120, 24);
    TSkinEdit& skinner = Skin<TSkinEdit>(edit);
    TBitmap window;
    window.SetPixelFormat(pf24bit);
    window.SetSize(120, 24);
    skinner.PaintControl(window.Canvas()->Handle());
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

namespace {

// A page control of two sheets, "Browse" and "Log", on the panel.
TPageControl& TwoPages(TForm* form, TPanel* panel) {
    auto* pages = new TPageControl(form);
    pages->SetParent(panel);
    pages->SetBounds(10, 10, 300, 200);
    for (const char* caption : {"Browse", "Log"}) {
        auto* sheet = new TTabSheet(form);
        sheet->SetPageControl(pages);
        sheet->SetCaption(caption);
    }
    pages->HandleNeeded();
    return *pages;
}

POINT TabCentre(TPageControl& pages, int index) {
    RECT tab{};
    SendMessageA(pages.Handle(), TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&tab));
    return {(tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2};
}

TColor TabCorner(const TBitmap& printed, TPageControl& pages, int index) {
    RECT tab{};
    SendMessageA(pages.Handle(), TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&tab));
    return skintest::PixelOf(printed, tab.left + 1, tab.top + 1);
}

}  // namespace

TEST_F(ControlsTest, TabsAndPaneFromTheSkin) {
    TPageControl* pages = &TwoPages(form_, panel_);
    pages->SetActivePageIndex(1);
    Skin<TSkinTab>(*pages);
    const std::unique_ptr<TBitmap> printed = Printed(pages->Handle());
    for (int i = 0; i < 2; ++i) EXPECT_EQ(TabCorner(*printed, *pages, i), PartColour(kTabs, i == 1 ? 2 : 1)) << i;
    RECT display{};
    GetClientRect(pages->Handle(), &display);
    SendMessageA(pages->Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    const RECT pane = TSkinTab::PaneRect(display, TSkinTab::sdTop);
    EXPECT_EQ(skintest::PixelOf(*printed, pane.left, (pane.top + pane.bottom) / 2), PartColour(kPane, 1));
    EXPECT_EQ(TSkinTab::SideOf(TCS_VERTICAL | TCS_RIGHT), TSkinTab::sdRight);
    EXPECT_EQ(TSkinTab::SideOf(TCS_BOTTOM), TSkinTab::sdBottom);
}

// Button tabs are push buttons: the current one pressed. Tagged 7777, the page control's tab
// clicks are taken by the skinner, which must still tell the page control as a click would.
TEST_F(ControlsTest, ButtonTabsAndTabsChosenByTheSkinner) {
    TPageControl& pages = TwoPages(form_, panel_);
    pages.SetStyle(tsButtons);
    pages.SetTag(7777);
    int changes = 0, ownPresses = 0;
    pages.OnChange = [&](TObject*) { ++changes; };
    pages.OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++ownPresses; };
    Skin<TSkinTabBtn>(pages);
    EXPECT_EQ(TabCorner(*Printed(pages.Handle()), pages, 0), PartColour(kButton, 2));
    EXPECT_EQ(TabCorner(*Printed(pages.Handle()), pages, 1), PartColour(kButton, 1));
    const POINT log = TabCentre(pages, 1);
    SendMessageA(pages.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(log.x, log.y));
    SendMessageA(pages.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(log.x, log.y));
    EXPECT_EQ(pages.ActivePageIndex(), 1);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(ownPresses, 0) << "the press went to the skinner alone";
    EXPECT_EQ(TabCorner(*Printed(pages.Handle()), pages, 1), PartColour(kButton, 2));
    SendMessageA(pages.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(TabCentre(pages, 0).x, TabCentre(pages, 0).y));
    EXPECT_EQ(TabCorner(*Printed(pages.Handle()), pages, 0), PartColour(kButton, 4)) << "the tab under the pointer";
    struct Case {
        TSkinTabBtn::TTabState state;
        int frame;
    };
    for (const Case& c : {Case{{false, true, false, true}, 5}, Case{{true, true, true, true}, 2},
                          Case{{false, false, false, false}, 3}})
        EXPECT_EQ(TSkinTabBtn::FrameOf(c.state), c.frame);
}

// An owner-drawn panel gets its bevel from the skin and its content from the bar's
// OnDrawPanel, skinned or not.
TEST_F(ControlsTest, OwnerDrawnStatusPanelIsPaintedByTheBarsEvent) {
    auto* bar = new TStatusBar(form_);
    bar->SetParent(form_);
    bar->AddPanel().SetText("Ready");
    TStatusPanel& drawn = bar->AddPanel();
    drawn.SetStyle(psOwnerDraw);
    bar->OnDrawPanel = [](TCustomStatusBar* sender, TStatusPanel*, TRect rect) {
        sender->Canvas()->Brush()->SetColor(clLime);
        sender->Canvas()->FillRect(rect);
    };
    bar->HandleNeeded();
    RECT part{};
    SendMessageA(bar->Handle(), SB_GETRECT, 1, reinterpret_cast<LPARAM>(&part));
    const POINT inside{(part.left + part.right) / 2, (part.top + part.bottom) / 2};
    EXPECT_EQ(skintest::PixelOf(*Printed(bar->Handle()), inside.x, inside.y), clLime) << "unskinned";
    Skin<TSkinStatusBar>(*bar);
    const std::unique_ptr<TBitmap> printed = Printed(bar->Handle());
    EXPECT_EQ(skintest::PixelOf(*printed, inside.x, inside.y), clLime) << "skinned";
    EXPECT_EQ(skintest::PixelOf(*printed, inside.x, part.top - 2), PartColour(kEdges, 2)) << "the lowered bevel";
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

// A foreign drop-down combo box is not told when its edit part takes the focus, and its
// skinned edge shows the focus.
TEST_F(ControlsTest, FocusInAComboBoxsEditPartRepaintsTheEdge) {
    const HWND combo = CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, 10, 10, 150, 200,
                                       panel_->Handle(), nullptr, nullptr, nullptr);
    auto skinner = std::make_unique<TSkinComBox>();
    skinner->AttachWindow(combo, *skin_, nullptr);
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetComboBoxInfo(combo, &info));
    UpdateWindow(combo);
    ValidateRect(combo, nullptr);
    SetFocus(info.hwndItem);
    RECT dirty{};
    EXPECT_TRUE(GetUpdateRect(combo, &dirty, FALSE));
    skinner.reset();
    DestroyWindow(combo);
}
