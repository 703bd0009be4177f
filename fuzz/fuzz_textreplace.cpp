// TextPos, TextReplace, ReplaceWhilePresent and ExpandLineBreaks on arbitrary input.
// Input: one byte for the length of the text to find, one for the replacement's, then
// the text to find, the replacement and the string.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "util/FastStrings.h"
#include "util/MovraTPU.h"

namespace {

std::string plainReplace(std::string_view text, std::string_view find, std::string_view replacement) {
    std::string result;
    std::size_t copied = 0;
    for (std::size_t at = text.find(find); at != std::string_view::npos; at = text.find(find, copied)) {
        result.append(text.substr(copied, at - copied)).append(replacement);
        copied = at + find.size();
    }
    return result.append(text.substr(copied));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    std::string_view input(reinterpret_cast<const char*>(data) + 2, size - 2);
    std::size_t findLength = std::min<std::size_t>(data[0] % 16, input.size());
    std::size_t replacementLength = std::min<std::size_t>(data[1] % 16, input.size() - findLength);
    std::string_view find = input.substr(0, findLength);
    std::string_view replacement = input.substr(findLength, replacementLength);
    std::string text(input.substr(findLength + replacementLength));

    std::size_t expected = find.empty() ? std::string::npos : text.find(find);
    if (pelmar::TextPos(text, find) != (expected == std::string::npos ? 0 : expected + 1))
        std::abort();
    if (!find.empty() && pelmar::TextReplace(text, find, replacement, true) != plainReplace(text, find, replacement))
        std::abort();
    // A replacement that differs from `find` in more than letter case changes every
    // occurrence; one that differs only in case may write back what the text held.
    std::string insensitive = pelmar::TextReplace(text, find, replacement, false);
    bool sameIgnoringCase =
        replacement.size() == find.size() && pelmar::TextReplace(replacement, find, "", false).empty();
    if (!find.empty() && text.find(find) != std::string::npos && insensitive == text && !sameIgnoringCase)
        std::abort();

    std::string replaced = text;
    bool ran = pelmar::ReplaceWhilePresent(replaced, find, replacement);
    if (ran != (pelmar::TextPos(text, find) != 0))
        std::abort();

    if (pelmar::TextPos(pelmar::ExpandLineBreaks(text), "CRLF") != 0)
        std::abort();
    return 0;
}
