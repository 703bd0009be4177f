#include "skin/ImgUtil.h"

#include <gtest/gtest.h>

#include "skin/WinSkinIni.h"

namespace {

// A 24-bit bitmap whose pixel (x, y) has the colour x + 16 y in red and y in blue, so
// that every pixel is told apart.
std::unique_ptr<TBitmap> NumberedBitmap(int width, int height) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetPixelFormat(pf24bit);
    bitmap->SetSize(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint8_t* p = bitmap->ScanLine(y) + 3 * x;
            p[0] = static_cast<std::uint8_t>(y);
            p[1] = 7;
            p[2] = static_cast<std::uint8_t>(x + 16 * y);
        }
    return bitmap;
}

TColor PixelAt(const TBitmap& bitmap, int x, int y) {
    const std::uint8_t* p = bitmap.ScanLine(y) + 3 * x;
    return p[2] | (p[1] << 8) | (p[0] << 16);
}

void ExpectSamePixels(const TBitmap& a, const TBitmap& b) {
    ASSERT_EQ(a.Width(), b.Width());
    ASSERT_EQ(a.Height(), b.Height());
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x) ASSERT_EQ(PixelAt(a, x, y), PixelAt(b, x, y)) << x << "," << y;
}

TEST(ImgUtilTest, PixelTransformsMoveEachPixelWhereTheTurnPutsIt) {
    auto original = NumberedBitmap(3, 2);

    auto mirrored = NumberedBitmap(3, 2);
    MirrorBitmap(*mirrored);
    EXPECT_EQ(PixelAt(*mirrored, 0, 1), PixelAt(*original, 2, 1));

    auto flipped = NumberedBitmap(3, 2);
    FlipBitmap(*flipped);
    EXPECT_EQ(PixelAt(*flipped, 2, 0), PixelAt(*original, 2, 1));

    auto left = NumberedBitmap(3, 2);
    RotateLeft(*left);
    ASSERT_EQ(left->Width(), 2);
    ASSERT_EQ(left->Height(), 3);
    EXPECT_EQ(PixelAt(*left, 0, 0), PixelAt(*original, 2, 0));  // old top-right is the new top-left
    EXPECT_EQ(PixelAt(*left, 1, 2), PixelAt(*original, 0, 1));

    auto right = NumberedBitmap(3, 2);
    RotateRight(*right);
    EXPECT_EQ(PixelAt(*right, 1, 0), PixelAt(*original, 0, 0));  // old top-left is the new top-right
    EXPECT_EQ(PixelAt(*right, 0, 2), PixelAt(*original, 2, 1));
}

TEST(ImgUtilTest, TransformsUndoThemselves) {
    auto original = NumberedBitmap(5, 3);
    auto bitmap = NumberedBitmap(5, 3);
    MirrorBitmap(*bitmap);
    MirrorBitmap(*bitmap);
    ExpectSamePixels(*bitmap, *original);
    RotateLeft(*bitmap);
    RotateRight(*bitmap);
    ExpectSamePixels(*bitmap, *original);
}

TEST(ImgUtilTest, ThirtyTwoBitBitmapsAreTransformedAsTwentyFourBit) {
    auto original = NumberedBitmap(4, 2);
    auto bitmap = NumberedBitmap(4, 2);
    bitmap->SetPixelFormat(pf32bit);
    MirrorBitmap(*bitmap);
    EXPECT_EQ(bitmap->PixelFormat(), pf24bit);
    EXPECT_EQ(PixelAt(*bitmap, 0, 0), PixelAt(*original, 3, 0));
}

TEST(ImgUtilTest, GreyScaleAndMagentaReplacement) {
    TBitmap bitmap;
    bitmap.SetSize(2, 1);
    bitmap.Canvas()->SetPixel(0, 0, 0x0A141E);   // R 30, G 20, B 10
    bitmap.Canvas()->SetPixel(1, 0, clFuchsia);
    ReplaceMagenta(bitmap, clBtnFace);            // taken as written: R 15, G 0, B 0
    EXPECT_EQ(PixelAt(bitmap, 0, 0), 0x0A141E);
    EXPECT_EQ(PixelAt(bitmap, 1, 0), 0x00000F);
    GrayScaleBitmap(bitmap);
    EXPECT_EQ(PixelAt(bitmap, 0, 0), 0x141414);
    EXPECT_EQ(PixelAt(bitmap, 1, 0), 0x050505);
}

