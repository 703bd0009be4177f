// The painters compose skin images into memory device contexts; every expectation is
// worked out from the record's own bitmap, whose pixels name where they come from.
#include <gtest/gtest.h>

#include <climits>

#include "skin/ImgUtil.h"
#include "skin/engine/SkinPaint.h"
#include "tests/win32/skin/TestSkins.h"

namespace {

using skintest::PixelOf;

// Frames of 12 x 12 with margins 3 (left), 4 (top), 5 (right), 2 (bottom): a centre of
// 4 x 6 pixels. Each pixel carries its place in the frame (red x, green y) and its frame
// number (blue), so a painted pixel tells where it was read.
constexpr int kSide = 12, kLeft = 3, kTop = 4, kRight = 5, kBottom = 2;
constexpr TColor kBackground = 0x00C0C0C0;

struct TSource {
    int x, y, frame;
};

void MakeRecord(TDataSkinObject& record, int frames, bool stacked) {
    const int width = stacked ? kSide : kSide * frames;
    const int height = stacked ? kSide * frames : kSide;
    skintest::FillBitmap(record.Image, width, height, [](int x, int y) {
        const int frame = (x / kSide + y / kSide) + 1;
        return static_cast<TColor>((x % kSide) | (y % kSide) << 8 | frame << 16);
    });
    record.FrameCount = frames;
    record.LeftWidth = kLeft;
    record.TopHeight = kTop;
    record.RightWidth = kRight;
    record.BottomHeight = kBottom;
}

// A 60 x 50 memory context on a grey background.
struct TCanvasUnderTest {
    TCanvasUnderTest() { skintest::FillBitmap(bitmap, 60, 50, [](int, int) { return kBackground; }); }
    HDC Dc() { return bitmap.Canvas()->Handle(); }
    TSource At(int x, int y) const {
        const TColor c = PixelOf(bitmap, x, y);
        return {static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>(c >> 16)};
    }
    TBitmap bitmap;
};

// Checks the nine slices of a frame painted on target: corners at their size, edges and
// centre either tiled (the source repeats) or stretched (the source advances evenly from
// the first centre pixel to the last).
void ExpectNineSlice(const TCanvasUnderTest& canvas, const TRect& target, int frame, bool tiled) {
    const int width = RectWidth(target), height = RectHeight(target);
    auto expectAxis = [&](auto sourceAt, int length, int low, int high, bool tile) {
        int previous = -1;
        for (int i = 0; i < length; ++i) {
            const int s = sourceAt(i);
            if (i < low) {
                EXPECT_EQ(s, i);
            } else if (i >= length - high) {
                EXPECT_EQ(s, kSide - (length - i));
            } else if (tile) {
                EXPECT_EQ(s, low + (i - low) % (kSide - low - high)) << i;
            } else {
                EXPECT_GE(s, std::max(previous, low)) << i;
                previous = s;
            }
        }
        if (!tile) {
            EXPECT_EQ(previous, kSide - high - 1);
        }
    };
    for (int y = 0; y < height; ++y) {
        const bool centreRow = y >= kTop && y < height - kBottom;
        expectAxis([&](int x) { return canvas.At(target.left + x, target.top + y).x; }, width, kLeft, kRight,
                   tiled && centreRow);
    }
    for (int x = 0; x < width; ++x) {
        const bool centreColumn = x >= kLeft && x < width - kRight;
        expectAxis([&](int y) { return canvas.At(target.left + x, target.top + y).y; }, height, kTop, kBottom,
                   tiled && centreColumn);
    }
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) ASSERT_EQ(canvas.At(target.left + x, target.top + y).frame, frame);
    EXPECT_EQ(PixelOf(canvas.bitmap, target.left - 1, target.top), kBackground);
    EXPECT_EQ(PixelOf(canvas.bitmap, target.right, target.bottom - 1), kBackground);
}

