#include "skin/Lzh.h"

#include <algorithm>
#include <memory>
#include <new>
#include <vector>

#include "skin/LzhModel.h"

namespace {

// The input as a caller's read callback gives it: one byte per call, asked for only when
// the bit buffer runs low, as the codec is documented to read.
class CallbackSource {
 public:
  static constexpr int kFillTo = 9;  // bits; one byte at a time

  explicit CallbackSource(const TLZH::TReadProc& read) : read_(read) {}

  std::uint8_t Next() {
    std::uint8_t byte = 0;
    int actual = 0;
    read_(&byte, 1, actual);
    return actual == 1 ? byte : 0;
  }

 private:
  const TLZH::TReadProc& read_;
};

// Input held in memory, read ahead as far as the bit buffer holds: nobody can see how far.
class MemorySource {
 public:
  static constexpr int kFillTo = 57;  // bits; up to seven bytes per refill

  explicit MemorySource(std::span<const std::uint8_t> input) : input_(input) {}

  std::uint8_t Next() { return position_ < input_.size() ? input_[position_++] : 0; }

 private:
  std::span<const std::uint8_t> input_;
  std::size_t position_ = 0;
};

// Bits most significant first; past the end of the input every bit is 0.
template <typename Source>
class BitReader {
 public:
  explicit BitReader(Source& source) : source_(source) {}

  int Bit() { return static_cast<int>(Take(1)); }
  int Byte() { return static_cast<int>(Take(8)); }

 private:
  std::uint64_t Take(int bits) {
    if (count_ < 9) Refill();
    const std::uint64_t taken = buffer_ >> (64 - bits);
    buffer_ <<= bits;
    count_ -= bits;
    return taken;
  }

  void Refill() {
    while (count_ < Source::kFillTo) {
      buffer_ |= static_cast<std::uint64_t>(source_.Next()) << (56 - count_);
      count_ += 8;
    }
  }

  Source& source_;
  std::uint64_t buffer_ = 0;  // valid bits are left-aligned
  int count_ = 0;
};

// Hands each byte to a caller's write callback, as the codec is documented to write.
class CallbackSink {
 public:
  explicit CallbackSink(const TLZH::TWriteProc& write) : write_(write) {}

  void Put(std::uint8_t byte) {
    int taken = 0;
    write_(&byte, 1, taken);
    if (taken != 1) Refuse();
  }
  void Flush() {}

  [[noreturn]] static void Refuse() { throw ElzhException("LZH : Cannot write the decoded data"); }

 private:
  const TLZH::TWriteProc& write_;
};

// Gathers the bytes and writes them to a stream a block at a time.
class StreamSink {
 public:
  explicit StreamSink(TStream& output) : output_(output) {}

  void Put(std::uint8_t byte) {
    block_[filled_++] = byte;
    if (filled_ == block_.size()) Flush();
  }

  void Flush() {
    if (output_.Write(block_.data(), static_cast<std::int64_t>(filled_)) != static_cast<std::int64_t>(filled_)) {
      CallbackSink::Refuse();
    }
    filled_ = 0;
  }

 private:
  TStream& output_;
  std::vector<std::uint8_t> block_ = std::vector<std::uint8_t>(1 << 16);
  std::size_t filled_ = 0;
};

struct Tables {
  std::uint8_t ring[lzh::N + lzh::F - 1];
  lzh::HuffmanTree tree;
};

std::unique_ptr<Tables> AllocateTables() {
  try {
    return std::make_unique<Tables>();
  } catch (const std::bad_alloc&) {
    throw ElzhException("LZH : Cannot get memory for dictionary tables");
  }
}

template <typename Source>
int DecodeChar(lzh::HuffmanTree& tree, BitReader<Source>& bits) {
  int node = tree.Son(lzh::R);
  while (node < lzh::T) node = tree.Son(node + bits.Bit());
  const int symbol = node - lzh::T;
  tree.Update(symbol);
  return symbol;
}

template <typename Source>
int DecodePosition(BitReader<Source>& bits) {
  int code = bits.Byte();
  const int upper = lzh::kPositionCode.upper[code] << 6;
  // Eight bits were read; the code and the six plain bits take length + 6.
  for (int more = lzh::kPositionCode.codeLength[code] - 2; more > 0; --more) {
    code = (code << 1) + bits.Bit();
  }
  return upper | (code & 0x3F);
}

template <typename Source, typename Sink>
void DecodeStream(std::int32_t byteCount, Source source, Sink& sink) {
  if (byteCount <= 0) return;
  const std::unique_ptr<Tables> tables = AllocateTables();
  std::uint8_t* const ring = tables->ring;
  std::fill(ring, ring + (lzh::N - lzh::F), lzh::kRingFill);
  BitReader<Source> bits(source);

  int r = lzh::N - lzh::F;
  std::int32_t written = 0;
  auto emit = [&](std::uint8_t byte) {
    sink.Put(byte);
    ring[r] = byte;
    r = (r + 1) & (lzh::N - 1);
    ++written;
  };

  while (written < byteCount) {
    const int c = DecodeChar(tables->tree, bits);
    if (c < 256) {
      emit(static_cast<std::uint8_t>(c));
      continue;
    }
    const int from = (r - DecodePosition(bits) - 1) & (lzh::N - 1);
    // A match that would run past the requested size is cut there.
    const int length = std::min(c - 255 + lzh::THRESHOLD, byteCount - written);
    for (int k = 0; k < length; ++k) emit(ring[(from + k) & (lzh::N - 1)]);
  }
  sink.Flush();
}

}  // namespace

void TLZH::Decode(std::int32_t byteCount, const TWriteProc& write, const TReadProc& read) {
  CallbackSink sink(write);
  DecodeStream(byteCount, CallbackSource(read), sink);
}

void LzhDecode(std::span<const std::uint8_t> input, std::int32_t byteCount, TStream& output) {
  StreamSink sink(output);
  DecodeStream(byteCount, MemorySource(input), sink);
}
