#include "skin/controls/SkinScControl.h"

bool TSkinScControl::MayChangeBars(const TMessage& m) const {
    switch (m.Msg) {
        case WM_VSCROLL:
        case WM_HSCROLL:
        case WM_MOUSEWHEEL:
        case CN_BASE + WM_VSCROLL:
        case SBM_SETSCROLLINFO:
        case WM_WINDOWPOSCHANGED:
        case WM_NCPAINT:
        case WM_SHOWWINDOW:
        case CM_VISIBLECHANGED:
        case WM_ENABLE:
            return true;
        default:
            return false;
    }
}
