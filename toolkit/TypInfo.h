#pragma once
// Published properties, handlers and fields, and access to them by name (portable).
//
// Each toolkit class has one TClassInfo record, built on first use by its StaticClass():
//
//   const TClassInfo& TButton::StaticClass() {
//       using C = TButton;
//       using P = TProps<C>;
//       static const TClassInfo info("TButton", &TButtonControl::StaticClass(), Creator<C>(), {
//           P::String("Caption", &C::Caption, &C::SetCaption),
//           P::Boolean("Default", &C::Default, &C::SetDefault).Default(false),
//           P::Event("OnClick", &C::OnClick),
//       });
//       return info;
//   }
//
// A class's table continues its base class's: lookups walk from the class to its bases, and
// a class may publish again a property of its base (with another default, say). Forms also
// list their published handlers (P::Method) and their component fields (P::Field), so that a
// form file binds "OnClick = btnOkClick" and "object btnOk: TButton" to them.
//
// Getters and setters are member functions (or callables taking the object). A property is
// stored in form files unless Stored says otherwise, and then only when its value differs
// from its default: ordinal properties without a default are always written; strings are
// written when not empty; object properties (Font) write their own properties under their
// name ("Font.Style"); events when bound to a published handler.
//
// Access by name is case-insensitive and accepts dotted paths ("Font.Style"). A missing
// property is not an error: the Get… functions return std::nullopt / null and the Set…
// functions return false. A value that does not fit the property raises EPropertyError.
//
// Text forms: integers in decimal (reading accepts "$" and "0x" hexadecimal too); booleans
// "True"/"False"; enumerations by name; sets as "[fsBold,fsItalic]"; colours by name
// ("clBtnFace") or as "$00BBGGRR"; strings as they are; floating-point numbers with a "."
// (the shortest text that reads back as the same number), whatever the locale.

#include <any>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <typeinfo>
#include <vector>

#include "toolkit/Classes.h"

// ---------------------------------------------------------------------------------------
// Colours: 0x00BBGGRR, or 0xFF0000nn for system colour nn (resolved by the graphics layer).

using TColor = std::int32_t;

constexpr TColor clSystemColor = static_cast<TColor>(0xFF000000u);
constexpr TColor SysColor(int index) { return clSystemColor | index; }

constexpr TColor clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000,
                 clOlive = 0x008080, clNavy = 0x800000, clPurple = 0x800080, clTeal = 0x808000,
                 clGray = 0x808080, clSilver = 0xC0C0C0, clRed = 0x0000FF, clLime = 0x00FF00,
                 clYellow = 0x00FFFF, clBlue = 0xFF0000, clFuchsia = 0xFF00FF,
                 clAqua = 0xFFFF00, clWhite = 0xFFFFFF, clMoneyGreen = 0xC0DCC0,
                 clSkyBlue = 0xF0CAA6, clCream = 0xF0FBFF, clMedGray = 0xA4A0A0;
constexpr TColor clNone = 0x1FFFFFFF, clDefault = 0x20000000;
constexpr TColor clScrollBar = SysColor(0), clBackground = SysColor(1),
                 clActiveCaption = SysColor(2), clInactiveCaption = SysColor(3),
                 clMenu = SysColor(4), clWindow = SysColor(5), clWindowFrame = SysColor(6),
                 clMenuText = SysColor(7), clWindowText = SysColor(8),
                 clCaptionText = SysColor(9), clActiveBorder = SysColor(10),
                 clInactiveBorder = SysColor(11), clAppWorkSpace = SysColor(12),
                 clHighlight = SysColor(13), clHighlightText = SysColor(14),
                 clBtnFace = SysColor(15), clBtnShadow = SysColor(16),
                 clGrayText = SysColor(17), clBtnText = SysColor(18),
                 clInactiveCaptionText = SysColor(19), clBtnHighlight = SysColor(20),
                 cl3DDkShadow = SysColor(21), cl3DLight = SysColor(22),
                 clInfoText = SysColor(23), clInfoBk = SysColor(24),
                 clHotLight = SysColor(26), clGradientActiveCaption = SysColor(27),
                 clGradientInactiveCaption = SysColor(28), clMenuHighlight = SysColor(29),
                 clMenuBar = SysColor(30);

