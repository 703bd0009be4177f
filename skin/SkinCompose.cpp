#include "skin/SkinCompose.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

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

// Source offsets within a frame of `size` pixels for the visible target offsets
// first .. first + count - 1 along one axis of a target `targetSize` long, with margins
// `low` and `high`: once with the centre stretched, once with it tiled; `middle` marks the
// offsets of the centre band, where the other axis tiles too.
struct TAxisMap {
    std::vector<int> stretched;
    std::vector<int> tiled;
    std::vector<std::uint8_t> middle;
};

// a * b / c rounded down, for a, b and c above or at 0. Hostile margins and targets may
// each come near 2^32, whose product 64 bits cannot hold; everyday sizes take the quick way.
std::int64_t ScaleDown(std::int64_t a, std::int64_t b, std::int64_t c) {
    constexpr std::int64_t kQuick = std::int64_t{1} << 31;
    if (a < kQuick && b < kQuick) return a * b / c;
    return static_cast<std::int64_t>(static_cast<__int128>(a) * b / c);
}

TAxisMap MapAxis(std::int64_t first, int count, std::int64_t targetSize, int size, std::int64_t low,
                 std::int64_t high) {
    if (targetSize < low + high) low = high = 0;
    const std::int64_t centre = size - low - high;
    const std::int64_t targetCentre = targetSize - low - high;
    TAxisMap map;
    map.stretched.resize(count);
    map.tiled.resize(count);
    map.middle.resize(count);
    for (int i = 0; i < count; ++i) {
        const std::int64_t offset = first + i;
        std::int64_t stretched, tiled;
        map.middle[i] = offset >= low && offset < targetSize - high;
        if (offset < low) {
            stretched = tiled = offset;
        } else if (offset >= targetSize - high) {
            stretched = tiled = size - (targetSize - offset);
        } else if (centre <= 0) {
            stretched = tiled = low;
        } else {
            stretched = low + ScaleDown(offset - low, centre, targetCentre);
            tiled = low + (offset - low) % centre;
        }
        map.stretched[i] = static_cast<int>(std::clamp<std::int64_t>(stretched, 0, size - 1));
        map.tiled[i] = static_cast<int>(std::clamp<std::int64_t>(tiled, 0, size - 1));
    }
    return map;
}

// Where one row of the target takes its pixels: the source row for columns outside the
// centre band and the one for columns inside it (the same unless the centre tiles), and
// the byte offset in those rows for each column.
struct TRowSources {
    const std::uint8_t* edgeRow;
    const std::uint8_t* centreRow;
    const std::ptrdiff_t* offsets;
    bool operator==(const TRowSources&) const = default;
};

template <bool transparent, int outBytes>
void ComposeRow(std::uint8_t* q, const TRowSources& sources, const std::uint8_t* middle, int count) {
    const bool oneRow = sources.centreRow == sources.edgeRow;
    for (int i = 0; i < count; ++i, q += outBytes) {
        const std::uint8_t* row = oneRow || !middle[i] ? sources.edgeRow : sources.centreRow;
        const std::uint8_t* p = row + sources.offsets[i];
        if (transparent && p[0] == 0xFF && p[1] == 0 && p[2] == 0xFF) continue;
        q[0] = p[0];
        q[1] = p[1];
        q[2] = p[2];
    }
}

template <int outBytes>
void ComposeRow(bool transparent, std::uint8_t* q, const TRowSources& sources, const std::uint8_t* middle, int count) {
    if (transparent)
        ComposeRow<true, outBytes>(q, sources, middle, count);
    else
        ComposeRow<false, outBytes>(q, sources, middle, count);
}

// Row y of a view without a call per row: views keep their rows evenly spaced.
class TRows {
public:
    explicit TRows(const pelmar::image::PixelView& view)
        : first_(view.Row(0)), step_(view.Height() > 1 ? view.Row(1) - first_ : 0) {}
    std::uint8_t* operator[](int y) const { return first_ + y * step_; }

private:
    std::uint8_t* first_;
    std::ptrdiff_t step_;
};

