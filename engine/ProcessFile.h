#pragma once
// One file through the tag insertion engine: load, rewrite, save. The main window wraps
// this with its "current file" box; the batch tool calls it as it is.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>

#include "engine/AltTags.h"

namespace pelmar {

// "Text exceeds memo capacity": the text is larger than the box that has to show it.
class ETextCapacity : public std::runtime_error {
public:
    ETextCapacity() : std::runtime_error("Text exceeds memo capacity") {}
};

struct ProcessOptions {
    // False: everything as in a real run, but the file is not written.
    bool write = true;
    // Texts longer than this, in the characters of the box that shows them, are refused
    // before anything is written; no more of a file is read than such a text can take.
    std::size_t textCapacity = std::string::npos;
    // Called with the file's full path and its original bytes right before it is replaced.
    std::function<void(const std::string& fullPath, const std::string& originalBytes)> beforeReplace;
};

struct ProcessedFile {
    std::string text;  // the rewritten text, CR LF line breaks
    std::int32_t count = 0;
    bool written = false;  // false also when the new bytes equal the file's bytes
};

// Loads `path` (line breaks made CR LF), inserts the alt attributes, and replaces the file
// in one step with the new text, unless the new bytes are exactly the file's bytes: then
// the file, and its time stamp, stay. Throws ENotRegularFile, EFOpenError, ETextCapacity
// or EFCreateError; the file is untouched whenever something is thrown.
ProcessedFile ProcessFile(const std::string& path, const PhraseList& phrases, RandomGenerator& random,
                          const ProcessOptions& options = {});

}  // namespace pelmar
