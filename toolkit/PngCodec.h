#pragma once
// Writing PNG files without the Windows API or a compression library.
//
// The picture goes out as 8-bit RGB without interlacing, every row unfiltered, and the
// image data as stored (uncompressed) deflate blocks: every PNG reader opens such a file,
// and pictures of windows stay small enough for it not to matter.

#include <cstdint>
#include <span>
#include <vector>

#include "toolkit/Image.h"

namespace pelmar::image {

// A complete PNG file of the view's pixels (24 or 32 bits; a fourth byte is left out).
std::vector<std::uint8_t> EncodePng(const PixelView& image);

// The checksums the format asks for: CRC-32 over each chunk, Adler-32 over the image data.
std::uint32_t Crc32(std::span<const std::uint8_t> bytes);
std::uint32_t Adler32(std::span<const std::uint8_t> bytes);

}  // namespace pelmar::image