struct TBorderCase {
    TBorderPart part;
    int frames;
    bool active;
    int tile;
    int expectedFrame;
    bool tiled;
};

class BorderPartTest : public ::testing::TestWithParam<TBorderCase> {};

TEST_P(BorderPartTest, ComposesTheChosenFrameAsANineSlice) {
    const TBorderCase c = GetParam();
    TDataSkinBorder border;
    MakeRecord(border, c.frames, c.part == bpTitle || c.part == bpBottom);
    border.Tile = c.tile;
    TCanvasUnderTest canvas;
    const TRect target = Bounds(5, 7, 41, 29);
    DrawBorderPart(canvas.Dc(), target, border, c.part, c.active);
    ExpectNineSlice(canvas, target, c.expectedFrame, c.tiled);
}

INSTANTIATE_TEST_SUITE_P(Parts, BorderPartTest,
                         ::testing::Values(TBorderCase{bpLeft, 2, true, 1, 1, false},
                                           TBorderCase{bpRight, 2, false, 0, 2, true},
                                           TBorderCase{bpTitle, 2, true, 2, 1, true},
                                           TBorderCase{bpTitle, 2, false, 1, 2, false},
                                           TBorderCase{bpBottom, 2, false, 0, 2, true},
                                           TBorderCase{bpTitle, 1, false, 1, 1, false},
                                           TBorderCase{bpLeft, 1, false, 0, 1, true}));

struct TElementCase {
    int tile;
    int frame;
    int expectedFrame;
    bool tiled;
};

class ElementTest : public ::testing::TestWithParam<TElementCase> {};

TEST_P(ElementTest, TilesTheCentreUnlessTileIsZero) {
    const TElementCase c = GetParam();
    TDataSkinObject element;
    MakeRecord(element, 3, false);
    element.Tile = c.tile;
    TCanvasUnderTest canvas;
    const TRect target = Bounds(2, 3, 37, 26);
    DrawElement(canvas.Dc(), target, element, c.frame);
    ExpectNineSlice(canvas, target, c.expectedFrame, c.tiled);
}

INSTANTIATE_TEST_SUITE_P(Frames, ElementTest,
                         ::testing::Values(TElementCase{0, 1, 1, false}, TElementCase{1, 2, 2, true},
                                           TElementCase{2, 3, 3, true}, TElementCase{0, 9, 3, false},
                                           TElementCase{1, -4, 1, true}));

TEST(SkinPaintTest, MirroredElementShowsTheSameFrameTurnedRoundWithItsMarginsSwapped) {
    TDataSkinBorder element;
    MakeRecord(element, 3, false);
    element.Image2.Assign(element.Image);
    MirrorBitmap(element.Image2);
    TCanvasUnderTest canvas;
    const TRect target = Bounds(2, 3, 37, 26);
    DrawMirroredElement(canvas.Dc(), target, element, element.Image2, 1);
    for (int x = 0; x < RectWidth(target); ++x) EXPECT_EQ(canvas.At(target.left + x, 10).frame, 1) << x;
    for (int i = 0; i < kRight; ++i) EXPECT_EQ(canvas.At(target.left + i, 10).x, kSide - 1 - i) << "right edge now at the left";
    for (int i = 0; i < kLeft; ++i) EXPECT_EQ(canvas.At(target.right - 1 - i, 10).x, i) << "left edge now at the right";
}

TEST(SkinPaintTest, MarginsThatDoNotFitTheTargetCountAsZero) {
    TDataSkinBorder border;
    MakeRecord(border, 1, false);
    border.Tile = 1;
    TCanvasUnderTest canvas;
    // 7 wide is less than 3 + 5, 5 high less than 4 + 2: the whole frame is stretched.
    DrawBorderPart(canvas.Dc(), Bounds(10, 10, 7, 5), border, bpLeft, true);
    for (int i = 0; i < 7; ++i) EXPECT_EQ(canvas.At(10 + i, 10).x, i * kSide / 7);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(canvas.At(10, 10 + i).y, i * kSide / 5);
}

