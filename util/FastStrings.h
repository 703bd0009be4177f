#pragma once
// Fast search and replace-all over 8-bit text (Boyer–Moore–Horspool). Positions are
// 1-based; 0 means "not found".

#include <cstddef>
#include <string>
#include <string_view>

namespace pelmar {

// Position of the first occurrence of `find` in `text` at or after position `start`
// (at least 1), letter case significant; 0 when there is none, when `find` is empty or
// when it is longer than `text`.
std::size_t TextPos(std::string_view text, std::string_view find, std::size_t start = 1);

// A copy of `text` with every occurrence of `find` replaced by `replacement`, scanning
// from left to right and going on directly after each replacement, so occurrences never
// overlap and a replacement is never searched again in the same call. Without
// `caseSensitive` both sides are compared through the system's upper-case table.
std::string TextReplace(std::string_view text, std::string_view find, std::string_view replacement,
                        bool caseSensitive);

}  // namespace pelmar
