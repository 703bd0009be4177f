#include "toolkit/ComCtrls.h"

#include <commctrl.h>

#include <algorithm>

template <>
const TEnumInfo& EnumInfo<TViewStyle>() {
    static const TEnumInfo info{"TViewStyle", {"vsIcon", "vsSmallIcon", "vsList", "vsReport"}};
    return info;
}

namespace {

int HeaderFormat(TAlignment alignment) {
    return alignment == taCenter ? HDF_CENTER : alignment == taRightJustify ? HDF_RIGHT : HDF_LEFT;
}

int ColumnFormat(TAlignment alignment) {
    return alignment == taCenter ? LVCFMT_CENTER : alignment == taRightJustify ? LVCFMT_RIGHT : LVCFMT_LEFT;
}

}  // namespace

// ---------------------------------------------------------------------------------------
// THeaderControl

const TClassInfo& THeaderSection::StaticClass() {
    using C = THeaderSection;
    using P = TProps<C>;
    static const TClassInfo info("THeaderSection", &TCollectionItem::StaticClass(), nullptr,
                                 {
                                     P::Enum("Alignment", &C::Alignment, &C::SetAlignment).Default(taLeftJustify),
                                     P::Boolean("AllowClick", &C::AllowClick, &C::SetAllowClick).Default(true),
                                     P::Integer("MaxWidth", &C::MaxWidth, &C::SetMaxWidth).Default(10000),
                                     P::Integer("MinWidth", &C::MinWidth, &C::SetMinWidth).Default(0),
                                     P::String("Text", &C::Text, &C::SetText),
                                     P::Integer("Width", &C::Width, &C::SetWidth),
                                 });
    return info;
}

void THeaderSection::SetText(const std::string& text) {
    text_ = text;
    Changed();
}

void THeaderSection::SetWidth(int width) {
    width_ = std::clamp(width, minWidth_, std::max(minWidth_, maxWidth_));
    Changed();
}

void THeaderSection::SetMinWidth(int width) {
    minWidth_ = std::max(0, width);
    SetWidth(width_);
}

void THeaderSection::SetMaxWidth(int width) {
    maxWidth_ = std::max(0, width);
    SetWidth(width_);
}

void THeaderSection::SetAlignment(TAlignment alignment) {
    alignment_ = alignment;
    Changed();
}

const TClassInfo& THeaderSections::StaticClass() {
    static const TClassInfo info("THeaderSections", &TCollection::StaticClass());
    return info;
}

void THeaderSections::Update(TCollectionItem*) { header_.UpdateSections(); }

const TClassInfo& THeaderControl::StaticClass() {
    using C = THeaderControl;
    using P = TProps<C>;
    static const TClassInfo info("THeaderControl", &TWinControl::StaticClass(), Creator<C>(),
                                 {
                                     P::Collection("Sections", &C::Sections),
                                     P::Boolean("HotTrack", &C::HotTrack, &C::SetHotTrack).Default(false),
                                     P::Enum("Align", &C::Align, &C::SetAlign).Default(alTop),
                                     P::Event("OnSectionClick", &C::OnSectionClick),
                                     P::Event("OnSectionResize", &C::OnSectionResize),
                                 });
    return info;
}

THeaderControl::THeaderControl(TComponent* owner)
    : TWinControl(owner), sections_(std::make_unique<THeaderSections>(*this)) {
    SetBounds(0, 0, 170, 17);
    SetAlign(alTop);
}

THeaderControl::~THeaderControl() = default;

void THeaderControl::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SysClassName = WC_HEADERA;
    p.Style |= HDS_BUTTONS | HDS_FULLDRAG;
    if (hotTrack_) p.Style |= HDS_HOTTRACK;
}

void THeaderControl::CreateHandleExtras() { UpdateSections(); }

void THeaderControl::SetHotTrack(bool on) {
    if (ChangeField(hotTrack_, on)) RecreateWnd();
}

