#include "skin/controls/SkinUpDown.h"

#include <commctrl.h>

#include "skin/WinSkinData.h"

int TSkinUpDown::FrameOf(int part, bool pressed, bool hot, bool available) {
    return part * 4 + StateFrame(1, pressed, hot, available);
}

TDataSkinBorder* TSkinUpDown::Element() const {
    return Skin().ElementAs<TDataSkinBorder>(Horizontal() ? seUpDownHorz : seUpDownVert);
}

bool TSkinUpDown::Horizontal() const { return (Style() & UDS_HORZ) != 0; }

int TSkinUpDown::PartAt(LPARAM point) const {
    RECT r{};
    GetClientRect(Window(), &r);
    const int x = static_cast<short>(LOWORD(point));
    const int y = static_cast<short>(HIWORD(point));
    return Horizontal() ? (x < r.right / 2 ? 0 : 1) : (y < r.bottom / 2 ? 0 : 1);
}

RECT TSkinUpDown::PartRect(const RECT& r, int part) const {
    RECT p = r;
    if (Horizontal()) {
        const int middle = r.left + (r.right - r.left) / 2;
        (part == 0 ? p.right : p.left) = middle;
    } else {
        const int middle = r.top + (r.bottom - r.top) / 2;
        (part == 0 ? p.bottom : p.top) = middle;
    }
    return p;
}

bool TSkinUpDown::BeforeMessage(TMessage& m) {
    if (!Element()) return TSkinControl::BeforeMessage(m);
    if (PaintsItself(m)) return false;
    switch (m.Msg) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            pressedPart_ = PartAt(m.LParam);
            return true;
        case WM_LBUTTONUP:
            pressedPart_ = -1;
            return true;
        default:
            return TSkinControl::BeforeMessage(m);
    }
}

void TSkinUpDown::AfterMessage(TMessage& m) {
    switch (m.Msg) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_LBUTTONUP:
            Invalidate();
            return;
        case WM_MOUSEMOVE:
            if (const int part = PartAt(m.LParam); part != hotPart_) {
                hotPart_ = part;
                Invalidate();
            }
            RequestMouseLeave(Window());
            return;
        case WM_MOUSELEAVE:
            hotPart_ = -1;
            Invalidate();
            return;
        default:
            TSkinControl::AfterMessage(m);
    }
}

void TSkinUpDown::DrawControl(HDC dc, const RECT& rect) {
    TDataSkinBorder* element = Element();
    if (!element) return;
    const TOffscreen off(dc, rect);
    FillFace(off.DC(), rect);
    const bool available = Available();
    for (int part = 0; part < 2; ++part) {
        const RECT button = PartRect(rect, part);
        const int frame = FrameOf(part, pressedPart_ == part, hotPart_ == part, available);
        DrawElement(off.DC(), button, *element, frame);
        if (element->Image2.Empty()) continue;
        const int glyphWidth = element->Image2.Width() / 8;
        const int x = button.left + (button.right - button.left - glyphWidth) / 2;
        const int y = button.top + (button.bottom - button.top - element->Image2.Height()) / 2;
        DrawGlyph(off.DC(), element->Image2, frame, 8, x, y);
    }
}
