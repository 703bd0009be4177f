// TQuickIni on any text: sections and keys that appear in it are looked up.

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "skin/WinSkinIni.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TMemoryStream stream;
  stream.WriteBuffer(data, static_cast<std::int64_t>(size));
  stream.SetPosition(0);
  TQuickIni ini;
  ini.LoadFromStream(&stream);

  TStringList sections;
  ini.ReadSections(&sections);
  // Bounded, so that a long text does not make a run quadratic.
  const int sectionLimit = std::min(sections.Count(), 16);
  const std::size_t lineLimit = std::min<std::size_t>(ini.Lines().size(), 64);
  for (int s = 0; s < sectionLimit; ++s) {
    for (std::size_t l = 0; l < lineLimit; ++l) {
      const std::string key = TQuickIni::KeyOf(ini.Lines()[l]);
      // An empty value gives the default, so a non-empty default never comes back empty.
      if (ini.ReadString(sections[s], key, "x").empty()) std::abort();
      ini.ReadInteger(sections[s], key, -1);
    }
  }
  return 0;
}
