#pragma once
// Skin files built in tests: containers written field by field (so that hostile ones
// can be made), packed behind their size with our encoder.

#include <cstdint>
#include <string>
#include <vector>

#include "skin/LzhEncoder.h"
#include "toolkit/Classes.h"

namespace skintest {

using Bytes = std::vector<std::uint8_t>;

inline void AppendInt32(Bytes& out, std::int64_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  for (int k = 0; k < 4; ++k) out.push_back(static_cast<std::uint8_t>(bits >> (8 * k)));
}

inline Bytes ToBytes(const std::string& text) { return Bytes(text.begin(), text.end()); }

struct RawContainer {
  std::int32_t version = 50000;
  Bytes skippedBlock = Bytes(48, 0);
  std::string names;
  std::vector<std::int32_t> sizes;
  Bytes data;

  Bytes Build() const {
    Bytes out;
    AppendInt32(out, version);
    AppendInt32(out, static_cast<std::int64_t>(names.size()));
    out.resize(16, 0xEE);  // bytes the reader must not interpret
    out.insert(out.end(), skippedBlock.begin(), skippedBlock.end());
    out.insert(out.end(), names.begin(), names.end());
    for (std::int32_t size : sizes) AppendInt32(out, size);
    out.insert(out.end(), data.begin(), data.end());
    return out;
  }
};

inline RawContainer Container(std::string names, std::vector<std::int32_t> sizes, const std::string& data) {
  RawContainer c;
  c.names = std::move(names);
  c.sizes = std::move(sizes);
  c.data = ToBytes(data);
  return c;
}

inline Bytes PackSkinFile(const Bytes& container) {
  Bytes file;
  AppendInt32(file, static_cast<std::int64_t>(container.size()));
  const Bytes packed = LzhEncode(container);
  file.insert(file.end(), packed.begin(), packed.end());
  return file;
}

inline void Fill(TMemoryStream& stream, const Bytes& bytes) {
  stream.Clear();
  stream.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
  stream.SetPosition(0);
}

}  // namespace skintest
