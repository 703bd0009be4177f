#pragma once
// Writes skin files that TSkinReader reads: the container of the given version (the
// unused header bytes and the skipped block are zeros, each name ends with CR LF),
// compressed with our LZH encoder behind its 32-bit size.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

class ESkinWriteError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct TSkinEntry {
  std::string name;
  std::vector<std::uint8_t> data;
};

constexpr std::int32_t kNewestSkinVersion = 50000;

// Throws ESkinWriteError, saying the limit, when a skin of `bytes` unpacked bytes is more
// than a reader accepts (TSkinReader::kDefaultMaxContainerSize).
void CheckUnpackedSize(std::int64_t bytes);

// Both throw ESkinWriteError for anything a reader could not take back as given: an
// unknown version, more entries than a reader holds, a name with a line break or NUL,
// two names equal in lower case (only the first could ever be found), or an unpacked
// size beyond what a reader accepts.
std::vector<std::uint8_t> BuildSkinContainer(std::int32_t version,
                                             const std::vector<TSkinEntry>& entries);
std::vector<std::uint8_t> BuildSkinFile(std::int32_t version, const std::vector<TSkinEntry>& entries);
