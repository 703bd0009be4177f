// Win32 side of the platform services: the real API, ANSI functions throughout because
// the program's texts and paths are in the ANSI code page.

#include "platform/Win.h"

#include <io.h>
#include <shellapi.h>
#include <winver.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <utility>

#include "platform/AnsiText.h"
#include "platform/Platform.h"
#include "platform/SystemServices.h"

namespace pelmar::platform {
namespace {

std::string describeError(DWORD code) {
    char buffer[512] = {};
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
                                  0, buffer, sizeof buffer, nullptr);
    std::string text(buffer, length);
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' '))
        text.pop_back();
    return text.empty() ? "System error code: " + std::to_string(code) : text;
}

[[noreturn]] void throwError(DWORD code) { throw OsError(describeError(code)); }

[[noreturn]] void throwLastError() { throwError(GetLastError()); }

class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle() { close(); }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }
    // False when the system reports a failure, such as data it could not write.
    bool close() {
        return !valid() || CloseHandle(std::exchange(handle_, INVALID_HANDLE_VALUE));
    }

private:
    HANDLE handle_;
};

std::string folderOf(const std::string& path) {
    std::size_t delimiter = FindLastPathDelimiter(path);
    return delimiter == std::string::npos ? std::string(".") : path.substr(0, delimiter + 1);
}

void writeAll(HANDLE file, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr))
            throwLastError();
        done += written;
    }
}

// Refuses a read-only, locked or otherwise unwritable file before anything is written.
void checkReplaceable(const std::string& path, DWORD attributes) {
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        throwError(ERROR_ACCESS_DENIED);
    Handle probe(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!probe.valid())
        throwLastError();
}

// A new, empty file in the folder of `path` that is deleted again unless it is committed.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::string& path) {
        char name[MAX_PATH + 1] = {};
        if (!GetTempFileNameA(folderOf(path).c_str(), "pel", 0, name))
            throwLastError();
        name_ = name;
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (!committed_)
            DeleteFileA(name_.c_str());
    }
    const std::string& name() const { return name_; }
    void write(const std::string& bytes) {
        Handle file(CreateFileA(name_.c_str(), GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                nullptr));
        if (!file.valid())
            throwLastError();
        writeAll(file.get(), bytes);
        if (!file.close())
            throwLastError();
    }
    // Leaves the name free for the system to move a file there; what it moves there is
    // deleted with this object all the same.
    void vacate() { DeleteFileA(name_.c_str()); }
    // The file now has another name, or holds what must not be lost.
    void commit() { committed_ = true; }

private:
    std::string name_;
    bool committed_ = false;
};

// After a failed replace the target's name must hold one whole version. The system
// documents failures after which the original is only under the backup name, or gone,
// and the new content only under the replacement's: the original goes back where it
// can, else the new content takes the name. A version that cannot be moved is kept,
// and the returned text, added to the error, says where.
std::string settleAfterFailedReplace(const ReplaceNames& names, TemporaryFile& replacement, TemporaryFile& backup) {
    if (FileExists(names.target))
        return {};
    const std::initializer_list<TemporaryFile*> versions = {&backup, &replacement};
    for (TemporaryFile* version : versions)
        if (FileExists(version->name()) &&
            MoveFileExA(version->name().c_str(), names.target.c_str(), MOVEFILE_WRITE_THROUGH)) {
            version->commit();
            return {};
        }
    std::string kept;
    for (TemporaryFile* version : versions)
        if (FileExists(version->name())) {
            version->commit();
            kept += " \"" + version->name() + "\"";
        }
    return kept.empty() ? kept : " Its content is kept in" + kept + ".";
}

}  // namespace

std::string ProgramPath() {
    std::string buffer(MAX_PATH, '\0');
    for (;;) {
        DWORD length = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length < buffer.size()) {
            buffer.resize(length);
            return buffer;
        }
        buffer.resize(buffer.size() * 2);
    }
}

std::string ProgramVersion() {
    std::string path = ProgramPath();
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    if (size == 0)
        return {};
    std::string info(size, '\0');
    if (!GetFileVersionInfoA(path.c_str(), 0, size, info.data()))
        return {};
    char* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(info.data(), "StringFileInfo\\040904E4\\FileVersion", reinterpret_cast<void**>(&value),
                        &length) ||
        value == nullptr)
        return {};
    return std::string(value, strnlen(value, length));
}

