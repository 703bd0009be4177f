#include <gtest/gtest.h>

#include <random>
#include <string>

#include "util/FastStrings.h"

namespace pelmar {
namespace {

std::string randomText(std::mt19937& rng, std::size_t length, const std::string& alphabet) {
    std::string text;
    for (std::size_t i = 0; i < length; ++i)
        text += alphabet[rng() % alphabet.size()];
    return text;
}

// Plain left-to-right replace-all, letter case significant.
std::string naiveReplace(const std::string& text, const std::string& find, const std::string& replacement) {
    std::string result;
    std::size_t copied = 0;
    for (std::size_t at = text.find(find); at != std::string::npos; at = text.find(find, copied)) {
        result += text.substr(copied, at - copied) + replacement;
        copied = at + find.size();
    }
    return result + text.substr(copied);
}

TEST(TextPos, FindsFirstOccurrenceAtOrAfterStart) {
    EXPECT_EQ(TextPos("abcabc", "abc"), 1u);
    EXPECT_EQ(TextPos("abcabc", "abc", 2), 4u);
    EXPECT_EQ(TextPos("abcabc", "abc", 4), 4u);
    EXPECT_EQ(TextPos("abcabc", "abc", 5), 0u);
    EXPECT_EQ(TextPos("abcabc", "c", 6), 6u);
    EXPECT_EQ(TextPos("xxabab", "bab"), 4u);
}

TEST(TextPos, ReturnsZeroForEmptyOrLongerPatternsAndCaseMismatch) {
    EXPECT_EQ(TextPos("abc", ""), 0u);
    EXPECT_EQ(TextPos("abc", "abcd"), 0u);
    EXPECT_EQ(TextPos("", "a"), 0u);
    EXPECT_EQ(TextPos("ABC", "abc"), 0u);
    EXPECT_EQ(TextPos("abc", "abc", 100), 0u);
}

TEST(TextPos, AgreesWithPlainSearchOnRandomText) {
    std::mt19937 rng(7);
    for (int round = 0; round < 3000; ++round) {
        std::string text = randomText(rng, rng() % 40, std::string("ab\0c", 4));
        std::string find = randomText(rng, 1 + rng() % 4, std::string("ab\0c", 4));
        std::size_t start = 1 + rng() % (text.size() + 2);
        std::size_t expected = text.find(find, start - 1);
        ASSERT_EQ(TextPos(text, find, start), expected == std::string::npos ? 0 : expected + 1)
            << "text '" << text << "' find '" << find << "' start " << start;
    }
}

TEST(TextReplace, ReplacesEveryOccurrenceLeftToRightWithoutOverlap) {
    EXPECT_EQ(TextReplace("aaa", "aa", "b", true), "ba");
    EXPECT_EQ(TextReplace("one two one", "one", "1", true), "1 two 1");
    EXPECT_EQ(TextReplace("abc", "x", "y", true), "abc");
    EXPECT_EQ(TextReplace("", "a", "b", true), "");
    EXPECT_EQ(TextReplace("abc", "", "y", true), "abc");
}

TEST(TextReplace, NeverSearchesTheReplacementAgain) {
    EXPECT_EQ(TextReplace("a-a", "a", "aa", true), "aa-aa");
    EXPECT_EQ(TextReplace("CRLF CRLF", "CRLF ", "CRLF", true), "CRLFCRLF");
}

TEST(TextReplace, IgnoresLetterCaseOnlyWhenAsked) {
    EXPECT_EQ(TextReplace("CrLf crlf CRLF", "crlf", "#", false), "# # #");
    EXPECT_EQ(TextReplace("CrLf crlf CRLF", "crlf", "#", true), "CrLf # CRLF");
}

TEST(TextReplace, GrowsPastItsEstimateWhenTheReplacementIsLonger) {
    std::string text(10000, 'x');
    std::string result = TextReplace(text, "x", "<long>", true);
    EXPECT_EQ(result.size(), 60000u);
    EXPECT_EQ(result.substr(0, 12), "<long><long>");
}

TEST(TextReplace, AgreesWithPlainReplaceOnRandomText) {
    std::mt19937 rng(11);
    for (int round = 0; round < 3000; ++round) {
        std::string text = randomText(rng, rng() % 50, "abc");
        std::string find = randomText(rng, 1 + rng() % 3, "abc");
        std::string replacement = randomText(rng, rng() % 5, "abcX");
        ASSERT_EQ(TextReplace(text, find, replacement, true), naiveReplace(text, find, replacement))
            << "text '" << text << "' find '" << find << "'";
    }
}

}  // namespace
}  // namespace pelmar
