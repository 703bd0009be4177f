#include "toolkit/BmpCodec.h"

#include <array>
#include <bit>
#include <limits>
#include <string>

namespace pelmar::image {
namespace {

constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiRle8 = 1;
constexpr std::uint32_t kBiRle4 = 2;
constexpr std::uint32_t kBiBitfields = 3;
constexpr std::uint32_t kBiAlphaBitfields = 6;

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kCoreHeaderSize = 12;
constexpr std::size_t kInfoHeaderSize = 40;
// A few bytes of run-length data can stand for any number of pixels; this bounds what a
// small hostile file can make us allocate.
constexpr std::int64_t kMaxRlePixels = std::int64_t{1} << 22;

[[noreturn]] void Refuse(const std::string& reason) { throw EInvalidGraphic("Bitmap image is not valid: " + reason); }

// Little-endian reads that refuse to look past the data.
class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> data) : data_(data) {}
    std::uint32_t U16(std::size_t at) const { return Bytes(at, 2); }
    std::uint32_t U32(std::size_t at) const { return Bytes(at, 4); }
    std::int32_t I32(std::size_t at) const { return static_cast<std::int32_t>(Bytes(at, 4)); }

private:
    std::uint32_t Bytes(std::size_t at, std::size_t count) const {
        if (at > data_.size() || data_.size() - at < count) Refuse("truncated header");
        std::uint32_t value = 0;
        for (std::size_t i = count; i-- > 0;) value = value << 8 | data_[at + i];
        return value;
    }
    std::span<const std::uint8_t> data_;
};

// One colour channel of a masked (16- or 32-bit) pixel, widened or narrowed to 8 bits.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    int bits = 0;

    explicit Channel(std::uint32_t m = 0) : mask(m) {
        if (mask == 0) return;
        shift = std::countr_zero(mask);
        bits = std::popcount(mask);
        if (std::countr_one(mask >> shift) != bits) Refuse("colour mask is not one run of bits");
    }

    std::uint32_t Expand(std::uint32_t pixel) const {
        if (bits == 0) return 0;
        const std::uint32_t value = (pixel & mask) >> shift;
        if (bits >= 8) return value >> (bits - 8);
        const std::uint32_t top = (1u << bits) - 1;
        return (value * 255 + top / 2) / top;
    }
};

struct Layout {
    BmpInfo info;
    std::uint32_t compression = kBiRgb;
    std::array<std::uint32_t, 4> masks{};  // red, green, blue, alpha
    std::vector<std::uint32_t> palette;    // 0x00RRGGBB
    std::size_t pixelOffset = 0;
    std::int64_t stride = 0;
};

struct Header {
    std::size_t size = 0;
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::uint32_t planes = 0;
    std::uint32_t compression = kBiRgb;
    std::uint32_t colorsUsed = 0;
    std::size_t paletteEntrySize = 4;
};

Header ReadHeader(const Reader& in, std::size_t at, Layout& layout) {
    Header h;
    h.size = in.U32(at);
    if (h.size == kCoreHeaderSize) {
        h.width = in.U16(at + 4);
        h.height = in.U16(at + 6);
        h.planes = in.U16(at + 8);
        layout.info.sourceBitsPerPixel = static_cast<int>(in.U16(at + 10));
        h.paletteEntrySize = 3;
        return h;
    }
    if (h.size != 40 && h.size != 52 && h.size != 56 && h.size != 108 && h.size != 124)
        Refuse("unsupported header size " + std::to_string(h.size));
    in.U32(at + h.size - 4);  // the whole header must be present
    h.width = in.I32(at + 4);
    h.height = in.I32(at + 8);
    h.planes = in.U16(at + 12);
    layout.info.sourceBitsPerPixel = static_cast<int>(in.U16(at + 14));
    h.compression = in.U32(at + 16);
    h.colorsUsed = in.U32(at + 32);
    if (h.size >= 52)
        for (std::size_t i = 0; i < (h.size >= 56 ? 4u : 3u); ++i) layout.masks[i] = in.U32(at + 40 + 4 * i);
    return h;
}

void CheckGeometry(const Header& h, Layout& layout) {
    if (h.planes != 1) Refuse(std::to_string(h.planes) + " colour planes, expected 1");
    if (h.width < 0) Refuse("negative width " + std::to_string(h.width));
    layout.info.order = h.height < 0 ? RowOrder::TopDown : RowOrder::BottomUp;
    const std::int64_t height = h.height < 0 ? -h.height : h.height;
    try {
        CheckDimensions(h.width, height);
    } catch (const EInvalidGraphic& e) {
        Refuse(e.what());
    }
    layout.info.width = static_cast<int>(h.width);
    layout.info.height = static_cast<int>(height);
    const int bpp = layout.info.sourceBitsPerPixel;
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32)
        Refuse("unsupported depth of " + std::to_string(bpp) + " bits per pixel");
    layout.info.bitsPerPixel = bpp == 32 ? 32 : 24;
}

