// TStrings and TStringList (declared in Classes.h).
#include <algorithm>

#include "platform/Platform.h"
#include "toolkit/Classes.h"
#include "toolkit/TypInfo.h"

// ---------------------------------------------------------------------------------------
// TStrings

const TClassInfo& TStrings::StaticClass() {
    using C = TStrings;
    using P = TProps<C>;
    static const TClassInfo info("TStrings", &TPersistent::StaticClass(), nullptr,
                                 {P::StringList("Strings", &C::Lines, &C::SetLines)});
    return info;
}

void TStrings::CheckIndex(int index, int count) const {
    if (index < 0 || index >= count) throw EStringListError(Format("List index out of bounds (%d)", index));
}

void TStrings::Put(int index, const std::string& s) {
    TObject* object = GetObject(index);
    Delete(index);
    InsertObject(index, s, object);
}

TObject* TStrings::GetObject(int) const { return nullptr; }

void TStrings::PutObject(int, TObject*) {}

int TStrings::Add(const std::string& s) {
    const int index = Count();
    Insert(index, s);
    return index;
}

int TStrings::AddObject(const std::string& s, TObject* object) {
    const int index = Add(s);
    PutObject(index, object);
    return index;
}

void TStrings::InsertObject(int index, const std::string& s, TObject* object) {
    Insert(index, s);
    PutObject(index, object);
}

void TStrings::AddStrings(const TStrings& other) {
    BeginUpdate();
    for (int i = 0; i < other.Count(); ++i) AddObject(other.Get(i), other.GetObject(i));
    EndUpdate();
}

void TStrings::Move(int from, int to) {
    if (from == to) return;
    const std::string s = Get(from);
    TObject* object = GetObject(from);
    BeginUpdate();
    Delete(from);
    InsertObject(to, s, object);
    EndUpdate();
}

int TStrings::IndexOf(std::string_view s) const {
    for (int i = 0; i < Count(); ++i)
        if (SameText(Get(i), s)) return i;
    return -1;
}

int TStrings::IndexOfObject(const TObject* object) const {
    for (int i = 0; i < Count(); ++i)
        if (GetObject(i) == object) return i;
    return -1;
}

std::string TStrings::Text() const {
    std::string text;
    for (int i = 0; i < Count(); ++i) {
        text += Get(i);
        text += "\r\n";
    }
    return text;
}

// Splits at CR LF, lone CR or lone LF; a break at the very end opens no further line.
static std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.emplace_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

void TStrings::SetText(std::string_view text) { SetLines(SplitLines(text)); }

std::vector<std::string> TStrings::Lines() const {
    std::vector<std::string> lines;
    lines.reserve(static_cast<size_t>(Count()));
    for (int i = 0; i < Count(); ++i) lines.push_back(Get(i));
    return lines;
}

void TStrings::SetLines(const std::vector<std::string>& lines) {
    BeginUpdate();
    Clear();
    for (const std::string& line : lines) Add(line);
    EndUpdate();
}

static bool NeedsQuotes(const std::string& s) {
    if (s.empty()) return true;
    return std::any_of(s.begin(), s.end(), [](char c) {
        return c == '"' || c == ',' || static_cast<unsigned char>(c) <= ' ';
    });
}

std::string TStrings::CommaText() const {
    std::string text;
    for (int i = 0; i < Count(); ++i) {
        if (i > 0) text += ',';
        const std::string s = Get(i);
        if (!NeedsQuotes(s)) {
            text += s;
            continue;
        }
        text += '"';
        for (char c : s) {
            if (c == '"') text += '"';
            text += c;
        }
        text += '"';
    }
    return text;
}

