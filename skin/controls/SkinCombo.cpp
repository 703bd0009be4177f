#include "skin/controls/SkinCombo.h"

#include "skin/WinSkinData.h"
#include "skin/controls/ComboxScrollBar.h"
#include "skin/controls/SkinScrollbarH.h"
#include "skin/engine/SkinPaint.h"

namespace {

// The edit part of a drop-down combo box: the combo box's edge shows the focus, and the
// combo box is not told when its edit part gains or loses it.
class TComboEditPart : public TSkinControl {
protected:
    void AfterMessage(TMessage& m) override {
        if (m.Msg == WM_SETFOCUS || m.Msg == WM_KILLFOCUS) InvalidateRect(GetParent(Window()), nullptr, FALSE);
    }
};

bool IsChildList(HWND list) {
    return (GetWindowLongA(list, GWL_STYLE) & WS_POPUP) == 0 && GetParent(list) != GetDesktopWindow();
}

}  // namespace

int TSkinComBox::FrameOf(const TComboState& s) { return StateFrame(s.focused ? 4 : 1, s.dropped, s.hot, s.available); }

bool TSkinComBox::Focused() const {
    const HWND focus = GetFocus();
    return focus && (focus == Window() || IsChild(Window(), focus));
}

// A simple combo box shows no button, so the system reports none and nothing is drawn over
// it; its list's bar is all the skin has for it.
void TSkinComBox::Attached() {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (!GetComboBoxInfo(Window(), &info)) return;
    const bool simple = (Style() & 3) == CBS_SIMPLE;
    if (!simple && info.hwndItem && info.hwndItem != Window()) AttachPart(std::make_unique<TComboEditPart>(), info.hwndItem);
    if (!info.hwndList || !Skin().Element(seScrollbar)) return;
    if (!simple)
        AttachPart(std::make_unique<TComboxScrollBar>(), info.hwndList);
    else if (IsChildList(info.hwndList))
        AttachPart(std::make_unique<TSkinScrollbarH>(), info.hwndList);
}

void TSkinComBox::AttachPart(std::unique_ptr<TSkinControl> part, HWND window) {
    part->AttachWindow(window, Skin(), FrameSkinner());
    AdoptChild(std::move(part));
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
    // A button at the left is drawn from the reader's mirrored picture of it.
    const auto& element = *Skin().ElementAs<TDataSkinBorder>(seComboButton);
    if (left && !element.Image2.Empty())
        DrawMirroredElement(dc, TRect(button), element, element.Image2, frame);
    else
        DrawElement(dc, button, element, frame);
    TDataSkinObject* extra = Skin().Element(seExtraImages);
    if (!extra || extra->FrameCount <= 0) return;
    const int glyphWidth = extra->Image.Width() / extra->FrameCount;
    DrawGlyph(dc, extra->Image, frame, extra->FrameCount, button.left + (button.right - button.left - glyphWidth) / 2,
              button.top + (button.bottom - button.top - extra->Image.Height()) / 2);
}