// Reads the masks that follow a 40-byte header; returns how many bytes they take.
std::size_t ReadCompression(const Reader& in, std::size_t afterHeader, const Header& h, Layout& layout) {
    layout.compression = h.compression;
    const int bpp = layout.info.sourceBitsPerPixel;
    if (h.compression == kBiRle8 || h.compression == kBiRle4) {
        if (bpp != (h.compression == kBiRle8 ? 8 : 4))
            Refuse("run-length compression " + std::to_string(h.compression) + " with " + std::to_string(bpp) +
                   " bits per pixel");
        return 0;
    }
    if (h.compression != kBiRgb && h.compression != kBiBitfields && h.compression != kBiAlphaBitfields)
        Refuse("unsupported compression " + std::to_string(h.compression));
    if (h.compression == kBiRgb) {
        if (bpp == 16) layout.masks = {0x7C00, 0x03E0, 0x001F, 0};
        return 0;
    }
    if (bpp != 16 && bpp != 32) Refuse("colour masks with " + std::to_string(bpp) + " bits per pixel");
    if (h.size != kInfoHeaderSize) return 0;
    const std::size_t count = h.compression == kBiAlphaBitfields ? 4 : 3;
    for (std::size_t i = 0; i < count; ++i) layout.masks[i] = in.U32(afterHeader + 4 * i);
    return 4 * count;
}

void CheckMasks(const Layout& layout) {
    const int bpp = layout.info.sourceBitsPerPixel;
    if (layout.compression == kBiRgb) return;
    std::uint32_t seen = 0;
    for (std::uint32_t mask : layout.masks) {
        static_cast<void>(Channel(mask));  // refuses a broken run of bits
        if ((seen & mask) != 0) Refuse("colour masks overlap");
        seen |= mask;
    }
    if (bpp == 16 && (seen >> 16) != 0) Refuse("colour mask wider than the pixel");
}

std::size_t ReadPalette(std::span<const std::uint8_t> data, std::size_t at, const Header& h, Layout& layout) {
    const int bpp = layout.info.sourceBitsPerPixel;
    const std::uint64_t maxColors = bpp <= 8 ? std::uint64_t{1} << bpp : 256;
    const std::uint64_t count = h.colorsUsed != 0 ? h.colorsUsed : (bpp <= 8 ? maxColors : 0);
    if (count > maxColors)
        Refuse("colour table of " + std::to_string(count) + " entries for " + std::to_string(bpp) + " bits per pixel");
    const std::uint64_t tableBytes = count * h.paletteEntrySize;
    if (at > data.size() || data.size() - at < tableBytes) Refuse("truncated colour table");
    if (bpp <= 8)
        for (std::uint64_t i = 0; i < count; ++i) {
            const std::uint8_t* entry = data.data() + at + i * h.paletteEntrySize;
            layout.palette.push_back(std::uint32_t{entry[2]} << 16 | std::uint32_t{entry[1]} << 8 | entry[0]);
        }
    return at + static_cast<std::size_t>(tableBytes);
}

std::size_t FilePixelOffset(const Reader& in, std::span<const std::uint8_t> data, std::size_t tableEnd) {
    const std::uint32_t offset = in.U32(10);
    if (offset < tableEnd) Refuse("pixel data offset " + std::to_string(offset) + " points into the headers");
    if (offset > data.size()) Refuse("pixel data offset " + std::to_string(offset) + " lies past the end of the file");
    return offset;
}

bool IsRunLength(const Layout& layout) { return layout.compression == kBiRle8 || layout.compression == kBiRle4; }

void CheckRunLengthGeometry(const BmpInfo& info) {
    if (info.order == RowOrder::TopDown) Refuse("run-length bitmaps are stored bottom-up");
    if (std::int64_t{info.width} * info.height > kMaxRlePixels)
        Refuse("run-length bitmap of " + std::to_string(info.width) + " x " + std::to_string(info.height) +
               " is too large");
}

