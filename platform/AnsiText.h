#pragma once
// Walking text of the ANSI code page character by character, so that the second byte of a
// double-byte character is never taken for a path delimiter or cut off from its first.

#include <cstddef>
#include <string_view>

namespace pelmar::platform {

// The byte offset of the character after the one that starts at `at`. A lead byte at the
// very end of the text is a character of its own.
std::size_t NextCharacter(std::string_view text, std::size_t at);

// How many bytes the first `count` characters of `text` take (all of them when it has fewer).
std::size_t CharactersPrefix(std::string_view text, std::size_t count);

// The offset of the first path delimiter ("\" or "/" on Windows, "/" on POSIX) at or after
// `from`, or npos. `from` must start a character.
std::size_t FindPathDelimiter(std::string_view path, std::size_t from = 0);
// The offset of the last path delimiter, or npos.
std::size_t FindLastPathDelimiter(std::string_view path);
bool EndsWithPathDelimiter(std::string_view path);

}  // namespace pelmar::platform
