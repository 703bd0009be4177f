#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "platform/Platform.h"
#include "tests/unit/platform/TempFolder.h"

namespace pelmar::platform {
namespace {

using testing::TempFolder;

TEST(ReadWholeFile, KeepsEveryByteIncludingNul) {
    TempFolder folder;
    std::string bytes("a\0b\r\nc\xff", 7);
    EXPECT_EQ(ReadWholeFile(folder.Write("f.bin", bytes)), bytes);
}

#ifdef __linux__
// Files of the system's process folder state a size of 0 and still have content: the
// read must not stop at the stated size.
TEST(ReadWholeFile, ReadsPastASizeStatedTooSmall) {
    EXPECT_NE(ReadWholeFile("/proc/self/status").find("Name:"), std::string::npos);
}
#endif

TEST(ReadWholeFile, ReportsTheSystemsReasonForAMissingFile) {
    TempFolder folder;
    try {
        ReadWholeFile(folder / "missing.html");
        FAIL() << "no error";
    } catch (const OsError& error) {
        EXPECT_FALSE(std::string(error.what()).empty());
    }
}

TEST(ReplaceFileContent, ReplacesTheContentAndLeavesNothingElseInTheFolder) {
    TempFolder folder;
    std::string path = folder.Write("page.html", "old content that is longer");
    ReplaceFileContent(path, "new");
    EXPECT_EQ(TempFolder::Read(path), "new");
    EXPECT_EQ(TempFolder::EntryCount(folder.Path()), 1u);
}

TEST(ReplaceFileContent, CreatesAFileThatDoesNotExistYet) {
    TempFolder folder;
    ReplaceFileContent(folder / "fresh.txt", std::string("x\0y", 3));
    EXPECT_EQ(TempFolder::Read(folder / "fresh.txt"), std::string("x\0y", 3));
    EXPECT_EQ(TempFolder::EntryCount(folder.Path()), 1u);
}

TEST(ReplaceFileContent, RefusesAReadOnlyFileAndLeavesItAsItWas) {
    TempFolder folder;
    std::string path = folder.Write("locked.html", "original");
    TempFolder::MakeReadOnly(path);
    EXPECT_THROW(ReplaceFileContent(path, "new"), OsError);
    EXPECT_EQ(TempFolder::Read(path), "original");
    EXPECT_EQ(TempFolder::EntryCount(folder.Path()), 1u);
}

TEST(ReplaceFileContent, FailsInAMissingFolderWithoutCreatingAnything) {
    TempFolder folder;
    EXPECT_THROW(ReplaceFileContent(folder / "missing/page.html", "x"), OsError);
    EXPECT_EQ(TempFolder::EntryCount(folder.Path()), 0u);
}

#ifndef _WIN32
TEST(ReplaceFileContent, KeepsTheFilesModeAndReplacesTheTargetOfALink) {
    TempFolder folder;
    std::string path = folder.Write("page.html", "old");
    namespace fs = std::filesystem;
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink(path, folder / "link.html");
    ReplaceFileContent(folder / "link.html", "new");
    EXPECT_TRUE(fs::is_symlink(folder / "link.html"));
    EXPECT_EQ(TempFolder::Read(path), "new");
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}
#endif

TEST(CreateFolderPath, CreatesEveryMissingLevelAndAcceptsExistingOnes) {
    TempFolder folder;
    std::string deep = folder / "a/b/c";
    CreateFolderPath(deep);
    CreateFolderPath(deep);
    EXPECT_TRUE(FolderExists(deep));
    folder.Write("file", "x");
    EXPECT_THROW(CreateFolderPath(folder / "file/below"), OsError);
}

TEST(AbsolutePath, PutsRelativePathsUnderTheCurrentFolder) {
    std::string absolute = AbsolutePath("some-name.html");
    EXPECT_NE(absolute, "some-name.html");
    EXPECT_TRUE(absolute.ends_with(std::string(1, kPathDelimiter) + "some-name.html")) << absolute;
    EXPECT_EQ(AbsolutePath(absolute), absolute);
}

TEST(FileExists, TellsFilesFromFolders) {
    TempFolder folder;
    std::string file = folder.Write("f.txt", "x");
    EXPECT_TRUE(FileExists(file));
    EXPECT_FALSE(FolderExists(file));
    EXPECT_TRUE(FolderExists(folder.Path()));
    EXPECT_FALSE(FileExists(folder.Path()));
    EXPECT_FALSE(FileExists(folder / "none"));
}

}  // namespace
}  // namespace pelmar::platform
