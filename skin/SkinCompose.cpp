#include "skin/SkinCompose.h"

#include <algorithm>

namespace {

constexpr std::uint32_t kMagentaArgb = 0xFF00FF;

void PutPixel(TBitmap& dest, int x, int y, std::uint32_t argb) {
    std::uint8_t* p = dest.ScanLine(y) + 3 * x;
    p[0] = static_cast<std::uint8_t>(argb);
    p[1] = static_cast<std::uint8_t>(argb >> 8);
    p[2] = static_cast<std::uint8_t>(argb >> 16);
}

std::uint32_t SourcePixel(const TBitmap& source, int x, int y) {
    return source.Pixels().Pixel(x, y) & 0xFFFFFF;
}

void Prepare24Bit(TBitmap& dest) {
    if (dest.PixelFormat() != pf24bit) dest.SetPixelFormat(pf24bit);
    if (!dest.Empty()) dest.ScanLine(0);  // finishes pending GDI drawing
}

// Maps a target offset along one axis to a source offset within a frame of `size` pixels
// with margins `low` and `high`, the middle stretched or tiled.
int MapAxis(int offset, int targetSize, int size, int low, int high, bool tile) {
    if (targetSize < low + high) low = high = 0;
    if (offset < low) return offset;
    if (offset >= targetSize - high) return size - (targetSize - offset);
    const int middle = size - low - high;
    const int targetMiddle = targetSize - low - high;
    if (middle <= 0) return std::clamp(low, 0, size - 1);
    if (tile) return low + (offset - low) % middle;
    return low + static_cast<int>(static_cast<long long>(offset - low) * middle / targetMiddle);
}

bool InMiddle(int offset, int targetSize, int low, int high) {
    if (targetSize < low + high) low = high = 0;
    return offset >= low && offset < targetSize - high;
}

}  // namespace

int FrameWidth(const TDataSkinObject& element) {
    return element.FrameCount > 0 ? element.Image.Width() / element.FrameCount : 0;
}

void CopyBitmapRect(const TBitmap& source, const TRect& rect, TBitmap& dest, int x, int y) {
    Prepare24Bit(dest);
    if (source.Empty()) return;
    source.ScanLine(0);
    for (int sy = std::max(0, static_cast<int>(rect.top)); sy < std::min(static_cast<int>(rect.bottom), source.Height()); ++sy) {
        const int dy = y + sy - rect.top;
        if (dy < 0 || dy >= dest.Height()) continue;
        for (int sx = std::max(0, static_cast<int>(rect.left)); sx < std::min(static_cast<int>(rect.right), source.Width()); ++sx) {
            const int dx = x + sx - rect.left;
            if (dx >= 0 && dx < dest.Width()) PutPixel(dest, dx, dy, SourcePixel(source, sx, sy));
        }
    }
}

void CropBitmap(const TBitmap& source, const TRect& rect, TBitmap& dest) {
    const int left = std::max(0, static_cast<int>(rect.left));
    const int top = std::max(0, static_cast<int>(rect.top));
    const int right = std::min(static_cast<int>(rect.right), source.Width());
    const int bottom = std::min(static_cast<int>(rect.bottom), source.Height());
    dest.Clear();
    dest.SetPixelFormat(pf24bit);
    if (right <= left || bottom <= top) return;
    dest.SetSize(right - left, bottom - top);
    CopyBitmapRect(source, Rect(left, top, right, bottom), dest, 0, 0);
}

void FillBitmapRect(TBitmap& dest, const TRect& rect, TColor colour) {
    Prepare24Bit(dest);
    const TColor rgb = ColorToRGB(colour);
    const std::uint32_t argb = ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
    for (int y = std::max(0, static_cast<int>(rect.top)); y < std::min(static_cast<int>(rect.bottom), dest.Height()); ++y)
        for (int x = std::max(0, static_cast<int>(rect.left)); x < std::min(static_cast<int>(rect.right), dest.Width()); ++x)
            PutPixel(dest, x, y, argb);
}

void DrawElementFrame(TBitmap& dest, const TRect& target, const TDataSkinObject& element, int frame,
                      bool transparent) {
    const int frameWidth = FrameWidth(element);
    const int frameHeight = element.Image.Height();
    const int targetWidth = RectWidth(target);
    const int targetHeight = RectHeight(target);
    if (frameWidth <= 0 || frameHeight <= 0 || targetWidth <= 0 || targetHeight <= 0) return;
    Prepare24Bit(dest);
    element.Image.ScanLine(0);
    const int frameLeft = frameWidth * (std::clamp(frame, 1, element.FrameCount) - 1);
    const bool tile = element.Tile != 1;
    for (int dy = 0; dy < targetHeight; ++dy) {
        const int y = target.top + dy;
        if (y < 0 || y >= dest.Height()) continue;
        const bool middleRow = InMiddle(dy, targetHeight, element.TopHeight, element.BottomHeight);
        for (int dx = 0; dx < targetWidth; ++dx) {
            const int x = target.left + dx;
            if (x < 0 || x >= dest.Width()) continue;
            const bool middleColumn = InMiddle(dx, targetWidth, element.LeftWidth, element.RightWidth);
            const int sx = MapAxis(dx, targetWidth, frameWidth, element.LeftWidth, element.RightWidth,
                                   tile && middleRow);
            const int sy = MapAxis(dy, targetHeight, frameHeight, element.TopHeight, element.BottomHeight,
                                   tile && middleColumn);
            const std::uint32_t pixel = SourcePixel(element.Image, frameLeft + std::clamp(sx, 0, frameWidth - 1),
                                                    std::clamp(sy, 0, frameHeight - 1));
            if (transparent && pixel == kMagentaArgb) continue;
            PutPixel(dest, x, y, pixel);
        }
    }
}

void DrawElementFrameAt(TBitmap& dest, int x, int y, const TDataSkinObject& element, int frame) {
    const int frameWidth = FrameWidth(element);
    if (frameWidth <= 0) return;
    Prepare24Bit(dest);
    element.Image.ScanLine(0);
    const int frameLeft = frameWidth * (std::clamp(frame, 1, element.FrameCount) - 1);
    for (int sy = 0; sy < element.Image.Height(); ++sy)
        for (int sx = 0; sx < frameWidth; ++sx) {
            const int dx = x + sx, dy = y + sy;
            if (dx < 0 || dy < 0 || dx >= dest.Width() || dy >= dest.Height()) continue;
            const std::uint32_t pixel = SourcePixel(element.Image, frameLeft + sx, sy);
            if (pixel != kMagentaArgb) PutPixel(dest, dx, dy, pixel);
        }
}
