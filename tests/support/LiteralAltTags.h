#pragma once
// The tag insertion steps applied literally: every attribute is inserted into the text
// in place, shifting the rest of it, which makes a large file with many tags quadratic.
// Kept as the baseline of the engine benchmark and as the reference that the engine's
// tests and fuzz target compare the linear implementation with. It carries the same
// mended faults: inserted text is never matched, a tag without a quote-space anchor
// gets the attribute after "<img ", and a tag start without ">" is left alone.

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "engine/AltTags.h"

namespace pelmar::testing {

inline AltTagResult LiteralInsertAltTags(std::string text, const PhraseList& phrases, RandomGenerator& random) {
    AltTagResult result;
    std::vector<std::pair<std::size_t, std::size_t>> inserted;  // [begin, end), in text order
    std::size_t nextRange = 0;
    std::size_t searchFrom = 0;
    for (;;) {
        std::size_t start = text.find("<img ", searchFrom);
        if (start == std::string::npos)
            break;
        while (nextRange < inserted.size() && inserted[nextRange].second <= start)
            ++nextRange;
        if (nextRange < inserted.size() && inserted[nextRange].first <= start) {
            searchFrom = start + 1;  // inside an attribute inserted by this pass
            continue;
        }
        searchFrom = start + 5;
        std::size_t end = text.find('>', start + 1);
        if (end == std::string::npos)
            continue;
        std::string tag = text.substr(start, end - start + 1);
        if (tag.find("alt=") != std::string::npos || tag.find("alt =") != std::string::npos)
            continue;
        std::size_t quote = tag.find("\" ");
        std::size_t at = quote == std::string::npos ? start + 5 : start + quote + 2;
        std::uint32_t index = random.Draw(static_cast<std::uint32_t>(phrases.size()));
        std::string attribute = "alt=\"" + (phrases.empty() ? std::string() : phrases[index]) + "\" ";
        text.insert(at, attribute);
        inserted.emplace_back(at, at + attribute.size());
        ++result.count;
    }
    result.text = std::move(text);
    return result;
}

}  // namespace pelmar::testing
