// pelmar-batch --subfolders over a generated site of 2,000 files / 100 MB, beside plain
// loops over the same tree written here: one that only reads every file (what a dry run
// cannot do without), and one that reads every file, writes a temporary file beside it
// and renames that over the original (the least any safe replace costs). A plain copy
// of the tree (cp -r) is kept for reference. Each run gets a fresh copy of the tree,
// made outside the timed part, because a second run would find nothing to change and
// because freeing the blocks of replaced files costs differently from writing new ones.
//
// The batch tool is the one built beside this benchmark (../cli/pelmar-batch), or the
// program named by PELMAR_BATCH. Its times include starting the process.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

#include "bench/bench_ratio_reporter.h"
#include "util/MovraTPU.h"

namespace {

namespace fs = std::filesystem;

constexpr int kFolders = 20;
constexpr int kFilesPerFolder = 100;
constexpr std::size_t kFileBytes = 50 * 1000;  // 2,000 files make 100 MB
constexpr std::size_t kBlockBytes = 250;

const fs::path& workFolder() {
    static const fs::path folder = fs::temp_directory_path() / ("pelmar-bench-batch-" + std::to_string(::getpid()));
    return folder;
}

fs::path site() { return workFolder() / "site"; }
fs::path copy() { return workFolder() / "copy"; }

std::string batchProgram() {
    if (const char* given = std::getenv("PELMAR_BATCH"))
        return given;
    return pelmar::GetAppDir() + "../cli/pelmar-batch";
}

std::string shellQuoted(const fs::path& path) { return "'" + path.string() + "'"; }

// One page: paragraphs and image tags without alt, CR LF line breaks.
std::string makePage(int number) {
    std::string page;
    page.reserve(kFileBytes);
    for (int block = 0; page.size() + kBlockBytes <= kFileBytes; ++block) {
        std::string text = "<p>Page " + std::to_string(number) + ", paragraph " + std::to_string(block) +
                           ".</p>\r\n<img src=\"images/p" + std::to_string(block) + ".jpg\" width=\"200\" height=\"150\">\r\n";
        text.resize(kBlockBytes - 2, ' ');
        page += text + "\r\n";
    }
    page.resize(kFileBytes, ' ');
    return page;
}

void generateSite() {
    fs::create_directories(site());
    for (int folder = 0; folder < kFolders; ++folder) {
        fs::path dir = site() / ("section" + std::to_string(folder));
        fs::create_directories(dir);
        for (int file = 0; file < kFilesPerFolder; ++file)
            std::ofstream(dir / ("page" + std::to_string(file) + ".html"), std::ios::binary)
                << makePage(folder * kFilesPerFolder + file);
    }
}

void run(benchmark::State& state, const std::string& command) {
    if (std::system(command.c_str()) != 0)
        state.SkipWithError(("failed: " + command).c_str());
}

// Times `timed` on a fresh copy of the site, made untimed, once per iteration.
template <typename Timed>
void timeOnFreshCopy(benchmark::State& state, Timed timed) {
    for (auto _ : state) {
        fs::remove_all(copy());
        run(state, "cp -r " + shellQuoted(site()) + " " + shellQuoted(copy()) + " && sync");
        auto started = std::chrono::steady_clock::now();
        timed();
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * kFolders * kFilesPerFolder * kFileBytes);
}

std::string readAll(const fs::path& path) {
    int fd = ::open(path.c_str(), O_RDONLY);
    std::string bytes(static_cast<std::size_t>(fs::file_size(path)), '\0');
    std::size_t done = 0;
    for (ssize_t got = 1; done < bytes.size() && got > 0; done += static_cast<std::size_t>(got))
        got = ::read(fd, bytes.data() + done, bytes.size() - done);
    ::close(fd);
    return bytes;
}

void writeAll(const fs::path& path, const std::string& bytes) {
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::size_t done = 0;
    for (ssize_t put = 1; done < bytes.size() && put > 0; done += static_cast<std::size_t>(put))
        put = ::write(fd, bytes.data() + done, bytes.size() - done);
    ::close(fd);
}

// Calls `each` with every "*.html" file of the copy.
template <typename Each>
std::size_t forEveryPage(Each each) {
    std::size_t bytes = 0;
    for (const auto& entry : fs::recursive_directory_iterator(copy()))
        if (entry.is_regular_file() && entry.path().extension() == ".html")
            bytes += each(entry.path());
    return bytes;
}

void BM_CopyTree(benchmark::State& state) {
    for (auto _ : state) {
        fs::remove_all(copy());
        run(state, "sync");
        auto started = std::chrono::steady_clock::now();
        run(state, "cp -r " + shellQuoted(site()) + " " + shellQuoted(copy()));
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count());
    }
}

