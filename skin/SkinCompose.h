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

// Frame `frame` (1-based; frames lie side by side) of the element's image, composed to
// target as a nine-slice image: corners copied, edges stretched along their length, the
// centre stretched when Tile is 1 and tiled otherwise. Margins that do not fit the target
// count as 0. With transparent, magenta source pixels leave dest as it was.
void DrawElementFrame(TBitmap& dest, const TRect& target, const TDataSkinObject& element, int frame,
                      bool transparent);
// Frame `frame` at its own size with its top-left corner at (x, y), magenta left out.
void DrawElementFrameAt(TBitmap& dest, int x, int y, const TDataSkinObject& element, int frame);
// Width of one frame of the element's image (0 without frames).
int FrameWidth(const TDataSkinObject& element);
