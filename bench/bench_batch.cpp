// pelmar-batch --subfolders over a generated site of 2,000 files / 100 MB, beside a plain
// copy of the same tree (cp -r). Each batch run gets a fresh copy of the tree, made
// outside the timed part, because a second run would find nothing to change. The goal is
// the batch run within 1.5x of the copy.
//
// Replacing a file frees the blocks of its old content, and on this machine's file
// system (mounted with discard) freeing blocks costs more than writing them: deleting the
// tree takes several times as long as copying it. A third baseline therefore copies the
// tree and deletes the original, the least that replacing every file must cost here.
//
// The batch tool is the one built beside this benchmark (../cli/pelmar-batch), or the
// program named by PELMAR_BATCH.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

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

// Times `timed` after `prepare` has run untimed, once per iteration.
template <typename Prepare>
void timeCommand(benchmark::State& state, Prepare prepare, const std::string& timed) {
    for (auto _ : state) {
        fs::remove_all(copy());
        prepare();
        run(state, "sync");
        auto started = std::chrono::steady_clock::now();
        run(state, timed);
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * kFolders * kFilesPerFolder * kFileBytes);
}

std::string copyCommand() { return "cp -r " + shellQuoted(site()) + " " + shellQuoted(copy()); }

std::string batchCommand() {
    return shellQuoted(batchProgram()) + " --subfolders --seed 1 " + shellQuoted(copy()) + " > /dev/null";
}

fs::path copyOfCopy() { return workFolder() / "copy2"; }

void BM_CopyTree(benchmark::State& state) { timeCommand(state, [] {}, copyCommand()); }

void BM_CopyTreeAndDeleteOriginal(benchmark::State& state) {
    timeCommand(
        state, [&] { fs::remove_all(copyOfCopy()); run(state, copyCommand()); },
        "cp -r " + shellQuoted(copy()) + " " + shellQuoted(copyOfCopy()) + " && rm -rf " + shellQuoted(copy()));
}

void BM_PelmarBatchSubfolders(benchmark::State& state) {
    timeCommand(state, [&] { run(state, copyCommand()); }, batchCommand());
}

BENCHMARK(BM_CopyTree)->UseManualTime()->Iterations(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CopyTreeAndDeleteOriginal)->UseManualTime()->Iterations(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PelmarBatchSubfolders)->UseManualTime()->Iterations(2)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (!fs::exists(batchProgram())) {
        std::fprintf(stderr, "%s not found: build the pelmar-batch target or set PELMAR_BATCH\n",
                     batchProgram().c_str());
        return 1;
    }
    generateSite();
    pelmar::bench::RatioReporter reporter;
    pelmar::bench::RunAll(argc, argv, reporter);
    fs::remove_all(workFolder());

    double copySeconds = reporter.Seconds("BM_CopyTree/");
    double replaceSeconds = reporter.Seconds("BM_CopyTreeAndDeleteOriginal/");
    double batchSeconds = reporter.Seconds("BM_PelmarBatchSubfolders/");
    if (copySeconds > 0 && replaceSeconds > 0 && batchSeconds > 0) {
        std::printf("\npelmar-batch --subfolders, %d files / %zu MB:\n", kFolders * kFilesPerFolder,
                    kFolders * kFilesPerFolder * kFileBytes / 1000000);
        std::printf("  vs cp -r: %.2fx the copy's time (goal: 1.5x)\n", batchSeconds / copySeconds);
        std::printf("  vs cp -r plus deleting the original tree: %.2fx\n", batchSeconds / replaceSeconds);
    }
    return 0;
}
