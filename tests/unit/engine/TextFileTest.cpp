#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <random>
#include <string>

#include "engine/KeywordList.h"
#include "engine/TextFile.h"
#include "platform/Platform.h"
#include "tests/support/TempFolder.h"

namespace pelmar {
namespace {

using testing::TempFolder;

TEST(NormalizeLineBreaks, MakesEveryKindOfLineBreakCrLfAndNothingElse) {
    EXPECT_EQ(NormalizeLineBreaks("a\nb\rc\r\nd"), "a\r\nb\r\nc\r\nd");
    EXPECT_EQ(NormalizeLineBreaks("\r\r\n\n\r"), "\r\n\r\n\r\n\r\n");
    EXPECT_EQ(NormalizeLineBreaks("end\n"), "end\r\n");
    EXPECT_EQ(NormalizeLineBreaks("no break"), "no break");
    EXPECT_EQ(NormalizeLineBreaks(std::string("\0\n", 2)), std::string("\0\r\n", 3));
}

// Byte by byte, as the rule reads: the fast scan must give the same text.
std::string normalizedByteByByte(std::string_view text) {
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            result += "\r\n";
            i += text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
        } else {
            result += text[i];
        }
    }
    return result;
}

TEST(NormalizeLineBreaks, AgreesWithTheByteByByteRuleAndKnowsWhenNothingChanges) {
    std::mt19937 random(7);
    const char alphabet[] = {'a', '\r', '\n', '\0', ' '};
    for (int round = 0; round < 3000; ++round) {
        std::string text(random() % 40, 'a');
        for (char& c : text)
            c = alphabet[random() % 5];
        // Long stretches between breaks, as in real pages, now and then.
        if (round % 10 == 0)
            text.insert(random() % (text.size() + 1), std::string(300, 'x'));
        const std::string expected = normalizedByteByByte(text);
        ASSERT_EQ(NormalizeLineBreaks(text), expected) << ::testing::PrintToString(text);
        ASSERT_EQ(HasOnlyCrLfLineBreaks(text), expected == text) << ::testing::PrintToString(text);
    }
}

TEST(TextFile, LoadsWithCrLfAndSavesByteForByte) {
    TempFolder folder;
    std::string path = folder.Write("t.txt", "one\ntwo\rthree");
    EXPECT_EQ(LoadTextFile(path), "one\r\ntwo\r\nthree");
    SaveTextFile(path, "saved\r\nno final break");
    EXPECT_EQ(TempFolder::Read(path), "saved\r\nno final break");
}

TEST(TextFile, NamesTheFullPathAndTheReasonWhenItCannotOpen) {
    TempFolder folder;
    const std::string path = folder / "missing.html";
    try {
        LoadTextFile(path);
        FAIL() << "no error";
    } catch (const EFOpenError& error) {
        std::string prefix = "Cannot open file \"" + path + "\". ";
        std::string message = error.what();
        EXPECT_EQ(message.substr(0, prefix.size()), prefix);
        EXPECT_GT(message.size(), prefix.size());
    }
}

TEST(TextFile, NamesTheFullPathWhenItCannotCreateAndKeepsAWholeVersion) {
    struct Case {
        const char* name;
        std::function<void(const std::string& path)> prepare;
        platform::ReplaceStep step;
        const char* left;
    };
    const Case cases[] = {
        {"read-only file", TempFolder::MakeReadOnly, {}, "old"},
        {"original lost by the system's replace", [](const std::string&) {},
         [](const platform::ReplaceNames& names) {
             std::filesystem::remove(names.target);
             return 5;  // access denied on Windows, an input/output error on POSIX
         },
         "new"},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        std::string path = folder.Write("locked.txt", "old");
        c.prepare(path);
        platform::ReplaceStep previous = platform::SetReplaceStep(c.step);
        try {
            SaveTextFile(path, "new");
            ADD_FAILURE() << c.name << ": no error";
        } catch (const EFCreateError& error) {
            EXPECT_EQ(std::string(error.what()).rfind("Cannot create file \"" + path + "\". ", 0), 0u) << error.what();
        }
        platform::SetReplaceStep(std::move(previous));
        EXPECT_EQ(TempFolder::Read(path), c.left) << c.name;
        EXPECT_EQ(TempFolder::EntryCount(folder.Path()), 1u) << c.name;
    }
}

TEST(KeywordList, HoldsTheSingleDefaultPhraseKeywords) {
    EXPECT_EQ(KeywordList().Lines(), PhraseList{"keywords"});
}

TEST(KeywordList, CountsLinesWithoutAnEmptyLastOne) {
    KeywordList list;
    list.SetText("one\r\ntwo\r\nthree\r\n");
    EXPECT_EQ(list.Lines(), (PhraseList{"one", "two", "three"}));
    list.SetText("one\r\n\r\nthree");
    EXPECT_EQ(list.Lines(), (PhraseList{"one", "", "three"}));
    list.SetText("lone\rcr\nlf");
    EXPECT_EQ(list.Lines(), (PhraseList{"lone", "cr", "lf"}));
    list.SetText("");
    EXPECT_TRUE(list.Lines().empty());
    list.SetText("\r\n");
    EXPECT_EQ(list.Lines(), PhraseList{""});
    list.SetText("  spaced  ");
    EXPECT_EQ(list.Lines(), PhraseList{"  spaced  "});
}

TEST(KeywordList, CutsLongLinesToTheirFirst4096Characters) {
    KeywordList list;
    list.SetText(std::string(5000, 'k') + "\r\nshort");
    PhraseList lines = list.Lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], std::string(4096, 'k'));
    EXPECT_EQ(lines[1], "short");
}

TEST(KeywordList, LoadsWithCrLfAndSavesBackExactly) {
    TempFolder folder;
    std::string path = folder.Write("Keywords.txt", "red apples\nblue sky\n");
    KeywordList list;
    ASSERT_TRUE(list.LoadFrom(path));
    EXPECT_EQ(list.Text(), "red apples\r\nblue sky\r\n");
    EXPECT_EQ(list.Lines(), (PhraseList{"red apples", "blue sky"}));
    list.SetText("typed\r\nno break at end");
    list.SaveTo(path);
    EXPECT_EQ(TempFolder::Read(path), "typed\r\nno break at end");
}

TEST(KeywordList, KeepsItsTextWhenTheFileIsMissing) {
    TempFolder folder;
    KeywordList list;
    EXPECT_FALSE(list.LoadFrom(folder / "Keywords.txt"));
    EXPECT_EQ(list.Text(), "keywords");
}

TEST(KeywordList, LivesBesideTheProgram) {
    EXPECT_EQ(KeywordFilePath(), platform::ProgramPath().substr(0, platform::ProgramPath().rfind(
                                                                        platform::kPathDelimiter) + 1) +
                                     "Keywords.txt");
}

}  // namespace
}  // namespace pelmar
