// Menus over native menus: form files, shortcuts from the keyboard, native state, owner
// drawing and pop-up menus.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/Pump.h"
#include "toolkit/Menus.h"
#include "toolkit/Streaming.h"

namespace {

using pelmar::testing::Pump;

class TMenuTestForm : public TForm {
    TOOLKIT_CLASS(TMenuTestForm, TForm)

public:
    using TForm::TForm;
    TMainMenu* MainMenu = nullptr;
    TMenuItem* mnuStart = nullptr;
    TMenuItem* mnuAll = nullptr;
    TMenuItem* mnuExit = nullptr;
    TMenuItem* mnuExplorer = nullptr;
    TMenuItem* mnuSettings = nullptr;
    std::vector<std::string> clicks;

    void Record(TObject* sender) {
        auto* item = static_cast<TMenuItem*>(sender);
        clicks.push_back(item->Name() + (item->Checked() ? "+" : ""));
    }
};

constexpr const char* kMenuForm = R"(object MenuTestForm: TMenuTestForm
  Caption = 'Menus'
  Menu = MainMenu
  object MainMenu: TMainMenu
    object mnuFile: TMenuItem
      Caption = '&File'
      object mnuStart: TMenuItem
        Caption = 'Start (current folder)'
        Default = True
        ShortCut = 120
        OnClick = Record
      end
      object mnuAll: TMenuItem
        Caption = 'Start (all sub folders)'
        ShortCut = 121
        OnClick = Record
      end
      object N1: TMenuItem
        Caption = '-'
      end
      object mnuExit: TMenuItem
        Caption = 'E&xit'
        ShortCut = 16499
        OnClick = Record
      end
    end
    object mnuOptions: TMenuItem
      Caption = '&Options'
      object mnuExplorer: TMenuItem
        AutoCheck = True
        Caption = 'View Explorer'
        Checked = True
        OnClick = Record
      end
      object mnuSettings: TMenuItem
        Caption = 'Settings'
        ShortCut = 16468
        OnClick = Record
      end
    end
  end
end
)";

// Holds Ctrl down as far as GetKeyState can tell, for keys posted meanwhile.
class CtrlHeld {
public:
    CtrlHeld() { SetCtrl(0x80); }
    ~CtrlHeld() { SetCtrl(0); }
    CtrlHeld(const CtrlHeld&) = delete;
    CtrlHeld& operator=(const CtrlHeld&) = delete;

private:
    static void SetCtrl(BYTE state) {
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[VK_CONTROL] = keys[VK_LCONTROL] = state;
        SetKeyboardState(keys);
    }
};

MENUITEMINFOA NativeItem(HMENU menu, UINT command) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_SUBMENU | MIIM_DATA;
    EXPECT_TRUE(GetMenuItemInfoA(menu, command, FALSE, &info)) << "command " << command;
    return info;
}

std::vector<UINT> NativeCommands(HMENU menu) {
    std::vector<UINT> commands;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) commands.push_back(GetMenuItemID(menu, i));
    return commands;
}

struct MenuFixture : ::testing::Test {
    TMenuTestForm* form = new TMenuTestForm(Application);
    MenuFixture() { ReadComponent(*form, kMenuForm); }
    ~MenuFixture() override {
        form->Free();
        Pump(10);
    }
    TMenuItem* Item(const char* name) const { return dynamic_cast<TMenuItem*>(form->FindComponent(name)); }
    HMENU FileMenu() const { return Item("mnuFile")->Handle(); }
    void Post(UINT msg, WORD key) { PostMessageA(form->Handle(), msg, key, 0); }
};

}  // namespace

const TClassInfo& TMenuTestForm::StaticClass() {
    using C = TMenuTestForm;
    using P = TProps<C>;
    static const TClassInfo info("TMenuTestForm", &TForm::StaticClass(), Creator<C>(), {},
                                 {P::Method("Record", &C::Record)},
                                 {P::Field("MainMenu", &C::MainMenu), P::Field("mnuStart", &C::mnuStart),
                                  P::Field("mnuAll", &C::mnuAll), P::Field("mnuExit", &C::mnuExit),
                                  P::Field("mnuExplorer", &C::mnuExplorer), P::Field("mnuSettings", &C::mnuSettings)});
    return info;
}

