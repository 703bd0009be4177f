// The frame's rules that follow from styles and state: tables as the rules read.
#include <gtest/gtest.h>

#include "skin/engine/FrameRules.h"
#include "skin/engine/SystemMenu.h"

namespace {

TCaptionState State(int flags, bool maximised = false, bool active = true) {
    TCaptionState s;
    s.flags = flags;
    s.maximised = maximised;
    s.active = active;
    return s;
}

constexpr int kAll = cbSystemMenu | cbMinimiseBox | cbMaximiseBox;

}  // namespace

TEST(FrameRules, VisibilityCodes) {
    struct Row {
        int code;
        TCaptionState state;
        bool first, second;  // by Visibility, by Visibility1 (when the first allowed it)
    };
    TCaptionState dialogFrame = State(kAll);
    dialogFrame.borderKind = bkDialog;
    TCaptionState messageBox = dialogFrame;
    messageBox.dialog = true;
    TCaptionState mdi = State(kAll);
    mdi.mdiChildMaximisedHere = true;
    mdi.menuBarSkinned = true;
    TCaptionState asks = State(kAll);
    asks.ask = [](int code, int action) { return code == 1500 && action == 40 ? 1 : 0; };
    const Row rows[] = {
        {0, State(0), true, true},
        {1, State(kAll, true), true, true},
        {1, State(kAll, false), false, false},
        {2, State(kAll, false), true, true},
        {3, State(kAll, false, true), true, true},
        {3, State(kAll, false, false), false, false},
        {4, State(kAll, false, false), true, true},
        {6, State(kAll), true, true},
        {6, State(cbMinimiseBox), false, true},  // the second column needs no system menu
        {8, State(cbSystemMenu), false, false},
        {7, State(cbMinimiseBox), true, true},
        {9, State(cbMaximiseBox), true, true},
        {10, State(cbContextHelp), true, true},
        {10, State(cbContextHelp | cbMaximiseBox), false, true},
        {100, mdi, true, true},
        {100, State(kAll), false, true},  // the second column repeats the first
        {200, dialogFrame, true, false},  // any code above 100 hides by the second column
        {200, messageBox, false, false},
        {555, State(0), true, false},
        {1500, asks, true, false},
        {5, State(kAll), false, false},
        {-3, State(kAll), false, false},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(VisibleByFirstCode(row.code, 40, row.state), row.first) << "code " << row.code;
        EXPECT_EQ(VisibleBySecondCode(row.code, 40, true, row.state), row.second) << "code " << row.code;
    }
    // Code 100 in the second column repeats the first.
    EXPECT_FALSE(VisibleBySecondCode(100, 40, false, mdi));
}

TEST(FrameRules, ButtonsByAction) {
    TCaptionState dialogFrame = State(kAll);
    dialogFrame.borderKind = bkDialog;
    EXPECT_FALSE(CaptionButtonShown(0, 0, 0, State(cbMinimiseBox)));  // close needs a system menu
    EXPECT_TRUE(CaptionButtonShown(0, 0, 0, State(cbSystemMenu)));
    for (int icon : {3, 11, 12}) {
        EXPECT_TRUE(CaptionButtonShown(0, 0, icon, State(kAll)));
        EXPECT_FALSE(CaptionButtonShown(0, 0, icon, dialogFrame)) << icon;
    }
    EXPECT_FALSE(CaptionButtonShown(0, 200, 4, State(kAll)));  // the second code hides alone
    EXPECT_TRUE(CaptionButtonAvailable(1, cbSystemMenu | cbMaximiseBox));
    EXPECT_FALSE(CaptionButtonAvailable(1, cbSystemMenu | cbMinimiseBox));
    EXPECT_FALSE(CaptionButtonAvailable(2, cbMinimiseBox));  // a box without a system menu
    EXPECT_TRUE(CaptionButtonAvailable(2, kAll));
    EXPECT_TRUE(CaptionButtonAvailable(4, 0));
}

