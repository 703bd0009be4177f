// The LZH codec: the published position tables, hand-checked streams, round trips
// through our encoder, and what truncated or odd input produces.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "skin/Lzh.h"
#include "skin/LzhEncoder.h"
#include "skin/LzhModel.h"
#include "tests/unit/skin/SkinTestData.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ToBytes(const std::string& text) { return Bytes(text.begin(), text.end()); }

Bytes LzhDecode(const Bytes& input, std::int32_t byteCount) {
  TMemoryStream output;
  ::LzhDecode(input, byteCount, output);
  return output.Bytes();
}

Bytes RoundTrip(const Bytes& input) {
  return LzhDecode(LzhEncode(input), static_cast<std::int32_t>(input.size()));
}

Bytes RandomBytes(std::size_t size, unsigned seed, int alphabet = 256) {
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> pick(0, alphabet - 1);
  Bytes bytes(size);
  for (auto& b : bytes) b = static_cast<std::uint8_t>(pick(random));
  return bytes;
}

TEST(LzhPositionCode, MatchesThePublishedDecodeTables) {
  const auto& table = lzh::kPositionCode;
  struct Expected { int byte, upper, length; };
  for (auto e : {Expected{0x00, 0x00, 3}, Expected{0x1F, 0x00, 3}, Expected{0x20, 0x01, 4},
                 Expected{0x4F, 0x03, 4}, Expected{0x50, 0x04, 5}, Expected{0x8F, 0x0B, 5},
                 Expected{0x90, 0x0C, 6}, Expected{0xBF, 0x17, 6}, Expected{0xC0, 0x18, 7},
                 Expected{0xEF, 0x2F, 7}, Expected{0xF0, 0x30, 8}, Expected{0xFF, 0x3F, 8}}) {
    EXPECT_EQ(table.upper[e.byte], e.upper) << "byte " << e.byte;
    EXPECT_EQ(table.codeLength[e.byte], e.length) << "byte " << e.byte;
  }
  EXPECT_EQ(table.code[1], 0x20);
  EXPECT_EQ(table.code[12], 0x90);
  EXPECT_EQ(table.code[63], 0xFF);
}

// Weights in Fibonacci-like steps above the symbols never seen make the tree more
// than 16 levels deep; the path to such a symbol still leads a decoder's walk to it.
TEST(LzhModel, PathsDeeperThanSixteenLevelsStayWhole) {
  lzh::HuffmanTree tree;
  const int weights[] = {310, 320, 640, 970, 1610, 2590, 4210, 6800, 11010};
  for (int k = 0; k < 9; ++k) {
    for (int i = 0; i < weights[k]; ++i) tree.Update('a' + k);
  }
  int deepest = 0;
  for (int symbol = 0; symbol < lzh::N_CHAR; ++symbol) {
    lzh::HuffmanTree::Path path;
    const int depth = tree.PathTo(symbol, path);
    deepest = std::max(deepest, depth);
    int node = tree.Son(lzh::R);
    for (int k = 0; k < depth; ++k) node = tree.Son(node + path[k]);
    EXPECT_EQ(node, lzh::T + symbol) << "symbol " << symbol;
  }
  EXPECT_GT(deepest, 16);
}

// Worked out by hand from the initial tree (symbol n is leaf n; inner node j has the
// children 2(j − 314) and 2(j − 314) + 1): 'A' is the path 111001101, the match symbol
// for length 3 (256) is 10001100, position 100 is 0010 + 100100.
TEST(LzhDecode, HandCheckedStreams) {
  EXPECT_EQ(LzhDecode(Bytes{0xE6, 0x80}, 1), ToBytes("A"));
  // A first match refers back into the initial ring buffer, which holds spaces.
  EXPECT_EQ(LzhDecode(Bytes{0x8C, 0x29, 0x00}, 3), ToBytes("   "));
  // Nothing but zero bits: the leftmost leaf of the initial tree is symbol 116.
  EXPECT_EQ(LzhDecode(Bytes{}, 1), ToBytes("t"));
}

TEST(LzhEncode, ProducesTheHandCheckedStream) {
  EXPECT_EQ(LzhEncode(ToBytes("A")), (Bytes{0xE6, 0x80}));
  EXPECT_TRUE(LzhEncode(Bytes{}).empty());
}

TEST(LzhDecode, CheckedInVectorsStillDecode) {
  const Bytes text = ReadTestFile("skin/lzh/text.txt");
  const Bytes packed = ReadTestFile("skin/lzh/text.lzh");
  ASSERT_FALSE(text.empty());
  EXPECT_EQ(LzhDecode(packed, static_cast<std::int32_t>(text.size())), text);
  EXPECT_EQ(LzhEncode(text), packed);
}

// Round trips cannot tell a model that drifted from the published one, since encoder
// and decoder would drift together. This stream, long enough for the tree to be rebuilt
// several times, was made by the tree code written straight from the published
// algorithm; its digest pins every later version to it.
TEST(LzhEncode, LongStreamMatchesThePublishedModel) {
  Bytes input(200000);
  std::uint32_t state = 1;
  for (auto& byte : input) {
    state = state * 134775813u + 1u;
    byte = static_cast<std::uint8_t>('a' + (state >> 24) % 16);
  }
  const Bytes packed = LzhEncode(input);
  std::uint64_t digest = 1469598103934665603ull;  // FNV-1a
  for (std::uint8_t byte : packed) digest = (digest ^ byte) * 1099511628211ull;
  EXPECT_EQ(packed.size(), 115160u);
  EXPECT_EQ(digest, 0xb87aa563d60a47e7ull);
  EXPECT_EQ(LzhDecode(packed, static_cast<std::int32_t>(input.size())), input);
}

