#include "engine/TextFile.h"

#include <algorithm>
#include <cstring>

#include "platform/Platform.h"

namespace pelmar {
namespace {

std::string fileMessage(const char* action, const std::string& path, const platform::OsError& error) {
    return std::string(action) + " file \"" + platform::AbsolutePath(path) + "\". " + error.what();
}

// Finds the line breaks of a text front to back. A search for either of two characters
// that looked the pair up for every byte made this the slowest part of a dry run; two
// memchr searches, each remembered until passed, walk the text once each.
class LineBreakScanner {
public:
    explicit LineBreakScanner(std::string_view text) : text_(text), cr_(find('\r', 0)), lf_(find('\n', 0)) {}

    // The position of the first CR or LF at or after `from`, or npos.
    std::size_t next(std::size_t from) {
        if (cr_ < from)
            cr_ = find('\r', from);
        if (lf_ < from)
            lf_ = find('\n', from);
        return std::min(cr_, lf_);
    }

private:
    std::size_t find(char c, std::size_t from) const {
        if (from >= text_.size())
            return std::string_view::npos;
        const void* found = std::memchr(text_.data() + from, c, text_.size() - from);
        return found ? static_cast<std::size_t>(static_cast<const char*>(found) - text_.data()) : std::string_view::npos;
    }

    std::string_view text_;
    std::size_t cr_;
    std::size_t lf_;
};

bool crLfAt(std::string_view text, std::size_t at) {
    return text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n';
}

}  // namespace

std::string NormalizeLineBreaks(std::string_view text) {
    std::string result;
    result.reserve(text.size() + text.size() / 32);
    LineBreakScanner breaks(text);
    std::size_t copied = 0;
    for (std::size_t at = breaks.next(0); at != std::string_view::npos; at = breaks.next(copied)) {
        result.append(text.substr(copied, at - copied)).append("\r\n");
        copied = at + (crLfAt(text, at) ? 2 : 1);
    }
    return result.append(text.substr(copied));
}

bool HasOnlyCrLfLineBreaks(std::string_view text) {
    LineBreakScanner breaks(text);
    for (std::size_t at = breaks.next(0); at != std::string_view::npos; at = breaks.next(at + 2))
        if (!crLfAt(text, at))
            return false;
    return true;
}

std::string ReadFileBytes(const std::string& path, std::size_t limit) {
    try {
        return platform::ReadWholeFile(path, limit);
    } catch (const platform::NotRegularFileError& error) {
        throw ENotRegularFile(fileMessage("Cannot open", path, error));
    } catch (const platform::OsError& error) {
        throw EFOpenError(fileMessage("Cannot open", path, error));
    }
}

std::string LoadTextFile(const std::string& path) { return NormalizeLineBreaks(ReadFileBytes(path)); }

void SaveTextFile(const std::string& path, const std::string& text) {
    try {
        platform::ReplaceFileContent(path, text);
    } catch (const platform::OsError& error) {
        throw EFCreateError(fileMessage("Cannot create", path, error));
    }
}

}  // namespace pelmar
