#pragma once
// One scroll bar drawn from the skin (Win32), shared by the painted scroll-bar windows and
// the scroll bars drawn over foreign windows' own. Frames of Scrollbar: 1-4 up, 5-8 down,
// 9-12 left, 13-16 right (normal, pressed, disabled, hot), 17-19 the grip on a vertical
// thumb, 20-22 on a horizontal one (normal, pressed, hot), 23 the corner box; the tracks'
// frame 1 is enabled, 3 disabled; the thumbs' frames are normal, pressed, hot, as many as
// the skin has.

#include "platform/Win.h"

class TSkinData;

// The parts of a bar that answer the pointer.
enum TScrollPart { spNone, spStartArrow, spEndArrow, spThumb, spTrack };

// What is drawn, in the coordinates of the device context.
struct TScrollBarShape {
    RECT bar{};
    bool vertical = true;
    bool available = true;
    // Length of each arrow button along the bar.
    int arrow = 0;
    // The thumb along the bar, from the bar's start; empty when there is none.
    int thumbStart = 0;
    int thumbEnd = 0;
    // The box where a vertical bar meets a horizontal one, below the bar; 0 when none.
    int corner = 0;
    // The part under the pointer, and the part held down.
    TScrollPart hot = spNone;
    TScrollPart pressed = spNone;
};

// The shape the system reports for a window's scroll bar (OBJID_VSCROLL or OBJID_HSCROLL),
// with bar relative to `origin` (screen coordinates), a vertical bar's corner box included;
// false when it is not shown.
bool ScrollBarShapeOf(HWND window, LONG objectId, POINT origin, TScrollBarShape& shape);
// Whether two shapes put the same parts in the same places.
bool SameParts(const TScrollBarShape& a, const TScrollBarShape& b);

// The part at p, in the shape's coordinates; spNone off the bar (on the corner box too).
TScrollPart ScrollPartAt(const TScrollBarShape& shape, POINT p);

// Paints the bar (and the corner box) on the skin's ButtonFace; parts whose element the skin lacks stay face.
void DrawSkinScrollBar(HDC dc, TSkinData& skin, const TScrollBarShape& shape);
