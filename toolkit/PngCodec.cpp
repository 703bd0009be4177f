#include "toolkit/PngCodec.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace pelmar::image {

namespace {

constexpr std::array<std::uint8_t, 8> kSignature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
// A stored deflate block holds at most this many bytes.
constexpr size_t kStoredBlock = 65535;

std::array<std::uint32_t, 256> CrcTable() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

void PutBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void PutChunk(std::vector<std::uint8_t>& out, std::string_view type, std::span<const std::uint8_t> data) {
    PutBigEndian(out, static_cast<std::uint32_t>(data.size()));
    const size_t start = out.size();
    out.insert(out.end(), type.begin(), type.end());
    out.insert(out.end(), data.begin(), data.end());
    PutBigEndian(out, Crc32(std::span(out).subspan(start)));
}

// Each row: filter type 0, then red, green, blue of every pixel.
std::vector<std::uint8_t> Scanlines(const PixelView& image) {
    std::vector<std::uint8_t> rows;
    rows.reserve(static_cast<size_t>(image.Height()) * (1 + 3 * static_cast<size_t>(image.Width())));
    for (int y = 0; y < image.Height(); ++y) {
        rows.push_back(0);
        const std::uint8_t* pixel = image.Row(y);
        for (int x = 0; x < image.Width(); ++x, pixel += image.BytesPerPixel())
            rows.insert(rows.end(), {pixel[2], pixel[1], pixel[0]});
    }
    return rows;
}

// A zlib stream of stored blocks: no compression, window size given as 32 KiB.
std::vector<std::uint8_t> StoredZlib(std::span<const std::uint8_t> data) {
    std::vector<std::uint8_t> out{0x78, 0x01};
    size_t at = 0;
    do {
        const size_t length = std::min(kStoredBlock, data.size() - at);
        const bool last = at + length == data.size();
        out.push_back(last ? 1 : 0);
        const auto len = static_cast<std::uint16_t>(length);
        out.insert(out.end(), {static_cast<std::uint8_t>(len), static_cast<std::uint8_t>(len >> 8),
                               static_cast<std::uint8_t>(~len), static_cast<std::uint8_t>(~len >> 8)});
        out.insert(out.end(), data.begin() + static_cast<std::ptrdiff_t>(at),
                   data.begin() + static_cast<std::ptrdiff_t>(at + length));
        at += length;
    } while (at < data.size());
    PutBigEndian(out, Adler32(data));
    return out;
}

}  // namespace

std::uint32_t Crc32(std::span<const std::uint8_t> bytes) {
    static const std::array<std::uint32_t, 256> table = CrcTable();
    std::uint32_t c = 0xFFFFFFFFu;
    for (std::uint8_t b : bytes) c = table[(c ^ b) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

std::uint32_t Adler32(std::span<const std::uint8_t> bytes) {
    constexpr std::uint32_t kModulus = 65521;
    std::uint32_t a = 1, b = 0;
    for (std::uint8_t byte : bytes) {
        a = (a + byte) % kModulus;
        b = (b + a) % kModulus;
    }
    return (b << 16) | a;
}

std::vector<std::uint8_t> EncodePng(const PixelView& image) {
    if (image.Empty()) throw EInvalidGraphic("a PNG picture needs at least one pixel");
    std::vector<std::uint8_t> out(kSignature.begin(), kSignature.end());
    std::vector<std::uint8_t> header;
    PutBigEndian(header, static_cast<std::uint32_t>(image.Width()));
    PutBigEndian(header, static_cast<std::uint32_t>(image.Height()));
    header.insert(header.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB, deflate, no filter choice, no interlace
    PutChunk(out, "IHDR", header);
    PutChunk(out, "IDAT", StoredZlib(Scanlines(image)));
    PutChunk(out, "IEND", {});
    return out;
}

}  // namespace pelmar::image
