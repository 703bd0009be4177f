#include "cli/BatchOptions.h"

#include <charconv>

namespace pelmar {

const char* const kBatchUsage =
    "usage: pelmar-batch [--subfolders] [--keywords FILE] [--seed N] [--dry-run] [--backup DIR] FOLDER\n"
    "\n"
    "Inserts a missing alt attribute, filled with a keyword phrase drawn at random, into every\n"
    "\"<img \" tag of the *.html files in FOLDER, and prints one line per file.\n"
    "\n"
    "  --subfolders     also every folder below FOLDER (files logged by full path)\n"
    "  --keywords FILE  phrases from FILE, one per line (default: Keywords.txt beside the\n"
    "                   program if it exists, else the phrase \"keywords\")\n"
    "  --seed N         start the random generator at N (0 to 4294967295)\n"
    "  --dry-run        count and log, but write nothing\n"
    "  --backup DIR     copy each file's original bytes to DIR before it is replaced\n";

namespace {

std::optional<std::uint32_t> parseSeed(const std::string& text) {
    std::uint32_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

}  // namespace

std::optional<BatchOptions> ParseBatchOptions(const std::vector<std::string>& arguments) {
    BatchOptions options;
    bool haveFolder = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        bool hasValue = i + 1 < arguments.size();
        if (argument == "--subfolders") {
            options.subfolders = true;
        } else if (argument == "--dry-run") {
            options.dryRun = true;
        } else if (argument == "--keywords" && hasValue) {
            options.keywordFile = arguments[++i];
        } else if (argument == "--backup" && hasValue) {
            options.backupFolder = arguments[++i];
        } else if (argument == "--seed" && hasValue) {
            options.seed = parseSeed(arguments[++i]);
            if (!options.seed)
                return std::nullopt;
        } else if (argument.starts_with("-") || haveFolder || argument.empty()) {
            return std::nullopt;
        } else {
            options.folder = argument;
            haveFolder = true;
        }
    }
    if (!haveFolder)
        return std::nullopt;
    return options;
}

}  // namespace pelmar
