#include "engine/TextFile.h"

#include "platform/Platform.h"

namespace pelmar {
namespace {

std::string fileMessage(const char* action, const std::string& path, const platform::OsError& error) {
    return std::string(action) + " file \"" + platform::AbsolutePath(path) + "\". " + error.what();
}

}  // namespace

std::string NormalizeLineBreaks(std::string_view text) {
    std::string result;
    result.reserve(text.size() + text.size() / 32);
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r' || c == '\n') {
            result += "\r\n";
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            result += c;
        }
    }
    return result;
}

std::string ReadFileBytes(const std::string& path) {
    try {
        return platform::ReadWholeFile(path);
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
