#include "skin/SkinWrite.h"

#include <set>

#include "skin/LzhEncoder.h"
#include "skin/SkinRead.h"
#include "toolkit/Classes.h"

namespace {

constexpr std::size_t kHeaderBytes = 16;

void AppendInt32(std::vector<std::uint8_t>& out, std::int64_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  for (int k = 0; k < 4; ++k) out.push_back(static_cast<std::uint8_t>(bits >> (8 * k)));
}

void CheckEntries(const std::vector<TSkinEntry>& entries) {
  if (entries.size() > static_cast<std::size_t>(TSkinReader::kMaxEntries)) {
    throw ESkinWriteError("a skin file holds at most " + std::to_string(TSkinReader::kMaxEntries) +
                          " entries, not " + std::to_string(entries.size()));
  }
  std::set<std::string> seen;
  for (const TSkinEntry& entry : entries) {
    if (entry.name.empty() || entry.name.find_first_of(std::string("\r\n\0", 3)) != std::string::npos) {
      throw ESkinWriteError("entry name \"" + entry.name + "\" is empty or holds a line break or NUL");
    }
    if (!seen.insert(LowerCase(entry.name)).second) {
      throw ESkinWriteError("two entries are named \"" + LowerCase(entry.name) +
                            "\" (names are compared in lower case)");
    }
  }
}

}  // namespace

void CheckUnpackedSize(std::int64_t bytes) {
  if (bytes > TSkinReader::kDefaultMaxContainerSize) {
    throw ESkinWriteError("the skin would unpack to " + std::to_string(bytes) + " bytes, more than the " +
                          std::to_string(TSkinReader::kDefaultMaxContainerSize) + " bytes (" +
                          std::to_string(TSkinReader::kDefaultMaxContainerSize >> 20) +
                          " MiB) a reader accepts");
  }
}

std::vector<std::uint8_t> BuildSkinContainer(std::int32_t version,
                                             const std::vector<TSkinEntry>& entries) {
  const std::optional<int> skipped = TSkinReader::SkippedBlockSize(version);
  if (!skipped) {
    throw ESkinWriteError("unknown skin file version " + std::to_string(version) +
                          " (use 20000, 30000, 40000 or 50000)");
  }
  CheckEntries(entries);

  std::string nameList;
  std::int64_t total = 0;
  for (const TSkinEntry& entry : entries) {
    nameList += entry.name + "\r\n";
    total += static_cast<std::int64_t>(entry.data.size());
  }
  total += static_cast<std::int64_t>(kHeaderBytes + static_cast<std::size_t>(*skipped) +
                                     nameList.size() + 4 * entries.size());
  CheckUnpackedSize(total);

  std::vector<std::uint8_t> out;
  out.reserve(static_cast<std::size_t>(total));
  AppendInt32(out, version);
  AppendInt32(out, static_cast<std::int64_t>(nameList.size()));
  out.resize(kHeaderBytes + static_cast<std::size_t>(*skipped), 0);
  out.insert(out.end(), nameList.begin(), nameList.end());
  for (const TSkinEntry& entry : entries) AppendInt32(out, static_cast<std::int64_t>(entry.data.size()));
  for (const TSkinEntry& entry : entries) out.insert(out.end(), entry.data.begin(), entry.data.end());
  return out;
}

std::vector<std::uint8_t> BuildSkinFile(std::int32_t version, const std::vector<TSkinEntry>& entries) {
  const std::vector<std::uint8_t> container = BuildSkinContainer(version, entries);
  std::vector<std::uint8_t> file;
  AppendInt32(file, static_cast<std::int64_t>(container.size()));
  const std::vector<std::uint8_t> packed = LzhEncode(container);
  file.insert(file.end(), packed.begin(), packed.end());
  return file;
}
