#include "skin/Lzh.h"

#include <memory>
#include <new>

#include "skin/LzhModel.h"

struct TLZH::Tables {
  std::uint8_t ring[lzh::N + lzh::F - 1];
  lzh::HuffmanTree tree;
};

void TLZH::Refill() {
  while (bitCount_ <= 8) {
    std::uint8_t byte = 0;
    int actual = 0;
    (*read_)(&byte, 1, actual);
    if (actual != 1) byte = 0;
    bitBuffer_ = static_cast<std::uint16_t>(bitBuffer_ | (byte << (8 - bitCount_)));
    bitCount_ = static_cast<std::uint8_t>(bitCount_ + 8);
  }
}

int TLZH::GetBit() {
  Refill();
  const int bit = bitBuffer_ >> 15;
  bitBuffer_ = static_cast<std::uint16_t>(bitBuffer_ << 1);
  --bitCount_;
  return bit;
}

int TLZH::GetByte() {
  Refill();
  const int byte = bitBuffer_ >> 8;
  bitBuffer_ = static_cast<std::uint16_t>(bitBuffer_ << 8);
  bitCount_ = static_cast<std::uint8_t>(bitCount_ - 8);
  return byte;
}

int TLZH::DecodeChar(Tables& tables) {
  int node = tables.tree.Son(lzh::R);
  while (node < lzh::T) node = tables.tree.Son(node + GetBit());
  const int symbol = node - lzh::T;
  tables.tree.Update(symbol);
  return symbol;
}

int TLZH::DecodePosition() {
  int bits = GetByte();
  const int upper = lzh::kPositionCode.upper[bits] << 6;
  // Eight bits were read; the code and the six plain bits take length + 6.
  for (int more = lzh::kPositionCode.codeLength[bits] - 2; more > 0; --more) {
    bits = (bits << 1) + GetBit();
  }
  return upper | (bits & 0x3F);
}

void TLZH::Decode(std::int32_t byteCount, const TWriteProc& write, const TReadProc& read) {
  if (byteCount <= 0) return;
  std::unique_ptr<Tables> tables;
  try {
    tables = std::make_unique<Tables>();
  } catch (const std::bad_alloc&) {
    throw ElzhException("LZH : Cannot get memory for dictionary tables");
  }
  read_ = &read;
  bitBuffer_ = 0;
  bitCount_ = 0;
  std::fill(tables->ring, tables->ring + (lzh::N - lzh::F), lzh::kRingFill);

  int r = lzh::N - lzh::F;
  std::int32_t written = 0;
  auto emit = [&](std::uint8_t byte) {
    int taken = 0;
    write(&byte, 1, taken);
    if (taken != 1) throw ElzhException("LZH : Cannot write the decoded data");
    tables->ring[r] = byte;
    r = (r + 1) & (lzh::N - 1);
    ++written;
  };

  while (written < byteCount) {
    const int c = DecodeChar(*tables);
    if (c < 256) {
      emit(static_cast<std::uint8_t>(c));
      continue;
    }
    const int from = (r - DecodePosition() - 1) & (lzh::N - 1);
    const int length = c - 255 + lzh::THRESHOLD;
    // A match that would run past the requested size is cut there.
    for (int k = 0; k < length && written < byteCount; ++k) {
      emit(tables->ring[(from + k) & (lzh::N - 1)]);
    }
  }
}

void LzhDecode(std::span<const std::uint8_t> input, std::int32_t byteCount, TStream& output) {
  std::size_t position = 0;
  TLZH decoder;
  decoder.Decode(
      byteCount,
      [&](const std::uint8_t* buffer, int count, int& actual) {
        actual = static_cast<int>(output.Write(buffer, count));
      },
      [&](std::uint8_t* buffer, int requested, int& actual) {
        const std::size_t left = input.size() - position;
        actual = static_cast<int>(std::min<std::size_t>(left, static_cast<std::size_t>(requested)));
        std::copy_n(input.begin() + static_cast<std::ptrdiff_t>(position), actual, buffer);
        position += static_cast<std::size_t>(actual);
      });
}
