#pragma once
// The command line of pelmar-batch, parsed.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace pelmar {

struct BatchOptions {
    bool subfolders = false;
    bool dryRun = false;
    std::optional<std::string> keywordFile;
    std::optional<std::uint32_t> seed;
    std::optional<std::string> backupFolder;
    std::string folder;
};

extern const char* const kBatchUsage;

// Nothing when the arguments are not a valid command line.
std::optional<BatchOptions> ParseBatchOptions(const std::vector<std::string>& arguments);

}  // namespace pelmar
