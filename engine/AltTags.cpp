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

// The occurrences of one literal, asked for at positions and limits that only ever grow.
// Each part of the text is searched once in all, so a whole text takes time linear in its
// length; and a literal asked for within tags only is never looked for between them,
// where a page's prose would stop the search at every "a" of "alt=". The literal is a
// template argument so that comparing it compiles to a few instructions.
template <const std::string_view& literal_>
class NextOccurrence {
public:
    explicit NextOccurrence(std::string_view text) : text_(text) {}

    // The first occurrence at or after `position` that ends by `limit`, or npos.
    std::size_t from(std::size_t position, std::size_t limit = npos) {
        limit = std::min(limit, text_.size());
        if (found_ == npos || found_ < position) {
            found_ = text_.substr(0, limit).find(literal_, std::max(position, searched_));
            if (found_ == npos && limit >= literal_.size())
                searched_ = std::max(searched_, limit - literal_.size() + 1);
        }
        return found_ != npos && found_ + literal_.size() <= limit ? found_ : npos;
    }

private:
    std::string_view text_;
    std::size_t found_ = npos;   // the first occurrence at or after the last position asked
    std::size_t searched_ = 0;   // no occurrence starts between that position and this one
};

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
    NextOccurrence<kTagStart> tagStart(text);
    NextOccurrence<kTagEnd> tagEnd(text);
    NextOccurrence<kAltAttribute> alt(text);
    NextOccurrence<kSpacedAltAttribute> spacedAlt(text);
    NextOccurrence<kInsertionAnchor> anchor(text);
    for (std::size_t start = tagStart.from(0); start != npos; start = tagStart.from(start + kTagStart.size())) {
        std::size_t end = tagEnd.from(start + 1);
        if (end == npos)
            break;  // no ">" follows this tag start, nor any later one
        if (!insertions.empty() && insertions.back().at > start)
            continue;
        if (alt.from(start, end) != npos || spacedAlt.from(start, end) != npos)
            continue;
        std::size_t quote = anchor.from(start, end);
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