TEST(MenuShortCuts, TextAndKeysConvertBothWays) {
    EXPECT_EQ(ShortCutToText(VK_F9), "F9");
    EXPECT_EQ(ShortCutToText(VK_F10), "F10");
    EXPECT_EQ(ShortCutToText(scCtrl | VK_F4), "Ctrl+F4");
    EXPECT_EQ(ShortCutToText(ShortCut('T', {ssCtrl})), "Ctrl+T");
    EXPECT_EQ(ShortCutToText(scShift | scCtrl | VK_DELETE), "Shift+Ctrl+Del");
    EXPECT_EQ(ShortCutToText(0), "");
    for (const char* text : {"F9", "F10", "Ctrl+F4", "Ctrl+T", "Shift+Ctrl+Del", "Alt+X", "F24", "Enter"})
        EXPECT_EQ(ShortCutToText(TextToShortCut(text)), text);
    EXPECT_EQ(TextToShortCut("ctrl+t"), scCtrl | 'T');
    EXPECT_EQ(TextToShortCut("Ctrl+"), 0);
    EXPECT_EQ(TextToShortCut("Ctrl+Nothing"), 0);
    EXPECT_EQ(TextToShortCut("F25"), 0);
    EXPECT_EQ(TextToShortCut(""), 0);
}

TEST(MenuShortCuts, CaptionAccelerators) {
    EXPECT_EQ(GetHotkey("&File"), 'F');
    EXPECT_EQ(GetHotkey("E&xit"), 'X');
    EXPECT_EQ(GetHotkey("Save && &quit"), 'Q');
    EXPECT_EQ(GetHotkey("Fish && chips"), 0);
    EXPECT_EQ(GetHotkey("Trailing&"), 0);
    EXPECT_EQ(StripHotkey("Save && &quit"), "Save & quit");
}

TEST_F(MenuFixture, FormFileBuildsTheNativeMenuBar) {
    ASSERT_NE(form->MainMenu, nullptr);
    EXPECT_EQ(form->Menu(), form->MainMenu);
    TMenuItem* root = form->MainMenu->Items();
    ASSERT_EQ(root->Count(), 2);
    EXPECT_EQ(root->Items(0)->Count(), 4);
    EXPECT_EQ(form->mnuStart->Parent(), root->Items(0));
    EXPECT_EQ(form->mnuExit->ShortCut(), scCtrl | VK_F4);
    EXPECT_EQ(GetMenu(form->Handle()), form->MainMenu->MenuHandle());

    HMENU bar = form->MainMenu->MenuHandle();
    EXPECT_EQ(GetMenuItemCount(bar), 2);
    EXPECT_EQ(GetSubMenu(bar, 0), FileMenu());
    char text[80] = {};
    GetMenuStringA(FileMenu(), form->mnuExit->Command(), text, sizeof text, MF_BYCOMMAND);
    EXPECT_STREQ(text, "E&xit\tCtrl+F4");
    EXPECT_TRUE(NativeItem(FileMenu(), form->mnuStart->Command()).fState & MFS_DEFAULT);
    EXPECT_FALSE(NativeItem(FileMenu(), form->mnuAll->Command()).fState & MFS_DEFAULT);
    EXPECT_TRUE(NativeItem(FileMenu(), Item("N1")->Command()).fType & MFT_SEPARATOR);
    EXPECT_TRUE(NativeItem(form->mnuExplorer->Parent()->Handle(), form->mnuExplorer->Command()).fState & MFS_CHECKED);
    EXPECT_EQ(NativeItem(FileMenu(), form->mnuAll->Command()).dwItemData, reinterpret_cast<ULONG_PTR>(form->mnuAll));

    // Look-up as the skin engine does it: by command and by sub-menu handle.
    EXPECT_EQ(form->MainMenu->FindItem(form->mnuExit->Command(), fkCommand), form->mnuExit);
    EXPECT_EQ(form->MainMenu->FindItem(reinterpret_cast<UINT_PTR>(FileMenu()), fkHandle), Item("mnuFile"));
    EXPECT_EQ(form->MainMenu->FindItem(scCtrl | 'T', fkShortCut), form->mnuSettings);
    EXPECT_NE(form->mnuStart->Command(), form->mnuAll->Command());
}

