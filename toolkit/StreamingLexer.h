#pragma once
// Tokens of the text form-file format (see Streaming.h), with line numbers for errors.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum class TFormToken {
    End,         // end of text
    Identifier,  // letters, digits, '_' and '.', not starting with a digit: Font.Style, True
    Integer,     // -12, $FF
    Float,       // 8.5, -1.25E3 (Text holds the number as written)
    String,      // 'it''s'#13#10'x' + 'y': the parts already joined
    Binary,      // {0A0B...}: the bytes
    Symbol,      // one of = : [ ] ( ) , < >
};

struct TFormLexeme {
    TFormToken Kind = TFormToken::End;
    std::string Text;                // identifier, symbol or string value
    std::int64_t Number = 0;         // Integer
    double Float = 0;                // Float
    std::vector<std::uint8_t> Bytes; // Binary
    int Line = 1;
};

class TFormLexer {
public:
    explicit TFormLexer(std::string_view text);

    const TFormLexeme& Current() const { return current_; }
    void Next();
    // Raises EReadError "Line n: <message>" at the current token.
    [[noreturn]] void Fail(const std::string& message) const;

    bool IsSymbol(char c) const { return current_.Kind == TFormToken::Symbol && current_.Text[0] == c; }
    bool IsKeyword(std::string_view word) const;
    void ExpectSymbol(char c);
    std::string ExpectIdentifier();

private:
    void SkipBlanks();
    void ReadString();
    void ReadNumber();
    // The fraction and exponent after the whole digits of the number that began at `start`.
    void ReadFraction(size_t start);
    void ReadBinary();
    [[noreturn]] void FailAt(int line, const std::string& message) const;

    std::string_view text_;
    size_t pos_ = 0;
    int line_ = 1;
    TFormLexeme current_;
};
