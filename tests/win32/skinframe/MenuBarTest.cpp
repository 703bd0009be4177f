// The painted menu bar driven as a user drives it, its drop-downs and context menus adopted
// by the manager, owner drawing switched on and off, and the native bar put back.
#include <functional>

#include "MenuFixture.h"
#include "skin/engine/MenuOwnerDraw.h"
#include "skin/engine/SkinMessages.h"
#include "skin/engine/WinSkinMenu.h"
#include "toolkit/WindowHook.h"

using namespace menutest;
using frametest::SkinnedForm;

namespace {

// A form skinned with a main menu from AddMainMenu, changed by `edit` before skinning.
std::unique_ptr<SkinnedForm> FormWithMenu(const std::string& extra = "",
                                          const std::function<void(TMainMenu&)>& edit = {}, DWORD exStyle = 0) {
    auto form = std::make_unique<SkinnedForm>(MenuSkin());
    form->SetSkinned(false);
    TMainMenu* menu = AddMainMenu(form->Form(), extra);
    if (edit) edit(*menu);
    if (exStyle) SetWindowLongA(form->Handle(), GWL_EXSTYLE, GetWindowLongA(form->Handle(), GWL_EXSTYLE) | exStyle);
    form->SetSkinned(true);
    return form;
}

TWinSkinMenu& BarOf(SkinnedForm& form) { return *form.Skinner()->MenuBar(); }

HWND ShownPopupMenu() {
    for (HWND window = FindWindowA("#32768", nullptr); window; window = FindWindowExA(nullptr, window, "#32768", nullptr))
        if (IsWindowVisible(window)) return window;
    return nullptr;
}

// Runs `tick` every 150 ms while a menu is modal, from the menu's own loop; `tick` answers
// false when it is done, and the menu is then closed.
class MenuScript {
public:
    explicit MenuScript(std::function<bool()> tick) {
        tick_ = std::move(tick);
        timer_ = SetTimer(nullptr, 0, 150, &MenuScript::OnTimer);
    }
    ~MenuScript() {
        KillTimer(nullptr, timer_);
        tick_ = nullptr;
    }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
        if (tick_ && !tick_()) EndMenu();
    }
    static inline std::function<bool()> tick_;
    UINT_PTR timer_;
};

int OpenIndex(TWinSkinMenu& bar) {
    const HMENU tracked = bar.TrackedMenu();
    for (const auto& item : bar.Items())
        if (tracked && item->SubMenu == tracked) return item->Index();
    return -1;
}

// A step while a drop-down is open: a key to the menu, or the pointer onto a bar item.
struct Step {
    UINT key;
    int pointerOnto;
};

// Opens bar item `start`, runs the steps and records which item is open before each.
std::vector<int> Navigate(SkinnedForm& form, int start, const std::vector<Step>& steps) {
    TWinSkinMenu& bar = BarOf(form);
    std::vector<int> seen;
    size_t next = 0;
    MenuScript script([&] {
        seen.push_back(OpenIndex(bar));
        if (next == steps.size()) return false;
        const Step step = steps[next++];
        const HWND menu = ShownPopupMenu();
        if (step.key) {
            PostMessageA(menu, WM_KEYDOWN, step.key, 0);
        } else {
            RECT window{};
            GetWindowRect(form.Handle(), &window);
            const RECT& item = bar.Items()[static_cast<size_t>(step.pointerOnto)]->Bounds();
            SetCursorPos(window.left + (item.left + item.right) / 2, window.top + (item.top + item.bottom) / 2);
            PostMessageA(menu, WM_MOUSEMOVE, 0, 0);
        }
        return true;
    });
    bar.OpenItem(*bar.Items()[static_cast<size_t>(start)]);
    return seen;
}

}  // namespace

