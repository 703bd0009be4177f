// An MDI frame's client as the frame skinner keeps it: scroll bars, the children's coming and
// going, their menus, and everything given back when the frame is unskinned.
#include "FrameFixture.h"
#include "skin/engine/WinSkinMenu.h"

using namespace frametest;

namespace {

LRESULT CALLBACK ChildProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefMDIChildProcA(window, msg, wParam, lParam);
}

// An MDI client inside the form, with its scroll bars on, made before the form is skinned.
HWND AddClient(HWND frame) {
    CLIENTCREATESTRUCT create{};
    create.idFirstChild = 1000;
    return CreateWindowExA(0, "MDIClient", nullptr, WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL, 0, 0, 200, 120,
                           frame, nullptr, GetModuleHandleA(nullptr), &create);
}

HWND AddChild(HWND client) {
    static const ATOM registered = [] {
        WNDCLASSA c{};
        c.lpfnWndProc = ChildProc;
        c.hInstance = GetModuleHandleA(nullptr);
        c.lpszClassName = "PelmarTestMDIChild";
        return RegisterClassA(&c);
    }();
    EXPECT_NE(registered, 0);
    MDICREATESTRUCTA create{};
    create.szClass = "PelmarTestMDIChild";
    create.szTitle = "Child";
    create.hOwner = GetModuleHandleA(nullptr);
    create.x = create.y = 0;
    create.cx = 120;
    create.cy = 80;
    create.style = WS_OVERLAPPEDWINDOW;
    return reinterpret_cast<HWND>(SendMessageA(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)));
}

bool HasScrollBars(HWND window) {
    SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
    return (GetWindowLongA(window, GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL)) != 0;
}

}  // namespace

TEST(MDIFrame, TheClientFollowsItsChildrenAndIsGivenBack) {
    SkinnedForm f;
    f.SetSkinned(false);
    const HWND client = AddClient(f.Handle());
    ASSERT_NE(client, nullptr);
    const LONG_PTR ownProcedure = GetWindowLongPtrA(client, GWLP_WNDPROC);
    f.Skin().SetMenuUpdate(true);
    f.SetSkinned(true);
    ASSERT_NE(f.Skinner(), nullptr);
    EXPECT_NE(GetWindowLongPtrA(client, GWLP_WNDPROC), ownProcedure);

    const HWND child = AddChild(client);
    ASSERT_NE(child, nullptr);
    Pump();
    EXPECT_FALSE(f.Skin().MenuUpdate()) << "a child's menus are merged by the client, not updated by the skin";
    const TWinSkinForm* childSkinner = SkinManager()->FindFormSkinner(child);
    ASSERT_NE(childSkinner, nullptr);
    EXPECT_TRUE(childSkinner->IsMDIChild());

    SkinManager()->SetMDIChildMaximized(true);
    SendMessageA(client, WM_MDICASCADE, 0, 0);
    EXPECT_FALSE(SkinManager()->MDIChildMaximized());

    // A child's menu replaces the frame's: the painted bar takes it, the native bar stays off.
    HMENU menu = CreateMenu();
    AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(CreatePopupMenu()), "&Window");
    SendMessageA(client, WM_MDISETMENU, reinterpret_cast<WPARAM>(menu), 0);
    Pump();
    EXPECT_EQ(GetMenu(f.Handle()), nullptr);
    ASSERT_NE(f.Skinner()->MenuBar(), nullptr);
    ASSERT_EQ(f.Skinner()->MenuBar()->Items().size(), 1u);
    EXPECT_EQ(f.Skinner()->MenuBar()->Items()[0]->Caption, L"&Window");

    SendMessageA(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(child), 0);
    Pump();
    EXPECT_TRUE(f.Skin().MenuUpdate());

    f.SetSkinned(false);
    EXPECT_EQ(GetWindowLongPtrA(client, GWLP_WNDPROC), ownProcedure);
    EXPECT_EQ(GetMenu(f.Handle()), menu);
}

TEST(MDIFrame, TheClientsScrollBarsShowOnlyWhenTheSkinWantsThem) {
    for (const bool wanted : {false, true}) {
        SkinnedForm f;
        f.SetSkinned(false);
        const HWND client = AddClient(f.Handle());
        TSkinOptions options = f.Skin().Options();
        if (wanted) options.Include(xoMDIScrollbar);
        f.Skin().SetOptions(options);
        f.SetSkinned(true);
        // As the client does when a child lies beyond its edges.
        ShowScrollBar(client, SB_BOTH, TRUE);
        EXPECT_EQ(HasScrollBars(client), wanted);
    }
}