// "clRed" for a named colour, else "$00BBGGRR".
std::string ColorToString(TColor color);
// A colour name, decimal, "$" or "0x" hexadecimal; raises EConvertError otherwise.
TColor StringToColor(std::string_view text);
// The named colour, or nothing.
std::optional<TColor> IdentToColor(std::string_view ident);
std::optional<std::string> ColorToIdent(TColor color);

// ---------------------------------------------------------------------------------------
// Enumerations: each published enumeration type declares its names once:
//   template <> inline const TEnumInfo& EnumInfo<TAlign>() {
//       static const TEnumInfo info{"TAlign", {"alNone", "alTop", ...}};
//       return info;
//   }

struct TEnumInfo {
    std::string TypeName;
    std::vector<std::string> Names;
    // The value of `name` (case-insensitive), or -1.
    int ValueOf(std::string_view name) const;
    // The name of `value`, or its number when out of range.
    std::string NameOf(std::int64_t value) const;
};

template <class E>
const TEnumInfo& EnumInfo();

template <>
const TEnumInfo& EnumInfo<TComponentStateFlag>();

// "[a,b]" for a set of `elements` with the given bits; raising for bits past the names.
std::string SetToString(const TEnumInfo& elements, std::uint64_t bits);
// Accepts "[a, b]", "a,b", "[]"; raises EConvertError for a name not in `elements`.
std::uint64_t StringToSet(const TEnumInfo& elements, std::string_view text);

// ---------------------------------------------------------------------------------------
// Property descriptions.

enum TTypeKind {
    tkInteger,
    tkBoolean,
    tkEnumeration,
    tkSet,
    tkString,
    tkColor,
    tkClass,       // an owned object (Font, Lines): nested properties, Assign to set
    tkComponent,   // a reference to another component (Menu, ActivePage): by its name
    tkStringList,  // a list of strings: the "Strings" property of TStrings
    tkMethod,      // an event
    tkFloat,       // a floating-point number
    tkCollection,  // an owned TCollection: its items and their properties
};

struct TPropInfo {
    std::string Name;
    TTypeKind Kind = tkInteger;
    const TEnumInfo* Elements = nullptr;    // names for tkEnumeration and tkSet
    // Class of a tkClass or tkComponent property (a function: a class may refer to itself).
    const TClassInfo& (*ObjectClass)() = nullptr;
    const std::type_info* Signature = nullptr;  // typeid(void(A...)) of a tkMethod property

    std::function<std::int64_t(const TObject&)> GetOrd;
    std::function<void(TObject&, std::int64_t)> SetOrd;
    std::function<std::string(const TObject&)> GetStr;
    std::function<void(TObject&, const std::string&)> SetStr;
    std::function<TPersistent*(const TObject&)> GetObj;  // tkClass and tkComponent
    std::function<void(TObject&, TComponent*)> SetComp;
    std::function<std::vector<std::string>(const TObject&)> GetList;
    std::function<void(TObject&, const std::vector<std::string>&)> SetList;
    std::function<double(const TObject&)> GetFloat;
    std::function<void(TObject&, double)> SetFloat;
    std::function<TMethod(const TObject&)> GetMethod;
    std::function<void(TObject&, TMethod)> SetMethod;

    std::optional<std::int64_t> DefaultValue;  // ordinal kinds
    std::function<bool(const TObject&)> IsStored;  // null: stored

    bool Writable() const {
        return SetOrd || SetStr || SetList || SetMethod || SetComp || SetFloat || Kind == tkClass ||
               Kind == tkCollection;
    }
    bool IsOrdinal() const {
        return Kind == tkInteger || Kind == tkBoolean || Kind == tkEnumeration || Kind == tkSet ||
               Kind == tkColor;
    }

    // Builder modifiers.
    TPropInfo&& Default(std::int64_t value) && {
        DefaultValue = value;
        return std::move(*this);
    }
    TPropInfo&& Stored(bool stored) && {
        if (!stored) IsStored = [](const TObject&) { return false; };
        return std::move(*this);
    }
    template <class C>
    TPropInfo&& StoredIf(bool (C::*pred)() const) && {
        IsStored = [pred](const TObject& o) { return (static_cast<const C&>(o).*pred)(); };
        return std::move(*this);
    }
};

