// Tool bars: from a form file, by name, and what their windows show and tell.
#include <gtest/gtest.h>

#include "PropertyTable.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/Menus.h"

#include <commctrl.h>

namespace {

const char* const kForm = R"(object Probe: TForm
  object Icons: TImageList
    Width = 20
    Height = 18
  end
  object Bar: TToolBar
    Width = 300
    Flat = True
    ShowCaptions = True
    Images = Icons
    object Open: TToolButton
      Caption = 'Open'
      ImageIndex = 2
    end
    object Gap: TToolButton
      Width = 8
      Style = tbsSeparator
    end
    object Left: TToolButton
      Caption = 'Left'
      Style = tbsCheck
      Grouped = True
      Down = True
    end
    object Right: TToolButton
      Caption = 'Right'
      Style = tbsCheck
      Grouped = True
    end
    object Recent: TToolButton
      Caption = 'Recent'
      Style = tbsDropDown
      DropdownMenu = RecentMenu
    end
  end
  object RecentMenu: TPopupMenu
    object RecentFirst: TMenuItem
      Caption = 'index.html'
    end
  end
end
)";

TBBUTTON WindowButton(HWND bar, int index) {
    TBBUTTON button{};
    SendMessageA(bar, TB_GETBUTTON, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&button));
    return button;
}

// Presses and releases the mouse over the button's middle, as the user clicks it.
void ClickOn(TToolButton& button, HWND bar) {
    const LPARAM middle = MAKELPARAM(button.Left() + button.Width() / 2, button.Top() + button.Height() / 2);
    SendMessageA(bar, WM_LBUTTONDOWN, MK_LBUTTON, middle);
    SendMessageA(bar, WM_LBUTTONUP, 0, middle);
}

}  // namespace

TEST(ToolBar, PropertiesComeFromTheFormFileAndGoByName) {
    FormFileScene s(kForm);
    CheckPropsByName(s, {
                            {"Bar", "Flat", "True", "False"},
                            {"Bar", "ShowCaptions", "True", "False"},
                            {"Bar", "Images", "Icons", ""},
                            {"Bar", "ButtonWidth", "23", "40"},
                            {"Open", "Caption", "Open", "Save"},
                            {"Open", "ImageIndex", "2", "0"},
                            {"Gap", "Style", "tbsSeparator", "tbsDivider"},
                            {"Left", "Down", "True", "False"},
                            {"Left", "Grouped", "True", "False"},
                            {"Right", "Style", "tbsCheck", "tbsButton"},
                            {"Recent", "DropdownMenu", "RecentMenu", ""},
                        });
}

TEST(ToolBar, TheWindowShowsTheButtonsWhereTheyStand) {
    FormFileScene s(kForm);
    auto* bar = s.Get<TToolBar>("Bar");
    HWND h = bar->Handle();
    EXPECT_TRUE(GetWindowLongA(h, GWL_STYLE) & TBSTYLE_FLAT);
    EXPECT_EQ(SendMessageA(h, TB_GETIMAGELIST, 0, 0), reinterpret_cast<LRESULT>(s.Get<TImageList>("Icons")->Handle()));
    struct Case {
        const char* name;
        BYTE style;
        bool checked;
        int image;
    } const cases[] = {{"Open", BTNS_BUTTON, false, 2},
                       {"Gap", BTNS_SEP, false, 8},  // a separator's image is its width
                       {"Left", BTNS_CHECKGROUP, true, I_IMAGENONE},
                       {"Right", BTNS_CHECKGROUP, false, I_IMAGENONE}};
    ASSERT_EQ(SendMessageA(h, TB_BUTTONCOUNT, 0, 0), 5);
    int right = 0;
    for (const Case& c : cases) {
        auto* button = s.Get<TToolButton>(c.name);
        const TBBUTTON shown = WindowButton(h, button->Index());
        EXPECT_EQ(shown.fsStyle & (BTNS_SEP | BTNS_CHECKGROUP), c.style) << c.name;
        EXPECT_EQ((shown.fsState & TBSTATE_CHECKED) != 0, c.checked) << c.name;
        EXPECT_EQ(shown.iBitmap, c.image) << c.name;
        RECT r{};
        SendMessageA(h, TB_GETITEMRECT, static_cast<WPARAM>(button->Index()), reinterpret_cast<LPARAM>(&r));
        EXPECT_EQ(button->Left(), r.left) << c.name;
        EXPECT_EQ(button->Width(), r.right - r.left) << c.name;
        EXPECT_GE(r.left, right) << c.name << " stands after the one before it";
        right = r.right;
    }
    s.Get<TToolButton>("Open")->SetEnabled(false);
    EXPECT_FALSE(WindowButton(h, 0).fsState & TBSTATE_ENABLED);
    s.Get<TImageList>("Icons")->Free();
    EXPECT_EQ(bar->Images(), nullptr);
    EXPECT_EQ(SendMessageA(h, TB_GETIMAGELIST, 0, 0), 0);
}

TEST(ToolBar, ClicksReachTheButtonsAndMoveTheGroupsCheckMark) {
    FormFileScene s(kForm);
    HWND h = s.Get<TToolBar>("Bar")->Handle();
    std::string clicked;
    for (const char* name : {"Open", "Left", "Right"})
        s.Get<TToolButton>(name)->OnClick = [&clicked, name](TObject*) { clicked += name; };
    struct Case {
        const char* click;
        bool leftDown, rightDown;
    } const cases[] = {{"Right", false, true}, {"Open", false, true}, {"Left", true, false}};
    for (const Case& c : cases) {
        clicked.clear();
        ClickOn(*s.Get<TToolButton>(c.click), h);
        EXPECT_EQ(clicked, c.click);
        EXPECT_EQ(s.Get<TToolButton>("Left")->Down(), c.leftDown) << c.click;
        EXPECT_EQ(s.Get<TToolButton>("Right")->Down(), c.rightDown) << c.click;
    }
}

TEST(ToolBar, ADropDownButtonOpensItsMenuAndForgetsItWhenFreed) {
    FormFileScene s(kForm);
    auto& recent = *s.Get<TToolButton>("Recent");
    auto& menu = *s.Get<TPopupMenu>("RecentMenu");
    std::string chosen;
    s.Get<TMenuItem>("RecentFirst")->OnClick = [&chosen](TObject*) { chosen = "index.html"; };
    menu.OnPopup = [&](TObject*) {
        for (WPARAM key : {VK_DOWN, VK_RETURN}) PostThreadMessageA(GetCurrentThreadId(), WM_KEYDOWN, key, 0);
        SetTimer(nullptr, 0, 5000, [](HWND, UINT, UINT_PTR timer, DWORD) {
            KillTimer(nullptr, timer);
            EndMenu();
        });
    };
    ClickOn(recent, s.Get<TToolBar>("Bar")->Handle());
    EXPECT_EQ(chosen, "index.html");
    EXPECT_EQ(menu.PopupComponent(), &recent);
    menu.Free();
    EXPECT_EQ(recent.DropdownMenu(), nullptr);
}
