#include "engine/BatchRun.h"

#include <algorithm>

#include "engine/TextFile.h"
#include "platform/Platform.h"
#include "util/MovraTPU.h"

namespace pelmar {

std::vector<std::string> HtmlFileNames(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : platform::FindEntries(WithPathDelimiter(folder), "*.html"))
        if (!entry.folder)
            names.push_back(entry.name);
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return platform::CompareFileNames(a, b) < 0; });
    return names;
}

WorkList CurrentFolderWorkList(const std::string& folder, const std::vector<std::string>& names) {
    const std::string base = WithPathDelimiter(folder);
    WorkList work;
    for (const auto& name : names)
        work.push_back({base + name, name});
    return work;
}

WorkList SubfolderWorkList(const std::string& folder) {
    std::vector<std::string> paths;
    FindFiles(folder, "*.html", paths);
    WorkList work;
    for (auto& path : paths)
        work.push_back({path, path});
    return work;
}

std::string PrintableName(const std::string& name) {
    std::string printable;
    for (const char c : name) {
        const auto code = static_cast<unsigned char>(c);
        if (code >= 0x20 && code != 0x7F)
            printable += c;
        else if (c == '\n')
            printable += "\\n";
        else if (c == '\r')
            printable += "\\r";
        else if (c == '\t')
            printable += "\\t";
        else
            printable += "\\x" + std::string{"0123456789abcdef"[code >> 4], "0123456789abcdef"[code & 15]};
    }
    return printable;
}

std::string LogLine(std::int32_t count, const std::string& name) {
    return IntToText(count) + " tags replaced in " + PrintableName(name);
}

std::string SkippedLine(const std::string& name) { return "Skipped " + PrintableName(name) + " (not a regular file)"; }

std::uint32_t BatchSeed() {
    auto counter = platform::HighResolutionCounter();
    return counter ? static_cast<std::uint32_t>(*counter) : platform::MillisecondTick();
}

bool BackupWarningDue(const std::string& appDir) {
    return !platform::FileExists(WithPathDelimiter(appDir) + "Pelmar.INI");
}

void ProcessWorkList(const WorkList& work, const FileProcessor& process, const LogSink& log) {
    for (const auto& item : work) {
        std::string line;
        try {
            line = LogLine(process(item), item.logName);
        } catch (const ENotRegularFile&) {
            line = SkippedLine(item.logName);
        }
        log(line);
    }
}

void RunBatch(BatchKind kind, const std::string& appDir, const std::function<WorkList()>& buildWorkList,
              RandomGenerator& random, const FileProcessor& process, const LogSink& log) {
    if (BackupWarningDue(appDir))
        ShowWarning(kBackupWarning);
    random.Seed(BatchSeed());
    ProcessWorkList(buildWorkList(), process, log);
    ShortBeep();
    if (kind == BatchKind::AllSubfolders)
        ShortBeep();
}

}  // namespace pelmar
