#include "skin/controls/SkinStatusBar.h"

#include <commctrl.h>

#include "skin/WinSkinData.h"

namespace {

constexpr int kGripFrame = 5;

// The drawing flags come with the length: an owner-drawn panel answers SB_GETTEXT with its
// data, not with text and flags.
std::wstring PanelText(HWND bar, int index, UINT& flags, LPARAM& data) {
    const auto length = static_cast<DWORD>(SendMessageW(bar, SB_GETTEXTLENGTHW, static_cast<WPARAM>(index), 0));
    flags = HIWORD(length);
    if (flags & SBT_OWNERDRAW) {
        data = SendMessageW(bar, SB_GETTEXTW, static_cast<WPARAM>(index), 0);
        return {};
    }
    std::wstring text(LOWORD(length) + 1, L'\0');
    SendMessageW(bar, SB_GETTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(LOWORD(length));
    return text;
}

}  // namespace

int TSkinStatusBar::BevelFrame(UINT flags) {
    if (flags & SBT_NOBORDERS) return 1;
    if (flags & SBT_POPOUT) return 3;
    return 2;
}

bool TSkinStatusBar::BeforeMessage(TMessage& m) {
    if (!Skin().Element(seStatusBarEdges)) return TSkinControl::BeforeMessage(m);
    return !PaintsItself(m, true) && TSkinControl::BeforeMessage(m);
}

std::vector<TSkinStatusBar::TPanel> TSkinStatusBar::Panels(const RECT& rect) const {
    const HWND bar = Window();
    const int count = static_cast<int>(SendMessageW(bar, SB_GETPARTS, 0, 0));
    UINT flags = 0;
    LPARAM data = 0;
    if (SendMessageW(bar, SB_ISSIMPLE, 0, 0) || count <= 0) {
        std::wstring text;
        if (const std::optional<std::string> simple = Prop("SimpleText"))
            text = AnsiToWide(*simple);
        else
            text = PanelText(bar, SendMessageW(bar, SB_ISSIMPLE, 0, 0) ? SB_SIMPLEID : 0, flags, data);
        return {TPanel{rect, text, BevelFrame(flags)}};
    }
    std::vector<TPanel> panels;
    for (int i = 0; i < count; ++i) {
        TPanel panel;
        SendMessageW(bar, SB_GETRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&panel.rect));
        InflateRect(&panel.rect, 2, 2);
        if (i == count - 1) panel.rect.right = rect.right;
        panel.text = PanelText(bar, i, flags, panel.data);
        panel.bevel = BevelFrame(flags);
        panel.ownerDrawn = (flags & SBT_OWNERDRAW) != 0;
        panel.index = i;
        panels.push_back(std::move(panel));
    }
    return panels;
}

// A status bar aligns text by tabs: after one it is centred, after two right-aligned.
void TSkinStatusBar::DrawPanel(HDC dc, const TPanel& panel) const {
    const TDataSkinObject& edges = *Skin().Element(seStatusBarEdges);
    DrawElement(dc, panel.rect, edges, panel.bevel);
    if (panel.ownerDrawn) {
        AskOwnerToDraw(dc, panel);
        return;
    }
    std::wstring text = panel.text;
    UINT align = DT_LEFT;
    for (UINT next : {DT_CENTER, DT_RIGHT})
        if (!text.empty() && text.front() == L'\t') {
            text.erase(0, 1);
            align = next;
        }
    RECT area = panel.rect;
    InflateRect(&area, -2, -2);
    DrawCaptionText(dc, text, area, align | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS,
                    edges.NormalColour2);
}

void TSkinStatusBar::AskOwnerToDraw(HDC dc, const TPanel& panel) const {
    DRAWITEMSTRUCT draw{};
    draw.CtlID = static_cast<UINT>(GetDlgCtrlID(Window()));
    draw.itemID = static_cast<UINT>(panel.index);
    draw.hwndItem = Window();
    draw.hDC = dc;
    draw.rcItem = panel.rect;
    InflateRect(&draw.rcItem, -2, -2);
    draw.itemData = static_cast<ULONG_PTR>(panel.data);
    const int saved = SaveDC(dc);
    SendMessageW(GetParent(Window()), WM_DRAWITEM, draw.CtlID, reinterpret_cast<LPARAM>(&draw));
    RestoreDC(dc, saved);
}

void TSkinStatusBar::DrawControl(HDC dc, const RECT& rect) {
    if (!Skin().Element(seStatusBarEdges)) return;
    const TOffscreen off(dc, rect);
    FillFace(off.DC(), rect);
    for (const TPanel& panel : Panels(rect)) DrawPanel(off.DC(), panel);
    const TDataSkinObject* extra = Skin().Element(seExtraImages);
    if (!(Style() & SBARS_SIZEGRIP) || !extra || extra->FrameCount < kGripFrame) return;
    const int width = extra->Image.Width() / extra->FrameCount;
    const int height = extra->Image.Height();
    const RECT grip{rect.right - width, rect.bottom - height, rect.right, rect.bottom};
    DrawElement(off.DC(), grip, *extra, kGripFrame);
}
