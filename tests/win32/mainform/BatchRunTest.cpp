// F9 and F10 from the main window: which files a run takes, the log lines, the beeps, the
// backup warning, the "current file" box, and a run that ends at a failing file.
#include <algorithm>
#include <string>
#include <vector>

#include "engine/BatchRun.h"
#include "tests/win32/mainform/MainFormFixture.h"

class BatchRunTest : public MainFormTest {
protected:
    void Files(const std::vector<std::string>& names, const std::string& content = kOneTag) {
        for (const auto& name : names) WriteFile(work + name, content);
    }
    std::vector<std::string> Log(const std::vector<std::pair<int, std::string>>& lines) {
        std::vector<std::string> out;
        for (const auto& [count, name] : lines) out.push_back(std::to_string(count) + " tags replaced in " + name);
        return out;
    }
};

TEST_F(BatchRunTest, F9TakesEveryListedNameNotOnlyTheSelectedOnes) {
    Files({"a.html", "b.html", "c.html", "d.html", "e.html"});
    Start(false);
    Browse(work);
    MainForm->FileList->SetSelected(1, true);
    MainForm->FileList->SetSelected(3, true);
    PressF9();

    EXPECT_EQ(LogLines(), Log({{1, "a.html"}, {1, "b.html"}, {1, "c.html"}, {1, "d.html"}, {1, "e.html"}}));
    for (const char* name : {"a.html", "b.html", "c.html", "d.html", "e.html"}) EXPECT_EQ(ReadFile(work + name), kOneTagDone);
    EXPECT_EQ(MainForm->Mmo->Text(), kOneTagDone);
    EXPECT_EQ(tones, (std::vector<unsigned>{800}));
    EXPECT_TRUE(errors.empty()) << errors.front();
}

TEST_F(BatchRunTest, F9LeavesOutNamesDeletedFromTheList) {
    Files({"a.html", "b.html", "c.html"});
    Start(false);
    Browse(work);
    MainForm->FileList->SetItemIndex(1);
    KeyUp(MainForm->FileList->Handle(), VK_DELETE);
    PressF9();
    EXPECT_EQ(LogLines(), Log({{1, "a.html"}, {1, "c.html"}}));
    EXPECT_EQ(ReadFile(work + "b.html"), kOneTag);
}

TEST_F(BatchRunTest, F10TakesTheTreeLogsFullPathsAndBeepsTwice) {
    MakeFolder(work + "sub");
    Files({"index.html", "plain.html", "skip.htm"});
    WriteFile(work + "index.html", "<img src=\"x\" ><img src=\"y\" >");
    WriteFile(work + "plain.html", "no images\n");
    WriteFile(work + "sub\\deep.html", kOneTag);
    Start(false);
    Browse(work);
    PressF10();

    // The folder's own files first (in the order the system's search gives), then the tree below.
    std::vector<std::string> lines = LogLines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines.back(), Log({{1, work + "sub\\deep.html"}}).front());
    lines.pop_back();
    std::vector<std::string> expected = Log({{2, work + "index.html"}, {0, work + "plain.html"}});
    std::sort(lines.begin(), lines.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(ReadFile(work + "plain.html"), "no images\r\n");
    EXPECT_EQ(ReadFile(work + "skip.htm"), kOneTag);
    EXPECT_EQ(tones, (std::vector<unsigned>{800, 800}));
}

TEST_F(BatchRunTest, EmptyFolderAddsNoLineButStillBeeps) {
    Start(false);
    Browse(work);
    PressF9();
    EXPECT_TRUE(LogLines().empty());
    EXPECT_EQ(tones.size(), 1u);
    PressF10();
    EXPECT_TRUE(LogLines().empty());
    EXPECT_EQ(tones.size(), 3u);
}

TEST_F(BatchRunTest, BackupWarningBeforeEveryRunUntilTheSettingsFileExists) {
    Files({"a.html"});
    Start(true);
    Browse(work);
    PressF9();
    PressF10();
    EXPECT_EQ(warnings, (std::vector<std::string>(2, pelmar::kBackupWarning)));
    EXPECT_EQ(warnings.front(),
              "This program will modify your files! Create a backup of your files then press \"Ok\"");

    WriteFile(appDir + "Pelmar.INI", "");
    PressF9();
    PressF10();
    EXPECT_EQ(warnings.size(), 2u);
    // Two runs and two more: the log keeps every line below "Log:".
    EXPECT_EQ(LogLines().size(), 4u);
}

TEST_F(BatchRunTest, AReadOnlyThirdFileEndsTheRunThere) {
    Files({"a.html", "b.html", "c.html", "d.html", "e.html"});
    SetFileAttributesA((work + "c.html").c_str(), FILE_ATTRIBUTE_READONLY);
    Start(false);
    Browse(work);
    PressF9();

    EXPECT_EQ(LogLines(), Log({{1, "a.html"}, {1, "b.html"}}));
    EXPECT_EQ(ReadFile(work + "b.html"), kOneTagDone);
    for (const char* name : {"c.html", "d.html", "e.html"}) EXPECT_EQ(ReadFile(work + name), kOneTag) << name;
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors.front().rfind("Cannot create file \"" + work + "c.html\". ", 0), 0u) << errors.front();
    EXPECT_TRUE(tones.empty());
}

TEST_F(BatchRunTest, TextTheCurrentFileBoxCannotHoldIsRefusedBeforeTheFileIsTouched) {
    // One byte more than the box's 16 MiB.
    const std::string big = std::string(16 * 1024 * 1024 + 1 - std::string(kOneTag).size(), 'x') + kOneTag;
    Files({"a.html"});
    WriteFile(work + "big.html", big);
    Start(false);
    Browse(work);
    PressF9();
    EXPECT_EQ(errors, (std::vector<std::string>{"Text exceeds memo capacity"}));
    EXPECT_EQ(LogLines(), Log({{1, "a.html"}}));
    EXPECT_TRUE(ReadFile(work + "big.html") == big);
    EXPECT_EQ(MainForm->Mmo->Text(), kOneTagDone);
}

// A run fills the box only with its last file's text; ProcessFile on its own shows its file's.
TEST_F(BatchRunTest, ProcessFileAloneShowsTheRewrittenTextInTheCurrentFileBox) {
    Files({"a.html"});
    Start(false);
    EXPECT_EQ(MainForm->ProcessFile(work + "a.html"), 1);
    EXPECT_EQ(MainForm->Mmo->Text(), kOneTagDone);
    EXPECT_EQ(ReadFile(work + "a.html"), kOneTagDone);
}

TEST_F(BatchRunTest, PhrasesComeFromTheKeywordBoxAsItIsNow) {
    Files({"a.html"});
    WriteFile(work + "b.html", "<img src=\"b\" >");
    Start(false);
    Browse(work);
    MainForm->mmoKeys->SetText("typed \"phrase\"\r\n");
    PressF9();
    EXPECT_EQ(ReadFile(work + "a.html"), "<p>\r\n<img src=\"a.png\" alt=\"typed \"phrase\"\" width=\"5\">\r\n</p>");
    EXPECT_EQ(ReadFile(work + "b.html"), "<img src=\"b\" alt=\"typed \"phrase\"\" >");

    // An empty box is an empty list: every attribute is empty.
    WriteFile(work + "b.html", "<img src=\"b\" >");
    MainForm->mmoKeys->SetText("");
    PressF9();
    EXPECT_EQ(ReadFile(work + "b.html"), "<img src=\"b\" alt=\"\" >");
    EXPECT_EQ(MainForm->Mmo->Text(), "<img src=\"b\" alt=\"\" >");
}
