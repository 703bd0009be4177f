// The items of the skinned bar's drop-downs: the frame skinner measures and draws them, the
// toolkit's items from the form's main menu and the others (system commands) from their
// native text, and hands on the system commands that only the native menu knows.
#include <algorithm>

#include "skin/WinSkinData.h"
#include "skin/engine/MenuItemPaint.h"
#include "skin/engine/MenuOwnerDraw.h"
#include "skin/engine/WinSkinForm.h"
#include "skin/engine/WinSkinMenu.h"
#include "skin/engine/WinSkinPopMenu.h"
#include "toolkit/Forms.h"
#include "toolkit/Menus.h"

namespace {

// Identifiers below this are the program's own commands, which its own procedure draws
// when the toolkit does not know them; from here on the system's.
constexpr UINT kFirstSystemCommand = 4096;

bool ProgramCommand(UINT id) { return id >= 1 && id < kFirstSystemCommand; }

bool IsSystemCommand(UINT command) {
    switch (command) {
        case SC_SIZE:
        case SC_MOVE:
        case SC_MINIMIZE:
        case SC_MAXIMIZE:
        case SC_NEXTWINDOW:
        case SC_PREVWINDOW:
        case SC_CLOSE:
        case SC_RESTORE:
            return true;
        default:
            return false;
    }
}

}  // namespace

TMenuItem* TWinSkinForm::ToolkitMenuItem(UINT command) const {
    auto* menu = form_ ? dynamic_cast<TMenu*>(form_->Menu()) : nullptr;
    return menu ? menu->FindItem(command, fkCommand) : nullptr;
}

bool TWinSkinForm::MeasureMenuItem(LPARAM lParam, LRESULT& result) {
    auto& measure = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
    if (measure.CtlType != ODT_MENU || !menuBar_) return false;
    TMenuItem* item = ToolkitMenuItem(measure.itemID);
    if (!item && ProgramCommand(measure.itemID)) return false;
    HDC dc = GetWindowDC(window_);
    if (item) {
        TCanvas canvas;
        canvas.SetHandle(dc);
        int width = 0, height = 0;
        MeasureWithEngine(*item, canvas, *skin_, width, height);
        canvas.SetHandle(nullptr);
        measure.itemWidth = static_cast<UINT>(std::max(width, 0));
        measure.itemHeight = static_cast<UINT>(std::max(height, 0));
    } else {
        constexpr int kMaxItemText = 80;
        char text[kMaxItemText + 1] = {};
        GetMenuStringA(menuBar_->TrackedMenu(), measure.itemID, text, kMaxItemText, MF_BYCOMMAND);
        const SIZE size = MeasureNativeItem(dc, AnsiToWide(text), static_cast<int>(measure.itemHeight), *skin_);
        measure.itemWidth = static_cast<UINT>(size.cx);
        measure.itemHeight = static_cast<UINT>(size.cy);
    }
    ReleaseDC(window_, dc);
    result = TRUE;
    return true;
}

bool TWinSkinForm::DrawMenuItem(LPARAM lParam, LRESULT& result) {
    const auto& draw = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    if (draw.CtlType != ODT_MENU || !menuBar_) return false;
    const TMenuItem* item = ToolkitMenuItem(draw.itemID);
    if (!item && ProgramCommand(draw.itemID)) return false;
    const auto menu = reinterpret_cast<HMENU>(draw.hwndItem);
    PaintMenuItem(draw.hDC, draw.rcItem, item ? LookOf(*item) : LookOfNative(menu, draw.itemID),
                  (draw.itemState & ODS_SELECTED) != 0, *skin_, BackdropOf(menu, draw.rcItem), rightToLeft_);
    result = TRUE;
    return true;
}

bool TWinSkinForm::MenuCommand(WPARAM wParam, LRESULT& result) {
    const UINT command = LOWORD(wParam);
    if (!IsSystemCommand(command)) return false;
    PostMessageA(window_, WM_SYSCOMMAND, command, 0);
    result = 0;
    return true;
}
