#include "skin/ImgUtil.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "skin/WinSkinIni.h"

namespace {

constexpr int kChannels = 3;

int Red(TColor c) { return c & 0xFF; }
int Green(TColor c) { return (c >> 8) & 0xFF; }
int Blue(TColor c) { return (c >> 16) & 0xFF; }
TColor MakeColour(int red, int green, int blue) { return red | (green << 8) | (blue << 16); }

void Ensure24Bit(TBitmap& bitmap) {
    if (bitmap.PixelFormat() != pf24bit) bitmap.SetPixelFormat(pf24bit);
}

template <class PixelProc>
void ForEachPixel(TBitmap& bitmap, PixelProc proc) {
    Ensure24Bit(bitmap);
    for (int y = 0; y < bitmap.Height(); ++y) {
        std::uint8_t* row = bitmap.ScanLine(y);
        for (int x = 0; x < bitmap.Width(); ++x) proc(row + x * kChannels);
    }
}

// Rebuilds the bitmap as width × height with the pixel at (x, y) taken from the old
// pixel source(x, y).
template <class SourceOf>
void Remap(TBitmap& bitmap, int width, int height, SourceOf sourceOf) {
    Ensure24Bit(bitmap);
    const int oldWidth = bitmap.Width();
    const int oldHeight = bitmap.Height();
    std::vector<std::uint8_t> old(static_cast<std::size_t>(oldWidth) * oldHeight * kChannels);
    for (int y = 0; y < oldHeight; ++y)
        std::memcpy(&old[static_cast<std::size_t>(y) * oldWidth * kChannels], bitmap.ScanLine(y),
                    static_cast<std::size_t>(oldWidth) * kChannels);
    bitmap.SetSize(width, height);
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = bitmap.ScanLine(y);
        for (int x = 0; x < width; ++x) {
            const auto [sx, sy] = sourceOf(x, y);
            std::memcpy(row + x * kChannels, &old[(static_cast<std::size_t>(sy) * oldWidth + sx) * kChannels],
                        kChannels);
        }
    }
}

struct TRampSlot {
    int count = 0;
    TColor from = 0;
    TColor to = 0;
    std::vector<TColor> ramp;
};

struct TGradientCache {
    std::array<TRampSlot, 16> slots;
    int next = 0;
};

TGradientCache& Cache() {
    static TGradientCache cache;
    return cache;
}

// Floor division: with truncation a falling channel would stop one short of its end
// colour, and the ramp would not end in `to`.
int FloorDiv(int a, int b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

int RampChannel(int from, int to, int i, int n) {
    const int delta = to - from;
    if (n == 0) return from + delta / 2;
    return from + FloorDiv(i * delta + n / 2, n);
}

std::vector<TColor> BuildRamp(int count, TColor from, TColor to) {
    std::vector<TColor> ramp(static_cast<std::size_t>(count));
    const int n = count - 1;
    for (int i = 0; i < count; ++i)
        ramp[i] = MakeColour(RampChannel(Red(from), Red(to), i, n), RampChannel(Green(from), Green(to), i, n),
                             RampChannel(Blue(from), Blue(to), i, n));
    return ramp;
}

void FillBand(HDC dc, const RECT& band, TColor colour) {
    HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(colour));
    FillRect(dc, &band, brush);
    DeleteObject(brush);
}

}  // namespace

void GrayScaleBitmap(TBitmap& bitmap) {
    ForEachPixel(bitmap, [](std::uint8_t* p) {
        const auto grey = static_cast<std::uint8_t>((p[0] + p[1] + p[2]) / 3);
        p[0] = p[1] = p[2] = grey;
    });
}

void ReplaceMagenta(TBitmap& bitmap, TColor colour) {
    ForEachPixel(bitmap, [colour](std::uint8_t* p) {
        if (p[0] != 255 || p[1] != 0 || p[2] != 255) return;
        p[0] = static_cast<std::uint8_t>(Blue(colour));
        p[1] = static_cast<std::uint8_t>(Green(colour));
        p[2] = static_cast<std::uint8_t>(Red(colour));
    });
}

void MirrorBitmap(TBitmap& bitmap) {
    const int w = bitmap.Width();
    Remap(bitmap, w, bitmap.Height(), [w](int x, int y) { return std::pair{w - 1 - x, y}; });
}

void FlipBitmap(TBitmap& bitmap) {
    const int h = bitmap.Height();
    Remap(bitmap, bitmap.Width(), h, [h](int x, int y) { return std::pair{x, h - 1 - y}; });
}

void RotateLeft(TBitmap& bitmap) {
    const int w = bitmap.Width();
    Remap(bitmap, bitmap.Height(), w, [w](int x, int y) { return std::pair{w - 1 - y, x}; });
}

void RotateRight(TBitmap& bitmap) {
    const int h = bitmap.Height();
    Remap(bitmap, h, bitmap.Width(), [h](int x, int y) { return std::pair{y, h - 1 - x}; });
}

TColor BlendColours(TColor a, TColor b, int amount) {
    a = ColorToRGB(a);
    b = ColorToRGB(b);
    const int scale = amount < 100 ? 100 : 1000;
    auto mix = [&](int ca, int cb) {
        return std::clamp((ca * amount + cb * (scale - amount) + scale / 2) / scale, 0, 255);
    };
    return MakeColour(mix(Red(a), Red(b)), mix(Green(a), Green(b)), mix(Blue(a), Blue(b)));
}

int ColourSaturation(TColor colour) {
    const int r = Red(colour), g = Green(colour), b = Blue(colour);
    if (r < 160 && g < 160 && b < 160) return 200;
    const int high = std::max({r, g, b});
    const int low = std::min({r, g, b});
    const int numerator = 255 * (high - low);
    const int quotient = numerator / high;
    const int twiceRest = 2 * (numerator % high);
    if (twiceRest > high || (twiceRest == high && quotient % 2 == 1)) return quotient + 1;
    return quotient;
}

int GetGradient(int count, TColor from, TColor to) {
    if (count < 1) throw EAssertionFailed("GetGradient: the ramp needs at least one colour");
    TGradientCache& cache = Cache();
    for (int slot = 15; slot >= 0; --slot) {
        const TRampSlot& s = cache.slots[slot];
        if (s.count == count && s.from == from && s.to == to) return slot;
    }
    const int slot = cache.next;
    cache.slots[slot] = TRampSlot{count, from, to, BuildRamp(count, from, to)};
    cache.next = (slot + 1) % 16;
    return slot;
}

const std::vector<TColor>& GradientRamp(int slot) { return Cache().slots.at(slot).ramp; }

void GradientFill(HDC dc, const TRect& rect, TColor from, bool vertical, TColor to) {
    if (!RectVisible(dc, &rect)) return;
    from = ColorToRGB(from);
    to = ColorToRGB(to);
    RECT clip{};
    GetClipBox(dc, &clip);
    const int start = vertical ? rect.top : rect.left;
    const int end = vertical ? rect.bottom : rect.right;
    const int n = end - start;
    if (n <= 0) return;
    const std::vector<TColor>& ramp = GradientRamp(GetGradient(n, from, to));
    const int first = std::max(start, static_cast<int>(vertical ? clip.top : clip.left));
    const int last = std::min(end, static_cast<int>(vertical ? clip.bottom : clip.right));
    for (int pos = first; pos < last; ++pos) {
        const RECT band = vertical ? RECT{rect.left, pos, rect.right, pos + 1} : RECT{pos, rect.top, pos + 1, rect.bottom};
        FillBand(dc, band, ramp[pos - start]);
    }
}