TEST(MenuBar, KeysAndThePointerMoveAlongTheBarWrappingAtItsEnds) {
    struct Case {
        const char* name;
        bool rightToLeft;
        int start;
        std::vector<Step> steps;
        std::vector<int> open;
    };
    const Case cases[] = {
        {"right to the end and round to the first", false, 0, {{VK_RIGHT, 0}, {VK_RIGHT, 0}, {VK_RIGHT, 0}}, {0, 1, 2, 0}},
        {"left from the first to the last", false, 0, {{VK_LEFT, 0}, {VK_LEFT, 0}}, {0, 2, 1}},
        {"mirrored in a right-to-left menu", true, 0, {{VK_LEFT, 0}, {VK_RIGHT, 0}, {VK_RIGHT, 0}}, {0, 1, 0, 2}},
        {"the pointer opens the neighbour under it", false, 0, {{0, 1}, {0, 2}}, {0, 1, 2}},
    };
    for (const Case& c : cases) {
        auto form = FormWithMenu("", {}, c.rightToLeft ? WS_EX_LEFTSCROLLBAR : 0);
        EXPECT_EQ(Navigate(*form, c.start, c.steps), c.open) << c.name;
    }
}

TEST(MenuBar, ADropDownOpensOnItsFirstItem) {
    auto form = FormWithMenu();
    TWinSkinMenu& bar = BarOf(*form);
    bool firstHighlighted = false;
    int ticks = 0;
    MenuScript script([&] {
        firstHighlighted = (GetMenuState(bar.TrackedMenu(), 0, MF_BYPOSITION) & MF_HILITE) != 0;
        return ++ticks < 2;  // the first tick may be the first message the menu sees
    });
    bar.OpenItem(*bar.Items()[0]);
    EXPECT_TRUE(firstHighlighted);
}

TEST(MenuBar, AnItemWithoutSubMenuSendsItsCommandAndOpensNothing) {
    int clicks = 0;
    auto form = FormWithMenu("Go", [&](TMainMenu& menu) { menu.Items()->Items(3)->OnClick = [&](TObject*) { ++clicks; }; });
    bool opened = false;
    {
        MenuScript script([&] {
            opened = opened || ShownPopupMenu();
            return false;
        });
        BarOf(*form).OpenItem(*BarOf(*form).Items()[3]);
        frametest::Pump(200);
    }
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(opened);
}

TEST(MenuBar, AnEmptyCaptionHasNoWidthAndCannotBeHit) {
    auto form = FormWithMenu("", [](TMainMenu& menu) { menu.Items()->Items(1)->SetCaption(""); });
    const TMenuBtn& empty = *BarOf(*form).Items()[1];
    EXPECT_EQ(empty.Bounds().right, empty.Bounds().left);
    const POINT at{empty.Bounds().left, (empty.Bounds().top + empty.Bounds().bottom) / 2};
    EXPECT_NE(BarOf(*form).ItemAt(at), &empty);
}

TEST(MenuBar, AcceleratorLookup) {
    auto form = FormWithMenu("&&Plain", [](TMainMenu& menu) {
        menu.Items()->Items(0)->SetCaption("&File");
        menu.Items()->Items(1)->SetCaption("O&ptions");
        menu.Items()->Items(2)->SetCaption("&Help");
        menu.Items()->Items(2)->SetEnabled(false);
    });
    const struct {
        char key;
        int item;  // -1: none
    } cases[] = {{'f', 0}, {'F', 0}, {'p', 1}, {'h', -1}, {'l', -1}, {'x', -1}, {0, 0}};
    const TWinSkinMenu& bar = BarOf(*form);
    for (const auto& c : cases) {
        const TMenuBtn* expected = c.item < 0 ? nullptr : bar.Items()[static_cast<size_t>(c.item)].get();
        EXPECT_EQ(bar.FindAccelItem(c.key), expected) << "key " << static_cast<int>(c.key);
    }
}

TEST(MenuBar, UnskinningPutsTheNativeBarBackAsItWas) {
    auto form = FormWithMenu();
    form->SetSkinned(false);
    const HMENU native = GetMenu(form->Handle());
    auto texts = [](HMENU menu) {
        std::vector<std::string> all;
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            char text[80] = {};
            GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
            all.push_back(text);
        }
        return all;
    };
    const std::vector<std::string> before = texts(native);
    form->SetSkinned(true);
    EXPECT_EQ(GetMenu(form->Handle()), nullptr);
    EXPECT_EQ(BarOf(*form).Items().size(), before.size());
    form->SetSkinned(false);
    EXPECT_EQ(GetMenu(form->Handle()), native);
    EXPECT_EQ(texts(native), before);
}

