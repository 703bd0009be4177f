// Start-up in its order, the first run, and the settings file written once at exit.
#include "engine/KeywordList.h"
#include "tests/win32/ProgramFixture.h"

namespace {

using StartUp = ProgramTest;
using Shutdown = ProgramTest;

std::string CurrentFolder() {
    char buffer[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, buffer);
    return pelmar::WithPathDelimiter(buffer);
}

TEST_F(StartUp, FirstRunOpensAtDefaultsWithTheHintSettings) {
    SetCurrentDirectoryA("C:\\");
    StartProgram();
    EXPECT_TRUE(IsFirstRun);
    EXPECT_EQ(Application->Title(), "Pelmar - Tarvik 2006");
    EXPECT_EQ(Application->MainForm(), MainForm);
    EXPECT_FALSE(FrmSettings->Visible());
    EXPECT_EQ(CurrentFolder(), pelmar::GetAppDir());
    EXPECT_EQ(Application->HintColor(), 12632208);
    EXPECT_EQ(Application->HintPause(), 400);
    EXPECT_EQ(Application->HintShortPause(), 45);
    EXPECT_EQ(Application->HintHidePause(), 4000);
    const RECT bounds = MainForm->BoundsRect();
    EXPECT_EQ(bounds.left, 50);
    EXPECT_EQ(bounds.top, 50);
    EXPECT_EQ(bounds.right - bounds.left, 750);
    EXPECT_EQ(bounds.bottom - bounds.top, 550);
    EXPECT_EQ(FrmSettings->Left(), 350);
    EXPECT_EQ(FrmSettings->Top(), 150);
}

TEST_F(StartUp, StoredHintTimeIsAppliedAtStart) {
    WriteIni("[FormSettings]\r\nspnHideHint=6000\r\n");
    StartProgram();
    EXPECT_FALSE(IsFirstRun);
    EXPECT_EQ(Application->HintHidePause(), 6000);
}

TEST_F(StartUp, RestoredHintChoiceKeepsTheMissingKeywordMessage) {
    WriteIni("[FormSettings]\r\nradHintsTooltips=0\r\nradHintsStatBar=1\r\n");
    StartProgram();
    EXPECT_TRUE(FrmSettings->radHintsStatBar->Checked());
    EXPECT_EQ(MainForm->StatBar->SimpleText(), pelmar::kMissingKeywordFileMessage);
}

TEST_F(StartUp, OnlyTheStartWithoutASettingsFileIsAFirstRun) {
    StartAndShow();
    ASSERT_TRUE(IsFirstRun);
    MainForm->Close();  // without "I Agree"
    // Fixed at start: writing the file does not end this run's first run.
    EXPECT_TRUE(IsFirstRun);
    TakeDownProgram();

    StartProgram();
    EXPECT_FALSE(IsFirstRun);
    TakeDownProgram();

    RemoveFile(iniPath);
    StartProgram();
    EXPECT_TRUE(IsFirstRun);
}

TEST_F(Shutdown, CloseQueryWritesAndTheLaterEventsDoNotWriteAgain) {
    StartAndShow();
    EXPECT_TRUE(MainForm->CloseQuery());
    EXPECT_TRUE(SettingsSaved);
    EXPECT_FALSE(IniLines().empty());
    RemoveFile(iniPath);
    MainForm->Close();
    MainForm->Free();
    MainForm = nullptr;
    EXPECT_FALSE(pelmar::platform::FileExists(iniPath));
}

TEST_F(Shutdown, EachLaterEventWritesWhenTheCloseQueryWasNotRaised) {
    StartAndShow();
    TCloseAction action = caHide;
    MainForm->FormClose(MainForm, action);
    EXPECT_TRUE(pelmar::platform::FileExists(iniPath));
    EXPECT_EQ(action, caHide);
    TakeDownProgram();

    RemoveFile(iniPath);
    StartAndShow();
    MainForm->Free();  // the destroy event
    MainForm = nullptr;
    EXPECT_TRUE(pelmar::platform::FileExists(iniPath));
    TakeDownProgram();

    RemoveFile(iniPath);
    StartAndShow();
    SendMessageA(MainForm->Handle(), WM_ENDSESSION, TRUE, 0);
    // Still running: the message was not passed on to end the process.
    EXPECT_TRUE(IsWindow(MainForm->Handle()));
    EXPECT_TRUE(pelmar::platform::FileExists(iniPath));
}

TEST_F(Shutdown, LogOffWritesOnceWhenAskedAndACancelledOneWritesNoMore) {
    StartAndShow();
    EXPECT_EQ(SendMessageA(MainForm->Handle(), WM_QUERYENDSESSION, 0, 0), TRUE);
    EXPECT_TRUE(pelmar::platform::FileExists(iniPath));
    RemoveFile(iniPath);
    SendMessageA(MainForm->Handle(), WM_ENDSESSION, TRUE, 0);
    EXPECT_FALSE(pelmar::platform::FileExists(iniPath));
    // The log-off was cancelled: later changes stay unwritten at the real exit.
    FrmSettings->chkSkins->SetChecked(false);
    MainForm->Close();
    EXPECT_FALSE(pelmar::platform::FileExists(iniPath));
}

TEST_F(Shutdown, AFailedWriteKeepsTheWindowOpenAndTheSecondCloseWritesNothing) {
    StartAndShow();
    // A folder in the file's place: no write to it can succeed, whoever runs the test.
    ASSERT_TRUE(CreateDirectoryA(iniPath.c_str(), nullptr));
    SendMessageA(MainForm->Handle(), WM_CLOSE, 0, 0);
    Application->ProcessMessages();
    EXPECT_EQ(errors, std::vector<std::string>{"Unable to write to " + iniPath});
    EXPECT_TRUE(MainForm->Visible());
    EXPECT_FALSE(Application->Terminated());

    RemoveDirectoryA(iniPath.c_str());
    SendMessageA(MainForm->Handle(), WM_CLOSE, 0, 0);
    Application->ProcessMessages();
    EXPECT_TRUE(Application->Terminated());
    EXPECT_EQ(errors.size(), 1u);
    EXPECT_FALSE(pelmar::platform::FileExists(iniPath));
}

// True when `upper` lies above `lower` in the z-order of top-level windows.
bool IsAbove(HWND upper, HWND lower) {
    for (HWND w = GetWindow(upper, GW_HWNDNEXT); w; w = GetWindow(w, GW_HWNDNEXT))
        if (w == lower) return true;
    return false;
}

TEST_F(StartUp, SettingsCommandBringsAnOpenSettingsWindowBackToTheFront) {
    StartAndShow();
    MainForm->mnuSettingsClick(nullptr);
    Application->ProcessMessages();
    ASSERT_TRUE(FrmSettings->Visible());
    SetWindowPos(MainForm->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ASSERT_TRUE(IsAbove(MainForm->Handle(), FrmSettings->Handle()));

    MainForm->mnuSettingsClick(nullptr);  // already open: only raised
    Application->ProcessMessages();
    EXPECT_TRUE(FrmSettings->Visible());
    EXPECT_TRUE(IsAbove(FrmSettings->Handle(), MainForm->Handle()));
}

TEST_F(StartUp, BothWindowsCarryTheProgramsIcon) {
    StartAndShow();
    const HICON programIcon = LoadIconA(GetModuleHandleA(nullptr), "MAINICON");
    ASSERT_NE(programIcon, nullptr) << "the icon resource is missing from the program";
    for (TForm* form : {static_cast<TForm*>(MainForm), static_cast<TForm*>(FrmSettings)}) {
        const auto icon = SendMessageA(form->Handle(), WM_GETICON, ICON_BIG, 0);
        EXPECT_NE(icon, 0) << form->Name();
    }
}

}  // namespace
