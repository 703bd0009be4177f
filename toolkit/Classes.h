#pragma once
// The toolkit's object model and basic services (portable: no <windows.h>).
//
//   TObject      class identity: ClassName(), ClassType(), InheritsFrom(), Is<T>(), Free().
//                Every toolkit class starts its body with TOOLKIT_CLASS(Self, Base) and defines
//                `const TClassInfo& Self::StaticClass()` in its .cpp (see TypInfo.h): that
//                record holds the class name, the base class's record, a factory and the
//                published properties, handlers and fields.
//   TPersistent  Assign/AssignTo, DefineProperties (binary properties kept in form files).
//   TComponent   Owner, owned components (freed with their owner, newest first), Name, Tag,
//                ComponentState, Loaded, FreeNotification/Notification, parent hooks used by
//                the form reader and writer.
//   TStream      TMemoryStream, TFileStream (file errors EFOpenError / EFCreateError).
//   TStrings     TStringList: lines with CR LF text, sorting, Name=Value pairs, CommaText.
//   TCollection  a list of items of one class that a component keeps (a status bar's panels),
//                stored in form files as "Panels = < item ... end item ... end >".
//   TSet<E>      sets of enumeration values (element n is bit n).
//   TEvent<A...> an event: a callable plus, when bound by name from a form file, the
//                published handler it was bound to (so that the writer can name it again).
//   Exception    and the toolkit's error classes; Format() builds printf-style messages.
//
// Destroying: call `Free()` (or delete through an owner). Free() runs BeforeDestruction()
// while the object is still whole, which is where a component frees what it owns; a plain
// `delete` also works, but derived parts are gone by the time base destructors run.

#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

struct TClassInfo;
struct TMethodInfo;
class TObject;
class TPersistent;
class TComponent;
class TStream;
class TFiler;

// Declares the class-identity members; put it first in the class body. It leaves the
// access at `private`, the class body's default.
#define TOOLKIT_CLASS(Self, Base)                                                        \
public:                                                                                  \
    using Inherited = Base;                                                              \
    static const TClassInfo& StaticClass();                                              \
    const TClassInfo& ClassType() const override { return Self::StaticClass(); }         \
                                                                                         \
private:

// ---------------------------------------------------------------------------------------
// Text helpers shared by the toolkit.

// Sets `field` to `value`; true when that changed it, so that a setter tells its listeners of
// real changes only: `if (ChangeField(color_, color)) Changed();`.
template <class T>
bool ChangeField(T& field, const T& value) {
    if (field == value) return false;
    field = value;
    return true;
}

// printf-style formatting into a std::string.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
// ASCII case-insensitive comparison (names of classes, properties, components).
bool SameText(std::string_view a, std::string_view b);
int CompareText(std::string_view a, std::string_view b);
std::string UpperCase(std::string_view s);
std::string LowerCase(std::string_view s);
std::string Trim(std::string_view s);
// A valid component name: a letter or '_' followed by letters, digits and '_'.
bool IsValidIdent(std::string_view s);

// ---------------------------------------------------------------------------------------
// Errors. Messages are the texts the user sees in the application's error box.

class Exception : public std::exception {
public:
    explicit Exception(std::string message) : message_(std::move(message)) {}
    const std::string& Message() const { return message_; }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};

#define TOOLKIT_EXCEPTION(Name, Base)   \
    class Name : public Base {          \
    public:                             \
        using Base::Base;               \
    }