std::vector<DirEntry> FindEntries(const std::string& folder, const std::string& mask) {
    std::vector<DirEntry> entries;
    WIN32_FIND_DATAA data{};
    HANDLE search = FindFirstFileA((folder + mask).c_str(), &data);
    if (search == INVALID_HANDLE_VALUE)
        return entries;
    do {
        DWORD attributes = data.dwFileAttributes;
        entries.push_back({data.cFileName, (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                           (attributes & FILE_ATTRIBUTE_HIDDEN) != 0, (attributes & FILE_ATTRIBUTE_SYSTEM) != 0,
                           (attributes & FILE_ATTRIBUTE_READONLY) != 0});
    } while (FindNextFileA(search, &data));
    FindClose(search);
    return entries;
}

std::string FolderIdentity(const std::string& folder) {
    Handle handle(CreateFileA(folder.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION info{};
    if (!handle.valid() || !GetFileInformationByHandle(handle.get(), &info))
        return {};
    return std::to_string(info.dwVolumeSerialNumber) + ":" + std::to_string(info.nFileIndexHigh) + ":" +
           std::to_string(info.nFileIndexLow);
}

int CompareFileNames(const std::string& a, const std::string& b) {
    return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()), b.data(),
                          static_cast<int>(b.size())) -
           CSTR_EQUAL;
}

std::array<unsigned char, 256> UpperCaseTable() {
    std::array<unsigned char, 256> table{};
    for (int c = 0; c < 256; ++c) {
        char letter = static_cast<char>(c);
        CharUpperBuffA(&letter, 1);
        table[c] = static_cast<unsigned char>(letter);
    }
    return table;
}

bool IsLeadByte(char byte) { return IsDBCSLeadByte(static_cast<BYTE>(byte)); }

std::size_t BoxLength(std::string_view text) {
    std::size_t units = 0;
    // In steps that the call's int can count, each ending on a character's end.
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t step = CharactersPrefix(text.substr(at), 1u << 28);
        units += static_cast<std::size_t>(
            MultiByteToWideChar(CP_ACP, 0, text.data() + at, static_cast<int>(step), nullptr, 0));
        at += step;
    }
    return units;
}

std::optional<std::uint64_t> HighResolutionCounter() {
    LARGE_INTEGER counter{};
    if (!QueryPerformanceCounter(&counter))
        return std::nullopt;
    return static_cast<std::uint64_t>(counter.QuadPart);
}

std::uint32_t MillisecondTick() { return GetTickCount(); }

bool FileExists(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string AbsolutePath(const std::string& path) {
    DWORD size = GetFullPathNameA(path.c_str(), 0, nullptr, nullptr);
    if (size == 0)
        return path;
    std::string full(size, '\0');
    DWORD length = GetFullPathNameA(path.c_str(), size, full.data(), nullptr);
    full.resize(length < size ? length : 0);
    return full.empty() ? path : full;
}

std::string ReadWholeFile(const std::string& path, std::size_t limit) {
    Handle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file.valid())
        throwLastError();
    // Pipes and devices (a console behind "CON.html", or whatever a link leads to) would
    // be waited for or read without end.
    if (GetFileType(file.get()) != FILE_TYPE_DISK)
        throw NotRegularFileError();
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size))
        throwLastError();
    const std::size_t wanted = limit == std::string::npos ? limit : limit + 1;
    std::string bytes(std::min(static_cast<std::size_t>(size.QuadPart), wanted), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        DWORD got = 0;
        if (!ReadFile(file.get(), bytes.data() + done, chunk, &got, nullptr))
            throwLastError();
        if (got == 0)
            break;
        done += got;
    }
    bytes.resize(done);
    return bytes;
}

void ReplaceFileContent(const std::string& path, const std::string& bytes) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (!exists && GetLastError() != ERROR_FILE_NOT_FOUND)
        throwLastError();
    if (exists)
        checkReplaceable(path, attributes);
    TemporaryFile temporary(path);
    temporary.write(bytes);
    if (!exists) {
        if (!MoveFileExA(temporary.name().c_str(), path.c_str(), MOVEFILE_WRITE_THROUGH))
            throwLastError();
        temporary.commit();
        return;
    }
    // Without a backup name some failures of the system's replace lose the original.
    TemporaryFile backup(path);
    backup.vacate();
    const ReplaceNames names{path, temporary.name(), backup.name()};
    if (const int error = RunReplaceStep(names))
        throw OsError(describeError(static_cast<DWORD>(error)) + settleAfterFailedReplace(names, temporary, backup));
    temporary.commit();
    // The replacement brings its own attributes where the system does not carry the
    // original's over; the original's are what the user set.
    if (GetFileAttributesA(path.c_str()) != attributes)
        SetFileAttributesA(path.c_str(), attributes);
}

void CreateFolderPath(const std::string& folder) {
    for (std::size_t end = folder.find_first_of("\\/", 1);; end = folder.find_first_of("\\/", end + 1)) {
        std::string part = folder.substr(0, end);
        bool driveOnly = part.size() == 2 && part[1] == ':';
        if (!part.empty() && !driveOnly && !CreateDirectoryA(part.c_str(), nullptr) &&
            GetLastError() != ERROR_ALREADY_EXISTS)
            throwLastError();
        if (end == std::string::npos)
            break;
    }
    if (!FolderExists(folder))
        throwError(ERROR_PATH_NOT_FOUND);
}

bool StandardErrorIsTerminal() { return _isatty(_fileno(stderr)) != 0; }

namespace system {

void Tone(unsigned frequencyHz, unsigned durationMs) { Beep(frequencyHz, durationMs); }

void WarningBox(const std::string& title, const std::string& text) {
    MessageBoxA(GetActiveWindow(), text.c_str(), title.c_str(), MB_OK | MB_ICONWARNING);
}

// The shell reports success with a value above 32.
bool OpenWithShell(const std::string& target) {
    const HINSTANCE result = ShellExecuteA(nullptr, nullptr, target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

int ReplaceStep(const ReplaceNames& names) {
    return ReplaceFileA(names.target.c_str(), names.replacement.c_str(), names.backup.c_str(),
                        REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)
               ? 0
               : static_cast<int>(GetLastError());
}

}  // namespace system
}  // namespace pelmar::platform
