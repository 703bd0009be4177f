#include "skin/engine/SystemMenu.h"

#include "skin/WinSkinData.h"
#include "skin/engine/MenuOwnerDraw.h"
#include "skin/engine/WinSkinForm.h"
#include "toolkit/Menus.h"

namespace {

constexpr int kGlyphRestore = 0, kGlyphMaximise = 1, kGlyphMinimise = 2, kGlyphClose = 3;
constexpr int kMaxItemText = 80;

}  // namespace

TSystemMenuItemLook SystemMenuItemLook(UINT command, bool nativeEnabled, int showState, int flags) {
    TSystemMenuItemLook look;
    look.enabled = nativeEnabled;
    switch (command) {
        case SC_MOVE:
        case SC_SIZE:
            look.enabled = nativeEnabled && showState != ssMaximised;
            break;
        case SC_MINIMIZE:
            look = {kGlyphMinimise, nativeEnabled && showState != ssMinimised && (flags & cbMinimiseBox)};
            break;
        case SC_MAXIMIZE:
            look = {kGlyphMaximise, nativeEnabled && showState != ssMaximised && (flags & cbMaximiseBox)};
            break;
        case SC_CLOSE:
            look.glyph = kGlyphClose;
            break;
        case SC_RESTORE:
            look = {kGlyphRestore, nativeEnabled && showState != ssNormal};
            break;
        default:
            break;
    }
    return look;
}

TSkinSystemMenu::TSkinSystemMenu(TWinSkinForm& frame) : frame_(frame), menu_(std::make_unique<TPopupMenu>(nullptr)) {
    menu_->SetTag(kSystemMenuTag);
    menu_->SetOwnerDraw(true);
    menu_->SetImages(&frame.Skin()->MenuGlyphs());
}

TSkinSystemMenu::~TSkinSystemMenu() = default;

void TSkinSystemMenu::Rebuild() {
    menu_->Items()->Clear();
    HMENU native = GetSystemMenu(frame_.Handle(), FALSE);
    const int count = native ? GetMenuItemCount(native) : 0;
    for (int i = 0; i < count; ++i) {
        char text[kMaxItemText + 1] = {};
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STATE | MIIM_ID | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = kMaxItemText;
        if (!GetMenuItemInfoA(native, static_cast<UINT>(i), TRUE, &info)) continue;
        auto* item = new TMenuItem(menu_.get());
        item->SetCaption(text[0] ? text : "-");
        item->SetTag(static_cast<int>(info.wID));
        const bool nativeEnabled = (info.fState & MFS_DISABLED) == 0;
        const TSystemMenuItemLook look =
            SystemMenuItemLook(info.wID, nativeEnabled, frame_.ShowState(), frame_.CaptionFlags());
        item->SetImageIndex(look.glyph);
        item->SetEnabled(look.enabled);
        item->SetChecked((info.fState & MFS_CHECKED) != 0);
        const HWND window = frame_.Handle();
        item->OnClick = [window, item](TObject*) {
            PostMessageA(window, WM_SYSCOMMAND, static_cast<WPARAM>(item->Tag()), 0);
        };
        menu_->Items()->Add(item);
    }
    UseEnginePainters(*menu_->Items(), *frame_.Skin(), true, true);
}

void TSkinSystemMenu::Popup(POINT screen) {
    Rebuild();
    menu_->Popup(screen.x, screen.y);
}