// Reads one item of comma text starting at `i`; leaves `i` after the item's separator.
static std::string ReadCommaItem(std::string_view text, size_t& i) {
    std::string item;
    if (i < text.size() && text[i] == '"') {
        for (++i; i < text.size(); ++i) {
            if (text[i] != '"') {
                item += text[i];
            } else if (i + 1 < text.size() && text[i + 1] == '"') {
                item += '"';
                ++i;
            } else {
                ++i;
                break;
            }
        }
    }
    while (i < text.size() && text[i] != ',' && static_cast<unsigned char>(text[i]) > ' ') item += text[i++];
    while (i < text.size() && static_cast<unsigned char>(text[i]) <= ' ') ++i;
    if (i < text.size() && text[i] == ',') {
        ++i;
        while (i < text.size() && static_cast<unsigned char>(text[i]) <= ' ') ++i;
    }
    return item;
}

void TStrings::SetCommaText(std::string_view text) {
    std::vector<std::string> items;
    size_t i = 0;
    while (i < text.size() && static_cast<unsigned char>(text[i]) <= ' ') ++i;
    while (i < text.size()) items.push_back(ReadCommaItem(text, i));
    SetLines(items);
}

std::string TStrings::Names(int index) const {
    const std::string s = Get(index);
    const size_t eq = s.find('=');
    return eq == std::string::npos ? std::string() : s.substr(0, eq);
}

std::string TStrings::ValueFromIndex(int index) const {
    const std::string s = Get(index);
    const size_t eq = s.find('=');
    return eq == std::string::npos ? std::string() : s.substr(eq + 1);
}

int TStrings::IndexOfName(std::string_view name) const {
    for (int i = 0; i < Count(); ++i) {
        const std::string s = Get(i);
        const size_t eq = s.find('=');
        if (eq != std::string::npos && SameText(std::string_view(s).substr(0, eq), name)) return i;
    }
    return -1;
}

std::string TStrings::Values(std::string_view name) const {
    const int i = IndexOfName(name);
    return i < 0 ? std::string() : ValueFromIndex(i);
}

void TStrings::SetValue(std::string_view name, const std::string& value) {
    const int i = IndexOfName(name);
    const std::string line = std::string(name) + "=" + value;
    if (value.empty()) {
        if (i >= 0) Delete(i);
    } else if (i >= 0) {
        Put(i, line);
    } else {
        Add(line);
    }
}

void TStrings::LoadFromStream(TStream& stream) {
    const std::int64_t size = stream.Size() - stream.Position();
    std::string text(static_cast<size_t>(std::max<std::int64_t>(0, size)), '\0');
    stream.ReadBuffer(text.data(), static_cast<std::int64_t>(text.size()));
    SetText(text);
}

void TStrings::SaveToStream(TStream& stream) const {
    const std::string text = Text();
    stream.WriteBuffer(text.data(), static_cast<std::int64_t>(text.size()));
}

// Files go through the platform layer: its errors carry the system's own description, and
// a save replaces the file in one step, so a failed save leaves the old file whole.
void TStrings::LoadFromFile(const std::string& fileName) {
    std::string text;
    try {
        text = pelmar::platform::ReadWholeFile(fileName);
    } catch (const pelmar::platform::OsError& e) {
        throw EFOpenError(Format("Cannot open file \"%s\". %s", fileName.c_str(), e.what()));
    }
    SetText(text);
}

void TStrings::SaveToFile(const std::string& fileName) const {
    try {
        pelmar::platform::ReplaceFileContent(fileName, Text());
    } catch (const pelmar::platform::OsError& e) {
        throw EFCreateError(Format("Cannot create file \"%s\". %s", fileName.c_str(), e.what()));
    }
}

void TStrings::BeginUpdate() {
    if (updateCount_++ == 0) SetUpdateState(true);
}

void TStrings::EndUpdate() {
    if (updateCount_ > 0 && --updateCount_ == 0) SetUpdateState(false);
}

void TStrings::SetUpdateState(bool) {}

void TStrings::Assign(const TPersistent& source) {
    if (const auto* other = dynamic_cast<const TStrings*>(&source)) {
        if (other == this) return;
        BeginUpdate();
        Clear();
        AddStrings(*other);
        EndUpdate();
        return;
    }
    TPersistent::Assign(source);
}

