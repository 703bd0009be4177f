#include "skin/controls/ComboxScrollBar.h"

bool TComboxScrollBar::RedrawsBars(UINT msg) const {
    switch (msg) {
        case WM_NCLBUTTONDOWN:
        case WM_NCLBUTTONUP:
        case WM_NCMOUSEMOVE:
        case WM_SHOWWINDOW:
            return true;
        default:
            return TSkinScrollbarH::RedrawsBars(msg);
    }
}
