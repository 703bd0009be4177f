// The PNG writer: its checksums against their published check values, and a written file
// read back chunk by chunk, its stored deflate blocks unpacked, into the pixels it was given.
#include <gtest/gtest.h>

#include <string>

#include "toolkit/PngCodec.h"

using namespace pelmar::image;

namespace {

std::span<const std::uint8_t> Bytes(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

std::uint32_t BigEndian(const std::vector<std::uint8_t>& bytes, size_t at) {
    return (std::uint32_t{bytes[at]} << 24) | (std::uint32_t{bytes[at + 1]} << 16) |
           (std::uint32_t{bytes[at + 2]} << 8) | bytes[at + 3];
}

struct Chunk {
    std::string type;
    std::vector<std::uint8_t> data;
};

// Every chunk after the signature; each one's CRC is checked on the way.
std::vector<Chunk> ChunksOf(const std::vector<std::uint8_t>& file) {
    std::vector<Chunk> chunks;
    for (size_t at = 8; at < file.size();) {
        const std::uint32_t length = BigEndian(file, at);
        const auto typeAndData = std::span(file).subspan(at + 4, 4 + length);
        EXPECT_EQ(Crc32(typeAndData), BigEndian(file, at + 8 + length));
        chunks.push_back({std::string(file.begin() + at + 4, file.begin() + at + 8),
                          {typeAndData.begin() + 4, typeAndData.end()}});
        at += 12 + length;
    }
    return chunks;
}

// The data of a zlib stream made of stored blocks only; its Adler-32 is checked.
std::vector<std::uint8_t> Unstore(const std::vector<std::uint8_t>& stream) {
    std::vector<std::uint8_t> data;
    size_t at = 2;
    for (bool last = false; !last;) {
        last = stream[at] & 1;
        EXPECT_EQ(stream[at] >> 1, 0) << "a stored block";
        const size_t length = stream[at + 1] | (stream[at + 2] << 8);
        EXPECT_EQ(length ^ 0xFFFF, size_t{stream[at + 3]} | (stream[at + 4] << 8));
        data.insert(data.end(), stream.begin() + at + 5, stream.begin() + at + 5 + length);
        at += 5 + length;
    }
    EXPECT_EQ(Adler32(data), BigEndian(stream, at));
    return data;
}

}  // namespace

TEST(PngWriter, ChecksumsGiveTheirCheckValues) {
    EXPECT_EQ(Crc32(Bytes("123456789")), 0xCBF43926u);
    EXPECT_EQ(Adler32(Bytes("Wikipedia")), 0x11E60398u);
    EXPECT_EQ(Adler32({}), 1u);
}

TEST(PngWriter, PixelsComeBackFromTheFileAsRgbRows) {
    // Wide enough that the image data needs more than one stored block.
    for (int depth : {24, 32}) {
        PixelBuffer image(300, 80, depth, RowOrder::BottomUp);
        for (int y = 0; y < image.Height(); ++y)
            for (int x = 0; x < image.Width(); ++x) image.SetPixel(x, y, 0xAA000000u | (x * 0x10301u + y * 0x20000u));
        const std::vector<std::uint8_t> file = EncodePng(image.View());
        ASSERT_EQ(std::string(file.begin() + 1, file.begin() + 4), "PNG");
        const std::vector<Chunk> chunks = ChunksOf(file);
        ASSERT_EQ(chunks.size(), 3u);
        EXPECT_EQ(chunks[0].type, "IHDR");
        EXPECT_EQ(BigEndian(chunks[0].data, 0), 300u);
        EXPECT_EQ(BigEndian(chunks[0].data, 4), 80u);
        EXPECT_EQ(chunks[0].data[8], 8);  // bits per sample
        EXPECT_EQ(chunks[0].data[9], 2);  // RGB
        EXPECT_EQ(chunks[2].type, "IEND");
        const std::vector<std::uint8_t> rows = Unstore(chunks[1].data);
        ASSERT_EQ(rows.size(), 80u * (1 + 3 * 300));
        for (int y : {0, 41, 79})
            for (int x : {0, 150, 299}) {
                const size_t at = y * (1 + 3 * 300) + 1 + 3 * x;
                const std::uint32_t rgb = (std::uint32_t{rows[at]} << 16) | (rows[at + 1] << 8) | rows[at + 2];
                EXPECT_EQ(rgb, image.Pixel(x, y) & 0xFFFFFF) << depth << ": " << x << "," << y;
            }
    }
    EXPECT_THROW(EncodePng(PixelView()), EInvalidGraphic);
}