TOOLKIT_EXCEPTION(EConvertError, Exception);        // text that is not a value of its kind
TOOLKIT_EXCEPTION(EListError, Exception);           // "List index out of bounds (%d)"
TOOLKIT_EXCEPTION(EStringListError, Exception);     // duplicates, sorted-list misuse
TOOLKIT_EXCEPTION(EStreamError, Exception);
TOOLKIT_EXCEPTION(EReadError, EStreamError);        // "Stream read error", form-file errors
TOOLKIT_EXCEPTION(EWriteError, EStreamError);       // "Stream write error"
TOOLKIT_EXCEPTION(EFilerError, EStreamError);
TOOLKIT_EXCEPTION(EClassNotFound, EFilerError);     // "Class %s not found"
TOOLKIT_EXCEPTION(EFOpenError, EStreamError);       // "Cannot open file \"%s\". %s"
TOOLKIT_EXCEPTION(EFCreateError, EStreamError);     // "Cannot create file \"%s\". %s"
TOOLKIT_EXCEPTION(EComponentError, Exception);      // names, ownership
TOOLKIT_EXCEPTION(EPropertyError, Exception);       // a property value that cannot be set
TOOLKIT_EXCEPTION(EInvalidOperation, Exception);    // an operation the object's state forbids

// ---------------------------------------------------------------------------------------
// Sets of enumeration values. E is an unscoped enumeration with values 0..63.

template <class E>
class TSet {
public:
    constexpr TSet() = default;
    constexpr TSet(std::initializer_list<E> items) {
        for (E e : items) Include(e);
    }
    static constexpr TSet FromBits(std::uint64_t bits) {
        TSet s;
        s.bits_ = bits;
        return s;
    }
    constexpr std::uint64_t Bits() const { return bits_; }
    constexpr bool Contains(E e) const { return (bits_ >> static_cast<unsigned>(e)) & 1u; }
    constexpr bool Empty() const { return bits_ == 0; }
    constexpr TSet& Include(E e) {
        bits_ |= Bit(e);
        return *this;
    }
    constexpr TSet& Exclude(E e) {
        bits_ &= ~Bit(e);
        return *this;
    }
    constexpr TSet operator+(TSet o) const { return FromBits(bits_ | o.bits_); }
    constexpr TSet operator-(TSet o) const { return FromBits(bits_ & ~o.bits_); }
    constexpr TSet operator*(TSet o) const { return FromBits(bits_ & o.bits_); }
    constexpr bool operator==(const TSet&) const = default;

private:
    static constexpr std::uint64_t Bit(E e) { return std::uint64_t{1} << static_cast<unsigned>(e); }
    std::uint64_t bits_ = 0;
};

// ---------------------------------------------------------------------------------------
// Events.

// A published handler of a particular object, as form files name it.
struct TMethod {
    TObject* Data = nullptr;
    const TMethodInfo* Info = nullptr;
    explicit operator bool() const { return Info != nullptr; }
};

// An event of signature void(A...). Assign any callable; raising an unassigned event does
// nothing. `Method()` names the published handler when the event was bound by name.
template <class... A>
class TEvent {
public:
    using Handler = std::function<void(A...)>;
    TEvent() = default;
    template <class F>
        requires(std::is_invocable_v<F&, A...> && !std::is_same_v<std::decay_t<F>, TEvent>)
    TEvent(F f) : fn_(std::move(f)) {}

    explicit operator bool() const { return static_cast<bool>(fn_); }
    void operator()(A... args) const {
        if (fn_) fn_(std::forward<A>(args)...);
    }
    const TMethod& Method() const { return method_; }
    // Used by the property machinery when a form file binds a handler by name.
    void SetBound(Handler fn, TMethod method) {
        fn_ = std::move(fn);
        method_ = method;
    }

private:
    Handler fn_;
    TMethod method_;
};

using TNotifyEvent = TEvent<TObject*>;

// A handler that calls `method` on `object`: OnClick = Bind(this, &TMainForm::btnOkClick).
template <class C, class... A>
auto Bind(C* object, void (C::*method)(A...)) {
    return [object, method](A... args) { (object->*method)(std::forward<A>(args)...); };
}

// ---------------------------------------------------------------------------------------
// TObject

class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;

    static const TClassInfo& StaticClass();
    virtual const TClassInfo& ClassType() const { return StaticClass(); }
    std::string ClassName() const;
    bool ClassNameIs(std::string_view name) const;
    bool InheritsFrom(const TClassInfo& cls) const;
    template <class T>
    bool Is() const {
        return InheritsFrom(T::StaticClass());
    }

    // Destroys the object: BeforeDestruction() on the whole object, then delete.
    void Free();

