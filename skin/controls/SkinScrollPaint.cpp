#include "skin/controls/SkinScrollPaint.h"

#include <algorithm>

#include "skin/WinSkinData.h"
#include "skin/controls/WinSubClass.h"
#include "skin/engine/SkinPaint.h"

namespace {

constexpr int kUpArrow = 1, kDownArrow = 5, kLeftArrow = 9, kRightArrow = 13;
constexpr int kVertGrip = 17, kHorzGrip = 20, kCorner = 23;
// The thumbs' and grips' frames after the first.
constexpr int kThumbPressed = 2, kThumbHot = 3;

// A segment [from, to) along the bar, as a rectangle across its whole width.
RECT Along(const TScrollBarShape& s, int from, int to) {
    if (s.vertical) return {s.bar.left, s.bar.top + from, s.bar.right, s.bar.top + to};
    return {s.bar.left + from, s.bar.top, s.bar.left + to, s.bar.bottom};
}

int Length(const TScrollBarShape& s) { return s.vertical ? s.bar.bottom - s.bar.top : s.bar.right - s.bar.left; }

// The arrows as drawn: two that do not fit share the bar.
int ArrowLength(const TScrollBarShape& s) { return std::min(s.arrow, Length(s) / 2); }

void DrawPart(HDC dc, TSkinData& skin, TSkinElement element, const RECT& rect, int frame) {
    const TDataSkinObject* object = skin.Element(element);
    if (!object || object->Image.Empty() || IsRectEmpty(&rect)) return;
    DrawElement(dc, TRect(rect), *object, frame);
}

int ArrowFrame(const TScrollBarShape& s, int first, TScrollPart part) {
    return first - 1 + TSkinControl::StateFrame(1, s.pressed == part, s.hot == part, s.available);
}

// Counted from the thumb's or grip's normal frame: pressed, then hot.
int ThumbStep(const TScrollBarShape& s) {
    if (s.pressed == spThumb) return kThumbPressed - 1;
    return s.hot == spThumb ? kThumbHot - 1 : 0;
}

// A skin whose thumb has fewer frames shows its first one for the missing states.
int ThumbFrame(TSkinData& skin, const TScrollBarShape& s) {
    const TDataSkinObject* thumb = skin.Element(s.vertical ? seVertScrollThumb : seHorzScrollThumb);
    const int frame = 1 + ThumbStep(s);
    return thumb && frame <= thumb->FrameCount ? frame : 1;
}

// The grip goes square in the thumb's middle, when the thumb is long enough to hold it.
void DrawGrip(HDC dc, TSkinData& skin, const TScrollBarShape& s, const RECT& thumb) {
    const int across = s.vertical ? thumb.right - thumb.left : thumb.bottom - thumb.top;
    const int along = s.thumbEnd - s.thumbStart;
    if (along < across + 4) return;
    const int start = s.thumbStart + (along - across) / 2;
    DrawPart(dc, skin, seScrollbar, Along(s, start, start + across), (s.vertical ? kVertGrip : kHorzGrip) + ThumbStep(s));
}

}  // namespace

bool ScrollBarShapeOf(HWND window, LONG objectId, POINT origin, TScrollBarShape& shape) {
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    if (!GuardedGetScrollBarInfo(window, objectId, &info)) return false;
    if (info.rgstate[0] & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN)) return false;
    // Not every system reports a bar hidden by ShowScrollBar as invisible; its style bit goes.
    const LONG styleBit = objectId == OBJID_VSCROLL ? WS_VSCROLL : WS_HSCROLL;
    if ((GetWindowLongA(window, GWL_STYLE) & styleBit) == 0) return false;
    shape.bar = info.rcScrollBar;
    OffsetRect(&shape.bar, -origin.x, -origin.y);
    shape.vertical = objectId == OBJID_VSCROLL;
    shape.available = (info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) == 0 && IsWindowEnabled(window);
    // The arrows' length as the system lays them out: some systems report the thumb's length
    // in dxyLineButton.
    shape.arrow = GetSystemMetrics(shape.vertical ? SM_CYVSCROLL : SM_CXHSCROLL);
    shape.thumbStart = shape.available ? info.xyThumbTop : 0;
    shape.thumbEnd = shape.available ? info.xyThumbBottom : 0;
    TScrollBarShape horizontal{};
    shape.corner = 0;
    if (shape.vertical && ScrollBarShapeOf(window, OBJID_HSCROLL, origin, horizontal))
        shape.corner = horizontal.bar.bottom - horizontal.bar.top;
    return true;
}

bool SameParts(const TScrollBarShape& a, const TScrollBarShape& b) {
    return EqualRect(&a.bar, &b.bar) && a.vertical == b.vertical && a.available == b.available && a.arrow == b.arrow &&
           a.thumbStart == b.thumbStart && a.thumbEnd == b.thumbEnd && a.corner == b.corner;
}

TScrollPart ScrollPartAt(const TScrollBarShape& s, POINT p) {
    if (!PtInRect(&s.bar, p)) return spNone;
    const int along = s.vertical ? p.y - s.bar.top : p.x - s.bar.left;
    const int arrow = ArrowLength(s);
    if (along < arrow) return spStartArrow;
    if (along >= Length(s) - arrow) return spEndArrow;
    if (along >= s.thumbStart && along < s.thumbEnd) return spThumb;
    return spTrack;
}

void DrawSkinScrollBar(HDC dc, TSkinData& skin, const TScrollBarShape& s) {
    HBRUSH face = CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(skin.Colours().ButtonFace)));
    const int length = Length(s);
    const RECT whole = Along(s, 0, length + s.corner);
    FillRect(dc, &whole, face);
    DeleteObject(face);
    if (s.corner > 0) DrawPart(dc, skin, seScrollbar, Along(s, length, length + s.corner), kCorner);
    const int arrow = ArrowLength(s);
    DrawPart(dc, skin, s.vertical ? seVertScroll : seHorzScroll, Along(s, arrow, length - arrow), s.available ? 1 : 3);
    DrawPart(dc, skin, seScrollbar, Along(s, 0, arrow), ArrowFrame(s, s.vertical ? kUpArrow : kLeftArrow, spStartArrow));
    DrawPart(dc, skin, seScrollbar, Along(s, length - arrow, length),
             ArrowFrame(s, s.vertical ? kDownArrow : kRightArrow, spEndArrow));
    if (s.thumbEnd <= s.thumbStart) return;
    const RECT thumb = Along(s, s.thumbStart, s.thumbEnd);
    DrawPart(dc, skin, s.vertical ? seVertScrollThumb : seHorzScrollThumb, thumb, ThumbFrame(skin, s));
    DrawGrip(dc, skin, s, thumb);
}
