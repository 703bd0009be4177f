#pragma once
// TWinSkinPopMenu: the skinner of one pop-up menu window ("#32768") that the manager
// adopted. It paints the window's border and background from the skin's nine-sliced
// MenuBackground; the items paint themselves on top of that image (Win32).

#include <memory>

#include "platform/Win.h"
#include "skin/engine/MenuItemPaint.h"
#include "skin/engine/SkinManage.h"
#include "skin/engine/WindowSubclass.h"
#include "toolkit/Graphics.h"

class TSkinData;

class TWinSkinPopMenu : public TPopupMenuSkinner {
public:
    TWinSkinPopMenu();
    TWinSkinPopMenu(const TWinSkinPopMenu&) = delete;
    TWinSkinPopMenu& operator=(const TWinSkinPopMenu&) = delete;
    ~TWinSkinPopMenu() override;

    void Attach(HWND window, TSkinData& skin);
    void Detach() override;
    HWND Window() const override { return window_; }

    // The menu whose items this window shows.
    HMENU Menu() const;
    // The composed MenuBackground at the window's size, or null when the skin has none.
    const TBitmap* Background();
    // Where the client area's origin lies on the background.
    POINT ClientOrigin() const;
    // The window's look into dc (client coordinates): the background, then the items.
    void PrintClient(HDC dc, LPARAM flags);

private:
    static LRESULT CALLBACK SubclassProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT CallPrevious(UINT msg, WPARAM wParam, LPARAM lParam);
    void PaintBorder();
    // The system draws this menu's frame inside its client area rather than around it.
    bool FrameInClient() const;

    HWND window_ = nullptr;
    TSkinData* skin_ = nullptr;
    TWindowSubclass subclass_;
    TBitmap background_;
};

// The manager's factory: a skinner attached to the adopted window.
std::unique_ptr<TPopupMenuSkinner> MakePopupMenuSkinner(HWND window, TSkinData& skin);
// The skinner of the window showing that menu, or null.
TWinSkinPopMenu* PopupSkinnerOfMenu(HMENU menu);
// Where an item of that menu, at `item` in the menu window's client area, lies on the
// window's skinned background; no image when the menu's window is not skinned.
TMenuItemBackdrop BackdropOf(HMENU menu, const RECT& item);
