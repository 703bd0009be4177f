#pragma once
// The program's small utility routines: application folder, recursive file finder,
// warning box, version text, shell launch, beep, decimal text and substrings.
// Positions are 1-based.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pelmar {

// Folder of the running executable, ending with a path delimiter.
std::string GetAppDir();

// `folder` ending with exactly the one path delimiter it needs.
std::string WithPathDelimiter(std::string folder);

// Appends to `list` the full paths of the files matching `mask` in `folder` and below it:
// depth-first, pre-order, each folder's files in the order the system's search returns
// them. Folders are never listed; hidden and system folders and folders whose name begins
// with "." are not entered; hidden, system and read-only files are listed. Each real
// folder is visited once, so links or junctions that lead back into the tree end there.
// Unreadable folders contribute nothing.
void FindFiles(const std::string& folder, const std::string& mask, std::vector<std::string>& list);

// Shows `text`, its "CRLF" tokens expanded, in a modal warning box titled "Warning".
void ShowWarning(const std::string& text);

// Turns every "CRLF" token into a line break, dropping the spaces that follow a token.
std::string ExpandLineBreaks(std::string text);

// Replaces `find` by `replacement` (any letter case) for as long as `find` occurs exactly;
// true when at least one pass ran. A replacement that holds `find` itself, or is longer
// than it, gets one pass, and no run takes more passes than the text had characters: the
// loop always ends, and the text never grows past one pass's worth.
bool ReplaceWhilePresent(std::string& text, std::string_view find, std::string_view replacement);

// The "FileVersion" text of the program's version information; empty when there is none.
std::string GetAppVersion();

// Hands a document, folder or web address to the system shell; true when the shell
// reports that it started. Callers that report nothing may ignore the answer.
bool ShellOpen(const std::string& target);

// An 800 Hz tone for 5 ms.
void ShortBeep();

std::string IntToText(std::int32_t value);

// The characters from `first` to `last`, both included; empty when `last` < `first`,
// shorter when the text ends first.
std::string CopyRange(std::string_view text, std::size_t first, std::size_t last);

}  // namespace pelmar