// A published handler: a member function of a form, bound by name from form files.
struct TMethodInfo {
    std::string Name;
    const std::type_info* Signature = nullptr;  // typeid(void(A...))
    // Returns a std::function<void(A...)> calling the handler on `self`, in a std::any.
    std::function<std::any(TObject& self)> Make;
};

// A published component field of a form: "object btnOk: TButton" stores the new button in it.
struct TFieldInfo {
    std::string Name;
    const TClassInfo& (*FieldClass)() = nullptr;
    // Stores `component` in the field of `self`; false when its class does not fit the field.
    std::function<bool(TObject& self, TComponent* component)> Set;
};

using TComponentFactory = TComponent* (*)(TComponent* owner);

struct TClassInfo {
    TClassInfo(std::string name, const TClassInfo* parent, TComponentFactory factory = nullptr,
               std::vector<TPropInfo> props = {}, std::vector<TMethodInfo> methods = {},
               std::vector<TFieldInfo> fields = {});

    std::string Name;
    const TClassInfo* Parent;
    TComponentFactory Factory;  // null for abstract classes and non-components
    std::vector<TPropInfo> Props;
    std::vector<TMethodInfo> Methods;
    std::vector<TFieldInfo> Fields;

    bool InheritsFrom(const TClassInfo& other) const;
    // Searches this class, then its bases; case-insensitive; null when absent.
    const TPropInfo* FindProp(std::string_view name) const;
    const TMethodInfo* FindMethod(std::string_view name) const;
    const TFieldInfo* FindField(std::string_view name) const;
    // All published properties, base classes' first, in declaration order; a property that a
    // class publishes again keeps its base's place.
    std::vector<const TPropInfo*> PropList() const;
};

// The factory for a component class that can be built from an owner alone.
template <class C>
constexpr TComponentFactory Creator() {
    if constexpr (std::is_constructible_v<C, TComponent*> && !std::is_abstract_v<C>)
        return [](TComponent* owner) -> TComponent* { return new C(owner); };
    else
        return nullptr;
}

// Builders of property, handler and field descriptions for class C.
template <class C>
struct TProps {
    template <class G>
    static auto Read(G get) {
        return [get](const TObject& o) { return std::invoke(get, static_cast<const C&>(o)); };
    }
    template <class S, class T>
    static auto Write(S set) {
        return [set](TObject& o, T v) { std::invoke(set, static_cast<C&>(o), v); };
    }

    template <class G, class S>
    static TPropInfo Ordinal(std::string name, TTypeKind kind, G get, S set) {
        TPropInfo p;
        p.Name = std::move(name);
        p.Kind = kind;
        p.GetOrd = [get](const TObject& o) {
            return static_cast<std::int64_t>(std::invoke(get, static_cast<const C&>(o)));
        };
        using T = std::decay_t<std::invoke_result_t<G, const C&>>;
        if constexpr (!std::is_same_v<S, std::nullptr_t>)
            p.SetOrd = [set](TObject& o, std::int64_t v) {
                std::invoke(set, static_cast<C&>(o), static_cast<T>(v));
            };
        return p;
    }

