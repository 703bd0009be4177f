// TBitmap over a top-down DIB section, and TIcon.
#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

#include "toolkit/Graphics.h"

using pelmar::image::BmpContainer;
using pelmar::image::PixelView;
using pelmar::image::RowOrder;

namespace {

[[noreturn]] void RaiseInvalid(const std::exception& e) { throw EInvalidGraphic(e.what()); }

TColor ArgbToColor(std::uint32_t argb) {
    return static_cast<TColor>((argb & 0xFF) << 16 | (argb & 0xFF00) | (argb >> 16 & 0xFF));
}

}  // namespace

// A DIB section that frees itself unless a bitmap adopts it.
class TBitmap::Dib {
public:
    Dib(int width, int height, int bitsPerPixel) {
        try {
            pelmar::image::CheckDimensions(width, height);
        } catch (const std::exception& e) {
            RaiseInvalid(e);
        }
        if (width == 0 || height == 0) {
            view = PixelView(nullptr, width, height, bitsPerPixel, RowOrder::TopDown);
            return;
        }
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;  // top-down: row 0 first in memory
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = static_cast<WORD>(bitsPerPixel);
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        handle = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        if (!handle) throw EInvalidGraphic(Format("Out of system resources for a %d x %d bitmap", width, height));
        view = PixelView(static_cast<std::uint8_t*>(bits), width, height, bitsPerPixel, RowOrder::TopDown);
    }
    Dib(Dib&& other) noexcept : handle(std::exchange(other.handle, nullptr)), view(other.view) {}
    Dib& operator=(Dib&&) = delete;
    ~Dib() {
        if (handle) DeleteObject(handle);
    }

    HBITMAP handle = nullptr;
    PixelView view;
};

// The bitmap's canvas draws through a memory context holding the DIB section, made when
// first drawn on and given up whenever the DIB section is replaced or handed out.
class TBitmapCanvas : public TCanvas {
public:
    explicit TBitmapCanvas(const TBitmap& bitmap) : bitmap_(bitmap) {}
    ~TBitmapCanvas() override { FreeContext(); }

    void FreeContext() {
        if (!memoryDC_) return;
        SetHandle(nullptr);
        SelectObject(memoryDC_, oldBitmap_);
        DeleteDC(memoryDC_);
        memoryDC_ = nullptr;
    }

protected:
    // An empty bitmap still gets a context, so that text can be measured on its canvas.
    void CreateHandle() override {
        memoryDC_ = CreateCompatibleDC(nullptr);
        if (!memoryDC_) return;
        oldBitmap_ = bitmap_.dib_ ? SelectObject(memoryDC_, bitmap_.dib_) : nullptr;
        SetHandle(memoryDC_);
    }

private:
    const TBitmap& bitmap_;
    HDC memoryDC_ = nullptr;
    HGDIOBJ oldBitmap_ = nullptr;
};

const TClassInfo& TBitmap::StaticClass() {
    static const TClassInfo info("TBitmap", &TGraphic::StaticClass());
    return info;
}

TBitmap::TBitmap() = default;

TBitmap::~TBitmap() {
    canvas_.reset();
    if (dib_) DeleteObject(dib_);
}

void TBitmap::ReleaseCanvasHandle() const {
    if (canvas_) canvas_->FreeContext();
}

void TBitmap::Adopt(Dib&& dib) {
    ReleaseCanvasHandle();
    if (dib_) DeleteObject(dib_);
    dib_ = std::exchange(dib.handle, nullptr);
    view_ = dib.view;
    Changed();
}

void TBitmap::SetSize(int width, int height) {
    if (width == Width() && height == Height()) return;
    Dib dib(width, height, BitsPerPixel());
    GdiFlush();
    const std::size_t rowBytes = static_cast<std::size_t>(std::min(width, Width())) * view_.BytesPerPixel();
    for (int y = 0; y < std::min(height, Height()); ++y) std::memcpy(dib.view.Row(y), view_.Row(y), rowBytes);
    Adopt(std::move(dib));
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
    if (format != pfDevice && format != pf24bit && format != pf32bit)
        throw EInvalidGraphic("Only 24- and 32-bit pixel formats are supported");
    const int bitsPerPixel = format == pf32bit ? 32 : 24;
    if (bitsPerPixel == BitsPerPixel()) return;
    Dib dib(Width(), Height(), bitsPerPixel);
    GdiFlush();
    if (!Empty()) dib.view.CopyFrom(view_);
    Adopt(std::move(dib));
}

std::uint8_t* TBitmap::ScanLine(int y) const {
    GdiFlush();
    if (y < 0 || y >= Height()) throw EInvalidGraphic("Scan line index out of range");
    return view_.Row(y);
}

const PixelView& TBitmap::Pixels() const {
    GdiFlush();
    return view_;
}

TCanvas* TBitmap::Canvas() const {
    if (!canvas_) canvas_ = std::make_unique<TBitmapCanvas>(*this);
    return canvas_.get();
}

HBITMAP TBitmap::Handle() const {
    ReleaseCanvasHandle();
    return dib_;
}

void TBitmap::SetTransparent(bool transparent) {
    if (transparent == transparent_) return;
    transparent_ = transparent;
    Changed();
}

TColor TBitmap::TransparentColor() const {
    if (transparentMode_ == tmFixed) return transparentColor_;
    if (Empty()) return clDefault;
    return ArgbToColor(Pixels().Pixel(0, Height() - 1));
}

void TBitmap::SetTransparentColor(TColor color) {
    transparentColor_ = color;
    transparentMode_ = color == clDefault ? tmAuto : tmFixed;
    Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode mode) {
    if (mode == transparentMode_) return;
    transparentMode_ = mode;
    Changed();
}

