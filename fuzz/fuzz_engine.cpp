// InsertAltTags with line-break normalisation and phrase lists, against the literal
// insert-and-shift steps. Input: 4 bytes of seed, then the keyword box's text up to the
// first 0x01 byte, then the HTML text.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "tests/support/LiteralAltTags.h"
#include "engine/AltTags.h"
#include "engine/KeywordList.h"
#include "engine/TextFile.h"

constexpr std::size_t kLargestCompared = 64 * 1024;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4)
        return 0;
    std::uint32_t seed = 0;
    std::memcpy(&seed, data, 4);
    std::string_view rest(reinterpret_cast<const char*>(data) + 4, size - 4);
    std::size_t split = rest.find('\x01');
    std::string_view keywordText = split == std::string_view::npos ? std::string_view() : rest.substr(0, split);
    std::string_view html = split == std::string_view::npos ? rest : rest.substr(split + 1);

    pelmar::KeywordList keywords;
    keywords.SetText(pelmar::NormalizeLineBreaks(keywordText));
    const pelmar::PhraseList phrases = keywords.Lines();
    for (const auto& phrase : phrases)
        if (phrase.size() > pelmar::KeywordList::kMaxLineLength || phrase.find_first_of("\r\n") != std::string::npos)
            std::abort();

    const std::string text = pelmar::NormalizeLineBreaks(html);
    pelmar::RandomGenerator fast, literal;
    fast.Seed(seed);
    literal.Seed(seed);
    pelmar::AltTagResult actual = pelmar::InsertAltTags(text, phrases, fast);
    // The literal steps are quadratic: a large input would time the reference, not the engine.
    if (text.size() <= kLargestCompared) {
        pelmar::AltTagResult expected = pelmar::testing::LiteralInsertAltTags(text, phrases, literal);
        if (actual.text != expected.text || actual.count != expected.count || fast.State() != literal.State())
            std::abort();
    }
    // Nothing is lost: the new text is never shorter, and one attribute per counted tag.
    if (actual.text.size() < text.size() || (actual.count == 0) != (actual.text == text))
        std::abort();
    return 0;
}
