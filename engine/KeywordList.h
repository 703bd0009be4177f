#pragma once
// The keyword list: the text of the keyword box, read as lines, loaded from and saved to
// "Keywords.txt" beside the program.

#include <cstddef>
#include <string>
#include <utility>

#include "engine/AltTags.h"

namespace pelmar {

inline constexpr const char* kKeywordFileName = "Keywords.txt";
inline constexpr const char* kMissingKeywordFileMessage =
    "\"Keywords.txt\" does not exist. Please create this file or insert your keywords into the \"Your "
    "keywords\" box.";

class KeywordList {
public:
    // A line longer than this yields only its first kMaxLineLength characters.
    static constexpr std::size_t kMaxLineLength = 4096;

    const std::string& Text() const { return text_; }
    void SetText(std::string text) { text_ = std::move(text); }

    // The phrases: every line (ended by CR LF, a lone CR or a lone LF), except an empty last line.
    PhraseList Lines() const;

    // Loads the file's text, its line breaks made CR LF; false, with the text unchanged,
    // when there is no such file. Throws EFOpenError when it exists but cannot be read.
    bool LoadFrom(const std::string& path);

    // Writes the text byte for byte. Throws EFCreateError; the file is then unchanged.
    void SaveTo(const std::string& path) const;

private:
    std::string text_ = "keywords";
};

// GetAppDir() + "Keywords.txt"
std::string KeywordFilePath();

}  // namespace pelmar
