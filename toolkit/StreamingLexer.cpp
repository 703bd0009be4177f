#include "toolkit/StreamingLexer.h"

#include <charconv>
#include <cmath>

#include "toolkit/Classes.h"

namespace {
bool IsIdentStart(char c) { return c == '_' || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsIdentPart(char c) { return IsIdentStart(c) || (c >= '0' && c <= '9') || c == '.'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}
}  // namespace

TFormLexer::TFormLexer(std::string_view text) : text_(text) { Next(); }

void TFormLexer::FailAt(int line, const std::string& message) const {
    throw EReadError(Format("Line %d: %s", line, message.c_str()));
}

void TFormLexer::Fail(const std::string& message) const { FailAt(current_.Line, message); }

bool TFormLexer::IsKeyword(std::string_view word) const {
    return current_.Kind == TFormToken::Identifier && SameText(current_.Text, word);
}

void TFormLexer::ExpectSymbol(char c) {
    if (!IsSymbol(c)) Fail(Format("'%c' expected", c));
    Next();
}

std::string TFormLexer::ExpectIdentifier() {
    if (current_.Kind != TFormToken::Identifier) Fail("Identifier expected");
    std::string name = current_.Text;
    Next();
    return name;
}

void TFormLexer::SkipBlanks() {
    while (pos_ < text_.size()) {
        const char c = text_[pos_];
        if (c == '\n') ++line_;
        if (static_cast<unsigned char>(c) > ' ') return;
        ++pos_;
    }
}

void TFormLexer::Next() {
    SkipBlanks();
    current_ = TFormLexeme{};
    current_.Line = line_;
    if (pos_ >= text_.size()) return;
    const char c = text_[pos_];
    if (IsIdentStart(c)) {
        const size_t start = pos_;
        while (pos_ < text_.size() && IsIdentPart(text_[pos_])) ++pos_;
        current_.Kind = TFormToken::Identifier;
        current_.Text = std::string(text_.substr(start, pos_ - start));
    } else if (c == '\'' || c == '#') {
        ReadString();
    } else if (IsDigit(c) || c == '$' || c == '-' || c == '+') {
        ReadNumber();
    } else if (c == '{') {
        ReadBinary();
    } else if (std::string_view("=:[](),<>").find(c) != std::string_view::npos) {
        current_.Kind = TFormToken::Symbol;
        current_.Text = std::string(1, c);
        ++pos_;
    } else {
        FailAt(line_, Format("Invalid character '%c' (#%d)", c, static_cast<unsigned char>(c)));
    }
}

// 'quoted' parts (with '' for a quote) and #nn characters, adjacent or joined by '+'.
void TFormLexer::ReadString() {
    current_.Kind = TFormToken::String;
    std::string& value = current_.Text;
    for (;;) {
        if (pos_ < text_.size() && text_[pos_] == '\'') {
            ++pos_;
            for (;;) {
                if (pos_ >= text_.size() || text_[pos_] == '\n' || text_[pos_] == '\r')
                    FailAt(line_, "Unterminated string");
                if (text_[pos_] == '\'') {
                    if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '\'') {
                        value += '\'';
                        pos_ += 2;
                        continue;
                    }
                    ++pos_;
                    break;
                }
                value += text_[pos_++];
            }
        } else if (pos_ < text_.size() && text_[pos_] == '#') {
            ++pos_;
            int code = 0;
            size_t digits = 0;
            while (pos_ < text_.size() && IsDigit(text_[pos_]) && digits < 4) {
                code = code * 10 + (text_[pos_++] - '0');
                ++digits;
            }
            if (digits == 0 || code > 255) FailAt(line_, "Invalid character code in string");
            value += static_cast<char>(code);
        } else {
            // A '+' may join the next part, also across a line break.
            const size_t save = pos_;
            const int saveLine = line_;
            SkipBlanks();
            if (pos_ < text_.size() && text_[pos_] == '+') {
                ++pos_;
                SkipBlanks();
                if (pos_ < text_.size() && (text_[pos_] == '\'' || text_[pos_] == '#')) continue;
                FailAt(line_, "String expected after '+'");
            }
            pos_ = save;
            line_ = saveLine;
            return;
        }
    }
}

void TFormLexer::ReadNumber() {
    current_.Kind = TFormToken::Integer;
    const size_t start = pos_;
    bool negative = false;
    if (text_[pos_] == '-' || text_[pos_] == '+') negative = text_[pos_++] == '-';
    const bool hex = pos_ < text_.size() && text_[pos_] == '$';
    if (hex) ++pos_;
    std::uint64_t value = 0;
    size_t digits = 0;
    while (pos_ < text_.size()) {
        const int d = hex ? HexValue(text_[pos_]) : (IsDigit(text_[pos_]) ? text_[pos_] - '0' : -1);
        if (d < 0) break;
        if (value > (UINT64_MAX - static_cast<unsigned>(d)) / (hex ? 16u : 10u)) FailAt(line_, "Number too large");
        value = value * (hex ? 16u : 10u) + static_cast<unsigned>(d);
        ++pos_;
        ++digits;
    }
    if (digits == 0) FailAt(line_, "Number expected");
    if (!hex && pos_ < text_.size() && (text_[pos_] == '.' || text_[pos_] == 'E' || text_[pos_] == 'e')) {
        ReadFraction(start);
        return;
    }
    if (pos_ < text_.size() && IsIdentPart(text_[pos_])) FailAt(line_, "Invalid number");
    const auto signedValue = static_cast<std::int64_t>(value);
    current_.Number = negative ? -signedValue : signedValue;
}

void TFormLexer::ReadFraction(size_t start) {
    auto skipDigits = [&] {
        const size_t from = pos_;
        while (pos_ < text_.size() && IsDigit(text_[pos_])) ++pos_;
        return pos_ - from;
    };
    if (text_[pos_] == '.') {
        ++pos_;
        if (skipDigits() == 0) FailAt(line_, "Digits expected after '.'");
    }
    if (pos_ < text_.size() && (text_[pos_] == 'E' || text_[pos_] == 'e')) {
        ++pos_;
        if (pos_ < text_.size() && (text_[pos_] == '-' || text_[pos_] == '+')) ++pos_;
        if (skipDigits() == 0) FailAt(line_, "Digits expected in the exponent");
    }
    if (pos_ < text_.size() && IsIdentPart(text_[pos_])) FailAt(line_, "Invalid number");
    current_.Kind = TFormToken::Float;
    current_.Text = std::string(text_.substr(start, pos_ - start));
    const char* first = current_.Text.data() + (current_.Text[0] == '+' ? 1 : 0);
    const char* last = current_.Text.data() + current_.Text.size();
    const auto result = std::from_chars(first, last, current_.Float);
    if (result.ec != std::errc() || !std::isfinite(current_.Float)) FailAt(line_, "Number out of range");
}

void TFormLexer::ReadBinary() {
    current_.Kind = TFormToken::Binary;
    ++pos_;
    int high = -1;
    for (;;) {
        if (pos_ >= text_.size()) FailAt(line_, "Unterminated binary data");
        const char c = text_[pos_++];
        if (c == '}') break;
        if (c == '\n') ++line_;
        if (static_cast<unsigned char>(c) <= ' ') continue;
        const int v = HexValue(c);
        if (v < 0) FailAt(line_, "Invalid binary data");
        if (high < 0) {
            high = v;
        } else {
            current_.Bytes.push_back(static_cast<std::uint8_t>(high * 16 + v));
            high = -1;
        }
    }
    if (high >= 0) FailAt(line_, "Odd number of hexadecimal digits in binary data");
}
