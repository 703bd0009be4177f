#include "toolkit/Streaming.h"

#include <map>

#include "toolkit/StreamingLexer.h"
#include "toolkit/TypInfo.h"

namespace {

// Collects the binary properties a component defines, for the reader and the writer.
class TDefinedProperties : public TFiler {
public:
    struct Entry {
        std::string name;
        std::function<void(TStream&)> read;
        std::function<void(TStream&)> write;
        bool hasData;
    };
    void DefineBinaryProperty(const std::string& name, const std::function<void(TStream&)>& read,
                              const std::function<void(TStream&)>& write, bool hasData) override {
        entries.push_back({name, read, write, hasData});
    }
    const Entry* Find(std::string_view name) const {
        for (const Entry& e : entries)
            if (SameText(e.name, name)) return &e;
        return nullptr;
    }
    std::vector<Entry> entries;
};

// ---------------------------------------------------------------------------------------
// Reader

class TFormReader {
public:
    TFormReader(TComponent& root, std::string_view text) : root_(root), lex_(text) {}

    void Read() {
        if (!lex_.IsKeyword("object")) lex_.Fail("'object' expected");
        const int line = lex_.Current().Line;
        lex_.Next();
        const auto [name, className] = ReadHeader();
        if (!IsOrDerivesFrom(root_.ClassType(), className))
            throw EReadError(Format("Line %d: The form file describes a %s, not a %s", line, className.c_str(),
                                    root_.ClassName().c_str()));
        root_.BeginLoading();
        loaded_.push_back(&root_);
        if (!name.empty()) Guard(line, [&, name = name] { root_.SetName(UniqueRootName(name)); });
        ReadBody(root_);
        if (lex_.Current().Kind != TFormToken::End) lex_.Fail("Text after the final 'end'");
        ResolveReferences();
        for (TComponent* c : loaded_) c->Loaded();
    }

private:
    struct Reference {
        TObject* instance;
        const TPropInfo* prop;
        std::string name;
        int line;
    };

    // Runs `action`, turning its toolkit errors into errors at `line`.
    template <class F>
    static void Guard(int line, F action) {
        try {
            action();
        } catch (const Exception& e) {
            throw EReadError(Format("Line %d: %s", line, e.Message().c_str()));
        }
    }

    // A second form of the same class gets "Name_1", "Name_2", ... among its owner's components.
    std::string UniqueRootName(const std::string& name) const {
        const TComponent* owner = root_.Owner();
        std::string unique = name;
        for (int n = 1; owner && owner->FindComponent(unique) && owner->FindComponent(unique) != &root_; ++n)
            unique = name + "_" + std::to_string(n);
        return unique;
    }

    static bool IsOrDerivesFrom(const TClassInfo& cls, std::string_view name) {
        for (const TClassInfo* c = &cls; c; c = c->Parent)
            if (SameText(c->Name, name)) return true;
        return false;
    }

    std::pair<std::string, std::string> ReadHeader() {
        std::string first = lex_.ExpectIdentifier();
        if (!lex_.IsSymbol(':')) return {"", first};
        lex_.Next();
        return {first, lex_.ExpectIdentifier()};
    }

    void ReadBody(TComponent& instance) {
        while (!lex_.IsKeyword("end")) {
            if (lex_.Current().Kind == TFormToken::End) lex_.Fail("'end' expected");
            if (lex_.IsKeyword("object"))
                ReadChild(instance);
            else
                ReadProperty(instance);
        }
        lex_.Next();
    }

    const TClassInfo& ChildClass(const std::string& name, const std::string& className, int line) {
        const TClassInfo* cls = FindClass(className);
        if (!cls) {
            // A class no code has touched yet is still known through the root's field.
            const TFieldInfo* field = root_.ClassType().FindField(name);
            if (field && SameText(field->FieldClass().Name, className)) cls = &field->FieldClass();
        }
        if (!cls) throw EClassNotFound(Format("Line %d: Class %s not found", line, className.c_str()));
        if (!cls->Factory)
            throw EReadError(Format("Line %d: Class %s cannot be created from a form file", line, className.c_str()));
        return *cls;
    }

