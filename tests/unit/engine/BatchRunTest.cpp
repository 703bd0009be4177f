#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "engine/BatchRun.h"
#include "engine/ProcessFile.h"
#include "engine/TextFile.h"
#include "platform/Platform.h"
#include "tests/support/TempFolder.h"
#include "util/MovraTPU.h"

namespace pelmar {
namespace {

using testing::TempFolder;

TEST(LogLine, IsTheCountThenTheFileAsTheWorkListNamesIt) {
    EXPECT_EQ(LogLine(2, "index.html"), "2 tags replaced in index.html");
    EXPECT_EQ(LogLine(0, "/site/a.html"), "0 tags replaced in /site/a.html");
    EXPECT_EQ(SkippedLine("pipe.html"), "Skipped pipe.html (not a regular file)");
}

TEST(LogLine, WritesControlCharactersOfANameAsEscapesAndKeepsEveryOtherByte) {
    const std::pair<std::string, std::string> cases[] = {
        {"two\nlines.html", "two\\nlines.html"},
        {"a\r\tb.html", "a\\r\\tb.html"},
        {std::string("\x1b\x7f\0.html", 8), "\\x1b\\x7f\\x00.html"},
        {"caf\xe9 \x83\x7e\x82\xa0.html", "caf\xe9 \x83\x7e\x82\xa0.html"},  // ANSI and double-byte letters
    };
    for (const auto& [name, printed] : cases) {
        EXPECT_EQ(LogLine(1, name), "1 tags replaced in " + printed);
        EXPECT_EQ(SkippedLine(name), "Skipped " + printed + " (not a regular file)");
    }
}

TEST(HtmlFileNames, ListsTheFoldersHtmlFilesInNameOrderWhateverTheirAttributes) {
    TempFolder folder;
    folder.Write("b.html", "");
    folder.Write("A.HTML", "");
    folder.Write("c.htm", "");
    folder.Write("sub/d.html", "");
    folder.MakeFolder("e.html");
    TempFolder::MakeReadOnly(folder.Write("a2.html", ""));
    EXPECT_EQ(HtmlFileNames(folder.Path()), (std::vector<std::string>{"A.HTML", "a2.html", "b.html"}));
}

TEST(WorkLists, CurrentFolderLogsBareNamesAndSubfoldersFullPaths) {
    TempFolder folder;
    folder.Write("index.html", "");
    folder.Write("sub/page.html", "");
    WorkList current = CurrentFolderWorkList(folder.Path(), {"index.html"});
    ASSERT_EQ(current.size(), 1u);
    EXPECT_EQ(current[0].path, folder / "index.html");
    EXPECT_EQ(current[0].logName, "index.html");
    WorkList tree = SubfolderWorkList(folder.Path());
    ASSERT_EQ(tree.size(), 2u);
    EXPECT_EQ(tree[0].path, folder / "index.html");
    EXPECT_EQ(tree[0].logName, folder / "index.html");
    EXPECT_EQ(tree[1].logName, folder / "sub/page.html");
}

TEST(ProcessWorkList, EndsAtTheFirstFailureWithEarlierFilesDone) {
    TempFolder folder;
    std::vector<std::string> names = {"1.html", "2.html", "3.html", "4.html", "5.html"};
    for (const auto& name : names)
        folder.Write(name, "<img src=\"x\" >");
    TempFolder::MakeReadOnly(folder / "3.html");
    RandomGenerator random;
    std::vector<std::string> log;
    auto process = [&](const WorkItem& item) { return ProcessFile(item.path, {"k"}, random).count; };
    EXPECT_THROW(ProcessWorkList(CurrentFolderWorkList(folder.Path(), names), process,
                                 [&](const std::string& line) { log.push_back(line); }),
                 EFCreateError);
    EXPECT_EQ(log, (std::vector<std::string>{"1 tags replaced in 1.html", "1 tags replaced in 2.html"}));
    EXPECT_EQ(TempFolder::Read(folder / "2.html"), "<img src=\"x\" alt=\"k\" >");
    for (const char* untouched : {"3.html", "4.html", "5.html"})
        EXPECT_EQ(TempFolder::Read(folder / untouched), "<img src=\"x\" >") << untouched;
}

TEST(BatchSeed, ComesFromTheHighResolutionCounter) {
    std::uint32_t before = static_cast<std::uint32_t>(*platform::HighResolutionCounter());
    std::uint32_t seed = BatchSeed();
    std::uint32_t after = static_cast<std::uint32_t>(*platform::HighResolutionCounter());
    EXPECT_LE(seed - before, after - before);  // between the two readings, modulo 2^32
}

// A whole run as the window makes it, with the warning box and the tone observed.
class RunBatchTest : public ::testing::Test {
protected:
    void SetUp() override {
        previousWarning_ = platform::SetWarningSink(
            [this](const std::string& title, const std::string& text) { warnings_.push_back(title + "|" + text); });
        previousTone_ = platform::SetToneSink([this](unsigned, unsigned) { ++beeps_; });
    }
    void TearDown() override {
        platform::SetWarningSink(previousWarning_);
        platform::SetToneSink(previousTone_);
    }
    void run(BatchKind kind, WorkList work) {
        RunBatch(
            kind, appDir_.Path(), [&] { return work; }, random_,
            [&](const WorkItem& item) { return ProcessFile(item.path, {"k"}, random_).count; },
            [&](const std::string& line) { log_.push_back(line); });
    }
    TempFolder folder_, appDir_;
    RandomGenerator random_;
    std::vector<std::string> warnings_, log_;
    int beeps_ = 0;

private:
    platform::WarningSink previousWarning_;
    platform::ToneSink previousTone_;
};

TEST_F(RunBatchTest, WarnsWhileNoSettingsFileExistsThenRunsAndBeepsOnce) {
    folder_.Write("index.html", "<img src=\"a\" ><img src=\"b\" >");
    run(BatchKind::CurrentFolder, CurrentFolderWorkList(folder_.Path(), {"index.html"}));
    EXPECT_EQ(warnings_, std::vector<std::string>{std::string("Warning|") + kBackupWarning});
    EXPECT_EQ(log_, std::vector<std::string>{"2 tags replaced in index.html"});
    EXPECT_EQ(beeps_, 1);
}

TEST_F(RunBatchTest, DoesNotWarnOnceTheSettingsFileExists) {
    appDir_.Write("Pelmar.INI", "[WindowState]\r\n");
    run(BatchKind::AllSubfolders, {});
    EXPECT_TRUE(warnings_.empty());
    EXPECT_EQ(beeps_, 2);
    EXPECT_TRUE(log_.empty());
}

TEST_F(RunBatchTest, ReseedsTheGeneratorForEveryRun) {
    folder_.Write("a.html", "");
    random_.Seed(0);
    run(BatchKind::CurrentFolder, {});
    std::uint32_t first = random_.State();
    run(BatchKind::CurrentFolder, {});
    EXPECT_NE(random_.State(), first);
}

TEST_F(RunBatchTest, GivesNoBeepAfterAFailure) {
    EXPECT_THROW(run(BatchKind::AllSubfolders, {{folder_ / "missing.html", "missing.html"}}), EFOpenError);
    EXPECT_EQ(beeps_, 0);
    EXPECT_TRUE(log_.empty());
}

}  // namespace
}  // namespace pelmar
