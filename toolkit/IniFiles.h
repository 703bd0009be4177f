#pragma once
// INI files through the system's private-profile functions (Win32).
//
// A TIniFile holds only its file name: nothing is cached, every read and every write goes to
// the file, so other keys, other sections and comments in it survive our writes. Section and
// key names are matched without regard to case. A write the system refuses raises
// EIniFileException "Unable to write to <file>".

#include <string>

#include "toolkit/Classes.h"

TOOLKIT_EXCEPTION(EIniFileException, Exception);

class TIniFile : public TObject {
    TOOLKIT_CLASS(TIniFile, TObject)

public:
    explicit TIniFile(std::string fileName);

    const std::string& FileName() const { return fileName_; }

    // The text after "=", without surrounding blanks and one pair of enclosing quotes, at
    // most 2047 characters; `defaultValue` when the file, section or key is missing.
    std::string ReadString(const std::string& section, const std::string& ident,
                           const std::string& defaultValue) const;
    // Decimal, or hexadecimal after "$" or "0x"; `defaultValue` for anything else.
    int ReadInteger(const std::string& section, const std::string& ident, int defaultValue) const;
    // Any number but 0 is true; `defaultValue` when the value is no number.
    bool ReadBool(const std::string& section, const std::string& ident, bool defaultValue) const;

    void WriteString(const std::string& section, const std::string& ident, const std::string& value);
    void WriteInteger(const std::string& section, const std::string& ident, int value);
    // Written as "1" or "0".
    void WriteBool(const std::string& section, const std::string& ident, bool value);

    // A section exists when it has at least one key.
    bool SectionExists(const std::string& section) const;
    bool ValueExists(const std::string& section, const std::string& ident) const;
    // The key names of a section, in file order (the list is cleared first).
    void ReadSection(const std::string& section, TStrings& keys) const;
    // The section names, in file order.
    void ReadSections(TStrings& sections) const;
    // "key=value" lines of a section.
    void ReadSectionValues(const std::string& section, TStrings& lines) const;

    void EraseSection(const std::string& section);
    void DeleteKey(const std::string& section, const std::string& ident);
    // Writes out anything the system still holds in memory for this file.
    void UpdateFile();

private:
    // section or ident null: the list form of the profile call (names separated by NULs).
    std::string ReadProfile(const char* section, const char* ident, const char* defaultValue) const;
    void WriteProfile(const char* section, const char* ident, const char* value);

    std::string fileName_;
};

// The integer a settings text stands for, as ReadInteger reads it.
bool TryIniTextToInt(const std::string& text, int& value);