    void ReadChild(TComponent& enclosing) {
        const int line = lex_.Current().Line;
        lex_.Next();
        const auto [name, className] = ReadHeader();
        const TClassInfo& cls = ChildClass(name, className, line);
        TComponent* child = nullptr;
        Guard(line, [&, name = name] {
            child = cls.Factory(&root_);
            child->BeginLoading();
            loaded_.push_back(child);
            child->SetName(name);
            BindField(*child);
            child->SetParentComponent(&enclosing);
        });
        ReadBody(*child);
    }

    void BindField(TComponent& child) {
        if (child.Name().empty()) return;
        const TFieldInfo* field = root_.ClassType().FindField(child.Name());
        if (field && !field->Set(root_, &child))
            throw EComponentError(Format("Field %s is not a %s", field->Name.c_str(),
                                    child.ClassName().c_str()));
    }

    void ReadProperty(TPersistent& instance) {
        const int line = lex_.Current().Line;
        const std::string path = lex_.ExpectIdentifier();
        lex_.ExpectSymbol('=');
        TPropRef ref = FindProp(instance, path);
        if (!ref) {
            ReadDefinedProperty(instance, path, line);
            return;
        }
        const TFormLexeme value = lex_.Current();
        if (ref.Info->Kind == tkStringList) {
            std::vector<std::string> lines = ReadList();
            Guard(line, [&] { ref.Info->SetList(*ref.Instance, lines); });
            return;
        }
        if (ref.Info->Kind == tkCollection) {
            ReadCollection(*static_cast<TCollection*>(ref.Info->GetObj(*ref.Instance)));
            return;
        }
        if (value.Kind == TFormToken::Symbol && value.Text == "[") {
            if (ref.Info->Kind != tkSet) lex_.Fail(Format("Property %s is not a set", path.c_str()));
            const std::string set = ReadSet();
            Guard(line, [&] { PropValueFromText(*ref.Instance, *ref.Info, set); });
            return;
        }
        lex_.Next();
        if (!Fits(ref.Info->Kind, value.Kind)) {
            throw EReadError(Format("Line %d: Invalid value for property %s", line, path.c_str()));
        }
        if (ref.Info->Kind == tkComponent) {
            references_.push_back({ref.Instance, ref.Info, value.Text, line});
        } else if (ref.Info->Kind == tkMethod) {
            Guard(line, [&] { SetMethodProp(*ref.Instance, ref.Info->Name, root_, value.Text); });
        } else {
            // Floats keep the text as written, so that nothing is lost in a conversion.
            const std::string text = value.Kind == TFormToken::Integer ? std::to_string(value.Number) : value.Text;
            Guard(line, [&] { PropValueFromText(*ref.Instance, *ref.Info, text); });
        }
    }

    static bool Fits(TTypeKind kind, TFormToken token) {
        switch (kind) {
            case tkInteger:
                return token == TFormToken::Integer;
            case tkColor:
                return token == TFormToken::Integer || token == TFormToken::Identifier;
            case tkBoolean:
            case tkEnumeration:
            case tkComponent:
            case tkMethod:
                return token == TFormToken::Identifier;
            case tkFloat:
                return token == TFormToken::Integer || token == TFormToken::Float;
            case tkString:
                return token == TFormToken::String;
            default:
                return false;
        }
    }

