#include <gtest/gtest.h>

#include <random>
#include <string>

#include "tests/support/LiteralAltTags.h"
#include "engine/AltTags.h"

namespace pelmar {
namespace {

AltTagResult insert(std::string_view text, const PhraseList& phrases = {"keywords"}, std::uint32_t seed = 0) {
    RandomGenerator random;
    random.Seed(seed);
    return InsertAltTags(text, phrases, random);
}

TEST(InsertAltTags, PutsTheAttributeAfterTheFirstQuotedValueThatASpaceFollows) {
    auto result = insert(R"(<img src="images/dummy.png" width="411" height="193">)");
    EXPECT_EQ(result.text, R"(<img src="images/dummy.png" alt="keywords" width="411" height="193">)");
    EXPECT_EQ(result.count, 1);
}

TEST(InsertAltTags, LeavesTagsWithAnAltAttributeAndGoesOnAfterThem) {
    auto result = insert(R"(<img alt="x" src="a.gif" border="0"> <img src="b.gif" border="0">)");
    EXPECT_EQ(result.text, R"(<img alt="x" src="a.gif" border="0"> <img src="b.gif" alt="keywords" border="0">)");
    EXPECT_EQ(result.count, 1);
}

TEST(InsertAltTags, RecognisesAltOnlyAsWrittenInLowerCaseWithAtMostOneSpace) {
    EXPECT_EQ(insert(R"(<img src="a" title="salt=1" >)").count, 0);  // inside another value
    EXPECT_EQ(insert(R"(<img src="a" alt ="b" >)").count, 0);
    EXPECT_EQ(insert(R"(<img src="a" alt  ="b" >)").count, 1);
    EXPECT_EQ(insert(R"(<img src="a" ALT="b" >)").text, R"(<img src="a" alt="keywords" ALT="b" >)");
}

TEST(InsertAltTags, FindsOnlyLowerCaseTagStartsFollowedByASpace) {
    for (const char* text : {R"(<IMG src="a" >)", "<img\nsrc=\"a\" >", "<img\tsrc=\"a\" >", "<image src=\"a\" >"})
        EXPECT_EQ(insert(text).count, 0) << text;
    EXPECT_EQ(insert(R"(<img src="a" >)").text, R"(<img src="a" alt="keywords" >)");
}

TEST(InsertAltTags, DrawsAPhraseForEveryTagInOrder) {
    PhraseList phrases = {"zero", "one", "two"};
    auto result = insert(R"(<img src="a" ><img src="b" ><img src="c" >)", phrases, 0);
    // Seed 0 draws indexes 0, 0, 2 from three phrases.
    EXPECT_EQ(result.text, R"(<img src="a" alt="zero" ><img src="b" alt="zero" ><img src="c" alt="two" >)");
    EXPECT_EQ(result.count, 3);
    auto other = insert(R"(<img src="a" ><img src="b" ><img src="c" >)", phrases, 12345);
    EXPECT_EQ(other.text, R"(<img src="a" alt="one" ><img src="b" alt="zero" ><img src="c" alt="zero" >)");
}

TEST(InsertAltTags, InsertsPhrasesUnchangedAndAnEmptyListAsEmptyAttributes) {
    EXPECT_EQ(insert(R"(<img src="a" >)", {R"( say "hi" )"}).text, R"(<img src="a" alt=" say "hi" " >)");
    EXPECT_EQ(insert(R"(<img src="a" >)", {}).text, R"(<img src="a" alt="" >)");
    EXPECT_EQ(insert(R"(<img src="a" >)", {""}).text, R"(<img src="a" alt="" >)");
}

TEST(InsertAltTags, HandlesATagAtTheVeryStartAndLeavesTextWithoutTagsAlone) {
    EXPECT_EQ(insert(R"(<img src="a" >rest)").text, R"(<img src="a" alt="keywords" >rest)");
    EXPECT_EQ(insert(R"(ab<img src="a" >)").text, R"(ab<img src="a" alt="keywords" >)");
    auto plain = insert("no tags\r\nat all");
    EXPECT_EQ(plain.text, "no tags\r\nat all");
    EXPECT_EQ(plain.count, 0);
}

TEST(InsertAltTags, NeverMatchesATagStartInsideAnInsertedPhrase) {
    auto result = insert(R"(<img src="a" > <img src="b" >)", {"<img x"});
    EXPECT_EQ(result.text, R"(<img src="a" alt="<img x" > <img src="b" alt="<img x" >)");
    EXPECT_EQ(result.count, 2);
    auto noAnchor = insert("<img src=a>", {"<img "});
    EXPECT_EQ(noAnchor.text, R"(<img alt="<img " src=a>)");
    EXPECT_EQ(noAnchor.count, 1);
}

TEST(InsertAltTags, StillFindsATagStartInsideTheTagJustHandled) {
    EXPECT_EQ(insert(R"(<img src="x" <img src="y" >)").text,
              R"(<img src="x" alt="keywords" <img src="y" alt="keywords" >)");
    // Here the inner start's tag text holds the attribute just inserted, so it stays.
    auto spanning = insert(R"(<img a=<img src="x" y>)");
    EXPECT_EQ(spanning.text, R"(<img a=<img src="x" alt="keywords" y>)");
    EXPECT_EQ(spanning.count, 1);
}

TEST(InsertAltTags, PutsTheAttributeAfterTheTagStartWhenNoQuoteIsFollowedByASpace) {
    EXPECT_EQ(insert("<img src=a.gif>").text, R"(<img alt="keywords" src=a.gif>)");
    EXPECT_EQ(insert(R"(<img src="a.gif">)").text, R"(<img alt="keywords" src="a.gif">)");
    EXPECT_EQ(insert("<img src=\"a.gif\"\r\n>").count, 1);
}

TEST(InsertAltTags, LeavesATagStartWithoutClosingBracketAloneAndUncounted) {
    auto result = insert(R"(<img src="a" alt="ok"> then <img src="b" and no end)");
    EXPECT_EQ(result.text, R"(<img src="a" alt="ok"> then <img src="b" and no end)");
    EXPECT_EQ(result.count, 0);
}

TEST(InsertAltTags, KeepsNulBytes) {
    std::string text("a\0<img src=\"\0\" >\0z", 18);
    std::string expected("a\0<img src=\"\0\" alt=\"keywords\" >\0z", 33);
    EXPECT_EQ(insert(text).text, expected);
}

// Random texts built from the pieces that matter, against the steps applied literally.
std::string randomHtml(std::mt19937& rng) {
    static const std::vector<std::string> pieces = {"<img ", "<img ", ">", "\"", "\" ", " ", "alt=", "alt =",
                                                    "x", "src=\"a\" ", "<img", "\r\n", std::string(1, '\0')};
    std::string text;
    for (std::size_t i = 0, n = rng() % 30; i < n; ++i)
        text += pieces[rng() % pieces.size()];
    return text;
}

TEST(InsertAltTags, GivesWhatTheLiteralStepsGiveOnRandomTexts) {
    std::mt19937 rng(2024);
    const std::vector<PhraseList> lists = {{}, {"k"}, {"<img ", ">", "\" "}, {"a>b", "alt=", ""}};
    for (int round = 0; round < 20000; ++round) {
        std::string text = randomHtml(rng);
        const PhraseList& phrases = lists[rng() % lists.size()];
        std::uint32_t seed = rng();
        RandomGenerator fast, literal;
        fast.Seed(seed);
        literal.Seed(seed);
        auto expected = testing::LiteralInsertAltTags(text, phrases, literal);
        auto actual = InsertAltTags(text, phrases, fast);
        ASSERT_EQ(actual.text, expected.text) << "input: " << text;
        ASSERT_EQ(actual.count, expected.count) << "input: " << text;
        ASSERT_EQ(fast.State(), literal.State());
    }
}

}  // namespace
}  // namespace pelmar
