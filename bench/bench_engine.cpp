// InsertAltTags on a 50 MB HTML text with 200,000 image tags, beside the literal
// insert-and-shift steps. The literal steps are quadratic, so at 50 MB they would take
// minutes: they run on a 1/50 sample of the same page (1 MB, 4,000 tags), where both are
// measured, and their 50 MB time is projected from it (tags × length, both × 50).

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "tests/support/LiteralAltTags.h"
#include "bench/bench_ratio_reporter.h"
#include "engine/AltTags.h"

namespace {

constexpr int kFullTags = 200000;
constexpr int kSampleDivisor = 50;
constexpr std::size_t kBlockBytes = 250;  // 200,000 blocks make 50 MB

const pelmar::PhraseList kPhrases = {"fresh bread harbour bakery", "sourdough loaf", "artisan bakery seaside town"};

// One block per tag: a paragraph and an image; every tenth image has its alt already.
std::string makePage(int tags) {
    std::string page;
    page.reserve(static_cast<std::size_t>(tags) * kBlockBytes);
    for (int i = 0; i < tags; ++i) {
        std::string block = "<p>Fresh bread every morning, block " + std::to_string(i) + ".</p>\r\n<img src=\"images/photo" +
                            std::to_string(i) + ".jpg\" " + (i % 10 == 0 ? "alt=\"kept\" " : "") +
                            "width=\"200\" height=\"150\">\r\n";
        block.resize(kBlockBytes - 2, ' ');
        page += block + "\r\n";
    }
    return page;
}

const std::string& page(int tags) {
    static const std::string full = makePage(kFullTags);
    static const std::string sample = makePage(kFullTags / kSampleDivisor);
    return tags == kFullTags ? full : sample;
}

void BM_InsertAltTags(benchmark::State& state) {
    const std::string& text = page(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        pelmar::RandomGenerator random;
        random.Seed(1);
        benchmark::DoNotOptimize(pelmar::InsertAltTags(text, kPhrases, random));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void BM_LiteralInsertAndShift(benchmark::State& state) {
    const std::string& text = page(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        pelmar::RandomGenerator random;
        random.Seed(1);
        benchmark::DoNotOptimize(pelmar::testing::LiteralInsertAltTags(text, kPhrases, random));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

BENCHMARK(BM_InsertAltTags)->Arg(kFullTags)->Arg(kFullTags / kSampleDivisor)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_LiteralInsertAndShift)->Arg(kFullTags / kSampleDivisor)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace

int main(int argc, char** argv) {
    // The two implementations must agree before their times mean anything.
    pelmar::RandomGenerator a, b;
    if (pelmar::InsertAltTags(page(kFullTags / kSampleDivisor), kPhrases, a).text !=
        pelmar::testing::LiteralInsertAltTags(page(kFullTags / kSampleDivisor), kPhrases, b).text) {
        std::fprintf(stderr, "InsertAltTags and the literal steps disagree\n");
        return 1;
    }
    pelmar::bench::RatioReporter reporter;
    pelmar::bench::RunAll(argc, argv, reporter);

    const std::string full = std::to_string(kFullTags), sample = std::to_string(kFullTags / kSampleDivisor);
    double fast = reporter.Seconds("BM_InsertAltTags/" + full + "/");
    double fastSample = reporter.Seconds("BM_InsertAltTags/" + sample + "/");
    double literalSample = reporter.Seconds("BM_LiteralInsertAndShift/" + sample + "/");
    if (fast <= 0 || fastSample <= 0 || literalSample <= 0)
        return 0;  // filtered out
    double literalProjected = literalSample * kSampleDivisor * kSampleDivisor;
    std::printf("\nInsertAltTags, %.1f MB with %d tags: %.1f ms (%.0f MB/s)\n", page(kFullTags).size() / 1e6,
                kFullTags, fast * 1e3, page(kFullTags).size() / 1e6 / fast);
    std::printf("literal insert-and-shift vs InsertAltTags, measured at %.1f MB: %.1fx slower\n",
                page(kFullTags / kSampleDivisor).size() / 1e6, literalSample / fastSample);
    std::printf("literal insert-and-shift at 50 MB, projected: %.0f s, %.0fx slower\n", literalProjected,
                literalProjected / fast);
    return 0;
}