    // "< item Prop = value ... end item ... end >": the items replace those the collection had.
    void ReadCollection(TCollection& collection) {
        lex_.ExpectSymbol('<');
        collection.BeginUpdate();
        struct EndUpdate {
            TCollection& c;
            ~EndUpdate() { c.EndUpdate(); }
        } endUpdate{collection};
        collection.Clear();
        while (!lex_.IsSymbol('>')) {
            if (!lex_.IsKeyword("item")) lex_.Fail("'item' or '>' expected");
            lex_.Next();
            TCollectionItem& item = collection.Add();
            while (!lex_.IsKeyword("end")) {
                if (lex_.Current().Kind == TFormToken::End) lex_.Fail("'end' expected");
                ReadProperty(item);
            }
            lex_.Next();
        }
        lex_.Next();
    }

    void ReadDefinedProperty(TPersistent& instance, const std::string& name, int line) {
        TDefinedProperties defined;
        instance.DefineProperties(defined);
        const TDefinedProperties::Entry* entry = defined.Find(name);
        if (!entry) lex_.Fail(Format("Property %s does not exist in %s", name.c_str(), instance.ClassName().c_str()));
        if (lex_.Current().Kind != TFormToken::Binary) lex_.Fail(Format("Binary data expected for %s", name.c_str()));
        TMemoryStream data;
        const auto& bytes = lex_.Current().Bytes;
        data.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
        data.SetPosition(0);
        Guard(line, [&] { entry->read(data); });
        lex_.Next();
    }

    std::vector<std::string> ReadList() {
        lex_.ExpectSymbol('(');
        std::vector<std::string> items;
        while (!lex_.IsSymbol(')')) {
            if (lex_.Current().Kind != TFormToken::String) lex_.Fail("String expected in list");
            items.push_back(lex_.Current().Text);
            lex_.Next();
        }
        lex_.Next();
        return items;
    }

    std::string ReadSet() {
        lex_.ExpectSymbol('[');
        std::string text = "[";
        while (!lex_.IsSymbol(']')) {
            if (text.size() > 1) lex_.ExpectSymbol(',');
            if (text.size() > 1) text += ',';
            text += lex_.ExpectIdentifier();
        }
        lex_.Next();
        return text + "]";
    }

    void ResolveReferences() {
        for (const Reference& r : references_) {
            TComponent* target = SameText(root_.Name(), r.name) ? &root_ : root_.FindComponent(r.name);
            if (!target) throw EReadError(Format("Line %d: No component named %s", r.line, r.name.c_str()));
            try {
                r.prop->SetComp(*r.instance, target);
            } catch (const Exception& e) {
                throw EReadError(Format("Line %d: %s", r.line, e.Message().c_str()));
            }
        }
    }

    TComponent& root_;
    TFormLexer lex_;
    std::vector<TComponent*> loaded_;
    std::vector<Reference> references_;
};

// ---------------------------------------------------------------------------------------
// Writer

class TFormWriter {
public:
    explicit TFormWriter(const TComponent& root) : root_(root) {}

    std::string Write() {
        WriteObject(root_, "");
        return out_;
    }

private:
    void WriteObject(const TComponent& c, const std::string& indent) {
        out_ += indent + "object " + (c.Name().empty() ? "" : c.Name() + ": ") + c.ClassName() + "\r\n";
        const std::string inner = indent + "  ";
        WriteProperties(c, "", inner);
        WriteDefined(const_cast<TComponent&>(c), inner);
        c.GetChildren([&](TComponent* child) { WriteObject(*child, inner); }, const_cast<TComponent*>(&root_));
        out_ += indent + "end\r\n";
    }

    void WriteProperties(const TObject& instance, const std::string& prefix, const std::string& indent) {
        for (const TPropInfo* p : instance.ClassType().PropList()) {
            if (p->IsStored && !p->IsStored(instance)) continue;
            if (p->Kind == tkClass) {
                if (const TPersistent* nested = p->GetObj(instance))
                    WriteProperties(*nested, prefix + p->Name + ".", indent);
                continue;
            }
            if (!IsStoredProp(instance, *p)) continue;
            out_ += indent + prefix + p->Name + " = " + ValueText(instance, *p, indent) + "\r\n";
        }
    }