TEST_F(MenuFixture, WriterStoresNestedItems) {
    const std::string text = WriteComponent(*form);
    const auto file = text.find("object mnuFile: TMenuItem");
    const auto start = text.find("object mnuStart: TMenuItem");
    ASSERT_NE(file, std::string::npos);
    ASSERT_NE(start, std::string::npos);
    EXPECT_LT(text.find("object MainMenu: TMainMenu"), file);
    EXPECT_LT(file, start);
    EXPECT_NE(text.find("ShortCut = 16499"), std::string::npos);
    EXPECT_NE(text.find("OnClick = Record"), std::string::npos);
    // Read back into a fresh form, it is the same menu.
    auto* copy = new TMenuTestForm(Application);
    ReadComponent(*copy, text);
    const std::string copied = WriteComponent(*copy);
    EXPECT_EQ(copied.substr(copied.find("  object MainMenu")), text.substr(text.find("  object MainMenu")));
    EXPECT_EQ(copy->mnuExit->ShortCut(), scCtrl | VK_F4);
    copy->Free();
}

TEST_F(MenuFixture, KeyboardShortcutsClickTheirItems) {
    form->Show();
    Pump();
    Post(WM_KEYDOWN, VK_F9);
    Post(WM_SYSKEYDOWN, VK_F10);  // F10 comes as a system key
    Pump();
    {
        CtrlHeld ctrl;
        Post(WM_KEYDOWN, 'T');
        Post(WM_KEYDOWN, VK_F4);
        Pump();
    }
    Post(WM_KEYDOWN, 'T');  // without Ctrl: no shortcut
    Pump();
    EXPECT_EQ(form->clicks, (std::vector<std::string>{"mnuStart", "mnuAll", "mnuSettings", "mnuExit"}));
}

TEST_F(MenuFixture, AutoCheckTogglesBeforeOnClick) {
    SendMessageA(form->Handle(), WM_COMMAND, form->mnuExplorer->Command(), 0);
    SendMessageA(form->Handle(), WM_COMMAND, form->mnuExplorer->Command(), 0);
    EXPECT_EQ(form->clicks, (std::vector<std::string>{"mnuExplorer", "mnuExplorer+"}));
    EXPECT_TRUE(NativeItem(form->mnuExplorer->Parent()->Handle(), form->mnuExplorer->Command()).fState & MFS_CHECKED);
    // A disabled item does not click, from the menu or from its shortcut.
    form->mnuStart->SetEnabled(false);
    EXPECT_TRUE(NativeItem(FileMenu(), form->mnuStart->Command()).fState & MFS_GRAYED);
    form->mnuStart->Click();
    EXPECT_FALSE(form->MainMenu->IsShortCut(VK_F9));
    EXPECT_EQ(form->clicks.size(), 2u);
}

TEST_F(MenuFixture, HiddenItemsLeaveTheNativeMenuAndKeepTheirPlace) {
    const HMENU fileMenu = FileMenu();
    const UINT start = form->mnuStart->Command(), all = form->mnuAll->Command();
    const UINT line = Item("N1")->Command(), exit = form->mnuExit->Command();
    form->mnuAll->SetVisible(false);
    EXPECT_EQ(NativeCommands(fileMenu), (std::vector<UINT>{start, line, exit}));
    EXPECT_FALSE(form->MainMenu->IsShortCut(VK_F10));  // a hidden item's shortcut is not taken
    Item("mnuOptions")->SetVisible(false);              // nor one in a hidden sub-menu
    EXPECT_FALSE(form->MainMenu->IsShortCut(scCtrl | 'T'));
    EXPECT_EQ(GetMenuItemCount(form->MainMenu->MenuHandle()), 1);
    form->mnuAll->SetVisible(true);
    Item("mnuOptions")->SetVisible(true);
    EXPECT_EQ(NativeCommands(fileMenu), (std::vector<UINT>{start, all, line, exit}));
    EXPECT_EQ(FileMenu(), fileMenu);  // the handle outlives the changes
    EXPECT_TRUE(form->clicks.empty());
}