void BM_ReadLoop(benchmark::State& state) {
    timeOnFreshCopy(state, [] { benchmark::DoNotOptimize(forEveryPage([](const fs::path& page) { return readAll(page).size(); })); });
}

void BM_ReadWriteRenameLoop(benchmark::State& state) {
    timeOnFreshCopy(state, [] {
        benchmark::DoNotOptimize(forEveryPage([](const fs::path& page) {
            std::string bytes = readAll(page);
            fs::path temporary = page;
            temporary += ".tmp";
            writeAll(temporary, bytes);
            fs::rename(temporary, page);
            return bytes.size();
        }));
    });
}

std::string batchCommand(const char* options) {
    return shellQuoted(batchProgram()) + " --subfolders --seed 1 " + options + shellQuoted(copy()) + " > /dev/null";
}

void BM_PelmarBatchDryRun(benchmark::State& state) {
    timeOnFreshCopy(state, [&] { run(state, batchCommand("--dry-run ")); });
}

void BM_PelmarBatch(benchmark::State& state) {
    timeOnFreshCopy(state, [&] { run(state, batchCommand("")); });
}

// Each benchmark is one iteration repeated, the repetitions of all of them shuffled
// together (see main), so that a spell of disk traffic from elsewhere hits the batch tool
// and the loops alike instead of one of them.
constexpr int kRepetitions = 5;
void batchBenchmark(benchmark::internal::Benchmark* benchmark) {
    benchmark->UseManualTime()->Iterations(1)->Repetitions(kRepetitions)->Unit(benchmark::kMillisecond);
}
BENCHMARK(BM_CopyTree)->Apply(batchBenchmark);
BENCHMARK(BM_ReadLoop)->Apply(batchBenchmark);
BENCHMARK(BM_PelmarBatchDryRun)->Apply(batchBenchmark);
BENCHMARK(BM_ReadWriteRenameLoop)->Apply(batchBenchmark);
BENCHMARK(BM_PelmarBatch)->Apply(batchBenchmark);

void printRatio(const char* what, double seconds, double baselineSeconds, const char* goal) {
    if (seconds > 0 && baselineSeconds > 0)
        std::printf("  %-48s %5.2fx%s\n", what, seconds / baselineSeconds, goal);
}

}  // namespace

int main(int argc, char** argv) {
    if (!fs::exists(batchProgram())) {
        std::fprintf(stderr, "%s not found: build the pelmar-batch target or set PELMAR_BATCH\n",
                     batchProgram().c_str());
        return 1;
    }
    generateSite();
    std::vector<char*> arguments(argv, argv + argc);
    char interleave[] = "--benchmark_enable_random_interleaving=true";
    arguments.insert(arguments.begin() + 1, interleave);  // the caller's own flags come after it and win
    pelmar::bench::RatioReporter reporter;
    pelmar::bench::RunAll(static_cast<int>(arguments.size()), arguments.data(), reporter);
    fs::remove_all(workFolder());

    double dryRun = reporter.Seconds("BM_PelmarBatchDryRun/");
    double realRun = reporter.Seconds("BM_PelmarBatch/");
    std::printf("\npelmar-batch --subfolders, %d files / %zu MB:\n", kFolders * kFilesPerFolder,
                kFolders * kFilesPerFolder * kFileBytes / 1000000);
    printRatio("--dry-run vs the read loop", dryRun, reporter.Seconds("BM_ReadLoop/"), " (goal: at most 3x)");
    printRatio("real run vs the read-write-rename loop", realRun, reporter.Seconds("BM_ReadWriteRenameLoop/"),
               " (goal: at most 1.15x)");
    printRatio("real run vs cp -r", realRun, reporter.Seconds("BM_CopyTree/"), "");
    std::printf("  (medians of %d runs each)\n", kRepetitions);
    return 0;
}
