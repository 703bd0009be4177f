#include "skin/engine/MenuOwnerDraw.h"

#include "skin/WinSkinData.h"
#include "skin/engine/MenuItemPaint.h"
#include "skin/engine/WinSkinPopMenu.h"
#include "toolkit/Forms.h"
#include "toolkit/Menus.h"
#include "toolkit/TypInfo.h"

namespace {

// Marks the handlers the engine set, so that switching off removes only those.
const TMethodInfo kEngineHandler{"SkinEngineMenuItem", nullptr, nullptr};

bool IsEngine(const TMethod& method) { return method.Info == &kEngineHandler; }

void SetHandlers(TMenuItem& item, TSkinData& skin, bool popupMenu) {
    TSkinData* data = &skin;
    item.OnDrawItem.SetBound(
        [data](TObject* sender, TCanvas* canvas, TRect rect, bool selected) {
            auto& drawn = *static_cast<TMenuItem*>(sender);
            HMENU menu = drawn.Parent() ? drawn.Parent()->Handle() : nullptr;
            PaintMenuItem(canvas->Handle(), rect, LookOf(drawn), selected, *data, BackdropOf(menu, rect));
        },
        TMethod{nullptr, &kEngineHandler});
    if (item.OnMeasureItem && !IsEngine(item.OnMeasureItem.Method())) return;
    item.OnMeasureItem.SetBound(
        [data, popupMenu](TObject* sender, TCanvas*, int& width, int&) {
            const TMenu* menu = static_cast<TMenuItem*>(sender)->GetParentMenu();
            width += EngineItemRoom(*data, menu && menu->Images(), popupMenu);
        },
        TMethod{nullptr, &kEngineHandler});
}

void ClearHandlers(TMenuItem& item) {
    if (IsEngine(item.OnDrawItem.Method())) item.OnDrawItem = {};
    if (IsEngine(item.OnMeasureItem.Method())) item.OnMeasureItem = {};
}

template <class Visit>
void EveryItemBelow(TMenuItem& root, const Visit& visit) {
    for (int i = 0; i < root.Count(); ++i) {
        visit(*root.Items(i));
        EveryItemBelow(*root.Items(i), visit);
    }
}

template <class Menu, class Visit>
void EveryMenuOf(TCustomForm& form, const Visit& visit) {
    for (int i = 0; i < form.ComponentCount(); ++i)
        if (auto* menu = dynamic_cast<Menu*>(form.Components(i))) visit(*menu);
}

}  // namespace

void UseEnginePainters(TMenuItem& root, TSkinData& skin, bool popupMenu, bool on) {
    EveryItemBelow(root, [&](TMenuItem& item) {
        if (on)
            SetHandlers(item, skin, popupMenu);
        else
            ClearHandlers(item);
    });
}

void MeasureWithEngine(TMenuItem& item, TCanvas& canvas, const TSkinData& skin, int& width, int& height) {
    item.MeasureItem(canvas, width, height);
    if (IsEngine(item.OnMeasureItem.Method())) return;
    const TMenu* menu = item.GetParentMenu();
    width += EngineItemRoom(skin, menu && menu->Images(), false);
}

void MakeMenusOwnerDrawn(TCustomForm& form, TSkinData& skin, bool on) {
    EveryMenuOf<TPopupMenu>(form, [&](TPopupMenu& menu) {
        if (menu.Tag() == skin.DisableTag()) return;
        UseEnginePainters(*menu.Items(), skin, true, on);
        menu.SetOwnerDraw(on);
    });
}

void MakeMainMenuOwnerDrawn(TCustomForm& form, TSkinData& skin, bool on) {
    EveryMenuOf<TMainMenu>(form, [&](TMainMenu& menu) {
        for (int i = 0; i < menu.Items()->Count(); ++i)
            EveryItemBelow(*menu.Items()->Items(i), [&](TMenuItem& item) {
                if (!on)
                    ClearHandlers(item);
                else if (!item.OnDrawItem || IsEngine(item.OnDrawItem.Method()))
                    SetHandlers(item, skin, false);
            });
        menu.SetOwnerDraw(on);
    });
}

void TNativeOwnerDraw::Add(HMENU menu) {
    const int count = menu ? GetMenuItemCount(menu) : 0;
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_SUBMENU;
        if (!GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info)) continue;
        if (info.hSubMenu) Add(info.hSubMenu);
        if (info.fType & MFT_OWNERDRAW) continue;
        info.fMask = MIIM_FTYPE;
        info.fType |= MFT_OWNERDRAW;
        if (SetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info)) switched_.emplace_back(menu, i);
    }
}

TNativeOwnerDraw::~TNativeOwnerDraw() {
    for (const auto& [menu, position] : switched_) {
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE;
        if (!GetMenuItemInfoA(menu, position, TRUE, &info)) continue;
        info.fType &= ~static_cast<UINT>(MFT_OWNERDRAW);
        SetMenuItemInfoA(menu, position, TRUE, &info);
    }
}
