// The portable core's Win32 side against the real API: attributes set with
// SetFileAttributesA, version resource, module path, sharing modes.

#include "platform/Win.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/ProcessFile.h"
#include "engine/TextFile.h"
#include "platform/Platform.h"
#include "tests/support/TempFolder.h"
#include "util/MovraTPU.h"

namespace pelmar {
namespace {

using testing::TempFolder;

void setAttributes(const std::string& path, DWORD attributes) {
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), attributes)) << path;
}

TEST(Win32Foundation, AppDirIsTheModulesFolder) {
    char module[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    std::string path = module;
    EXPECT_EQ(GetAppDir(), path.substr(0, path.rfind('\\') + 1));
}

TEST(Win32Foundation, VersionComesFromTheExecutablesResource) { EXPECT_EQ(GetAppVersion(), "1.0.0.19"); }

TEST(Win32Foundation, FindFilesListsFilesOfEveryAttributeButSkipsHiddenAndSystemFolders) {
    TempFolder folder;
    std::string hidden = folder.Write("hidden.html", "h");
    std::string system = folder.Write("system.html", "s");
    std::string readOnly = folder.Write("readonly.html", "r");
    folder.Write("visible/inside.html", "v");
    folder.Write("hiddendir/skipped.html", "x");
    folder.Write("systemdir/skipped.html", "x");
    setAttributes(hidden, FILE_ATTRIBUTE_HIDDEN);
    setAttributes(system, FILE_ATTRIBUTE_SYSTEM);
    setAttributes(readOnly, FILE_ATTRIBUTE_READONLY);
    setAttributes(folder / "hiddendir", FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN);
    setAttributes(folder / "systemdir", FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_SYSTEM);

    std::vector<std::string> list;
    FindFiles(folder.Path(), "*.html", list);
    ASSERT_EQ(list.size(), 4u);
    std::vector<std::string> top(list.begin(), list.begin() + 3);
    std::sort(top.begin(), top.end());
    EXPECT_EQ(top, (std::vector<std::string>{hidden, readOnly, system}));
    EXPECT_EQ(list[3], folder / "visible/inside.html");

    for (const auto& entry : platform::FindEntries(folder.Path(), "*.html")) {
        EXPECT_EQ(entry.hidden, entry.name == "hidden.html") << entry.name;
        EXPECT_EQ(entry.system, entry.name == "system.html") << entry.name;
        EXPECT_EQ(entry.readOnly, entry.name == "readonly.html") << entry.name;
    }
}

TEST(Win32Foundation, ReplacingAFileKeepsItsAttributes) {
    TempFolder folder;
    std::string path = folder.Write("page.html", "<img src=\"a\" >");
    const DWORD attributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE;
    setAttributes(path, attributes);
    RandomGenerator random;
    auto result = ProcessFile(path, {"k"}, random);
    EXPECT_TRUE(result.written);
    EXPECT_EQ(TempFolder::Read(path), "<img src=\"a\" alt=\"k\" >");
    EXPECT_EQ(GetFileAttributesA(path.c_str()) & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                                   FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE),
              attributes);
    EXPECT_EQ(TempFolder::EntryCount(folder.Path()), 1u);
}

TEST(Win32Foundation, AReadOnlyFileFailsWithCannotCreateAndStaysUntouched) {
    TempFolder folder;
    std::string path = folder.Write("locked.html", "<img src=\"a\" >");
    setAttributes(path, FILE_ATTRIBUTE_READONLY);
    RandomGenerator random;
    try {
        ProcessFile(path, {"k"}, random);
        FAIL() << "no error";
    } catch (const EFCreateError& error) {
        std::string prefix = "Cannot create file \"" + path + "\". ";
        std::string message = error.what();
        EXPECT_EQ(message.substr(0, prefix.size()), prefix);
        EXPECT_GT(message.size(), prefix.size()) << "no system description";
    }
    EXPECT_EQ(TempFolder::Read(path), "<img src=\"a\" >");
    EXPECT_EQ(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_READONLY, DWORD{FILE_ATTRIBUTE_READONLY});
    EXPECT_EQ(TempFolder::EntryCount(folder.Path()), 1u);
}

TEST(Win32Foundation, AFileOpenedByAnotherProgramIsNeitherReadNorReplacedAgainstItsSharing) {
    TempFolder folder;
    std::string path = folder.Write("busy.html", "<img src=\"a\" >");
    HANDLE exclusive = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(exclusive, INVALID_HANDLE_VALUE);
    EXPECT_THROW(LoadTextFile(path), EFOpenError);
    CloseHandle(exclusive);

    HANDLE reader = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    EXPECT_THROW(SaveTextFile(path, "new"), EFCreateError);
    CloseHandle(reader);
    EXPECT_EQ(TempFolder::Read(path), "<img src=\"a\" >");
    EXPECT_EQ(TempFolder::EntryCount(folder.Path()), 1u);
}

}  // namespace
}  // namespace pelmar