void THeaderControl::UpdateSections() {
    if (!HandleAllocated()) return;
    updating_ = true;
    HWND h = Handle();
    while (SendMessageA(h, HDM_GETITEMCOUNT, 0, 0) > 0) SendMessageA(h, HDM_DELETEITEM, 0, 0);
    for (int i = 0; i < sections_->Count(); ++i) {
        THeaderSection& section = sections_->Items(i);
        std::string text = section.text_;
        HDITEMA item{};
        item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
        item.pszText = text.data();
        item.cxy = section.width_;
        item.fmt = HDF_STRING | HeaderFormat(section.alignment_);
        SendMessageA(h, HDM_INSERTITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
    updating_ = false;
}

void THeaderControl::SectionResized(int index) {
    if (updating_ || index < 0 || index >= sections_->Count()) return;
    HDITEMA item{};
    item.mask = HDI_WIDTH;
    SendMessageA(Handle(), HDM_GETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    THeaderSection& section = sections_->Items(index);
    if (item.cxy == section.width_) return;
    section.SetWidth(item.cxy);  // held within its limits, and told back to the window
    OnSectionResize(this, &section);
}

void THeaderControl::WndProc(TMessage& m) {
    if (m.Msg == CN_BASE + WM_NOTIFY) {
        const auto* notify = reinterpret_cast<NMHEADERA*>(m.LParam);
        switch (notify->hdr.code) {
            case HDN_ITEMCHANGEDA:
            case HDN_ITEMCHANGEDW:
                SectionResized(notify->iItem);
                return;
            case HDN_ITEMCLICKA:
            case HDN_ITEMCLICKW:
                if (notify->iItem >= 0 && notify->iItem < sections_->Count() &&
                    sections_->Items(notify->iItem).AllowClick())
                    OnSectionClick(this, &sections_->Items(notify->iItem));
                return;
            default:
                break;
        }
    }
    TWinControl::WndProc(m);
}

// ---------------------------------------------------------------------------------------
// TListView

const TClassInfo& TListColumn::StaticClass() {
    using C = TListColumn;
    using P = TProps<C>;
    static const TClassInfo info("TListColumn", &TCollectionItem::StaticClass(), nullptr,
                                 {
                                     P::Enum("Alignment", &C::Alignment, &C::SetAlignment).Default(taLeftJustify),
                                     P::String("Caption", &C::Caption, &C::SetCaption),
                                     P::Integer("Width", &C::Width, &C::SetWidth),
                                 });
    return info;
}

void TListColumn::SetCaption(const std::string& caption) {
    caption_ = caption;
    Changed();
}

void TListColumn::SetWidth(int width) {
    width_ = std::max(0, width);
    Changed();
}

void TListColumn::SetAlignment(TAlignment alignment) {
    alignment_ = alignment;
    Changed();
}

const TClassInfo& TListColumns::StaticClass() {
    static const TClassInfo info("TListColumns", &TCollection::StaticClass());
    return info;
}

void TListColumns::Update(TCollectionItem*) { view_.UpdateColumns(); }

const TClassInfo& TCustomListView::StaticClass() {
    using C = TCustomListView;
    using P = TProps<C>;
    static const TClassInfo info("TCustomListView", &TWinControl::StaticClass(), nullptr,
                                 {
                                     P::Collection("Columns", &C::Columns),
                                     P::Enum("ViewStyle", &C::ViewStyle, &C::SetViewStyle).Default(vsIcon),
                                     P::Boolean("RowSelect", &C::RowSelect, &C::SetRowSelect).Default(false),
                                     P::Boolean("GridLines", &C::GridLines, &C::SetGridLines).Default(false),
                                     P::Boolean("ShowColumnHeaders", &C::ShowColumnHeaders, &C::SetShowColumnHeaders)
                                         .Default(true),
                                     P::Boolean("ReadOnly", &C::ReadOnly, &C::SetReadOnly).Default(false),
                                     P::Boolean("TabStop", &C::TabStop, &C::SetTabStop).Default(true),
                                     P::Event("OnChange", &C::OnChange),
                                 });
    return info;
}

const TClassInfo& TListView::StaticClass() {
    static const TClassInfo info("TListView", &TCustomListView::StaticClass(), Creator<TListView>());
    return info;
}

TCustomListView::TCustomListView(TComponent* owner)
    : TWinControl(owner), columns_(std::make_unique<TListColumns>(*this)) {
    SetBounds(0, 0, 250, 150);
    SetTabStop(true);
}

TCustomListView::~TCustomListView() = default;

void TCustomListView::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SysClassName = WC_LISTVIEWA;
    p.ExStyle |= WS_EX_CLIENTEDGE;
    static const DWORD views[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};
    p.Style |= views[viewStyle_] | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS;
    if (!showColumnHeaders_) p.Style |= LVS_NOCOLUMNHEADER;
    if (!readOnly_) p.Style |= LVS_EDITLABELS;
}

void TCustomListView::CreateHandleExtras() {
    ApplyExtendedStyle();
    UpdateColumns();
    for (int i = 0; i < ItemCount(); ++i) InsertItem(i);
    SetItemIndex(itemIndex_);
}

void TCustomListView::ApplyExtendedStyle() {
    if (!HandleAllocated()) return;
    const DWORD style = (rowSelect_ ? LVS_EX_FULLROWSELECT : 0) | (gridLines_ ? LVS_EX_GRIDLINES : 0);
    SendMessageA(Handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES, style);
}

void TCustomListView::SetViewStyle(TViewStyle style) {
    if (ChangeField(viewStyle_, style)) RecreateWnd();
}

void TCustomListView::SetShowColumnHeaders(bool on) {
    if (ChangeField(showColumnHeaders_, on)) RecreateWnd();
}

void TCustomListView::SetReadOnly(bool on) {
    if (ChangeField(readOnly_, on)) RecreateWnd();
}

void TCustomListView::SetRowSelect(bool on) {
    rowSelect_ = on;
    ApplyExtendedStyle();
}

void TCustomListView::SetGridLines(bool on) {
    gridLines_ = on;
    ApplyExtendedStyle();
}

void TCustomListView::UpdateColumns() {
    if (!HandleAllocated()) return;
    HWND h = Handle();
    while (SendMessageA(h, LVM_DELETECOLUMN, 0, 0)) {
    }
    for (int i = 0; i < columns_->Count(); ++i) {
        const TListColumn& column = columns_->Items(i);
        std::string caption = column.Caption();
        LVCOLUMNA c{};
        c.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        c.pszText = caption.data();
        c.cx = column.Width();
        c.fmt = ColumnFormat(column.Alignment());
        SendMessageA(h, LVM_INSERTCOLUMNA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&c));
    }
}

void TCustomListView::InsertItem(int index) {
    if (!HandleAllocated()) return;
    TListItem& row = items_[static_cast<size_t>(index)];
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = index;
    item.pszText = row.Caption.data();
    SendMessageA(Handle(), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    for (size_t i = 0; i < row.SubItems.size(); ++i) {
        item.iSubItem = static_cast<int>(i + 1);
        item.pszText = row.SubItems[i].data();
        SendMessageA(Handle(), LVM_SETITEMTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    }
}

void TCustomListView::AddItem(const TListItem& item) {
    items_.push_back(item);
    InsertItem(ItemCount() - 1);
}

void TCustomListView::ClearItems() {
    items_.clear();
    itemIndex_ = -1;
    if (HandleAllocated()) SendMessageA(Handle(), LVM_DELETEALLITEMS, 0, 0);
}

// The window reports each step of a change from code (the old item deselected, the new one
// selected): those reports are not the user's.
void TCustomListView::SetItemIndex(int index) {
    if (index < -1 || index >= ItemCount()) throw EPropertyError(Format("Item index %d is out of range", index));
    itemIndex_ = index;
    if (!HandleAllocated()) return;
    selecting_ = true;
    LVITEMA state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    if (index >= 0) SendMessageA(Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&state));
    selecting_ = false;
}

// A move of the selection comes as two reports, the old item's loss, then the new one's
// gain: OnChange follows the gain, so that one move is one change.
void TCustomListView::WndProc(TMessage& m) {
    if (m.Msg == CN_BASE + WM_NOTIFY && reinterpret_cast<NMHDR*>(m.LParam)->code == LVN_ITEMCHANGED) {
        const auto* change = reinterpret_cast<NMLISTVIEW*>(m.LParam);
        const bool was = change->uOldState & LVIS_SELECTED, is = change->uNewState & LVIS_SELECTED;
        if (selecting_ || !(change->uChanged & LVIF_STATE) || was == is) return;
        if (is) {
            itemIndex_ = change->iItem;
            OnChange(this);
        } else if (change->iItem == itemIndex_) {
            itemIndex_ = -1;
        }
        return;
    }
    TWinControl::WndProc(m);
}

TOOLKIT_REGISTER(THeaderControl);
TOOLKIT_REGISTER(TListView);
