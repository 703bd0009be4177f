// The push-button skinner (and the drop-down button's, drawn alike): the state frame, the
// caption, transparency, the focus rectangle, and switching the skinner off and on.
#include <functional>

#include "ControlFixture.h"
#include "skin/controls/SkinButton.h"
#include "skin/engine/SkinMessages.h"

using namespace controltest;

namespace {

// A pixel inside the frame's margin-free centre, away from the caption.
TColor FramePixel(HWND button) { return skintest::PixelOf(*Printed(button), 4, 4); }

// Runs of rows that hold caption pixels (anything but the frame's colour inside its margins).
int TextBands(const TBitmap& bitmap, TColor face) {
    int bands = 0;
    bool inBand = false;
    for (int y = 4; y < bitmap.Height() - 4; ++y) {
        bool any = false;
        for (int x = 4; x < bitmap.Width() - 4 && !any; ++x) any = skintest::PixelOf(bitmap, x, y) != face;
        if (any && !inBand) ++bands;
        inBand = any;
    }
    return bands;
}

}  // namespace

TEST_F(ControlsTest, ButtonShowsTheFrameOfItsState) {
    struct Case {
        const char* what;
        std::function<void(TButton&)> setUp;
        int frame;
    };
    const Case cases[] = {
        {"normal", [](TButton&) {}, 1},
        {"default", [](TButton& b) { b.SetDefault(true); }, 5},
        {"focused", [](TButton& b) { b.SetFocus(); }, 5},
        {"hot", [](TButton& b) { SendMessageA(b.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5)); }, 4},
        {"pressed", [](TButton& b) { SendMessageA(b.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5)); }, 2},
        {"disabled", [](TButton& b) { b.SetEnabled(false); }, 3},
        {"disabled default", [](TButton& b) { b.SetDefault(true), b.SetEnabled(false); }, 3},
    };
    for (const Case& c : cases) {
        TButton& button = Make<TButton>(10, 10, 90, 30);
        button.SetCaption("OK");
        Skin<TSkinButton>(button);
        c.setUp(button);
        EXPECT_EQ(FramePixel(button.Handle()), PartColour(kButton, c.frame)) << c.what;
        ReleaseCapture();
    }
}

TEST_F(ControlsTest, ButtonCaptionBreaksAtTheFirstDoubleBar) {
    const std::function<void(TButton&)> skinners[] = {[this](TButton& b) { Skin<TSkinButton>(b); },
                                                      [this](TButton& b) { Skin<TSkinMenuButton>(b); }};
    for (const auto& skin : skinners)
        for (auto [caption, lines] : {std::pair{"One||Two", 2}, std::pair{"One Two", 1}, std::pair{"A||B||C", 2}}) {
            TButton& button = Make<TButton>(10, 10, 120, 60);
            button.SetCaption(caption);
            skin(button);
            EXPECT_EQ(TextBands(*Printed(button.Handle()), PartColour(kButton, 1)), lines) << caption;
        }
    EXPECT_EQ(TSkinButton::CaptionLines(L"A||B||C"), L"A\r\nB||C");
}

TEST_F(ControlsTest, TransparentButtonsShowTheirParentAroundTheBitmap) {
    TButton& plain = Make<TButton>(10, 10, 90, 30);
    TButton& tagged = Make<TButton>(10, 50, 90, 30);
    tagged.SetTag(5555);
    Skin<TSkinButton>(plain);
    Skin<TSkinButton>(tagged);
    // The bitmap's top-left pixel is magenta: what shows there is the background.
    EXPECT_EQ(skintest::PixelOf(*Printed(plain.Handle()), 0, 0), kFace);
    EXPECT_EQ(skintest::PixelOf(*Printed(tagged.Handle()), 0, 0), kParent);
    skin_->SetOptions(skin_->Options() + TSkinOptions{xoTransparent});
    TButton& any = Make<TButton>(10, 90, 90, 30);
    Skin<TSkinButton>(any);
    EXPECT_EQ(skintest::PixelOf(*Printed(any.Handle()), 0, 0), kParent);
}

TEST_F(ControlsTest, FocusedButtonDrawsAFocusRectangleUnlessSwitchedOff) {
    TButton& button = Make<TButton>(10, 10, 120, 40);
    button.SetCaption("Save");
    Skin<TSkinButton>(button);
    button.SetFocus();
    const RECT inside{4, 4, 116, 36};
    const TColor face = PartColour(kButton, 5);
    const RECT withRect = BoxOfOthers(*Printed(button.Handle()), inside, face);
    skin_->SetOptions(skin_->Options() + TSkinOptions{xoNoFocusRect});
    const RECT textOnly = BoxOfOthers(*Printed(button.Handle()), inside, face);
    ASSERT_LT(textOnly.left, textOnly.right) << "the caption is drawn";
    EXPECT_LT(withRect.left, textOnly.left);
    EXPECT_GT(withRect.right, textOnly.right);
    EXPECT_LT(withRect.top, textOnly.top);
}

TEST_F(ControlsTest, MessageSwitchesTheSkinnerOffAndOn) {
    TButton& button = Make<TButton>(10, 10, 90, 30);
    TSkinButton& skinner = Skin<TSkinButton>(button);
    const TColor skinned = PartColour(kButton, 1);
    ASSERT_EQ(FramePixel(button.Handle()), skinned);
    SendMessageA(button.Handle(), SKM_CONTROLSKIN, 0, 0);
    EXPECT_FALSE(skinner.SkinEnabled());
    EXPECT_NE(FramePixel(button.Handle()), skinned) << "the button paints itself";
    SendMessageA(button.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));  // not seen while off
    SendMessageA(button.Handle(), SKM_CONTROLSKIN, 1, 0);
    EXPECT_EQ(FramePixel(button.Handle()), skinned);
}

TEST_F(ControlsTest, ButtonClicksOnceAndKeepsTheKeyboard) {
    TButton& button = Make<TButton>(10, 10, 90, 30);
    int clicks = 0;
    button.OnClick = [&](TObject*) { ++clicks; };
    Skin<TSkinButton>(button);
    POINT p{20, 15};
    ClientToScreen(button.Handle(), &p);
    SetCursorPos(p.x, p.y);
    SendMessageA(button.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 5));
    EXPECT_EQ(GetFocus(), button.Handle());
    SendMessageA(button.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(10, 5));
    EXPECT_EQ(clicks, 1);
    SendMessageA(button.Handle(), WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_EQ(FramePixel(button.Handle()), PartColour(kButton, 2));
    SendMessageA(button.Handle(), WM_KEYUP, VK_SPACE, 0);
    EXPECT_EQ(clicks, 2);
}