protected:
    virtual void BeforeDestruction() {}
};

// ---------------------------------------------------------------------------------------
// TPersistent

class TPersistent : public TObject {
    TOOLKIT_CLASS(TPersistent, TObject)

public:
    // Copies `source` into this object; raises EConvertError when the classes do not mix.
    virtual void Assign(const TPersistent& source);
    // Properties kept in form files that are not published properties (binary data).
    virtual void DefineProperties(TFiler& filer);

protected:
    // Called by Assign when this object does not know `source`'s class: copy into `dest`.
    virtual void AssignTo(TPersistent& dest) const;
};

// The form reader and writer offer this to DefineProperties. A binary property is stored as
// the bytes that `write` puts on the stream, and handed back to `read` when the form is read.
class TFiler {
public:
    virtual ~TFiler() = default;
    virtual void DefineBinaryProperty(const std::string& name,
                                      const std::function<void(TStream&)>& read,
                                      const std::function<void(TStream&)>& write,
                                      bool hasData) = 0;
};

// ---------------------------------------------------------------------------------------
// TComponent

enum TComponentStateFlag { csLoading, csReading, csWriting, csDestroying, csDesigning };
using TComponentState = TSet<TComponentStateFlag>;
enum TOperation { opInsert, opRemove };

class TComponent : public TPersistent {
    TOOLKIT_CLASS(TComponent, TPersistent)

public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;

    TComponent* Owner() const { return owner_; }
    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* Components(int index) const;
    // The owned component of that name (case-insensitive), or null.
    TComponent* FindComponent(std::string_view name) const;
    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);
    // Frees the owned components, newest first.
    void DestroyComponents();

    const std::string& Name() const { return name_; }
    // Raises EComponentError for an invalid name or one that a sibling already uses.
    virtual void SetName(const std::string& name);
    std::int64_t Tag() const { return tag_; }
    void SetTag(std::int64_t tag) { tag_ = tag; }

    TComponentState ComponentState() const { return state_; }
    void SetDesigning(bool designing);
    // Marks the component as being read from a form file (csLoading, csReading).
    void BeginLoading();
    // Called on every component once the whole form file has been read.
    virtual void Loaded();

    // Asks `component` to call Notification(component, opRemove) on this one when it dies.
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);

    // Used by the form reader and writer: the component that contains this one (a control's
    // parent, a menu item's parent item); the reader hands the enclosing object to
    // SetParentComponent; GetChildren lists what the writer stores inside this component.
    virtual bool HasParent() const { return false; }
    virtual TComponent* GetParentComponent() const { return nullptr; }
    virtual void SetParentComponent(TComponent* parent);
    virtual void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const;

protected:
    // Told when a component is inserted into / removed from this owner, and when a component
    // whose free notification this one asked for is destroyed.
    virtual void Notification(TComponent* component, TOperation operation);
    void BeforeDestruction() override;
    void SetState(TComponentStateFlag flag, bool on);

private:
    void Destroying();
    void ReleaseNotifications();

    TComponent* owner_ = nullptr;
    std::vector<TComponent*> components_;
    std::vector<TComponent*> freeNotifies_;
    std::string name_;
    std::int64_t tag_ = 0;
    TComponentState state_;
};

// ---------------------------------------------------------------------------------------
// Streams

enum TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream : public TObject {
public:
    // Read/Write move up to `count` bytes and return how many moved.
    virtual std::int64_t Read(void* buffer, std::int64_t count) = 0;
    virtual std::int64_t Write(const void* buffer, std::int64_t count) = 0;
    virtual std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) = 0;
    virtual void SetSize(std::int64_t size) = 0;

    std::int64_t Position() { return Seek(0, soCurrent); }
    void SetPosition(std::int64_t position) { Seek(position, soBeginning); }
    std::int64_t Size();
    // Exactly `count` bytes or EReadError / EWriteError.
    void ReadBuffer(void* buffer, std::int64_t count);
    void WriteBuffer(const void* buffer, std::int64_t count);
    // Copies `count` bytes from `source`'s position; count 0 copies the whole of `source`.
    std::int64_t CopyFrom(TStream& source, std::int64_t count);
    std::int32_t ReadInt32();
    void WriteInt32(std::int32_t value);
};

