// A skinned frame's pixels, against what the test skin's own bitmaps say they must be.
#include "FrameFixture.h"

using namespace frametest;

namespace {

TColor At(const TBitmap& bitmap, int x, int y) { return skintest::PixelOf(bitmap, x, y); }

}  // namespace

TEST(FramePaint, BordersTitleAndCornersComeFromTheirFrames) {
    SkinnedForm f;
    ASSERT_NE(f.Skinner(), nullptr);
    for (const bool active : {true, false}) {
        SendMessageA(f.Handle(), WM_NCACTIVATE, active, 0);
        const auto frame = f.PaintedFrame();
        const int w = frame->Width(), h = frame->Height();
        EXPECT_EQ(At(*frame, 1, h / 2), active ? kLeftActive : kLeftInactive);
        EXPECT_EQ(At(*frame, w - 2, h / 2), active ? kRightActive : kRightInactive);
        EXPECT_EQ(At(*frame, w / 2, h - 2), active ? kBottomActive : kBottomInactive);
        EXPECT_EQ(At(*frame, kSide + 2, 2), active ? kTitleActive : kTitleInactive);
        // Corners keep their size: the side borders' ends are copied, not stretched.
        for (int y : {0, kCornerSize - 1, h - kCornerSize}) EXPECT_EQ(At(*frame, 0, y), kCorner) << y;
        EXPECT_NE(At(*frame, 0, kCornerSize), kCorner);
    }
}

TEST(FramePaint, TheClientAreaKeepsItsSizeThroughSkinningAndUnskinning) {
    SkinnedForm f;
    f.SetSkinned(false);
    RECT before{};
    GetClientRect(f.Handle(), &before);
    f.SetSkinned(true);
    RECT skinned{}, window{};
    GetClientRect(f.Handle(), &skinned);
    GetWindowRect(f.Handle(), &window);
    EXPECT_EQ(skinned.right, before.right);
    EXPECT_EQ(skinned.bottom, before.bottom);
    // The frame is as thick as the skin's borders.
    EXPECT_EQ(window.right - window.left, before.right + 2 * kSide);
    EXPECT_EQ(window.bottom - window.top, before.bottom + kTitle + kBottom);
    f.SetSkinned(false);
    RECT after{};
    GetClientRect(f.Handle(), &after);
    EXPECT_EQ(after.right, before.right);
    EXPECT_EQ(after.bottom, before.bottom);
    EXPECT_EQ(f.Skinner(), nullptr);
}

TEST(FramePaint, CaptionButtonFramesFollowTheMouse) {
    SkinnedForm f;
    const auto frame = f.PaintedFrame();
    const int w = frame->Width();
    const POINT inButton{w - 24 + 8, 6 + 7};
    EXPECT_EQ(At(*frame, inButton.x, inButton.y), ButtonFrameColour(1));
    RECT r{};
    GetWindowRect(f.Handle(), &r);
    const LPARAM screen = MAKELPARAM(r.left + inButton.x, r.top + inButton.y);
    const auto shown = [&] { return At(*f.OnScreen(), inButton.x, inButton.y); };
    SendMessageA(f.Handle(), WM_NCMOUSEMOVE, HTCAPTION, screen);
    EXPECT_EQ(shown(), ButtonFrameColour(3));  // hot
    SendMessageA(f.Handle(), WM_NCLBUTTONDOWN, HTCAPTION, screen);
    EXPECT_EQ(shown(), ButtonFrameColour(2));  // pressed
    SendMessageA(f.Handle(), WM_NCMOUSEMOVE, HTCAPTION, MAKELPARAM(r.left + 60, r.top + 10));
    EXPECT_EQ(shown(), ButtonFrameColour(1));  // left: normal again
    SendMessageA(f.Handle(), WM_NCACTIVATE, FALSE, 0);
    EXPECT_EQ(At(*f.PaintedFrame(), inButton.x, inButton.y), ButtonFrameColour(4));  // inactive window
}

TEST(FramePaint, CaptionTextPositionFollowsTheAlignment) {
    // The text's left end for each alignment, with TextShift 30 and TextRightClip 20.
    int lefts[3] = {};
    for (int alignment = 0; alignment < 3; ++alignment) {
        SkinnedForm f(FrameSkin("TextShift=30\nTextRightClip=20\nTextAlignment=" + std::to_string(alignment) + "\n"));
        f.PaintedFrame();
        lefts[alignment] = f.Skinner()->CaptionRect().left;
        const RECT text = f.Skinner()->CaptionRect();
        RECT window{};
        GetWindowRect(f.Handle(), &window);
        const int width = window.right - window.left;
        const int expected[3] = {30, width / 2, width - kSide - 20};
        const int actual[3] = {text.left, (text.left + text.right) / 2, text.right};
        EXPECT_NEAR(actual[alignment], expected[alignment], alignment == 1 ? 1 : 0) << "alignment " << alignment;
    }
    EXPECT_LT(lefts[0], lefts[1]);
    EXPECT_LT(lefts[1], lefts[2]);
}

TEST(FramePaint, RetitlingAndActivatingNeverShowTheNativeCaption) {
    SkinnedForm f;
    const auto expectSkinned = [&](const char* step) {
        const auto screen = f.OnScreen();
        const auto painted = f.PaintedFrame();
        for (int x : {kSide + 2, screen->Width() / 2, screen->Width() - kSide - 2})
            EXPECT_EQ(At(*screen, x, 2), At(*painted, x, 2)) << step << " at " << x;
        EXPECT_EQ(At(*screen, 1, screen->Height() / 2), At(*painted, 1, screen->Height() / 2)) << step;
    };
    expectSkinned("start");
    SendMessageA(f.Handle(), WM_NCACTIVATE, FALSE, 0);
    expectSkinned("deactivated");
    SendMessageA(f.Handle(), WM_NCACTIVATE, TRUE, 0);
    expectSkinned("activated");
    const LONG shortCaption = f.Skinner()->CaptionRect().right;
    f.Form().SetCaption("A new caption that is longer");
    expectSkinned("retitled");
    EXPECT_GT(f.Skinner()->CaptionRect().right, shortCaption);
    f.Form().SetBounds(120, 120, 360, 240);
    Pump();
    expectSkinned("resized");
    // The frame is composed anew for the new size, not copied from the old one.
    const auto resized = f.PaintedFrame();
    const int w = resized->Width(), h = resized->Height();
    EXPECT_EQ(w, 360);
    EXPECT_EQ(At(*resized, w - 2, h / 2), kRightActive);
    EXPECT_EQ(At(*resized, w / 2, h - 2), kBottomActive);
}