Layout ParseLayout(std::span<const std::uint8_t> data, BmpContainer container) {
    const Reader in(data);
    std::size_t at = 0;
    if (container == BmpContainer::File) {
        if (data.size() < kFileHeaderSize) Refuse("file too short for a bitmap");
        if (data[0] != 'B' || data[1] != 'M') Refuse("no bitmap signature");
        at = kFileHeaderSize;
    }
    Layout layout;
    const Header h = ReadHeader(in, at, layout);
    CheckGeometry(h, layout);
    const std::size_t masksBytes = ReadCompression(in, at + h.size, h, layout);
    CheckMasks(layout);
    const std::size_t tableEnd = ReadPalette(data, at + h.size + masksBytes, h, layout);
    layout.pixelOffset = container == BmpContainer::File ? FilePixelOffset(in, data, tableEnd) : tableEnd;
    layout.stride = RowStride(layout.info.width, layout.info.sourceBitsPerPixel);
    if (IsRunLength(layout)) {
        CheckRunLengthGeometry(layout.info);
        return layout;
    }
    const std::uint64_t needed = static_cast<std::uint64_t>(layout.stride) * layout.info.height;
    if (data.size() - layout.pixelOffset < needed)
        Refuse("truncated pixel data: " + std::to_string(needed) + " bytes needed, " +
               std::to_string(data.size() - layout.pixelOffset) + " present");
    return layout;
}

std::uint32_t PaletteIndex(const std::uint8_t* row, int x, int bpp) {
    if (bpp == 8) return row[x];
    const int perByte = 8 / bpp;
    const int shift = 8 - bpp * (x % perByte + 1);
    return (row[x / perByte] >> shift) & ((1u << bpp) - 1);
}

const std::uint8_t* SourceRow(std::span<const std::uint8_t> data, const Layout& layout, int fileRow) {
    return data.data() + layout.pixelOffset + layout.stride * fileRow;
}

// Indexes are checked before any pixel is written, so a refused file leaves the target as it was.
void CheckPaletteIndexes(std::span<const std::uint8_t> data, const Layout& layout) {
    const int bpp = layout.info.sourceBitsPerPixel;
    if (bpp > 8 || layout.palette.size() == (std::size_t{1} << bpp)) return;
    for (int r = 0; r < layout.info.height; ++r) {
        const std::uint8_t* row = SourceRow(data, layout, r);
        for (int x = 0; x < layout.info.width; ++x) {
            const std::uint32_t index = PaletteIndex(row, x, bpp);
            if (index >= layout.palette.size())
                Refuse("colour index " + std::to_string(index) + " past the colour table of " +
                       std::to_string(layout.palette.size()) + " entries");
        }
    }
}

// Expands run-length data into uncompressed 8-bit rows, bottom row first as stored. Pixels
// that the data skips or never reaches keep colour index 0; runs past a row's end are cut.
std::vector<std::uint8_t> ExpandRunLength(std::span<const std::uint8_t> data, const Layout& layout) {
    const std::int64_t width = layout.info.width;
    const std::int64_t height = layout.info.height;
    const std::int64_t stride = RowStride(width, 8);
    const bool nibbles = layout.compression == kBiRle4;
    std::vector<std::uint8_t> rows(static_cast<std::size_t>(stride * height), 0);
    std::int64_t x = 0, y = 0;
    const auto put = [&](int i, std::uint8_t byte) {
        if (x < width && y < height)
            rows[static_cast<std::size_t>(y * stride + x)] = nibbles ? (i % 2 == 0 ? byte >> 4 : byte & 15) : byte;
        ++x;
    };
    std::size_t at = layout.pixelOffset;
    const auto take = [&](std::size_t count) {
        if (data.size() - at < count) Refuse("truncated run-length data");
        at += count;
        return data.data() + at - count;
    };
    while (y < height && data.size() - at >= 2) {
        const std::uint8_t* code = take(2);
        if (code[0] > 0) {
            for (int i = 0; i < code[0]; ++i) put(i, code[1]);
        } else if (code[1] == 0) {  // end of line
            x = 0;
            ++y;
        } else if (code[1] == 1) {  // end of bitmap
            break;
        } else if (code[1] == 2) {  // move right and up
            const std::uint8_t* delta = take(2);
            x += delta[0];
            y += delta[1];
        } else {  // a run of literal pixels, padded to an even byte count
            const std::size_t bytes = nibbles ? (code[1] + 1u) / 2 : code[1];
            const std::uint8_t* literal = take(bytes);
            for (int i = 0; i < code[1]; ++i) put(i, literal[nibbles ? i / 2 : i]);
            if (bytes % 2 == 1 && at < data.size()) ++at;
        }
    }
    return rows;
}

// The layout of the expanded rows: plain 8-bit indexes from offset 0.
Layout ExpandedLayout(const Layout& compressed) {
    Layout layout = compressed;
    layout.compression = kBiRgb;
    layout.info.sourceBitsPerPixel = 8;
    layout.stride = RowStride(layout.info.width, 8);
    layout.pixelOffset = 0;
    return layout;
}

class RowDecoder {
public:
    explicit RowDecoder(const Layout& layout)
        : layout_(layout), red_(layout.masks[0]), green_(layout.masks[1]), blue_(layout.masks[2]),
          alpha_(layout.masks[3]) {}

