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
    std::size_t copied = 0;
    for (std::size_t at = text.find_first_of("\r\n"); at != std::string_view::npos;
         at = text.find_first_of("\r\n", copied)) {
        result.append(text.substr(copied, at - copied)).append("\r\n");
        bool crLf = text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n';
        copied = at + (crLf ? 2 : 1);
    }
    return result.append(text.substr(copied));
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
