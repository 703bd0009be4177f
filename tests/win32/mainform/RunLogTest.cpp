// The run log: F12 saves it, it takes far more than a rich edit's default text, a line
// that cannot be added still ends the run; the status bar's progress line during a run.
#include <algorithm>
#include <string>
#include <vector>

#include "tests/win32/mainform/MainFormFixture.h"

namespace {

// A save dialog that answers with a chosen file instead of asking.
class TAnsweringSaveDialog : public TSaveDialog {
    TOOLKIT_CLASS(TAnsweringSaveDialog, TSaveDialog)

public:
    using TSaveDialog::TSaveDialog;
    std::string answer;  // empty: the user cancels

protected:
    BOOL RunDialog(OPENFILENAMEA& request) const override {
        if (answer.empty()) return FALSE;
        answer.copy(request.lpstrFile, request.nMaxFile - 1);
        request.lpstrFile[answer.size()] = '\0';
        return TRUE;
    }
};

}  // namespace

const TClassInfo& TAnsweringSaveDialog::StaticClass() {
    static const TClassInfo info("TAnsweringSaveDialog", &TSaveDialog::StaticClass());
    return info;
}

class RunLogTest : public MainFormTest {
protected:
    TAnsweringSaveDialog* dialog = nullptr;

    void StartWithDialog() {
        Start(false);
        dialog = new TAnsweringSaveDialog(MainForm);
        MainForm->dlgSaveLog = dialog;
    }
};

TEST_F(RunLogTest, F12SavesTheLogAsPlainText) {
    WriteFile(work + "a.html", kOneTag);
    WriteFile(work + "b.html", "");
    StartWithDialog();
    Browse(work);
    PressF9();
    dialog->answer = work + "saved log.txt";
    PressF12();
    EXPECT_EQ(ReadFile(work + "saved log.txt"), "Log:\r\n1 tags replaced in a.html\r\n0 tags replaced in b.html\r\n");

    // Cancelled: nothing is written.
    dialog->answer.clear();
    RemoveFile(work + "saved log.txt");
    PressF12();
    EXPECT_FALSE(pelmar::platform::FileExists(work + "saved log.txt"));
    EXPECT_TRUE(errors.empty()) << errors.front();
}

TEST_F(RunLogTest, F12IntoAFolderThatCannotBeWrittenIsAnErrorThatKeepsTheLog) {
    StartWithDialog();
    dialog->answer = work + "missing folder\\log.txt";
    PressF12();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors.front().rfind("Cannot create file \"" + work + "missing folder\\log.txt\". ", 0), 0u)
        << errors.front();
    EXPECT_EQ(MainForm->mmOutput->Lines()->Lines(), (std::vector<std::string>{"Log:"}));
}

TEST_F(RunLogTest, ALogFarBeyondARichEditsDefaultSizeStillTakesLines) {
    WriteFile(work + "a.html", kOneTag);
    Start(false);
    Browse(work);
    // A rich edit holds 32767 characters unless told otherwise: thousands of runs' worth.
    const std::string earlier(40, 'x');
    std::string text = "Log:\r\n";
    for (int i = 0; i < 5000; ++i) text += earlier + "\r\n";
    MainForm->mmOutput->HandleNeeded();
    MainForm->mmOutput->SetText(text);
    ASSERT_EQ(MainForm->mmOutput->Text(), text);
    PressF9();
    EXPECT_TRUE(errors.empty()) << errors.front();
    EXPECT_EQ(tones.size(), 1u);
    EXPECT_EQ(MainForm->mmOutput->Text(), text + "1 tags replaced in a.html\r\n");
}

TEST_F(RunLogTest, RunLinesStartOnALineOfTheirOwnAfterTextTypedIntoTheLog) {
    WriteFile(work + "a.html", kOneTag);
    Start(false);
    Browse(work);
    MainForm->mmOutput->HandleNeeded();
    MainForm->mmOutput->SetText("Log:\r\nmy note");
    PressF9();
    PressF9();
    EXPECT_EQ(MainForm->mmOutput->Text(),
              "Log:\r\nmy note\r\n1 tags replaced in a.html\r\n0 tags replaced in a.html\r\n");
}

TEST_F(RunLogTest, ALineTheLogCannotTakeEndsTheRunAfterItsFileWasDone) {
    WriteFile(work + "a.html", kOneTag);
    WriteFile(work + "b.html", kOneTag);
    Start(false);
    Browse(work);
    // Room for one more line.
    MainForm->mmOutput->SetMaxLength(static_cast<int>(MainForm->mmOutput->Text().size()) + 30);
    PressF9();
    EXPECT_EQ(errors, (std::vector<std::string>{"RichEdit line insertion error"}));
    EXPECT_EQ(LogLines(), (std::vector<std::string>{"1 tags replaced in a.html"}));
    EXPECT_EQ(ReadFile(work + "b.html"), kOneTagDone);
    EXPECT_TRUE(tones.empty());
}

TEST_F(RunLogTest, StatusBarShowsProgressDuringARunAndItsEarlierTextAfter) {
    for (const char* name : {"a.html", "b.html", "c.html"}) WriteFile(work + name, kOneTag);
    Start(false);
    Browse(work);
    MainForm->Show();
    TStatusBar* bar = MainForm->StatBar;
    bar->SetSimpleText("before the run");
    Application->ProcessMessages();

    // What the bar showed each time it was painted.
    std::vector<std::string> painted;
    const TWndMethod previous = bar->WindowProc;
    bar->WindowProc = [&, previous](TMessage& m) {
        if (m.Msg == WM_PAINT && (painted.empty() || painted.back() != bar->SimpleText()))
            painted.push_back(bar->SimpleText());
        previous(m);
    };
    PressF9();
    bar->WindowProc = previous;

    // The first file at once, later ones as time allows, then the earlier text.
    ASSERT_GE(painted.size(), 2u);
    EXPECT_EQ(painted.front(), "Processing 1 of 3: a.html");
    EXPECT_EQ(painted.back(), "before the run");
    const std::vector<std::string> later{"Processing 2 of 3: b.html", "Processing 3 of 3: c.html"};
    const std::vector<std::string> middle(painted.begin() + 1, painted.end() - 1);
    EXPECT_TRUE(std::is_sorted(middle.begin(), middle.end()));
    EXPECT_TRUE(std::includes(later.begin(), later.end(), middle.begin(), middle.end()));
    EXPECT_EQ(bar->SimpleText(), "before the run");
}

TEST_F(RunLogTest, StatusBarGetsItsEarlierTextBackAfterAFailedRun) {
    for (const char* name : {"a.html", "b.html"}) WriteFile(work + name, kOneTag);
    SetFileAttributesA((work + "b.html").c_str(), FILE_ATTRIBUTE_READONLY);
    Start(false);
    Browse(work);
    MainForm->StatBar->SetSimpleText("ready");
    PressF10();
    EXPECT_EQ(errors.size(), 1u);
    EXPECT_EQ(MainForm->StatBar->SimpleText(), "ready");
}
