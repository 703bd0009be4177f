#include <algorithm>

#include "toolkit/ExtCtrls.h"

const TClassInfo& TRadioGroup::StaticClass() {
    using C = TRadioGroup;
    using P = TProps<C>;
    static const TClassInfo info("TRadioGroup", &TCustomGroupBox::StaticClass(), Creator<C>(),
                                 {
                                     P::Object("Items", &C::Items),
                                     P::Integer("ItemIndex", &C::ItemIndex, &C::SetItemIndex).Default(-1),
                                     P::Integer("Columns", &C::Columns, &C::SetColumns).Default(1),
                                 });
    return info;
}

TRadioGroup::TRadioGroup(TComponent* owner) : TCustomGroupBox(owner), items_(std::make_unique<TStringList>()) {
    items_->OnChange = [this](TObject*) { UpdateButtons(); };
}

TRadioGroup::~TRadioGroup() { items_->OnChange = TNotifyEvent(); }

void TRadioGroup::SetItemIndex(int index) {
    if (ComponentState().Contains(csLoading)) {
        itemIndex_ = index;  // the items may come later
        return;
    }
    if (index < -1 || index >= items_->Count())
        throw EPropertyError(Format("Item index %d is out of range", index));
    itemIndex_ = index;
    for (int i = 0; i < ButtonCount(); ++i) buttons_[static_cast<size_t>(i)]->SetChecked(i == index);
}

void TRadioGroup::SetColumns(int columns) {
    if (columns < 1 || columns > 16) throw EPropertyError("Columns must be between 1 and 16");
    columns_ = columns;
    ArrangeButtons();
}

void TRadioGroup::UpdateButtons() {
    if (ComponentState().Contains(csDestroying)) return;
    const auto count = static_cast<size_t>(items_->Count());
    while (buttons_.size() > count) {
        buttons_.back()->Free();
        buttons_.pop_back();
    }
    while (buttons_.size() < count) {
        auto* button = new TRadioButton(this);
        button->OnClick = [this](TObject* sender) { ButtonClick(sender); };
        button->SetParent(this);
        buttons_.push_back(button);
    }
    for (size_t i = 0; i < count; ++i) buttons_[i]->SetCaption(items_->Get(static_cast<int>(i)));
    if (!ComponentState().Contains(csLoading)) SetItemIndex(itemIndex_ < static_cast<int>(count) ? itemIndex_ : -1);
    ArrangeButtons();
}

// Columns fill from the top, one row per button height, the rows sharing the client height.
void TRadioGroup::ArrangeButtons() {
    if (buttons_.empty()) return;
    RECT area = ClientRect();
    AdjustClientRect(area);
    InflateRect(&area, -4, 0);
    const int count = ButtonCount();
    const int rows = (count + columns_ - 1) / columns_;
    const int columnWidth = static_cast<int>(area.right - area.left) / columns_;
    const int rowHeight = std::max(1, static_cast<int>(area.bottom - area.top) / rows);
    for (int i = 0; i < count; ++i) {
        const int column = i / rows, row = i % rows;
        const int height = std::min(rowHeight, 20);
        buttons_[static_cast<size_t>(i)]->SetBounds(area.left + column * columnWidth,
                                                    area.top + row * rowHeight + (rowHeight - height) / 2, columnWidth,
                                                    height);
    }
}

void TRadioGroup::Resize() {
    TCustomGroupBox::Resize();
    ArrangeButtons();
}

void TRadioGroup::Loaded() {
    TCustomGroupBox::Loaded();
    SetItemIndex(itemIndex_ < items_->Count() ? itemIndex_ : -1);
    ArrangeButtons();
}

void TRadioGroup::ButtonClick(TObject* sender) {
    const auto it = std::find(buttons_.begin(), buttons_.end(), sender);
    if (it == buttons_.end()) return;
    itemIndex_ = static_cast<int>(it - buttons_.begin());
    Click();
}

TOOLKIT_REGISTER(TRadioGroup);
