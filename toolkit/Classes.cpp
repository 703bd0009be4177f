#include "toolkit/Classes.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdarg>
#include <cstring>

#include "platform/Platform.h"
#include "toolkit/TypInfo.h"

// ---------------------------------------------------------------------------------------
// Text helpers

std::string Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string result(length > 0 ? static_cast<size_t>(length) : 0, '\0');
    if (length > 0) std::vsnprintf(result.data(), result.size() + 1, format, args);
    va_end(args);
    return result;
}

static char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// The second byte of a double-byte character may have a letter's code ("ア" and "ャ"
// differ only in the case of it): it is compared as it is.
int CompareText(std::string_view a, std::string_view b) {
    const size_t n = std::min(a.size(), b.size());
    bool secondByte = false;  // the bytes before are equal, so both texts agree on this
    for (size_t i = 0; i < n; ++i) {
        const auto ca = static_cast<unsigned char>(secondByte ? a[i] : LowerAscii(a[i]));
        const auto cb = static_cast<unsigned char>(secondByte ? b[i] : LowerAscii(b[i]));
        if (ca != cb) return ca < cb ? -1 : 1;
        secondByte = !secondByte && pelmar::platform::IsLeadByte(a[i]);
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool SameText(std::string_view a, std::string_view b) {
    return a.size() == b.size() && CompareText(a, b) == 0;
}

std::string UpperCase(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return r;
}

std::string LowerCase(std::string_view s) {
    std::string r(s);
    for (char& c : r) c = LowerAscii(c);
    return r;
}

std::string Trim(std::string_view s) {
    size_t b = 0, e = s.size();
    while (b < e && static_cast<unsigned char>(s[b]) <= ' ') ++b;
    while (e > b && static_cast<unsigned char>(s[e - 1]) <= ' ') --e;
    return std::string(s.substr(b, e - b));
}

static bool IsIdentChar(char c, bool first) {
    return c == '_' || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (!first && c >= '0' && c <= '9');
}

bool IsValidIdent(std::string_view s) {
    if (s.empty()) return false;
    for (size_t i = 0; i < s.size(); ++i)
        if (!IsIdentChar(s[i], i == 0)) return false;
    return true;
}

// ---------------------------------------------------------------------------------------
// TObject, TPersistent

const TClassInfo& TObject::StaticClass() {
    static const TClassInfo info("TObject", nullptr);
    return info;
}

std::string TObject::ClassName() const { return ClassType().Name; }

bool TObject::ClassNameIs(std::string_view name) const { return SameText(ClassType().Name, name); }

bool TObject::InheritsFrom(const TClassInfo& cls) const { return ClassType().InheritsFrom(cls); }

void TObject::Free() {
    BeforeDestruction();
    delete this;
}

const TClassInfo& TPersistent::StaticClass() {
    static const TClassInfo info("TPersistent", &TObject::StaticClass());
    return info;
}

void TPersistent::Assign(const TPersistent& source) { source.AssignTo(*this); }

void TPersistent::AssignTo(TPersistent& dest) const {
    throw EConvertError(
        Format("Cannot assign a %s to a %s", ClassName().c_str(), dest.ClassName().c_str()));
}

void TPersistent::DefineProperties(TFiler&) {}

// ---------------------------------------------------------------------------------------
// TComponent

const TClassInfo& TComponent::StaticClass() {
    using C = TComponent;
    using P = TProps<C>;
    static const TClassInfo info("TComponent", &TPersistent::StaticClass(), nullptr,
                                 {
                                     P::String("Name", &C::Name, &C::SetName).Stored(false),
                                     P::Integer("Tag", &C::Tag, &C::SetTag).Default(0),
                                 });
    return info;
}

TComponent::TComponent(TComponent* owner) {
    if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() {
    Destroying();
    ReleaseNotifications();
    DestroyComponents();
    if (owner_) owner_->RemoveComponent(this);
}

void TComponent::BeforeDestruction() {
    Destroying();
    ReleaseNotifications();
    DestroyComponents();
}

void TComponent::Destroying() {
    if (state_.Contains(csDestroying)) return;
    state_.Include(csDestroying);
    for (TComponent* c : components_) c->Destroying();
}

// Tells everyone who asked that this component goes away, and forgets those it watched.
void TComponent::ReleaseNotifications() {
    while (!freeNotifies_.empty()) {
        TComponent* other = freeNotifies_.back();
        freeNotifies_.pop_back();
        auto& theirs = other->freeNotifies_;
        theirs.erase(std::remove(theirs.begin(), theirs.end(), this), theirs.end());
        other->Notification(this, opRemove);
    }
}

TComponent* TComponent::Components(int index) const {
    if (index < 0 || index >= ComponentCount())
        throw EListError(Format("List index out of bounds (%d)", index));
    return components_[static_cast<size_t>(index)];
}

TComponent* TComponent::FindComponent(std::string_view name) const {
    if (name.empty()) return nullptr;
    for (TComponent* c : components_)
        if (SameText(c->name_, name)) return c;
    return nullptr;
}

void TComponent::InsertComponent(TComponent* component) {
    if (!component->name_.empty() && FindComponent(component->name_))
        throw EComponentError(
            Format("A component named %s already exists", component->name_.c_str()));
    if (component->owner_) component->owner_->RemoveComponent(component);
    components_.push_back(component);
    component->owner_ = this;
    if (state_.Contains(csDesigning)) component->SetDesigning(true);
    Notification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
    auto it = std::find(components_.begin(), components_.end(), component);
    if (it == components_.end()) return;
    Notification(component, opRemove);
    components_.erase(std::find(components_.begin(), components_.end(), component));
    component->owner_ = nullptr;
}

void TComponent::DestroyComponents() {
    while (!components_.empty()) {
        TComponent* last = components_.back();
        RemoveComponent(last);
        last->Free();
    }
}

void TComponent::SetName(const std::string& name) {
    if (name == name_) return;
    if (!name.empty() && !IsValidIdent(name))
        throw EComponentError(Format("'%s' is not a valid component name", name.c_str()));
    if (owner_ && !name.empty() && !SameText(name, name_) && owner_->FindComponent(name))
        throw EComponentError(Format("A component named %s already exists", name.c_str()));
    name_ = name;
}

void TComponent::SetState(TComponentStateFlag flag, bool on) {
    if (on)
        state_.Include(flag);
    else
        state_.Exclude(flag);
}

void TComponent::SetDesigning(bool designing) {
    SetState(csDesigning, designing);
    for (TComponent* c : components_) c->SetDesigning(designing);
}

void TComponent::BeginLoading() { state_ = state_ + TComponentState{csLoading, csReading}; }

void TComponent::Loaded() { state_ = state_ - TComponentState{csLoading, csReading}; }

void TComponent::FreeNotification(TComponent* component) {
    if (!component || component == this) return;
    if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) != freeNotifies_.end())
        return;
    freeNotifies_.push_back(component);
    component->freeNotifies_.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
    auto drop = [](std::vector<TComponent*>& v, TComponent* c) {
        v.erase(std::remove(v.begin(), v.end(), c), v.end());
    };
    drop(freeNotifies_, component);
    drop(component->freeNotifies_, this);
}

void TComponent::Notification(TComponent*, TOperation) {}

void TComponent::SetParentComponent(TComponent*) {}

void TComponent::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const {
    if (root != this) return;
    for (TComponent* c : components_)
        if (!c->HasParent()) proc(c);
}

