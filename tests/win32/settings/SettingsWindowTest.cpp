// The settings window: how it opens and closes, the hint time it sets, and the status bar
// that a new hint choice clears.
#include "tests/win32/DesignedSize.h"
#include "tests/win32/ProgramFixture.h"

namespace {

using SettingsWindow = ProgramTest;

// Types `text` into the focused spin box over whatever it held, one key at a time.
void TypeIntoSpin(const std::string& text) {
    TSpinEdit& spin = *FrmSettings->spnHideHint;
    spin.SetFocus();
    SendMessageA(spin.Handle(), EM_SETSEL, 0, -1);
    SendMessageA(spin.Handle(), WM_CHAR, VK_BACK, 0);
    for (char c : text) SendMessageA(spin.Handle(), WM_CHAR, static_cast<WPARAM>(c), 0);
}

void Click(TWinControl& control) { SendMessageA(control.Handle(), BM_CLICK, 0, 0); }

TEST_F(SettingsWindow, OpensHiddenAndShowsWithOkFocusedAsDefault) {
    StartAndShow();
    TFrmSettings& form = *FrmSettings;
    EXPECT_FALSE(form.Visible());
    MainForm->mnuSettingsClick(nullptr);
    Application->ProcessMessages();
    ASSERT_TRUE(form.Visible());
    EXPECT_EQ(GetFocus(), form.btnOk->Handle());
    const LONG_PTR exStyle = GetWindowLongPtrA(form.Handle(), GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(form.Handle(), nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 245);
    RECT client;
    GetClientRect(form.Handle(), &client);
    EXPECT_EQ(client.right, pelmar::testing::DesignedWidth(form, 524));
    EXPECT_EQ(client.bottom, pelmar::testing::DesignedHeight(form, 335));
    // Only the close box: no minimise or maximise.
    EXPECT_FALSE(GetWindowLongPtrA(form.Handle(), GWL_STYLE) & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
}

TEST_F(SettingsWindow, EnterPressesOkWhichAppliesAndHides) {
    StartAndShow();
    MainForm->mnuSettingsClick(nullptr);
    Application->ProcessMessages();
    TypeIntoSpin("6000");
    Application->SetHintHidePause(1);  // only OK can bring the typed value back now
    FrmSettings->btnOk->SetFocus();
    PostMessageA(FrmSettings->btnOk->Handle(), WM_KEYDOWN, VK_RETURN, 0);
    Application->ProcessMessages();
    EXPECT_FALSE(FrmSettings->Visible());
    EXPECT_EQ(Application->HintHidePause(), 6000);
    EXPECT_FALSE(Application->Terminated());
}

TEST_F(SettingsWindow, CloseBoxOnlyHides) {
    StartAndShow();
    MainForm->mnuSettingsClick(nullptr);
    Application->ProcessMessages();
    SendMessageA(FrmSettings->Handle(), WM_CLOSE, 0, 0);
    Application->ProcessMessages();
    ASSERT_NE(FrmSettings, nullptr);
    EXPECT_FALSE(FrmSettings->Visible());
    EXPECT_TRUE(MainForm->Visible());
    EXPECT_FALSE(Application->Terminated());
    // It opens again with what it held.
    MainForm->mnuSettingsClick(nullptr);
    Application->ProcessMessages();
    EXPECT_TRUE(FrmSettings->Visible());
}

TEST_F(SettingsWindow, HintTimeFollowsTheSpinBoxAsTyped) {
    StartAndShow();
    MainForm->mnuSettingsClick(nullptr);
    Application->ProcessMessages();
    TSpinEdit& spin = *FrmSettings->spnHideHint;

    TypeIntoSpin("1000");
    EXPECT_EQ(Application->HintHidePause(), 1000);

    // Taken as typed; leaving the box pulls it up to the minimum.
    TypeIntoSpin("100");
    EXPECT_EQ(Application->HintHidePause(), 100);
    FrmSettings->btnApply->SetFocus();
    Application->ProcessMessages();
    EXPECT_EQ(spin.Text(), "800");
    EXPECT_EQ(Application->HintHidePause(), 800);

    TypeIntoSpin("");
    EXPECT_EQ(Application->HintHidePause(), 800);

    TypeIntoSpin("25000");
    Click(*FrmSettings->btnApply);
    Application->ProcessMessages();
    EXPECT_EQ(spin.Text(), "20000");
    EXPECT_EQ(Application->HintHidePause(), 20000);
}

TEST_F(SettingsWindow, ChoosingAHintModeClearsTheStatusBar) {
    StartAndShow();
    MainForm->mnuSettingsClick(nullptr);
    Application->ProcessMessages();
    TFrmSettings& form = *FrmSettings;
    TStatusBar& bar = *MainForm->StatBar;
    for (TRadioButton* radio : {form.radHintsStatBar, form.radHintsOff, form.radHintsTooltips}) {
        bar.SetSimpleText("left over");
        Click(*radio);
        Application->ProcessMessages();
        EXPECT_TRUE(radio->Checked()) << radio->Name();
        EXPECT_EQ(bar.SimpleText(), "") << radio->Name();
    }
    bar.SetSimpleText("left over");
    form.GroupHelp->OnClick(form.GroupHelp);
    EXPECT_EQ(bar.SimpleText(), "");
}

TEST_F(SettingsWindow, HintModesDecideToolTipsAndStatusLine) {
    StartAndShow();
    TFrmSettings& form = *FrmSettings;
    TStatusBar& bar = *MainForm->StatBar;

    Click(*form.radHintsStatBar);
    Application->SetHint("Folder list");
    EXPECT_TRUE(Application->ShowHint());
    EXPECT_EQ(bar.SimpleText(), "Folder list");

    // Back to tool-tips only: the line goes at once and no hint writes a new one.
    Click(*form.radHintsTooltips);
    EXPECT_EQ(bar.SimpleText(), "");
    Application->SetHint("File list");
    EXPECT_EQ(bar.SimpleText(), "");
    EXPECT_TRUE(Application->ShowHint());

    Click(*form.radHintsOff);
    bar.SetSimpleText("kept");
    Application->SetHint("Path");
    EXPECT_FALSE(Application->ShowHint());
    EXPECT_EQ(bar.SimpleText(), "kept");

    // None selected behaves as tool-tips only.
    form.radHintsOff->SetChecked(false);
    Application->SetHint("Drive");
    EXPECT_TRUE(Application->ShowHint());
    EXPECT_EQ(bar.SimpleText(), "kept");
}

}  // namespace
