#include "toolkit/TypInfo.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <map>

// ---------------------------------------------------------------------------------------
// Colours

namespace {
struct NamedColor {
    TColor value;
    const char* name;
};
constexpr NamedColor kColorNames[] = {
    {clBlack, "clBlack"}, {clMaroon, "clMaroon"}, {clGreen, "clGreen"}, {clOlive, "clOlive"},
    {clNavy, "clNavy"}, {clPurple, "clPurple"}, {clTeal, "clTeal"}, {clGray, "clGray"},
    {clSilver, "clSilver"}, {clRed, "clRed"}, {clLime, "clLime"}, {clYellow, "clYellow"},
    {clBlue, "clBlue"}, {clFuchsia, "clFuchsia"}, {clAqua, "clAqua"}, {clWhite, "clWhite"},
    {clMoneyGreen, "clMoneyGreen"}, {clSkyBlue, "clSkyBlue"}, {clCream, "clCream"},
    {clMedGray, "clMedGray"}, {clNone, "clNone"}, {clDefault, "clDefault"},
    {clScrollBar, "clScrollBar"}, {clBackground, "clBackground"},
    {clActiveCaption, "clActiveCaption"}, {clInactiveCaption, "clInactiveCaption"},
    {clMenu, "clMenu"}, {clWindow, "clWindow"}, {clWindowFrame, "clWindowFrame"},
    {clMenuText, "clMenuText"}, {clWindowText, "clWindowText"}, {clCaptionText, "clCaptionText"},
    {clActiveBorder, "clActiveBorder"}, {clInactiveBorder, "clInactiveBorder"},
    {clAppWorkSpace, "clAppWorkSpace"}, {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"}, {clBtnFace, "clBtnFace"}, {clBtnShadow, "clBtnShadow"},
    {clGrayText, "clGrayText"}, {clBtnText, "clBtnText"},
    {clInactiveCaptionText, "clInactiveCaptionText"}, {clBtnHighlight, "clBtnHighlight"},
    {cl3DDkShadow, "cl3DDkShadow"}, {cl3DLight, "cl3DLight"}, {clInfoText, "clInfoText"},
    {clInfoBk, "clInfoBk"}, {clHotLight, "clHotLight"},
    {clGradientActiveCaption, "clGradientActiveCaption"},
    {clGradientInactiveCaption, "clGradientInactiveCaption"},
    {clMenuHighlight, "clMenuHighlight"}, {clMenuBar, "clMenuBar"},
};

// Decimal, "$hex" or "0xhex", optionally negative; nothing for anything else.
std::optional<std::int64_t> ParseInteger(std::string_view text) {
    std::string s = Trim(text);
    bool negative = false;
    if (!s.empty() && (s[0] == '-' || s[0] == '+')) {
        negative = s[0] == '-';
        s.erase(0, 1);
    }
    int base = 10;
    if (!s.empty() && s[0] == '$') {
        base = 16;
        s.erase(0, 1);
    } else if (s.size() > 1 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        base = 16;
        s.erase(0, 2);
    }
    if (s.empty() || s.size() > 20) return std::nullopt;
    char* end = nullptr;
    errno = 0;
    const unsigned long long v = std::strtoull(s.c_str(), &end, base);
    if (*end != '\0' || errno != 0 || !std::isxdigit(static_cast<unsigned char>(s[0])))
        return std::nullopt;
    const auto value = static_cast<std::int64_t>(v);
    return negative ? -value : value;
}
}  // namespace

std::optional<TColor> IdentToColor(std::string_view ident) {
    for (const NamedColor& c : kColorNames)
        if (SameText(c.name, ident)) return c.value;
    return std::nullopt;
}

std::optional<std::string> ColorToIdent(TColor color) {
    for (const NamedColor& c : kColorNames)
        if (c.value == color) return std::string(c.name);
    return std::nullopt;
}

std::string ColorToString(TColor color) {
    if (auto ident = ColorToIdent(color)) return *ident;
    return Format("$%.8X", static_cast<std::uint32_t>(color));
}

TColor StringToColor(std::string_view text) {
    if (auto named = IdentToColor(Trim(text))) return *named;
    if (auto number = ParseInteger(text)) return static_cast<TColor>(*number);
    throw EConvertError(Format("'%s' is not a valid colour", std::string(text).c_str()));
}

// ---------------------------------------------------------------------------------------
// Enumerations and sets

int TEnumInfo::ValueOf(std::string_view name) const {
    for (size_t i = 0; i < Names.size(); ++i)
        if (SameText(Names[i], name)) return static_cast<int>(i);
    return -1;
}

std::string TEnumInfo::NameOf(std::int64_t value) const {
    if (value >= 0 && value < static_cast<std::int64_t>(Names.size())) return Names[static_cast<size_t>(value)];
    return std::to_string(value);
}

template <>
const TEnumInfo& EnumInfo<TComponentStateFlag>() {
    static const TEnumInfo info{"TComponentStateFlag",
                                {"csLoading", "csReading", "csWriting", "csDestroying", "csDesigning"}};
    return info;
}

std::string SetToString(const TEnumInfo& elements, std::uint64_t bits) {
    std::string text = "[";
    for (size_t i = 0; i < 64; ++i) {
        if (!((bits >> i) & 1u)) continue;
        if (text.size() > 1) text += ',';
        text += elements.NameOf(static_cast<std::int64_t>(i));
    }
    return text + "]";
}

std::uint64_t StringToSet(const TEnumInfo& elements, std::string_view text) {
    std::string s = Trim(text);
    if (!s.empty() && s.front() == '[') {
        if (s.back() != ']') throw EConvertError(Format("'%s' is not a valid set", s.c_str()));
        s = s.substr(1, s.size() - 2);
    }
    std::uint64_t bits = 0;
    size_t start = 0;
    while (start <= s.size()) {
        size_t comma = s.find(',', start);
        if (comma == std::string::npos) comma = s.size();
        const std::string name = Trim(std::string_view(s).substr(start, comma - start));
        if (!name.empty()) {
            const int value = elements.ValueOf(name);
            if (value < 0 || value >= 64)
                throw EConvertError(Format("'%s' is not an element of %s", name.c_str(), elements.TypeName.c_str()));
            bits |= std::uint64_t{1} << value;
        }
        start = comma + 1;
    }
    return bits;
}

// ---------------------------------------------------------------------------------------
// Class records and the registry

namespace {
std::map<std::string, const TClassInfo*>& Registry() {
    static std::map<std::string, const TClassInfo*> classes;
    return classes;
}
}  // namespace

void RegisterClass(const TClassInfo& cls) { Registry()[UpperCase(cls.Name)] = &cls; }

const TClassInfo* FindClass(std::string_view name) {
    auto it = Registry().find(UpperCase(name));
    return it == Registry().end() ? nullptr : it->second;
}

TClassInfo::TClassInfo(std::string name, const TClassInfo* parent, TComponentFactory factory,
                       std::vector<TPropInfo> props, std::vector<TMethodInfo> methods,
                       std::vector<TFieldInfo> fields)
    : Name(std::move(name)),
      Parent(parent),
      Factory(factory),
      Props(std::move(props)),
      Methods(std::move(methods)),
      Fields(std::move(fields)) {
    Registry().emplace(UpperCase(Name), this);
}

bool TClassInfo::InheritsFrom(const TClassInfo& other) const {
    for (const TClassInfo* c = this; c; c = c->Parent)
        if (c == &other) return true;
    return false;
}

template <class T>
static const T* FindNamed(const TClassInfo* cls, std::vector<T> TClassInfo::*list, std::string_view name) {
    for (; cls; cls = cls->Parent)
        for (const T& item : cls->*list)
            if (SameText(item.Name, name)) return &item;
    return nullptr;
}

const TPropInfo* TClassInfo::FindProp(std::string_view name) const { return FindNamed(this, &TClassInfo::Props, name); }

const TMethodInfo* TClassInfo::FindMethod(std::string_view name) const {
    return FindNamed(this, &TClassInfo::Methods, name);
}

const TFieldInfo* TClassInfo::FindField(std::string_view name) const {
    return FindNamed(this, &TClassInfo::Fields, name);
}

std::vector<const TPropInfo*> TClassInfo::PropList() const {
    std::vector<const TPropInfo*> list = Parent ? Parent->PropList() : std::vector<const TPropInfo*>{};
    for (const TPropInfo& p : Props) {
        auto same = std::find_if(list.begin(), list.end(), [&](const TPropInfo* q) { return SameText(q->Name, p.Name); });
        if (same != list.end())
            *same = &p;
        else
            list.push_back(&p);
    }
    return list;
}

// ---------------------------------------------------------------------------------------
// Access by name

TPropRef FindProp(TObject& object, std::string_view path) {
    TObject* instance = &object;
    for (;;) {
        const size_t dot = path.find('.');
        const TPropInfo* info = instance->ClassType().FindProp(path.substr(0, dot));
        if (dot == std::string_view::npos) return {instance, info};
        if (!info || info->Kind != tkClass) return {};
        instance = info->GetObj(*instance);
        if (!instance) return {};
        path = path.substr(dot + 1);
    }
}

const TPropInfo* GetPropInfo(const TObject& object, std::string_view path) {
    return FindProp(const_cast<TObject&>(object), path).Info;
}

bool IsPublishedProp(const TObject& object, std::string_view path) { return GetPropInfo(object, path) != nullptr; }

std::optional<std::int64_t> GetOrdProp(const TObject& object, std::string_view path) {
    const TPropRef ref = FindProp(const_cast<TObject&>(object), path);
    if (!ref || !ref.Info->IsOrdinal()) return std::nullopt;
    return ref.Info->GetOrd(*ref.Instance);
}

static void CheckWritable(const TPropInfo& prop) {
    if (!prop.Writable()) throw EPropertyError(Format("Property %s is read-only", prop.Name.c_str()));
}

bool SetOrdProp(TObject& object, std::string_view path, std::int64_t value) {
    const TPropRef ref = FindProp(object, path);
    if (!ref || !ref.Info->IsOrdinal()) return false;
    CheckWritable(*ref.Info);
    ref.Info->SetOrd(*ref.Instance, value);
    return true;
}

std::optional<std::string> GetPropText(const TObject& object, std::string_view path) {
    const TPropRef ref = FindProp(const_cast<TObject&>(object), path);
    if (!ref) return std::nullopt;
    return PropValueToText(*ref.Instance, *ref.Info);
}

bool SetPropText(TObject& object, std::string_view path, std::string_view text) {
    const TPropRef ref = FindProp(object, path);
    if (!ref) return false;
    PropValueFromText(*ref.Instance, *ref.Info, text);
    return true;
}

TPersistent* GetObjectProp(const TObject& object, std::string_view path) {
    const TPropRef ref = FindProp(const_cast<TObject&>(object), path);
    const TTypeKind kind = ref ? ref.Info->Kind : tkInteger;
    if (kind != tkClass && kind != tkComponent && kind != tkCollection) return nullptr;
    return ref.Info->GetObj(*ref.Instance);
}

bool SetMethodProp(TObject& object, std::string_view path, TObject& methodOwner, std::string_view methodName) {
    const TPropRef ref = FindProp(object, path);
    if (!ref || ref.Info->Kind != tkMethod) return false;
    if (methodName.empty()) {
        ref.Info->SetMethod(*ref.Instance, TMethod{});
        return true;
    }
    const TMethodInfo* method = methodOwner.ClassType().FindMethod(methodName);
    if (!method)
        throw EPropertyError(Format("%s has no handler named %s", methodOwner.ClassName().c_str(),
                                    std::string(methodName).c_str()));
    ref.Info->SetMethod(*ref.Instance, TMethod{&methodOwner, method});
    return true;
}

bool SetComponentProp(TObject& object, std::string_view path, TComponent* value) {
    const TPropRef ref = FindProp(object, path);
    if (!ref || ref.Info->Kind != tkComponent) return false;
    CheckWritable(*ref.Info);
    ref.Info->SetComp(*ref.Instance, value);
    return true;
}

std::optional<TMethod> GetMethodProp(const TObject& object, std::string_view path) {
    const TPropRef ref = FindProp(const_cast<TObject&>(object), path);
    if (!ref || ref.Info->Kind != tkMethod) return std::nullopt;
    return ref.Info->GetMethod(*ref.Instance);
}

// The shortest text that reads back as `value` ("8.5", "12", "1e+300").
static std::string FloatToText(double value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

// Locale-independent: digits with an optional sign, "." fraction and exponent.
static double TextToFloat(std::string_view text) {
    const std::string trimmed = Trim(text);
    const char* first = trimmed.data();
    const char* last = first + trimmed.size();
    if (first != last && *first == '+') ++first;
    double value = 0;
    const auto result = std::from_chars(first, last, value);
    if (result.ec != std::errc() || result.ptr != last || !std::isfinite(value))
        throw EConvertError(Format("'%s' is not a valid floating point value", trimmed.c_str()));
    return value;
}

std::string PropValueToText(const TObject& instance, const TPropInfo& prop) {
    switch (prop.Kind) {
        case tkFloat:
            return FloatToText(prop.GetFloat(instance));
        case tkInteger:
            return std::to_string(prop.GetOrd(instance));
        case tkBoolean:
            return prop.GetOrd(instance) ? "True" : "False";
        case tkEnumeration:
            return prop.Elements->NameOf(prop.GetOrd(instance));
        case tkSet:
            return SetToString(*prop.Elements, static_cast<std::uint64_t>(prop.GetOrd(instance)));
        case tkColor:
            return ColorToString(static_cast<TColor>(prop.GetOrd(instance)));
        case tkString:
            return prop.GetStr(instance);
        case tkClass:
        case tkCollection: {
            const TPersistent* object = prop.GetObj(instance);
            return object ? object->ClassName() : std::string();
        }
        case tkComponent: {
            const auto* component = dynamic_cast<const TComponent*>(prop.GetObj(instance));
            return component ? component->Name() : std::string();
        }
        case tkStringList: {
            std::string text;
            for (const std::string& line : prop.GetList(instance)) text += line + "\r\n";
            return text;
        }
        case tkMethod: {
            const TMethod m = prop.GetMethod(instance);
            return m.Info ? m.Info->Name : std::string();
        }
    }
    return {};
}

static std::int64_t OrdinalFromText(const TPropInfo& prop, std::string_view text) {
    const std::string trimmed = Trim(text);
    switch (prop.Kind) {
        case tkBoolean:
            if (SameText(trimmed, "True")) return 1;
            if (SameText(trimmed, "False")) return 0;
            break;
        case tkEnumeration: {
            const int value = prop.Elements->ValueOf(trimmed);
            if (value >= 0) return value;
            break;
        }
        case tkSet:
            return static_cast<std::int64_t>(StringToSet(*prop.Elements, trimmed));
        case tkColor:
            return StringToColor(trimmed);
        default:
            if (auto number = ParseInteger(trimmed)) return *number;
            break;
    }
    throw EConvertError(Format("'%s' is not a valid value", trimmed.c_str()));
}

// The component a reference names, seen from `instance`: a sibling or the owner itself.
static TComponent* ComponentNamed(const TObject& instance, const std::string& name) {
    if (name.empty()) return nullptr;
    const auto* self = dynamic_cast<const TComponent*>(&instance);
    TComponent* owner = self ? self->Owner() : nullptr;
    if (owner && SameText(owner->Name(), name)) return owner;
    if (TComponent* found = owner ? owner->FindComponent(name) : nullptr) return found;
    throw EConvertError(Format("No component named %s", name.c_str()));
}

void PropValueFromText(TObject& instance, const TPropInfo& prop, std::string_view text) {
    CheckWritable(prop);
    try {
        if (prop.IsOrdinal()) {
            prop.SetOrd(instance, OrdinalFromText(prop, text));
        } else if (prop.Kind == tkString) {
            prop.SetStr(instance, std::string(text));
        } else if (prop.Kind == tkFloat) {
            prop.SetFloat(instance, TextToFloat(text));
        } else if (prop.Kind == tkComponent) {
            prop.SetComp(instance, ComponentNamed(instance, Trim(text)));
        } else if (prop.Kind == tkStringList) {
            TStringList lines;
            lines.SetText(text);
            prop.SetList(instance, lines.Lines());
        } else {
            throw EConvertError("Property cannot be set from text");
        }
    } catch (const EConvertError& e) {
        throw EPropertyError(Format("Invalid value for property %s: %s", prop.Name.c_str(), e.Message().c_str()));
    }
}

bool IsDefaultValue(const TObject& instance, const TPropInfo& prop) {
    switch (prop.Kind) {
        case tkString:
            return prop.GetStr(instance).empty();
        case tkMethod:
            return !prop.GetMethod(instance).Info;
        case tkStringList:
            return prop.GetList(instance).empty();
        case tkClass:
        case tkComponent:
            return prop.GetObj(instance) == nullptr;
        case tkCollection:
            return static_cast<const TCollection*>(prop.GetObj(instance))->Count() == 0;
        case tkFloat:
            return prop.GetFloat(instance) == static_cast<double>(prop.DefaultValue.value_or(0));
        default:
            return prop.DefaultValue && *prop.DefaultValue == prop.GetOrd(instance);
    }
}

bool IsStoredProp(const TObject& instance, const TPropInfo& prop) {
    if (prop.IsStored && !prop.IsStored(instance)) return false;
    return !IsDefaultValue(instance, prop);
}
