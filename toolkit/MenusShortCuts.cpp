// Shortcut texts and caption accelerators (declared in Menus.h).
#include <cctype>

#include "toolkit/Menus.h"

namespace {

struct KeyName {
    WORD key;
    const char* name;
};

// Keys with a name of their own; letters, digits and F1..F24 are built.
constexpr KeyName kKeyNames[] = {
    {VK_BACK, "BkSp"},      {VK_TAB, "Tab"},       {VK_RETURN, "Enter"}, {VK_ESCAPE, "Esc"},
    {VK_SPACE, "Space"},    {VK_PRIOR, "PgUp"},    {VK_NEXT, "PgDn"},    {VK_END, "End"},
    {VK_HOME, "Home"},      {VK_LEFT, "Left"},     {VK_UP, "Up"},        {VK_RIGHT, "Right"},
    {VK_DOWN, "Down"},      {VK_INSERT, "Ins"},    {VK_DELETE, "Del"},
};

struct ModifierName {
    TShortCut flag;
    const char* prefix;
};

// In the order they are written.
constexpr ModifierName kModifiers[] = {{scShift, "Shift+"}, {scCtrl, "Ctrl+"}, {scAlt, "Alt+"}};

std::string KeyToText(WORD key) {
    for (const KeyName& k : kKeyNames)
        if (k.key == key) return k.name;
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return std::string(1, static_cast<char>(key));
    if (key >= VK_F1 && key <= VK_F24) return "F" + std::to_string(key - VK_F1 + 1);
    return {};
}

WORD TextToKey(std::string_view text) {
    for (const KeyName& k : kKeyNames)
        if (SameText(text, k.name)) return k.key;
    for (WORD key = VK_F1; key <= VK_F24; ++key)
        if (SameText(text, KeyToText(key))) return key;
    if (text.size() == 1 && std::isalnum(static_cast<unsigned char>(text[0])))
        return static_cast<WORD>(std::toupper(static_cast<unsigned char>(text[0])));
    return 0;
}

}  // namespace

std::string ShortCutToText(TShortCut shortCut) {
    const std::string key = KeyToText(shortCut & 0xFF);
    if (key.empty()) return {};
    std::string text;
    for (const ModifierName& m : kModifiers)
        if (shortCut & m.flag) text += m.prefix;
    return text + key;
}

TShortCut TextToShortCut(std::string_view text) {
    TShortCut modifiers = 0;
    for (bool found = true; found;) {
        found = false;
        for (const ModifierName& m : kModifiers) {
            const std::string_view prefix(m.prefix);
            if (text.size() > prefix.size() && SameText(text.substr(0, prefix.size()), prefix)) {
                modifiers |= m.flag;
                text.remove_prefix(prefix.size());
                found = true;
            }
        }
    }
    const WORD key = TextToKey(text);
    return key ? static_cast<TShortCut>(modifiers | key) : 0;
}

char GetHotkey(std::string_view caption) {
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] != '&') return static_cast<char>(std::toupper(static_cast<unsigned char>(caption[i + 1])));
        ++i;  // "&&" is a plain "&"
    }
    return 0;
}

std::string StripHotkey(std::string_view caption) {
    std::string plain;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) ++i;
        plain += caption[i];
    }
    return plain;
}
