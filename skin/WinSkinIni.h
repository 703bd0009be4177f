#pragma once
// TQuickIni: a skin definition (INI-style text) held in memory for lookups. Comment
// lines (";" first) and empty lines are dropped when the text is loaded; section and
// key names ignore letter case; the first occurrence of a section or key wins.

#include <cstdint>
#include <string>
#include <vector>

#include "toolkit/Classes.h"

TOOLKIT_EXCEPTION(EAssertionFailed, Exception);

class TQuickIni {
 public:
  // Replaces the content with the text from the stream's position to its end (a NUL
  // ends it). A missing stream is ignored.
  void LoadFromStream(TStream* stream);

  // The section names without brackets. The list must be given.
  void ReadSections(TStrings* strings) const;
  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& defaultValue) const;
  // Decimal with an optional sign, or hexadecimal after "$" or "0x"; the default for
  // anything else, for an empty value and for a number beyond 32 bits.
  std::int32_t ReadInteger(const std::string& section, const std::string& key,
                           std::int32_t defaultValue) const;

  // The lookup steps, public for the definition parse's tests.
  int SectionIndex(const std::string& name) const;  // the header's line number, or −1
  static bool IsSection(const std::string& line);
  static std::string KeyOf(const std::string& line);
  static std::string ValueOf(const std::string& line, const std::string& key);

  const std::vector<std::string>& Lines() const { return lines_; }

 private:
  struct Header {
    std::string text;
    int line;
  };

  std::vector<std::string> lines_;
  std::vector<Header> headers_;
};
