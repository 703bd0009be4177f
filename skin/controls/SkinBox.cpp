#include "skin/controls/SkinBox.h"

#include "skin/WinSkinData.h"

namespace {

void FillClient(HWND window, HDC dc, HBRUSH brush) {
    RECT r{};
    GetClientRect(window, &r);
    FillRect(dc, &r, brush);
}

}  // namespace

bool TSkinBoxH::BeforeMessage(TMessage& m) {
    switch (m.Msg) {
        case WM_ERASEBKGND:
            FillClient(Window(), reinterpret_cast<HDC>(m.WParam), Skin().ButtonFaceBrush());
            m.Result = 1;
            return false;
        case WM_CTLCOLORSTATIC:
            SetBkMode(reinterpret_cast<HDC>(m.WParam), TRANSPARENT);
            m.Result = reinterpret_cast<LRESULT>(Skin().ButtonFaceBrush());
            return false;
        default:
            return TSkinControl::BeforeMessage(m);
    }
}

bool TSkinSizer::BeforeMessage(TMessage& m) { return !PaintsItself(m) && TSkinControl::BeforeMessage(m); }

void TSkinSizer::DrawControl(HDC dc, const RECT& rect) { FillFace(dc, rect); }

bool TSkinTabSheet::BeforeMessage(TMessage& m) {
    if (m.Msg != WM_ERASEBKGND) return TSkinControl::BeforeMessage(m);
    RECT r{};
    GetClientRect(Window(), &r);
    FillFace(reinterpret_cast<HDC>(m.WParam), r);
    m.Result = 1;
    return false;
}
