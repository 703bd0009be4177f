#include "util/MovraTPU.h"

#include <set>

#include "platform/AnsiText.h"
#include "platform/Platform.h"
#include "util/FastStrings.h"

namespace pelmar {
namespace {

bool enterable(const platform::DirEntry& entry) {
    return entry.folder && !entry.hidden && !entry.system && !entry.name.empty() && entry.name[0] != '.';
}

void findFilesOnce(const std::string& givenFolder, const std::string& mask, std::vector<std::string>& list,
                   std::set<std::string>& visited) {
    const std::string folder = WithPathDelimiter(givenFolder);
    std::string identity = platform::FolderIdentity(folder);
    if (!identity.empty() && !visited.insert(identity).second)
        return;
    for (const auto& entry : platform::FindEntries(folder, mask))
        if (!entry.folder)
            list.push_back(folder + entry.name);
    std::vector<std::string> subfolders;
    for (const auto& entry : platform::FindEntries(folder, "*.*"))
        if (enterable(entry))
            subfolders.push_back(folder + entry.name);
    for (const auto& subfolder : subfolders)
        findFilesOnce(subfolder, mask, list, visited);
}

}  // namespace

std::string GetAppDir() {
    std::string path = platform::ProgramPath();
    return path.substr(0, platform::FindLastPathDelimiter(path) + 1);
}

std::string WithPathDelimiter(std::string folder) {
    if (!platform::EndsWithPathDelimiter(folder))
        folder += platform::kPathDelimiter;
    return folder;
}

void FindFiles(const std::string& folder, const std::string& mask, std::vector<std::string>& list) {
    std::set<std::string> visited;
    findFilesOnce(folder, mask, list, visited);
}

void ShowWarning(const std::string& text) { platform::WarningBox("Warning", ExpandLineBreaks(text)); }

std::string ExpandLineBreaks(std::string text) {
    ReplaceWhilePresent(text, "CRLF ", "CRLF");
    ReplaceWhilePresent(text, "CRLF", "\r\n");
    return text;
}

bool ReplaceWhilePresent(std::string& text, std::string_view find, std::string_view replacement) {
    // The loop is meant for replacements that shorten the text. A longer one replaces every
    // occurrence in its first pass; more passes could only chase occurrences it forms anew at
    // its own edges, and those can multiply with every pass.
    const bool onePassOnly = TextPos(replacement, find) != 0 || replacement.size() > find.size();
    const std::size_t passLimit = text.size() + 1;
    bool replaced = false;
    for (std::size_t pass = 0; pass < passLimit && TextPos(text, find) != 0; ++pass) {
        replaced = true;
        text = TextReplace(text, find, replacement, false);
        if (onePassOnly)
            break;
    }
    return replaced;
}

std::string GetAppVersion() { return platform::ProgramVersion(); }

bool ShellOpen(const std::string& target) { return platform::OpenWithShell(target); }

void ShortBeep() { platform::Tone(800, 5); }

std::string IntToText(std::int32_t value) { return std::to_string(value); }

std::string CopyRange(std::string_view text, std::size_t first, std::size_t last) {
    if (last < first || first > text.size())
        return {};
    std::size_t start = first == 0 ? 0 : first - 1;
    return std::string(text.substr(start, last - first + 1));
}

}  // namespace pelmar
