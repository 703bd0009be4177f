// TBitmap: loading bitmap files of every depth into DIB sections and reading them back both
// through the rows and through GDI.
#include <gtest/gtest.h>

#include "tests/unit/image/BmpBuilder.h"
#include "tests/support/TempFolder.h"
#include "toolkit/Graphics.h"

using namespace pelmar::testing;

namespace {

// Pattern() gives 0x00RRGGBB; GDI speaks 0x00BBGGRR.
TColor AsColor(std::uint32_t rgb) {
    return static_cast<TColor>((rgb & 0xFF) << 16 | (rgb & 0xFF00) | (rgb >> 16 & 0xFF));
}

void LoadBytes(TBitmap& bitmap, const std::vector<std::uint8_t>& bytes) {
    TMemoryStream stream;
    stream.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    stream.SetPosition(0);
    bitmap.LoadFromStream(stream);
}

struct LoadCase {
    int bitsPerPixel;
    bool topDown;
};

class BitmapLoad : public ::testing::TestWithParam<LoadCase> {};

TEST_P(BitmapLoad, PixelsReachTheDibSectionTheRightWayUp) {
    const auto [bpp, topDown] = GetParam();
    BmpShape shape{.width = 11, .height = 6, .bitsPerPixel = bpp, .topDown = topDown};
    std::function<std::uint32_t(int, int)> raw = Pattern, expected = Pattern;
    if (bpp <= 8) {
        shape.palette = TestPalette(std::size_t{1} << bpp);
        raw = [bpp](int x, int y) { return static_cast<std::uint32_t>(x + 2 * y) & ((1u << bpp) - 1); };
        expected = [&shape, raw](int x, int y) { return shape.palette[raw(x, y)]; };
    }
    TBitmap bitmap;
    LoadBytes(bitmap, MakeBmp(shape, raw));
    ASSERT_EQ(bitmap.Width(), 11);
    ASSERT_EQ(bitmap.Height(), 6);
    EXPECT_EQ(bitmap.PixelFormat(), bpp == 32 ? pf32bit : pf24bit);
    const int bytesPerPixel = bpp == 32 ? 4 : 3;
    for (int y = 0; y < 6; ++y) {
        const std::uint8_t* row = bitmap.ScanLine(y);
        for (int x = 0; x < 11; ++x) {
            const std::uint8_t* p = row + x * bytesPerPixel;
            ASSERT_EQ(static_cast<std::uint32_t>(p[2] << 16 | p[1] << 8 | p[0]), expected(x, y)) << x << "," << y;
            ASSERT_EQ(bitmap.Canvas()->Pixels(x, y), AsColor(expected(x, y))) << x << "," << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Depths, BitmapLoad,
                         ::testing::Values(LoadCase{1, false}, LoadCase{1, true}, LoadCase{4, false},
                                           LoadCase{4, true}, LoadCase{8, false}, LoadCase{8, true},
                                           LoadCase{24, false}, LoadCase{24, true}, LoadCase{32, false},
                                           LoadCase{32, true}));

TEST(Bitmap, RefusedFileLeavesTheBitmapAsItWas) {
    TBitmap bitmap;
    LoadBytes(bitmap, MakeBmp({.width = 2, .height = 2, .bitsPerPixel = 24}, Pattern));
    auto damaged = MakeBmp({.width = 3, .height = 3, .bitsPerPixel = 24}, Pattern);
    damaged.resize(damaged.size() - 1);
    try {
        LoadBytes(bitmap, damaged);
        FAIL() << "truncated file accepted";
    } catch (const EInvalidGraphic& e) {
        EXPECT_NE(e.Message().find("truncated pixel data"), std::string::npos) << e.Message();
    }
    EXPECT_EQ(bitmap.Width(), 2);
    EXPECT_EQ(bitmap.Canvas()->Pixels(1, 1), AsColor(Pattern(1, 1)));
}

TEST(Bitmap, StreamAndFileRoundTrip) {
    TempFolder folder;
    TBitmap bitmap;
    bitmap.SetPixelFormat(pf32bit);
    bitmap.SetSize(5, 3);
    bitmap.Canvas()->Brush()->SetColor(clRed);
    bitmap.Canvas()->FillRect(Rect(1, 1, 4, 2));
    bitmap.SaveToFile(folder / "red.bmp");

    TBitmap back;
    back.LoadFromFile(folder / "red.bmp");
    EXPECT_EQ(back.PixelFormat(), pf32bit);
    EXPECT_EQ(back.Width(), 5);
    EXPECT_EQ(back.Canvas()->Pixels(2, 1), clRed);
    EXPECT_EQ(back.Canvas()->Pixels(0, 0), clBlack);
    EXPECT_THROW(back.LoadFromFile(folder / "missing.bmp"), EFOpenError);
    EXPECT_THROW(back.SaveToFile(folder / "no folder\\x.bmp"), EFCreateError);
}

TEST(Bitmap, ResizeKeepsTheSharedPartAndFormatChangesConvert) {
    TBitmap bitmap;
    bitmap.SetSize(4, 4);
    bitmap.Canvas()->Brush()->SetColor(clLime);
    bitmap.Canvas()->FillRect(Rect(0, 0, 4, 4));
    bitmap.SetSize(6, 2);
    EXPECT_EQ(bitmap.Canvas()->Pixels(3, 1), clLime);
    EXPECT_EQ(bitmap.Canvas()->Pixels(5, 1), clBlack);
    bitmap.SetPixelFormat(pf32bit);
    EXPECT_EQ(bitmap.PixelFormat(), pf32bit);
    EXPECT_EQ(bitmap.ScanLine(1)[3 * 4 + 1], 0xFF);  // green byte of pixel 3
    EXPECT_THROW(bitmap.SetPixelFormat(pf8bit), EInvalidGraphic);
    EXPECT_THROW(bitmap.ScanLine(2), EInvalidGraphic);
}

// Pixels written through the rows show in GDI drawing, and GDI drawing shows in the rows.
TEST(Bitmap, RowsAndCanvasSeeEachOther) {
    TBitmap bitmap;
    bitmap.SetSize(3, 3);
    bitmap.Canvas()->SetPixel(0, 0, clBlue);
    EXPECT_EQ(bitmap.ScanLine(0)[0], 0xFF);  // blue byte
    bitmap.ScanLine(2)[2 * 3 + 2] = 0x80;    // red byte of (2, 2)
    EXPECT_EQ(bitmap.Canvas()->Pixels(2, 2), 0x000080);
}

TEST(Bitmap, AssignCopiesPixelsAndTransparency) {
    TBitmap source;
    source.SetSize(2, 2);
    source.Canvas()->SetPixel(1, 0, clYellow);
    source.SetTransparent(true);
    source.SetTransparentColor(clYellow);
    TBitmap copy;
    copy.Assign(source);
    source.Canvas()->SetPixel(1, 0, clNavy);
    EXPECT_EQ(copy.Canvas()->Pixels(1, 0), clYellow);
    EXPECT_TRUE(copy.Transparent());
    EXPECT_EQ(copy.TransparentColor(), clYellow);
    TFont font;
    EXPECT_THROW(copy.Assign(font), EConvertError);
}

TEST(Bitmap, AutomaticTransparentColourIsTheBottomLeftPixel) {
    TBitmap bitmap;
    bitmap.SetSize(3, 3);
    bitmap.Canvas()->SetPixel(0, 2, clFuchsia);
    EXPECT_EQ(bitmap.TransparentMode(), tmAuto);
    EXPECT_EQ(bitmap.TransparentColor(), clFuchsia);
    bitmap.SetTransparentColor(clWhite);
    EXPECT_EQ(bitmap.TransparentMode(), tmFixed);
    EXPECT_EQ(bitmap.TransparentColor(), clWhite);
    TBitmap empty;
    EXPECT_EQ(empty.TransparentColor(), clDefault);
}

// A bitmap resource of the test program: the four glyphs of a 64 x 16 monochrome strip.
TEST(Bitmap, LoadsABitmapResource) {
    TBitmap bitmap;
    bitmap.LoadFromResourceName(GetModuleHandleA(nullptr), "TESTGLYPHS");
    ASSERT_EQ(bitmap.Width(), 64);
    ASSERT_EQ(bitmap.Height(), 16);
    EXPECT_EQ(bitmap.Canvas()->Pixels(0, 0), clWhite);
    EXPECT_EQ(bitmap.Canvas()->Pixels(3, 3), clBlack);    // glyph 0 starts at (3, 3)
    EXPECT_EQ(bitmap.Canvas()->Pixels(16, 0), clWhite);
    EXPECT_THROW(bitmap.LoadFromResourceName(GetModuleHandleA(nullptr), "NOSUCHBITMAP"), EResNotFound);
    EXPECT_EQ(bitmap.Width(), 64);
}

TEST(Icon, TakesOwnershipAndDraws) {
    TIcon icon;
    icon.SetHandle(CopyIcon(LoadIconA(nullptr, MAKEINTRESOURCEA(32512))));  // IDI_APPLICATION
    EXPECT_EQ(icon.Width(), GetSystemMetrics(SM_CXICON));
    EXPECT_EQ(icon.Height(), GetSystemMetrics(SM_CYICON));
    TBitmap bitmap;
    bitmap.SetSize(icon.Width(), icon.Height());
    bitmap.Canvas()->Brush()->SetColor(clFuchsia);
    bitmap.Canvas()->FillRect(Rect(0, 0, icon.Width(), icon.Height()));
    bitmap.Canvas()->Draw(0, 0, icon);
    int changed = 0;
    for (int y = 0; y < icon.Height(); ++y)
        for (int x = 0; x < icon.Width(); ++x) changed += bitmap.Canvas()->Pixels(x, y) != clFuchsia;
    EXPECT_GT(changed, 0);
    EXPECT_THROW(icon.LoadFromResourceName(GetModuleHandleA(nullptr), "NOSUCHICON"), EResNotFound);
    EXPECT_NE(icon.Handle(), nullptr);  // a failed load keeps the icon
    HICON released = icon.ReleaseHandle();
    EXPECT_EQ(icon.Handle(), nullptr);
    EXPECT_TRUE(DestroyIcon(released));
}

}  // namespace