    template <class G, class S = std::nullptr_t>
    static TPropInfo Integer(std::string name, G get, S set = nullptr) {
        return Ordinal(std::move(name), tkInteger, get, set);
    }
    template <class G, class S = std::nullptr_t>
    static TPropInfo Boolean(std::string name, G get, S set = nullptr) {
        return Ordinal(std::move(name), tkBoolean, get, set);
    }
    template <class G, class S = std::nullptr_t>
    static TPropInfo Color(std::string name, G get, S set = nullptr) {
        return Ordinal(std::move(name), tkColor, get, set);
    }
    template <class G, class S = std::nullptr_t>
    static TPropInfo Enum(std::string name, G get, S set = nullptr) {
        using E = std::decay_t<std::invoke_result_t<G, const C&>>;
        TPropInfo p = Ordinal(std::move(name), tkEnumeration, get, set);
        p.Elements = &EnumInfo<E>();
        return p;
    }
    template <class G, class S = std::nullptr_t>
    static TPropInfo Set(std::string name, G get, S set = nullptr) {
        using T = std::decay_t<std::invoke_result_t<G, const C&>>;  // TSet<E>
        TPropInfo p;
        p.Name = std::move(name);
        p.Kind = tkSet;
        p.Elements = &EnumInfo<typename SetElement<T>::type>();
        p.GetOrd = [get](const TObject& o) {
            return static_cast<std::int64_t>(std::invoke(get, static_cast<const C&>(o)).Bits());
        };
        if constexpr (!std::is_same_v<S, std::nullptr_t>)
            p.SetOrd = [set](TObject& o, std::int64_t v) {
                std::invoke(set, static_cast<C&>(o), T::FromBits(static_cast<std::uint64_t>(v)));
            };
        return p;
    }
    template <class G, class S = std::nullptr_t>
    static TPropInfo String(std::string name, G get, S set = nullptr) {
        TPropInfo p;
        p.Name = std::move(name);
        p.Kind = tkString;
        p.GetStr = [get](const TObject& o) {
            return std::string(std::invoke(get, static_cast<const C&>(o)));
        };
        if constexpr (!std::is_same_v<S, std::nullptr_t>)
            p.SetStr = [set](TObject& o, const std::string& v) {
                std::invoke(set, static_cast<C&>(o), v);
            };
        return p;
    }
    // A floating-point number; stored in form files when not 0 (or its Default).
    template <class G, class S = std::nullptr_t>
    static TPropInfo Float(std::string name, G get, S set = nullptr) {
        TPropInfo p;
        p.Name = std::move(name);
        p.Kind = tkFloat;
        p.GetFloat = [get](const TObject& o) {
            return static_cast<double>(std::invoke(get, static_cast<const C&>(o)));
        };
        if constexpr (!std::is_same_v<S, std::nullptr_t>)
            p.SetFloat = [set](TObject& o, double v) { std::invoke(set, static_cast<C&>(o), v); };
        return p;
    }
    // An owned collection (the getter returns a TCollection-derived pointer); form files hold
    // its items, and reading replaces them.
    template <class G>
    static TPropInfo Collection(std::string name, G get) {
        using T = std::remove_pointer_t<std::decay_t<std::invoke_result_t<G, const C&>>>;
        static_assert(std::is_base_of_v<TCollection, T>);
        TPropInfo p;
        p.Name = std::move(name);
        p.Kind = tkCollection;
        p.ObjectClass = &T::StaticClass;
        p.GetObj = [get](const TObject& o) -> TPersistent* {
            return std::invoke(get, static_cast<const C&>(o));
        };
        return p;
    }
    // An owned object; setting it from code assigns into it (TPersistent::Assign).
    template <class G>
    static TPropInfo Object(std::string name, G get) {
        using T = std::remove_pointer_t<std::decay_t<std::invoke_result_t<G, const C&>>>;
        TPropInfo p;
        p.Name = std::move(name);
        p.Kind = tkClass;
        p.ObjectClass = &T::StaticClass;
        p.GetObj = [get](const TObject& o) -> TPersistent* {
            return std::invoke(get, static_cast<const C&>(o));
        };
        return p;
    }
    // A reference to another component; form files name it, and the reader resolves the
    // name among the root's components once the whole file is read.
    template <class G, class S>
    static TPropInfo Component(std::string name, G get, S set) {
        using T = std::remove_pointer_t<std::decay_t<std::invoke_result_t<G, const C&>>>;
        TPropInfo p;
        p.Name = std::move(name);
        p.Kind = tkComponent;
        p.ObjectClass = &T::StaticClass;
        p.GetObj = [get](const TObject& o) -> TPersistent* {
            return std::invoke(get, static_cast<const C&>(o));
        };
        p.SetComp = [set](TObject& o, TComponent* c) {
            T* typed = dynamic_cast<T*>(c);
            if (c && !typed)
                throw EPropertyError(Format("%s is not a %s", c->Name().c_str(), T::StaticClass().Name.c_str()));
            std::invoke(set, static_cast<C&>(o), typed);
        };
        return p;
    }
    template <class G, class S>
    static TPropInfo StringList(std::string name, G get, S set) {
        TPropInfo p;
        p.Name = std::move(name);
        p.Kind = tkStringList;
        p.GetList = [get](const TObject& o) { return std::invoke(get, static_cast<const C&>(o)); };
        p.SetList = [set](TObject& o, const std::vector<std::string>& v) {
            std::invoke(set, static_cast<C&>(o), v);
        };
        return p;
    }
    template <class... A>
    static TPropInfo Event(std::string name, TEvent<A...> C::*field) {
        TPropInfo p;
        p.Name = std::move(name);
        p.Kind = tkMethod;
        p.Signature = &typeid(void(A...));
        p.GetMethod = [field](const TObject& o) { return (static_cast<const C&>(o).*field).Method(); };
        p.SetMethod = [field](TObject& o, TMethod m) {
            auto& event = static_cast<C&>(o).*field;
            if (!m.Info) {
                event = TEvent<A...>();
                return;
            }
            if (*m.Info->Signature != typeid(void(A...)))
                throw EPropertyError(Format("Handler %s does not fit this event", m.Info->Name.c_str()));
            event.SetBound(std::any_cast<std::function<void(A...)>>(m.Info->Make(*m.Data)), m);
        };
        return p;
    }

