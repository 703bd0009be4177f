#pragma once
// A pixel of what a control paints, drawn into memory rather than read from the screen.

#include "toolkit/Controls.h"

// A control that paints itself, or a windowless one, paints on a device context given with
// WM_PAINT (as double-buffering and its parent have it paint); a system control prints its
// client area (WM_PRINTCLIENT).
TColor PaintedPixel(TControl& control, int x, int y);
