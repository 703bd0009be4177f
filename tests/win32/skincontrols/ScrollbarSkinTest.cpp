// A memo's scroll bars covered by painted windows drawn from the test skin's frames, and
// handing presses back to the memo.
#include "ControlFixture.h"

#include <functional>
#include <string>

#include "skin/controls/SkinCombo.h"
#include "skin/controls/SkinScrollbar.h"
#include "skin/controls/WScrollbar.h"
#include "skin/engine/SkinMessages.h"

using namespace controltest;

namespace {

// A memo with both bars and more text than it shows either way.
TMemo& LongMemo(TMemo& memo) {
    memo.SetScrollBars(ssBoth);
    memo.SetWordWrap(false);
    for (int i = 0; i < 60; ++i) memo.Lines()->Add(std::string(200, static_cast<char>('a' + i % 26)));
    SendMessageA(memo.Handle(), WM_VSCROLL, SB_TOP, 0);
    SendMessageA(memo.Handle(), WM_HSCROLL, SB_LEFT, 0);
    return memo;
}

int FirstVisibleLine(TMemo& memo) { return static_cast<int>(SendMessageA(memo.Handle(), EM_GETFIRSTVISIBLELINE, 0, 0)); }

}  // namespace

TEST_F(ControlsTest, ScrollBarPartsComeFromTheSkinAndFollowTheMemo) {
    struct TCase {
        const char* name;
        bool vertical, available, atEnd;
        TColor startArrow, endArrow, nearStart, nearEnd;
    };
    const TCase cases[] = {
        {"vertical at the top", true, true, false, PartColour(kScroll, 1), PartColour(kScroll, 5),
         PartColour(kVertThumb, 1), PartColour(kVertTrack, 1)},
        {"vertical at the bottom", true, true, true, PartColour(kScroll, 1), PartColour(kScroll, 5),
         PartColour(kVertTrack, 1), PartColour(kVertThumb, 1)},
        {"horizontal at the left", false, true, false, PartColour(kScroll, 9), PartColour(kScroll, 13),
         PartColour(kHorzThumb, 1), PartColour(kHorzTrack, 1)},
        {"horizontal at the right", false, true, true, PartColour(kScroll, 9), PartColour(kScroll, 13),
         PartColour(kHorzTrack, 1), PartColour(kHorzThumb, 1)},
        {"vertical, memo disabled", true, false, false, PartColour(kScroll, 3), PartColour(kScroll, 7),
         PartColour(kVertTrack, 3), PartColour(kVertTrack, 3)},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        TMemo& memo = LongMemo(Make<TMemo>(10, 10, 200, 150));
        TSkinScrollbar& skinner = Skin<TSkinScrollbar>(memo);
        if (c.atEnd) SendMessageA(memo.Handle(), c.vertical ? WM_VSCROLL : WM_HSCROLL, c.vertical ? SB_BOTTOM : SB_RIGHT, 0);
        if (!c.available) EnableWindow(memo.Handle(), FALSE);
        Pump();
        const HWND bar = skinner.Bar(c.vertical)->Handle();
        ASSERT_TRUE(IsWindowVisible(bar));
        const std::unique_ptr<TBitmap> image = Printed(bar);
        // The vertical bar's window holds the corner box below the bar.
        const int corner = c.vertical ? GetSystemMetrics(SM_CYHSCROLL) : 0;
        const int length = (c.vertical ? image->Height() : image->Width()) - corner;
        const int arrow = ArrowLength(c.vertical);
        if (corner) {
            EXPECT_EQ(BarColourAt(*image, true, length + corner / 2), PartColour(kScroll, 23));
        }
        EXPECT_EQ(BarColourAt(*image, c.vertical, arrow / 2), c.startArrow);
        EXPECT_EQ(BarColourAt(*image, c.vertical, length - arrow / 2), c.endArrow);
        EXPECT_EQ(BarColourAt(*image, c.vertical, arrow + 2), c.nearStart);
        EXPECT_EQ(BarColourAt(*image, c.vertical, length - arrow - 3), c.nearEnd);
    }
}

