// Menu items and menus over native menus (declared in Menus.h).
#include "toolkit/Menus.h"

#include <algorithm>

namespace {

// Command identifiers fit the low word of WM_COMMAND; 0 is no command.
class CommandPool {
public:
    UINT Take() {
        auto free = std::find(used_.begin() + 1, used_.end(), false);
        if (free != used_.end()) {
            *free = true;
            return static_cast<UINT>(free - used_.begin());
        }
        if (used_.size() > 0xFFFF) throw EInvalidOperation("Too many menu items");
        used_.push_back(true);
        return static_cast<UINT>(used_.size() - 1);
    }
    void Give(UINT command) {
        if (command < used_.size()) used_[command] = false;
    }

private:
    std::vector<bool> used_{true};
};

CommandPool& Commands() {
    static CommandPool pool;
    return pool;
}

// The first item below `parent` (at any depth, parents before children) that `match`
// accepts; `enter` decides whether an item's sub-items are searched.
template <class Match, class Enter>
TMenuItem* FindBelow(const TMenuItem& parent, const Match& match, const Enter& enter) {
    for (int i = 0; i < parent.Count(); ++i) {
        TMenuItem* item = parent.Items(i);
        if (match(*item)) return item;
        if (!enter(*item)) continue;
        if (TMenuItem* found = FindBelow(*item, match, enter)) return found;
    }
    return nullptr;
}

}  // namespace

// ---------------------------------------------------------------------------------------
// TMenuItem

const TClassInfo& TMenuItem::StaticClass() {
    using C = TMenuItem;
    using P = TProps<C>;
    static const TClassInfo info(
        "TMenuItem", &TComponent::StaticClass(), Creator<C>(),
        {
            P::String("Caption", &C::Caption, &C::SetCaption),
            P::Integer("ShortCut", &C::ShortCut, &C::SetShortCut).Default(0),
            P::Boolean("Checked", &C::Checked, &C::SetChecked).Default(false),
            P::Boolean("Enabled", &C::Enabled, &C::SetEnabled).Default(true),
            P::Boolean("Visible", &C::Visible, &C::SetVisible).Default(true),
            P::Boolean("Default", &C::Default, &C::SetDefault).Default(false),
            P::Boolean("AutoCheck", &C::AutoCheck, &C::SetAutoCheck).Default(false),
            P::Boolean("RadioItem", &C::RadioItem, &C::SetRadioItem).Default(false),
            P::Integer("GroupIndex", &C::GroupIndex, &C::SetGroupIndex).Default(0),
            P::Integer("ImageIndex", &C::ImageIndex, &C::SetImageIndex).Default(-1),
            P::String("Hint", &C::Hint, &C::SetHint),
            P::Event("OnClick", &C::OnClick),
            P::Event("OnDrawItem", &C::OnDrawItem),
            P::Event("OnMeasureItem", &C::OnMeasureItem),
        });
    return info;
}
TOOLKIT_REGISTER(TMenuItem);

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), command_(Commands().Take()) {}

TMenuItem::~TMenuItem() { Commands().Give(command_); }

void TMenuItem::BeforeDestruction() {
    Clear();
    if (parent_) parent_->Remove(this);
    if (handle_ && IsMenu(handle_)) DestroyMenu(handle_);
    handle_ = nullptr;
    TComponent::BeforeDestruction();
}

TMenuItem* TMenuItem::Items(int index) const {
    if (index < 0 || index >= Count()) throw EListError(Format("List index out of bounds (%d)", index));
    return items_[static_cast<size_t>(index)];
}

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item) {
    if (!item || item == this) throw EInvalidOperation("Cannot insert this menu item");
    for (const TMenuItem* p = this; p; p = p->parent_)
        if (p == item) throw EInvalidOperation("A menu item cannot hold its own parent");
    if (index < 0 || index > Count()) throw EListError(Format("List index out of bounds (%d)", index));
    if (item->parent_) item->parent_->Remove(item);
    index = std::min(index, Count());  // moving within this item shortened the list
    items_.insert(items_.begin() + index, item);
    item->parent_ = this;
    if (handle_) RebuildHandle();
    Changed();  // the item may have become a sub-menu
}

void TMenuItem::Remove(TMenuItem* item) {
    auto it = std::find(items_.begin(), items_.end(), item);
    if (it == items_.end()) return;
    items_.erase(it);
    item->parent_ = nullptr;
    if (handle_) RebuildHandle();
    Changed();
}

