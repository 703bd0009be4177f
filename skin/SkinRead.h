#pragma once
// TSkinReader: unpacks a skin file (a 32-bit unpacked size followed by an LZH stream of
// the container) and hands out its entries by name.
//
// The container: version (20000, 30000, 40000 or 50000), the length L of the name list,
// 8 bytes we do not use, a block whose size depends on the version, the name list (one
// name per line), one 32-bit size per name, and the entries' bytes back to back. All
// integers are little-endian and signed.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "toolkit/Classes.h"

class TSkinReader {
 public:
  static constexpr int kMaxEntries = 1001;
  static constexpr std::int32_t kDefaultMaxContainerSize = 64 * 1024 * 1024;
  static constexpr const char* kOlderSkinMessage =
      "This is Older Skin File\rPlease update to new version !";

  // Shows why a skin file is refused; the platform's warning box, titled kWarningTitle,
  // unless replaced.
  static constexpr const char* kWarningTitle = "Pelmar";
  using TWarningProc = std::function<void(const std::string& message)>;

  struct THeader {
    std::int32_t version = 0;
    std::int32_t nameListLength = 0;
    std::array<std::uint8_t, 8> reserved{};
  };

  TSkinReader();

  void SetWarning(TWarningProc warning) { warning_ = std::move(warning); }

  // A damaged size field could ask for gigabytes of output from a few bytes; files
  // that declare more than this are refused.
  void SetMaxContainerSize(std::int32_t bytes) { maxContainerSize_ = bytes; }

  // Decompresses and reads a whole skin file (the stream's content from its start).
  // False (after the warning) for a container this reader cannot use; then it holds no
  // entries.
  bool LoadFromStream(const TMemoryStream& raw);
  // Reads a container that is already decompressed.
  bool LoadContainer(std::span<const std::uint8_t> container);

  // The outer layer alone: the size in the first four bytes (missing bytes read as
  // zero), then exactly that many decoded bytes.
  static void Decompress(const TMemoryStream& source, TMemoryStream& target);
  static std::int32_t DeclaredSize(std::span<const std::uint8_t> source);

  // The skipped block's size for a known version.
  static std::optional<int> SkippedBlockSize(std::int32_t version);

  // The first entry named name (compared in lower case), written to the cleared target
  // and rewound; target stays empty when there is none, or when that entry is missing
  // from the data.
  void GetEntry(const std::string& name, TMemoryStream& target) const;
  // The first entry whose name contains fragment (case-sensitive: names are held in
  // lower case); name receives its name, and is left alone when none matches.
  void FindEntry(const std::string& fragment, TMemoryStream& target, std::string& name) const;

  const THeader& Header() const { return header_; }
  int Count() const { return static_cast<int>(names_.size()); }
  const std::vector<std::string>& Names() const { return names_; }
  std::int32_t DeclaredSizeOf(int index) const { return sizes_[index]; }
  // Entries from this index on have no bytes: a size was negative, unreadable, or
  // reached past the data.
  int PresentCount() const { return presentCount_; }

 private:
  void Clear();
  bool Refuse(const std::string& message);
  void CountPresentEntries();
  template <typename Match>
  int FindFirst(Match match, TMemoryStream& target) const;

  TWarningProc warning_;
  std::int32_t maxContainerSize_ = kDefaultMaxContainerSize;
  THeader header_;
  std::vector<std::string> names_;
  std::array<std::int32_t, kMaxEntries> sizes_{};
  std::vector<std::uint8_t> data_;
  int presentCount_ = 0;
};
