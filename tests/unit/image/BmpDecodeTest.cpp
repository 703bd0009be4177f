#include <gtest/gtest.h>

#include "tests/unit/image/BmpBuilder.h"
#include "toolkit/BmpCodec.h"

using namespace pelmar::image;
using pelmar::testing::BmpShape;
using pelmar::testing::MakeBmp;
using pelmar::testing::Pattern;
using pelmar::testing::TestPalette;

namespace {

void ExpectPixels(const PixelBuffer& image, int width, int height, const std::function<std::uint32_t(int, int)>& rgb) {
    ASSERT_EQ(image.Width(), width);
    ASSERT_EQ(image.Height(), height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            ASSERT_EQ(image.Pixel(x, y) & 0xFFFFFF, rgb(x, y)) << "at " << x << "," << y;
}

std::uint32_t Expand5(std::uint32_t v) { return (v * 255 + 15) / 31; }
std::uint32_t Expand6(std::uint32_t v) { return (v * 255 + 31) / 63; }

struct DepthCase {
    int bitsPerPixel;
    bool topDown;
};

class BmpDepths : public ::testing::TestWithParam<DepthCase> {};

// Odd widths leave padding at the end of each row and split the last byte of 1- and 4-bit rows.
TEST_P(BmpDepths, DecodesEveryPixelInPlace) {
    const auto [bpp, topDown] = GetParam();
    BmpShape shape{.width = 13, .height = 7, .bitsPerPixel = bpp, .topDown = topDown};
    std::function<std::uint32_t(int, int)> raw, expected;
    if (bpp <= 8) {
        shape.palette = TestPalette(std::size_t{1} << bpp);
        const std::uint32_t mask = (1u << bpp) - 1;
        raw = [mask](int x, int y) { return static_cast<std::uint32_t>(x * 3 + y * 5) & mask; };
        expected = [&shape, raw](int x, int y) { return shape.palette[raw(x, y)]; };
    } else if (bpp == 16) {
        raw = [](int x, int y) { return static_cast<std::uint32_t>(x * 977 + y * 3301) & 0x7FFF; };
        expected = [raw](int x, int y) {
            const std::uint32_t v = raw(x, y);
            return Expand5(v >> 10 & 31) << 16 | Expand5(v >> 5 & 31) << 8 | Expand5(v & 31);
        };
    } else {
        raw = [](int x, int y) { return Pattern(x, y) | static_cast<std::uint32_t>(x + y) << 24; };
        expected = [](int x, int y) { return Pattern(x, y); };
    }
    const auto file = MakeBmp(shape, raw);
    const BmpInfo info = ReadBmpInfo(file);
    EXPECT_EQ(info.sourceBitsPerPixel, bpp);
    EXPECT_EQ(info.bitsPerPixel, bpp == 32 ? 32 : 24);
    EXPECT_EQ(info.order, topDown ? RowOrder::TopDown : RowOrder::BottomUp);
    const PixelBuffer image = DecodeBmp(file);
    EXPECT_EQ(image.BitsPerPixel(), info.bitsPerPixel);
    ExpectPixels(image, 13, 7, expected);
}

INSTANTIATE_TEST_SUITE_P(AllDepths, BmpDepths,
                         ::testing::Values(DepthCase{1, false}, DepthCase{1, true}, DepthCase{4, false},
                                           DepthCase{4, true}, DepthCase{8, false}, DepthCase{8, true},
                                           DepthCase{16, false}, DepthCase{16, true}, DepthCase{24, false},
                                           DepthCase{24, true}, DepthCase{32, false}, DepthCase{32, true}));

TEST(BmpDecode, ThirtyTwoBitFilesKeepTheirFourthByte) {
    const auto file = MakeBmp({.width = 3, .height = 2, .bitsPerPixel = 32},
                              [](int x, int y) { return 0x10203040u + static_cast<std::uint32_t>(x << 24 | y); });
    const PixelBuffer image = DecodeBmp(file);
    EXPECT_EQ(image.Pixel(2, 1), 0x12203041u);
}

TEST(BmpDecode, SixteenBitMasksAfterAnInfoHeader) {
    BmpShape shape{.width = 5, .height = 2, .bitsPerPixel = 16, .compression = 3};
    shape.masks = {0xF800, 0x07E0, 0x001F, 0};
    const auto raw = [](int x, int y) { return static_cast<std::uint32_t>(0xF81F ^ (x * 0x0841 + y * 0x1000)); };
    const PixelBuffer image = DecodeBmp(MakeBmp(shape, raw));
    ExpectPixels(image, 5, 2, [&](int x, int y) {
        const std::uint32_t v = raw(x, y) & 0xFFFF;
        return Expand5(v >> 11) << 16 | Expand6(v >> 5 & 63) << 8 | Expand5(v & 31);
    });
}

// The later header versions carry their masks inside the header; the alpha mask is honoured.
TEST(BmpDecode, MasksInsideVersionFourAndFiveHeaders) {
    for (std::uint32_t headerSize : {56u, 108u, 124u}) {
        BmpShape shape{.width = 3, .height = 3, .bitsPerPixel = 32, .headerSize = headerSize, .compression = 3};
        shape.masks = {0x0000FF00, 0x00FF0000, 0xFF000000, 0x000000FF};  // stored as B G R A, reversed
        const PixelBuffer image =
            DecodeBmp(MakeBmp(shape, [](int x, int y) { return 0x11223344u + static_cast<std::uint32_t>(x + 16 * y); }));
        EXPECT_EQ(image.Pixel(0, 0), 0x44332211u) << headerSize;
        EXPECT_EQ(image.Pixel(2, 1), 0x56332211u) << headerSize;
    }
}

TEST(BmpDecode, WideMasksAreNarrowedToEightBits) {
    BmpShape shape{.width = 1, .height = 1, .bitsPerPixel = 32, .compression = 6};
    shape.masks = {0x3FF00000, 0x000FFC00, 0x000003FF, 0xC0000000};  // 10-10-10-2
    const PixelBuffer image = DecodeBmp(MakeBmp(shape, [](int, int) { return 0xBFF003FFu; }));
    EXPECT_EQ(image.Pixel(0, 0), 0xAAFF00FFu);
}

TEST(BmpDecode, CoreHeaderWithThreeBytePalette) {
    BmpShape shape{.width = 6, .height = 2, .bitsPerPixel = 4, .headerSize = 12, .palette = TestPalette(16)};
    const auto raw = [](int x, int y) { return static_cast<std::uint32_t>(x + 6 * y) & 15; };
    ExpectPixels(DecodeBmp(MakeBmp(shape, raw)), 6, 2, [&](int x, int y) { return shape.palette[raw(x, y)]; });
}

TEST(BmpDecode, ShortPaletteUsedFully) {
    BmpShape shape{.width = 4, .height = 1, .bitsPerPixel = 8, .palette = TestPalette(4)};
    const auto raw = [](int x, int) { return static_cast<std::uint32_t>(3 - x); };
    ExpectPixels(DecodeBmp(MakeBmp(shape, raw)), 4, 1, [&](int x, int y) { return shape.palette[raw(x, y)]; });
}

// A bitmap resource has no file header: its pixels follow the colour table directly.
TEST(BmpDecode, PackedDibAsInAResource) {
    BmpShape shape{.width = 64, .height = 16, .bitsPerPixel = 1, .palette = {0x000000, 0xFFFFFF}, .packed = true};
    const auto raw = [](int x, int y) { return static_cast<std::uint32_t>(x / 16 == y % 4); };
    const auto dib = MakeBmp(shape, raw);
    EXPECT_THROW(DecodeBmp(dib), EInvalidGraphic);
    ExpectPixels(DecodeBmp(dib, BmpContainer::PackedDib), 64, 16,
                 [&](int x, int y) { return raw(x, y) ? 0xFFFFFFu : 0u; });
}

TEST(BmpDecode, IntoABottomUpThirtyTwoBitTarget) {
    const auto file = MakeBmp({.width = 5, .height = 4, .bitsPerPixel = 24, .topDown = true}, Pattern);
    PixelBuffer target(5, 4, 32, RowOrder::BottomUp);
    DecodeBmp(file, target.View());
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x) ASSERT_EQ(target.Pixel(x, y), Pattern(x, y));
    PixelBuffer wrongSize(4, 5, 24);
    EXPECT_THROW(DecodeBmp(file, wrongSize.View()), EInvalidGraphic);
}

TEST(BmpEncode, WritesAStandardBottomUpFile) {
    PixelBuffer image(3, 2, 24);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) image.SetPixel(x, y, Pattern(x, y));
    const auto file = EncodeBmp(image.View());
    ASSERT_EQ(file.size(), 14u + 40u + 2 * 12u);  // rows of 9 bytes padded to 12
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[10], 54);
    EXPECT_EQ(file[22], 2);  // positive height: bottom-up
    EXPECT_EQ(file[28], 24);
    const std::uint8_t* bottomLeft = file.data() + 54;
    EXPECT_EQ(bottomLeft[0] | bottomLeft[1] << 8 | bottomLeft[2] << 16, static_cast<int>(Pattern(0, 1)));
}

TEST(BmpEncode, RoundTripsBothDepthsAndRowOrders) {
    for (int bpp : {24, 32})
        for (RowOrder order : {RowOrder::TopDown, RowOrder::BottomUp}) {
            PixelBuffer image(7, 5, bpp, order);
            for (int y = 0; y < 5; ++y)
                for (int x = 0; x < 7; ++x) image.SetPixel(x, y, Pattern(x, y) | (bpp == 32 ? 0x80000000u : 0));
            const PixelBuffer back = DecodeBmp(EncodeBmp(image.View()));
            ASSERT_EQ(back.BitsPerPixel(), bpp);
            for (int y = 0; y < 5; ++y)
                for (int x = 0; x < 7; ++x) ASSERT_EQ(back.Pixel(x, y), image.Pixel(x, y)) << bpp;
        }
}

TEST(BmpEncode, EmptyImageRoundTrips) {
    const PixelBuffer back = DecodeBmp(EncodeBmp(PixelBuffer(0, 0, 24).View()));
    EXPECT_EQ(back.Width(), 0);
    EXPECT_EQ(back.Height(), 0);
}

}  // namespace
