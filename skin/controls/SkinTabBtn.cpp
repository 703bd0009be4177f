#include "skin/controls/SkinTabBtn.h"

#include <commctrl.h>

#include "skin/WinSkinData.h"
#include "skin/controls/SkinTab.h"

int TSkinTabBtn::FrameOf(const TTabState& s) { return StateFrame(s.focused ? 5 : 1, s.current, s.hot, s.available); }

bool TSkinTabBtn::BeforeMessage(TMessage& m) {
    if (Skin().Button().Image.Empty()) return TSkinControl::BeforeMessage(m);
    if (m.Msg == WM_LBUTTONDOWN && SelectsTabsItself(*this)) {
        SelectTabAt(Window(), MousePoint(m.LParam));
        return false;
    }
    return !PaintsItself(m) && TSkinControl::BeforeMessage(m);
}

void TSkinTabBtn::AfterMessage(TMessage& m) {
    switch (m.Msg) {
        case WM_MOUSEMOVE:
            TrackPointer(m.LParam);
            return;
        case WM_MOUSELEAVE:
            hotTab_ = -1;
            Invalidate();
            return;
        default:
            TSkinControl::AfterMessage(m);
    }
}

void TSkinTabBtn::TrackPointer(LPARAM position) {
    TCHITTESTINFO hit{MousePoint(position), 0};
    const auto over = static_cast<int>(SendMessageW(Window(), TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    if (over != hotTab_) {
        hotTab_ = over;
        Invalidate();
    }
    RequestMouseLeave(Window());
}

void TSkinTabBtn::DrawTab(HDC dc, int index, int frame) const {
    RECT r{};
    if (!SendMessageW(Window(), TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r))) return;
    DrawElement(dc, r, Skin().Button(), frame);
    DrawCaptionText(dc, TabCaption(Window(), index), r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX,
                    ButtonTextColour(frame));
}

void TSkinTabBtn::DrawControl(HDC dc, const RECT& rect) {
    if (Skin().Button().Image.Empty()) return;
    const HWND window = Window();
    const int count = static_cast<int>(SendMessageW(window, TCM_GETITEMCOUNT, 0, 0));
    const int current = static_cast<int>(SendMessageW(window, TCM_GETCURSEL, 0, 0));
    const int focus = HasFocus() ? static_cast<int>(SendMessageW(window, TCM_GETCURFOCUS, 0, 0)) : -1;
    const TOffscreen off(dc, rect);
    FillParentFace(off.DC(), rect);
    for (int i = 0; i < count; ++i)
        DrawTab(off.DC(), i, FrameOf({i == current, i == focus, i == hotTab_, Available()}));
}
