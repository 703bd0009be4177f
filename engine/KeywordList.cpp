#include "engine/KeywordList.h"

#include <algorithm>

#include "engine/TextFile.h"
#include "platform/AnsiText.h"
#include "platform/Platform.h"
#include "util/MovraTPU.h"

namespace pelmar {

PhraseList KeywordList::Lines() const {
    PhraseList lines;
    std::size_t start = 0;
    while (start < text_.size()) {
        std::size_t end = std::min(text_.find_first_of("\r\n", start), text_.size());
        const std::string_view line(text_.data() + start, end - start);
        lines.emplace_back(line.substr(0, platform::CharactersPrefix(line, kMaxLineLength)));
        if (end == text_.size())
            break;
        bool crLf = text_[end] == '\r' && end + 1 < text_.size() && text_[end + 1] == '\n';
        start = end + (crLf ? 2 : 1);
    }
    return lines;
}

bool KeywordList::LoadFrom(const std::string& path) {
    if (!platform::FileExists(path))
        return false;
    text_ = LoadTextFile(path);
    return true;
}

void KeywordList::SaveTo(const std::string& path) const { SaveTextFile(path, text_); }

std::string KeywordFilePath() { return GetAppDir() + kKeywordFileName; }

}  // namespace pelmar