TEST(LzhRoundTrip, ShapesOfInput) {
  std::string text;
  for (int i = 0; i < 400; ++i) text += "Line " + std::to_string(i * 7919 % 1000) + " of the skin text\r\n";
  Bytes allValues(256 * 3);
  for (std::size_t i = 0; i < allValues.size(); ++i) allValues[i] = static_cast<std::uint8_t>(i);
  Bytes farRepeat = RandomBytes(3000, 7);
  const Bytes block = farRepeat;
  farRepeat.resize(5000, 0x11);  // the repeat starts beyond the ring buffer's reach
  farRepeat.insert(farRepeat.end(), block.begin(), block.end());

  const std::vector<std::pair<const char*, Bytes>> cases = {
      {"one byte", Bytes{0x42}},
      {"two bytes", Bytes{0x00, 0xFF}},
      {"spaces like the initial ring", Bytes(100, ' ')},
      {"short run", Bytes(61, 'x')},
      {"long run", Bytes(200000, 0)},
      {"text", ToBytes(text)},
      {"every byte value", allValues},
      {"random, small", RandomBytes(100, 1)},
      {"random, ring size", RandomBytes(4096, 2)},
      {"random, large", RandomBytes(150000, 3)},
      {"few symbols", RandomBytes(80000, 4, 3)},
      {"repeat farther than the ring", farRepeat},
  };
  for (const auto& [name, input] : cases) {
    EXPECT_EQ(RoundTrip(input), input) << name;
  }
}

TEST(LzhEncode, CompressesRedundantInput) {
  const Bytes run(100000, 'a');
  EXPECT_LT(LzhEncode(run).size(), run.size() / 40);  // 60-byte matches of about 10 bits
  // Incompressible input grows only by the literal codes' extra bits.
  const Bytes noise = RandomBytes(50000, 9);
  EXPECT_LT(LzhEncode(noise).size(), noise.size() * 9 / 8 + 64);
}

TEST(LzhDecode, TruncatedStreamStillYieldsTheByteCount) {
  const Bytes input = RandomBytes(20000, 5, 16);
  const Bytes packed = LzhEncode(input);
  const Bytes half(packed.begin(), packed.begin() + static_cast<std::ptrdiff_t>(packed.size() / 2));
  const Bytes decoded = LzhDecode(half, static_cast<std::int32_t>(input.size()));
  ASSERT_EQ(decoded.size(), input.size());
  // The part the truncated stream still covers is intact.
  EXPECT_TRUE(std::equal(decoded.begin(), decoded.begin() + 1000, input.begin()));
}

TEST(LzhDecode, ProducesExactlyTheCountEvenInsideAMatch) {
  const Bytes input(1000, 'q');  // coded as long matches
  const Bytes packed = LzhEncode(input);
  for (std::int32_t count : {1, 2, 59, 61, 999}) {
    EXPECT_EQ(LzhDecode(packed, count), Bytes(static_cast<std::size_t>(count), 'q')) << count;
  }
}

// The callback interface decodes the same bytes as the in-memory one, asking for one
// input byte per call and handing over one output byte per call.
TEST(LzhDecode, CallbacksGiveTheSameBytesAByteAtATime) {
  const Bytes input = RandomBytes(70000, 6, 20);
  const Bytes packed = LzhEncode(input);
  Bytes output;
  std::size_t at = 0;
  bool byteAtATime = true;
  TLZH().Decode(
      static_cast<std::int32_t>(input.size()),
      [&](const std::uint8_t* buffer, int count, int& actual) {
        byteAtATime &= count == 1;
        output.insert(output.end(), buffer, buffer + count);
        actual = count;
      },
      [&](std::uint8_t* buffer, int requested, int& actual) {
        byteAtATime &= requested == 1;
        actual = at < packed.size() ? 1 : 0;
        if (actual) *buffer = packed[at++];
      });
  EXPECT_EQ(output, input);
  EXPECT_TRUE(byteAtATime);
}

TEST(LzhDecode, CountOfZeroOrLessProducesNothingAndReadsNothing) {
  int reads = 0;
  int writes = 0;
  TLZH decoder;
  for (std::int32_t count : {0, -1, INT32_MIN}) {
    decoder.Decode(
        count, [&](const std::uint8_t*, int n, int& actual) { ++writes; actual = n; },
        [&](std::uint8_t*, int, int& actual) { ++reads; actual = 0; });
  }
  EXPECT_EQ(reads, 0);
  EXPECT_EQ(writes, 0);
}

TEST(LzhDecode, AWriterThatTakesNothingStopsTheDecode) {
  TLZH decoder;
  EXPECT_THROW(decoder.Decode(
                   10, [](const std::uint8_t*, int, int& actual) { actual = 0; },
                   [](std::uint8_t*, int, int& actual) { actual = 0; }),
               ElzhException);
}

}  // namespace
