#include "platform/AnsiText.h"

#include "platform/Platform.h"

namespace pelmar::platform {
namespace {

bool IsPathDelimiter(char c) { return c == kPathDelimiter || c == '/'; }

}  // namespace

std::size_t NextCharacter(std::string_view text, std::size_t at) {
    return at + (IsLeadByte(text[at]) && at + 1 < text.size() ? 2 : 1);
}

std::size_t CharactersPrefix(std::string_view text, std::size_t count) {
    if (text.size() <= count) return text.size();  // no character is shorter than a byte
    std::size_t at = 0;
    for (; count > 0 && at < text.size(); --count) at = NextCharacter(text, at);
    return at;
}

std::size_t FindPathDelimiter(std::string_view path, std::size_t from) {
    for (std::size_t at = from; at < path.size(); at = NextCharacter(path, at))
        if (IsPathDelimiter(path[at])) return at;
    return std::string_view::npos;
}

std::size_t FindLastPathDelimiter(std::string_view path) {
    std::size_t last = std::string_view::npos;
    for (std::size_t at = FindPathDelimiter(path); at != std::string_view::npos; at = FindPathDelimiter(path, at + 1))
        last = at;
    return last;
}

bool EndsWithPathDelimiter(std::string_view path) {
    return !path.empty() && FindLastPathDelimiter(path) == path.size() - 1;
}

}  // namespace pelmar::platform