class TMemoryStream : public TStream {
public:
    std::int64_t Read(void* buffer, std::int64_t count) override;
    std::int64_t Write(const void* buffer, std::int64_t count) override;
    std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
    void SetSize(std::int64_t size) override;

    std::uint8_t* Memory() { return data_.data(); }
    const std::vector<std::uint8_t>& Bytes() const { return data_; }
    void Clear();
    void LoadFromStream(TStream& source);
    void LoadFromFile(const std::string& fileName);
    void SaveToStream(TStream& dest) const;
    void SaveToFile(const std::string& fileName) const;

private:
    std::vector<std::uint8_t> data_;
    std::int64_t position_ = 0;
};

enum TFileMode { fmOpenRead, fmOpenWrite, fmOpenReadWrite, fmCreate };

class TFileStream : public TStream {
public:
    // fmCreate creates or empties the file (EFCreateError on failure); the other modes open
    // an existing file (EFOpenError).
    TFileStream(const std::string& fileName, TFileMode mode);
    ~TFileStream() override;

    std::int64_t Read(void* buffer, std::int64_t count) override;
    std::int64_t Write(const void* buffer, std::int64_t count) override;
    std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
    void SetSize(std::int64_t size) override;
    const std::string& FileName() const { return fileName_; }

private:
    std::string fileName_;
    std::FILE* file_ = nullptr;
};

// ---------------------------------------------------------------------------------------
// TStrings / TStringList

enum TDuplicates { dupIgnore, dupAccept, dupError };

// A list of lines with an object each. Derived classes store the lines (TStringList in
// memory; a memo's lines in its window). Text joins the lines with CR LF after each line;
// setting it splits at CR LF, a lone CR or a lone LF, and an empty last line is not counted.
class TStrings : public TPersistent {
    TOOLKIT_CLASS(TStrings, TPersistent)

public:
    virtual int Count() const = 0;
    virtual std::string Get(int index) const = 0;
    virtual void Put(int index, const std::string& s);
    virtual TObject* GetObject(int index) const;
    virtual void PutObject(int index, TObject* object);
    virtual void Insert(int index, const std::string& s) = 0;
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;

    std::string operator[](int index) const { return Get(index); }
    std::string Strings(int index) const { return Get(index); }
    TObject* Objects(int index) const { return GetObject(index); }
    // Appends (or, in a sorted list, inserts in order) and returns the line's index.
    virtual int Add(const std::string& s);
    int AddObject(const std::string& s, TObject* object);
    void InsertObject(int index, const std::string& s, TObject* object);
    void AddStrings(const TStrings& other);
    void Move(int from, int to);
    // Case-insensitive search; -1 when absent.
    virtual int IndexOf(std::string_view s) const;
    int IndexOfObject(const TObject* object) const;

    virtual std::string Text() const;
    virtual void SetText(std::string_view text);
    // Items separated by commas (or blanks outside quotes); items holding blanks, commas or
    // quotes are written in double quotes with inner quotes doubled.
    std::string CommaText() const;
    void SetCommaText(std::string_view text);
    // Name=Value lines.
    std::string Names(int index) const;
    std::string ValueFromIndex(int index) const;
    int IndexOfName(std::string_view name) const;
    std::string Values(std::string_view name) const;
    void SetValue(std::string_view name, const std::string& value);

    void LoadFromStream(TStream& stream);
    void SaveToStream(TStream& stream) const;
    // EFOpenError / EFCreateError with the system's description; a failed save leaves the
    // file as it was.
    void LoadFromFile(const std::string& fileName);
    void SaveToFile(const std::string& fileName) const;

