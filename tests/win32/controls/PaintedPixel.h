#pragma once
// A pixel of what a control paints, drawn into memory rather than read from the screen.

#include "toolkit/Controls.h"

// A windowed control prints its client area (WM_PRINTCLIENT); a windowless one paints as its
// parent has it paint (WM_PAINT with a device context).
TColor PaintedPixel(TControl& control, int x, int y);
