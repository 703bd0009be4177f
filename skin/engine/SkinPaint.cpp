#include "skin/engine/SkinPaint.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "skin/SkinCompose.h"

namespace {

using pelmar::image::PixelView;

// Whether row 0 of a bitmap's memory is its top row. GDI does not say (it reports the
// height of a top-down bitmap as positive), so it is asked to draw the top-left pixel,
// which is then put back.
bool RowZeroIsTop(HDC dc, std::uint8_t* bits, int height, std::int64_t stride, int bytesPerPixel) {
    std::uint8_t* first = bits;
    std::uint8_t* last = bits + (height - 1) * stride;
    std::uint8_t savedFirst[4], savedLast[4];
    std::memcpy(savedFirst, first, bytesPerPixel);
    std::memcpy(savedLast, last, bytesPerPixel);
    // A probe colour unlike both candidates: black, white and blue cannot all match one of two.
    COLORREF probe = 0;
    for (COLORREF candidate : {RGB(0, 0, 0), RGB(255, 255, 255), RGB(0, 0, 255)}) {
        auto matches = [candidate](const std::uint8_t* p) {
            return p[0] == GetBValue(candidate) && p[1] == GetGValue(candidate) && p[2] == GetRValue(candidate);
        };
        probe = candidate;
        if (!matches(first) && !matches(last)) break;
    }
    SetPixelV(dc, 0, 0, probe);
    GdiFlush();
    const bool top = first[0] == GetBValue(probe) && first[1] == GetGValue(probe) && first[2] == GetRValue(probe);
    std::memcpy(first, savedFirst, bytesPerPixel);
    std::memcpy(last, savedLast, bytesPerPixel);
    return top;
}

// The pixels of the device-independent bitmap selected into dc, when drawing on dc at
// logical coordinates is writing those pixels: 24 or 32 bits, no mapping. Off-screen
// buffers and canvases of our bitmaps are such contexts; a window's is not.
std::optional<PixelView> SelectedPixels(HDC dc) {
    DIBSECTION dib{};
    HGDIOBJ bitmap = GetCurrentObject(dc, OBJ_BITMAP);
    if (!bitmap || GetObjectA(bitmap, sizeof dib, &dib) != sizeof dib || !dib.dsBm.bmBits) return std::nullopt;
    const int bits = dib.dsBm.bmBitsPixel;
    if ((bits != 24 && bits != 32) || dib.dsBmih.biCompression != BI_RGB) return std::nullopt;
    POINT viewport, window;
    if (GetMapMode(dc) != MM_TEXT || GetGraphicsMode(dc) != GM_COMPATIBLE || !GetViewportOrgEx(dc, &viewport) ||
        !GetWindowOrgEx(dc, &window) || viewport.x || viewport.y || window.x || window.y)
        return std::nullopt;
    GdiFlush();  // what GDI still has to draw there comes first
    auto* memory = static_cast<std::uint8_t*>(dib.dsBm.bmBits);
    const int height = dib.dsBm.bmHeight;
    const bool top = RowZeroIsTop(dc, memory, height, dib.dsBm.bmWidthBytes, bits / 8);
    return PixelView(memory, dib.dsBm.bmWidth, height, bits,
                     top ? pelmar::image::RowOrder::TopDown : pelmar::image::RowOrder::BottomUp);
}

// Composes straight into the context's own pixels where it has them; elsewhere off-screen
// and copied in. Either way only where the context can draw: a clip region that is not a
// rectangle is drawn around by the copy. A transparent slice off-screen starts from what
// the context shows, so magenta leaves that in place.
void PaintNineSlice(HDC dc, const TRect& target, const TBitmap& image, const TNineSlice& slice) {
    if (IsRectEmpty(&slice.frame)) return;
    TRect clip;
    const int clipKind = GetClipBox(dc, &clip);
    if (clipKind == ERROR || clipKind == NULLREGION) return;
    if (clipKind == SIMPLEREGION) {
        if (const std::optional<PixelView> pixels = SelectedPixels(dc)) {
            DrawNineSlice(*pixels, Point(0, 0), clip, target, image, slice);
            return;
        }
    }
    TRect visible;
    if (!IntersectRect(&visible, &target, &clip)) return;
    const int width = RectWidth(visible);
    const int height = RectHeight(visible);
    TBitmap scratch;
    scratch.SetPixelFormat(pf32bit);
    scratch.SetSize(width, height);
    HDC scratchDc = scratch.Canvas()->Handle();
    if (slice.transparent) BitBlt(scratchDc, 0, 0, width, height, dc, visible.left, visible.top, SRCCOPY);
    DrawNineSlice(scratch.Pixels(), Point(visible.left, visible.top), visible, target, image, slice);
    BitBlt(dc, visible.left, visible.top, width, height, scratchDc, 0, 0, SRCCOPY);
}

TRect Margins(const TDataSkinObject& record) {
    return Rect(record.LeftWidth, record.TopHeight, record.RightWidth, record.BottomHeight);
}

}  // namespace

