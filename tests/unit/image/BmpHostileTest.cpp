#include <gtest/gtest.h>

#include "tests/unit/image/BmpBuilder.h"
#include "toolkit/BmpCodec.h"

using namespace pelmar::image;
using namespace pelmar::testing;

namespace {

std::vector<std::uint8_t> Valid8Bit() {
    return MakeBmp({.width = 5, .height = 3, .bitsPerPixel = 8, .palette = TestPalette(256)},
                   [](int x, int y) { return static_cast<std::uint32_t>(x * 40 + y); });
}

std::vector<std::uint8_t> Valid32BitMasked() {
    BmpShape shape{.width = 2, .height = 2, .bitsPerPixel = 32, .compression = 3};
    shape.masks = {0x00FF0000, 0x0000FF00, 0x000000FF, 0};
    return MakeBmp(shape, [](int, int) { return 0x00123456u; });
}

struct Damage {
    const char* what;
    std::vector<std::uint8_t> (*base)();
    std::function<void(std::vector<std::uint8_t>&)> apply;
    const char* message;  // part of the error text
};

void Poke(std::vector<std::uint8_t>& f, std::size_t at, std::uint64_t value, int bytes) { PokeLE(f, at, value, bytes); }

const Damage kDamages[] = {
    {"empty file", Valid8Bit, [](auto& f) { f.clear(); }, "too short"},
    {"no signature", Valid8Bit, [](auto& f) { f[0] = 'X'; }, "signature"},
    {"header size zero", Valid8Bit, [](auto& f) { Poke(f, kHeaderSizeAt, 0, 4); }, "header size 0"},
    {"header size 64", Valid8Bit, [](auto& f) { Poke(f, kHeaderSizeAt, 64, 4); }, "header size 64"},
    {"header size huge", Valid8Bit, [](auto& f) { Poke(f, kHeaderSizeAt, 0xFFFFFFF0u, 4); }, "header size"},
    {"header larger than file", Valid8Bit, [](auto& f) { Poke(f, kHeaderSizeAt, 124, 4); f.resize(100); },
     "truncated header"},
    {"two planes", Valid8Bit, [](auto& f) { Poke(f, kPlanesAt, 2, 2); }, "planes"},
    {"negative width", Valid8Bit, [](auto& f) { Poke(f, kWidthAt, 0xFFFFFFFBu, 4); }, "negative width"},
    {"most negative height", Valid8Bit, [](auto& f) { Poke(f, kHeightAt, 0x80000000u, 4); }, "too large"},
    {"side too long", Valid8Bit, [](auto& f) { Poke(f, kWidthAt, kMaxSide + 1, 4); Poke(f, kHeightAt, 1, 4); },
     "too large"},
    {"width x height overflow", Valid8Bit,
     [](auto& f) { Poke(f, kWidthAt, 30000, 4); Poke(f, kHeightAt, 30000, 4); }, "too large"},
    {"depth 2", Valid8Bit, [](auto& f) { Poke(f, kBitCountAt, 2, 2); }, "unsupported depth"},
    {"depth 0", Valid8Bit, [](auto& f) { Poke(f, kBitCountAt, 0, 2); }, "unsupported depth"},
    {"4-bit run-length on 8 bits", Valid8Bit, [](auto& f) { Poke(f, kCompressionAt, 2, 4); },
     "run-length compression 2 with 8 bits"},
    {"unknown compression", Valid8Bit, [](auto& f) { Poke(f, kCompressionAt, 4, 4); }, "compression 4"},
    {"masks on 8 bits", Valid8Bit, [](auto& f) { Poke(f, kCompressionAt, 3, 4); }, "colour masks"},
    {"palette too large", Valid8Bit, [](auto& f) { Poke(f, kColorsUsedAt, 257, 4); }, "colour table of 257"},
    {"palette count overflow", Valid8Bit, [](auto& f) { Poke(f, kColorsUsedAt, 0xFFFFFFFFu, 4); }, "colour table"},
    {"offset into headers", Valid8Bit, [](auto& f) { Poke(f, kOffBitsAt, 54, 4); }, "points into the headers"},
    {"offset past end", Valid8Bit, [](auto& f) { Poke(f, kOffBitsAt, 0x7FFFFFFFu, 4); }, "past the end"},
    {"one pixel byte short", Valid8Bit, [](auto& f) { f.pop_back(); }, "truncated pixel data"},
    {"height grown", Valid8Bit, [](auto& f) { Poke(f, kHeightAt, 4, 4); }, "truncated pixel data"},
    {"mask with a gap", Valid32BitMasked, [](auto& f) { Poke(f, 54, 0x00FF00FF, 4); }, "one run of bits"},
    {"masks overlap", Valid32BitMasked, [](auto& f) { Poke(f, 58, 0x00FFFF00, 4); }, "overlap"},
    {"masks missing", Valid32BitMasked, [](auto& f) { f.resize(60); }, "truncated header"},
};

TEST(BmpHostile, EachDamageIsRefusedWithItsReason) {
    for (const Damage& damage : kDamages) {
        auto file = damage.base();
        damage.apply(file);
        try {
            DecodeBmp(file);
            ADD_FAILURE() << damage.what << ": accepted";
        } catch (const EInvalidGraphic& e) {
            EXPECT_NE(std::string(e.what()).find(damage.message), std::string::npos)
                << damage.what << ": " << e.what();
        }
    }
}

TEST(BmpHostile, SixteenBitMaskWiderThanThePixel) {
    BmpShape shape{.width = 2, .height = 1, .bitsPerPixel = 16, .compression = 3};
    shape.masks = {0x1F0000, 0x07E0, 0x001F, 0};
    EXPECT_THROW(DecodeBmp(MakeBmp(shape, [](int, int) { return 0u; })), EInvalidGraphic);
}

// A colour index past a short table must not read beyond it, and the refusal comes before
// any pixel of the target has been written.
TEST(BmpHostile, ColourIndexPastTheTableLeavesTargetUntouched) {
    const auto file = MakeBmp({.width = 9, .height = 2, .bitsPerPixel = 4, .palette = TestPalette(3)},
                              [](int x, int y) { return x == 8 && y == 0 ? 3u : 1u; });
    PixelBuffer target(9, 2, 24);
    target.View().Fill(0x00ABCDEF);
    try {
        DecodeBmp(file, target.View());
        FAIL() << "accepted";
    } catch (const EInvalidGraphic& e) {
        EXPECT_NE(std::string(e.what()).find("colour index 3 past the colour table of 3"), std::string::npos);
    }
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 9; ++x) ASSERT_EQ(target.Pixel(x, y), 0x00ABCDEFu);
}

// Every proper prefix of a valid file lacks something the reader needs.
TEST(BmpHostile, EveryTruncationIsRefused) {
    for (auto make : {Valid8Bit, Valid32BitMasked}) {
        const auto whole = make();
        ASSERT_NO_THROW(DecodeBmp(whole));
        for (std::size_t size = 0; size < whole.size(); ++size) {
            const std::vector<std::uint8_t> part(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size));
            EXPECT_THROW(DecodeBmp(part), EInvalidGraphic) << "prefix of " << size << " bytes";
        }
    }
}

}  // namespace