// ---------------------------------------------------------------------------------------
// TStringList

const TClassInfo& TStringList::StaticClass() {
    static const TClassInfo info("TStringList", &TStrings::StaticClass());
    return info;
}

int TStringList::Compare(std::string_view a, std::string_view b) const {
    return caseSensitive_ ? a.compare(b) : CompareText(a, b);
}

void TStringList::Changing() {
    if (!Updating()) OnChanging(this);
}

void TStringList::Changed() {
    if (!Updating()) OnChange(this);
}

void TStringList::SetUpdateState(bool updating) {
    if (updating)
        OnChanging(this);
    else
        OnChange(this);
}

std::string TStringList::Get(int index) const {
    CheckIndex(index, Count());
    return items_[static_cast<size_t>(index)].text;
}

void TStringList::Put(int index, const std::string& s) {
    if (sorted_) throw EStringListError("Operation not allowed on sorted list");
    CheckIndex(index, Count());
    Changing();
    items_[static_cast<size_t>(index)].text = s;
    Changed();
}

TObject* TStringList::GetObject(int index) const {
    CheckIndex(index, Count());
    return items_[static_cast<size_t>(index)].object;
}

void TStringList::PutObject(int index, TObject* object) {
    CheckIndex(index, Count());
    Changing();
    items_[static_cast<size_t>(index)].object = object;
    Changed();
}

void TStringList::Insert(int index, const std::string& s) {
    if (sorted_) throw EStringListError("Operation not allowed on sorted list");
    if (index < 0 || index > Count()) throw EStringListError(Format("List index out of bounds (%d)", index));
    Changing();
    items_.insert(items_.begin() + index, Item{s, nullptr});
    Changed();
}

int TStringList::Add(const std::string& s) {
    if (!sorted_) return TStrings::Add(s);
    int index = 0;
    if (Find(s, index)) {
        if (duplicates_ == dupIgnore) return index;
        if (duplicates_ == dupError) throw EStringListError("String list does not allow duplicates");
    }
    Changing();
    items_.insert(items_.begin() + index, Item{s, nullptr});
    Changed();
    return index;
}

void TStringList::Delete(int index) {
    CheckIndex(index, Count());
    Changing();
    items_.erase(items_.begin() + index);
    Changed();
}

void TStringList::Clear() {
    if (items_.empty()) return;
    Changing();
    items_.clear();
    Changed();
}

int TStringList::IndexOf(std::string_view s) const {
    if (!sorted_) {
        for (int i = 0; i < Count(); ++i)
            if (Compare(items_[static_cast<size_t>(i)].text, s) == 0) return i;
        return -1;
    }
    int index = 0;
    return Find(s, index) ? index : -1;
}

bool TStringList::Find(std::string_view s, int& index) const {
    int lo = 0, hi = Count() - 1;
    bool found = false;
    while (lo <= hi) {
        const int mid = (lo + hi) / 2;
        const int c = Compare(items_[static_cast<size_t>(mid)].text, s);
        if (c < 0) {
            lo = mid + 1;
        } else {
            hi = mid - 1;
            if (c == 0) {
                found = true;
                // With duplicates accepted the first equal item is the match.
                if (duplicates_ != dupAccept) lo = mid;
            }
        }
    }
    index = lo;
    return found;
}

void TStringList::Sort() {
    Changing();
    std::stable_sort(items_.begin(), items_.end(),
                     [this](const Item& a, const Item& b) { return Compare(a.text, b.text) < 0; });
    Changed();
}

void TStringList::SetSorted(bool sorted) {
    if (sorted == sorted_) return;
    if (sorted) Sort();
    sorted_ = sorted;
}

void TStringList::SetCaseSensitive(bool on) {
    if (on == caseSensitive_) return;
    caseSensitive_ = on;
    if (sorted_) Sort();
}
