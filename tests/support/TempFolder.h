#pragma once
// A fresh folder for one test, removed with everything in it (read-only files included)
// when the test ends. Paths use the platform's delimiter so that the code under test
// sees them as the program would.

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/Platform.h"

namespace pelmar::testing {

class TempFolder {
public:
    TempFolder() {
        static std::atomic<unsigned> counter{0};
        auto base = std::filesystem::temp_directory_path();
        do {
            root_ = base / ("pelmar-test-" + std::to_string(platform::MillisecondTick()) + "-" +
                            std::to_string(++counter));
        } while (std::filesystem::exists(root_));
        std::filesystem::create_directories(root_);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder() {
        std::error_code ignored;
        for (auto& entry : std::filesystem::recursive_directory_iterator(root_, ignored))
            std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(root_, ignored);
    }

    // The folder, ending with the path delimiter.
    std::string Path() const { return root_.string() + platform::kPathDelimiter; }

    // `relative` uses "/" between folders; the result uses the platform's delimiter.
    std::string operator/(const std::string& relative) const {
        std::string path = Path() + relative;
        for (char& c : path)
            if (c == '/')
                c = platform::kPathDelimiter;
        return path;
    }

    std::string Write(const std::string& relative, const std::string& bytes) const {
        std::string path = *this / relative;
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    std::string MakeFolder(const std::string& relative) const {
        std::string path = *this / relative;
        std::filesystem::create_directories(path);
        return path;
    }

    static std::string Read(const std::string& path) {
        std::ifstream file(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }

    static void MakeReadOnly(const std::string& path) {
        std::filesystem::permissions(path,
                                     std::filesystem::perms::owner_write | std::filesystem::perms::group_write |
                                         std::filesystem::perms::others_write,
                                     std::filesystem::perm_options::remove);
    }

    // Names of the entries in `folder`, to see that no temporary file was left behind.
    static std::size_t EntryCount(const std::string& folder) {
        auto entries = std::filesystem::directory_iterator(folder);
        return static_cast<std::size_t>(std::distance(begin(entries), end(entries)));
    }

private:
    std::filesystem::path root_;
};

}  // namespace pelmar::testing
