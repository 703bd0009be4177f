#pragma once
// What the control-skinner tests share: a small skin whose every element frame has a colour
// of its own, a form of toolkit controls, skinners attached to them one by one, and the
// controls painted into memory bitmaps.

#include <gtest/gtest.h>

#include <memory>
#include <type_traits>
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
    kScroll, kHorzTrack, kVertTrack, kHorzThumb, kVertThumb,
    kTrough, kProgress, kChunk, kTrack, kTrackVert,
    kThumbHorz, kThumbVert, kThumbLeft, kThumbRight, kThumbUp, kThumbDown, kHeader, kGlyph
};
TColor PartColour(TPart part, int frame);
constexpr int kButtonFrameWidth = 20, kGlyphSize = 12, kExtraSize = 10;
// Progress.Chunk: kChunkPainted columns of colour, then magenta up to kChunkWidth.
constexpr int kChunkWidth = 8, kChunkPainted = 6;
// Thumbs pointing up or down, or lying on both sides, are kThumbAcross wide and kThumbAlong
// high; the others are turned.
constexpr int kThumbAcross = 7, kThumbAlong = 15;
constexpr TColor kFace = 0xC8C8C8;     // the skin's ButtonFace (200, 200, 200)
constexpr TColor kParent = 0x306090;   // the colour of the panel the controls sit on

// The frame-test skin with the control elements added; buttonKeys go into its Buttons
// section. Its Progress is of Style 1, a one-frame trough (kTrough) that chunks fill, or
// of Style 0, the trough and the fill as frames 1 and 2 of kProgress.
skintest::TTestSkin ControlSkin(const std::string& buttonKeys = "", int progressStyle = 1);

// The control's client area as WM_PRINTCLIENT paints it, in a bitmap of its size.
std::unique_ptr<TBitmap> Printed(HWND window);
// The whole control, its border included, as its skinner paints it, in a bitmap of its size.
std::unique_ptr<TBitmap> PaintedWhole(TSkinControl& skinner);
// The bounding box of the pixels that are not `background`, in rect.
RECT BoxOfOthers(const TBitmap& bitmap, const RECT& rect, TColor background);
// The colour on a painted scroll bar's middle line, `along` pixels from its start.
TColor BarColourAt(const TBitmap& bar, bool vertical, int along);
// The length of a scroll bar's arrow buttons along the bar.
int ArrowLength(bool vertical);
// The skinner the form's frame skinner holds for a control, or null.
const TSkinControl* SkinnerFor(frametest::SkinnedForm& form, const TControl& control);

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // A control of type C on the panel, with its window when it has one.
    template <class C>
    C& Make(int left, int top, int width, int height) {
        auto* control = new C(form_);
        control->SetParent(panel_);
        control->SetBounds(left, top, width, height);
        if constexpr (std::is_base_of_v<TWinControl, C>) control->HandleNeeded();
        return *control;
    }
    // A skinner of type S in `mode` on the control, kept until the test ends.
    template <class S>
    S& Skin(TControl& control, int mode = 0) {
        auto skinner = std::make_unique<S>();
        skinner->SetMode(mode);
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