TEST_F(MenuFixture, DefaultAndRadioItemsAreExclusive) {
    form->mnuAll->SetDefault(true);
    EXPECT_FALSE(form->mnuStart->Default());
    EXPECT_TRUE(NativeItem(FileMenu(), form->mnuAll->Command()).fState & MFS_DEFAULT);
    EXPECT_FALSE(NativeItem(FileMenu(), form->mnuStart->Command()).fState & MFS_DEFAULT);
    for (TMenuItem* item : {form->mnuStart, form->mnuAll, form->mnuExit}) item->SetRadioItem(true);
    form->mnuStart->SetChecked(true);
    form->mnuExit->SetChecked(true);
    EXPECT_FALSE(form->mnuStart->Checked());
    EXPECT_TRUE(NativeItem(FileMenu(), form->mnuExit->Command()).fType & MFT_RADIOCHECK);
    form->mnuExit->SetGroupIndex(1);  // another group: both may be checked
    form->mnuStart->SetChecked(true);
    EXPECT_TRUE(form->mnuExit->Checked());
}

TEST_F(MenuFixture, OwnerDrawingReachesTheItemsHandlers) {
    std::vector<std::string> drawn;
    bool defaultDrawnBold = false;
    int measured = 0;
    for (TMenuItem* item : {form->mnuStart, form->mnuAll}) {
        item->OnDrawItem = [&](TObject* sender, TCanvas* canvas, TRect rect, bool selected) {
            auto* drawnItem = static_cast<TMenuItem*>(sender);
            drawn.push_back(drawnItem->Name() + (selected ? " selected" : "") + " " + std::to_string(rect.right));
            if (drawnItem->Default()) defaultDrawnBold = canvas->Font()->Style().Contains(fsBold);
        };
        item->OnMeasureItem = [&](TObject*, TCanvas*, int& width, int& height) {
            ++measured;
            width = 123;
            height = 17;
        };
    }
    EXPECT_TRUE(NativeItem(FileMenu(), form->mnuStart->Command()).fType & MFT_OWNERDRAW);
    EXPECT_FALSE(NativeItem(FileMenu(), form->mnuExit->Command()).fType & MFT_OWNERDRAW);

    MEASUREITEMSTRUCT measure{};
    measure.CtlType = ODT_MENU;
    measure.itemID = form->mnuAll->Command();
    EXPECT_TRUE(SendMessageA(form->Handle(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure)));
    EXPECT_EQ(measured, 1);
    EXPECT_EQ(measure.itemWidth, 123u);
    EXPECT_EQ(measure.itemHeight, 17u);

    HDC dc = GetDC(form->Handle());
    DRAWITEMSTRUCT draw{};
    draw.CtlType = ODT_MENU;
    draw.hDC = dc;
    draw.rcItem = RECT{0, 0, 150, 20};
    for (TMenuItem* item : {form->mnuStart, form->mnuAll}) {
        draw.itemID = item->Command();
        draw.itemState = item == form->mnuAll ? ODS_SELECTED : 0;
        SendMessageA(form->Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
    }
    // Items without a handler of their own are drawn by the toolkit, without failing.
    form->MainMenu->SetOwnerDraw(true);
    draw.itemID = form->mnuExit->Command();
    EXPECT_TRUE(SendMessageA(form->Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw)));
    ReleaseDC(form->Handle(), dc);
    EXPECT_EQ(drawn, (std::vector<std::string>{"mnuStart 150", "mnuAll selected 150"}));
    EXPECT_TRUE(defaultDrawnBold);
    EXPECT_TRUE(NativeItem(FileMenu(), form->mnuExit->Command()).fType & MFT_OWNERDRAW);
}

