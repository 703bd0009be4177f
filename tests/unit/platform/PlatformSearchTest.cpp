#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "tests/support/TempFolder.h"

namespace pelmar::platform {
namespace {

using testing::TempFolder;

std::vector<std::string> sortedNames(const std::vector<DirEntry>& entries) {
    std::vector<std::string> names;
    for (const auto& entry : entries)
        names.push_back(entry.name);
    std::sort(names.begin(), names.end());
    return names;
}

const DirEntry& entryNamed(const std::vector<DirEntry>& entries, const std::string& name) {
    auto found = std::find_if(entries.begin(), entries.end(), [&](const DirEntry& e) { return e.name == name; });
    if (found == entries.end())
        throw std::runtime_error("no entry " + name);
    return *found;
}

TEST(FindEntries, MatchesWildcardsWithoutRegardToLetterCase) {
    TempFolder folder;
    folder.Write("a.html", "");
    folder.Write("B.HTML", "");
    folder.Write("c.htm", "");
    folder.Write("d.html.bak", "");
    folder.Write("noext", "");
    EXPECT_EQ(sortedNames(FindEntries(folder.Path(), "*.html")), (std::vector<std::string>{"B.HTML", "a.html"}));
    EXPECT_EQ(sortedNames(FindEntries(folder.Path(), "?.htm")), (std::vector<std::string>{"c.htm"}));
    std::vector<std::string> all = sortedNames(FindEntries(folder.Path(), "*.*"));
    EXPECT_NE(std::find(all.begin(), all.end(), "noext"), all.end());
    EXPECT_TRUE(FindEntries(folder / "missing/", "*.*").empty());
}

TEST(FindEntries, ReportsFoldersAndReadOnlyFiles) {
    TempFolder folder;
    folder.MakeFolder("sub.html");
    std::string locked = folder.Write("locked.html", "");
    folder.Write("plain.html", "");
    TempFolder::MakeReadOnly(locked);
    auto entries = FindEntries(folder.Path(), "*.html");
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_TRUE(entryNamed(entries, "sub.html").folder);
    EXPECT_TRUE(entryNamed(entries, "locked.html").readOnly);
    EXPECT_FALSE(entryNamed(entries, "plain.html").readOnly);
    EXPECT_FALSE(entryNamed(entries, "plain.html").folder);
}

#ifndef _WIN32
TEST(FindEntries, CountsDottedNamesAsHidden) {
    TempFolder folder;
    folder.Write(".secret.html", "");
    folder.Write("open.html", "");
    auto entries = FindEntries(folder.Path(), "*.html");
    EXPECT_TRUE(entryNamed(entries, ".secret.html").hidden);
    EXPECT_FALSE(entryNamed(entries, "open.html").hidden);
}
#endif

TEST(FolderIdentity, IsTheSameForTwoSpellingsOfOneFolder) {
    TempFolder folder;
    folder.MakeFolder("a");
    folder.MakeFolder("b");
    EXPECT_FALSE(FolderIdentity(folder / "a").empty());
    EXPECT_EQ(FolderIdentity(folder / "a"), FolderIdentity(folder / "a/../a"));
    EXPECT_NE(FolderIdentity(folder / "a"), FolderIdentity(folder / "b"));
    EXPECT_TRUE(FolderIdentity(folder / "missing").empty());
}

TEST(CompareFileNames, OrdersWithoutRegardToLetterCase) {
    EXPECT_LT(CompareFileNames("apple.html", "Banana.html"), 0);
    EXPECT_GT(CompareFileNames("Cherry.html", "banana.html"), 0);
    EXPECT_LT(CompareFileNames("a.html", "ab.html"), 0);
    EXPECT_EQ(CompareFileNames("same.html", "same.html"), 0);
}

TEST(UpperCaseTable, FoldsAsciiLettersAndLeavesOtherCharacters) {
    auto table = UpperCaseTable();
    EXPECT_EQ(table['a'], 'A');
    EXPECT_EQ(table['z'], 'Z');
    EXPECT_EQ(table['A'], 'A');
    EXPECT_EQ(table['1'], '1');
    EXPECT_EQ(table['{'], '{');
}

TEST(HighResolutionCounter, RunsForward) {
    auto first = HighResolutionCounter();
    ASSERT_TRUE(first.has_value());
    std::uint64_t later = *first;
    for (int i = 0; i < 1000000 && later == *first; ++i)
        later = *HighResolutionCounter();
    EXPECT_GT(later, *first);
}

}  // namespace
}  // namespace pelmar::platform
