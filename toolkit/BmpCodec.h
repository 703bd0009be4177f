#pragma once
// Reading and writing Windows bitmap files without the Windows API.
//
// Reads 1, 4, 8, 16, 24 and 32 bits per pixel, uncompressed or with colour masks, 4 and 8 bits
// also run-length compressed (up to 4 megapixels), with the core (12-byte), info (40-byte)
// and later (52, 56, 108, 124-byte) headers, rows stored bottom-up or top-down. Pixels come out as 24 bits, or as 32 bits for 32-bit sources so
// that their fourth byte survives. Every size and offset in the file is checked against the
// bytes actually present before anything is read or allocated; a file that does not add up
// raises EInvalidGraphic naming what is wrong.

#include <cstdint>
#include <span>
#include <vector>

#include "toolkit/Image.h"

namespace pelmar::image {

// A bitmap file starts with the 14-byte "BM" file header; a bitmap resource (a packed DIB)
// starts directly with the info header and has its pixels right after the colour table.
enum class BmpContainer { File, PackedDib };

struct BmpInfo {
    int width = 0;
    int height = 0;
    int sourceBitsPerPixel = 0;  // as stored in the file
    int bitsPerPixel = 0;        // what decoding gives: 24, or 32 for 32-bit sources
    RowOrder order = RowOrder::BottomUp;
};

// Checks the headers, colour table and pixel data size; reads no pixel.
BmpInfo ReadBmpInfo(std::span<const std::uint8_t> data, BmpContainer container = BmpContainer::File);

// Decodes into `target`, which must have the file's width and height (24 or 32 bits, either
// row order). Nothing is written to `target` unless the whole file is valid.
void DecodeBmp(std::span<const std::uint8_t> data, const PixelView& target,
               BmpContainer container = BmpContainer::File);

PixelBuffer DecodeBmp(std::span<const std::uint8_t> data, BmpContainer container = BmpContainer::File);

// A complete bitmap file of the view's depth (24 or 32 bits), stored bottom-up.
std::vector<std::uint8_t> EncodeBmp(const PixelView& image);

}  // namespace pelmar::image
