// Media players covered by a painted button strip: the visible buttons in the frames of
// their states, coloured glyphs, following the player, and clicks handed to the player.
#include <functional>
#include <vector>

#include "ControlFixture.h"
#include "skin/controls/SkinMP.h"
#include "skin/controls/WMediaPlayer.h"
#include "skin/engine/SkinMessages.h"
#include "toolkit/MPlayer.h"

using namespace controltest;
using enum TMPBtnType;

namespace {

// Three visible buttons of 60 pixels: play, pause, stop.
constexpr int kButtonWidth = 60;

TMediaPlayer& ThreeButtons(TMediaPlayer& player) {
    player.SetVisibleButtons({btPlay, btPause, btStop});
    return player;
}

LPARAM MiddleOf(int button) { return MAKELPARAM(button * kButtonWidth + kButtonWidth / 2, 15); }

HWND StripOf(const TSkinMP& skinner) { return skinner.Strip()->Handle(); }

}  // namespace

TEST_F(ControlsTest, StripShowsTheVisibleButtonsInTheFramesOfTheirStates) {
    struct Case {
        const char* what;
        std::function<void(TMediaPlayer&, HWND strip)> act;
        std::vector<int> frames;
    };
    const Case cases[] = {
        {"normal", [](TMediaPlayer&, HWND) {}, {1, 1, 1}},
        {"pause not enabled", [](TMediaPlayer& p, HWND) { p.SetEnabledButtons({btPlay, btStop}); }, {1, 3, 1}},
        {"player disabled", [](TMediaPlayer& p, HWND) { p.SetEnabled(false); }, {3, 3, 3}},
        {"pointer over pause", [](TMediaPlayer&, HWND s) { SendMessageA(s, WM_MOUSEMOVE, 0, MiddleOf(1)); }, {1, 4, 1}},
        {"stop pressed", [](TMediaPlayer&, HWND s) { SendMessageA(s, WM_LBUTTONDOWN, MK_LBUTTON, MiddleOf(2)); },
         {1, 1, 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TMediaPlayer& player = ThreeButtons(Make<TMediaPlayer>(10, 10, 3 * kButtonWidth, 30));
        const HWND strip = StripOf(Skin<TSkinMP>(player));
        c.act(player, strip);
        const std::unique_ptr<TBitmap> image = Printed(strip);
        ReleaseCapture();
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(skintest::PixelOf(*image, i * kButtonWidth + 4, 4), PartColour(kButton, c.frames[i])) << i;
            // Each button's magenta corner lets the face show: the buttons start where expected.
            EXPECT_EQ(skintest::PixelOf(*image, i * kButtonWidth, 0), kFace) << i;
        }
        EXPECT_EQ(skintest::PixelOf(*image, 20, 0), PartColour(kButton, c.frames[0])) << "no hidden button drawn";
    }
}

TEST_F(ControlsTest, OnlyColouredButtonsShowTheirGlyphInColour) {
    TMediaPlayer& player = ThreeButtons(Make<TMediaPlayer>(10, 10, 3 * kButtonWidth, 30));
    player.SetColoredButtons({btPlay});
    const std::unique_ptr<TBitmap> image = Printed(StripOf(Skin<TSkinMP>(player)));
    EXPECT_EQ(skintest::PixelOf(*image, kButtonWidth / 2, 15), clGreen);
    const TColor text = ColorToRGB(skin_->Colours().ButtonText);
    EXPECT_EQ(skintest::PixelOf(*image, 2 * kButtonWidth + kButtonWidth / 2, 15), text);
}

TEST_F(ControlsTest, StripFollowsThePlayerAndGoesOnDetach) {
    TMediaPlayer& player = ThreeButtons(Make<TMediaPlayer>(10, 10, 3 * kButtonWidth, 30));
    TSkinMP& skinner = Skin<TSkinMP>(player);
    const HWND strip = StripOf(skinner);
    struct Step {
        const char* what;
        std::function<void()> act;
        bool shown;
    };
    const Step steps[] = {
        {"skinned", [] {}, true},
        {"moved", [&] { player.SetBounds(40, 70, 2 * kButtonWidth, 24); }, true},
        {"player hidden", [&] { player.SetVisible(false); }, false},
        {"player shown", [&] { player.SetVisible(true); }, true},
        {"skinner off", [&] { SendMessageA(player.Handle(), SKM_CONTROLSKIN, 0, 0); }, false},
        {"skinner on", [&] { SendMessageA(player.Handle(), SKM_CONTROLSKIN, 1, 0); }, true},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.act();
        EXPECT_EQ(IsWindowVisible(strip) != FALSE, step.shown);
        RECT stripRect{}, playerRect{};
        GetWindowRect(strip, &stripRect);
        GetWindowRect(player.Handle(), &playerRect);
        if (step.shown) {
            EXPECT_TRUE(EqualRect(&stripRect, &playerRect));
        }
    }
    skinner.Detach();
    EXPECT_FALSE(IsWindow(strip));
    EXPECT_EQ(skinner.Strip(), nullptr);
}

TEST_F(ControlsTest, ClickOnTheStripIsThePlayersOwnClick) {
    TMediaPlayer& player = ThreeButtons(Make<TMediaPlayer>(10, 10, 3 * kButtonWidth, 30));
    player.SetEnabledButtons({btPlay, btStop});
    std::vector<TMPBtnType> clicked;
    player.OnClick = [&](TObject*, TMPBtnType button, bool& doDefault) {
        clicked.push_back(button);
        doDefault = false;
    };
    const HWND strip = StripOf(Skin<TSkinMP>(player));
    auto click = [strip](int down, int up) {
        SendMessageA(strip, WM_LBUTTONDOWN, MK_LBUTTON, MiddleOf(down));
        SendMessageA(strip, WM_MOUSEMOVE, MK_LBUTTON, MiddleOf(up));
        SendMessageA(strip, WM_LBUTTONUP, 0, MiddleOf(up));
    };
    click(2, 2);  // stop
    click(1, 1);  // pause, not enabled
    click(0, 2);  // pressed on play, released over stop
    EXPECT_EQ(clicked, std::vector<TMPBtnType>{btStop});
}
