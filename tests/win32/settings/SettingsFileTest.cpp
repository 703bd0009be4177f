// The settings file: what is read into the two windows, and what an exit writes back.
#include "tests/win32/ProgramFixture.h"

namespace {

using SettingsFile = ProgramTest;

const std::vector<std::string> kDefaultFile = {
    "[WindowState]", "Left=50",      "Top=50",         "Width=750",     "Height=550",
    "Maximized=0",   "FirstTime=0",  "[FormSettings]", "left=350",      "top=150",
    "spnHideHint=4000", "chkSkins=1", "chkSounds=1",   "radHintsOff=0", "radHintsTooltips=1",
    "radHintsStatBar=0"};

TEST_F(SettingsFile, FirstExitWithDefaultsWritesEveryKeyInOrder) {
    StartAndShow();
    ASSERT_TRUE(IsFirstRun);
    MainForm->Close();
    EXPECT_EQ(IniLines(), kDefaultFile);
    EXPECT_TRUE(errors.empty());
}

TEST_F(SettingsFile, StoredPlacementAndOptionsAreRestoredAndWrittenBack) {
    const std::vector<std::string> stored = {
        "[WindowState]", "Left=120", "Top=80", "Width=640", "Height=480", "Maximized=0", "FirstTime=0",
        "[FormSettings]", "left=30", "top=40", "spnHideHint=2500", "chkSkins=0", "chkSounds=0",
        "radHintsOff=0", "radHintsTooltips=0", "radHintsStatBar=1"};
    std::string text;
    for (const std::string& line : stored) text += line + "\r\n";
    WriteIni(text);
    StartAndShow();
    EXPECT_EQ(MainForm->BoundsRect().left, 120);
    EXPECT_EQ(MainForm->BoundsRect().bottom, 80 + 480);
    EXPECT_EQ(FrmSettings->Left(), 30);
    EXPECT_EQ(FrmSettings->Top(), 40);
    EXPECT_EQ(FrmSettings->spnHideHint->Value(), 2500);
    EXPECT_FALSE(FrmSettings->chkSkins->Checked());
    EXPECT_FALSE(FrmSettings->chkSounds->Checked());
    EXPECT_TRUE(FrmSettings->radHintsStatBar->Checked());
    MainForm->Close();
    EXPECT_EQ(IniLines(), stored);
}

TEST_F(SettingsFile, WindowsMovedByTheUserAreWrittenWhereTheyAre) {
    StartAndShow();
    MainForm->mnuSettingsClick(nullptr);
    MoveWindow(MainForm->Handle(), 210, 130, 700, 520, TRUE);
    SetWindowPos(FrmSettings->Handle(), nullptr, 400, 260, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    Application->ProcessMessages();
    MainForm->Close();
    const std::vector<std::string> lines = IniLines();
    ASSERT_EQ(lines.size(), kDefaultFile.size());
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 1, lines.begin() + 5),
              (std::vector<std::string>{"Left=210", "Top=130", "Width=700", "Height=520"}));
    EXPECT_EQ(lines[8], "left=400");
    EXPECT_EQ(lines[9], "top=260");
}

TEST_F(SettingsFile, MaximizedWindowKeepsStoredBoundsInTheFile) {
    WriteIni("[WindowState]\r\nLeft=10\r\nTop=20\r\nWidth=600\r\nHeight=400\r\nMaximized=1\r\n");
    StartAndShow();
    EXPECT_EQ(MainForm->WindowState(), wsMaximized);
    // It restores to its designed bounds, not the stored ones.
    const RECT restored = MainForm->RestoredBounds();
    EXPECT_NE(restored.right - restored.left, 600);
    EXPECT_NE(restored.bottom - restored.top, 400);
    MainForm->Close();
    const std::vector<std::string> lines = IniLines();
    ASSERT_GE(lines.size(), 7u);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 7),
              (std::vector<std::string>{"[WindowState]", "Left=10", "Top=20", "Width=600", "Height=400",
                                        "Maximized=1", "FirstTime=0"}));
}

TEST_F(SettingsFile, MinimizedWindowWritesTheBoundsItComesBackTo) {
    WriteIni("[WindowState]\r\nLeft=70\r\nTop=60\r\nWidth=700\r\nHeight=500\r\n");
    StartAndShow();
    MainForm->SetWindowState(wsMinimized);
    Application->ProcessMessages();
    ASSERT_EQ(MainForm->WindowState(), wsMinimized);
    SaveSettings();
    const std::vector<std::string> lines = IniLines();
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 6),
              (std::vector<std::string>{"[WindowState]", "Left=70", "Top=60", "Width=700", "Height=500",
                                        "Maximized=0"}));
}

