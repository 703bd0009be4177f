#pragma once
// Writes bitmap files byte by byte for tests, independently of the codec under test, so that
// a fault in the codec's writer cannot hide the same fault in its reader.

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace pelmar::testing {

struct BmpShape {
    int width = 4;
    int height = 3;
    int bitsPerPixel = 24;
    bool topDown = false;
    std::uint32_t headerSize = 40;  // 12, 40, 52, 56, 108 or 124
    std::uint32_t compression = 0;  // 0 none, 3 masks, 6 masks with alpha
    std::vector<std::uint32_t> palette{};            // 0x00RRGGBB entries
    std::array<std::uint32_t, 4> masks{};            // red, green, blue, alpha (compression 3 or 6)
    bool packed = false;                             // no file header, as in a bitmap resource
};

// Field offsets in the file, for tests that damage one field.
inline constexpr std::size_t kOffBitsAt = 10;
inline constexpr std::size_t kHeaderSizeAt = 14;
inline constexpr std::size_t kWidthAt = 18;
inline constexpr std::size_t kHeightAt = 22;
inline constexpr std::size_t kPlanesAt = 26;
inline constexpr std::size_t kBitCountAt = 28;
inline constexpr std::size_t kCompressionAt = 30;
inline constexpr std::size_t kColorsUsedAt = 46;

inline void PutLE(std::vector<std::uint8_t>& out, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

inline void PokeLE(std::vector<std::uint8_t>& file, std::size_t at, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) file.at(at + i) = static_cast<std::uint8_t>(value >> (8 * i));
}

inline void PutInfoHeader(std::vector<std::uint8_t>& out, const BmpShape& s, std::uint32_t imageBytes) {
    if (s.headerSize == 12) {
        PutLE(out, 12, 4);
        PutLE(out, s.width, 2);
        PutLE(out, s.height, 2);
        PutLE(out, 1, 2);
        PutLE(out, s.bitsPerPixel, 2);
        return;
    }
    PutLE(out, s.headerSize, 4);
    PutLE(out, static_cast<std::uint32_t>(s.width), 4);
    PutLE(out, static_cast<std::uint32_t>(s.topDown ? -s.height : s.height), 4);
    PutLE(out, 1, 2);
    PutLE(out, s.bitsPerPixel, 2);
    PutLE(out, s.compression, 4);
    PutLE(out, imageBytes, 4);
    PutLE(out, 2835, 4);
    PutLE(out, 2835, 4);
    const bool fullPalette = s.bitsPerPixel <= 8 && s.palette.size() == (1u << s.bitsPerPixel);
    PutLE(out, fullPalette ? 0 : s.palette.size(), 4);
    PutLE(out, 0, 4);
    for (std::size_t i = 0; i < (s.headerSize >= 56 ? 4u : s.headerSize >= 52 ? 3u : 0u); ++i)
        PutLE(out, s.masks[i], 4);
    out.resize(out.size() + (s.headerSize > 56 ? s.headerSize - 56 : 0), 0);
}

// `raw(x, y)` gives what is stored for the pixel: a colour index for 1-8 bits, the 16-bit
// word, 0x00RRGGBB for 24 bits, the 32-bit word for 32 bits.
inline std::vector<std::uint8_t> MakeBmp(const BmpShape& s, const std::function<std::uint32_t(int, int)>& raw) {
    const std::uint32_t stride = (s.width * s.bitsPerPixel + 31) / 32 * 4;
    const std::uint32_t imageBytes = stride * s.height;
    std::vector<std::uint8_t> dib;
    PutInfoHeader(dib, s, imageBytes);
    if (s.headerSize == 40 && s.compression != 0)
        for (std::size_t i = 0; i < (s.compression == 6 ? 4u : 3u); ++i) PutLE(dib, s.masks[i], 4);
    for (std::uint32_t colour : s.palette) PutLE(dib, colour, s.headerSize == 12 ? 3 : 4);
    const std::size_t pixelStart = dib.size();
    for (int r = 0; r < s.height; ++r) {
        const int y = s.topDown ? r : s.height - 1 - r;
        std::vector<std::uint8_t> row(stride, 0);
        for (int x = 0; x < s.width; ++x) {
            const std::uint32_t v = raw(x, y);
            if (s.bitsPerPixel < 8) {
                const int perByte = 8 / s.bitsPerPixel;
                row[x / perByte] |= static_cast<std::uint8_t>(v << (8 - s.bitsPerPixel * (x % perByte + 1)));
            } else {
                for (int b = 0; b < s.bitsPerPixel / 8; ++b)
                    row[x * (s.bitsPerPixel / 8) + b] = static_cast<std::uint8_t>(v >> (8 * b));
            }
        }
        dib.insert(dib.end(), row.begin(), row.end());
    }
    if (s.packed) return dib;
    std::vector<std::uint8_t> file{'B', 'M'};
    PutLE(file, 14 + dib.size(), 4);
    PutLE(file, 0, 4);
    PutLE(file, 14 + pixelStart, 4);
    file.insert(file.end(), dib.begin(), dib.end());
    return file;
}

// A palette of `count` distinct colours.
inline std::vector<std::uint32_t> TestPalette(std::size_t count) {
    std::vector<std::uint32_t> palette;
    for (std::size_t i = 0; i < count; ++i)
        palette.push_back(static_cast<std::uint32_t>((i * 0x3B) & 0xFF) << 16 |
                          static_cast<std::uint32_t>((i * 0x65 + 7) & 0xFF) << 8 |
                          static_cast<std::uint32_t>(255 - i));
    return palette;
}

// A pattern in which no two neighbouring pixels or rows are alike.
inline std::uint32_t Pattern(int x, int y) {
    return static_cast<std::uint32_t>((x * 37 + y * 11) & 0xFF) << 16 |
           static_cast<std::uint32_t>((x * 5 + y * 71) & 0xFF) << 8 | static_cast<std::uint32_t>((x * 97 + y * 3) & 0xFF);
}

}  // namespace pelmar::testing
