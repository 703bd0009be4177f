#pragma once
// Menus over real Win32 menus.
//
//   TMenuItem    one item: Caption ("&File"; "-" is a separator), ShortCut, Checked,
//                Enabled, Visible, Default (bold), AutoCheck, RadioItem, GroupIndex,
//                ImageIndex, Hint, OnClick, owner drawing (OnDrawItem / OnMeasureItem), and
//                its sub-items. Each item has a command identifier, unique in the process;
//                an item with sub-items owns the native pop-up menu that holds them (Handle).
//   TMenu        the items (Items(), an unnamed root item), Images, OwnerDraw, and look-up
//                by command, native handle or shortcut.
//   TMainMenu    a form's menu bar (TFormMenu): builds the bar, runs WM_COMMAND, shortcuts
//                from the keyboard, owner drawing, WM_INITMENUPOPUP, WM_MENUCHAR.
//   TPopupMenu   Popup(x, y) through TrackPopupMenu; its messages reach a hidden window of
//                the toolkit, which hands them to the menu.
//
// The native menus follow the items: every change of an item rebuilds the native menu that
// holds it (hidden items are left out of it), keeping every native handle, so that code
// holding a handle (the skin engine) keeps a valid one.
//
// Shortcuts as text: "F9", "Ctrl+F4", "Shift+Ctrl+T", "Alt+X", "Del", "Ins", "Enter",
// "Esc", "Space", "Tab", "BkSp", "Left", "Home", …; ShortCutToText and TextToShortCut
// convert both ways (an unknown text is 0, no shortcut).

#include <string>
#include <string_view>
#include <vector>

#include "toolkit/Forms.h"
#include "toolkit/Graphics.h"
#include "toolkit/ImgList.h"

std::string ShortCutToText(TShortCut shortCut);
TShortCut TextToShortCut(std::string_view text);
// The accelerator character of a caption (the one after a single "&", upper case), or 0.
char GetHotkey(std::string_view caption);
// The caption without its "&" markers ("&&" stays one "&").
std::string StripHotkey(std::string_view caption);

class TMenu;
class TMenuItem;

// Sender, canvas, the item's rectangle, whether it is selected.
using TMenuDrawItemEvent = TEvent<TObject*, TCanvas*, TRect, bool>;
// Sender, canvas, width and height to set.
using TMenuMeasureItemEvent = TEvent<TObject*, TCanvas*, int&, int&>;

class TMenuItem : public TComponent {
    TOOLKIT_CLASS(TMenuItem, TComponent)

public:
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    bool IsLine() const { return caption_ == "-"; }
    TShortCut ShortCut() const { return shortCut_; }
    void SetShortCut(TShortCut shortCut);
    bool Checked() const { return checked_; }
    void SetChecked(bool on);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on);
    bool Visible() const { return visible_; }
    void SetVisible(bool on);
    // The menu's default item: drawn in bold (MFS_DEFAULT).
    bool Default() const { return default_; }
    void SetDefault(bool on);
    // Toggles Checked on each click, before OnClick.
    bool AutoCheck() const { return autoCheck_; }
    void SetAutoCheck(bool on) { autoCheck_ = on; }
    // A checked radio item unchecks the other radio items of its GroupIndex in its menu.
    bool RadioItem() const { return radioItem_; }
    void SetRadioItem(bool on);
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int index) { groupIndex_ = index; }
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint) { hint_ = hint; }

    // The sub-items.
    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem* Items(int index) const;
    void Add(TMenuItem* item);
    void Insert(int index, TMenuItem* item);
    void Remove(TMenuItem* item);
    // Frees the sub-items.
    void Clear();
    int IndexOf(const TMenuItem* item) const;
    TMenuItem* Parent() const { return parent_; }
    int MenuIndex() const { return parent_ ? parent_->IndexOf(this) : -1; }
    // The menu the item belongs to (through its parents), or null.
    TMenu* GetParentMenu() const;

    // The command identifier of WM_COMMAND, WM_DRAWITEM and WM_MEASUREITEM.
    UINT Command() const { return command_; }
    // The native menu holding the sub-items (made on first use); for the root item of a
    // menu, the menu's own handle.
    HMENU Handle();
    bool HandleAllocated() const { return handle_ != nullptr; }

    // AutoCheck, then OnClick; nothing for a disabled item.
    virtual void Click();
    // Owner drawing: OnMeasureItem / OnDrawItem when assigned, else the toolkit's drawing.
    void MeasureItem(TCanvas& canvas, int& width, int& height);
    void DrawItem(TCanvas& canvas, const TRect& rect, bool selected);

    TNotifyEvent OnClick;
    TMenuDrawItemEvent OnDrawItem;
    TMenuMeasureItemEvent OnMeasureItem;

    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* parent) override;
    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const override;

