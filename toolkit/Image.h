#pragma once
// Pixel storage shared by the BMP codec (portable) and the toolkit's bitmaps (DIB sections).
//
// Pixels are laid out as in a Windows device-independent bitmap: 3 bytes (blue, green, red)
// or 4 bytes (blue, green, red, alpha) each, every row padded to a multiple of 4 bytes.
// Row 0 is always the top row, whatever order the rows have in memory, so code that walks
// rows never needs to know whether the memory came from a bottom-up or a top-down bitmap.

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace pelmar::image {

// Raised for pixel storage or image data that cannot be used; the message says why.
class EInvalidGraphic : public std::runtime_error {
public:
    explicit EInvalidGraphic(const std::string& reason) : std::runtime_error(reason) {}
};

enum class RowOrder { TopDown, BottomUp };

// Sides larger than this are refused: no bitmap of ours comes near them, and a hostile
// file cannot make us allocate gigabytes.
inline constexpr int kMaxSide = 32767;
inline constexpr std::int64_t kMaxPixels = std::int64_t{1} << 26;

// Bytes in one row of `width` pixels of `bitsPerPixel`, padded to 4 bytes.
std::int64_t RowStride(std::int64_t width, int bitsPerPixel);

// Throws EInvalidGraphic unless width x height is a size we are prepared to hold.
void CheckDimensions(std::int64_t width, std::int64_t height);

// A window onto pixel memory owned by someone else (a PixelBuffer or a DIB section).
// Copying a view copies the pointer, not the pixels.
class PixelView {
public:
    PixelView() = default;
    // `bits` points at the first row in memory; with BottomUp that is the bottom row.
    PixelView(std::uint8_t* bits, int width, int height, int bitsPerPixel, RowOrder order);

    int Width() const { return width_; }
    int Height() const { return height_; }
    int BitsPerPixel() const { return bitsPerPixel_; }
    int BytesPerPixel() const { return bitsPerPixel_ / 8; }
    std::int64_t Stride() const { return stride_; }
    RowOrder Order() const { return order_; }
    bool Empty() const { return width_ == 0 || height_ == 0; }

    // Row y counted from the top; throws std::out_of_range outside 0..Height-1.
    std::uint8_t* Row(int y) const;

    // A pixel as 0xAARRGGBB (the bytes' own order read as a little-endian number);
    // alpha reads 0 in 24-bit views. Throws std::out_of_range outside the image.
    std::uint32_t Pixel(int x, int y) const;
    void SetPixel(int x, int y, std::uint32_t argb) const;

    // Copies every pixel of `source` (same size, any supported depth) into this view.
    void CopyFrom(const PixelView& source) const;
    void Fill(std::uint32_t argb) const;

private:
    std::uint8_t* PixelAddress(int x, int y) const;

    std::uint8_t* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    int bitsPerPixel_ = 24;
    std::int64_t stride_ = 0;
    RowOrder order_ = RowOrder::TopDown;
};

// Pixels that own their memory (zero-filled at creation).
class PixelBuffer {
public:
    PixelBuffer() = default;
    PixelBuffer(int width, int height, int bitsPerPixel, RowOrder order = RowOrder::TopDown);
    PixelBuffer(const PixelBuffer& other);
    PixelBuffer& operator=(const PixelBuffer& other);
    PixelBuffer(PixelBuffer&& other) noexcept;
    PixelBuffer& operator=(PixelBuffer&& other) noexcept;
    ~PixelBuffer() = default;

    const PixelView& View() const { return view_; }
    int Width() const { return view_.Width(); }
    int Height() const { return view_.Height(); }
    int BitsPerPixel() const { return view_.BitsPerPixel(); }
    std::uint8_t* Row(int y) { return view_.Row(y); }
    const std::uint8_t* Row(int y) const { return view_.Row(y); }
    std::uint32_t Pixel(int x, int y) const { return view_.Pixel(x, y); }
    void SetPixel(int x, int y, std::uint32_t argb) { view_.SetPixel(x, y, argb); }

private:
    std::vector<std::uint8_t> bytes_;
    PixelView view_;
};

}  // namespace pelmar::image
