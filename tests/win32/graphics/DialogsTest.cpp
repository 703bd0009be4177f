// Message boxes and file dialogs, answered by a timer that finds the system's dialog window
// while it runs modally, reads it and presses one of its buttons.
#include <gtest/gtest.h>

#include "tests/support/TempFolder.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Forms.h"

using pelmar::testing::TempFolder;

namespace {

// What the answering timer does once the dialog with `title` has appeared.
struct Answer {
    std::string title;
    int button = IDOK;
    std::string fileName;  // typed into a file dialog's name box first
    std::string seenText;  // the texts of the dialog's static controls
};
Answer* pending = nullptr;

BOOL CALLBACK CollectText(HWND child, LPARAM) {
    char className[32] = {};
    char text[512] = {};
    GetClassNameA(child, className, sizeof(className));
    if (lstrcmpiA(className, "Static") == 0 && GetWindowTextA(child, text, sizeof(text)) > 0)
        pending->seenText += std::string(text) + "\n";
    return TRUE;
}

void CALLBACK AnswerDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = FindWindowA("#32770", pending->title.c_str());
    if (!dialog) return;  // not up yet: the modal loop calls again
    KillTimer(nullptr, timer);
    EnumChildWindows(dialog, CollectText, 0);
    if (!pending->fileName.empty()) SetDlgItemTextA(dialog, 0x47C, pending->fileName.c_str());  // the name box
    PostMessageA(dialog, WM_COMMAND, static_cast<WPARAM>(pending->button), 0);
}

class DialogsTest : public ::testing::Test {
protected:
    Answer answer;
    void AnswerWith(const std::string& title, int button, const std::string& fileName = "") {
        answer.title = title;
        answer.button = button;
        answer.fileName = fileName;
        pending = &answer;
        SetTimer(nullptr, 0, 50, AnswerDialog);
    }
};

TEST_F(DialogsTest, MessageDlgReturnsThePressedButton) {
    AnswerWith("Confirm", IDNO);
    EXPECT_EQ(MessageDlg("Overwrite the log?", mtConfirmation, {mbYes, mbNo}), IDNO);
    EXPECT_NE(answer.seenText.find("Overwrite the log?"), std::string::npos) << answer.seenText;

    AnswerWith("Warning", IDCANCEL);
    EXPECT_EQ(MessageDlg("Careful", mtWarning, {mbOK, mbCancel}), IDCANCEL);

    AnswerWith("Error", IDRETRY);
    EXPECT_EQ(MessageDlg("Failed", mtError, {mbRetry, mbCancel}), IDRETRY);
}

TEST_F(DialogsTest, ShowMessageIsTitledWithTheProgramName) {
    AnswerWith("win32_graphics", IDOK);
    ShowMessage("Hello");
    EXPECT_NE(answer.seenText.find("Hello"), std::string::npos) << answer.seenText;
}

TEST_F(DialogsTest, OnceThereIsAnApplicationBoxesCarryItsTitle) {
    TApplication application(nullptr);
    application.SetTitle("Pelmar test run");
    struct Restore {
        TApplication* previous = Application;
        ~Restore() { Application = previous; }
    } restore;
    Application = &application;
    AnswerWith("Pelmar test run", IDOK);
    ShowMessage("Titled");
    EXPECT_NE(answer.seenText.find("Titled"), std::string::npos) << answer.seenText;
}

TEST_F(DialogsTest, SaveDialogGivesTheChosenNameWithTheDefaultExtension) {
    TempFolder folder;
    TSaveDialog dialog(nullptr);
    dialog.SetTitle("Save the log");
    dialog.SetFilter("Text files (*.txt)|*.txt|All files|*.*");
    dialog.SetDefaultExt("txt");
    dialog.SetInitialDir(folder.Path());
    dialog.SetOptions({ofOverwritePrompt, ofHideReadOnly, ofPathMustExist});

    AnswerWith("Save the log", IDOK, folder / "run-log");
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(lstrcmpiA(dialog.FileName().c_str(), (folder / "run-log.txt").c_str()), 0) << dialog.FileName();
    EXPECT_EQ(dialog.FilterIndex(), 1);

    const std::string chosen = dialog.FileName();
    AnswerWith("Save the log", IDCANCEL);
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.FileName(), chosen);
}

TEST(Dialogs, AreComponentsWithPublishedSettings) {
    TComponent owner(nullptr);
    const TClassInfo* cls = FindClass("TSaveDialog");
    ASSERT_NE(cls, nullptr);
    TComponent* dialog = cls->Factory(&owner);
    EXPECT_TRUE(SetPropText(*dialog, "Filter", "Logs|*.log"));
    EXPECT_TRUE(SetPropText(*dialog, "Options", "[ofOverwritePrompt]"));
    EXPECT_EQ(static_cast<TSaveDialog*>(dialog)->Options(), TOpenOptions{ofOverwritePrompt});
    EXPECT_EQ(GetPropText(*dialog, "Filter"), "Logs|*.log");
}

}  // namespace
