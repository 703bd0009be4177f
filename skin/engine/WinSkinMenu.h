#pragma once
// The painted menu bar of a skinned window: the native bar is taken off the window and its
// items are drawn by the frame skinner in the band below the title, each a non-client object
// that hovers, presses and opens its drop-down menu (Win32).

#include <memory>
#include <string>
#include <vector>

#include "platform/Win.h"
#include "skin/engine/MenuOwnerDraw.h"
#include "skin/engine/NCObjects.h"

class TSkinData;
class TFormMenu;
class TMenuBtn;

class TWinSkinMenu {
public:
    TWinSkinMenu(TWinSkinForm& frame, TFormMenu* menu);
    ~TWinSkinMenu();

    // Rebuilds the items from the window's menu and takes the native bar off the window.
    void BuildItems();
    // The native menu, to be put back when the window is unskinned.
    HMENU NativeMenu() const { return nativeMenu_; }
    void LayoutItems(const RECT& band);
    // Paints the band (window coordinates) and its items on dc.
    void PaintBar(HDC dc, const RECT& band);
    // The item under a window point whose caption is not empty, or null.
    TMenuBtn* ItemAt(POINT inWindow) const;
    // The first enabled item whose caption has `key` as its accelerator; the first item for 0.
    TMenuBtn* FindAccelItem(char key) const;
    // Opens the item's drop-down menu (or clicks an item without one). While it is open the
    // arrow keys and the pointer move to the neighbouring items of the bar.
    void OpenItem(TMenuBtn& item);
    // The drop-down menu being tracked, or null.
    HMENU TrackedMenu() const;
    // A menu of the tracked drop-down opens: its items are drawn by the frame skinner.
    void MenuOpening(HMENU menu);
    // Where the bar was last painted (window coordinates).
    const RECT& Band() const { return band_; }
    const std::vector<std::unique_ptr<TMenuBtn>>& Items() const { return items_; }
    TWinSkinForm& Frame() const { return frame_; }
    // The painted bar without highlights, for repainting one item.
    const TBitmap& Background() const { return background_; }

private:
    static LRESULT CALLBACK MessageFilter(int code, WPARAM wParam, LPARAM lParam);
    // Shows one item's drop-down; returns the item the user moved to, or null.
    TMenuBtn* Track(TMenuBtn& item);
    TMenuBtn* Neighbour(const TMenuBtn& item, int step) const;

    TWinSkinForm& frame_;
    TFormMenu* menu_;
    HMENU nativeMenu_ = nullptr;
    RECT band_{};
    std::vector<std::unique_ptr<TMenuBtn>> items_;
    TBitmap background_;
    std::unique_ptr<TNativeOwnerDraw> ownerDraw_;  // while a drop-down is tracked
};

// One item of the painted menu bar.
class TMenuBtn : public TNCObject {
public:
    TMenuBtn(TWinSkinMenu& bar, int index);
    void Paint() override;
    void PaintOn(HDC dc);

    int Index() const { return index_; }
    std::wstring Caption;
    bool ItemEnabled = true;
    HMENU SubMenu = nullptr;
    UINT Command = 0;

private:
    TWinSkinMenu& bar_;
    int index_;
};

// The character after the first lone "&" of a caption, lower-cased; 0 without one.
wchar_t AcceleratorOf(const std::wstring& caption);
