#include "skin/engine/SkinPaint.h"

#include "skin/SkinCompose.h"

namespace {

// Composes the slice off-screen, only where the context can draw, and copies it in; a
// transparent slice starts from what the context shows, so magenta leaves that in place.
void PaintNineSlice(HDC dc, const TRect& target, const TBitmap& image, const TNineSlice& slice) {
    if (IsRectEmpty(&slice.frame)) return;
    TRect clip;
    TRect visible;
    if (GetClipBox(dc, &clip) == ERROR || !IntersectRect(&visible, &target, &clip)) return;
    const int width = RectWidth(visible);
    const int height = RectHeight(visible);
    TBitmap scratch;
    scratch.SetPixelFormat(pf24bit);
    scratch.SetSize(width, height);
    HDC scratchDc = scratch.Canvas()->Handle();
    if (slice.transparent) BitBlt(scratchDc, 0, 0, width, height, dc, visible.left, visible.top, SRCCOPY);
    DrawNineSlice(scratch, target, image, slice, Point(visible.left, visible.top));
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

void DrawElement(HDC dc, const TRect& target, const TDataSkinObject& element, int frame) {
    TNineSlice slice;
    slice.frame = FrameRect(element.Image, element.FrameCount, frame, false);
    slice.margins = Margins(element);
    slice.tileCentre = element.Tile != 0;
    slice.transparent = element.Trans == 1;
    PaintNineSlice(dc, target, element.Image, slice);
}

void DrawTextBackground(HDC dc, const TRect& target, const TDataSkinTitle& title, bool active) {
    TNineSlice slice;
    slice.frame = FrameRect(title.Image, title.FrameCount, active ? 1 : 2, false);
    slice.margins = Rect(title.TXTBackleft, 0, title.TXTBackRight, 0);
    slice.transparent = true;
    PaintNineSlice(dc, target, title.Image, slice);
}
