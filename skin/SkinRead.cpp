#include "skin/SkinRead.h"

#include <algorithm>

#include "platform/Platform.h"
#include "skin/Lzh.h"
#include "toolkit/Classes.h"

namespace {

constexpr std::size_t kSizeFieldBytes = 4;
constexpr std::size_t kHeaderBytes = 16;

// Reads the container front to back; what lies past its end reads as nothing (bytes)
// or zero (integers), so that a short container never leads to reading outside it.
class ContainerCursor {
 public:
  explicit ContainerCursor(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  bool CanRead(std::size_t count) const { return bytes_.size() - position_ >= count; }

  std::span<const std::uint8_t> Take(std::size_t count) {
    count = std::min(count, bytes_.size() - position_);
    auto taken = bytes_.subspan(position_, count);
    position_ += count;
    return taken;
  }

  std::int32_t TakeInt32() {
    std::uint32_t value = 0;
    auto bytes = Take(4);
    for (std::size_t k = 0; k < bytes.size(); ++k) value |= std::uint32_t{bytes[k]} << (8 * k);
    return static_cast<std::int32_t>(value);
  }

  std::span<const std::uint8_t> Rest() { return Take(bytes_.size() - position_); }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t position_ = 0;
};

// One name per line, lower-cased. A NUL ends the list, as it ends a definition text.
std::vector<std::string> SplitNameList(std::span<const std::uint8_t> bytes) {
  std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  TStringList lines;
  lines.SetText(LowerCase(text.substr(0, text.find('\0'))));
  return lines.Lines();
}

}  // namespace

TSkinReader::TSkinReader()
    : warning_([](const std::string& message) {
        pelmar::platform::WarningBox(kWarningTitle, message);
      }) {}

std::optional<int> TSkinReader::SkippedBlockSize(std::int32_t version) {
  switch (version) {
    case 20000: return 0;
    case 30000: return 256;
    case 40000: return 80;
    case 50000: return 48;
    default: return std::nullopt;
  }
}

std::int32_t TSkinReader::DeclaredSize(std::span<const std::uint8_t> source) {
  return ContainerCursor(source).TakeInt32();
}

void TSkinReader::Decompress(const TMemoryStream& source, TMemoryStream& target) {
  std::span<const std::uint8_t> bytes = source.Bytes();
  target.Clear();
  LzhDecode(bytes.subspan(std::min(bytes.size(), kSizeFieldBytes)), DeclaredSize(bytes), target);
  target.SetPosition(0);
}

void TSkinReader::Clear() {
  header_ = THeader{};
  names_.clear();
  sizes_.fill(0);
  data_.clear();
  presentCount_ = 0;
}

bool TSkinReader::Refuse(const std::string& message) {
  Clear();
  if (warning_) warning_(message);
  return false;
}

bool TSkinReader::LoadFromStream(const TMemoryStream& raw) {
  const std::int32_t declared = DeclaredSize(raw.Bytes());
  if (declared > maxContainerSize_) {
    return Refuse("The skin file is damaged: it claims to unpack to " + std::to_string(declared) +
                  " bytes, more than the " + std::to_string(maxContainerSize_) +
                  " bytes a skin may hold.");
  }
  TMemoryStream container;
  Decompress(raw, container);
  return LoadContainer(container.Bytes());
}

bool TSkinReader::LoadContainer(std::span<const std::uint8_t> container) {
  Clear();
  ContainerCursor in(container);
  // Without a whole header there is no version to go by.
  if (!in.CanRead(kHeaderBytes)) return Refuse(kOlderSkinMessage);
  header_.version = in.TakeInt32();
  header_.nameListLength = in.TakeInt32();
  auto reserved = in.Take(header_.reserved.size());
  std::copy(reserved.begin(), reserved.end(), header_.reserved.begin());

  const std::optional<int> skipped = SkippedBlockSize(header_.version);
  if (!skipped) return Refuse(kOlderSkinMessage);
  in.Take(static_cast<std::size_t>(*skipped));

  auto nameList = in.Take(static_cast<std::size_t>(std::max(header_.nameListLength, 0)));
  std::vector<std::string> names = SplitNameList(nameList);
  // The size table holds kMaxEntries sizes; a longer directory cannot be trusted.
  if (names.size() > static_cast<std::size_t>(kMaxEntries)) return Refuse(kOlderSkinMessage);

  names_ = std::move(names);
  for (std::size_t i = 0; i < names_.size(); ++i) {
    sizes_[i] = in.CanRead(4) ? in.TakeInt32() : -1;
  }
  auto data = in.Rest();
  data_.assign(data.begin(), data.end());
  CountPresentEntries();
  return true;
}

// Entries lie back to back, so once one cannot be placed (negative size, or reaching
// past the data) no later offset means anything either.
void TSkinReader::CountPresentEntries() {
  std::int64_t offset = 0;
  presentCount_ = 0;
  for (int i = 0; i < Count(); ++i) {
    if (sizes_[i] < 0 || offset + sizes_[i] > static_cast<std::int64_t>(data_.size())) break;
    offset += sizes_[i];
    ++presentCount_;
  }
}

template <typename Match>
int TSkinReader::FindFirst(Match match, TMemoryStream& target) const {
  target.Clear();
  std::size_t offset = 0;
  for (int i = 0; i < presentCount_; ++i) {
    const auto size = static_cast<std::size_t>(sizes_[i]);
    if (match(names_[i])) {
      target.WriteBuffer(data_.data() + offset, static_cast<std::int64_t>(size));
      target.SetPosition(0);
      return i;
    }
    offset += size;
  }
  return -1;
}

void TSkinReader::GetEntry(const std::string& name, TMemoryStream& target) const {
  const std::string wanted = LowerCase(name);
  FindFirst([&](const std::string& entry) { return entry == wanted; }, target);
}

// An empty fragment matches nothing, as a substring search for nothing finds nothing.
void TSkinReader::FindEntry(const std::string& fragment, TMemoryStream& target,
                            std::string& name) const {
  const int found = FindFirst(
      [&](const std::string& entry) {
        return !fragment.empty() && entry.find(fragment) != std::string::npos;
      },
      target);
  if (found >= 0) name = names_[found];
}