TEST(SkinPaintTest, MagentaIsLeftOutOnlyWhenTransIsOne) {
    TDataSkinObject element;
    skintest::FillBitmap(element.Image, 4, 4, [](int x, int) { return x < 2 ? clFuchsia : clNavy; });
    element.FrameCount = 1;
    for (int trans : {0, 1, 2}) {
        element.Trans = trans;
        TCanvasUnderTest canvas;
        DrawElement(canvas.Dc(), Bounds(0, 0, 4, 4), element, 1);
        EXPECT_EQ(PixelOf(canvas.bitmap, 0, 0), trans == 1 ? kBackground : clFuchsia) << trans;
        EXPECT_EQ(PixelOf(canvas.bitmap, 3, 3), clNavy) << trans;
    }
}

TEST(SkinPaintTest, TextBackgroundKeepsItsEndsAndStretchesItsMiddle) {
    TDataSkinTitle title;
    // Two frames of 8 x 4 side by side: ends of 2 (left) and 3 (right), magenta corners.
    skintest::FillBitmap(title.Image, 16, 4, [](int x, int y) {
        const int fx = x % 8;
        if ((fx == 0 || fx == 7) && y == 0) return clFuchsia;
        return static_cast<TColor>(fx | (x / 8 + 1) << 16);
    });
    title.FrameCount = 2;
    title.TXTBackleft = 2;
    title.TXTBackRight = 3;
    for (bool active : {true, false}) {
        TCanvasUnderTest canvas;
        DrawTextBackground(canvas.Dc(), Bounds(10, 20, 30, 8), title, active);
        EXPECT_EQ(PixelOf(canvas.bitmap, 10, 20), kBackground);
        EXPECT_EQ(PixelOf(canvas.bitmap, 39, 20), kBackground);
        const int frame = active ? 1 : 2;
        // Columns of the left end, the first and last of the stretched middle, the right end.
        const int columns[] = {10, 11, 12, 13, 36, 37, 38, 39};
        const int expected[] = {0, 1, 2, 2, 4, 5, 6, 7};
        for (int i = 0; i < 8; ++i) {
            const TSource s = canvas.At(columns[i], 27);
            EXPECT_EQ(s.x, expected[i]) << columns[i];
            EXPECT_EQ(s.frame, frame);
        }
    }
}

// Hostile records and targets: nothing drawn where nothing can be, never a read outside
// the image, and a target larger than any context costs only the context's area.
struct THostileCase {
    const char* what;
    int imageWidth, imageHeight, frames;
    int left, top, right, bottom;  // margins
    TRect target;
    bool paints;
};

class HostileRecordTest : public ::testing::TestWithParam<THostileCase> {};

