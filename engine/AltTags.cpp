#include "engine/AltTags.h"

#include <algorithm>

namespace pelmar {
namespace {

constexpr std::string_view kTagStart = "<img ";
constexpr std::string_view kTagEnd = ">";
constexpr std::string_view kAltAttribute = "alt=";
constexpr std::string_view kSpacedAltAttribute = "alt =";
constexpr std::string_view kInsertionAnchor = "\" ";
constexpr std::size_t npos = std::string_view::npos;

// The next occurrence of one literal at or after a position that only ever grows, so
// each literal's search walks the text once in all.
class NextOccurrence {
public:
    NextOccurrence(std::string_view text, std::string_view literal) : text_(text), literal_(literal) {}

    std::size_t from(std::size_t position) {
        if (!searched_ || found_ < position) {
            found_ = text_.find(literal_, position);
            searched_ = true;
        }
        return found_;
    }

private:
    std::string_view text_;
    std::string_view literal_;
    std::size_t found_ = 0;
    bool searched_ = false;
};

// Is the literal anywhere in the tag from `start` to its ">" at `tagEnd`? Searching only
// the tag, instead of the whole text for literals that most tags lack, keeps the search
// from stopping at every "a" of the page's text.
bool inTag(std::string_view text, std::string_view literal, std::size_t start, std::size_t tagEnd) {
    return text.substr(0, tagEnd).find(literal, start) != npos;
}

struct Insertion {
    std::size_t at;       // original index the attribute goes in front of
    std::uint32_t phrase;  // drawn index into the phrase list
};

// Works on positions of the original text. An attribute inserted for a tag lands inside
// that tag, before its ">"; a later "<img " within the same tag therefore has that
// attribute - and so "alt=" - in its tag text, and stays as it is. Any other tag's text
// is original text only, which lets every search run over the original.
std::vector<Insertion> findInsertions(std::string_view text, std::size_t phraseCount, RandomGenerator& random) {
    std::vector<Insertion> insertions;
    NextOccurrence tagStart(text, kTagStart), tagEnd(text, kTagEnd);
    for (std::size_t start = tagStart.from(0); start != npos; start = tagStart.from(start + kTagStart.size())) {
        std::size_t end = tagEnd.from(start + 1);
        if (end == npos)
            break;  // no ">" follows this tag start, nor any later one
        if (!insertions.empty() && insertions.back().at > start)
            continue;
        if (inTag(text, kAltAttribute, start, end) || inTag(text, kSpacedAltAttribute, start, end))
            continue;
        std::size_t quote = text.substr(0, end).find(kInsertionAnchor, start);
        std::size_t at = quote != npos ? quote + kInsertionAnchor.size() : start + kTagStart.size();
        insertions.push_back({at, random.Draw(static_cast<std::uint32_t>(phraseCount))});
    }
    return insertions;
}

std::string_view phraseAt(const PhraseList& phrases, std::uint32_t index) {
    return phrases.empty() ? std::string_view() : std::string_view(phrases[index]);
}

// The new text, allocated once at its final size: large files are not copied twice.
std::string assemble(std::string_view text, const std::vector<Insertion>& insertions, const PhraseList& phrases) {
    constexpr std::string_view opening = "alt=\"", closing = "\" ";
    std::size_t size = text.size();
    for (const auto& insertion : insertions)
        size += opening.size() + phraseAt(phrases, insertion.phrase).size() + closing.size();
    std::string result(size, '\0');
    char* out = result.data();
    auto put = [&out](std::string_view piece) { out = std::copy(piece.begin(), piece.end(), out); };
    std::size_t copied = 0;
    for (const auto& insertion : insertions) {
        put(text.substr(copied, insertion.at - copied));
        put(opening);
        put(phraseAt(phrases, insertion.phrase));
        put(closing);
        copied = insertion.at;
    }
    put(text.substr(copied));
    return result;
}

}  // namespace

AltTagResult InsertAltTags(std::string_view text, const PhraseList& phrases, RandomGenerator& random) {
    std::vector<Insertion> insertions = findInsertions(text, phrases.size(), random);
    return {assemble(text, insertions, phrases), static_cast<std::int32_t>(insertions.size())};
}

}  // namespace pelmar
