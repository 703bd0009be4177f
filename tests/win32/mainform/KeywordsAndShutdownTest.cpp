// The keyword box's file, the hint handler, and the main window's closing paths that write
// the settings file once.
#include <string>
#include <vector>

#include "app/UnitINI.h"
#include "engine/KeywordList.h"
#include "tests/win32/mainform/MainFormFixture.h"
#include "ui/FormSettings.h"

TEST_F(MainFormTest, KeywordsAreLoadedFromTheFileBesideTheProgram) {
    WriteFile(appDir + "Keywords.txt", "red boats\nblue  boats \r\rgreen boats\n");
    Start(false);
    EXPECT_EQ(MainForm->mmoKeys->Text(), "red boats\r\nblue  boats \r\n\r\ngreen boats\r\n");
    EXPECT_EQ(MainForm->StatBar->SimpleText(), "");
}

TEST_F(MainFormTest, MissingKeywordFileIsToldInTheStatusBarAndTheDefaultStays) {
    Start(false);
    EXPECT_EQ(MainForm->mmoKeys->Lines()->Lines(), (std::vector<std::string>{"keywords"}));
    EXPECT_EQ(MainForm->StatBar->SimpleText(),
              "\"Keywords.txt\" does not exist. Please create this file or insert your keywords into the \"Your "
              "keywords\" box.");
}

TEST_F(MainFormTest, AKeywordFileThatCannotBeReadIsShownAndTheWindowStillOpens) {
    const std::string path = appDir + "Keywords.txt";
    WriteFile(path, "locked phrase\n");
    HANDLE lock = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    Start(false);
    CloseHandle(lock);
    ASSERT_NE(MainForm, nullptr);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors.front().rfind("Cannot open file \"" + path + "\". ", 0), 0u) << errors.front();
    EXPECT_EQ(MainForm->mmoKeys->Lines()->Lines(), (std::vector<std::string>{"keywords"}));
    EXPECT_EQ(MainForm->StatBar->SimpleText(), "");
}

TEST_F(MainFormTest, SaveKeywordsWritesTheBoxByteForByte) {
    WriteFile(appDir + "Keywords.txt", "one\ntwo\n");
    Start(false);
    Click(MainForm->btnSaveKwrds);
    EXPECT_EQ(ReadFile(appDir + "Keywords.txt"), "one\r\ntwo\r\n");

    MainForm->mmoKeys->SetText("three\r\nfour");
    Click(MainForm->btnSaveKwrds);
    EXPECT_EQ(ReadFile(appDir + "Keywords.txt"), "three\r\nfour");
    EXPECT_TRUE(errors.empty()) << errors.front();
}

TEST_F(MainFormTest, SaveKeywordsOverAReadOnlyFileIsAnErrorThatKeepsBothSides) {
    WriteFile(appDir + "Keywords.txt", "old");
    SetFileAttributesA((appDir + "Keywords.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    Start(false);
    MainForm->mmoKeys->SetText("new");
    Click(MainForm->btnSaveKwrds);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors.front().rfind("Cannot create file \"" + appDir + "Keywords.txt\". ", 0), 0u) << errors.front();
    EXPECT_EQ(ReadFile(appDir + "Keywords.txt"), "old");
    EXPECT_EQ(MainForm->mmoKeys->Text(), "new");
}

TEST_F(MainFormTest, HintsFollowTheSettingsWindowsChoice) {
    Start(false);
    struct Step {
        TRadioButton* choice;  // null: none of the three
        const char* hint;
        bool tips;
        const char* status;
    };
    const TFrmSettings* s = FrmSettings;
    for (const Step& step : {Step{s->radHintsTooltips, "first", true, "kept"},
                             Step{s->radHintsStatBar, "FILE LIST\r\nPress F9", true, "FILE LIST\r\nPress F9"},
                             Step{s->radHintsStatBar, "", true, ""}, Step{s->radHintsOff, "third", false, "kept"},
                             Step{s->radHintsTooltips, "fourth", true, "kept"}, Step{nullptr, "fifth", true, "kept"}}) {
        MainForm->StatBar->SetSimpleText("kept");
        for (TRadioButton* radio : {s->radHintsOff, s->radHintsTooltips, s->radHintsStatBar})
            radio->SetChecked(radio == step.choice);
        Application->SetHint(step.hint);
        EXPECT_EQ(Application->ShowHint(), step.tips) << step.hint;
        EXPECT_EQ(MainForm->StatBar->SimpleText(), step.status) << step.hint;
    }
}

TEST_F(MainFormTest, LogOffAsksTheCloseQueryWhichWritesOnceAndTheEndOfSessionFindsItDone) {
    Start(false);
    const std::string ini = appDir + "Pelmar.INI";
    EXPECT_EQ(SendMessageA(MainForm->Handle(), WM_QUERYENDSESSION, 0, 0), TRUE);
    EXPECT_TRUE(SettingsSaved);
    ASSERT_TRUE(pelmar::platform::FileExists(ini));

    RemoveFile(ini);
    SendMessageA(MainForm->Handle(), WM_ENDSESSION, TRUE, 0);
    EXPECT_FALSE(pelmar::platform::FileExists(ini));
    EXPECT_TRUE(errors.empty()) << errors.front();
}

TEST_F(MainFormTest, EndOfSessionAloneWritesTheSettingsAndLeavesTheProcessRunning) {
    Start(false);
    SendMessageA(MainForm->Handle(), WM_ENDSESSION, TRUE, 0);
    // Still here: the message did not reach the default handling, which ends the process.
    EXPECT_TRUE(SettingsSaved);
    EXPECT_TRUE(pelmar::platform::FileExists(appDir + "Pelmar.INI"));
}

TEST_F(MainFormTest, CloseAndDestroyWriteOnlyWhenNothingWroteBefore) {
    Start(false);
    const std::string ini = appDir + "Pelmar.INI";
    TCloseAction action = caHide;
    MainForm->FormClose(MainForm, action);
    EXPECT_EQ(action, caHide);
    EXPECT_TRUE(pelmar::platform::FileExists(ini));

    RemoveFile(ini);
    bool canClose = false;
    MainForm->FormCloseQuery(MainForm, canClose);
    EXPECT_TRUE(canClose);
    MainForm->FormDestroy(MainForm);
    EXPECT_FALSE(pelmar::platform::FileExists(ini));

    SettingsSaved = false;
    MainForm->FormDestroy(MainForm);
    EXPECT_TRUE(pelmar::platform::FileExists(ini));
}
