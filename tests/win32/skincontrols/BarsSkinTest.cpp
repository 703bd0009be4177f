// Progress bars, track bars and date-time pickers drawn from the skin.
#include "ControlFixture.h"

#include <functional>

#include <commctrl.h>

#include "skin/controls/SkinDateTime.h"
#include "skin/controls/SkinProgress.h"
#include "skin/controls/SkinTrackBar.h"
#include "toolkit/ComCtrls.h"

using namespace controltest;

namespace {

constexpr int kBarLength = 100, kBarThickness = 16;

// The bar's colour `along` pixels from where it starts filling: the left, or the bottom.
TColor AlongBar(const TBitmap& bar, bool vertical, int along) {
    return vertical ? skintest::PixelOf(bar, kBarThickness / 2, kBarLength - 1 - along)
                    : skintest::PixelOf(bar, along, kBarThickness / 2);
}

RECT TrackBarRect(HWND bar, UINT message) {
    RECT r{};
    SendMessageA(bar, message, 0, reinterpret_cast<LPARAM>(&r));
    return r;
}

POINT Centre(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

TColor ThumbCentre(HWND bar) {
    const POINT c = Centre(TrackBarRect(bar, TBM_GETTHUMBRECT));
    return skintest::PixelOf(*Printed(bar), c.x, c.y);
}

}  // namespace

// Chunks start 2 pixels into the bar and are kChunkWidth apart, so half of the 96 pixels
// inside takes six whole chunks; a fill of Style 0 covers the bar's own length.
TEST_F(ControlsTest, ProgressBarFillsAsFarAsItsPositionInBothDirections) {
    struct Case {
        int style;
        bool vertical;
        int position;
        TColor start, gap, pastHalf, nearEnd;
    };
    const TColor trough = PartColour(kTrough, 1), chunk = PartColour(kChunk, 1);
    const TColor empty = PartColour(kProgress, 1), fill = PartColour(kProgress, 2);
    const Case cases[] = {
        {1, false, 0, trough, trough, trough, trough},   {1, false, 50, chunk, trough, trough, trough},
        {1, false, 100, chunk, trough, chunk, chunk},    {1, true, 0, trough, trough, trough, trough},
        {1, true, 50, chunk, trough, trough, trough},    {1, true, 100, chunk, trough, chunk, chunk},
        {0, false, 0, empty, empty, empty, empty},       {0, false, 50, fill, fill, empty, empty},
        {0, true, 50, fill, fill, empty, empty},         {0, true, 100, fill, fill, fill, fill},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "style " << c.style << (c.vertical ? " vertical " : " horizontal ")
                                        << c.position << " %");
        LoadSkin(ControlSkin("", c.style));
        TProgressBar& bar = Make<TProgressBar>(10, 10, kBarLength, kBarThickness);
        if (c.vertical) bar.SetOrientation(pbVertical);
        bar.SetPosition(c.position);
        Skin<TSkinProgress>(bar);
        const std::unique_ptr<TBitmap> painted = Printed(bar.Handle());
        EXPECT_EQ(AlongBar(*painted, c.vertical, 3), c.start);
        EXPECT_EQ(AlongBar(*painted, c.vertical, 2 + kChunkPainted + 1), c.gap);
        EXPECT_EQ(AlongBar(*painted, c.vertical, 53), c.pastHalf);
        EXPECT_EQ(AlongBar(*painted, c.vertical, 93), c.nearEnd);
    }
    EXPECT_EQ(TSkinProgress::FilledLength(7, 5, 5, 100), 0) << "an empty range fills nothing";
}

TEST_F(ControlsTest, ProgressBarPaintsItselfWhenTheSkinHasNoProgress) {
    LoadSkin(frametest::FrameSkin());
    TProgressBar& bar = Make<TProgressBar>(10, 10, kBarLength, kBarThickness);
    bar.SetPosition(50);
    const std::unique_ptr<TBitmap> own = Printed(bar.Handle());
    Skin<TSkinProgress>(bar);
    const std::unique_ptr<TBitmap> skinned = Printed(bar.Handle());
    for (int along : {3, 53}) EXPECT_EQ(AlongBar(*skinned, false, along), AlongBar(*own, false, along));
}

