// POSIX side of the platform services, for the native build: the tone is silent, the
// warning goes to standard error, the version text is compiled in, and a name that
// begins with "." counts as hidden. A file without its owner's write permission counts
// as read-only and is never replaced, even for root, as Windows treats its attribute.

#include <dirent.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>
#include <utility>

#include "platform/Platform.h"
#include "platform/SystemServices.h"

extern char** environ;

namespace pelmar::platform {
namespace {

[[noreturn]] void throwErrno(int error) { throw OsError(std::strerror(error)); }

// Windows-1252 upper case, so that both builds fold the same letters.
std::array<unsigned char, 256> buildUpperCaseTable() {
    std::array<unsigned char, 256> table{};
    for (int c = 0; c < 256; ++c) {
        bool lowerLetter = (c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7);
        table[c] = static_cast<unsigned char>(lowerLetter ? c - 0x20 : c);
    }
    table[0x9A] = 0x8A;
    table[0x9C] = 0x8C;
    table[0x9E] = 0x8E;
    table[0xFF] = 0x9F;
    return table;
}

const std::array<unsigned char, 256>& upperCase() {
    static const auto table = buildUpperCaseTable();
    return table;
}

bool sameLetter(char a, char b) {
    return upperCase()[static_cast<unsigned char>(a)] == upperCase()[static_cast<unsigned char>(b)];
}

// Wildcard match with "*" and "?", letter case ignored; "*.*" matches every name, as on
// Windows. Greedy with one back-track point, so it is linear in practice.
bool matchesMask(const std::string& name, const std::string& mask) {
    if (mask == "*.*")
        return true;
    std::size_t n = 0, m = 0, starMask = std::string::npos, starName = 0;
    while (n < name.size()) {
        if (m < mask.size() && mask[m] == '*') {
            starMask = m++;
            starName = n;
        } else if (m < mask.size() && (mask[m] == '?' || sameLetter(mask[m], name[n]))) {
            ++m;
            ++n;
        } else if (starMask != std::string::npos) {
            m = starMask + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == '*')
        ++m;
    return m == mask.size();
}

DirEntry describeEntry(const std::string& folder, const std::string& name) {
    DirEntry entry;
    entry.name = name;
    entry.hidden = !name.empty() && name[0] == '.';
    struct stat info{};
    std::string path = folder + name;
    if (stat(path.c_str(), &info) == 0 || lstat(path.c_str(), &info) == 0) {
        entry.folder = S_ISDIR(info.st_mode);
        entry.readOnly = (info.st_mode & S_IWUSR) == 0;
    }
    return entry;
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

void writeAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            throwErrno(errno);
        done += static_cast<std::size_t>(written);
    }
}

// The file the path names, with symbolic links resolved, so that replacing it replaces
// the file and not the link.
std::string resolvedTarget(const std::string& path) {
    struct stat link{};
    char resolved[PATH_MAX];
    if (lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode) && realpath(path.c_str(), resolved))
        return resolved;
    return path;
}

// Refuses files that must not be replaced, before anything is written.
void checkReplaceable(const std::string& path, const struct stat& info) {
    if (S_ISDIR(info.st_mode))
        throwErrno(EISDIR);
    if ((info.st_mode & S_IWUSR) == 0)
        throwErrno(EACCES);
    FileDescriptor probe(::open(path.c_str(), O_WRONLY | O_CLOEXEC));
    if (probe.get() < 0)
        throwErrno(errno);
}

// A new, empty file beside `path` that is removed again unless it is committed.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::string& path) {
        static unsigned counter = 0;
        std::size_t slash = path.rfind('/');
        std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
        std::string name = path.substr(folder.size());
        for (;;) {
            name_ = folder + "." + name + ".pelmar-" + std::to_string(getpid()) + "-" +
                    std::to_string(++counter) + ".tmp";
            int fd = ::open(name_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd >= 0) {
                fd_ = fd;
                return;
            }
            if (errno != EEXIST)
                throwErrno(errno);
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (fd_ >= 0)
            ::close(fd_);
        if (!committed_)
            ::unlink(name_.c_str());
    }
    int fd() const { return fd_; }
    const std::string& name() const { return name_; }
    void close() {
        if (::close(std::exchange(fd_, -1)) != 0)
            throwErrno(errno);
    }
    // The file now has another name, or holds what must not be lost.
    void commit() { committed_ = true; }

private:
    std::string name_;
    int fd_ = -1;
    bool committed_ = false;
};

bool exists(const std::string& path) {
    struct stat info{};
    return lstat(path.c_str(), &info) == 0;
}

// A rename fails as a whole, but should the target have gone nonetheless, the new content
// takes its name; if even that fails, the temporary file is kept and the returned text,
// added to the error, says where.
std::string settleAfterFailedReplace(const ReplaceNames& names, TemporaryFile& temporary) {
    if (exists(names.target) || !exists(names.replacement))
        return {};
    temporary.commit();  // it holds the only whole version now
    if (::rename(names.replacement.c_str(), names.target.c_str()) == 0)
        return {};
    return " The new content is kept in \"" + names.replacement + "\".";
}

}  // namespace

std::string ProgramPath() {
    char buffer[PATH_MAX];
    ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer);
    return length > 0 ? std::string(buffer, static_cast<std::size_t>(length)) : std::string();
}

std::string ProgramVersion() { return PELMAR_VERSION_TEXT; }

