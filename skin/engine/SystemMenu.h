#pragma once
// The skinned system menu of a frame: an owner-drawn pop-up menu built from the window's own
// system menu, with the skin's menu glyphs for restore, maximise, minimise and close (Win32).

#include <memory>

#include "platform/Win.h"

class TWinSkinForm;
class TPopupMenu;

// The Tag that marks the skinned system menu.
constexpr int kSystemMenuTag = 33333;

class TSkinSystemMenu {
public:
    explicit TSkinSystemMenu(TWinSkinForm& frame);
    ~TSkinSystemMenu();
    // Rebuilds the menu from the window's system menu and shows it; a chosen item posts its
    // system command to the window.
    void Popup(POINT screen);
    TPopupMenu& Menu() const { return *menu_; }

private:
    void Rebuild();
    TWinSkinForm& frame_;
    std::unique_ptr<TPopupMenu> menu_;
};

// The item's state in the skinned system menu: its glyph (-1 none) and whether it is enabled.
struct TSystemMenuItemLook {
    int glyph = -1;
    bool enabled = true;
};
TSystemMenuItemLook SystemMenuItemLook(UINT command, bool nativeEnabled, int showState, int captionFlags);