TEST_F(ControlsTest, TrackBarThumbPointsAtTheTicksOnTheSkinsChannel) {
    struct Case {
        TTrackBarOrientation orientation;
        TTickMark marks;
        TPart thumb, track;
    };
    const Case cases[] = {
        {trHorizontal, tmBottomRight, kThumbDown, kTrack}, {trHorizontal, tmTopLeft, kThumbUp, kTrack},
        {trHorizontal, tmBoth, kThumbHorz, kTrack},        {trVertical, tmBottomRight, kThumbRight, kTrackVert},
        {trVertical, tmTopLeft, kThumbLeft, kTrackVert},   {trVertical, tmBoth, kThumbVert, kTrackVert},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "orientation " << c.orientation << ", ticks " << c.marks);
        TTrackBar& bar = Make<TTrackBar>(10, 10, 200, 45);
        bar.SetOrientation(c.orientation);
        bar.SetTickMarks(c.marks);
        bar.SetPosition(5);
        Skin<TSkinTrackBar>(bar);
        const std::unique_ptr<TBitmap> painted = Printed(bar.Handle());
        const RECT thumb = TrackBarRect(bar.Handle(), TBM_GETTHUMBRECT);
        const RECT channel = TrackBarRect(bar.Handle(), TBM_GETCHANNELRECT);
        const POINT centre = Centre(thumb);
        EXPECT_EQ(skintest::PixelOf(*painted, centre.x, centre.y), PartColour(c.thumb, 1));
        EXPECT_NE(skintest::PixelOf(*painted, thumb.left, centre.y), PartColour(c.thumb, 1)) << "at its own size";
        const POINT start = c.orientation == trVertical ? POINT{Centre(channel).x, channel.top + 2}
                                                        : POINT{channel.left + 2, Centre(channel).y};
        EXPECT_EQ(skintest::PixelOf(*painted, start.x, start.y), PartColour(c.track, 1));
    }
}

TEST_F(ControlsTest, TrackBarThumbShowsItsState) {
    struct Case {
        const char* what;
        std::function<void(TTrackBar&, POINT thumb)> act;
        int thumbFrame, trackFrame;
    };
    const auto send = [](UINT message, WPARAM keys) {
        return [=](TTrackBar& bar, POINT p) { SendMessageA(bar.Handle(), message, keys, MAKELPARAM(p.x, p.y)); };
    };
    const Case cases[] = {
        {"normal", [](TTrackBar&, POINT) {}, 1, 1},
        {"focused", [](TTrackBar& bar, POINT) { bar.SetFocus(); }, 5, 1},
        {"pointer over the thumb", send(WM_MOUSEMOVE, 0), 4, 1},
        {"pressed on the thumb", send(WM_LBUTTONDOWN, MK_LBUTTON), 2, 1},
        {"disabled", [](TTrackBar& bar, POINT) { bar.SetEnabled(false); }, 3, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TTrackBar& bar = Make<TTrackBar>(10, 10, 200, 45);
        bar.SetPosition(5);
        Skin<TSkinTrackBar>(bar);
        c.act(bar, Centre(TrackBarRect(bar.Handle(), TBM_GETTHUMBRECT)));
        EXPECT_EQ(ThumbCentre(bar.Handle()), PartColour(kThumbDown, c.thumbFrame));
        const RECT channel = TrackBarRect(bar.Handle(), TBM_GETCHANNELRECT);
        EXPECT_EQ(skintest::PixelOf(*Printed(bar.Handle()), channel.left + 2, Centre(channel).y),
                  PartColour(kTrack, c.trackFrame));
        ReleaseCapture();
    }
}

TEST_F(ControlsTest, DateTimePickerHasTheEditsBorderAndASkinnedArrowThatOpensTheCalendar) {
    TDateTimePicker& picker = Make<TDateTimePicker>(10, 10, 130, 21);
    TSkinDateTime& skinner = Skin<TSkinDateTime>(picker);
    EXPECT_EQ(skintest::PixelOf(*PaintedWhole(skinner), 0, 10), ColorToRGB(skin_->Colours().ButtonShadow));

    const HWND arrow = skinner.ArrowWindow();
    ASSERT_TRUE(arrow && IsWindowVisible(arrow));
    RECT r{};
    GetClientRect(arrow, &r);
    const POINT centre = Centre(r);
    const LPARAM at = MAKELPARAM(centre.x, centre.y);
    // The middle of frame n of the skin's combo arrow, which the button stretches over itself.
    const TDataSkinObject& image = *skin_->ComboxArrow();
    const int frameWidth = image.Image.Width() / image.FrameCount;
    const auto arrowFrame = [&](int n) {
        return skintest::PixelOf(image.Image, (n - 1) * frameWidth + frameWidth / 2, image.Image.Height() / 2);
    };
    const auto calendarShown = [&] {
        const auto calendar = reinterpret_cast<HWND>(SendMessageA(picker.Handle(), DTM_GETMONTHCAL, 0, 0));
        return calendar && IsWindowVisible(calendar);
    };
    struct Step {
        const char* what;
        std::function<void()> act;
        int frame;
        bool calendar;
    };
    const Step steps[] = {
        {"normal", [] {}, 1, false},
        {"pointer entered", [&] { SendMessageA(arrow, WM_MOUSEMOVE, 0, at); }, 4, false},
        {"pressed", [&] { SendMessageA(arrow, WM_LBUTTONDOWN, MK_LBUTTON, at); }, 2, false},
        {"released: a click", [&] { SendMessageA(arrow, WM_LBUTTONUP, 0, at); }, 4, true},
        {"pointer left", [&] { SendMessageA(arrow, WM_MOUSELEAVE, 0, 0); }, 1, true},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.act();
        EXPECT_EQ(skintest::PixelOf(*Printed(arrow), centre.x, centre.y), arrowFrame(step.frame));
        EXPECT_EQ(calendarShown(), step.calendar);
    }
    picker.SetEnabled(false);
    EXPECT_EQ(skintest::PixelOf(*Printed(arrow), centre.x, centre.y), arrowFrame(3)) << "disabled";
}
