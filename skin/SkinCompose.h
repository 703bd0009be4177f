#pragma once
// Pixel-level composition of skin images into bitmaps, used where the definition parse
// builds elements out of others (Win32). Pure magenta (0xFF00FF) is the transparent colour.

#include "skin/SkinElements.h"
#include "toolkit/Graphics.h"

// Makes dest a 24-bit copy of the part of source inside rect (clipped to source).
void CropBitmap(const TBitmap& source, const TRect& rect, TBitmap& dest);
// Copies the part of source inside rect to (x, y) of dest; what falls outside either
// bitmap is left out.
void CopyBitmapRect(const TBitmap& source, const TRect& rect, TBitmap& dest, int x, int y);
void FillBitmapRect(TBitmap& dest, const TRect& rect, TColor colour);

// How one frame of a skin image is composed to a target of any size: corners copied at
// their size, edges stretched along their length, the centre stretched or tiled. Margins
// that do not fit the target (left + right wider than it, or top + bottom higher) count
// as 0 along that axis. Stretching takes the nearest source pixel, as GDI's
// colour-on-colour stretch mode does.
struct TNineSlice {
    TRect frame;    // the frame's rectangle in the image; what lies outside the image is left out
    TRect margins;  // left, top, right and bottom widths kept at their size
    bool tileCentre = false;
    bool transparent = false;  // magenta source pixels leave dest as it was
};
// Composes slice of image to the part of target inside clip that out shows; out's top-left
// pixel stands at outOrigin in the coordinates of target and clip, and it holds 3 or 4
// bytes a pixel (the fourth is left as it was). Only those pixels are computed, so a
// target of any size costs no more than out's own area.
void DrawNineSlice(const pelmar::image::PixelView& out, TPoint outOrigin, const TRect& clip, const TRect& target,
                   const TBitmap& image, const TNineSlice& slice);
// The same into dest at its own coordinates; dest becomes a 24-bit bitmap first.
void DrawNineSlice(TBitmap& dest, const TRect& target, const TBitmap& image, const TNineSlice& slice);
// Frame `frame` (1-based, clamped to count) of an image holding count frames side by side,
// or one above the other when stacked; empty when count is not above 0 or the frames
// would be less than a pixel.
TRect FrameRect(const TBitmap& image, int count, int frame, bool stacked);

// Frame `frame` (1-based, clamped to the frame count; frames lie side by side) of the
// element's image, composed to target as a nine-slice image with the element's margins,
// the centre stretched when Tile is 1 and tiled otherwise.
void DrawElementFrame(TBitmap& dest, const TRect& target, const TDataSkinObject& element, int frame,
                      bool transparent);
// Frame `frame` at its own size with its top-left corner at (x, y), magenta left out.
void DrawElementFrameAt(TBitmap& dest, int x, int y, const TDataSkinObject& element, int frame);
// Width of one frame of the element's image (0 without frames).
int FrameWidth(const TDataSkinObject& element);
