#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "tests/support/TempFolder.h"
#include "util/MovraTPU.h"

namespace pelmar {
namespace {

using testing::TempFolder;

TEST(ExpandLineBreaks, TurnsTokensIntoLineBreaksAndDropsTheSpacesAfterThem) {
    EXPECT_EQ(ExpandLineBreaks("first lineCRLF   second line"), "first line\r\nsecond line");
    EXPECT_EQ(ExpandLineBreaks("a  CRLFb"), "a  \r\nb");
    EXPECT_EQ(ExpandLineBreaks("no token here"), "no token here");
    EXPECT_EQ(ExpandLineBreaks(""), "");
}

TEST(ExpandLineBreaks, LeavesLowerCaseTokensAloneUnlessAnExactTokenRunsThePass) {
    EXPECT_EQ(ExpandLineBreaks("one crlf two"), "one crlf two");
    // An exact token starts the passes; each pass then replaces every letter case.
    EXPECT_EQ(ExpandLineBreaks("aCRLF x crlf  y"), "a\r\nx \r\ny");
}

TEST(ReplaceWhilePresent, ReportsWhetherAPassRan) {
    std::string text = "abc";
    EXPECT_FALSE(ReplaceWhilePresent(text, "x", "y"));
    EXPECT_EQ(text, "abc");
    EXPECT_TRUE(ReplaceWhilePresent(text, "b", "B"));
    EXPECT_EQ(text, "aBc");
}

TEST(ReplaceWhilePresent, RepeatsUntilTheTextIsGone) {
    std::string text = "x      y";
    EXPECT_TRUE(ReplaceWhilePresent(text, "  ", " "));
    EXPECT_EQ(text, "x y");
}

TEST(ReplaceWhilePresent, EndsEvenWhenTheReplacementWouldBringTheTextBack) {
    std::string text = "aa";
    EXPECT_TRUE(ReplaceWhilePresent(text, "a", "ba"));
    EXPECT_EQ(text, "baba");
    std::string same = "abab";
    EXPECT_TRUE(ReplaceWhilePresent(same, "ab", "ab"));
    EXPECT_EQ(same, "abab");
}

TEST(ReplaceWhilePresent, ALongerReplacementThatFormsTheTextAtItsEdgesRunsOnce) {
    // Each "bbaa" forms a new "ab" with its neighbours; pass after pass the text would
    // grow without bound.
    const std::string padding(40, ' ');
    std::string text = "abab" + padding;
    EXPECT_TRUE(ReplaceWhilePresent(text, "ab", "bbaa"));
    EXPECT_EQ(text, "bbaabbaa" + padding);
}

TEST(CopyRange, CopiesFromFirstToLastInclusive) {
    EXPECT_EQ(CopyRange("abcdefg", 3, 5), "cde");
    EXPECT_EQ(CopyRange("abcdefg", 3, 2), "");
    EXPECT_EQ(CopyRange("abcdefg", 5, 100), "efg");
    EXPECT_EQ(CopyRange("abcdefg", 8, 9), "");
    EXPECT_EQ(CopyRange("abcdefg", 1, 1), "a");
}

TEST(IntToText, WritesPlainDecimal) {
    EXPECT_EQ(IntToText(0), "0");
    EXPECT_EQ(IntToText(1234567), "1234567");
    EXPECT_EQ(IntToText(-42), "-42");
    EXPECT_EQ(IntToText(INT32_MIN), "-2147483648");
}

TEST(GetAppDir, IsTheProgramsFolderWithItsDelimiter) {
    std::string folder = GetAppDir();
    std::string program = platform::ProgramPath();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), platform::kPathDelimiter);
    ASSERT_EQ(program.compare(0, folder.size(), folder), 0);
    EXPECT_EQ(program.find(platform::kPathDelimiter, folder.size()), std::string::npos);
    EXPECT_TRUE(platform::FolderExists(folder));
}

TEST(GetAppVersion, GivesTheProgramsFileVersion) { EXPECT_EQ(GetAppVersion(), "1.0.0.19"); }

class ServiceSinks : public ::testing::Test {
protected:
    void SetUp() override {
        previousWarning_ = platform::SetWarningSink(
            [this](const std::string& title, const std::string& text) { warnings_.push_back(title + "|" + text); });
        previousTone_ = platform::SetToneSink(
            [this](unsigned hz, unsigned ms) { tones_.push_back(std::to_string(hz) + "/" + std::to_string(ms)); });
        previousShell_ = platform::SetShellSink([this](const std::string& target) {
            opened_.push_back(target);
            return shellAnswer_;
        });
    }
    void TearDown() override {
        platform::SetWarningSink(previousWarning_);
        platform::SetToneSink(previousTone_);
        platform::SetShellSink(previousShell_);
    }
    std::vector<std::string> warnings_, tones_, opened_;
    bool shellAnswer_ = true;

private:
    platform::WarningSink previousWarning_;
    platform::ToneSink previousTone_;
    platform::ShellSink previousShell_;
};

