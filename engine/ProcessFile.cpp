#include "engine/ProcessFile.h"

#include "engine/TextFile.h"
#include "platform/Platform.h"

namespace pelmar {
namespace {

// Bytes are never fewer than characters: a text whose bytes fit is not counted.
bool Fits(std::string_view text, std::size_t capacity) {
    return text.size() <= capacity || platform::BoxLength(text) <= capacity;
}

// A text that fits takes at most two bytes a character (on a double-byte code page), so no
// more than that is read of a file that may turn out too large.
std::size_t ReadLimit(std::size_t capacity) {
    return capacity > std::string::npos / 2 ? std::string::npos : 2 * capacity;
}

}  // namespace

ProcessedFile ProcessFile(const std::string& path, const PhraseList& phrases, RandomGenerator& random,
                          const ProcessOptions& options) {
    const std::string fullPath = platform::AbsolutePath(path);
    const std::string original = ReadFileBytes(fullPath, ReadLimit(options.textCapacity));
    // A file whose line breaks are CR LF already is not copied to be loaded.
    const std::string normalized = HasOnlyCrLfLineBreaks(original) ? std::string() : NormalizeLineBreaks(original);
    const std::string_view loaded = normalized.empty() ? std::string_view(original) : normalized;
    if (!Fits(loaded, options.textCapacity))
        throw ETextCapacity();
    AltTagResult rewritten = InsertAltTags(loaded, phrases, random);
    if (!Fits(rewritten.text, options.textCapacity))
        throw ETextCapacity();
    ProcessedFile result{std::move(rewritten.text), rewritten.count, false};
    if (options.write && result.text != original) {
        if (options.beforeReplace)
            options.beforeReplace(fullPath, original);
        SaveTextFile(fullPath, result.text);
        result.written = true;
    }
    return result;
}

}  // namespace pelmar