void TMenuItem::Clear() {
    while (!items_.empty()) items_.back()->Free();
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
    auto it = std::find(items_.begin(), items_.end(), item);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

TMenu* TMenuItem::GetParentMenu() const {
    const TMenuItem* root = this;
    while (root->parent_) root = root->parent_;
    return root->menu_;
}

HMENU TMenuItem::Handle() {
    // The system destroys a window's menu bar with the window (and every sub-menu in it).
    if (handle_ && !IsMenu(handle_)) handle_ = nullptr;
    if (!handle_) {
        handle_ = menu_ ? menu_->CreateMenuHandle() : CreatePopupMenu();
        if (!handle_) throw EInvalidOperation("Cannot create a menu");
        RebuildHandle();
    }
    return handle_;
}

void TMenuItem::RebuildHandle() {
    while (GetMenuItemCount(handle_) > 0) RemoveMenu(handle_, 0, MF_BYPOSITION);
    for (TMenuItem* item : items_)
        if (item->visible_) AppendNative(*item);
}

void TMenuItem::AppendNative(TMenuItem& item) {
    std::string text = item.caption_;
    if (item.shortCut_) text += "\t" + ShortCutToText(item.shortCut_);
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA | MIIM_STRING;
    info.fType = (item.IsLine() ? MFT_SEPARATOR : 0) | (item.radioItem_ ? MFT_RADIOCHECK : 0) |
                 (item.IsOwnerDraw() ? MFT_OWNERDRAW : 0);
    info.fState = (item.checked_ ? MFS_CHECKED : 0) | (item.enabled_ ? 0 : MFS_GRAYED) |
                  (item.default_ ? MFS_DEFAULT : 0);
    info.wID = item.command_;
    info.dwItemData = reinterpret_cast<ULONG_PTR>(&item);
    info.dwTypeData = text.data();
    if (!item.items_.empty()) {
        info.fMask |= MIIM_SUBMENU;
        info.hSubMenu = item.Handle();
    }
    InsertMenuItemA(handle_, static_cast<UINT>(GetMenuItemCount(handle_)), TRUE, &info);
}

bool TMenuItem::IsOwnerDraw() const {
    const TMenu* menu = GetParentMenu();
    if (!menu) return false;
    if (menu->OwnerDraw()) return true;
    if (parent_ && !parent_->parent_ && !menu->OwnerDrawsTopLevel()) return false;
    return static_cast<bool>(OnDrawItem) || static_cast<bool>(OnMeasureItem) || (menu->Images() && imageIndex_ >= 0);
}

void TMenuItem::Changed() {
    if (parent_ && parent_->handle_) parent_->RebuildHandle();
    if (TMenu* menu = GetParentMenu()) menu->MenuChanged();
}

void TMenuItem::SetCaption(const std::string& caption) { if (ChangeField(caption_, caption)) Changed(); }

void TMenuItem::SetShortCut(TShortCut shortCut) { if (ChangeField(shortCut_, shortCut)) Changed(); }

void TMenuItem::SetChecked(bool on) {
    if (on == checked_) return;
    checked_ = on;
    if (on && radioItem_) UncheckRadioSiblings();
    Changed();
}

void TMenuItem::UncheckRadioSiblings() {
    if (!parent_) return;
    for (TMenuItem* sibling : parent_->items_)
        if (sibling != this && sibling->radioItem_ && sibling->groupIndex_ == groupIndex_) sibling->checked_ = false;
}

void TMenuItem::SetEnabled(bool on) { if (ChangeField(enabled_, on)) Changed(); }

void TMenuItem::SetVisible(bool on) { if (ChangeField(visible_, on)) Changed(); }

void TMenuItem::SetDefault(bool on) {
    if (on == default_) return;
    if (on && parent_)
        for (TMenuItem* sibling : parent_->items_) sibling->default_ = false;  // one default per menu
    default_ = on;
    Changed();
}

void TMenuItem::SetRadioItem(bool on) {
    if (on == radioItem_) return;
    radioItem_ = on;
    if (on && checked_) UncheckRadioSiblings();
    Changed();
}

void TMenuItem::SetImageIndex(int index) { if (ChangeField(imageIndex_, index)) Changed(); }

void TMenuItem::Click() {
    if (!enabled_) return;
    if (autoCheck_) SetChecked(!checked_);
    OnClick(this);
}

TComponent* TMenuItem::GetParentComponent() const {
    if (!parent_) return nullptr;
    if (parent_->menu_) return parent_->menu_;
    return parent_;
}

void TMenuItem::SetParentComponent(TComponent* parent) {
    if (auto* item = dynamic_cast<TMenuItem*>(parent))
        item->Add(this);
    else if (auto* menu = dynamic_cast<TMenu*>(parent))
        menu->Items()->Add(this);
    else
        throw EInvalidOperation("A menu item belongs in a menu or another menu item");
}

void TMenuItem::GetChildren(const std::function<void(TComponent*)>& proc, TComponent*) const {
    for (TMenuItem* item : items_) proc(item);
}

// ---------------------------------------------------------------------------------------
// TMenu

const TClassInfo& TMenu::StaticClass() {
    using C = TMenu;
    using P = TProps<C>;
    static const TClassInfo info("TMenu", &TFormMenu::StaticClass(), nullptr,
                                 {
                                     P::Component("Images", &C::Images, &C::SetImages),
                                     P::Boolean("OwnerDraw", &C::OwnerDraw, &C::SetOwnerDraw).Default(false),
                                 });
    return info;
}

TMenu::TMenu(TComponent* owner) : TFormMenu(owner), items_(new TMenuItem(nullptr)) { items_->menu_ = this; }

TMenu::~TMenu() = default;

void TMenu::BeforeDestruction() {
    TFormMenu::BeforeDestruction();  // a form lets go of the menu bar first
    items_->Free();
}

void TMenu::Notification(TComponent* component, TOperation operation) {
    TFormMenu::Notification(component, operation);
    if (operation == opRemove && component == images_) SetImages(nullptr);
}

void TMenu::SetImages(TImageList* images) {
    if (images == images_) return;
    if (images_) images_->RemoveFreeNotification(this);
    images_ = images;
    if (images_) images_->FreeNotification(this);
    RebuildAll(*items_);
}

void TMenu::SetOwnerDraw(bool on) {
    if (on == ownerDraw_) return;
    ownerDraw_ = on;
    RebuildAll(*items_);
}

void TMenu::RebuildAll(TMenuItem& item) {
    if (item.handle_) item.RebuildHandle();
    for (TMenuItem* child : item.items_) RebuildAll(*child);
    if (&item == items_) MenuChanged();
}

TMenuItem* TMenu::FindItem(UINT_PTR value, TFindItemKind kind) const {
    auto all = [](const TMenuItem&) { return true; };
    switch (kind) {
        case fkCommand:
            return FindBelow(*items_, [value](const TMenuItem& i) { return i.Command() == value; }, all);
        case fkHandle:
            return FindBelow(*items_, [value](const TMenuItem& i) { return i.handle_ && reinterpret_cast<UINT_PTR>(i.handle_) == value; }, all);
        case fkShortCut:
            return FindBelow(*items_, [value](const TMenuItem& i) { return i.ShortCut() == value; }, all);
    }
    return nullptr;
}

bool TMenu::DispatchCommand(UINT command) {
    TMenuItem* item = FindItem(command, fkCommand);
    if (item) item->Click();
    return item != nullptr;
}

// Only what the user can reach answers a shortcut: hidden or disabled items, and the items
// of hidden or disabled sub-menus, leave the key to others.
bool TMenu::IsShortCut(TShortCut shortCut) {
    if (!shortCut) return false;
    auto reachable = [](const TMenuItem& i) { return i.Visible() && i.Enabled(); };
    TMenuItem* item = FindBelow(
        *items_, [&](const TMenuItem& i) { return i.ShortCut() == shortCut && reachable(i); }, reachable);
    if (item) item->Click();
    return item != nullptr;
}

bool TMenu::HandleMenuMessage(TMessage& m) {
    switch (m.Msg) {
        case WM_COMMAND:
            return HIWORD(m.WParam) == 0 && DispatchCommand(LOWORD(m.WParam));
        case WM_DRAWITEM:
            if (!DrawMenuItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam))) return false;
            m.Result = TRUE;
            return true;
        case WM_MEASUREITEM:
            if (!MeasureMenuItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam))) return false;
            m.Result = TRUE;
            return true;
        case WM_INITMENUPOPUP:
            // The item whose sub-menu opens hears of it (to update its sub-items).
            if (TMenuItem* item = FindItem(m.WParam, fkHandle); item && item != items_) {
                item->OnClick(item);
                return true;
            }
            return false;
        case WM_MENUCHAR:
            return MenuChar(m);
        default:
            return false;
    }
}

