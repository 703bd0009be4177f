#include "toolkit/Image.h"

#include <cstring>

namespace pelmar::image {

std::int64_t RowStride(std::int64_t width, int bitsPerPixel) {
    return (width * bitsPerPixel + 31) / 32 * 4;
}

void CheckDimensions(std::int64_t width, std::int64_t height) {
    if (width < 0 || height < 0)
        throw EInvalidGraphic("negative bitmap size " + std::to_string(width) + " x " + std::to_string(height));
    if (width > kMaxSide || height > kMaxSide || width * height > kMaxPixels)
        throw EInvalidGraphic("bitmap size " + std::to_string(width) + " x " + std::to_string(height) +
                              " is too large");
}

static void CheckDepth(int bitsPerPixel) {
    if (bitsPerPixel != 24 && bitsPerPixel != 32)
        throw EInvalidGraphic("pixel storage holds 24 or 32 bits per pixel, not " + std::to_string(bitsPerPixel));
}

PixelView::PixelView(std::uint8_t* bits, int width, int height, int bitsPerPixel, RowOrder order)
    : bits_(bits), width_(width), height_(height), bitsPerPixel_(bitsPerPixel),
      stride_(RowStride(width, bitsPerPixel)), order_(order) {
    CheckDepth(bitsPerPixel);
    CheckDimensions(width, height);
    if (bits == nullptr && !Empty()) throw EInvalidGraphic("pixel storage without memory");
}

std::uint8_t* PixelView::Row(int y) const {
    if (y < 0 || y >= height_) throw std::out_of_range("Scan line index out of range");
    const int memoryRow = order_ == RowOrder::TopDown ? y : height_ - 1 - y;
    return bits_ + memoryRow * stride_;
}

std::uint8_t* PixelView::PixelAddress(int x, int y) const {
    if (x < 0 || x >= width_) throw std::out_of_range("Pixel index out of range");
    return Row(y) + std::int64_t{x} * BytesPerPixel();
}

std::uint32_t PixelView::Pixel(int x, int y) const {
    const std::uint8_t* p = PixelAddress(x, y);
    const std::uint32_t alpha = bitsPerPixel_ == 32 ? p[3] : 0;
    return alpha << 24 | std::uint32_t{p[2]} << 16 | std::uint32_t{p[1]} << 8 | p[0];
}

void PixelView::SetPixel(int x, int y, std::uint32_t argb) const {
    std::uint8_t* p = PixelAddress(x, y);
    p[0] = static_cast<std::uint8_t>(argb);
    p[1] = static_cast<std::uint8_t>(argb >> 8);
    p[2] = static_cast<std::uint8_t>(argb >> 16);
    if (bitsPerPixel_ == 32) p[3] = static_cast<std::uint8_t>(argb >> 24);
}

void PixelView::CopyFrom(const PixelView& source) const {
    if (source.width_ != width_ || source.height_ != height_)
        throw EInvalidGraphic("cannot copy pixels between images of different sizes");
    const std::size_t rowBytes = static_cast<std::size_t>(width_) * BytesPerPixel();
    for (int y = 0; y < height_; ++y) {
        if (source.bitsPerPixel_ == bitsPerPixel_) {
            std::memcpy(Row(y), source.Row(y), rowBytes);
            continue;
        }
        for (int x = 0; x < width_; ++x) SetPixel(x, y, source.Pixel(x, y));
    }
}

void PixelView::Fill(std::uint32_t argb) const {
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) SetPixel(x, y, argb);
}

PixelBuffer::PixelBuffer(int width, int height, int bitsPerPixel, RowOrder order) {
    CheckDepth(bitsPerPixel);
    CheckDimensions(width, height);
    bytes_.assign(static_cast<std::size_t>(RowStride(width, bitsPerPixel) * height), 0);
    view_ = PixelView(bytes_.data(), width, height, bitsPerPixel, order);
}

PixelBuffer::PixelBuffer(const PixelBuffer& other)
    : bytes_(other.bytes_),
      view_(bytes_.data(), other.Width(), other.Height(), other.BitsPerPixel(), other.view_.Order()) {}

PixelBuffer& PixelBuffer::operator=(const PixelBuffer& other) {
    if (this != &other) *this = PixelBuffer(other);
    return *this;
}

// A moved vector keeps its heap block, so the view stays valid; the source is left empty.
PixelBuffer::PixelBuffer(PixelBuffer&& other) noexcept
    : bytes_(std::move(other.bytes_)), view_(other.view_) {
    other.view_ = PixelView();
}

PixelBuffer& PixelBuffer::operator=(PixelBuffer&& other) noexcept {
    if (this == &other) return *this;
    bytes_ = std::move(other.bytes_);
    view_ = other.view_;
    other.view_ = PixelView();
    return *this;
}

}  // namespace pelmar::image
