#include "engine/AltTags.h"

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

// Does the literal found at `start` lie wholly before the tag's ">" at `tagEnd`?
bool endsBefore(std::size_t start, std::string_view literal, std::size_t tagEnd) {
    return start != npos && start + literal.size() <= tagEnd;
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
    NextOccurrence tagStart(text, kTagStart), tagEnd(text, kTagEnd), alt(text, kAltAttribute),
        spacedAlt(text, kSpacedAltAttribute), anchor(text, kInsertionAnchor);
    for (std::size_t start = tagStart.from(0); start != npos; start = tagStart.from(start + kTagStart.size())) {
        std::size_t end = tagEnd.from(start + 1);
        if (end == npos)
            break;  // no ">" follows this tag start, nor any later one
        if (!insertions.empty() && insertions.back().at > start)
            continue;
        if (endsBefore(alt.from(start), kAltAttribute, end) || endsBefore(spacedAlt.from(start), kSpacedAltAttribute, end))
            continue;
        std::size_t quote = anchor.from(start);
        std::size_t at = endsBefore(quote, kInsertionAnchor, end) ? quote + kInsertionAnchor.size()
                                                                  : start + kTagStart.size();
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
    std::string result;
    result.reserve(size);
    std::size_t copied = 0;
    for (const auto& insertion : insertions) {
        result.append(text.substr(copied, insertion.at - copied));
        result.append(opening).append(phraseAt(phrases, insertion.phrase)).append(closing);
        copied = insertion.at;
    }
    result.append(text.substr(copied));
    return result;
}

}  // namespace

AltTagResult InsertAltTags(std::string_view text, const PhraseList& phrases, RandomGenerator& random) {
    std::vector<Insertion> insertions = findInsertions(text, phrases.size(), random);
    return {assemble(text, insertions, phrases), static_cast<std::int32_t>(insertions.size())};
}

}  // namespace pelmar
