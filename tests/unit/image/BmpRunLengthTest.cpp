// Run-length compressed bitmaps: runs, literal runs, line ends, moves and the end mark.
#include <gtest/gtest.h>

#include "tests/unit/image/BmpBuilder.h"
#include "toolkit/BmpCodec.h"

using namespace pelmar::image;
using namespace pelmar::testing;

namespace {

const std::vector<std::uint32_t> kColours = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};

// A bitmap file whose pixel data is the given run-length stream (compression 1 for 8 bits,
// 2 for 4 bits); rows are given bottom first, as stored.
std::vector<std::uint8_t> RleFile(int bitsPerPixel, int width, int height, const std::vector<std::uint8_t>& stream,
                                  std::vector<std::uint32_t> palette = kColours) {
    auto file = MakeBmp({.width = width, .height = height, .bitsPerPixel = bitsPerPixel, .palette = palette},
                        [](int, int) { return 0u; });
    const std::size_t pixels = file[kOffBitsAt] | file[kOffBitsAt + 1] << 8;
    file.resize(pixels);
    file.insert(file.end(), stream.begin(), stream.end());
    PokeLE(file, kCompressionAt, bitsPerPixel == 8 ? 1 : 2, 4);
    return file;
}

// Colour indexes of a decoded image, top row first.
std::vector<std::vector<int>> Indexes(const PixelBuffer& image) {
    std::vector<std::vector<int>> rows;
    for (int y = 0; y < image.Height(); ++y) {
        rows.emplace_back();
        for (int x = 0; x < image.Width(); ++x) {
            const auto found = std::find(kColours.begin(), kColours.end(), image.Pixel(x, y));
            rows.back().push_back(found == kColours.end() ? -1 : static_cast<int>(found - kColours.begin()));
        }
    }
    return rows;
}

using Rows = std::vector<std::vector<int>>;

TEST(BmpRunLength, EightBitRunsLiteralsLineEndsAndMoves) {
    const std::vector<std::uint8_t> stream = {
        3, 1, 0, 3, 2, 3, 4, 0,  // bottom row: three of colour 1, then literal 2 3 4 (padded)
        0, 0,                    // end of line
        0, 2, 1, 0,              // move one right
        2, 4,                    // two of colour 4
        0, 1,                    // end of bitmap: the top row stays colour 0
    };
    const PixelBuffer image = DecodeBmp(RleFile(8, 6, 3, stream));
    EXPECT_EQ(Indexes(image), (Rows{{0, 0, 0, 0, 0, 0}, {0, 4, 4, 0, 0, 0}, {1, 1, 1, 2, 3, 4}}));
}

TEST(BmpRunLength, FourBitRunsAlternateTheirTwoColours) {
    const std::vector<std::uint8_t> stream = {
        5, 0x12,                // 1 2 1 2 1
        0, 0,                   // end of line
        0, 3, 0x34, 0x10, 0, 0, // literal 3 4 1 (two bytes, already even)
        0, 1,
    };
    const PixelBuffer image = DecodeBmp(RleFile(4, 5, 2, stream));
    EXPECT_EQ(Indexes(image), (Rows{{3, 4, 1, 0, 0}, {1, 2, 1, 2, 1}}));
}

TEST(BmpRunLength, RunsPastTheRowEndAreCut) {
    const PixelBuffer image = DecodeBmp(RleFile(8, 2, 2, {9, 3, 0, 0, 1, 2, 0, 1}));
    EXPECT_EQ(Indexes(image), (Rows{{2, 0}, {3, 3}}));
}

TEST(BmpRunLength, DamagedStreamsAreRefused) {
    EXPECT_THROW(DecodeBmp(RleFile(8, 4, 1, {0, 4, 1, 2})), EInvalidGraphic);  // literal cut short
    EXPECT_THROW(DecodeBmp(RleFile(8, 4, 1, {0, 2, 1})), EInvalidGraphic);     // move cut short
    EXPECT_THROW(DecodeBmp(RleFile(8, 4, 1, {4, 7, 0, 1})), EInvalidGraphic);  // index past 5 colours
    auto topDown = RleFile(8, 4, 1, {4, 1, 0, 1});
    PokeLE(topDown, kHeightAt, 0xFFFFFFFFu, 4);
    EXPECT_THROW(DecodeBmp(topDown), EInvalidGraphic);
    auto huge = RleFile(8, 4, 1, {0, 1});
    PokeLE(huge, kWidthAt, 4096, 4);
    PokeLE(huge, kHeightAt, 4096, 4);
    EXPECT_THROW(DecodeBmp(huge), EInvalidGraphic);
}

}  // namespace
