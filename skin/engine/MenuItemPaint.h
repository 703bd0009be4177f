#pragma once
// The skin's painters of one drop-down menu item, and how much room an item needs: every
// skinned menu (the drop-downs of a skinned bar, the toolkit's pop-up menus, the skinned
// system menu) draws its items through these (Win32).
//
// An item is composed off-screen at its size in the screen's menu font and copied to its
// place in one blit. With a MenuItem element the skinned painter lays the pop-up's own
// background under it and frame 1 (normal) or 4 (selected) of the element over it; without
// one the plain painter fills with the skin's Menu or Hilight colour.

#include <string>

#include "platform/Win.h"
#include "toolkit/Graphics.h"

class TSkinData;
class TImageList;
class TMenuItem;

// What an item shows, whether it comes from a toolkit item or a native one.
struct TMenuItemLook {
    std::wstring caption;  // "-" is a separator
    std::wstring shortCut;
    bool enabled = true;
    bool checked = false;
    bool isDefault = false;
    const TImageList* images = nullptr;
    int imageIndex = -1;
    bool Separator() const { return caption == L"-"; }
    bool HasImage() const;
};

TMenuItemLook LookOf(const TMenuItem& item);
// A native item by command: its text ("Caption\tShortcut"; "-" when empty), state and kind.
TMenuItemLook LookOfNative(HMENU menu, UINT command);

// The pop-up's composed background and where the item's top-left corner lies on it.
struct TMenuItemBackdrop {
    const TBitmap* image = nullptr;
    POINT origin{};
};

void PaintMenuItem(HDC dc, const RECT& rect, const TMenuItemLook& look, bool selected, const TSkinData& skin,
                   const TMenuItemBackdrop& backdrop = {}, bool rightToLeft = false);

// The room the engine adds to a toolkit item's own measure: the MenuItem element's left
// margin and space for the glyph box, which a pop-up menu component sizes differently.
int EngineItemRoom(const TSkinData& skin, bool hasImages, bool popupMenu);
// An item known only by its native text, measured in the menu font on dc.
SIZE MeasureNativeItem(HDC dc, const std::wstring& text, int proposedHeight, const TSkinData& skin);

// The system's menu font (bold for a menu's default item), selected into a DC while this
// lives.
class TMenuFont {
public:
    explicit TMenuFont(HDC dc, bool bold = false);
    TMenuFont(const TMenuFont&) = delete;
    TMenuFont& operator=(const TMenuFont&) = delete;
    ~TMenuFont();

private:
    HDC dc_;
    HFONT font_;
    HGDIOBJ old_;
};