void TBitmap::Draw(TCanvas& canvas, const TRect& rect) const {
    if (Empty()) return;
    HDC target = canvas.Handle();
    if (!target) throw EInvalidGraphicOperation("Canvas does not allow drawing");
    HDC source = Canvas()->Handle();
    if (transparent_) {
        const auto key = static_cast<UINT>(ColorToRGB(TransparentColor()) & 0xFFFFFF);
        GdiTransparentBlt(target, rect.left, rect.top, RectWidth(rect), RectHeight(rect), source, 0, 0, Width(),
                          Height(), key);
        return;
    }
    const int oldMode = SetStretchBltMode(target, COLORONCOLOR);
    StretchBlt(target, rect.left, rect.top, RectWidth(rect), RectHeight(rect), source, 0, 0, Width(), Height(),
               canvas.CopyMode());
    SetStretchBltMode(target, oldMode);
}

void TBitmap::Assign(const TPersistent& source) {
    const auto* bitmap = dynamic_cast<const TBitmap*>(&source);
    if (!bitmap) return TGraphic::Assign(source);
    if (bitmap == this) return;
    Dib dib(bitmap->Width(), bitmap->Height(), bitmap->BitsPerPixel());
    if (!bitmap->Empty()) dib.view.CopyFrom(bitmap->Pixels());
    transparent_ = bitmap->transparent_;
    transparentColor_ = bitmap->transparentColor_;
    transparentMode_ = bitmap->transparentMode_;
    Adopt(std::move(dib));
}

void TBitmap::Clear() { Adopt(Dib(0, 0, BitsPerPixel())); }

void TBitmap::LoadFromBytes(std::span<const std::uint8_t> bytes, BmpContainer container) {
    try {
        const pelmar::image::BmpInfo info = pelmar::image::ReadBmpInfo(bytes, container);
        Dib dib(info.width, info.height, info.bitsPerPixel);
        if (!dib.view.Empty()) pelmar::image::DecodeBmp(bytes, dib.view, container);
        Adopt(std::move(dib));
    } catch (const pelmar::image::EInvalidGraphic& e) {
        RaiseInvalid(e);
    }
}

void TBitmap::LoadFromStream(TStream& stream) {
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(stream.Size() - stream.Position()));
    stream.ReadBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    LoadFromBytes(bytes, BmpContainer::File);
}

void TBitmap::SaveToStream(TStream& stream) const {
    const std::vector<std::uint8_t> bytes = pelmar::image::EncodeBmp(Pixels());
    stream.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
}

void TBitmap::LoadFromFile(const std::string& fileName) {
    TFileStream file(fileName, fmOpenRead);
    LoadFromStream(file);
}

void TBitmap::SaveToFile(const std::string& fileName) const {
    TMemoryStream encoded;
    SaveToStream(encoded);
    encoded.SaveToFile(fileName);
}

void TBitmap::LoadFromResourceName(HINSTANCE instance, const std::string& name) {
    HRSRC resource = FindResourceA(instance, name.c_str(), MAKEINTRESOURCEA(2));  // RT_BITMAP
    HGLOBAL loaded = resource ? LoadResource(instance, resource) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) throw EResNotFound(Format("Resource %s not found", name.c_str()));
    LoadFromBytes({static_cast<const std::uint8_t*>(data), SizeofResource(instance, resource)}, BmpContainer::PackedDib);
}

// ---------------------------------------------------------------------------------------
// TIcon

const TClassInfo& TIcon::StaticClass() {
    static const TClassInfo info("TIcon", &TGraphic::StaticClass());
    return info;
}

TIcon::~TIcon() {
    if (icon_) DestroyIcon(icon_);
}

void TIcon::SetHandle(HICON icon) {
    if (icon == icon_) return;
    if (icon_) DestroyIcon(icon_);
    icon_ = icon;
    width_ = height_ = 0;
    ICONINFO info{};
    if (icon_ && GetIconInfo(icon_, &info)) {
        BITMAP bm{};
        GetObjectA(info.hbmMask, sizeof(bm), &bm);
        width_ = bm.bmWidth;
        height_ = info.hbmColor ? bm.bmHeight : bm.bmHeight / 2;  // a monochrome mask holds AND and XOR halves
        if (info.hbmColor) DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
    }
    Changed();
}

HICON TIcon::ReleaseHandle() {
    HICON icon = std::exchange(icon_, nullptr);
    width_ = height_ = 0;
    Changed();
    return icon;
}

void TIcon::Draw(TCanvas& canvas, const TRect& rect) const {
    if (!icon_) return;
    DrawIconEx(canvas.Handle(), rect.left, rect.top, icon_, RectWidth(rect), RectHeight(rect), 0, nullptr, DI_NORMAL);
}

void TIcon::Assign(const TPersistent& source) {
    const auto* icon = dynamic_cast<const TIcon*>(&source);
    if (!icon) return TGraphic::Assign(source);
    if (icon != this) SetHandle(icon->icon_ ? CopyIcon(icon->icon_) : nullptr);
}

void TIcon::LoadFromResourceName(HINSTANCE instance, const std::string& name, int size) {
    const int side = size > 0 ? size : GetSystemMetrics(SM_CXICON);
    HANDLE icon = LoadImageA(instance, name.c_str(), IMAGE_ICON, side, side, LR_DEFAULTCOLOR);
    if (!icon) throw EResNotFound(Format("Resource %s not found", name.c_str()));
    SetHandle(static_cast<HICON>(icon));
}
