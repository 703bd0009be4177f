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

}  // namespace

// Works on positions of the original text. An attribute inserted for a tag lands inside
// that tag, before its ">"; a later "<img " within the same tag therefore has that
// attribute - and so "alt=" - in its tag text, and stays as it is. Any other tag's text
// is original text only, which lets every search run over the original.
AltTagResult InsertAltTags(std::string_view text, const PhraseList& phrases, RandomGenerator& random) {
    AltTagResult result;
    result.text.reserve(text.size() + text.size() / 16);
    NextOccurrence tagStart(text, kTagStart), tagEnd(text, kTagEnd), alt(text, kAltAttribute),
        spacedAlt(text, kSpacedAltAttribute), anchor(text, kInsertionAnchor);
    std::size_t copied = 0;         // the original text before this index is in the result
    std::size_t lastInsertion = 0;  // original index the last attribute went in front of
    for (std::size_t start = tagStart.from(0); start != npos; start = tagStart.from(start + kTagStart.size())) {
        std::size_t end = tagEnd.from(start + 1);
        if (end == npos)
            break;  // no ">" follows this tag start, nor any later one
        if (lastInsertion > start)
            continue;
        if (endsBefore(alt.from(start), kAltAttribute, end) || endsBefore(spacedAlt.from(start), kSpacedAltAttribute, end))
            continue;
        std::size_t quote = anchor.from(start);
        std::size_t insertAt = endsBefore(quote, kInsertionAnchor, end) ? quote + kInsertionAnchor.size()
                                                                          : start + kTagStart.size();
        std::uint32_t index = random.Draw(static_cast<std::uint32_t>(phrases.size()));
        result.text.append(text.substr(copied, insertAt - copied));
        result.text.append("alt=\"");
        if (!phrases.empty())
            result.text.append(phrases[index]);
        result.text.append("\" ");
        copied = lastInsertion = insertAt;
        ++result.count;
    }
    result.text.append(text.substr(copied));
    return result;
}

}  // namespace pelmar