TEST(FrameRules, ButtonPlacesByAlign) {
    TButtonPlace place;
    place.windowWidth = 300;
    place.captionText = RECT{40, 5, 140, 20};
    place.menuBand = RECT{4, 26, 296, 46};
    place.rightBorder = 4;
    place.menuBarLeftWidth = 3;
    const SIZE button{16, 14};
    const struct {
        int align;
        POINT expected;
    } rows[] = {{0, {10, 6}}, {1, {290, 6}}, {2, {14, 6}}, {8, {14, 6}}, {3, {150, 6}}, {9, {150, 6}},
                {100, {300 - 10 - 4 - 3, 29}}, {7, {10, 6}}};
    for (const auto& row : rows) {
        const POINT p = CaptionButtonPosition(row.align, 10, 6, button, place);
        EXPECT_EQ(p.x, row.expected.x) << "align " << row.align;
        EXPECT_EQ(p.y, row.expected.y) << "align " << row.align;
    }
}

TEST(FrameRules, BorderKindsAndCaptionFlags) {
    const DWORD caption = WS_CAPTION | WS_SYSMENU;
    EXPECT_EQ(BorderKindOf(caption | WS_THICKFRAME, 0, "TForm"), bkSizeable);
    EXPECT_EQ(BorderKindOf(caption, 0, "TForm"), bkSingle);
    EXPECT_EQ(BorderKindOf(WS_POPUP | WS_BORDER, 0, "TForm"), bkNoCaption);
    EXPECT_EQ(BorderKindOf(caption | DS_MODALFRAME, 0, "TForm"), bkDialog);
    EXPECT_EQ(BorderKindOf(caption, WS_EX_DLGMODALFRAME, "TForm"), bkDialog);
    EXPECT_EQ(BorderKindOf(caption | WS_THICKFRAME, 0, "#32770"), bkDialog);
    EXPECT_EQ(BorderKindOf(caption, 0, "TMessageForm"), bkDialog);
    EXPECT_EQ(CaptionButtonFlagsOf(WS_SYSMENU | WS_MINIMIZEBOX, WS_EX_CONTEXTHELP, false, true),
              cbSystemMenu | cbMinimiseBox | cbContextHelp | cbKeepSystemMenu);
    EXPECT_EQ(CaptionButtonFlagsOf(WS_MAXIMIZEBOX, 0, true, false), cbSystemMenu | cbMaximiseBox);
}

TEST(FrameRules, HitTestAnswers) {
    const int top = 26;
    const struct {
        LRESULT previous;
        POINT p;
        bool menuBar;
        LRESULT expected;
    } rows[] = {
        {HTCAPTION, {50, 10}, false, HTCAPTION}, {HTNOWHERE, {50, 10}, false, HTCAPTION},
        {HTNOWHERE, {50, 2}, false, HTNOWHERE},  {HTNOWHERE, {50, 30}, true, HTMENU},
        {HTCAPTION, {50, 30}, false, HTCAPTION}, {HTLEFT, {2, 50}, false, HTLEFT},
        {HTCLIENT, {50, 60}, true, HTCLIENT},    {HTTOP, {50, 1}, false, HTTOP},
    };
    for (const auto& row : rows)
        EXPECT_EQ(SkinnedHitTest(row.previous, row.p, top, row.menuBar), row.expected) << row.p.x << "," << row.p.y;
}

TEST(FrameRules, SystemMenuItemsFollowTheWindowsState) {
    const int flags = kAll;
    const struct {
        UINT command;
        int show;
        int flags;
        int glyph;
        bool enabled;
    } rows[] = {
        {SC_RESTORE, ssNormal, flags, 0, false},     {SC_RESTORE, ssMaximised, flags, 0, true},
        {SC_MAXIMIZE, ssNormal, flags, 1, true},     {SC_MAXIMIZE, ssMaximised, flags, 1, false},
        {SC_MAXIMIZE, ssNormal, cbSystemMenu, 1, false}, {SC_MINIMIZE, ssMinimised, flags, 2, false},
        {SC_MINIMIZE, ssNormal, flags, 2, true},     {SC_CLOSE, ssNormal, flags, 3, true},
        {SC_MOVE, ssMaximised, flags, -1, false},    {SC_SIZE, ssNormal, flags, -1, true},
    };
    for (const auto& row : rows) {
        const TSystemMenuItemLook look = SystemMenuItemLook(row.command, true, row.show, row.flags);
        EXPECT_EQ(look.glyph, row.glyph) << std::hex << row.command;
        EXPECT_EQ(look.enabled, row.enabled) << std::hex << row.command << " show " << row.show;
    }
    EXPECT_FALSE(SystemMenuItemLook(SC_CLOSE, false, ssNormal, flags).enabled);  // greyed in the window's menu
}
