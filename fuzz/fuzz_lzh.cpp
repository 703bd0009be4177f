// The LZH decoder on any stream and byte count gives what the plain decoder written from
// the codec's description gives; our encoder's output of the same bytes must decode back
// exactly.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "bench/bench_lzh_plain.h"
#include "skin/Lzh.h"
#include "skin/LzhEncoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  // The first two bytes give the byte count, up to twice the ring buffer, so that
  // runs stay fast.
  const std::int32_t count = data[0] | ((data[1] & 0x1F) << 8);
  const std::span<const std::uint8_t> stream(data + 2, size - 2);

  TMemoryStream decoded;
  LzhDecode(stream, count, decoded);
  if (decoded.Size() != count) std::abort();
  const std::vector<std::uint8_t> plain = pelmar::bench::PlainLzhDecoder().Decode(stream, count);
  if (!std::equal(plain.begin(), plain.end(), decoded.Bytes().begin(), decoded.Bytes().end())) std::abort();

  TMemoryStream roundTrip;
  LzhDecode(LzhEncode(stream), static_cast<std::int32_t>(stream.size()), roundTrip);
  if (!std::equal(stream.begin(), stream.end(), roundTrip.Bytes().begin(), roundTrip.Bytes().end())) {
    std::abort();
  }
  return 0;
}
