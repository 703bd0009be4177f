#include "tools/pelmar-skin/SkinCommands.h"

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <set>
#include <stdexcept>
#include <vector>

#include "platform/Platform.h"
#include "skin/SkinRead.h"
#include "skin/SkinWrite.h"

namespace skintool {

namespace platform = pelmar::platform;

namespace {

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string InFolder(const std::string& folder, const std::string& name) {
  if (!folder.empty() && (folder.back() == '/' || folder.back() == platform::kPathDelimiter)) {
    return folder + name;
  }
  return folder + platform::kPathDelimiter + name;
}

std::string ReadFile(const std::string& path) {
  try {
    return platform::ReadWholeFile(path);
  } catch (const platform::OsError& e) {
    throw std::runtime_error("cannot read " + Quoted(path) + ": " + e.what());
  }
}

void WriteFile(const std::string& path, const std::string& bytes) {
  try {
    platform::ReplaceFileContent(path, bytes);
  } catch (const platform::OsError& e) {
    throw std::runtime_error("cannot write " + Quoted(path) + ": " + e.what());
  }
}

std::string AsText(const std::vector<std::uint8_t>& bytes) { return std::string(bytes.begin(), bytes.end()); }

// A skin whose reader refuses it is an error here, with the reader's own reason.
void LoadSkin(const std::string& skinFile, TSkinReader& reader) {
  const std::string bytes = ReadFile(skinFile);
  TMemoryStream raw;
  raw.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
  std::string refusal;
  reader.SetWarning([&](const std::string& message) { refusal = message; });
  if (!reader.LoadFromStream(raw)) {
    std::replace(refusal.begin(), refusal.end(), '\r', ' ');
    throw std::runtime_error(Quoted(skinFile) + " is not a skin file this program can read: " + refusal);
  }
}

int ReportMissing(const TSkinReader& reader, const std::string& skinFile, std::ostream& err) {
  const int missing = reader.Count() - reader.PresentCount();
  if (missing == 0) return 0;
  err << "pelmar-skin: " << Quoted(skinFile) << " is damaged: " << missing
      << " entr" << (missing == 1 ? "y has" : "ies have")
      << " no data (from " << Quoted(reader.Names()[reader.PresentCount()]) << " on)\n";
  return 1;
}

// A name from a skin file must not lead outside the folder it is unpacked into.
bool IsSafeFileName(const std::string& name) {
  if (name.empty() || name == "." || name == "..") return false;
  return std::none_of(name.begin(), name.end(), [](char c) {
    return c == '/' || c == '\\' || c == ':' || static_cast<unsigned char>(c) < 0x20;
  });
}

bool IsSameFile(const std::string& a, const std::string& b) {
  std::error_code ignored;
  return std::filesystem::equivalent(a, b, ignored);
}

// The names of the files that go into the skin, in lower-case name order. The skin being
// written may lie in the folder it is packed from; packing it into itself would make
// every later pack grow.
std::vector<std::string> SkinFileNames(const std::string& folder, const std::string& skinFile, std::ostream& err) {
  if (!platform::FolderExists(folder)) throw std::runtime_error(Quoted(folder) + " is not a folder");
  std::vector<platform::DirEntry> found = platform::FindEntries(InFolder(folder, ""), "*");
  std::sort(found.begin(), found.end(),
            [](const auto& a, const auto& b) { return LowerCase(a.name) < LowerCase(b.name); });
  std::vector<std::string> names;
  for (const platform::DirEntry& item : found) {
    if (item.folder) {
      if (item.name != "." && item.name != "..") err << "pelmar-skin: skipping the folder " << Quoted(item.name) << "\n";
    } else if (IsSameFile(InFolder(folder, item.name), skinFile)) {
      err << "pelmar-skin: skipping " << Quoted(item.name) << ", the skin file being written\n";
    } else {
      names.push_back(item.name);
    }
  }
  return names;
}

bool IsDefinitionName(const std::string& name) { return LowerCase(name).find(".ini") != std::string::npos; }

// A reader takes the first definition it finds; with more than one, which the skin would
// use is an accident of their names.
void CheckOneDefinition(const std::string& folder, const std::vector<std::string>& names, std::ostream& err) {
  std::vector<std::string> definitions;
  std::copy_if(names.begin(), names.end(), std::back_inserter(definitions), IsDefinitionName);
  if (definitions.empty()) {
    err << "pelmar-skin: note: " << Quoted(folder) << " has no .ini file; the skin will have no definition\n";
  } else if (definitions.size() > 1) {
    std::string listed;
    for (const std::string& name : definitions) listed += (listed.empty() ? "" : ", ") + Quoted(name);
    throw std::runtime_error("cannot pack " + Quoted(folder) + ": it holds " + std::to_string(definitions.size()) +
                             " definition files (" + listed + "); a skin has one");
  }
}

// Sizes are checked before anything is read, so that a folder far too large for a skin is
// refused without being loaded.
std::vector<TSkinEntry> ReadEntries(const std::string& folder, const std::vector<std::string>& names) {
  std::int64_t total = 0;
  for (const std::string& name : names) {
    std::error_code unknown;
    const std::uintmax_t size = std::filesystem::file_size(InFolder(folder, name), unknown);
    if (!unknown) total += static_cast<std::int64_t>(size);
  }
  CheckUnpackedSize(total);
  std::vector<TSkinEntry> entries;
  for (const std::string& name : names) {
    const std::string bytes = ReadFile(InFolder(folder, name));
    entries.push_back({name, std::vector<std::uint8_t>(bytes.begin(), bytes.end())});
  }
  return entries;
}

}  // namespace

int Pack(const std::string& folder, const std::string& skinFile, std::int32_t version,
         std::ostream& out, std::ostream& err) {
  const std::vector<std::string> names = SkinFileNames(folder, skinFile, err);
  CheckOneDefinition(folder, names, err);
  std::vector<TSkinEntry> entries;
  std::vector<std::uint8_t> file;
  try {
    entries = ReadEntries(folder, names);
    file = BuildSkinFile(version, entries);
  } catch (const ESkinWriteError& e) {
    throw std::runtime_error("cannot pack " + Quoted(folder) + ": " + e.what());
  }
  WriteFile(skinFile, AsText(file));
  out << "packed " << entries.size() << " entries into " << skinFile << " (" << file.size() << " bytes)\n";
  return 0;
}

int Unpack(const std::string& skinFile, const std::string& folder, std::ostream& out,
           std::ostream& err) {
  TSkinReader reader;
  LoadSkin(skinFile, reader);
  for (const std::string& name : reader.Names()) {
    if (!IsSafeFileName(name)) {
      throw std::runtime_error(Quoted(skinFile) + " names an entry " + Quoted(name) +
                               " that is not a plain file name; nothing was unpacked");
    }
  }
  try {
    platform::CreateFolderPath(folder);
  } catch (const platform::OsError& e) {
    throw std::runtime_error("cannot create the folder " + Quoted(folder) + ": " + e.what());
  }
  std::set<std::string> written;
  TMemoryStream entry;
  for (int i = 0; i < reader.PresentCount(); ++i) {
    const std::string& name = reader.Names()[i];
    if (!written.insert(name).second) {
      err << "pelmar-skin: skipping the second entry named " << Quoted(name) << " (lookups never reach it)\n";
      continue;
    }
    reader.GetEntry(name, entry);
    WriteFile(InFolder(folder, name), AsText(entry.Bytes()));
  }
  out << "unpacked " << written.size() << " entries into " << folder << "\n";
  return ReportMissing(reader, skinFile, err);
}

int List(const std::string& skinFile, std::ostream& out, std::ostream& err) {
  TSkinReader reader;
  LoadSkin(skinFile, reader);
  for (int i = 0; i < reader.Count(); ++i) {
    out << reader.Names()[i] << '\t' << reader.DeclaredSizeOf(i);
    if (i >= reader.PresentCount()) out << "\tmissing";
    out << '\n';
  }
  return ReportMissing(reader, skinFile, err);
}

int Decode(const std::string& anyFile, const std::string& outFile, std::ostream& out) {
  const std::string bytes = ReadFile(anyFile);
  if (bytes.size() < 4) throw std::runtime_error(Quoted(anyFile) + " is too short to hold the 4-byte size");
  TMemoryStream raw;
  raw.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
  const std::int32_t size = TSkinReader::DeclaredSize(raw.Bytes());
  if (size < 0) throw std::runtime_error(Quoted(anyFile) + " declares a negative size (" + std::to_string(size) + ")");
  if (size > TSkinReader::kDefaultMaxContainerSize) {
    throw std::runtime_error(Quoted(anyFile) + " declares " + std::to_string(size) + " bytes, more than the " +
                             std::to_string(TSkinReader::kDefaultMaxContainerSize) + " a skin may hold");
  }
  TMemoryStream decoded;
  TSkinReader::Decompress(raw, decoded);
  WriteFile(outFile, AsText(decoded.Bytes()));
  out << "decoded " << decoded.Size() << " bytes into " << outFile << "\n";
  return 0;
}

}  // namespace skintool
