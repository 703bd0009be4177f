#pragma once
// Small bitmap and colour routines of the skin engine (Win32): pixel transforms on 24-bit
// bitmaps, colour blending, a saturation measure, and gradient fills backed by a cache of
// sixteen colour ramps.

#include <cstdint>
#include <vector>

#include "platform/Win.h"
#include "toolkit/Graphics.h"

// Every pixel's three channels become (R + G + B) div 3; the bitmap becomes 24-bit.
void GrayScaleBitmap(TBitmap& bitmap);
// Every pure magenta pixel takes colour's R, G, B as written (a system-colour reference is
// not resolved); the bitmap becomes 24-bit.
void ReplaceMagenta(TBitmap& bitmap, TColor colour);

// The transforms work on 3-byte pixels; a bitmap of another depth is converted to 24 bits
// first rather than read with the wrong pixel size.
void MirrorBitmap(TBitmap& bitmap);  // left-right
void FlipBitmap(TBitmap& bitmap);    // top-bottom
void RotateLeft(TBitmap& bitmap);    // a quarter turn anticlockwise
void RotateRight(TBitmap& bitmap);   // a quarter turn clockwise

// amount per cent of a and the rest b for amounts below 100, per mille from 100 up.
// System colours are resolved first; channels are kept within 0..255.
TColor BlendColours(TColor a, TColor b, int amount);

// 255 × (max − min) / max of the channels, rounded half to even; 200 when all three
// channels are below 160.
int ColourSaturation(TColor colour);

// The cache slot (0..15) that holds a ramp of count colours from `from` to `to`; built
// when missing, replacing the oldest slot. count below 1 raises EAssertionFailed.
int GetGradient(int count, TColor from, TColor to);
// The ramp held in a slot returned by GetGradient.
const std::vector<TColor>& GradientRamp(int slot);

// Fills rect with a linear ramp from `from` (top or left) to `to`, one-pixel bands; only
// the bands inside the context's clip box are drawn, in their colours of the whole ramp.
void GradientFill(HDC dc, const TRect& rect, TColor from, bool vertical, TColor to);