TEST(MenuBar, NativeOwnerDrawingReachesEveryDepthAndIsUndone) {
    HMENU inner = CreatePopupMenu();
    AppendMenuA(inner, MF_STRING, 11, "Inner");
    HMENU outer = CreatePopupMenu();
    AppendMenuA(outer, MF_STRING | MF_CHECKED, 10, "Outer");
    AppendMenuA(outer, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(outer, MF_POPUP, reinterpret_cast<UINT_PTR>(inner), "More");
    auto types = [](HMENU menu) {
        std::vector<UINT> all;
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            MENUITEMINFOA info{};
            info.cbSize = sizeof info;
            info.fMask = MIIM_FTYPE;
            GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info);
            all.push_back(info.fType);
        }
        return all;
    };
    const std::vector<UINT> outerBefore = types(outer), innerBefore = types(inner);
    {
        TNativeOwnerDraw ownerDraw;
        ownerDraw.Add(outer);
        for (HMENU menu : {outer, inner})
            for (UINT type : types(menu)) EXPECT_TRUE(type & MFT_OWNERDRAW);
    }
    EXPECT_EQ(types(outer), outerBefore);
    EXPECT_EQ(types(inner), innerBefore);
    DestroyMenu(outer);
}

TEST(MenuBar, PopupMenuComponentsAreDrawnByTheEngineWhileSkinned) {
    SkinnedForm form(MenuSkin());
    form.SetSkinned(false);
    auto* popup = new TPopupMenu(&form.Form());
    auto* item = new TMenuItem(popup);
    item->SetCaption("Copy");
    item->OnMeasureItem = [](TObject*, TCanvas*, int&, int&) {};
    popup->Items()->Add(item);
    auto* kept = new TPopupMenu(&form.Form());
    kept->SetTag(form.Skin().DisableTag());
    auto* keptItem = new TMenuItem(kept);
    kept->Items()->Add(keptItem);
    form.SetSkinned(true);
    EXPECT_TRUE(item->OnDrawItem);
    EXPECT_TRUE(item->OnMeasureItem);
    EXPECT_FALSE(keptItem->OnDrawItem) << "a menu tagged with DisableTag keeps its look";
    form.SetSkinned(false);
    EXPECT_FALSE(item->OnDrawItem);
    EXPECT_TRUE(item->OnMeasureItem) << "the item's own measure handler stays";
}

TEST(MenuBar, PopupMenuWindowsAreAdoptedByKindAndPaintedFromTheSkin) {
    struct Case {
        const char* name;
        TMenuKind kind;
        TSkinControlType control;
        bool skinned;
    };
    const Case cases[] = {
        {"a context menu with xcPopupMenu", mkContext, xcPopupMenu, true},
        {"a context menu without it", mkContext, xcSystemMenu, false},
        {"a system menu with xcSystemMenu", mkSystemMenu, xcSystemMenu, true},
        {"a system menu without it", mkSystemMenu, xcPopupMenu, false},
        {"a drop-down of the bar with xcMainMenu", mkMenuBar, xcMainMenu, true},
    };
    SkinnedForm form(MenuSkin());
    TPopupMenu popup(nullptr);
    for (const char* caption : {"Cut", "Copy", "Paste"}) {
        auto* item = new TMenuItem(&popup);
        item->SetCaption(caption);
        popup.Items()->Add(item);
    }
    UseEnginePainters(*popup.Items(), form.Skin(), true, true);
    popup.SetOwnerDraw(true);
    for (const Case& c : cases) {
        TSkinControlTypes controls;
        controls.Include(c.control);
        form.Skin().SetSkinControls(controls);
        SkinManager()->SetNextMenuKind(c.kind);
        bool adopted = false;
        TColor border = 0, item = 0;
        MenuScript script([&] {
            const HWND window = ShownPopupMenu();
            adopted = SkinManager()->IsPopupMenuSkinned(window) && SendMessageA(window, SKM_QUERYSKINNED, 0, 0) == 1;
            RECT r{};
            GetClientRect(window, &r);
            TBitmap shown;
            skintest::FillBitmap(shown, r.right, r.bottom, [](int, int) { return TColor(0); });
            SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(shown.Canvas()->Handle()), PRF_CLIENT);
            border = skintest::PixelOf(shown, r.right / 2, 1);
            item = skintest::PixelOf(shown, r.right - 8, r.bottom / 2);
            return false;
        });
        popup.Popup(200, 200);
        EXPECT_EQ(adopted, c.skinned) << c.name;
        if (!c.skinned) continue;
        EXPECT_EQ(border, kBackBorder) << c.name;
        EXPECT_EQ(item, kBackCentre) << c.name << ": the background through the item's open frame";
    }
}