TEST_F(ControlsTest, PaintedBarsHideWithTheSkinnerAndTheMemo) {
    TMemo& memo = LongMemo(Make<TMemo>(10, 10, 200, 150));
    TSkinScrollbar& skinner = Skin<TSkinScrollbar>(memo);
    const HWND vertical = skinner.Bar(true)->Handle();
    struct TStep {
        const char* name;
        std::function<void()> act;
        bool shown;
    };
    const TStep steps[] = {
        {"skinned", [] {}, true},
        {"skinner off", [&] { SendMessageA(memo.Handle(), SKM_CONTROLSKIN, 0, 0); }, false},
        {"skinner on", [&] { SendMessageA(memo.Handle(), SKM_CONTROLSKIN, 1, 0); }, true},
        {"memo hidden", [&] { memo.SetVisible(false); }, false},
        {"memo shown", [&] { memo.SetVisible(true); }, true},
    };
    for (const TStep& step : steps) {
        SCOPED_TRACE(step.name);
        step.act();
        Pump();
        EXPECT_EQ(IsWindowVisible(vertical) != FALSE, step.shown);
    }
}

TEST_F(ControlsTest, PressOnThePaintedDownArrowScrollsTheMemoALine) {
    TMemo& memo = LongMemo(Make<TMemo>(10, 10, 200, 150));
    TSkinScrollbar& skinner = Skin<TSkinScrollbar>(memo);
    Pump();
    const HWND bar = skinner.Bar(true)->Handle();
    RECT r{};
    GetClientRect(bar, &r);
    const LPARAM downArrow = MAKELPARAM(r.right / 2, r.bottom - GetSystemMetrics(SM_CYHSCROLL) - ArrowLength(true) / 2);
    PostMessageA(bar, WM_LBUTTONDOWN, MK_LBUTTON, downArrow);
    PostMessageA(bar, WM_LBUTTONUP, 0, downArrow);
    Pump();
    EXPECT_EQ(FirstVisibleLine(memo), 1);
}

TEST_F(ControlsTest, DroppedDownListShowsTheSkinsScrollBar) {
    TComboBox& combo = Make<TComboBox>(10, 10, 150, 24);
    combo.SetStyle(csDropDownList);
    combo.SetDropDownCount(5);
    for (int i = 0; i < 100; ++i) combo.Items()->Add("item " + std::to_string(i));
    Skin<TSkinComBox>(combo);
    combo.SetDroppedDown(true);
    Pump();
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetComboBoxInfo(combo.Handle(), &info));
    SCROLLBARINFO bar{};
    bar.cbSize = sizeof bar;
    ASSERT_TRUE(GetScrollBarInfo(info.hwndList, OBJID_VSCROLL, &bar));
    RECT list{};
    GetWindowRect(info.hwndList, &list);
    // What the screen shows of the list, its frame included.
    TBitmap shown;
    shown.SetPixelFormat(pf24bit);
    shown.SetSize(list.right - list.left, list.bottom - list.top);
    const HDC dc = GetWindowDC(info.hwndList);
    BitBlt(shown.Canvas()->Handle(), 0, 0, shown.Width(), shown.Height(), dc, 0, 0, SRCCOPY);
    ReleaseDC(info.hwndList, dc);
    GdiFlush();
    const int x = (bar.rcScrollBar.left + bar.rcScrollBar.right) / 2 - list.left;
    const int top = bar.rcScrollBar.top - list.top;
    EXPECT_EQ(skintest::PixelOf(shown, x, top + ArrowLength(true) / 2), PartColour(kScroll, 1));
    EXPECT_EQ(skintest::PixelOf(shown, x, top + bar.xyThumbTop + 2), PartColour(kVertThumb, 1));
    EXPECT_EQ(skintest::PixelOf(shown, x, top + bar.xyThumbBottom + 2), PartColour(kVertTrack, 1));
    combo.SetDroppedDown(false);
}