std::vector<DirEntry> FindEntries(const std::string& folder, const std::string& mask) {
    std::vector<DirEntry> entries;
    std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(folder.c_str()), closedir);
    if (!dir)
        return entries;
    while (const dirent* item = readdir(dir.get())) {
        std::string name = item->d_name;
        if (matchesMask(name, mask))
            entries.push_back(describeEntry(folder, name));
    }
    return entries;
}

std::string FolderIdentity(const std::string& folder) {
    struct stat info{};
    if (stat(folder.c_str(), &info) != 0)
        return {};
    return std::to_string(info.st_dev) + ":" + std::to_string(info.st_ino);
}

int CompareFileNames(const std::string& a, const std::string& b) {
    std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        int difference = upperCase()[static_cast<unsigned char>(a[i])] -
                         upperCase()[static_cast<unsigned char>(b[i])];
        if (difference != 0)
            return difference;
    }
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return a.compare(b);
}

std::array<unsigned char, 256> UpperCaseTable() { return upperCase(); }

bool IsLeadByte(char) { return false; }

std::size_t BoxLength(std::string_view text) { return text.size(); }

std::optional<std::uint64_t> HighResolutionCounter() {
    timespec now{};
    if (clock_gettime(CLOCK_MONOTONIC, &now) != 0)
        return std::nullopt;
    return static_cast<std::uint64_t>(now.tv_sec) * 1000000000u + static_cast<std::uint64_t>(now.tv_nsec);
}

std::uint32_t MillisecondTick() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(now.tv_sec) * 1000u +
                                      static_cast<std::uint64_t>(now.tv_nsec) / 1000000u);
}

bool FileExists(const std::string& path) {
    struct stat info{};
    return stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool FolderExists(const std::string& path) {
    struct stat info{};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string AbsolutePath(const std::string& path) {
    if (!path.empty() && path[0] == '/')
        return path;
    char cwd[PATH_MAX];
    if (!getcwd(cwd, sizeof cwd))
        return path;
    std::string base = cwd;
    if (base.back() != '/')
        base += '/';
    return path.empty() || path == "." ? base : base + path;
}

std::string ReadWholeFile(const std::string& path, std::size_t limit) {
    // Opening a pipe for reading would wait for a writer: nothing is opened before the
    // path is known to name a regular file, and what was opened is checked again.
    struct stat info{};
    if (stat(path.c_str(), &info) != 0)
        throwErrno(errno);
    if (S_ISDIR(info.st_mode))
        throwErrno(EISDIR);
    if (!S_ISREG(info.st_mode))
        throw NotRegularFileError();
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (fd.get() < 0)
        throwErrno(errno);
    if (fstat(fd.get(), &info) != 0)
        throwErrno(errno);
    if (!S_ISREG(info.st_mode))
        throw NotRegularFileError();
    const std::size_t wanted = limit == std::string::npos ? limit : limit + 1;
    // Read straight into the result, which has room for one byte more than the stated
    // size, so that the usual file takes one read and one read that finds its end; never
    // more than wanted.
    std::string bytes(std::min(static_cast<std::size_t>(info.st_size) + 1, wanted), '\0');
    std::size_t done = 0;
    while (done < wanted) {
        if (done == bytes.size())
            bytes.resize(std::min(2 * bytes.size(), wanted));
        ssize_t got = ::read(fd.get(), bytes.data() + done, bytes.size() - done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            throwErrno(errno);
        if (got == 0)
            break;
        done += static_cast<std::size_t>(got);
    }
    bytes.resize(done);
    return bytes;
}

void ReplaceFileContent(const std::string& path, const std::string& bytes) {
    std::string target = resolvedTarget(path);
    struct stat original{};
    bool exists = stat(target.c_str(), &original) == 0;
    if (!exists && errno != ENOENT)
        throwErrno(errno);
    if (exists)
        checkReplaceable(target, original);
    TemporaryFile temporary(target);
    writeAll(temporary.fd(), bytes);
    if (exists) {
        if (fchmod(temporary.fd(), original.st_mode & 07777) != 0)
            throwErrno(errno);
        // Keeping the owner needs privileges we may not have; the content matters more.
        [[maybe_unused]] int ignored = fchown(temporary.fd(), original.st_uid, original.st_gid);
    }
    temporary.close();
    const ReplaceNames names{target, temporary.name(), {}};
    if (const int error = RunReplaceStep(names))
        throw OsError(std::strerror(error) + settleAfterFailedReplace(names, temporary));
    temporary.commit();
}

void CreateFolderPath(const std::string& folder) {
    for (std::size_t end = folder.find('/', 1);; end = folder.find('/', end + 1)) {
        std::string part = folder.substr(0, end);
        if (!part.empty() && mkdir(part.c_str(), 0777) != 0 && errno != EEXIST)
            throwErrno(errno);
        if (end == std::string::npos)
            break;
    }
    if (!FolderExists(folder))
        throwErrno(ENOTDIR);
}

bool StandardErrorIsTerminal() { return isatty(STDERR_FILENO) != 0; }

namespace system {

void Tone(unsigned, unsigned) {}

void WarningBox(const std::string& title, const std::string& text) {
    std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
}

// The desktop's opener decides; it reports success with exit status 0.
bool OpenWithShell(const std::string& target) {
    char program[] = "xdg-open";
    std::string argument = target;
    char* argv[] = {program, argument.data(), nullptr};
    pid_t child = 0;
    if (posix_spawnp(&child, program, nullptr, nullptr, argv, environ) != 0)
        return false;
    int status = 0;
    return waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

int ReplaceStep(const ReplaceNames& names) {
    return ::rename(names.replacement.c_str(), names.target.c_str()) == 0 ? 0 : errno;
}

}  // namespace system
}  // namespace pelmar::platform
