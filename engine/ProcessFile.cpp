#include "engine/ProcessFile.h"

#include "engine/TextFile.h"
#include "platform/Platform.h"

namespace pelmar {

ProcessedFile ProcessFile(const std::string& path, const PhraseList& phrases, RandomGenerator& random,
                          const ProcessOptions& options) {
    const std::string fullPath = platform::AbsolutePath(path);
    const std::string original = ReadFileBytes(fullPath);
    // A file whose line breaks are CR LF already is not copied to be loaded.
    const std::string normalized = HasOnlyCrLfLineBreaks(original) ? std::string() : NormalizeLineBreaks(original);
    const std::string_view loaded = normalized.empty() ? std::string_view(original) : normalized;
    if (loaded.size() > options.textCapacity)
        throw ETextCapacity();
    AltTagResult rewritten = InsertAltTags(loaded, phrases, random);
    if (rewritten.text.size() > options.textCapacity)
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
