#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#ifdef _WIN32
#include <winerror.h>
#else
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#endif

#include "platform/Platform.h"
#include "tests/support/TempFolder.h"

namespace pelmar::platform {
namespace {

using testing::TempFolder;

TEST(ReadWholeFile, KeepsEveryByteIncludingNul) {
    TempFolder folder;
    std::string bytes("a\0b\r\nc\xff", 7);
    EXPECT_EQ(ReadWholeFile(folder.Write("f.bin", bytes)), bytes);
}

TEST(ReadWholeFile, ReadsOneByteBeyondTheLimitAndNoMore) {
    TempFolder folder;
    const std::string big = folder.Write("big.html", "0123456789");
    std::filesystem::resize_file(big, std::uintmax_t{4} << 30);  // sparse: nothing on disk
    EXPECT_EQ(ReadWholeFile(big, 4), "01234");
    EXPECT_EQ(ReadWholeFile(folder.Write("small.html", "abc"), 3), "abc");
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

// How the replace step fails: the system's error, and what it did to the files first.
struct StepFailure {
    const char* name;
    int error;
    std::function<void(const ReplaceNames&)> damage;
    const char* left;  // what the file's name must hold afterwards
};

const auto kLeaveAll = [](const ReplaceNames&) {};
const auto kLoseTheOriginal = [](const ReplaceNames& names) { std::filesystem::remove(names.target); };

std::vector<StepFailure> StepFailures() {
#ifdef _WIN32
    // As the system documents them for a replace with a backup name, and the state it
    // documents without one, where the original is gone.
    const auto moveOriginalToBackup = [](const ReplaceNames& names) {
        std::filesystem::rename(names.target, names.backup);
    };
    return {
        {"original not moved aside", ERROR_UNABLE_TO_REMOVE_REPLACED, kLeaveAll, "old"},
        {"replacement not moved, both names kept", ERROR_UNABLE_TO_MOVE_REPLACEMENT, kLeaveAll, "old"},
        {"replacement not moved, original gone", ERROR_UNABLE_TO_MOVE_REPLACEMENT, kLoseTheOriginal, "new"},
        {"replacement not moved, original under the backup name", ERROR_UNABLE_TO_MOVE_REPLACEMENT_2,
         moveOriginalToBackup, "old"},
        {"access denied", ERROR_ACCESS_DENIED, kLeaveAll, "old"},
        {"disk full", ERROR_DISK_FULL, kLeaveAll, "old"},
    };
#else
    return {
        {"input/output error", EIO, kLeaveAll, "old"},
        {"disk full", ENOSPC, kLeaveAll, "old"},
        {"another file system", EXDEV, kLeaveAll, "old"},
        {"original gone", EIO, kLoseTheOriginal, "new"},
    };
#endif
}

// Puts a replace step in place for one test and takes it out again.
class ReplaceStepFor {
public:
    explicit ReplaceStepFor(ReplaceStep step) : previous_(SetReplaceStep(std::move(step))) {}
    ~ReplaceStepFor() { SetReplaceStep(std::move(previous_)); }

private:
    ReplaceStep previous_;
};

TEST(ReplaceFileContent, AFailedReplaceStepLeavesOneWholeVersionUnderTheName) {
    for (const StepFailure& failure : StepFailures()) {
        TempFolder folder;
        const std::string path = folder.Write("page.html", "old");
        ReplaceStepFor step([&](const ReplaceNames& names) {
            EXPECT_EQ(names.target, path);
            failure.damage(names);
            return failure.error;
        });
        EXPECT_THROW(ReplaceFileContent(path, "new"), OsError) << failure.name;
        EXPECT_EQ(TempFolder::Read(path), failure.left) << failure.name;
        EXPECT_EQ(TempFolder::EntryCount(folder.Path()), 1u) << failure.name;
    }
}

#ifndef _WIN32
// Makes `folder` refuse new, renamed and removed entries, also for root, for as long as
// it lives.
class UnwritableFolder {
public:
    explicit UnwritableFolder(const std::string& folder) : fd_(::open(folder.c_str(), O_RDONLY | O_DIRECTORY)) {
        ::fchmod(fd_, 0555);
        int flags = 0;
        immutable_ = ::ioctl(fd_, FS_IOC_GETFLAGS, &flags) == 0 &&
                     ::ioctl(fd_, FS_IOC_SETFLAGS, &(flags |= FS_IMMUTABLE_FL)) == 0;
    }
    ~UnwritableFolder() {
        int flags = 0;
        if (immutable_ && ::ioctl(fd_, FS_IOC_GETFLAGS, &flags) == 0)
            ::ioctl(fd_, FS_IOC_SETFLAGS, &(flags &= ~FS_IMMUTABLE_FL));
        ::fchmod(fd_, 0755);
        ::close(fd_);
    }
    // Root writes into a folder without write permission all the same.
    bool Holds() const { return immutable_ || ::geteuid() != 0; }

private:
    int fd_;
    bool immutable_ = false;
};

// Writes beyond `bytes` fail in this process as on a full disk, for as long as it lives.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : previousSignal_(std::signal(SIGXFSZ, SIG_IGN)) {
        ::getrlimit(RLIMIT_FSIZE, &previous_);
        const rlimit limit{bytes, previous_.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousSignal_);
    }

private:
    rlimit previous_{};
    void (*previousSignal_)(int);
};

TEST(ReplaceFileContent, AFullDiskOrAReadOnlyFolderLeaveTheOriginalAndNoTemporaryFile) {
    TempFolder full;
    const std::string fullPath = full.Write("page.html", "old");
    {
        FileSizeLimit limit(4096);
        EXPECT_THROW(ReplaceFileContent(fullPath, std::string(8192, 'n')), OsError);
    }
    EXPECT_EQ(TempFolder::Read(fullPath), "old");
    EXPECT_EQ(TempFolder::EntryCount(full.Path()), 1u);

    TempFolder readOnly;
    const std::string readOnlyPath = readOnly.Write("page.html", "old");
    {
        UnwritableFolder unwritable(readOnly.Path());
        if (!unwritable.Holds())
            GTEST_SKIP() << "this system lets root write into any folder";
        EXPECT_THROW(ReplaceFileContent(readOnlyPath, "new"), OsError);
    }
    EXPECT_EQ(TempFolder::Read(readOnlyPath), "old");
    EXPECT_EQ(TempFolder::EntryCount(readOnly.Path()), 1u);
}

TEST(ReplaceFileContent, ANewVersionThatCannotTakeTheNameIsKeptAndNamed) {
    TempFolder folder;
    const std::string path = folder.Write("page.html", "old");
    std::optional<UnwritableFolder> unwritable;
    ReplaceStepFor step([&](const ReplaceNames& names) {
        std::filesystem::remove(names.target);
        unwritable.emplace(folder.Path());
        return EIO;
    });
    try {
        ReplaceFileContent(path, "new");
        FAIL() << "no error";
    } catch (const OsError& error) {
        if (!unwritable->Holds())
            GTEST_SKIP() << "this system lets root write into any folder";
        const std::string message = error.what();
        const std::size_t quote = message.find(" kept in \"");
        ASSERT_NE(quote, std::string::npos) << message;
        const std::string kept = message.substr(quote + 10, message.size() - quote - 12);
        EXPECT_EQ(TempFolder::Read(kept), "new") << message;
    }
}

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
