#include "cli/BatchCommand.h"

#include <exception>
#include <ostream>

#include "cli/BatchOptions.h"
#include "cli/ProgressLine.h"
#include "engine/BatchRun.h"
#include "engine/KeywordList.h"
#include "engine/ProcessFile.h"
#include "engine/TextFile.h"
#include "platform/AnsiText.h"
#include "platform/Platform.h"
#include "util/MovraTPU.h"

namespace pelmar {
namespace {

PhraseList loadPhrases(const BatchOptions& options) {
    KeywordList keywords;
    if (options.keywordFile)
        keywords.SetText(LoadTextFile(*options.keywordFile));
    else
        keywords.LoadFrom(KeywordFilePath());
    return keywords.Lines();
}

// Copies a file's original bytes to the same place below the backup folder.
class Backup {
public:
    Backup(const std::string& folder, const std::string& backupFolder)
        : folder_(WithPathDelimiter(folder)), backupFolder_(WithPathDelimiter(platform::AbsolutePath(backupFolder))) {}

    void operator()(const std::string& fullPath, const std::string& originalBytes) const {
        std::string relative = fullPath.starts_with(folder_) ? fullPath.substr(folder_.size()) : fullPath;
        std::string target = backupFolder_ + relative;
        std::size_t delimiter = platform::FindLastPathDelimiter(target);
        try {
            platform::CreateFolderPath(target.substr(0, delimiter));
        } catch (const platform::OsError& error) {
            throw EFCreateError("Cannot create file \"" + target + "\". " + error.what());
        }
        SaveTextFile(target, originalBytes);
    }

private:
    std::string folder_;
    std::string backupFolder_;
};

int run(const BatchOptions& options, std::ostream& out, std::ostream& err, bool errIsTerminal) {
    const std::string folder = platform::AbsolutePath(options.folder);
    if (!platform::FolderExists(folder)) {
        err << "Cannot open folder \"" << folder << "\".\n";
        return kExitFailure;
    }
    const PhraseList phrases = loadPhrases(options);
    RandomGenerator random;
    random.Seed(options.seed ? *options.seed : BatchSeed());
    const WorkList work =
        options.subfolders ? SubfolderWorkList(folder) : CurrentFolderWorkList(folder, HtmlFileNames(folder));

    ProcessOptions processing;
    processing.write = !options.dryRun;
    processing.textCapacity = kBatchTextCapacity;
    if (options.backupFolder)
        processing.beforeReplace = Backup(folder, *options.backupFolder);
    ProgressLine progress(err, errIsTerminal);
    std::size_t done = 0;
    ProcessWorkList(
        work,
        [&](const WorkItem& item) {
            progress.Show(++done, work.size(), item.logName);
            return ProcessFile(item.path, phrases, random, processing).count;
        },
        [&](const std::string& line) { out << line << '\n'; });
    out.flush();
    return kExitDone;
}

}  // namespace

int RunBatchCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                    bool errIsTerminal) {
    std::optional<BatchOptions> options = ParseBatchOptions(arguments);
    if (!options) {
        err << kBatchUsage;
        return kExitUsage;
    }
    try {
        return run(*options, out, err, errIsTerminal);
    } catch (const std::exception& error) {
        out.flush();
        err << error.what() << '\n';
        return kExitFailure;
    }
}

}  // namespace pelmar
