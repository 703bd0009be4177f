#pragma once
// The few operating-system services that the portable code needs. One implementation
// talks to Win32 (PlatformWin32.cpp), the other to POSIX (PlatformPosix.cpp); nothing
// here includes <windows.h>.
//
// Paths and texts are 8-bit strings in the system's ANSI code page, as the program's
// files and boxes hold them.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace pelmar::platform {

#ifdef _WIN32
inline constexpr char kPathDelimiter = '\\';
#else
inline constexpr char kPathDelimiter = '/';
#endif

// A failed system call; what() is the system's own description of the failure.
class OsError : public std::runtime_error {
public:
    explicit OsError(const std::string& description) : std::runtime_error(description) {}
};

// ---- The running program -------------------------------------------------------------

// Full path of the running executable.
std::string ProgramPath();

// The "FileVersion" text of the executable's version resource (Win32), or the version
// compiled into the program (POSIX); empty when there is none.
std::string ProgramVersion();

// ---- File search ---------------------------------------------------------------------

struct DirEntry {
    std::string name;
    bool folder = false;
    bool hidden = false;
    bool system = false;
    bool readOnly = false;
};

// Every entry of `folder` (given with its trailing delimiter) whose name matches `mask`
// ("*" and "?", letter case ignored as on Windows), in the order the system's search
// returns them, files of every attribute included. A folder that cannot be searched
// gives no entries.
std::vector<DirEntry> FindEntries(const std::string& folder, const std::string& mask);

// What identifies the real folder behind a path, whatever links or junctions lead to it;
// empty when the system cannot tell.
std::string FolderIdentity(const std::string& folder);

// Orders two file names as a sorted file list box shows them.
int CompareFileNames(const std::string& a, const std::string& b);

// The system's upper-case mapping of the 256 character codes of the ANSI code page.
std::array<unsigned char, 256> UpperCaseTable();

// ---- Characters of the ANSI code page ---------------------------------------------------
// On a double-byte code page (Japanese 932, Chinese 936 and 950, Korean 949) a character
// may take two bytes, and its second byte may have the code of the path delimiter "\" or
// of an ASCII letter.
// The POSIX side works in Windows-1252 (as UpperCaseTable does): one byte, one character.

// True when `byte` begins a two-byte character.
bool IsLeadByte(char byte);

// How many characters a text box holds for `text`: the UTF-16 units the system turns it
// into on Windows (a CR LF is two), the bytes on POSIX.
std::size_t BoxLength(std::string_view text);

// ---- Time ------------------------------------------------------------------------------

// The high-resolution performance counter, or nothing where the system has none.
std::optional<std::uint64_t> HighResolutionCounter();
std::uint32_t MillisecondTick();

// ---- User-facing services ---------------------------------------------------------------
// Each can be redirected to a sink, so that a test can observe what the program would
// have shown, played or opened without a blocking box, a sound or a browser window.

void Tone(unsigned frequencyHz, unsigned durationMs);
void WarningBox(const std::string& title, const std::string& text);
// True when the shell reports that it started the target's default action.
bool OpenWithShell(const std::string& target);

using ToneSink = std::function<void(unsigned frequencyHz, unsigned durationMs)>;
using WarningSink = std::function<void(const std::string& title, const std::string& text)>;
using ShellSink = std::function<bool(const std::string& target)>;

// Each setter returns the sink it replaces; an empty sink restores the system service.
ToneSink SetToneSink(ToneSink sink);
WarningSink SetWarningSink(WarningSink sink);
ShellSink SetShellSink(ShellSink sink);

// ---- Files ------------------------------------------------------------------------------

bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);

// `path` made absolute against the current folder; nothing else about it changes.
std::string AbsolutePath(const std::string& path);

// ReadWholeFile's refusal of anything but a regular file: a pipe, a device, a socket.
class NotRegularFileError : public OsError {
public:
    NotRegularFileError() : OsError("It is not a regular file.") {}
};

// The whole file, or, when it holds more than `limit` bytes, its first `limit` + 1: a
// caller can tell that it is too long, and no file makes memory grow past what the
// caller can use. While it is read, others may read it but not write it. Only regular
// files are read: nothing else is waited for or read from. Throws NotRegularFileError
// or OsError.
std::string ReadWholeFile(const std::string& path, std::size_t limit = std::string::npos);

// Gives `path` the content `bytes` in one step: a temporary file in the same folder is
// written completely and then takes the place of the original, which keeps its
// attributes (mode on POSIX). A read-only or locked file is refused before anything is
// written. After any failure the name holds one whole version, the original unless the
// system lost it on the way (then the new content), and no temporary file is left
// unless the version it holds could not be put back: then the error names it. Throws
// OsError.
void ReplaceFileContent(const std::string& path, const std::string& bytes);

// The names of ReplaceFileContent's last step, which puts the written temporary file in
// the place of the original.
struct ReplaceNames {
    std::string target;       // the file being replaced
    std::string replacement;  // the temporary file with the new content
    std::string backup;       // a free name for the original meanwhile (Win32); empty on POSIX
};

// That step: 0 when done, else the system's error code (GetLastError() on Win32, errno
// on POSIX), the files left as the system leaves them after that error.
using ReplaceStep = std::function<int(const ReplaceNames& names)>;

// Lets a test make the step fail the ways the system can; returns the step it replaces,
// and an empty step restores the system's.
ReplaceStep SetReplaceStep(ReplaceStep step);

// Creates `folder` and every missing folder above it. Throws OsError.
void CreateFolderPath(const std::string& folder);

bool StandardErrorIsTerminal();

}  // namespace pelmar::platform
