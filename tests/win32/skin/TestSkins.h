#pragma once
// Small skin files built inside the tests: a definition text and images, packed with our
// own writer, loaded into a skin component.

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "skin/LzhEncoder.h"
#include "skin/SkinWrite.h"
#include "skin/WinSkinData.h"
#include "toolkit/BmpCodec.h"
#include "toolkit/Image.h"

namespace skintest {

// A 24-bit bitmap file; colourAt(x, y) gives each pixel as a TColor (0x00BBGGRR).
inline std::vector<std::uint8_t> Bmp(int width, int height, const std::function<TColor(int, int)>& colourAt) {
    pelmar::image::PixelBuffer pixels(width, height, 24);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const auto c = static_cast<std::uint32_t>(colourAt(x, y));
            pixels.SetPixel(x, y, ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF));
        }
    return pelmar::image::EncodeBmp(pixels.View());
}

inline std::vector<std::uint8_t> SolidBmp(int width, int height, TColor colour) {
    return Bmp(width, height, [colour](int, int) { return colour; });
}

// Column x of the image carries x in red, so that cut-outs can be traced to their source.
inline std::vector<std::uint8_t> ColumnBmp(int width, int height) {
    return Bmp(width, height, [](int x, int) { return static_cast<TColor>(x & 0xFF); });
}

struct TTestSkin {
    std::string definition;
    std::vector<TSkinEntry> images;

    TTestSkin& Image(const std::string& name, std::vector<std::uint8_t> bytes) {
        images.push_back({name, std::move(bytes)});
        return *this;
    }
    std::vector<std::uint8_t> File(std::int32_t version = kNewestSkinVersion) const {
        std::vector<TSkinEntry> entries{{"skin.ini", {definition.begin(), definition.end()}}};
        entries.insert(entries.end(), images.begin(), images.end());
        return BuildSkinFile(version, entries);
    }
};

// A skin file whose container has a version the reader does not know, compressed as a skin
// file is.
inline std::vector<std::uint8_t> OtherVersionSkinFile() {
    std::vector<std::uint8_t> container = BuildSkinContainer(kNewestSkinVersion, {});
    container[0] = 0x39;
    const std::vector<std::uint8_t> packed = LzhEncode(container);
    std::vector<std::uint8_t> file(4 + packed.size());
    file[0] = static_cast<std::uint8_t>(container.size());
    std::copy(packed.begin(), packed.end(), file.begin() + 4);
    return file;
}

// Loads the skin into data; true when the reader accepted it.
inline bool Load(TSkinData& data, const TTestSkin& skin) {
    data.SetSkinBytes(skin.File());
    return data.LoadSkin();
}

inline TColor PixelOf(const TBitmap& bitmap, int x, int y) {
    bitmap.ScanLine(0);
    const std::uint32_t argb = bitmap.Pixels().Pixel(x, y);
    return static_cast<TColor>(((argb >> 16) & 0xFF) | (argb & 0xFF00) | ((argb & 0xFF) << 16));
}

// Makes bitmap a 24-bit image of width x height whose pixels colourAt(x, y) gives.
inline void FillBitmap(TBitmap& bitmap, int width, int height, const std::function<TColor(int, int)>& colourAt) {
    bitmap.SetPixelFormat(pf24bit);
    bitmap.SetSize(width, height);
    const pelmar::image::PixelView& pixels = bitmap.Pixels();
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const auto c = static_cast<std::uint32_t>(colourAt(x, y));
            pixels.SetPixel(x, y, ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF));
        }
}

}  // namespace skintest
