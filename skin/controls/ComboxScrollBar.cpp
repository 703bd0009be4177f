#include "skin/controls/ComboxScrollBar.h"

namespace {

bool SameParts(const TScrollBarShape& a, const TScrollBarShape& b) {
    return EqualRect(&a.bar, &b.bar) && a.available == b.available && a.thumbStart == b.thumbStart &&
           a.thumbEnd == b.thumbEnd;
}

}  // namespace

bool TComboxScrollBar::Current(TScrollBarShape& shape) const {
    RECT window{};
    if (!GetWindowRect(Window(), &window)) return false;
    return ScrollBarShapeOf(Window(), OBJID_VSCROLL, POINT{window.left, window.top}, shape);
}

// The list redraws its bar inside its own handling of scrolling, of the frame and of
// presses; drawing after each such message, or whenever the parts moved, puts the skin back.
void TComboxScrollBar::AfterMessage(TMessage& m) {
    TScrollBarShape now{};
    const bool shown = Current(now);
    switch (m.Msg) {
        case WM_NCPAINT:
        case WM_NCLBUTTONDOWN:
        case WM_NCLBUTTONUP:
        case WM_NCMOUSEMOVE:
        case WM_SHOWWINDOW:
            break;
        default:
            if (!shown || SameParts(now, drawn_)) return;
    }
    if (shown) PaintControl(nullptr);
}

void TComboxScrollBar::DrawControl(HDC dc, const RECT&) {
    if (!Current(drawn_)) return;
    DrawSkinScrollBar(dc, Skin(), drawn_);
}
