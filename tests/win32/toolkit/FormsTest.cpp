// Forms from form files, the application's loop, modal forms, keys, menus and hints.
#include <gtest/gtest.h>

#include "ToolkitTestControls.h"
#include "toolkit/Forms.h"
// After <windows.h>, which the toolkit's headers bring.
#include <commctrl.h>

namespace {

// The form described by FileTestForm.dfm, compiled in as resource TFILETESTFORM.
class TFileTestForm : public TForm {
    TOOLKIT_CLASS(TFileTestForm, TForm)

public:
    using TForm::TForm;
    TProbePanel* pnlMain = nullptr;
    TProbeButton* btnOk = nullptr;
    std::string captionAtCreate;
    int okClicks = 0;
    bool endSession = false;

    void FormCreate(TObject*) { captionAtCreate = btnOk ? btnOk->Caption() : "no field"; }
    void btnOkClick(TObject*) { ++okClicks; }

protected:
    // Any window message can be handled by the form itself.
    void WndProc(TMessage& m) override {
        if (m.Msg == WM_ENDSESSION) {
            endSession = m.WParam != 0;
            // Not passed on: Wine's default procedure ends the process after a session end
            // (as Windows may), which would end this test program too.
            return;
        }
        TForm::WndProc(m);
    }
};

// A main menu that records what reaches it.
class TProbeMenu : public TFormMenu {
    TOOLKIT_CLASS(TProbeMenu, TFormMenu)

public:
    explicit TProbeMenu(TComponent* owner) : TFormMenu(owner), menu_(CreateMenu()) {
        AppendMenuA(menu_, MF_STRING, 42, "&File");
    }
    ~TProbeMenu() override { DestroyMenu(menu_); }
    HMENU MenuHandle() override { return menu_; }
    bool IsShortCut(TShortCut s) override {
        if (s != VK_F9 && s != VK_F10 && s != (scCtrl | 'T')) return false;
        shortcuts.push_back(s);
        return true;
    }
    bool HandleMenuMessage(TMessage& m) override {
        if (m.Msg != WM_COMMAND) return false;
        commands.push_back(LOWORD(m.WParam));
        return true;
    }
    std::vector<TShortCut> shortcuts;
    std::vector<int> commands;

private:
    HMENU menu_;
};

}  // namespace

const TClassInfo& TFileTestForm::StaticClass() {
    using C = TFileTestForm;
    using P = TProps<C>;
    static const TClassInfo info("TFileTestForm", &TForm::StaticClass(), Creator<C>(), {},
                                 {P::Method("FormCreate", &C::FormCreate), P::Method("btnOkClick", &C::btnOkClick)},
                                 {P::Field("pnlMain", &C::pnlMain), P::Field("btnOk", &C::btnOk)});
    return info;
}

const TClassInfo& TProbeMenu::StaticClass() {
    static const TClassInfo info("TProbeMenu", &TFormMenu::StaticClass(), Creator<TProbeMenu>());
    return info;
}

TOOLKIT_REGISTER(TProbeMenu);

namespace {

struct FormFixture : ::testing::Test {
    TFileTestForm* form = TCustomForm::Create<TFileTestForm>(Application);
    ~FormFixture() override {
        if (form) form->Free();
        Pump(10);
    }
    TProbeButton* Inner() const { return dynamic_cast<TProbeButton*>(form->FindComponent("btnInner")); }
};

}  // namespace

