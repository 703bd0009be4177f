// The mouse on a skinned frame and the window's shape: double-clicks, the maximised caption,
// the region cut where the side borders are magenta.
#include "FrameFixture.h"
#include "toolkit/WindowHook.h"

using namespace frametest;

namespace {

// An icon button at the title's left end: no image, so it shows the window's icon.
const std::string kIconButton = "[Button2]\nAction=3\nAlign=0\nXcoord=6\nYcoord=5\nVisibility=0\nFrame=1\n";

LPARAM ScreenPoint(HWND window, int x, int y) {
    RECT r{};
    GetWindowRect(window, &r);
    return MAKELPARAM(r.left + x, r.top + y);
}

}  // namespace

TEST(FrameMouse, TheRegionLeavesOutTheMagentaCornersOnly) {
    SkinnedForm f(FrameSkin("", "", true));
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(f.Handle(), region), ERROR);
    RECT r{};
    GetWindowRect(f.Handle(), &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    EXPECT_FALSE(PtInRegion(region, 0, 0));
    EXPECT_FALSE(PtInRegion(region, w - 1, h - 1));
    EXPECT_TRUE(PtInRegion(region, 0, h / 2));            // the side border between its corners
    EXPECT_TRUE(PtInRegion(region, w / 2, 0));            // the title, which is not transparent
    EXPECT_TRUE(PtInRegion(region, w / 2, h / 2));        // the client area
    DeleteObject(region);
}

TEST(FrameMouse, DoubleClicksAndTheMaximisedCaption) {
    SkinnedForm f(FrameSkin("", kIconButton));
    std::vector<WPARAM> commands;
    TWindowHook record(f.Form(), [&](TMessage& m, const TWndMethod& next) {
        if (m.Msg == WM_SYSCOMMAND) commands.push_back(m.WParam & 0xFFF0);
        if (m.Msg == WM_SYSCOMMAND && (m.WParam & 0xFFF0) == SC_CLOSE) return;  // the test keeps its window
        next(m);
    });
    // The first system command a double-click gives (a display without a window manager may
    // follow a maximise with a restore of its own).
    const auto doubleClick = [&](int x, int y) {
        commands.clear();
        SendMessageA(f.Handle(), WM_NCLBUTTONDBLCLK, HTCAPTION, ScreenPoint(f.Handle(), x, y));
        Pump();
        return commands.empty() ? WPARAM{0} : commands.front();
    };
    EXPECT_EQ(doubleClick(80, 10), WPARAM{SC_MAXIMIZE});  // a normal window with a maximise box
    EXPECT_EQ(doubleClick(6 + 4, 5 + 4), WPARAM{SC_CLOSE});  // the icon button

    SendMessageA(f.Handle(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    Pump();
    ASSERT_TRUE(IsZoomed(f.Handle()));
    // A maximised window stays put when its caption is pressed.
    RECT before{}, after{};
    GetWindowRect(f.Handle(), &before);
    SendMessageA(f.Handle(), WM_NCLBUTTONDOWN, HTCAPTION, ScreenPoint(f.Handle(), 80, 10));
    Pump();
    GetWindowRect(f.Handle(), &after);
    EXPECT_TRUE(IsZoomed(f.Handle()));
    EXPECT_EQ(before.left, after.left);
    EXPECT_EQ(before.top, after.top);
    EXPECT_EQ(doubleClick(80, 10), WPARAM{SC_RESTORE});
}

TEST(FrameMouse, ARightClickShowsTheSystemMenuAndASecondOneOnAButtonCloses) {
    SkinnedForm f;
    bool closeAsked = false;
    TWindowHook record(f.Form(), [&](TMessage& m, const TWndMethod& next) {
        if (m.Msg == WM_CLOSE) {
            closeAsked = true;
            return;  // the test keeps its window
        }
        next(m);
    });
    // The menu is modal: a timer looks for its window and closes it.
    static bool menuShown;
    const auto rightClick = [&](int x, int y) {
        menuShown = false;
        const UINT_PTR timer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) {
            if (HWND menu = FindWindowA("#32768", nullptr); menu && IsWindowVisible(menu)) menuShown = true;
            EndMenu();
        });
        SendMessageA(f.Handle(), WM_NCRBUTTONDOWN, HTCAPTION, ScreenPoint(f.Handle(), x, y));
        KillTimer(nullptr, timer);
        Pump();
    };
    const int w = f.Skinner()->WindowBox().right;
    const POINT onButton{w - 24 + 8, 6 + 7};
    rightClick(80, 10);
    EXPECT_TRUE(menuShown);
    // Again at once, but not over a caption button: the menu once more.
    rightClick(80, 10);
    EXPECT_TRUE(menuShown);
    EXPECT_FALSE(closeAsked);
    // Again at once over a caption button: the window is asked to close, no menu.
    SendMessageA(f.Handle(), WM_NCMOUSEMOVE, HTCAPTION, ScreenPoint(f.Handle(), onButton.x, onButton.y));
    rightClick(onButton.x, onButton.y);
    EXPECT_FALSE(menuShown);
    EXPECT_TRUE(closeAsked);
}