TEST_P(HostileRecordTest, PaintsWithoutACrash) {
    const THostileCase c = GetParam();
    TDataSkinBorder record;
    if (c.imageWidth > 0) skintest::FillBitmap(record.Image, c.imageWidth, c.imageHeight, [](int, int) { return clRed; });
    record.FrameCount = c.frames;
    record.LeftWidth = c.left;
    record.TopHeight = c.top;
    record.RightWidth = c.right;
    record.BottomHeight = c.bottom;
    record.Trans = 1;
    for (int tile : {0, 1}) {
        record.Tile = tile;
        for (TBorderPart part : {bpLeft, bpTitle}) {
            TCanvasUnderTest canvas;
            DrawBorderPart(canvas.Dc(), c.target, record, part, false);
            DrawElement(canvas.Dc(), c.target, record, 2);
            bool painted = false;
            for (int y = 0; y < 50; ++y)
                for (int x = 0; x < 60; ++x) painted |= PixelOf(canvas.bitmap, x, y) != kBackground;
            EXPECT_EQ(painted, c.paints) << c.what;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Records, HostileRecordTest,
    ::testing::Values(THostileCase{"empty image", 0, 0, 1, 0, 0, 0, 0, Bounds(0, 0, 20, 20), false},
                      THostileCase{"no frames", 8, 8, 0, 0, 0, 0, 0, Bounds(0, 0, 20, 20), false},
                      THostileCase{"negative frames", 8, 8, -3, 0, 0, 0, 0, Bounds(0, 0, 20, 20), false},
                      THostileCase{"more frames than pixels", 8, 8, 9, 0, 0, 0, 0, Bounds(0, 0, 20, 20), false},
                      THostileCase{"negative margins", 8, 8, 2, -50, -7, INT_MIN, -1, Bounds(0, 0, 20, 20), true},
                      THostileCase{"huge margins", 8, 8, 2, INT_MAX, INT_MAX, INT_MAX, 5, Bounds(0, 0, 20, 20), true},
                      THostileCase{"margins past the frame", 8, 8, 1, 7, 7, 6, 6, Bounds(0, 0, 20, 20), true},
                      THostileCase{"zero-sized target", 8, 8, 2, 1, 1, 1, 1, Bounds(5, 5, 0, 0), false},
                      THostileCase{"negative target", 8, 8, 2, 1, 1, 1, 1, Rect(30, 30, 10, 10), false},
                      THostileCase{"target outside", 8, 8, 2, 1, 1, 1, 1, Bounds(-100, 5, 50, 9), false},
                      THostileCase{"huge target", 8, 8, 2, 2, 2, 2, 2, Rect(INT_MIN, INT_MIN, INT_MAX, INT_MAX), true},
                      THostileCase{"huge image", 32767, 2, 2, 3, 0, 3, 0, Bounds(0, 0, 60, 50), true}));

}  // namespace

namespace {

// Contexts of every kind get the same picture: the painters write the pixels of a
// device-independent bitmap themselves (whichever way up its rows lie in memory) and go
// through GDI for the others, and for a clip that is not a rectangle.
enum class TContextKind { BottomUpDib, DeviceBitmap, ClippedToTwoRectangles };

class ContextKindTest : public ::testing::TestWithParam<TContextKind> {};

TEST_P(ContextKindTest, GetsTheSamePixelsAsABitmapsCanvas) {
    TDataSkinObject element;
    MakeRecord(element, 2, false);
    element.Trans = 1;
    element.Image.Pixels().SetPixel(kSide + 1, 1, 0xFF00FF);  // one magenta pixel in frame 2
    const TRect target = Bounds(3, 5, 30, 20);
    TCanvasUnderTest expected;
    DrawElement(expected.Dc(), target, element, 2);

    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 60, 50, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = GetParam() == TContextKind::DeviceBitmap
                         ? CreateCompatibleBitmap(screen, 60, 50)
                         : CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    HBRUSH grey = CreateSolidBrush(kBackground);
    const RECT all = Rect(0, 0, 60, 50);
    FillRect(dc, &all, grey);
    DeleteObject(grey);
    const bool clipped = GetParam() == TContextKind::ClippedToTwoRectangles;
    if (clipped) {
        HRGN region = CreateRectRgn(0, 0, 60, 12);
        HRGN lower = CreateRectRgn(0, 18, 60, 50);
        CombineRgn(region, region, lower, RGN_OR);
        SelectClipRgn(dc, region);
        DeleteObject(region);
        DeleteObject(lower);
    }
    DrawElement(dc, target, element, 2);
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 60; ++x) {
            const TColor wanted = clipped && y >= 12 && y < 18 ? kBackground : PixelOf(expected.bitmap, x, y);
            ASSERT_EQ(GetPixel(dc, x, y), wanted) << x << "," << y;
        }
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

INSTANTIATE_TEST_SUITE_P(Contexts, ContextKindTest,
                         ::testing::Values(TContextKind::BottomUpDib, TContextKind::DeviceBitmap,
                                           TContextKind::ClippedToTwoRectangles));

}  // namespace
