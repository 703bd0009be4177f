#include "util/FastStrings.h"

#include <algorithm>
#include <array>
#include <limits>
#include <new>
#include <stdexcept>

#include "platform/Platform.h"

namespace pelmar {
namespace {

using ByteTable = std::array<unsigned char, 256>;

// Built once, on first use, and only read afterwards.
const ByteTable& upperCase() {
    static const ByteTable table = platform::UpperCaseTable();
    return table;
}

const ByteTable& identity() {
    static const ByteTable table = [] {
        ByteTable bytes{};
        for (int c = 0; c < 256; ++c)
            bytes[c] = static_cast<unsigned char>(c);
        return bytes;
    }();
    return table;
}

// Horspool search for one pattern, with every character compared through `fold`.
class Horspool {
public:
    Horspool(std::string_view find, const ByteTable& fold) : find_(find), fold_(fold) {
        skip_.fill(find.size());
        for (std::size_t i = 0; i + 1 < find.size(); ++i)
            skip_[at(find, i)] = find.size() - 1 - i;
    }

    // 0-based index of the first occurrence at or after `from`, or npos.
    std::size_t next(std::string_view text, std::size_t from) const {
        const std::size_t last = find_.size() - 1;
        for (std::size_t pos = from; pos + find_.size() <= text.size(); pos += skip_[at(text, pos + last)]) {
            std::size_t i = last;
            while (at(text, pos + i) == at(find_, i)) {
                if (i == 0)
                    return pos;
                --i;
            }
        }
        return std::string_view::npos;
    }

private:
    unsigned char at(std::string_view s, std::size_t i) const { return fold_[static_cast<unsigned char>(s[i])]; }

    std::string_view find_;
    const ByteTable& fold_;
    std::array<std::size_t, 256> skip_{};
};

// The largest length the result can reach, or nothing when that is beyond any allocation.
std::size_t largestResult(std::size_t textLength, std::size_t findLength, std::size_t replacementLength) {
    if (replacementLength <= findLength)
        return textLength;
    if (textLength > std::numeric_limits<std::size_t>::max() / replacementLength)
        return std::numeric_limits<std::size_t>::max();
    return textLength * replacementLength / findLength;
}

// Sized once in advance; should that fail, starts smaller and grows by half as needed.
class ResultBuffer {
public:
    ResultBuffer(std::size_t largest, std::size_t fallback) {
        try {
            text_.reserve(largest);
        } catch (const std::bad_alloc&) {
            text_.reserve(fallback);
        } catch (const std::length_error&) {
            text_.reserve(fallback);
        }
    }

    void append(std::string_view piece) {
        if (text_.size() + piece.size() > text_.capacity())
            text_.reserve(std::max(text_.size() + piece.size(), text_.capacity() + text_.capacity() / 2));
        text_.append(piece);
    }

    std::string take() {
        text_.shrink_to_fit();
        return std::move(text_);
    }

private:
    std::string text_;
};

}  // namespace

std::size_t TextPos(std::string_view text, std::string_view find, std::size_t start) {
    if (find.empty() || find.size() > text.size())
        return 0;
    std::size_t found = Horspool(find, identity()).next(text, std::max<std::size_t>(start, 1) - 1);
    return found == std::string_view::npos ? 0 : found + 1;
}

std::string TextReplace(std::string_view text, std::string_view find, std::string_view replacement,
                        bool caseSensitive) {
    if (find.empty())
        return std::string(text);
    const Horspool search(find, caseSensitive ? identity() : upperCase());
    ResultBuffer result(largestResult(text.size(), find.size(), replacement.size()),
                        (text.size() + replacement.size()) + (text.size() + replacement.size()) / 2);
    std::size_t copied = 0;
    for (std::size_t found = search.next(text, 0); found != std::string_view::npos;
         found = search.next(text, copied)) {
        result.append(text.substr(copied, found - copied));
        result.append(replacement);
        copied = found + find.size();
    }
    result.append(text.substr(copied));
    return result.take();
}

}  // namespace pelmar
