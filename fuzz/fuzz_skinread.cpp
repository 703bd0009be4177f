// The skin file reader on any skin file (first byte odd) or any decompressed container
// (first byte even); every lookup must stay inside the data and agree with the sizes.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "skin/SkinRead.h"

namespace {

void CheckLookups(const TSkinReader& reader) {
  TMemoryStream entry;
  const auto& names = reader.Names();
  for (int i = 0; i < reader.Count(); ++i) {
    reader.GetEntry(names[i], entry);
    const int first = static_cast<int>(std::find(names.begin(), names.end(), names[i]) - names.begin());
    const std::int64_t expected = first < reader.PresentCount() ? reader.DeclaredSizeOf(first) : 0;
    if (entry.Size() != expected) std::abort();
  }
  std::string name;
  reader.FindEntry(".ini", entry, name);
  reader.FindEntry(".bmp", entry, name);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  TSkinReader reader;
  reader.SetWarning([](const std::string&) {});
  reader.SetMaxContainerSize(1 << 16);  // keeps each run short
  const std::span<const std::uint8_t> rest(data + 1, size - 1);
  bool loaded;
  if (data[0] & 1) {
    TMemoryStream raw;
    raw.WriteBuffer(rest.data(), static_cast<std::int64_t>(rest.size()));
    loaded = reader.LoadFromStream(raw);
  } else {
    loaded = reader.LoadContainer(rest);
  }
  if (!loaded && reader.Count() != 0) std::abort();
  if (reader.Count() > TSkinReader::kMaxEntries || reader.PresentCount() > reader.Count()) std::abort();
  CheckLookups(reader);
  return 0;
}
