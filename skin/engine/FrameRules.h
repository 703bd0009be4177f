#pragma once
// The rules of a skinned frame that follow from a window's styles and state alone: border
// kinds, caption-button flags and visibility, button placement and hit testing (Win32).
// They are plain functions so that the frame skinner and its tests read them the same way.

#include <functional>
#include <string>

#include "platform/Win.h"

enum TBorderKind { bkSizeable = 0, bkSingle = 1, bkNoCaption = 2, bkDialog = 3 };
enum TShowState { ssNormal = 0, ssMaximised = 1, ssMinimised = 2 };

// Caption-button flags of a window.
constexpr int cbMaximiseBox = 0x01;
constexpr int cbMinimiseBox = 0x02;
constexpr int cbContextHelp = 0x04;
constexpr int cbSystemMenu = 0x08;
constexpr int cbKeepSystemMenu = 0x10;

bool IsDialogClass(const std::string& className);
TBorderKind BorderKindOf(DWORD style, DWORD exStyle, const std::string& className);
int CaptionButtonFlagsOf(DWORD style, DWORD exStyle, bool hasSystemMenuHandle, bool keepSystemMenu);
TShowState ShowStateOf(UINT showCmd);

// What a caption button's visibility depends on.
struct TCaptionState {
    int flags = 0;
    bool maximised = false;
    bool active = true;
    bool mdiChildMaximisedHere = false;  // an MDI child is maximised inside this MDI frame
    bool menuBarSkinned = false;
    TBorderKind borderKind = bkSizeable;
    bool dialog = false;  // a system dialog or message box
    // Answers the window's visibility query for codes 1000 to 2000 (wParam code, lParam action).
    std::function<LRESULT(int code, int action)> ask;
};

// Whether a button is shown, from its first (Visibility) or second (Visibility1) code.
bool VisibleByFirstCode(int code, int action, const TCaptionState& state);
bool VisibleBySecondCode(int code, int action, bool firstResult, const TCaptionState& state);
// Both codes and the action's own conditions.
bool CaptionButtonShown(int visibility, int visibility1, int action, const TCaptionState& state);
// Whether a shown button draws normally rather than greyed.
bool CaptionButtonAvailable(int action, int flags);

// Where a caption button goes (its top-left corner in window coordinates).
struct TButtonPlace {
    int windowWidth = 0;
    RECT captionText{};     // where the caption text was drawn
    RECT menuBand{};        // the menu-bar band
    int rightBorder = 0;
    int menuBarLeftWidth = 0;  // the menu-bar element's LeftWidth, 0 without one
};
POINT CaptionButtonPosition(int align, int x, int y, SIZE button, const TButtonPlace& place);

// The skinned answer to WM_NCHITTEST, given the previous procedure's answer and the point in
// window coordinates.
LRESULT SkinnedHitTest(LRESULT previous, POINT inWindow, int topBorder, bool menuBarShown);
