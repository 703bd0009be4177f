#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif

#include "cli/BatchCommand.h"
#include "cli/BatchOptions.h"
#include "platform/Platform.h"
#include "tests/support/TempFolder.h"

namespace pelmar {
namespace {

using testing::TempFolder;

#ifndef _WIN32
// What a site tree may hold besides files and folders. (Under Wine a pipe and a link to a
// device are skipped as well, but a Windows program cannot make them.)
std::vector<std::string> MakeSpecialFiles(const TempFolder& site) {
    mkfifo((site / "pipe.html").c_str(), 0644);
    symlink("/dev/zero", (site / "zero.html").c_str());
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    (site / "sock.html").copy(address.sun_path, sizeof address.sun_path - 1);
    const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
    bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    close(listener);
    return {"pipe.html", "sock.html", "zero.html"};
}
#endif

const std::string kTagged = "<img src=\"a\" >\r\n<img src=\"b\" >\r\n";

class BatchCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        site_.Write("index.html", kTagged);
        site_.Write("Upper.HTML", "<p>no images</p>\r\n");
        site_.Write("notes.txt", "<img src=\"a\" >");
        site_.Write("gallery/index.html", "<img src=\"g\" >\n");
    }
    int run(std::vector<std::string> arguments) {
        out_.str("");
        err_.str("");
        return RunBatchCommand(arguments, out_, err_, false);
    }
    TempFolder site_;
    std::ostringstream out_, err_;
};

TEST_F(BatchCommandTest, BadUsagePrintsTheUsageAndExitsTwo) {
    for (std::vector<std::string> arguments : std::vector<std::vector<std::string>>{
             {}, {"--unknown", "x"}, {"--seed", "-1", "x"}, {"--seed", "4294967296", "x"}, {"--seed", "12a", "x"},
             {"a", "b"}, {"--keywords"}, {"x", "--backup"}}) {
        EXPECT_EQ(run(arguments), kExitUsage);
        EXPECT_EQ(err_.str(), kBatchUsage);
        EXPECT_EQ(out_.str(), "");
    }
}

TEST(BatchOptions, ReadsEveryOption) {
    auto options = ParseBatchOptions(
        {"--subfolders", "--keywords", "k.txt", "--seed", "4294967295", "--dry-run", "--backup", "b", "site"});
    ASSERT_TRUE(options);
    EXPECT_TRUE(options->subfolders);
    EXPECT_TRUE(options->dryRun);
    EXPECT_EQ(options->keywordFile, "k.txt");
    EXPECT_EQ(options->seed, 4294967295u);
    EXPECT_EQ(options->backupFolder, "b");
    EXPECT_EQ(options->folder, "site");
}

TEST_F(BatchCommandTest, CurrentFolderRunLogsBareNamesInNameOrder) {
    EXPECT_EQ(run({"--seed", "0", site_.Path()}), kExitDone);
    EXPECT_EQ(out_.str(), "2 tags replaced in index.html\n0 tags replaced in Upper.HTML\n");
    EXPECT_EQ(err_.str(), "");
    EXPECT_EQ(TempFolder::Read(site_ / "index.html"),
              "<img src=\"a\" alt=\"keywords\" >\r\n<img src=\"b\" alt=\"keywords\" >\r\n");
    EXPECT_EQ(TempFolder::Read(site_ / "gallery/index.html"), "<img src=\"g\" >\n");
    EXPECT_EQ(TempFolder::Read(site_ / "notes.txt"), "<img src=\"a\" >");
}

TEST_F(BatchCommandTest, SubfolderRunLogsFullPathsAndUsesTheKeywordFile) {
    TempFolder elsewhere;
    std::string keywords = elsewhere.Write("kw.txt", "only\n");
    EXPECT_EQ(run({"--subfolders", "--seed", "7", "--keywords", keywords, site_.Path()}), kExitDone);
    std::string out = out_.str();
    EXPECT_NE(out.find("2 tags replaced in " + site_ / "index.html" + "\n"), std::string::npos) << out;
    EXPECT_NE(out.find("1 tags replaced in " + site_ / "gallery/index.html" + "\n"), std::string::npos) << out;
    EXPECT_NE(out.find("0 tags replaced in " + site_ / "Upper.HTML" + "\n"), std::string::npos) << out;
    EXPECT_EQ(TempFolder::Read(site_ / "gallery/index.html"), "<img src=\"g\" alt=\"only\" >\r\n");
}

TEST_F(BatchCommandTest, TheSameSeedGivesTheSamePhrases) {
    TempFolder copy;
    std::string keywords = copy.Write("kw.txt", "a\nb\nc\nd\ne\nf\n");
    copy.Write("index.html", kTagged);
    run({"--seed", "99", "--keywords", keywords, site_.Path()});
    run({"--seed", "99", "--keywords", keywords, copy.Path()});
    EXPECT_EQ(TempFolder::Read(copy / "index.html"), TempFolder::Read(site_ / "index.html"));
}