    std::string ValueText(const TObject& instance, const TPropInfo& p, const std::string& indent) {
        switch (p.Kind) {
            case tkString:
                return QuoteFormString(p.GetStr(instance));
            case tkSet: {
                std::string text = PropValueToText(instance, p);  // "[a,b]"
                std::string spaced;
                for (char ch : text) spaced += ch == ',' ? std::string(", ") : std::string(1, ch);
                return spaced;
            }
            case tkColor: {
                const auto color = static_cast<TColor>(p.GetOrd(instance));
                if (auto ident = ColorToIdent(color)) return *ident;
                return std::to_string(color);
            }
            case tkCollection:
                return CollectionText(*static_cast<const TCollection*>(p.GetObj(instance)), indent);
            case tkStringList: {
                std::string text = "(";
                for (const std::string& line : p.GetList(instance)) text += "\r\n" + indent + "  " + QuoteFormString(line);
                return text + ")";
            }
            default:
                return PropValueToText(instance, p);
        }
    }

    std::string CollectionText(const TCollection& collection, const std::string& indent) {
        std::string saved;
        saved.swap(out_);
        for (int i = 0; i < collection.Count(); ++i) {
            out_ += "\r\n" + indent + "  item\r\n";
            WriteProperties(collection.Items(i), "", indent + "    ");
            out_ += indent + "  end";
        }
        saved.swap(out_);
        return "<" + saved + ">";
    }

    void WriteDefined(TComponent& c, const std::string& indent) {
        TDefinedProperties defined;
        c.DefineProperties(defined);
        for (const auto& entry : defined.entries) {
            if (!entry.hasData) continue;
            TMemoryStream data;
            entry.write(data);
            out_ += indent + entry.name + " = {" + HexLines(data.Bytes(), indent + "  ") + "}\r\n";
        }
    }

    static std::string HexLines(const std::vector<std::uint8_t>& bytes, const std::string& indent) {
        static const char digits[] = "0123456789ABCDEF";
        constexpr size_t kPerLine = 32;
        std::string text;
        for (size_t i = 0; i < bytes.size(); ++i) {
            if (bytes.size() > kPerLine && i % kPerLine == 0) text += "\r\n" + indent;
            text += digits[bytes[i] >> 4];
            text += digits[bytes[i] & 15];
        }
        return text;
    }

    const TComponent& root_;
    std::string out_;
};

}  // namespace

void ReadComponent(TComponent& root, std::string_view text) { TFormReader(root, text).Read(); }

TComponent* ReadNewComponent(std::string_view text, TComponent* owner) {
    TFormLexer header(text);
    if (!header.IsKeyword("object")) header.Fail("'object' expected");
    header.Next();
    std::string className = header.ExpectIdentifier();
    if (header.IsSymbol(':')) {
        header.Next();
        className = header.ExpectIdentifier();
    }
    const TClassInfo* cls = FindClass(className);
    if (!cls) throw EClassNotFound(Format("Class %s not found", className.c_str()));
    if (!cls->Factory) throw EReadError(Format("Class %s cannot be created from a form file", className.c_str()));
    std::unique_ptr<TComponent, void (*)(TComponent*)> made(cls->Factory(owner), [](TComponent* c) { c->Free(); });
    ReadComponent(*made, text);
    return made.release();
}

std::string WriteComponent(const TComponent& root) { return TFormWriter(root).Write(); }

std::string QuoteFormString(std::string_view s) {
    std::string out;
    bool quoted = false;
    for (char ch : s) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < ' ') {
            if (quoted) out += '\'';
            quoted = false;
            out += '#' + std::to_string(c);
            continue;
        }
        if (!quoted) out += '\'';
        quoted = true;
        out += ch;
        if (ch == '\'') out += '\'';
    }
    if (quoted) out += '\'';
    return out.empty() ? "''" : out;
}