void DrawBorderPart(HDC dc, const TRect& target, const TDataSkinObject& border, TBorderPart part, bool active) {
    TNineSlice slice;
    slice.frame = FrameRect(border.Image, border.FrameCount, active ? 1 : 2, part == bpTitle || part == bpBottom);
    slice.margins = Margins(border);
    slice.tileCentre = border.Tile != 1;
    PaintNineSlice(dc, target, border.Image, slice);
}

namespace {

TNineSlice ElementSlice(const TDataSkinObject& element, const TBitmap& image, int frame) {
    TNineSlice slice;
    slice.frame = FrameRect(image, element.FrameCount, frame, false);
    slice.margins = Margins(element);
    slice.tileCentre = element.Tile != 0;
    slice.transparent = element.Trans == 1;
    return slice;
}

}  // namespace

void DrawElement(HDC dc, const TRect& target, const TDataSkinObject& element, int frame) {
    PaintNineSlice(dc, target, element.Image, ElementSlice(element, element.Image, frame));
}

void DrawMirroredElement(HDC dc, const TRect& target, const TDataSkinObject& element, const TBitmap& mirrored,
                         int frame) {
    const int frames = std::max(1, element.FrameCount);
    TNineSlice slice = ElementSlice(element, mirrored, frames + 1 - std::clamp(frame, 1, frames));
    std::swap(slice.margins.left, slice.margins.right);
    PaintNineSlice(dc, target, mirrored, slice);
}

void DrawTextBackground(HDC dc, const TRect& target, const TDataSkinTitle& title, bool active) {
    TNineSlice slice;
    // The definition gives the text background no frame count: it holds an active and an
    // inactive frame.
    const int frames = title.FrameCount > 0 ? title.FrameCount : 2;
    slice.frame = FrameRect(title.Image, frames, active ? 1 : 2, false);
    slice.margins = Rect(title.TXTBackleft, 0, title.TXTBackRight, 0);
    slice.transparent = true;
    PaintNineSlice(dc, target, title.Image, slice);
}

void DrawMenuBarBand(HDC dc, const TRect& target, const TDataSkinObject& menuBar, bool active) {
    TNineSlice slice;
    slice.frame = FrameRect(menuBar.Image, 2, active ? 1 : 2, true);
    slice.margins = Rect(menuBar.LeftWidth, 0, menuBar.RightWidth, 0);
    slice.tileCentre = menuBar.Tile == 1;
    PaintNineSlice(dc, target, menuBar.Image, slice);
}

void DrawMenuSeparator(HDC dc, const TRect& target, const TDataSkinObject& menuItem) {
    TNineSlice slice;
    slice.frame = FrameRect(menuItem.Image, menuItem.FrameCount, 2, false);
    slice.margins = Rect(menuItem.LeftWidth, 0, menuItem.RightWidth, 0);
    slice.transparent = true;
    PaintNineSlice(dc, target, menuItem.Image, slice);
}

HFONT CreateNonClientFont(LOGFONTA NONCLIENTMETRICSA::*font) {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return nullptr;
    return CreateFontIndirectA(&(metrics.*font));
}
