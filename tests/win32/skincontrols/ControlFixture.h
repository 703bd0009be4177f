#pragma once
// What the control-skinner tests share: a small skin whose every element frame has a colour
// of its own, a form of toolkit controls, skinners attached to them one by one, and the
// controls painted into memory bitmaps.

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "skin/controls/WinSubClass.h"
#include "tests/win32/skinframe/FrameFixture.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/StdCtrls.h"

namespace controltest {

// The elements of the test skin, and the colour of frame n of each (frames are solid but
// for the button's top-left pixel, which is magenta).
enum TPart {
    kButton = 1, kCheck, kRadio, kEdges, kExtra, kTabs, kPane, kUpDown, kCombo, kSunk,
    kScroll, kHorzTrack, kVertTrack, kHorzThumb, kVertThumb, kHeader
};
TColor PartColour(TPart part, int frame);
constexpr int kButtonFrameWidth = 20, kGlyphSize = 12, kExtraSize = 10;
constexpr TColor kFace = 0xC8C8C8;     // the skin's ButtonFace (200, 200, 200)
constexpr TColor kParent = 0x306090;   // the colour of the panel the controls sit on

// The frame-test skin with the control elements added; `personality` as FrameSkin takes it.
skintest::TTestSkin ControlSkin(const std::string& buttonKeys = "");

// The control's client area as WM_PRINTCLIENT paints it, in a bitmap of its size.
std::unique_ptr<TBitmap> Printed(HWND window);
// The bounding box of the pixels that are not `background`, in rect.
RECT BoxOfOthers(const TBitmap& bitmap, const RECT& rect, TColor background);
// The colour on a painted scroll bar's middle line, `along` pixels from its start.
TColor BarColourAt(const TBitmap& bar, bool vertical, int along);
// The length of a scroll bar's arrow buttons along the bar.
int ArrowLength(bool vertical);

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // A control of type C on the panel, with a window.
    template <class C>
    C& Make(int left, int top, int width, int height) {
        auto* control = new C(form_);
        control->SetParent(panel_);
        control->SetBounds(left, top, width, height);
        control->HandleNeeded();
        return *control;
    }
    // A skinner of type S on the control, kept until the test ends.
    template <class S>
    S& Skin(TWinControl& control) {
        auto skinner = std::make_unique<S>();
        skinner->AttachControl(nullptr, *skin_, control, true);
        skinners_.push_back(std::move(skinner));
        return static_cast<S&>(*skinners_.back());
    }
    void LoadSkin(const skintest::TTestSkin& skin);

    TForm* form_ = nullptr;
    TPanel* panel_ = nullptr;
    TSkinData* skin_ = nullptr;
    std::vector<std::unique_ptr<TSkinControl>> skinners_;
};

using pelmar::testing::Pump;

}  // namespace controltest