    void BeginUpdate();
    void EndUpdate();
    bool Updating() const { return updateCount_ > 0; }

    void Assign(const TPersistent& source) override;
    // The lines as a vector (used by the "Strings" property of form files).
    std::vector<std::string> Lines() const;
    void SetLines(const std::vector<std::string>& lines);

protected:
    // Told when the first BeginUpdate starts and the last EndUpdate ends a batch of changes.
    virtual void SetUpdateState(bool updating);
    void CheckIndex(int index, int count) const;

private:
    int updateCount_ = 0;
};

class TStringList : public TStrings {
    TOOLKIT_CLASS(TStringList, TStrings)

public:
    TStringList() = default;

    int Count() const override { return static_cast<int>(items_.size()); }
    std::string Get(int index) const override;
    void Put(int index, const std::string& s) override;
    TObject* GetObject(int index) const override;
    void PutObject(int index, TObject* object) override;
    void Insert(int index, const std::string& s) override;
    void Delete(int index) override;
    void Clear() override;
    int Add(const std::string& s) override;
    int IndexOf(std::string_view s) const override;

    bool Sorted() const { return sorted_; }
    void SetSorted(bool sorted);
    TDuplicates Duplicates() const { return duplicates_; }
    void SetDuplicates(TDuplicates d) { duplicates_ = d; }
    bool CaseSensitive() const { return caseSensitive_; }
    void SetCaseSensitive(bool on);
    void Sort();
    // Binary search in a sorted list: true when found; `index` is the match or where `s`
    // would be inserted.
    bool Find(std::string_view s, int& index) const;

    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

protected:
    void SetUpdateState(bool updating) override;

private:
    struct Item {
        std::string text;
        TObject* object = nullptr;
    };
    int Compare(std::string_view a, std::string_view b) const;
    void Changing();
    void Changed();

    std::vector<Item> items_;
    bool sorted_ = false;
    bool caseSensitive_ = false;
    TDuplicates duplicates_ = dupIgnore;
};

// ---------------------------------------------------------------------------------------
// TCollection

class TCollection;

// One item of a collection; its published properties are what form files store for it.
class TCollectionItem : public TPersistent {
    TOOLKIT_CLASS(TCollectionItem, TPersistent)

public:
    explicit TCollectionItem(TCollection& collection) : collection_(collection) {}
    TCollection& Collection() const { return collection_; }
    int Index() const;

protected:
    // Tells the collection (and so its owner) that this item changed.
    void Changed();

private:
    TCollection& collection_;
};

// Owns its items; Add makes an item of the collection's own item class (NewItem).
class TCollection : public TPersistent {
    TOOLKIT_CLASS(TCollection, TPersistent)

public:
    int Count() const { return static_cast<int>(items_.size()); }
    // EListError "List index out of bounds (%d)" outside 0..Count-1.
    TCollectionItem& Items(int index) const;
    TCollectionItem& Add();
    void Delete(int index);
    void Clear();
    // Changes between BeginUpdate and the last EndUpdate are told once, at the end.
    void BeginUpdate();
    void EndUpdate();

protected:
    virtual std::unique_ptr<TCollectionItem> NewItem() = 0;
    // Told after a change: of `item`, or of the list as a whole when `item` is null.
    virtual void Update(TCollectionItem* item);

private:
    friend class TCollectionItem;
    void Changed(TCollectionItem* item);

    std::vector<std::unique_ptr<TCollectionItem>> items_;
    int updateCount_ = 0;
};

// A collection of items of one class: typed access, and Add makes an Item.
template <class Item>
class TCollectionOf : public TCollection {
public:
    Item& Items(int index) const { return static_cast<Item&>(TCollection::Items(index)); }
    Item& Add() { return static_cast<Item&>(TCollection::Add()); }

protected:
    std::unique_ptr<TCollectionItem> NewItem() override { return std::make_unique<Item>(*this); }
};
