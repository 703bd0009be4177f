#include "skin/controls/SkinScrollbarH.h"

bool TSkinScrollbarH::Current(LONG objectId, TScrollBarShape& shape) const {
    RECT window{};
    if (!GetWindowRect(Window(), &window)) return false;
    return ScrollBarShapeOf(Window(), objectId, POINT{window.left, window.top}, shape);
}

bool TSkinScrollbarH::RedrawsBars(UINT msg) const {
    return msg == WM_SIZE || msg == WM_NCPAINT || msg == WM_HSCROLL || msg == WM_VSCROLL;
}

// Whether the bars' parts moved since they were drawn (a hidden bar counts as an empty shape).
bool TSkinScrollbarH::Moved() const {
    TScrollBarShape vertical{}, horizontal{};
    if (!Current(OBJID_VSCROLL, vertical)) vertical = {};
    if (!Current(OBJID_HSCROLL, horizontal)) horizontal = {};
    return !SameParts(vertical, vertical_) || !SameParts(horizontal, horizontal_);
}

void TSkinScrollbarH::AfterMessage(TMessage& m) {
    if (RedrawsBars(m.Msg) || Moved()) PaintControl(nullptr);
}

void TSkinScrollbarH::DrawControl(HDC dc, const RECT&) {
    vertical_ = {};
    horizontal_ = {};
    if (Current(OBJID_VSCROLL, vertical_)) DrawSkinScrollBar(dc, Skin(), vertical_);
    if (Current(OBJID_HSCROLL, horizontal_)) DrawSkinScrollBar(dc, Skin(), horizontal_);
}