TEST_F(FormFixture, IsReadFromItsResourceBeforeOnCreate) {
    EXPECT_EQ(form->Name(), "FileTestForm");
    EXPECT_EQ(form->Caption(), "Settings");
    ASSERT_NE(form->btnOk, nullptr);
    ASSERT_NE(form->pnlMain, nullptr);
    EXPECT_EQ(form->captionAtCreate, "OK");
    ASSERT_NE(Inner(), nullptr);
    EXPECT_EQ(Inner()->Parent(), form->pnlMain);
    EXPECT_EQ(form->ClientWidth(), 240);
    EXPECT_EQ(form->ClientHeight(), 120);
    EXPECT_EQ(form->pnlMain->Width(), 240);  // aligned to the top
    EXPECT_FALSE(form->Visible());
    SendMessageA(form->btnOk->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(form->okClicks, 1);
    // The client size survives the window's creation, menu bar and all.
    ASSERT_NE(form->Menu(), nullptr);
    EXPECT_EQ(form->Menu()->Name(), "mnuMain");
    form->HandleNeeded();
    EXPECT_EQ(GetMenu(form->Handle()), form->Menu()->MenuHandle());
    EXPECT_EQ(form->ClientWidth(), 240);
    EXPECT_EQ(form->ClientHeight(), 120);
}

TEST_F(FormFixture, BorderStyleIconsAndOpacityReachTheWindow) {
    HWND h = form->Handle();
    EXPECT_TRUE(GetWindowLongPtrA(h, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
    EXPECT_FALSE(GetWindowLongPtrA(h, GWL_STYLE) & WS_MAXIMIZEBOX);
    EXPECT_TRUE(GetWindowLongPtrA(h, GWL_STYLE) & WS_SYSMENU);
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(h, nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 245);
    EXPECT_TRUE(flags & LWA_ALPHA);

    HMENU menu = GetMenu(h);
    form->SetBorderStyle(bsToolWindow);  // re-creates the window
    h = form->Handle();
    EXPECT_TRUE(IsMenu(menu));  // the menu bar outlives the old window
    EXPECT_EQ(GetMenu(h), menu);
    EXPECT_TRUE(GetWindowLongPtrA(h, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(GetWindowLongPtrA(h, GWL_EXSTYLE) & WS_EX_LAYERED);
    form->SetBorderStyle(bsSizeable);
    form->SetBorderIcons({biSystemMenu});
    h = form->Handle();
    EXPECT_TRUE(GetWindowLongPtrA(h, GWL_STYLE) & WS_THICKFRAME);
    EXPECT_FALSE(GetWindowLongPtrA(h, GWL_STYLE) & (WS_MAXIMIZEBOX | WS_MINIMIZEBOX));
    form->SetAlphaBlend(false);
    EXPECT_FALSE(GetWindowLongPtrA(h, GWL_EXSTYLE) & WS_EX_LAYERED);
    EXPECT_EQ(GetParent(h), nullptr);
    EXPECT_EQ(GetWindow(h, GW_OWNER), Application->Handle());
}

TEST_F(FormFixture, AnchoredButtonFollowsTheFormsSize) {
    form->HandleNeeded();
    const int left = form->btnOk->Left();
    const int top = form->btnOk->Top();
    form->SetBounds(form->Left(), form->Top(), form->Width() + 100, form->Height() + 40);
    EXPECT_EQ(form->btnOk->Left(), left + 100);
    EXPECT_EQ(form->btnOk->Top(), top + 40);
    EXPECT_EQ(form->pnlMain->Width(), form->ClientWidth());
}

TEST_F(FormFixture, ScreenListsFormsInCreationOrder) {
    TForm* second = TCustomForm::Create<TForm>(Application);
    const int n = Screen->FormCount();
    ASSERT_GE(n, 2);
    EXPECT_EQ(Screen->Forms(n - 2), form);
    EXPECT_EQ(Screen->Forms(n - 1), second);
    second->Release();
    form->Release();
    EXPECT_EQ(Screen->FormCount(), n);  // not yet: the messages now queued come first
    Pump();
    EXPECT_EQ(Screen->FormCount(), n - 2);
    form = nullptr;
}

TEST_F(FormFixture, WindowStateKeepsTheRestoreBounds) {
    form->SetBorderStyle(bsSizeable);
    form->SetBounds(50, 60, 300, 200);
    form->Show();
    Pump();
    form->SetWindowState(wsMaximized);
    Pump();
    EXPECT_EQ(form->WindowState(), wsMaximized);
    const RECT restore = form->RestoredBounds();
    EXPECT_EQ(restore.right - restore.left, 300);
    EXPECT_EQ(restore.bottom - restore.top, 200);
    form->SetWindowState(wsNormal);
    Pump();
    EXPECT_EQ(form->WindowState(), wsNormal);
    EXPECT_EQ(form->Width(), 300);
}

TEST_F(FormFixture, HandlesArbitraryMessagesSuchAsEndSession) {
    SendMessageA(form->Handle(), WM_ENDSESSION, TRUE, 0);
    EXPECT_TRUE(form->endSession);
}

TEST_F(FormFixture, TabMovesTheFocusAndEnterPressesTheDefaultButton) {
    form->btnOk->Default = true;
    form->Show();
    Pump();
    TProbeButton* inner = Inner();
    inner->SetFocus();
    Pump();
    ASSERT_EQ(GetFocus(), inner->Handle());
    PostMessageA(inner->Handle(), WM_KEYDOWN, VK_TAB, 0);
    Pump();
    EXPECT_EQ(GetFocus(), form->btnOk->Handle());
    EXPECT_EQ(form->ActiveControl(), form->btnOk);
    PostMessageA(form->btnOk->Handle(), WM_KEYDOWN, VK_TAB, 0);
    Pump();
    EXPECT_EQ(GetFocus(), inner->Handle());  // around again
    PostMessageA(inner->Handle(), WM_KEYDOWN, VK_RETURN, 0);
    Pump();
    EXPECT_EQ(form->okClicks, 1);
}

TEST_F(FormFixture, KeyPreviewLetsTheFormSeeKeysFirstAndSwallowThem) {
    std::vector<std::string> seen;
    auto record = [&seen](const std::string& who) {
        return [&seen, who](TObject*, WORD& key, TShiftState) {
            seen.push_back(who + " " + static_cast<char>(key));
            if (who == "form" && key == 'Z') key = 0;  // the form takes Z for itself
        };
    };
    form->OnKeyDown = record("form");
    form->OnKeyUp = record("form up");
    Inner()->OnKeyDown = record("button");
    Inner()->OnKeyUp = record("button up");
    form->OnKeyPress = [&seen](TObject*, char& c) {
        seen.push_back(std::string("form char ") + c);
        c = static_cast<char>(c == 'a' ? 'b' : c);  // a handler may change the key it passes on
    };
    Inner()->OnKeyPress = [&seen](TObject*, char& c) { seen.push_back(std::string("button char ") + c); };
    HWND button = Inner()->Handle();

    SendMessageA(button, WM_KEYDOWN, 'A', 0);  // no preview: only the control
    EXPECT_EQ(seen, (std::vector<std::string>{"button A"}));

    seen.clear();
    ASSERT_TRUE(SetPropText(*form, "keypreview", "True"));
    EXPECT_TRUE(form->KeyPreview());
    SendMessageA(button, WM_KEYDOWN, 'A', 0);
    SendMessageA(button, WM_KEYUP, 'A', 0);
    SendMessageA(button, WM_CHAR, 'a', 0);
    SendMessageA(button, WM_KEYDOWN, 'Z', 0);
    EXPECT_EQ(seen, (std::vector<std::string>{"form A", "button A", "form up A", "button up A", "form char a",
                                              "button char b", "form Z"}));

    seen.clear();
    SendMessageA(form->Handle(), WM_KEYDOWN, 'Q', 0);  // the form's own keys are seen once
    EXPECT_EQ(seen, (std::vector<std::string>{"form Q"}));
}

TEST_F(FormFixture, MenuShortcutsAndCommandsGoToTheMainMenu) {
    auto* menu = new TProbeMenu(form);
    form->SetMenu(menu);
    form->Show();
    Pump();
    EXPECT_EQ(GetMenu(form->Handle()), menu->MenuHandle());
    PostMessageA(Inner()->Handle(), WM_KEYDOWN, VK_F9, 0);
    PostMessageA(Inner()->Handle(), WM_SYSKEYDOWN, VK_F10, 0);  // F10 comes as a system key
    PostMessageA(Inner()->Handle(), WM_KEYDOWN, 'X', 0);
    Pump();
    EXPECT_EQ(menu->shortcuts, (std::vector<TShortCut>{VK_F9, VK_F10}));
    SendMessageA(form->Handle(), WM_COMMAND, 42, 0);
    EXPECT_EQ(menu->commands, (std::vector<int>{42}));
    menu->Free();  // the form forgets a menu that goes away
    EXPECT_EQ(form->Menu(), nullptr);
    EXPECT_EQ(ShortCut('T', {ssCtrl}), scCtrl | 'T');
}

TEST_F(FormFixture, ShowModalDisablesTheOthersUntilAResultIsSet) {
    form->Show();
    Pump();
    TForm* dialog = TCustomForm::Create<TForm>(Application);
    auto* ok = new TProbeButton(dialog);
    ok->SetParent(dialog);
    bool ownerDisabled = false;
    ok->OnClick = [&](TObject*) {
        ownerDisabled = !IsWindowEnabled(form->Handle());
        dialog->SetModalResult(mrOk);
    };
    PostMessageA(ok->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    EXPECT_TRUE(ownerDisabled);
    EXPECT_TRUE(IsWindowEnabled(form->Handle()));
    EXPECT_FALSE(dialog->Visible());
    EXPECT_THROW({ dialog->Show(); dialog->ShowModal(); }, EInvalidOperation);
    // Closing a modal form gives mrCancel; a close query can refuse.
    dialog->Hide();
    int queries = 0;
    dialog->OnCloseQuery = [&](TObject*, bool& canClose) { canClose = ++queries > 1; };
    PostMessageA(dialog->Handle(), WM_CLOSE, 0, 0);
    PostMessageA(dialog->Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(dialog->ShowModal(), mrCancel);
    EXPECT_EQ(queries, 2);
    dialog->Free();
}

TEST(Application, ClosingTheMainFormEndsRun) {
    ASSERT_EQ(Application->MainForm(), nullptr);
    TFileTestForm* main = nullptr;
    Application->CreateForm(main);
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(Application->MainForm(), main);
    TFileTestForm* second = nullptr;
    Application->CreateForm(second);
    EXPECT_EQ(Application->MainForm(), main);  // the first one stays the main form
    std::vector<std::string> events;
    int queries = 0;
    main->OnCloseQuery = [&](TObject*, bool& canClose) {
        events.push_back("query");
        canClose = ++queries > 1;  // the first close is refused
    };
    main->OnClose = [&](TObject*, TCloseAction&) { events.push_back("close"); };
    main->OnShow = [&](TObject*) {
        events.push_back("show");
        PostMessageA(main->Handle(), WM_CLOSE, 0, 0);
        PostMessageA(main->Handle(), WM_CLOSE, 0, 0);
    };
    Application->Run();
    EXPECT_EQ(events, (std::vector<std::string>{"show", "query", "query", "close"}));
    second->Free();
    main->OnDestroy = [&](TObject*) { events.push_back("destroy"); };
    main->Free();
    EXPECT_EQ(events.back(), "destroy");
    EXPECT_EQ(Application->MainForm(), nullptr);
}

TEST(Application, TitleNamesTheApplicationWindow) {
    Application->SetTitle("Pelmar - Test");
    char text[64] = {};
    GetWindowTextA(Application->Handle(), text, sizeof text);
    EXPECT_STREQ(text, "Pelmar - Test");
}

TEST(Hints, ShortAndLongForms) {
    EXPECT_EQ(GetShortHint("Tip|Status line"), "Tip");
    EXPECT_EQ(GetLongHint("Tip|Status line"), "Status line");
    EXPECT_EQ(GetLongHint("FILE LIST\r\nPress F9"), "FILE LIST\r\nPress F9");
    EXPECT_EQ(GetShortHint("a|b|c"), "a");
    EXPECT_EQ(GetLongHint("a|b|c"), "b|c");
}

TEST(Hints, TimerFollowsPauseShortPauseAndHidePause) {
    THintTimer t;
    t.Pause = 400;
    t.ShortPause = 45;
    t.HidePause = 4000;
    int a = 0, b = 0;
    EXPECT_EQ(t.Track(&a, 1000), THintTimer::None);
    EXPECT_EQ(t.Tick(1399), THintTimer::None);
    EXPECT_EQ(t.NextDue(1399), 1);
    EXPECT_EQ(t.Tick(1400), THintTimer::ShowTip);
    EXPECT_TRUE(t.Showing());
    // Moving on while a tip is up: it goes, and the next comes after the short pause.
    EXPECT_EQ(t.Track(&b, 2000), THintTimer::HideTip);
    EXPECT_EQ(t.Tick(2044), THintTimer::None);
    EXPECT_EQ(t.Tick(2045), THintTimer::ShowTip);
    EXPECT_EQ(t.Tick(6044), THintTimer::None);
    EXPECT_EQ(t.Tick(6045), THintTimer::HideTip);
    // An expired tip does not come back while the pointer stays.
    EXPECT_EQ(t.Tick(20000), THintTimer::None);
    EXPECT_EQ(t.NextDue(20000), -1);
    // After the tip expired, the next control waits the full pause again.
    EXPECT_EQ(t.Track(&a, 21000), THintTimer::None);
    EXPECT_EQ(t.Tick(21045), THintTimer::None);
    EXPECT_EQ(t.Tick(21400), THintTimer::ShowTip);
    EXPECT_EQ(t.Track(nullptr, 21500), THintTimer::HideTip);
    EXPECT_FALSE(t.Showing());
}

TEST_F(FormFixture, IdleTrackingSetsHintRaisesOnHintAndShowsTips) {
    form->SetBounds(100, 100, form->Width(), form->Height());
    form->Show();
    Pump();
    std::vector<std::string> hints;
    Application->OnHint = [&](TObject*) { hints.push_back(Application->Hint()); };
    Application->SetHintPause(400);
    Application->SetHintHidePause(2500);
    MessageLog log;
    TWndMethod previous = form->btnOk->WindowProc;
    form->btnOk->WindowProc = [&](TMessage& m) {
        log.Add("ok", m.Msg);
        previous(m);
    };
    const POINT overInner = Inner()->ClientToScreen(POINT{5, 5});
    const POINT overOk = form->btnOk->ClientToScreen(POINT{5, 5});
    const POINT overForm = form->ClientToScreen(POINT{5, form->ClientHeight() - 3});
    Application->TrackPointer(overInner, 10000);  // no hint of its own: the panel's
    EXPECT_EQ(Application->Hint(), "Long text");
    Application->TrackPointer(overInner, 10399);
    EXPECT_EQ(Application->HintShowing(), "");
    Application->TrackPointer(overInner, 10400);
    EXPECT_EQ(Application->HintShowing(), "Short");
    ASSERT_NE(Application->HintWindow(), nullptr);
    Application->TrackPointer(overInner, 12900);
    EXPECT_EQ(Application->HintShowing(), "");  // its time is over
    Application->TrackPointer(overOk, 13000);
    EXPECT_EQ(Application->Hint(), "Confirm");
    EXPECT_EQ(Application->HintShowing(), "");  // btnOk's ShowHint is off
    Application->TrackPointer(overForm, 13100);
    EXPECT_EQ(Application->Hint(), "");
    Application->TrackPointer(overForm, 13200);  // no change: no event
    EXPECT_EQ(hints, (std::vector<std::string>{"Long text", "Confirm", ""}));
    EXPECT_EQ(log.entries, (std::vector<std::string>{"ok CM_MOUSEENTER", "ok CM_MOUSELEAVE"}));

    Application->SetShowHint(false);
    EXPECT_EQ(Application->HintWindow(), nullptr);
    Application->TrackPointer(overInner, 20000);
    Application->TrackPointer(overInner, 21000);
    EXPECT_EQ(Application->HintShowing(), "");
    Application->SetShowHint(true);
    EXPECT_NE(Application->HintWindow(), nullptr);
    // The hint colour reaches the tip window, and a new tip window takes it too.
    const auto tipColor = [] { return SendMessageA(Application->HintWindow(), TTM_GETTIPBKCOLOR, 0, 0); };
    EXPECT_EQ(tipColor(), static_cast<LRESULT>(GetSysColor(COLOR_INFOBK)));
    Application->SetHintColor(clYellow);
    EXPECT_EQ(tipColor(), static_cast<LRESULT>(RGB(255, 255, 0)));
    Application->SetShowHint(false);
    Application->SetShowHint(true);
    EXPECT_EQ(tipColor(), static_cast<LRESULT>(RGB(255, 255, 0)));
    Application->SetHintColor(clInfoBk);
    Application->OnHint = {};
    form->btnOk->WindowProc = previous;
}
