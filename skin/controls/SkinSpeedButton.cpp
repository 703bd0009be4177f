#include "skin/controls/SkinSpeedButton.h"

#include "skin/engine/SkinMessages.h"

bool TSkinSpeedButton::BeforeMessage(TMessage& m) {
    if (m.Msg == WM_NCDESTROY || m.Msg == SKM_RELEASEHOOK) {
        CallPrevious(m);
        GiveBack();
        return false;
    }
    if (Skinnable() && PaintsItself(m)) return false;
    return TSkinControl::BeforeMessage(m);
}

void TSkinSpeedButton::AfterMessage(TMessage& m) {
    switch (m.Msg) {
        case CM_MOUSEENTER:
        case CM_MOUSELEAVE:
            hot_ = m.Msg == CM_MOUSEENTER && Available();
            Invalidate();
            return;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_LBUTTONUP:
            pressed_ = m.Msg != WM_LBUTTONUP && Available();
            Invalidate();
            return;
        default:
            TSkinControl::AfterMessage(m);
    }
}

int TSkinSpeedButton::CurrentFrame() const { return StateFrame(1, pressed_ || Down(), hot_, Available()); }

void TSkinSpeedButton::DrawFace(HDC dc, const RECT& rect, int frame) const {
    if (frame == 1 && PropIsTrue("Flat"))
        FillParentFace(dc, rect);
    else
        TSkinBitButton::DrawFace(dc, rect, frame);
}

::TButtonState TSkinSpeedButton::GlyphState(int frame) const {
    if (frame != 3 && !pressed_ && Down()) return bsExclusive;
    return TSkinBitButton::GlyphState(frame);
}
