#include "skin/controls/SkinCombo.h"

#include "skin/WinSkinData.h"
#include "skin/controls/ComboxScrollBar.h"

int TSkinComBox::FrameOf(const TComboState& s) { return StateFrame(s.focused ? 4 : 1, s.dropped, s.hot, s.available); }

bool TSkinComBox::Focused() const {
    const HWND focus = GetFocus();
    return focus && (focus == Window() || IsChild(Window(), focus));
}

void TSkinComBox::Attached() {
    if ((Style() & 3) == CBS_SIMPLE || !Skin().Element(seScrollbar)) return;
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (!GetComboBoxInfo(Window(), &info) || !info.hwndList) return;
    auto list = std::make_unique<TComboxScrollBar>();
    list->AttachWindow(info.hwndList, Skin(), FrameSkinner());
    AdoptChild(std::move(list));
}

// The combo box paints itself (its item or edit part among it); the edge and the button go
// over that.
void TSkinComBox::AfterMessage(TMessage& m) {
    switch (m.Msg) {
        case WM_PAINT:
        case WM_PRINTCLIENT:
            PaintControl(reinterpret_cast<HDC>(m.WParam));
            return;
        case WM_MOUSEMOVE:
        case WM_MOUSELEAVE:
            TrackHot(m, button_);
            return;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case CN_BASE + WM_COMMAND:
            Invalidate();
            return;
        default:
            TSkinControl::AfterMessage(m);
    }
}

void TSkinComBox::DrawControl(HDC dc, const RECT& rect) {
    auto* combo = Skin().ElementAs<TDataSkinBorder>(seComboButton);
    if (!combo || combo->Image.Empty()) return;
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (!GetComboBoxInfo(Window(), &info) || (info.stateButton & STATE_SYSTEM_INVISIBLE)) return;
    const bool left = (GetWindowLongA(Window(), GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
    const int frame = FrameOf({Available(), SendMessageA(Window(), CB_GETDROPPEDSTATE, 0, 0) != 0, Focused(), hot_});
    const int saved = SaveDC(dc);
    ExcludeClipRect(dc, info.rcItem.left, info.rcItem.top, info.rcItem.right, info.rcItem.bottom);
    if (combo->Style == 2) {
        const TDataSkinObject* whole = left ? Skin().Element(seSunkEdge) : combo;
        if (!whole) {
            RestoreDC(dc, saved);
            return;
        }
        DrawElement(dc, rect, *whole, frame);
        const int width = left ? whole->LeftWidth : combo->RightWidth;
        button_ = left ? RECT{rect.left, rect.top, rect.left + width, rect.bottom}
                       : RECT{rect.right - width, rect.top, rect.right, rect.bottom};
    } else {
        DrawButtonAlone(dc, rect, frame, left);
    }
    RestoreDC(dc, saved);
}

void TSkinComBox::DrawButtonAlone(HDC dc, const RECT& rect, int frame, bool left) {
    if (const TDataSkinObject* sunk = Skin().Element(seSunkEdge)) DrawElement(dc, rect, *sunk, frame);
    const int width = GetSystemMetrics(SM_CXHSCROLL) + 2;
    button_ = left ? RECT{rect.left, rect.top, rect.left + width, rect.bottom}
                   : RECT{rect.right - width, rect.top, rect.right, rect.bottom};
    RECT button = button_;
    InflateRect(&button, -2, -2);
    DrawElement(dc, button, *Skin().Element(seComboButton), frame);
    TDataSkinObject* extra = Skin().Element(seExtraImages);
    if (!extra || extra->FrameCount <= 0) return;
    const int glyphWidth = extra->Image.Width() / extra->FrameCount;
    DrawGlyph(dc, extra->Image, frame, extra->FrameCount, button.left + (button.right - button.left - glyphWidth) / 2,
              button.top + (button.bottom - button.top - extra->Image.Height()) / 2);
}
