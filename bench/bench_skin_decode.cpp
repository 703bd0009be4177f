// The skin decoder against the plain LZH decoder of bench_lzh_plain.h, on three streams:
// a 200 KB bitmap, 512 KB of bytes with a skewed distribution (few matches, short codes
// for the common bytes and long ones for the rare, and about twenty tree rebuilds), and
// a whole 1 MB skin file. Goal: faster than the plain decoder on every stream. The whole
// reader and our encoder are timed too, for reference.

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "bench/bench_lzh_plain.h"
#include "bench/bench_ratio_reporter.h"
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

// 512 KB of bytes whose frequencies fall off steeply: a few bytes make most of the
// stream, so codes are short for them and long for the rest.
Bytes SkewedBytes(std::size_t size) {
  std::mt19937 random(11);
  std::geometric_distribution<int> pick(0.08);
  Bytes bytes(size);
  for (auto& byte : bytes) byte = static_cast<std::uint8_t>(std::min(pick(random), 255));
  return bytes;
}

struct Stream {
  const char* name;
  Bytes packed;
  std::int32_t unpackedSize;
};

Stream Packed(const char* name, const Bytes& unpacked) {
  return {name, LzhEncode(unpacked), static_cast<std::int32_t>(unpacked.size())};
}

constexpr int kStreamCount = 3;

const std::vector<Stream>& Streams() {
  static const std::vector<Stream> streams = [] {
    const Bytes& skin = OneMegabyteSkin();
    const auto declared = static_cast<std::int32_t>(TSkinReader::DeclaredSize(skin));
    return std::vector<Stream>{
        Packed("200 KB bitmap", SkinLikeBitmap(256, 260, 3)),
        Packed("512 KB, skewed byte distribution", SkewedBytes(512 * 1024)),
        {"1 MB skin file", Bytes(skin.begin() + 4, skin.end()), declared},
    };
  }();
  return streams;
}

// Every stream, five times over, compared by the medians: a busy machine disturbs them less.
void DecodeBenchmark(benchmark::internal::Benchmark* benchmark) {
  benchmark->DenseRange(0, kStreamCount - 1)->Repetitions(5)->Unit(benchmark::kMillisecond);
}

template <typename Decode>
void OverStream(benchmark::State& state, Decode decode) {
  const Stream& stream = Streams()[static_cast<std::size_t>(state.range(0))];
  for (auto _ : state) benchmark::DoNotOptimize(decode(stream));
  state.SetBytesProcessed(state.iterations() * stream.unpackedSize);
}

void BM_PlainDecode(benchmark::State& state) {
  OverStream(state, [](const Stream& stream) {
    return pelmar::bench::PlainLzhDecoder().Decode(stream.packed, stream.unpackedSize).size();
  });
}
BENCHMARK(BM_PlainDecode)->Apply(DecodeBenchmark);

void BM_SkinDecode(benchmark::State& state) {
  OverStream(state, [](const Stream& stream) {
    TMemoryStream output;
    LzhDecode(stream.packed, stream.unpackedSize, output);
    return output.Size();
  });
}
BENCHMARK(BM_SkinDecode)->Apply(DecodeBenchmark);

// Runs body over the raw skin file once per iteration and counts the unpacked bytes.
template <typename Body>
void OverRawSkin(benchmark::State& state, Body body) {
  TMemoryStream raw;
  FillRawSkin(raw);
  for (auto _ : state) benchmark::DoNotOptimize(body(raw));
  state.SetBytesProcessed(state.iterations() * ContainerSize());
}

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

}  // namespace

int main(int argc, char** argv) {
  pelmar::bench::RatioReporter reporter(pelmar::bench::RatioReporter::Time::Cpu);
  pelmar::bench::RunAll(argc, argv, reporter);
  std::printf("\nskin decoder's processor time against the plain decoder's, medians of five runs"
              " (goal: below 1.00x on every stream):\n");
  for (int stream = 0; stream < kStreamCount; ++stream) {
    const std::string suffix = "/" + std::to_string(stream);
    const double plain = reporter.Seconds("BM_PlainDecode" + suffix);
    const double ours = reporter.Seconds("BM_SkinDecode" + suffix);
    if (plain > 0 && ours > 0) {
      std::printf("  %-44s %5.2fx  (%.1f ms against %.1f ms)\n", Streams()[stream].name, ours / plain, ours * 1e3,
                  plain * 1e3);
    }
  }
  return 0;
}