TEST_F(BatchCommandTest, DryRunLogsWhatARealRunWouldAndWritesNothing) {
    TempFolder backups;
    EXPECT_EQ(run({"--subfolders", "--dry-run", "--seed", "3", "--backup", backups.Path(), site_.Path()}), kExitDone);
    std::string dryLog = out_.str();
    EXPECT_EQ(TempFolder::Read(site_ / "index.html"), kTagged);
    EXPECT_EQ(TempFolder::Read(site_ / "gallery/index.html"), "<img src=\"g\" >\n");
    EXPECT_EQ(TempFolder::EntryCount(backups.Path()), 0u);
    EXPECT_EQ(run({"--subfolders", "--seed", "3", site_.Path()}), kExitDone);
    EXPECT_EQ(out_.str(), dryLog);
}

TEST_F(BatchCommandTest, BackupKeepsTheOriginalsOfReplacedFilesUnderTheirRelativePaths) {
    TempFolder backups;
    EXPECT_EQ(run({"--subfolders", "--seed", "1", "--backup", backups.Path(), site_.Path()}), kExitDone);
    EXPECT_EQ(TempFolder::Read(backups / "index.html"), kTagged);
    EXPECT_EQ(TempFolder::Read(backups / "gallery/index.html"), "<img src=\"g\" >\n");
    EXPECT_FALSE(platform::FileExists(backups / "Upper.HTML"));  // unchanged, so not replaced
}

TEST_F(BatchCommandTest, AFailureEndsTheRunWithExitOneAndItsMessage) {
    site_.Write("a.html", "<img src=\"first\" >");
    TempFolder::MakeReadOnly(site_ / "index.html");
    EXPECT_EQ(run({"--seed", "0", site_.Path()}), kExitFailure);
    EXPECT_EQ(out_.str(), "1 tags replaced in a.html\n");
    EXPECT_EQ(err_.str().rfind("Cannot create file \"" + site_ / "index.html" + "\". ", 0), 0u) << err_.str();
    EXPECT_EQ(TempFolder::Read(site_ / "index.html"), kTagged);
    EXPECT_EQ(TempFolder::Read(site_ / "Upper.HTML"), "<p>no images</p>\r\n");
}

#ifndef _WIN32
// A pipe would be waited for, a device read without end; each is logged as skipped.
TEST_F(BatchCommandTest, AnythingButARegularFileIsSkippedAndTheRunGoesOn) {
    const std::vector<std::string> special = MakeSpecialFiles(site_);
    EXPECT_EQ(run({"--seed", "0", site_.Path()}), kExitDone);
    EXPECT_EQ(out_.str(),
              "2 tags replaced in index.html\n"
              "Skipped pipe.html (not a regular file)\n"
              "Skipped sock.html (not a regular file)\n"
              "0 tags replaced in Upper.HTML\n"
              "Skipped zero.html (not a regular file)\n");
    EXPECT_EQ(err_.str(), "");
    for (const std::string& name : special)  // none became a file
        EXPECT_THROW(platform::ReadWholeFile(site_ / name), platform::NotRegularFileError) << name;
}

TEST_F(BatchCommandTest, ANameWithALineBreakStaysOneLogLine) {
    site_.Write("two\nlines.html", "<img src=\"a\" >");
    EXPECT_EQ(run({"--subfolders", "--seed", "0", site_.Path()}), kExitDone);
    EXPECT_NE(out_.str().find("\n1 tags replaced in " + site_.Path() + "two\\nlines.html\n"), std::string::npos)
        << out_.str();
}
#endif

TEST_F(BatchCommandTest, AFileLargerThanATextMayBeIsAFailureAndNotReadWhole) {
    std::filesystem::resize_file(site_.Write("big.html", "<img src=\"a\" >"), std::uintmax_t{4} << 30);
    EXPECT_EQ(run({"--seed", "0", site_.Path()}), kExitFailure);
    EXPECT_EQ(out_.str(), "");
    EXPECT_EQ(err_.str(), "Text exceeds memo capacity\n");
}

TEST_F(BatchCommandTest, MissingInputsAreFailuresWithAClearMessage) {
    EXPECT_EQ(run({site_ / "no-such-folder"}), kExitFailure);
    EXPECT_NE(err_.str().find("no-such-folder"), std::string::npos);
    EXPECT_EQ(run({"--keywords", site_ / "none.txt", site_.Path()}), kExitFailure);
    EXPECT_EQ(err_.str().rfind("Cannot open file \"" + site_ / "none.txt" + "\". ", 0), 0u) << err_.str();
    EXPECT_EQ(TempFolder::Read(site_ / "index.html"), kTagged);
}

}  // namespace
}  // namespace pelmar
