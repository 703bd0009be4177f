#include "toolkit/Classes.h"
#include "toolkit/TypInfo.h"

const TClassInfo& TCollectionItem::StaticClass() {
    static const TClassInfo info("TCollectionItem", &TPersistent::StaticClass());
    return info;
}

const TClassInfo& TCollection::StaticClass() {
    static const TClassInfo info("TCollection", &TPersistent::StaticClass());
    return info;
}

int TCollectionItem::Index() const {
    for (int i = 0; i < collection_.Count(); ++i)
        if (&collection_.Items(i) == this) return i;
    return -1;
}

void TCollectionItem::Changed() { collection_.Changed(this); }

TCollectionItem& TCollection::Items(int index) const {
    if (index < 0 || index >= Count()) throw EListError(Format("List index out of bounds (%d)", index));
    return *items_[static_cast<size_t>(index)];
}

TCollectionItem& TCollection::Add() {
    items_.push_back(NewItem());
    Changed(nullptr);
    return *items_.back();
}

void TCollection::Delete(int index) {
    Items(index);  // checks the index
    items_.erase(items_.begin() + index);
    Changed(nullptr);
}

void TCollection::Clear() {
    if (items_.empty()) return;
    items_.clear();
    Changed(nullptr);
}

void TCollection::BeginUpdate() { ++updateCount_; }

void TCollection::EndUpdate() {
    if (updateCount_ > 0 && --updateCount_ == 0) Changed(nullptr);
}

void TCollection::Update(TCollectionItem*) {}

void TCollection::Changed(TCollectionItem* item) {
    if (updateCount_ == 0) Update(item);
}