TEST_F(SettingsFile, BoundsOnNoScreenOpenWhereAFirstRunDoes) {
    const char* offScreen[] = {"Left=-32000\r\nTop=-32000\r\nWidth=160\r\nHeight=24",
                               "Left=100\r\nTop=100\r\nWidth=0\r\nHeight=300",
                               "Left=90000\r\nTop=80\r\nWidth=700\r\nHeight=500"};
    StartProgram();
    for (const char* keys : offScreen) {
        WriteIni(std::string("[WindowState]\r\n") + keys + "\r\n");
        LoadSettings();
        const RECT bounds = MainForm->BoundsRect();
        EXPECT_EQ(bounds.left, 50) << keys;
        EXPECT_EQ(bounds.top, 50) << keys;
        EXPECT_EQ(bounds.right - bounds.left, 750) << keys;
        EXPECT_EQ(bounds.bottom - bounds.top, 550) << keys;
    }
    // Partly on the screen is reachable: kept as stored.
    WriteIni("[WindowState]\r\nLeft=-200\r\nTop=10\r\nWidth=700\r\nHeight=500\r\n");
    LoadSettings();
    EXPECT_EQ(MainForm->Left(), -200);
}

struct RadioCase {
    const char* keys;
    bool off, tooltips, statBar;
};

TEST_F(SettingsFile, LastTrueRadioKeyWinsAndAllFalseSelectsNone) {
    const RadioCase cases[] = {
        {"radHintsOff=1\r\nradHintsTooltips=1\r\nradHintsStatBar=0", false, true, false},
        {"radHintsOff=1\r\nradHintsTooltips=0\r\nradHintsStatBar=0", true, false, false},
        {"radHintsOff=1\r\nradHintsTooltips=1\r\nradHintsStatBar=1", false, false, true},
        {"radHintsOff=0\r\nradHintsTooltips=0\r\nradHintsStatBar=0", false, false, false},
        {"", false, true, false},
    };
    StartProgram();
    for (const RadioCase& c : cases) {
        WriteIni(std::string("[FormSettings]\r\n") + c.keys + "\r\n");
        LoadSettings();
        SCOPED_TRACE(c.keys);
        EXPECT_EQ(FrmSettings->radHintsOff->Checked(), c.off);
        EXPECT_EQ(FrmSettings->radHintsTooltips->Checked(), c.tooltips);
        EXPECT_EQ(FrmSettings->radHintsStatBar->Checked(), c.statBar);
    }
}

TEST_F(SettingsFile, HintTimeIsPulledIntoRangeOnLoadOnly) {
    const std::pair<const char*, int> cases[] = {
        {"100", 800}, {"50000", 20000}, {"0x1F40", 8000}, {"$1F40", 8000}, {"800", 800}, {"20000", 20000},
        {"-5", 800}, {"ten", 4000}, {"", 4000}};
    StartProgram();
    for (const auto& [stored, loaded] : cases) {
        WriteIni(std::string("[FormSettings]\r\nspnHideHint=") + stored + "\r\n");
        LoadSettings();
        EXPECT_EQ(FrmSettings->spnHideHint->Value(), loaded) << stored;
    }
    // A value typed but never left is written as it stands.
    FrmSettings->spnHideHint->SetText("100");
    SaveSettings();
    EXPECT_NE(ReadIni().find("spnHideHint=100\r\n"), std::string::npos);
}

TEST_F(SettingsFile, BooleanThatIsNoNumberTakesTheDefault) {
    StartProgram();
    WriteIni("[FormSettings]\r\nchkSkins=yes\r\nchkSounds=no\r\n");
    FrmSettings->chkSkins->SetChecked(false);
    FrmSettings->chkSounds->SetChecked(false);
    LoadSettings();
    EXPECT_TRUE(FrmSettings->chkSkins->Checked());
    EXPECT_TRUE(FrmSettings->chkSounds->Checked());
    WriteIni("[FormSettings]\r\nchkSkins=0\r\nchkSounds=2\r\n");
    LoadSettings();
    EXPECT_FALSE(FrmSettings->chkSkins->Checked());
    EXPECT_TRUE(FrmSettings->chkSounds->Checked());
}

TEST_F(SettingsFile, NamesInOtherLetterCaseAreFound) {
    WriteIni("[WINDOWSTATE]\r\nLEFT=111\r\ntop=77\r\n[formsettings]\r\nLEFT=222\r\nSPNHIDEHINT=6000\r\n"
             "RADHINTSOFF=1\r\nRadHintsTooltips=0\r\n");
    StartProgram();
    EXPECT_EQ(MainForm->Left(), 111);
    EXPECT_EQ(MainForm->Top(), 77);
    EXPECT_EQ(FrmSettings->Left(), 222);
    EXPECT_EQ(FrmSettings->spnHideHint->Value(), 6000);
    EXPECT_TRUE(FrmSettings->radHintsOff->Checked());
}

TEST_F(SettingsFile, UnknownKeysSectionsAndCommentsSurviveASave) {
    WriteIni("; kept by hand\r\n[Other]\r\nanswer=42\r\n[WindowState]\r\nExtra=7\r\nLeft=90\r\n"
             "[FormSettings]\r\nnote=\"quoted\"\r\n");
    StartProgram();
    SaveSettings();
    const std::string text = ReadIni();
    for (const char* kept : {"; kept by hand\r\n", "[Other]\r\nanswer=42\r\n", "Extra=7\r\n", "note=\"quoted\"\r\n"})
        EXPECT_NE(text.find(kept), std::string::npos) << kept;
    // A known key is replaced where it stands, not added a second time.
    EXPECT_EQ(text.find("Left="), text.rfind("Left="));
    EXPECT_NE(text.find("Extra=7\r\nLeft=90\r\n"), std::string::npos);
}

}  // namespace
