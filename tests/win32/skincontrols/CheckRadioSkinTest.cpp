// Check boxes and radio buttons: the glyph frame by state, its side, and the frame rules of
// four- and twelve-frame glyphs.
#include <functional>

#include "ControlFixture.h"
#include "skin/controls/SkinCheckRadio.h"

using namespace controltest;

namespace {

constexpr int kHeight = 20;

TColor GlyphPixel(HWND control, bool atRight) {
    const std::unique_ptr<TBitmap> printed = Printed(control);
    const int x = atRight ? printed->Width() - kGlyphSize / 2 : kGlyphSize / 2;
    return skintest::PixelOf(*printed, x, kHeight / 2);
}

}  // namespace

TEST(CheckGlyphFrame, FollowsTheStateAndTheGlyphsFrameCount) {
    struct Case {
        TCheckInputs in;
        int four;
        int twelve;
    };
    const Case cases[] = {
        {{1, false, false}, 1, 1},  {{2, false, false}, 2, 5},  {{1, true, false}, 3, 4},
        {{2, true, false}, 4, 8},   {{1, false, true}, 4, 9},   {{2, true, true}, 4, 12},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CheckGlyphFrame(c.in, 4), c.four) << c.in.base << c.in.disabled << c.in.indeterminate;
        EXPECT_EQ(CheckGlyphFrame(c.in, 12), c.twelve) << c.in.base << c.in.disabled << c.in.indeterminate;
    }
}

TEST_F(ControlsTest, CheckBoxShowsTheGlyphOfItsState) {
    struct Case {
        const char* what;
        std::function<void(TCheckBox&)> setUp;
        int frame;
        bool atRight;
    };
    const Case cases[] = {
        {"unchecked", [](TCheckBox&) {}, 1, false},
        {"checked", [](TCheckBox& c) { c.SetChecked(true); }, 2, false},
        {"disabled", [](TCheckBox& c) { c.SetEnabled(false); }, 3, false},
        {"checked disabled", [](TCheckBox& c) { c.SetChecked(true), c.SetEnabled(false); }, 4, false},
        {"grayed", [](TCheckBox& c) { c.SetAllowGrayed(true), c.SetState(cbGrayed); }, 4, false},
        {"caption at the left", [](TCheckBox& c) { c.SetChecked(true), c.SetAlignment(taLeftJustify); }, 2, true},
    };
    for (const Case& c : cases) {
        TCheckBox& box = Make<TCheckBox>(10, 10, 150, kHeight);
        box.SetCaption("Use skins");
        c.setUp(box);
        Skin<TSkinCheckBox>(box);
        EXPECT_EQ(GlyphPixel(box.Handle(), c.atRight), PartColour(kCheck, c.frame)) << c.what;
    }
}

TEST_F(ControlsTest, RadioButtonTakesTwelveFrameGlyphs) {
    TRadioButton& off = Make<TRadioButton>(10, 10, 150, kHeight);
    TRadioButton& on = Make<TRadioButton>(10, 40, 150, kHeight);
    on.SetChecked(true);
    Skin<TSkinRadioButton>(off);
    Skin<TSkinRadioButton>(on);
    EXPECT_EQ(GlyphPixel(off.Handle(), false), PartColour(kRadio, 1));
    EXPECT_EQ(GlyphPixel(on.Handle(), false), PartColour(kRadio, 5));
    on.SetEnabled(false);
    EXPECT_EQ(GlyphPixel(on.Handle(), false), PartColour(kRadio, 8));
    SendMessageA(off.Handle(), BM_CLICK, 0, 0);
    EXPECT_TRUE(off.Checked()) << "a click still reaches the control";
    EXPECT_EQ(GlyphPixel(off.Handle(), false), PartColour(kRadio, 5));
}

TEST_F(ControlsTest, ForeignCheckBoxReadsItsStateFromTheWindow) {
    HWND box = CreateWindowExA(0, "BUTTON", "Foreign", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 10, 10, 150, kHeight,
                               panel_->Handle(), nullptr, nullptr, nullptr);
    auto skinner = std::make_unique<TSkinCheckBox>();
    skinner->AttachWindow(box, *skin_, nullptr);
    EXPECT_EQ(GlyphPixel(box, false), PartColour(kCheck, 1));
    SendMessageA(box, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(GlyphPixel(box, false), PartColour(kCheck, 2));
    skinner.reset();
    DestroyWindow(box);
}
