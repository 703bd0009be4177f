#include "toolkit/IniFiles.h"

#include <charconv>
#include <cstdint>
#include <vector>

#include "platform/Win.h"
#include "toolkit/TypInfo.h"

namespace {

// The longest value a read gives back, plus its terminating NUL.
constexpr std::size_t kValueBuffer = 2048;
// Lists of names grow their buffer up to this size.
constexpr std::size_t kMaxListBuffer = std::size_t{16} << 20;

bool ParseDigits(std::string_view digits, int base, std::uint64_t limit, std::uint64_t& value) {
    if (digits.empty()) return false;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
    return error == std::errc() && end == digits.data() + digits.size() && value <= limit;
}

void SplitNulList(const std::string& list, TStrings& out) {
    out.BeginUpdate();
    out.Clear();
    std::size_t start = 0;
    while (start < list.size()) {
        const std::size_t end = list.find('\0', start);
        const std::size_t stop = end == std::string::npos ? list.size() : end;
        if (stop > start) out.Add(list.substr(start, stop - start));
        start = stop + 1;
    }
    out.EndUpdate();
}

}  // namespace

bool TryIniTextToInt(const std::string& text, int& value) {
    std::string_view s = text;
    const bool negative = !s.empty() && s[0] == '-';
    if (!s.empty() && (s[0] == '-' || s[0] == '+')) s.remove_prefix(1);
    std::uint64_t magnitude = 0;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        if (!ParseDigits(std::string_view(text).substr(2), 16, 0xFFFFFFFFu, magnitude)) return false;
    } else if (!s.empty() && s[0] == '$') {
        if (!ParseDigits(s.substr(1), 16, 0xFFFFFFFFu, magnitude)) return false;
    } else {
        // Digits only: from_chars would also take a second sign.
        if (s.empty() || s[0] < '0' || s[0] > '9') return false;
        if (!ParseDigits(s, 10, negative ? 0x80000000u : 0x7FFFFFFFu, magnitude)) return false;
    }
    // Hexadecimal texts cover the whole 32-bit pattern: "$FFFFFFFF" is -1.
    const auto bits = static_cast<std::uint32_t>(negative ? 0 - magnitude : magnitude);
    value = static_cast<std::int32_t>(bits);
    return true;
}

const TClassInfo& TIniFile::StaticClass() {
    static const TClassInfo info("TIniFile", &TObject::StaticClass());
    return info;
}

TIniFile::TIniFile(std::string fileName) : fileName_(std::move(fileName)) {}

std::string TIniFile::ReadProfile(const char* section, const char* ident, const char* defaultValue) const {
    const bool list = section == nullptr || ident == nullptr;
    std::vector<char> buffer(kValueBuffer);
    for (;;) {
        const DWORD size = static_cast<DWORD>(buffer.size());
        const DWORD length =
            GetPrivateProfileStringA(section, ident, defaultValue, buffer.data(), size, fileName_.c_str());
        // A list that did not fit comes back cut, with its length set to size - 2.
        if (!list || length + 2 < size || buffer.size() >= kMaxListBuffer)
            return std::string(buffer.data(), length);
        buffer.resize(buffer.size() * 4);
    }
}

void TIniFile::WriteProfile(const char* section, const char* ident, const char* value) {
    if (!WritePrivateProfileStringA(section, ident, value, fileName_.c_str()))
        throw EIniFileException(Format("Unable to write to %s", fileName_.c_str()));
}

std::string TIniFile::ReadString(const std::string& section, const std::string& ident,
                                 const std::string& defaultValue) const {
    return ReadProfile(section.c_str(), ident.c_str(), defaultValue.c_str());
}

int TIniFile::ReadInteger(const std::string& section, const std::string& ident, int defaultValue) const {
    int value = 0;
    return TryIniTextToInt(ReadString(section, ident, ""), value) ? value : defaultValue;
}

bool TIniFile::ReadBool(const std::string& section, const std::string& ident, bool defaultValue) const {
    return ReadInteger(section, ident, defaultValue ? 1 : 0) != 0;
}

void TIniFile::WriteString(const std::string& section, const std::string& ident, const std::string& value) {
    WriteProfile(section.c_str(), ident.c_str(), value.c_str());
}

void TIniFile::WriteInteger(const std::string& section, const std::string& ident, int value) {
    WriteString(section, ident, std::to_string(value));
}

void TIniFile::WriteBool(const std::string& section, const std::string& ident, bool value) {
    WriteString(section, ident, value ? "1" : "0");
}

bool TIniFile::SectionExists(const std::string& section) const {
    TStringList keys;
    ReadSection(section, keys);
    return keys.Count() > 0;
}

bool TIniFile::ValueExists(const std::string& section, const std::string& ident) const {
    TStringList keys;
    ReadSection(section, keys);
    return keys.IndexOf(ident) >= 0;
}

void TIniFile::ReadSection(const std::string& section, TStrings& keys) const {
    SplitNulList(ReadProfile(section.c_str(), nullptr, ""), keys);
}

void TIniFile::ReadSections(TStrings& sections) const {
    SplitNulList(ReadProfile(nullptr, nullptr, ""), sections);
}

void TIniFile::ReadSectionValues(const std::string& section, TStrings& lines) const {
    TStringList keys;
    ReadSection(section, keys);
    lines.BeginUpdate();
    lines.Clear();
    for (int i = 0; i < keys.Count(); ++i) lines.Add(keys[i] + "=" + ReadString(section, keys[i], ""));
    lines.EndUpdate();
}

void TIniFile::EraseSection(const std::string& section) { WriteProfile(section.c_str(), nullptr, nullptr); }

void TIniFile::DeleteKey(const std::string& section, const std::string& ident) {
    WriteProfile(section.c_str(), ident.c_str(), nullptr);
}

// Flushing is a request to the system's profile cache; a file that cannot be written has
// already been reported by the write that tried.
void TIniFile::UpdateFile() { WritePrivateProfileStringA(nullptr, nullptr, nullptr, fileName_.c_str()); }
