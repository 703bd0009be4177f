#include "skin/WinSkinIni.h"

#include <limits>

namespace {

bool StartsAndEndsAsHeader(const std::string& line) {
  return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

bool ParseDigits(std::string_view digits, int base, std::uint64_t limit, std::uint64_t& value) {
  if (digits.empty()) return false;
  value = 0;
  for (char c : digits) {
    int digit;
    if (c >= '0' && c <= '9') {
      digit = c - '0';
    } else if (base == 16 && c >= 'a' && c <= 'f') {
      digit = c - 'a' + 10;
    } else if (base == 16 && c >= 'A' && c <= 'F') {
      digit = c - 'A' + 10;
    } else {
      return false;
    }
    value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
    if (value > limit) return false;
  }
  return true;
}

// Hexadecimal takes all 32 bits, so that "$FF000005" names a system colour; decimal
// must fit a signed 32-bit value.
bool ParseIniInteger(const std::string& text, std::int32_t& value) {
  std::string_view rest = text;
  bool negative = false;
  if (!rest.empty() && (rest.front() == '-' || rest.front() == '+')) {
    negative = rest.front() == '-';
    rest.remove_prefix(1);
  }
  std::uint64_t magnitude = 0;
  if (!rest.empty() && rest.front() == '$') {
    if (!ParseDigits(rest.substr(1), 16, std::numeric_limits<std::uint32_t>::max(), magnitude)) return false;
    const auto bits = static_cast<std::uint32_t>(magnitude);
    value = static_cast<std::int32_t>(negative ? 0U - bits : bits);
    return true;
  }
  const std::uint64_t limit = std::uint64_t{std::numeric_limits<std::int32_t>::max()} + (negative ? 1 : 0);
  if (!ParseDigits(rest, 10, limit, magnitude)) return false;
  value = static_cast<std::int32_t>(negative ? -static_cast<std::int64_t>(magnitude)
                                             : static_cast<std::int64_t>(magnitude));
  return true;
}

}  // namespace

void TQuickIni::LoadFromStream(TStream* stream) {
  if (stream == nullptr) return;
  std::string text(static_cast<std::size_t>(stream->Size() - stream->Position()), '\0');
  text.resize(static_cast<std::size_t>(stream->Read(text.data(), static_cast<std::int64_t>(text.size()))));
  text.resize(std::min(text.size(), text.find('\0')));

  TStringList all;
  all.SetText(text);
  lines_.clear();
  headers_.clear();
  for (int i = 0; i < all.Count(); ++i) {
    std::string line = Trim(all[i]);
    if (line.empty() || line.front() == ';') continue;
    if (StartsAndEndsAsHeader(line)) headers_.push_back({line, static_cast<int>(lines_.size())});
    lines_.push_back(std::move(line));
  }
}

void TQuickIni::ReadSections(TStrings* strings) const {
  if (strings == nullptr) throw EAssertionFailed("The parameter Strings is unassigned!");
  strings->Clear();
  for (const Header& header : headers_) {
    const std::string trimmed = Trim(header.text);
    strings->Add(Trim(std::string_view(trimmed).substr(1, trimmed.size() - 2)));
  }
}

int TQuickIni::SectionIndex(const std::string& name) const {
  const std::string wanted = "[" + name + "]";
  for (const Header& header : headers_) {
    if (SameText(header.text, wanted)) return header.line;
  }
  return -1;
}

bool TQuickIni::IsSection(const std::string& line) { return StartsAndEndsAsHeader(Trim(line)); }

std::string TQuickIni::KeyOf(const std::string& line) {
  const std::size_t equals = line.find('=');
  if (equals == std::string::npos) return {};
  return LowerCase(Trim(std::string_view(line).substr(0, equals)));
}

std::string TQuickIni::ValueOf(const std::string& line, const std::string& key) {
  const std::size_t equals = line.find('=');
  if (line.empty() || key.empty() || equals == std::string::npos || KeyOf(line) != key) return {};
  return Trim(std::string_view(line).substr(equals + 1));
}

std::string TQuickIni::ReadString(const std::string& section, const std::string& key,
                                  const std::string& defaultValue) const {
  const int header = lines_.empty() ? -1 : SectionIndex(section);
  if (header < 0) return defaultValue;
  const std::string wanted = LowerCase(key);
  for (std::size_t i = static_cast<std::size_t>(header) + 1; i < lines_.size() && !IsSection(lines_[i]); ++i) {
    if (KeyOf(lines_[i]) != wanted) continue;
    const std::string value = ValueOf(lines_[i], wanted);
    return value.empty() ? defaultValue : value;
  }
  return defaultValue;
}

std::int32_t TQuickIni::ReadInteger(const std::string& section, const std::string& key,
                                    std::int32_t defaultValue) const {
  std::string text = ReadString(section, key, "");
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) text.replace(0, 2, "$");
  std::int32_t value;
  return ParseIniInteger(text, value) ? value : defaultValue;
}
