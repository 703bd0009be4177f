// Decoding a 1 MB skin file: the LZH layer alone, and the whole reader with every
// entry looked up. The baseline moves the same bytes through the decoder's one-byte
// callbacks without decoding, so the ratio shows what the decoding itself costs.

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "skin/Lzh.h"
#include "skin/LzhEncoder.h"
#include "skin/SkinRead.h"
#include "skin/SkinWrite.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// A 24-bit bottom-up BMP with a soft gradient and some grain, as skin artwork tends to be.
Bytes SkinLikeBitmap(int width, int height, unsigned seed) {
  const int stride = (width * 3 + 3) & ~3;
  const std::uint32_t imageSize = static_cast<std::uint32_t>(stride * height);
  Bytes bmp(54 + imageSize, 0);
  auto put32 = [&](std::size_t at, std::uint32_t v) {
    for (int k = 0; k < 4; ++k) bmp[at + k] = static_cast<std::uint8_t>(v >> (8 * k));
  };
  bmp[0] = 'B';
  bmp[1] = 'M';
  put32(2, static_cast<std::uint32_t>(bmp.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<std::uint32_t>(width));
  put32(22, static_cast<std::uint32_t>(height));
  bmp[26] = 1;
  bmp[28] = 24;
  put32(34, imageSize);
  std::mt19937 grain(seed);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      std::uint8_t* pixel = &bmp[54 + static_cast<std::size_t>(y * stride + x * 3)];
      const int noise = static_cast<int>(grain() % 3);
      pixel[0] = static_cast<std::uint8_t>(120 + y * 100 / height + noise);
      pixel[1] = static_cast<std::uint8_t>(90 + x * 60 / width);
      pixel[2] = static_cast<std::uint8_t>((x / 8 + y / 8) % 2 ? 200 : 180);
    }
  }
  return bmp;
}

const Bytes& OneMegabyteSkin() {
  static const Bytes file = [] {
    std::vector<TSkinEntry> entries;
    std::string ini = "[Personality]\r\n";
    std::size_t total = 0;
    for (unsigned i = 0; total < 1024 * 1024; ++i) {
      const std::string name = "image" + std::to_string(i) + ".bmp";
      entries.push_back({name, SkinLikeBitmap(96 + static_cast<int>(i % 5) * 40, 64, i)});
      total += entries.back().data.size();
      ini += "Image" + std::to_string(i) + "=" + name + "\r\n";
    }
    entries.push_back({"skin.ini", Bytes(ini.begin(), ini.end())});
    return BuildSkinFile(kNewestSkinVersion, entries);
  }();
  return file;
}

std::int64_t ContainerSize() { return TSkinReader::DeclaredSize(OneMegabyteSkin()); }

void FillRawSkin(TMemoryStream& raw) {
  raw.WriteBuffer(OneMegabyteSkin().data(), static_cast<std::int64_t>(OneMegabyteSkin().size()));
}

void BM_CallbackBaseline(benchmark::State& state) {
  const Bytes& input = OneMegabyteSkin();
  for (auto _ : state) {
    TMemoryStream output;
    TLZH::TReadProc read = [&, at = std::size_t{0}](std::uint8_t* buffer, int, int& actual) mutable {
      actual = at < input.size() ? 1 : 0;
      if (actual) *buffer = input[at++];
    };
    TLZH::TWriteProc write = [&](const std::uint8_t* buffer, int count, int& actual) {
      actual = static_cast<int>(output.Write(buffer, count));
    };
    for (std::int64_t i = 0; i < ContainerSize(); ++i) {
      std::uint8_t byte;
      int actual;
      read(&byte, 1, actual);
      write(&byte, 1, actual);
    }
    benchmark::DoNotOptimize(output.Size());
  }
  state.SetBytesProcessed(state.iterations() * ContainerSize());
}
BENCHMARK(BM_CallbackBaseline)->Unit(benchmark::kMillisecond);

// Runs body over the raw skin file once per iteration and counts the unpacked bytes.
template <typename Body>
void OverRawSkin(benchmark::State& state, Body body) {
  TMemoryStream raw;
  FillRawSkin(raw);
  for (auto _ : state) benchmark::DoNotOptimize(body(raw));
  state.SetBytesProcessed(state.iterations() * ContainerSize());
}

void BM_DecodeSkinFile(benchmark::State& state) {
  OverRawSkin(state, [](const TMemoryStream& raw) {
    TMemoryStream container;
    TSkinReader::Decompress(raw, container);
    return container.Size();
  });
}
BENCHMARK(BM_DecodeSkinFile)->Unit(benchmark::kMillisecond);

void BM_ReadSkinAndEveryEntry(benchmark::State& state) {
  OverRawSkin(state, [](const TMemoryStream& raw) {
    TSkinReader reader;
    reader.LoadFromStream(raw);
    TMemoryStream entry;
    for (const std::string& name : reader.Names()) reader.GetEntry(name, entry);
    return entry.Size();
  });
}
BENCHMARK(BM_ReadSkinAndEveryEntry)->Unit(benchmark::kMillisecond);

void BM_EncodeSkinContainer(benchmark::State& state) {
  TMemoryStream raw;
  TMemoryStream container;
  FillRawSkin(raw);
  TSkinReader::Decompress(raw, container);
  for (auto _ : state) benchmark::DoNotOptimize(LzhEncode(container.Bytes()).size());
  state.SetBytesProcessed(state.iterations() * ContainerSize());
}
BENCHMARK(BM_EncodeSkinContainer)->Unit(benchmark::kMillisecond);

// Keeps each benchmark's speed so that the ratios can be printed after the table.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      const double seconds = run.GetAdjustedRealTime() / 1e3;  // milliseconds per iteration
      speed_[run.benchmark_name()] = ContainerSize() / seconds / 1e6;
    }
  }

  void PrintRatios() const {
    const double baseline = speed_.at("BM_CallbackBaseline");
    std::printf("\nskin file: %zu bytes packed, %lld bytes unpacked (ratio %.2f)\n", OneMegabyteSkin().size(),
                static_cast<long long>(ContainerSize()),
                static_cast<double>(ContainerSize()) / static_cast<double>(OneMegabyteSkin().size()));
    for (const auto& [name, mbPerSecond] : speed_) {
      std::printf("%-28s %8.1f MB/s  %5.2fx the callback baseline's time\n", name.c_str(), mbPerSecond,
                  baseline / mbPerSecond);
    }
  }

 private:
  std::map<std::string, double> speed_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios();
  benchmark::Shutdown();
  return 0;
}