TEST_F(ServiceSinks, ShowWarningExpandsTokensInABoxTitledWarning) {
    ShowWarning("Back up firstCRLF now");
    EXPECT_EQ(warnings_, std::vector<std::string>{"Warning|Back up first\r\nnow"});
}

TEST_F(ServiceSinks, ShortBeepIsAnEightHundredHertzToneOfFiveMilliseconds) {
    ShortBeep();
    EXPECT_EQ(tones_, std::vector<std::string>{"800/5"});
}

TEST_F(ServiceSinks, ShellOpenHandsTheTargetOnUnchangedAndReportsTheShellsAnswer) {
    EXPECT_TRUE(ShellOpen("http://www.example.com/"));
    shellAnswer_ = false;
    EXPECT_FALSE(ShellOpen("nowhere:"));
    EXPECT_EQ(opened_, (std::vector<std::string>{"http://www.example.com/", "nowhere:"}));
}

class FindFilesTree : public ::testing::Test {
protected:
    void SetUp() override {
        folder_.Write("a.html", "a");
        folder_.Write("b.html", "b");
        folder_.Write("notes.txt", "n");
        folder_.Write("sub/c.html", "c");
        folder_.Write("named.html/d.html", "d");  // a folder named like the mask
        folder_.Write(".dotted/e.html", "e");
        folder_.Write("sub/deeper/f.html", "f");
    }
    std::vector<std::string> find(const std::string& root) {
        std::vector<std::string> list;
        FindFiles(root, "*.html", list);
        return list;
    }
    TempFolder folder_;
};

TEST_F(FindFilesTree, ListsAFoldersFilesBeforeEachSubfolderTreeInTurn) {
    std::vector<std::string> list = find(folder_.Path());
    ASSERT_EQ(list.size(), 5u);
    EXPECT_EQ(std::set<std::string>(list.begin(), list.begin() + 2),
              (std::set<std::string>{folder_ / "a.html", folder_ / "b.html"}));
    std::vector<std::string> rest(list.begin() + 2, list.end());
    std::vector<std::string> subFirst = {folder_ / "sub/c.html", folder_ / "sub/deeper/f.html",
                                         folder_ / "named.html/d.html"};
    std::vector<std::string> namedFirst = {folder_ / "named.html/d.html", folder_ / "sub/c.html",
                                           folder_ / "sub/deeper/f.html"};
    EXPECT_TRUE(rest == subFirst || rest == namedFirst) << "depth-first order broken";
}

TEST_F(FindFilesTree, GivesTheSamePathsWithOrWithoutTrailingDelimiter) {
    std::string withDelimiter = folder_.Path();
    std::string without = withDelimiter.substr(0, withDelimiter.size() - 1);
    EXPECT_EQ(find(without), find(withDelimiter));
}

TEST_F(FindFilesTree, AppendsToTheListWithoutClearingIt) {
    std::vector<std::string> list = {"kept"};
    FindFiles(folder_.Path(), "*.html", list);
    EXPECT_EQ(list.front(), "kept");
    EXPECT_EQ(list.size(), 6u);
}

TEST(FindFiles, ListsReadOnlyFilesAndIgnoresMissingFolders) {
    TempFolder folder;
    std::string locked = folder.Write("locked.html", "x");
    TempFolder::MakeReadOnly(locked);
    std::vector<std::string> list;
    FindFiles(folder / "missing", "*.html", list);
    EXPECT_TRUE(list.empty());
    FindFiles(folder.Path(), "*.html", list);
    EXPECT_EQ(list, std::vector<std::string>{locked});
}

TEST(FindFiles, VisitsEachRealFolderOnceWhenALinkLeadsBackIntoTheTree) {
    TempFolder folder;
    folder.Write("top.html", "t");
    folder.Write("sub/inner.html", "i");
    std::error_code error;
    std::filesystem::create_directory_symlink(folder.Path(), folder / "sub/loop", error);
    if (error)
        GTEST_SKIP() << "links to folders cannot be made here: " << error.message();
    std::vector<std::string> list;
    FindFiles(folder.Path(), "*.html", list);
    EXPECT_EQ(list, (std::vector<std::string>{folder / "top.html", folder / "sub/inner.html"}));
}

}  // namespace
}  // namespace pelmar