protected:
    void BeforeDestruction() override;
    virtual void DefaultMeasureItem(TCanvas& canvas, int& width, int& height);
    virtual void DefaultDrawItem(TCanvas& canvas, const TRect& rect, bool selected);

private:
    friend class TMenu;
    // The native menu that holds this item changed: rebuild it.
    void Changed();
    // Rebuilds the native menu of the sub-items.
    void RebuildHandle();
    void AppendNative(TMenuItem& item);
    bool IsOwnerDraw() const;
    void UncheckRadioSiblings();
    void SetShortCutText(const std::string& text) { SetShortCut(TextToShortCut(text)); }
    std::string ShortCutText() const { return ShortCutToText(shortCut_); }

    std::string caption_;
    TShortCut shortCut_ = 0;
    bool checked_ = false;
    bool enabled_ = true;
    bool visible_ = true;
    bool default_ = false;
    bool autoCheck_ = false;
    bool radioItem_ = false;
    int groupIndex_ = 0;
    int imageIndex_ = -1;
    std::string hint_;
    std::vector<TMenuItem*> items_;
    TMenuItem* parent_ = nullptr;
    TMenu* menu_ = nullptr;  // set on the root item only
    UINT command_ = 0;
    HMENU handle_ = nullptr;
};

enum TFindItemKind { fkCommand, fkHandle, fkShortCut };

class TMenu : public TFormMenu {
    TOOLKIT_CLASS(TMenu, TFormMenu)

public:
    explicit TMenu(TComponent* owner);
    ~TMenu() override;

    // The top-level items hang below this root item.
    TMenuItem* Items() const { return items_; }
    TImageList* Images() const { return images_; }
    void SetImages(TImageList* images);
    // Every item drawn through MeasureItem / DrawItem.
    bool OwnerDraw() const { return ownerDraw_; }
    void SetOwnerDraw(bool on);

    HMENU MenuHandle() override { return items_->Handle(); }
    // The item with that command, native sub-menu handle or shortcut, or null.
    TMenuItem* FindItem(UINT_PTR value, TFindItemKind kind) const;
    // Clicks the item with that command; true when there was one.
    bool DispatchCommand(UINT command);
    bool IsShortCut(TShortCut shortCut) override;
    // WM_COMMAND (menu), WM_DRAWITEM / WM_MEASUREITEM of ODT_MENU, WM_INITMENUPOPUP and
    // WM_MENUCHAR for this menu's items.
    bool HandleMenuMessage(TMessage& message) override;

    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const override;

protected:
    friend class TMenuItem;
    // The native handle of the root item: a menu bar or a pop-up menu.
    virtual HMENU CreateMenuHandle() = 0;
    // Whether items at the top level are drawn by the toolkit as well.
    virtual bool OwnerDrawsTopLevel() const { return true; }
    // The native menu changed (a menu bar must be redrawn).
    virtual void MenuChanged() {}
    void Notification(TComponent* component, TOperation operation) override;
    void BeforeDestruction() override;

private:
    bool DrawMenuItem(const DRAWITEMSTRUCT& draw);
    bool MeasureMenuItem(MEASUREITEMSTRUCT& measure);
    bool MenuChar(TMessage& message);
    void RebuildAll(TMenuItem& item);

    TMenuItem* items_;
    TImageList* images_ = nullptr;
    bool ownerDraw_ = false;
};

class TMainMenu : public TMenu {
    TOOLKIT_CLASS(TMainMenu, TMenu)

public:
    using TMenu::TMenu;

protected:
    HMENU CreateMenuHandle() override { return CreateMenu(); }
    bool OwnerDrawsTopLevel() const override { return OwnerDraw(); }
    void MenuChanged() override;
};

class TPopupMenu : public TMenu {
    TOOLKIT_CLASS(TPopupMenu, TMenu)

public:
    using TMenu::TMenu;

    // Shows the menu at a screen point and runs the chosen item's OnClick.
    virtual void Popup(int x, int y);
    TComponent* PopupComponent() const { return popupComponent_; }
    void SetPopupComponent(TComponent* component) { popupComponent_ = component; }

    // Raised before the menu shows.
    TNotifyEvent OnPopup;

protected:
    HMENU CreateMenuHandle() override { return CreatePopupMenu(); }

private:
    TComponent* popupComponent_ = nullptr;
};