    void Decode(const std::uint8_t* src, std::uint8_t* dst, int dstBytesPerPixel) const {
        const int bpp = layout_.info.sourceBitsPerPixel;
        for (int x = 0; x < layout_.info.width; ++x) {
            const std::uint32_t argb = Source(src, x, bpp);
            std::uint8_t* p = dst + x * dstBytesPerPixel;
            p[0] = static_cast<std::uint8_t>(argb);
            p[1] = static_cast<std::uint8_t>(argb >> 8);
            p[2] = static_cast<std::uint8_t>(argb >> 16);
            if (dstBytesPerPixel == 4) p[3] = static_cast<std::uint8_t>(argb >> 24);
        }
    }

private:
    std::uint32_t Source(const std::uint8_t* src, int x, int bpp) const {
        if (bpp <= 8) return layout_.palette[PaletteIndex(src, x, bpp)];
        if (bpp == 24) {
            const std::uint8_t* p = src + 3 * x;
            return std::uint32_t{p[2]} << 16 | std::uint32_t{p[1]} << 8 | p[0];
        }
        const std::uint8_t* p = src + x * (bpp / 8);
        if (bpp == 32 && layout_.compression == kBiRgb)
            return std::uint32_t{p[3]} << 24 | std::uint32_t{p[2]} << 16 | std::uint32_t{p[1]} << 8 | p[0];
        const std::uint32_t raw = bpp == 16 ? p[0] | std::uint32_t{p[1]} << 8
                                            : p[0] | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 |
                                                  std::uint32_t{p[3]} << 24;
        return alpha_.Expand(raw) << 24 | red_.Expand(raw) << 16 | green_.Expand(raw) << 8 | blue_.Expand(raw);
    }

    const Layout& layout_;
    Channel red_, green_, blue_, alpha_;
};

void PutLE(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

}  // namespace

BmpInfo ReadBmpInfo(std::span<const std::uint8_t> data, BmpContainer container) {
    return ParseLayout(data, container).info;
}

void DecodeBmp(std::span<const std::uint8_t> data, const PixelView& target, BmpContainer container) {
    Layout layout = ParseLayout(data, container);
    if (target.Width() != layout.info.width || target.Height() != layout.info.height)
        throw EInvalidGraphic("decoding target has the wrong size");
    std::vector<std::uint8_t> expanded;
    if (IsRunLength(layout)) {
        expanded = ExpandRunLength(data, layout);
        layout = ExpandedLayout(layout);
        data = expanded;
    }
    CheckPaletteIndexes(data, layout);
    const RowDecoder decoder(layout);
    for (int r = 0; r < layout.info.height; ++r) {
        const int y = layout.info.order == RowOrder::TopDown ? r : layout.info.height - 1 - r;
        decoder.Decode(SourceRow(data, layout, r), target.Row(y), target.BytesPerPixel());
    }
}

PixelBuffer DecodeBmp(std::span<const std::uint8_t> data, BmpContainer container) {
    const BmpInfo info = ReadBmpInfo(data, container);
    PixelBuffer buffer(info.width, info.height, info.bitsPerPixel);
    DecodeBmp(data, buffer.View(), container);
    return buffer;
}

std::vector<std::uint8_t> EncodeBmp(const PixelView& image) {
    const std::uint32_t stride = static_cast<std::uint32_t>(image.Stride());
    const std::uint32_t pixelBytes = stride * static_cast<std::uint32_t>(image.Height());
    const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize;
    std::vector<std::uint8_t> out;
    out.reserve(offset + pixelBytes);
    out.push_back('B');
    out.push_back('M');
    PutLE(out, offset + pixelBytes, 4);
    PutLE(out, 0, 4);  // reserved
    PutLE(out, offset, 4);
    PutLE(out, kInfoHeaderSize, 4);
    PutLE(out, static_cast<std::uint32_t>(image.Width()), 4);
    PutLE(out, static_cast<std::uint32_t>(image.Height()), 4);
    PutLE(out, 1, 2);  // planes
    PutLE(out, static_cast<std::uint32_t>(image.BitsPerPixel()), 2);
    PutLE(out, kBiRgb, 4);
    PutLE(out, pixelBytes, 4);
    for (int i = 0; i < 4; ++i) PutLE(out, 0, 4);  // resolution and colour counts
    const std::size_t rowBytes = static_cast<std::size_t>(image.Width()) * image.BytesPerPixel();
    for (int y = image.Height() - 1; y >= 0; --y) {
        const std::uint8_t* row = image.Row(y);
        out.insert(out.end(), row, row + rowBytes);
        out.insert(out.end(), stride - rowBytes, 0);
    }
    return out;
}

}  // namespace pelmar::image