// Turns source columns into byte offsets within a source row.
std::vector<std::ptrdiff_t> ByteOffsets(const std::vector<int>& columns, int frameLeft, int bytesPerPixel) {
    std::vector<std::ptrdiff_t> offsets(columns.size());
    for (std::size_t i = 0; i < columns.size(); ++i)
        offsets[i] = static_cast<std::ptrdiff_t>(frameLeft + columns[i]) * bytesPerPixel;
    return offsets;
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

TRect FrameRect(const TBitmap& image, int count, int frame, bool stacked) {
    if (count <= 0) return Rect(0, 0, 0, 0);
    const int index = std::clamp(frame, 1, count) - 1;
    if (stacked) {
        const int height = image.Height() / count;
        return Bounds(0, height * index, height > 0 ? image.Width() : 0, height);
    }
    const int width = image.Width() / count;
    return Bounds(width * index, 0, width, width > 0 ? image.Height() : 0);
}

void DrawNineSlice(const pelmar::image::PixelView& out, TPoint outOrigin, const TRect& clip, const TRect& target,
                   const TBitmap& image, const TNineSlice& slice) {
    TRect frame;
    const TRect bounds = Rect(0, 0, image.Width(), image.Height());
    if (!IntersectRect(&frame, &slice.frame, &bounds)) return;
    const std::int64_t targetWidth = std::int64_t{target.right} - target.left;
    const std::int64_t targetHeight = std::int64_t{target.bottom} - target.top;
    if (targetWidth <= 0 || targetHeight <= 0) return;
    // The part of the target to compose, in target coordinates.
    const std::int64_t left = std::max<std::int64_t>({outOrigin.x, target.left, clip.left});
    const std::int64_t top = std::max<std::int64_t>({outOrigin.y, target.top, clip.top});
    const std::int64_t right = std::min<std::int64_t>({std::int64_t{outOrigin.x} + out.Width(), target.right, clip.right});
    const std::int64_t bottom =
        std::min<std::int64_t>({std::int64_t{outOrigin.y} + out.Height(), target.bottom, clip.bottom});
    if (right <= left || bottom <= top) return;

    const TAxisMap columns = MapAxis(left - target.left, static_cast<int>(right - left), targetWidth,
                                     RectWidth(frame), slice.margins.left, slice.margins.right);
    const TAxisMap rows = MapAxis(top - target.top, static_cast<int>(bottom - top), targetHeight,
                                  RectHeight(frame), slice.margins.top, slice.margins.bottom);
    const pelmar::image::PixelView& source = image.Pixels();
    const int outBytes = out.BytesPerPixel();
    const std::vector<std::ptrdiff_t> stretched = ByteOffsets(columns.stretched, frame.left, source.BytesPerPixel());
    const std::vector<std::ptrdiff_t> tiled = ByteOffsets(columns.tiled, frame.left, source.BytesPerPixel());
    const int count = static_cast<int>(right - left);
    const TRows sourceRows(source);
    const TRows outRows(out);
    TRowSources previous{};
    const std::uint8_t* previousOut = nullptr;
    for (int j = 0; j < bottom - top; ++j) {
        // Edges stretch along their length; only the centre band tiles.
        const TRowSources sources{sourceRows[frame.top + rows.stretched[j]],
                                  sourceRows[frame.top + (slice.tileCentre ? rows.tiled[j] : rows.stretched[j])],
                                  slice.tileCentre && rows.middle[j] ? tiled.data() : stretched.data()};
        std::uint8_t* q = outRows[static_cast<int>(top - outOrigin.y) + j] + outBytes * (left - outOrigin.x);
        // A stretched edge repeats its rows many times over: an opaque repeat is a copy.
        if (!slice.transparent && previousOut && sources == previous)
            std::memcpy(q, previousOut, static_cast<std::size_t>(count) * outBytes);
        else if (outBytes == 4)
            ComposeRow<4>(slice.transparent, q, sources, columns.middle.data(), count);
        else
            ComposeRow<3>(slice.transparent, q, sources, columns.middle.data(), count);
        previous = sources;
        previousOut = q;
    }
}

void DrawNineSlice(TBitmap& dest, const TRect& target, const TBitmap& image, const TNineSlice& slice) {
    Prepare24Bit(dest);
    DrawNineSlice(dest.Pixels(), Point(0, 0), Rect(0, 0, dest.Width(), dest.Height()), target, image, slice);
}

void DrawElementFrame(TBitmap& dest, const TRect& target, const TDataSkinObject& element, int frame,
                      bool transparent) {
    TNineSlice slice;
    slice.frame = FrameRect(element.Image, element.FrameCount, frame, false);
    slice.margins = Rect(element.LeftWidth, element.TopHeight, element.RightWidth, element.BottomHeight);
    slice.tileCentre = element.Tile != 1;
    slice.transparent = transparent;
    DrawNineSlice(dest, target, element.Image, slice);
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