TEST(ImgUtilTest, BlendUsesPerCentBelowAHundredAndPerMilleFromThere) {
    EXPECT_EQ(BlendColours(0x0000FF, 0x000000, 0), 0x000000);
    EXPECT_EQ(BlendColours(0x0000C8, 0x000000, 50), 0x000064);
    EXPECT_EQ(BlendColours(0x0000C8, 0x000000, 100), 0x000014);  // 10 %, not all of a
    EXPECT_EQ(BlendColours(0xC80000, 0x000000, 150), 0x1E0000);  // 15 %, blue channel
    EXPECT_EQ(BlendColours(clBtnFace, clBtnFace, 50), ColorToRGB(clBtnFace));
    EXPECT_EQ(BlendColours(0xFFFFFF, 0x000000, 2000), 0xFFFFFF);  // kept within a byte
}

TEST(ImgUtilTest, SaturationRoundsHalfToEvenAndFlagsDarkColours) {
    EXPECT_EQ(ColourSaturation(0x0000FF), 255);
    EXPECT_EQ(ColourSaturation(0x000096), 200);
    EXPECT_EQ(ColourSaturation(0xC8C8C8), 0);
    EXPECT_EQ(ColourSaturation(0x646464), 200);
    // 255 × 1 / 170 = 1.5 → 2; 255 × 3 / 170 = 4.5 → 4.
    EXPECT_EQ(ColourSaturation(0xA9A9AA), 2);
    EXPECT_EQ(ColourSaturation(0xA7A7AA), 4);
}

TEST(ImgUtilTest, GradientRampsEndInBothColoursAndAreCached) {
    const int slot = GetGradient(3, 0x000004, 0x000000);
    EXPECT_EQ(GradientRamp(slot), (std::vector<TColor>{4, 2, 0}));
    const int falling = GetGradient(3, 0x000001, 0x000000);
    EXPECT_EQ(GradientRamp(falling).back(), 0);
    EXPECT_EQ(GradientRamp(GetGradient(1, 0x000000, 0x00000A)), (std::vector<TColor>{5}));
    EXPECT_EQ(GetGradient(3, 0x000004, 0x000000), slot);
    for (int i = 0; i < 16; ++i) GetGradient(100 + i, 0, 0xFFFFFF);
    const int rebuilt = GetGradient(3, 0x000004, 0x000000);
    EXPECT_EQ(GradientRamp(rebuilt), (std::vector<TColor>{4, 2, 0}));
    EXPECT_THROW(GetGradient(0, 0, 0), EAssertionFailed);
}

TEST(ImgUtilTest, GradientFillDrawsOnlyVisibleBandsInTheirWholeRampColours) {
    TBitmap bitmap;
    bitmap.SetSize(10, 20);
    bitmap.Canvas()->Brush()->SetColor(clBlack);
    bitmap.Canvas()->FillRect(Rect(0, 0, 10, 20));
    HDC dc = bitmap.Canvas()->Handle();
    HRGN clip = CreateRectRgn(0, 0, 10, 10);
    SelectClipRgn(dc, clip);
    DeleteObject(clip);
    // The ramp runs over all twenty rows; the clip box lets the top ten be drawn.
    GradientFill(dc, Rect(0, 0, 10, 20), 0x000000, true, 0x0000C8);
    SelectClipRgn(dc, nullptr);
    const std::vector<TColor>& ramp = GradientRamp(GetGradient(20, 0x000000, 0x0000C8));
    EXPECT_EQ(PixelAt(bitmap, 3, 0), ramp[0]);
    EXPECT_EQ(PixelAt(bitmap, 3, 9), ramp[9]);
    EXPECT_EQ(PixelAt(bitmap, 3, 10), 0);  // outside the clip box
    EXPECT_EQ(ramp.back(), 0x0000C8);

    GradientFill(dc, Rect(0, 0, 10, 20), 0x0000FF, false, 0xFF0000);
    EXPECT_EQ(PixelAt(bitmap, 0, 15), 0x0000FF);
    EXPECT_EQ(PixelAt(bitmap, 9, 15), 0xFF0000);
}

}  // namespace
