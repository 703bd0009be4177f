#pragma once
// Batch runs: the tag insertion engine over a work list, one log line per file, the first
// failure ending the run. The main window's F9 and F10 commands call RunBatch with their
// own file processor (which shows each file in its box) and their log box; the batch tool
// uses the pieces directly.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/Random.h"

namespace pelmar {

inline constexpr const char* kBackupWarning =
    "This program will modify your files! Create a backup of your files then press \"Ok\"";

struct WorkItem {
    std::string path;     // where the file is
    std::string logName;  // how the log names it: bare name or full path
};
using WorkList = std::vector<WorkItem>;

// The names of the "*.html" files directly in `folder` (hidden, system and read-only ones
// included), in name order as a sorted file list box shows them.
std::vector<std::string> HtmlFileNames(const std::string& folder);

// A current-folder run over `names` (entries of the file list), each resolved against
// `folder` and logged by its bare name.
WorkList CurrentFolderWorkList(const std::string& folder, const std::vector<std::string>& names);

// An all-subfolders run: FindFiles over the tree below `folder`, logged by full path.
WorkList SubfolderWorkList(const std::string& folder);

// `name` as one line of text: control characters, line breaks above all, are written as
// escapes ("\n", "\r", "\t", "\x1b").
std::string PrintableName(const std::string& name);

// "<count> tags replaced in <name>"
std::string LogLine(std::int32_t count, const std::string& name);

// "Skipped <name> (not a regular file)": a pipe, a device or a socket in the work list.
std::string SkippedLine(const std::string& name);

// The low 32 bits of the high-resolution counter, or the millisecond tick without one.
std::uint32_t BatchSeed();

// True while the settings file "Pelmar.INI" is missing from the application folder
// `appDir` (GetAppDir() in the program).
bool BackupWarningDue(const std::string& appDir);

using FileProcessor = std::function<std::int32_t(const WorkItem& item)>;
using LogSink = std::function<void(const std::string& line)>;

// Processes the items in order and logs each after it is done. An item that is no regular
// file (the processor throws ENotRegularFile) is logged as skipped and the run goes on.
// Whatever else the processor throws ends the run there and passes on: earlier files stay
// done, the failing file gets no log line and later ones are not touched.
void ProcessWorkList(const WorkList& work, const FileProcessor& process, const LogSink& log);

enum class BatchKind { CurrentFolder, AllSubfolders };

// A whole run as the window's commands make it: the backup warning when due for `appDir`, seeding of
// `random`, the work list built by `buildWorkList`, the files, and one short beep for a
// current-folder run or two for an all-subfolders run (none after a failure).
void RunBatch(BatchKind kind, const std::string& appDir, const std::function<WorkList()>& buildWorkList,
              RandomGenerator& random, const FileProcessor& process, const LogSink& log);

}  // namespace pelmar
