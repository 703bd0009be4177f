#pragma once
// TLZH: the decoder of the LZHUF streams inside skin files (LZSS over a 4096-byte ring
// buffer, with adaptive Huffman coding of literals and match lengths).

#include <cstdint>
#include <functional>
#include <span>

#include "toolkit/Classes.h"

TOOLKIT_EXCEPTION(ElzhException, Exception);

class TLZH {
 public:
  // Both callbacks take (buffer, requested count, actual count): a reader reports how
  // many bytes it could deliver, a writer how many it took.
  using TReadProc = std::function<void(std::uint8_t* buffer, int requested, int& actual)>;
  using TWriteProc = std::function<void(const std::uint8_t* buffer, int count, int& actual)>;

  // Produces exactly byteCount bytes (none when it is 0 or less). Input that ends early
  // reads as zero bits, so truncated or corrupt streams still yield byteCount bytes.
  void Decode(std::int32_t byteCount, const TWriteProc& write, const TReadProc& read);
};

// Decodes a stream held in memory, writing the bytes to output at its position. The same
// decoder as TLZH's, without a call per byte: the input is read ahead and the output
// written a block at a time.
void LzhDecode(std::span<const std::uint8_t> input, std::int32_t byteCount, TStream& output);