    template <class... A>
    static TMethodInfo Method(std::string name, void (C::*method)(A...)) {
        TMethodInfo m;
        m.Name = std::move(name);
        m.Signature = &typeid(void(A...));
        m.Make = [method](TObject& self) {
            C* object = &static_cast<C&>(self);
            return std::any(std::function<void(A...)>(
                [object, method](A... args) { (object->*method)(std::forward<A>(args)...); }));
        };
        return m;
    }

    template <class T>
    static TFieldInfo Field(std::string name, T* C::*field) {
        TFieldInfo f;
        f.Name = std::move(name);
        f.FieldClass = &T::StaticClass;
        f.Set = [field](TObject& self, TComponent* component) {
            T* typed = dynamic_cast<T*>(component);
            if (component && !typed) return false;
            static_cast<C&>(self).*field = typed;
            return true;
        };
        return f;
    }

private:
    template <class T>
    struct SetElement;
    template <class E>
    struct SetElement<TSet<E>> {
        using type = E;
    };
};

// ---------------------------------------------------------------------------------------
// Access by name. `path` may be dotted ("Font.Style"): every part but the last must name a
// tkClass property.

struct TPropRef {
    TObject* Instance = nullptr;
    const TPropInfo* Info = nullptr;
    explicit operator bool() const { return Info != nullptr; }
};

TPropRef FindProp(TObject& object, std::string_view path);
const TPropInfo* GetPropInfo(const TObject& object, std::string_view path);
bool IsPublishedProp(const TObject& object, std::string_view path);

std::optional<std::int64_t> GetOrdProp(const TObject& object, std::string_view path);
bool SetOrdProp(TObject& object, std::string_view path, std::int64_t value);
std::optional<std::string> GetPropText(const TObject& object, std::string_view path);
bool SetPropText(TObject& object, std::string_view path, std::string_view text);
TPersistent* GetObjectProp(const TObject& object, std::string_view path);
// Sets a component reference (null clears it).
bool SetComponentProp(TObject& object, std::string_view path, TComponent* value);
// Binds a published handler of `methodOwner` (a form) by name; raises EPropertyError when
// it has no such handler or the handler does not fit the event; false when no such event.
bool SetMethodProp(TObject& object, std::string_view path, TObject& methodOwner,
                   std::string_view methodName);
std::optional<TMethod> GetMethodProp(const TObject& object, std::string_view path);

// The property's value as text / from text (EPropertyError when the text does not fit).
// A component reference reads as the component's name; from text, the name is looked up
// among the owned components of the instance's owner (and the owner itself).
std::string PropValueToText(const TObject& instance, const TPropInfo& prop);
void PropValueFromText(TObject& instance, const TPropInfo& prop, std::string_view text);
// Whether the writer stores the property: IsStored allows it and it differs from its default.
bool IsDefaultValue(const TObject& instance, const TPropInfo& prop);
bool IsStoredProp(const TObject& instance, const TPropInfo& prop);

// ---------------------------------------------------------------------------------------
// Class registry: the form reader creates components by class name. Every TClassInfo
// registers itself when built; RegisterClass makes sure a class is known before any of its
// objects exists.

void RegisterClass(const TClassInfo& cls);
// Registers a class when the program starts: TOOLKIT_REGISTER(TButton); in its .cpp.
#define TOOLKIT_REGISTER(Class) \
    static const bool Class##Registered = (RegisterClass(Class::StaticClass()), true)
const TClassInfo* FindClass(std::string_view name);