TEST_F(MenuFixture, ImagesMakeDropDownItemsOwnerDrawn) {
    auto* images = new TImageList(form);
    images->SetSize(24, 24);
    TBitmap strip;
    strip.SetSize(24, 24);
    images->Add(strip);
    form->MainMenu->SetImages(images);
    form->mnuAll->SetImageIndex(0);
    Item("mnuFile")->SetImageIndex(0);
    EXPECT_TRUE(NativeItem(FileMenu(), form->mnuAll->Command()).fType & MFT_OWNERDRAW);
    EXPECT_FALSE(NativeItem(FileMenu(), form->mnuStart->Command()).fType & MFT_OWNERDRAW);  // no image
    EXPECT_FALSE(NativeItem(form->MainMenu->MenuHandle(), Item("mnuFile")->Command()).fType & MFT_OWNERDRAW);
    MEASUREITEMSTRUCT measure{};
    measure.CtlType = ODT_MENU;
    measure.itemID = form->mnuAll->Command();
    SendMessageA(form->Handle(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
    EXPECT_GE(measure.itemHeight, 24u);  // room for the image
    images->Free();  // the menu forgets the list and draws natively again
    EXPECT_EQ(form->MainMenu->Images(), nullptr);
    EXPECT_FALSE(NativeItem(FileMenu(), form->mnuAll->Command()).fType & MFT_OWNERDRAW);
}

TEST_F(MenuFixture, FreedItemsLeaveTheMenu) {
    Item("N1")->Free();
    form->mnuAll->Free();
    form->mnuAll = nullptr;
    EXPECT_EQ(NativeCommands(FileMenu()), (std::vector<UINT>{form->mnuStart->Command(), form->mnuExit->Command()}));
    TMenuItem* options = Item("mnuOptions");
    options->Free();  // with its sub-items
    form->mnuExplorer = form->mnuSettings = nullptr;
    EXPECT_EQ(form->FindComponent("mnuSettings"), nullptr);
    EXPECT_EQ(GetMenuItemCount(form->MainMenu->MenuHandle()), 1);
    EXPECT_THROW(form->mnuStart->Add(form->mnuStart->Parent()), EInvalidOperation);
    // Moving an item to the end of its own menu.
    TMenuItem* fileMenu = form->mnuStart->Parent();
    fileMenu->Insert(fileMenu->Count(), form->mnuStart);
    EXPECT_EQ(fileMenu->IndexOf(form->mnuStart), 1);
    EXPECT_EQ(NativeCommands(FileMenu()), (std::vector<UINT>{form->mnuExit->Command(), form->mnuStart->Command()}));
}

TEST(PopupMenu, PopupClicksTheChosenItemAndDrawsOwnerDrawnItems) {
    auto* popup = new TPopupMenu(nullptr);
    std::vector<std::string> events;
    for (const char* caption : {"First", "Second"}) {
        auto* item = new TMenuItem(popup);
        item->SetCaption(caption);
        item->OnClick = [&events, caption](TObject*) { events.push_back(std::string("click ") + caption); };
        popup->Items()->Add(item);
    }
    popup->Items()->Items(1)->OnDrawItem = [&events](TObject*, TCanvas*, TRect, bool) {
        if (events.empty() || events.back() != "draw") events.push_back("draw");
    };
    popup->OnPopup = [&events](TObject*) {
        events.push_back("popup");
        // The menu's own loop reads these keys: down to the second item, then choose it.
        for (WPARAM key : {VK_DOWN, VK_DOWN, VK_RETURN}) PostThreadMessageA(GetCurrentThreadId(), WM_KEYDOWN, key, 0);
        // Should the keys go astray, the menu closes instead of waiting for a user.
        SetTimer(nullptr, 0, 5000, [](HWND, UINT, UINT_PTR timer, DWORD) {
            KillTimer(nullptr, timer);
            EndMenu();
        });
    };
    popup->Popup(200, 200);
    EXPECT_EQ(events, (std::vector<std::string>{"popup", "draw", "click Second"}));
    popup->Free();
}
