#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "engine/ProcessFile.h"
#include "engine/TextFile.h"
#include "tests/support/TempFolder.h"

namespace pelmar {
namespace {

using testing::TempFolder;
namespace fs = std::filesystem;

class ProcessFileTest : public ::testing::Test {
protected:
    ProcessedFile process(const std::string& path, const ProcessOptions& options = {}) {
        random_.Seed(1);
        return ProcessFile(path, {"keywords"}, random_, options);
    }
    TempFolder folder_;
    RandomGenerator random_;
};

TEST_F(ProcessFileTest, RewritesTheFileWithCrLfLineBreaks) {
    std::string path = folder_.Write("index.html", "<p>\n<img src=\"a\" >\n<img src=\"b\" alt=\"\">\n");
    auto result = process(path);
    EXPECT_EQ(result.count, 1);
    EXPECT_TRUE(result.written);
    EXPECT_EQ(result.text, "<p>\r\n<img src=\"a\" alt=\"keywords\" >\r\n<img src=\"b\" alt=\"\">\r\n");
    EXPECT_EQ(TempFolder::Read(path), result.text);
    EXPECT_EQ(TempFolder::EntryCount(folder_.Path()), 1u);
}

TEST_F(ProcessFileTest, RewritesAFileWithoutTagsWhenItsLineBreaksChange) {
    std::string path = folder_.Write("plain.html", "a\nb");
    auto result = process(path);
    EXPECT_EQ(result.count, 0);
    EXPECT_TRUE(result.written);
    EXPECT_EQ(TempFolder::Read(path), "a\r\nb");
}

TEST_F(ProcessFileTest, LeavesAFileAloneWhenNothingWouldChange) {
    std::string path = folder_.Write("done.html", "<img src=\"a\" alt=\"x\">\r\n");
    fs::last_write_time(path, fs::file_time_type::clock::now() - std::chrono::hours(24));
    auto stamp = fs::last_write_time(path);  // as the file system stores it
    auto result = process(path);
    EXPECT_EQ(result.count, 0);
    EXPECT_FALSE(result.written);
    EXPECT_EQ(fs::last_write_time(path), stamp);
}

TEST_F(ProcessFileTest, RefusesAReadOnlyFileAndLeavesIt) {
    std::string path = folder_.Write("locked.html", "<img src=\"a\" >");
    TempFolder::MakeReadOnly(path);
    EXPECT_THROW(process(path), EFCreateError);
    EXPECT_EQ(TempFolder::Read(path), "<img src=\"a\" >");
    EXPECT_EQ(TempFolder::EntryCount(folder_.Path()), 1u);
}

TEST_F(ProcessFileTest, ReportsAMissingFile) { EXPECT_THROW(process(folder_ / "none.html"), EFOpenError); }

TEST_F(ProcessFileTest, RefusesTextsBeyondTheBoxCapacityBeforeWriting) {
    std::string path = folder_.Write("big.html", "<img src=\"a\" >");
    ProcessOptions options;
    options.textCapacity = 20;
    EXPECT_THROW(process(path, options), ETextCapacity);
    EXPECT_EQ(TempFolder::Read(path), "<img src=\"a\" >");
}

TEST_F(ProcessFileTest, DryRunCountsButWritesNothing) {
    std::string path = folder_.Write("index.html", "<img src=\"a\" >\n");
    ProcessOptions options;
    options.write = false;
    auto result = process(path, options);
    EXPECT_EQ(result.count, 1);
    EXPECT_FALSE(result.written);
    EXPECT_EQ(TempFolder::Read(path), "<img src=\"a\" >\n");
}

TEST_F(ProcessFileTest, HandsTheOriginalBytesOverBeforeReplacing) {
    std::string original("<img src=\"a\" >\0\n", 16);
    std::string path = folder_.Write("index.html", original);
    std::string seenPath, seenBytes, contentThen;
    ProcessOptions options;
    options.beforeReplace = [&](const std::string& fullPath, const std::string& bytes) {
        seenPath = fullPath;
        seenBytes = bytes;
        contentThen = TempFolder::Read(path);
    };
    auto result = process(path, options);
    EXPECT_EQ(seenPath, path);
    EXPECT_EQ(seenBytes, original);
    EXPECT_EQ(contentThen, original);
    EXPECT_EQ(TempFolder::Read(path), std::string("<img src=\"a\" alt=\"keywords\" >\0\r\n", 32));
}

}  // namespace
}  // namespace pelmar
