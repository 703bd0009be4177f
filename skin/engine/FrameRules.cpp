#include "skin/engine/FrameRules.h"

bool IsDialogClass(const std::string& className) { return className == "#32770" || className == "TMessageForm"; }

TBorderKind BorderKindOf(DWORD style, DWORD exStyle, const std::string& className) {
    if ((style & WS_CAPTION) != WS_CAPTION) return bkNoCaption;
    if ((style & DS_MODALFRAME) || (exStyle & WS_EX_DLGMODALFRAME) || IsDialogClass(className)) return bkDialog;
    if (style & WS_THICKFRAME) return bkSizeable;
    return bkSingle;
}

int CaptionButtonFlagsOf(DWORD style, DWORD exStyle, bool hasSystemMenuHandle, bool keepSystemMenu) {
    int flags = 0;
    if ((style & WS_SYSMENU) || hasSystemMenuHandle) flags |= cbSystemMenu;
    if (style & WS_MINIMIZEBOX) flags |= cbMinimiseBox;
    if (style & WS_MAXIMIZEBOX) flags |= cbMaximiseBox;
    if (exStyle & WS_EX_CONTEXTHELP) flags |= cbContextHelp;
    if (keepSystemMenu) flags |= cbKeepSystemMenu;
    return flags;
}

TShowState ShowStateOf(UINT showCmd) {
    switch (showCmd) {
        case SW_SHOWMAXIMIZED:
            return ssMaximised;
        case SW_SHOWMINIMIZED:
        case SW_MINIMIZE:
        case SW_SHOWMINNOACTIVE:
            return ssMinimised;
        default:
            return ssNormal;
    }
}

namespace {

bool HasBox(const TCaptionState& s) { return (s.flags & (cbMinimiseBox | cbMaximiseBox)) != 0; }

bool AskWindow(int code, int action, const TCaptionState& s) { return s.ask && s.ask(code, action) > 0; }

}  // namespace

bool VisibleByFirstCode(int code, int action, const TCaptionState& s) {
    switch (code) {
        case 0: return true;
        case 1: return s.maximised;
        case 2: return !s.maximised;
        case 3: return s.active;
        case 4: return !s.active;
        case 6:
        case 8: return HasBox(s) && (s.flags & cbSystemMenu);
        case 7: return !(s.flags & cbMaximiseBox);
        case 9: return !(s.flags & cbMinimiseBox);
        case 10: return (s.flags & cbContextHelp) && !HasBox(s);
        case 100: return s.mdiChildMaximisedHere && s.menuBarSkinned;
        case 200: return s.borderKind == bkDialog && !s.dialog;
        default:
            if (code > 200 && code < 1000) return true;
            if (code >= 1000 && code <= 2000) return AskWindow(code, action, s);
            return false;
    }
}

bool VisibleBySecondCode(int code, int action, bool firstResult, const TCaptionState& s) {
    switch (code) {
        case 6:
        case 8: return HasBox(s);
        case 10: return (s.flags & cbContextHelp) != 0;
        case 100: return firstResult;
        default:
            if (code > 100) return false;
            return VisibleByFirstCode(code, action, s);
    }
}

bool CaptionButtonShown(int visibility, int visibility1, int action, const TCaptionState& s) {
    const bool first = VisibleByFirstCode(visibility, action, s);
    if (!first || !VisibleBySecondCode(visibility1, action, first, s)) return false;
    if (action == 0) return (s.flags & cbSystemMenu) != 0;
    if (action == 3 || action == 11 || action == 12) return s.borderKind != bkDialog;
    return true;
}

bool CaptionButtonAvailable(int action, int flags) {
    if (!(flags & cbSystemMenu)) return action != 1 && action != 2;
    if (action == 1) return (flags & cbMaximiseBox) != 0;
    if (action == 2) return (flags & cbMinimiseBox) != 0;
    return true;
}

POINT CaptionButtonPosition(int align, int x, int y, SIZE button, const TButtonPlace& p) {
    switch (align) {
        case 1: return {p.windowWidth - x, y};
        case 2:
        case 8: return {p.captionText.left - button.cx - x, y};
        case 3:
        case 9: return {p.captionText.right + x, y};
        case 100: {
            const int bandHeight = p.menuBand.bottom - p.menuBand.top;
            return {p.windowWidth - x - p.rightBorder - p.menuBarLeftWidth,
                    p.menuBand.top + (bandHeight - button.cy) / 2};
        }
        default: return {x, y};
    }
}

LRESULT SkinnedHitTest(LRESULT previous, POINT p, int topBorder, bool menuBarShown) {
    if (previous != HTNOWHERE && previous != HTCAPTION) return previous;
    if (p.y > topBorder && menuBarShown) return HTMENU;
    if (p.y > 3) return HTCAPTION;
    return previous;
}