TEST(MenuBar, AnAltCharacterWithNoItemHereGoesOnToTheMainForm) {
    TForm* main = nullptr;
    Application->CreateForm(main);
    ASSERT_EQ(Application->MainForm(), main);
    std::vector<WPARAM> seen;
    {
        TWindowHook record(*main, [&](TMessage& m, const TWndMethod& next) {
            if (m.Msg == CM_DIALOGCHAR) seen.push_back(m.WParam);
            next(m);
        });
        auto form = FormWithMenu();
        form->Form().Perform(CM_DIALOGCHAR, 'z', 0);
    }
    EXPECT_EQ(seen, std::vector<WPARAM>{'z'});
    main->Free();
}

TEST(MenuBar, TheBandIsThreeSlicedFromTheSkinAndItemsFrameWhenHotOrPressed) {
    // The bar image: two stacked frames of 10 rows (active, inactive), ends 4 wide.
    const TColor left[2] = {0x102030, 0x405060}, centre[2] = {0x708090, 0xA0B0C0}, right[2] = {0x306090, 0x609030};
    constexpr TColor kButtonHilight = 0x3CC8F0;
    skintest::TTestSkin skin = MenuSkin();
    skin.definition.insert(skin.definition.find("[Personality]\n") + 14,
                           "menuBar=bar.bmp\nTileMenu=0\nTileLeftMenu=4\nTileRightMenu=4\n");
    skin.definition.insert(skin.definition.find("[Colours]\n") + 10, "ButtonHilight=240,200,60\n");
    skin.Image("bar.bmp", skintest::Bmp(16, 20, [&](int x, int y) {
        const int frame = y / 10;
        return x < 4 ? left[frame] : x >= 12 ? right[frame] : centre[frame];
    }));
    SkinnedForm f(skin);
    f.SetSkinned(false);
    AddMainMenu(f.Form());
    f.SetSkinned(true);
    TWinSkinMenu& bar = BarOf(f);
    for (const int active : {1, 0}) {
        SendMessageA(f.Handle(), WM_NCACTIVATE, active, 0);
        const auto frame = f.PaintedFrame();
        const RECT band = bar.Band();
        const int frameIndex = active ? 0 : 1;
        const int y = band.bottom - 1;  // below the items' captions
        EXPECT_EQ(skintest::PixelOf(*frame, band.left + 1, y), left[frameIndex]) << active;
        EXPECT_EQ(skintest::PixelOf(*frame, (band.left + band.right) / 2, y), centre[frameIndex]) << active;
        EXPECT_EQ(skintest::PixelOf(*frame, band.right - 2, y), right[frameIndex]) << active;
    }
    SendMessageA(f.Handle(), WM_NCACTIVATE, TRUE, 0);
    f.PaintedFrame();
    const RECT item = bar.Items()[1]->Bounds();
    RECT window{};
    GetWindowRect(f.Handle(), &window);
    const LPARAM onItem = MAKELPARAM(window.left + (item.left + item.right) / 2, window.top + item.top + 2);
    const auto edge = [&] { return skintest::PixelOf(*f.OnScreen(), item.left, (item.top + item.bottom) / 2); };
    EXPECT_NE(edge(), kButtonHilight);
    SendMessageA(f.Handle(), WM_NCMOUSEMOVE, HTMENU, onItem);
    EXPECT_EQ(edge(), kButtonHilight) << "hot";
    bar.Items()[1]->MouseDown();
    EXPECT_EQ(edge(), kButtonHilight) << "pressed";
    bar.Items()[1]->MouseLeave();
    EXPECT_NE(edge(), kButtonHilight) << "left";
}