// The system finds no accelerators in items it does not draw itself: the visible item of
// that menu whose caption has the character runs.
bool TMenu::MenuChar(TMessage& m) {
    const auto menu = static_cast<UINT_PTR>(m.LParam);
    TMenuItem* parent = reinterpret_cast<UINT_PTR>(items_->handle_) == menu ? items_ : FindItem(menu, fkHandle);
    if (!parent) return false;
    const char key = static_cast<char>(std::toupper(static_cast<unsigned char>(LOWORD(m.WParam))));
    int position = 0;
    for (TMenuItem* item : parent->items_) {
        if (!item->Visible()) continue;
        if (item->Enabled() && GetHotkey(item->Caption()) == key) {
            m.Result = MAKELRESULT(position, MNC_EXECUTE);
            return true;
        }
        ++position;
    }
    return false;
}

void TMenu::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const {
    items_->GetChildren(proc, root);
}

// ---------------------------------------------------------------------------------------
// TMainMenu and TPopupMenu

const TClassInfo& TMainMenu::StaticClass() {
    static const TClassInfo info("TMainMenu", &TMenu::StaticClass(), Creator<TMainMenu>());
    return info;
}
TOOLKIT_REGISTER(TMainMenu);

// The form redraws its bar (and the skin engine, hooked on the form, rebuilds its own).
void TMainMenu::MenuChanged() {
    if (auto* form = dynamic_cast<TCustomForm*>(Owner()); form && form->Menu() == this) form->Perform(CM_MENUCHANGED);
}

const TClassInfo& TPopupMenu::StaticClass() {
    using C = TPopupMenu;
    using P = TProps<C>;
    static const TClassInfo info("TPopupMenu", &TMenu::StaticClass(), Creator<C>(),
                                 {
                                     P::Event("OnPopup", &C::OnPopup),
                                 });
    return info;
}
TOOLKIT_REGISTER(TPopupMenu);
