#include "tools/skin-gallery/WindowPicture.h"

#include <fstream>
#include <string_view>

#include "toolkit/Classes.h"
#include "toolkit/Graphics.h"
#include "toolkit/PngCodec.h"

namespace {

bool HasExtension(const std::string& fileName, std::string_view extension) {
    return fileName.size() >= extension.size() &&
           SameText(fileName.substr(fileName.size() - extension.size()), extension);
}

void WritePng(const TBitmap& picture, const std::string& fileName) {
    const std::vector<std::uint8_t> bytes = pelmar::image::EncodePng(picture.Pixels());
    std::ofstream file(fileName, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!file.flush()) throw Exception("Cannot create file \"" + fileName + "\".");
}

}  // namespace

void SaveWindowPicture(HWND window, const std::string& fileName) {
    RECT r{};
    GetWindowRect(window, &r);
    TBitmap picture;
    picture.SetPixelFormat(pf24bit);
    picture.SetSize(r.right - r.left, r.bottom - r.top);
    const HDC screen = GetDC(nullptr);
    BitBlt(picture.Canvas()->Handle(), 0, 0, picture.Width(), picture.Height(), screen, r.left, r.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
    if (HasExtension(fileName, ".png"))
        WritePng(picture, fileName);
    else if (HasExtension(fileName, ".bmp"))
        picture.SaveToFile(fileName);
    else
        throw Exception("A picture is saved as .png or .bmp, not as \"" + fileName + "\".");
}
