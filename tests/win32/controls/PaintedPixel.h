#pragma once
// A pixel of what a control paints, drawn into memory rather than read from the screen.

#include "toolkit/Controls.h"

// A windowed control prints its client area (WM_PRINTCLIENT), a system control as well as one
// that paints itself; a windowless one paints on a device context given with WM_PAINT, as its
// parent has it paint.
TColor PaintedPixel(TControl& control, int x, int y);
