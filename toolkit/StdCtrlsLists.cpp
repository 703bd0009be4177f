// List boxes and combo boxes (declared in StdCtrls.h).
#include "toolkit/StdCtrls.h"

template <>
const TEnumInfo& EnumInfo<TListBoxStyle>() {
    static const TEnumInfo info{"TListBoxStyle", {"lbStandard", "lbOwnerDrawFixed", "lbOwnerDrawVariable"}};
    return info;
}
template <>
const TEnumInfo& EnumInfo<TComboBoxStyle>() {
    static const TEnumInfo info{"TComboBoxStyle",
                                {"csDropDown", "csSimple", "csDropDownList", "csOwnerDrawFixed", "csOwnerDrawVariable"}};
    return info;
}

namespace {

[[noreturn]] void IndexError(int index) { throw EListError(Format("List index out of bounds (%d)", index)); }

}  // namespace

// ---------------------------------------------------------------------------------------
// TListControlItems

const TClassInfo& TListControlItems::StaticClass() {
    static const TClassInfo info("TListControlItems", &TStrings::StaticClass());
    return info;
}

TListControlItems::TListControlItems(TWinControl& control, TListMessages messages)
    : control_(control), messages_(messages) {
    list_.SetDuplicates(dupAccept);
}

void TListControlItems::InsertIntoWindow(int index) const {
    if (!control_.HandleAllocated()) return;
    SendMessageA(control_.Handle(), messages_.insert, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(list_.Get(index).c_str()));
}

void TListControlItems::Put(int index, const std::string& s) {
    list_.Put(index, s);
    if (!control_.HandleAllocated()) return;
    SendMessageA(control_.Handle(), messages_.remove, static_cast<WPARAM>(index), 0);
    InsertIntoWindow(index);
}

void TListControlItems::Insert(int index, const std::string& s) {
    list_.Insert(index, s);
    InsertIntoWindow(index);
}

int TListControlItems::Add(const std::string& s) {
    const int index = list_.Add(s);
    InsertIntoWindow(index);
    return index;
}

void TListControlItems::Delete(int index) {
    list_.Delete(index);
    if (control_.HandleAllocated()) SendMessageA(control_.Handle(), messages_.remove, static_cast<WPARAM>(index), 0);
}

void TListControlItems::Clear() {
    list_.Clear();
    if (control_.HandleAllocated()) SendMessageA(control_.Handle(), messages_.reset, 0, 0);
}

void TListControlItems::SetSorted(bool on) {
    if (on == list_.Sorted()) return;
    list_.SetSorted(on);
    if (!on || !control_.HandleAllocated()) return;
    SendMessageA(control_.Handle(), messages_.reset, 0, 0);
    Fill();
}

void TListControlItems::Fill() const {
    for (int i = 0; i < Count(); ++i) InsertIntoWindow(i);
}

// ---------------------------------------------------------------------------------------
// TCustomListControl

const TClassInfo& TCustomListControl::StaticClass() {
    using C = TCustomListControl;
    using P = TProps<C>;
    static const TClassInfo info("TCustomListControl", &TWinControl::StaticClass(), nullptr,
                                 {
                                     P::Integer("ItemHeight", &C::ItemHeight, &C::SetItemHeight).Default(16),
                                     P::Boolean("TabStop", &C::TabStop, &C::SetTabStop).Default(true),
                                     P::Event("OnDrawItem", &C::OnDrawItem),
                                     P::Event("OnMeasureItem", &C::OnMeasureItem),
                                 });
    return info;
}

TCustomListControl::TCustomListControl(TComponent* owner, TListMessages messages)
    : TWinControl(owner),
      items_(std::make_unique<TListControlItems>(*this, messages)),
      canvas_(std::make_unique<TCanvas>()),
      itemHeight_(16) {
    SetTabStop(true);
}

TCustomListControl::~TCustomListControl() = default;

// The window shows the items and the selection the control keeps (also after it was made
// anew).
void TCustomListControl::CreateHandleExtras() {
    TWinControl::CreateHandleExtras();
    if (OwnerDrawn()) ApplyItemHeight();
    items_->Fill();
    if (itemIndex_ >= 0 && itemIndex_ < Count()) SetWindowItemIndex(itemIndex_);
}

void TCustomListControl::DestroyWnd() {
    itemIndex_ = ItemIndex();
    TWinControl::DestroyWnd();
}

int TCustomListControl::ItemIndex() {
    if (!HandleAllocated()) return StoredItemIndex();
    const int index = WindowItemIndex();
    return index < Count() ? index : -1;
}

void TCustomListControl::SetItemIndex(int index) {
    if (index < -1 || index >= Count()) IndexError(index);
    itemIndex_ = index;
    if (HandleAllocated()) SetWindowItemIndex(index);
}

void TCustomListControl::SetSorted(bool on) { items_->SetSorted(on); }

void TCustomListControl::SetItemHeight(int height) {
    if (height <= 0) throw EPropertyError(Format("Invalid item height %d", height));
    itemHeight_ = height;
    if (!HandleAllocated() || !OwnerDrawn()) return;
    ApplyItemHeight();
    Invalidate();
}

void TCustomListControl::WndProc(TMessage& m) {
    switch (m.Msg) {
        case CN_BASE + WM_DRAWITEM:
            PaintItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam));
            m.Result = TRUE;
            return;
        case CN_BASE + WM_MEASUREITEM: {
            auto& measure = *reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam);
            int height = itemHeight_;
            const auto index = static_cast<int>(measure.itemID);
            if (VariableHeights() && index >= 0 && index < Count()) MeasureItem(index, height);
            measure.itemHeight = static_cast<UINT>(height);
            m.Result = TRUE;
            return;
        }
        default:
            TWinControl::WndProc(m);
    }
}

void TCustomListControl::PaintItem(const DRAWITEMSTRUCT& draw) {
    const TOwnerDrawState state = TOwnerDrawState::FromBits(draw.itemState);
    const bool selected = state.Contains(odSelected);
    TCanvas& canvas = *canvas_;
    canvas.SetHandle(draw.hDC);
    canvas.SetFont(*Font());
    canvas.Font()->SetColor(selected ? clHighlightText : Font()->Color());
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(selected ? clHighlight : Color());
    const auto index = static_cast<int>(draw.itemID);
    if (index >= 0 && index < Count())
        DrawItem(index, draw.rcItem, state);
    else
        canvas.FillRect(draw.rcItem);
    if (state.Contains(odFocused) && !state.Contains(odNoFocusRect)) DrawFocusRect(draw.hDC, &draw.rcItem);
    canvas.SetHandle(nullptr);
}

void TCustomListControl::DrawItem(int index, const TRect& rect, TOwnerDrawState state) {
    if (OnDrawItem) {
        OnDrawItem(this, index, rect, state);
        return;
    }
    canvas_->FillRect(rect);
    TRect text{rect.left + 2, rect.top, rect.right, rect.bottom};
    canvas_->Brush()->SetStyle(bsClear);
    canvas_->DrawText(Items()->Get(index), text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

void TCustomListControl::MeasureItem(int index, int& height) { OnMeasureItem(this, index, height); }

// ---------------------------------------------------------------------------------------
// TCustomListBox

const TClassInfo& TCustomListBox::StaticClass() {
    using C = TCustomListBox;
    using P = TProps<C>;
    static const TClassInfo info(
        "TCustomListBox", &TCustomListControl::StaticClass(), nullptr,
        {
            P::Boolean("MultiSelect", &C::MultiSelect, &C::SetMultiSelect).Default(false),
            P::Boolean("ExtendedSelect", &C::ExtendedSelect, &C::SetExtendedSelect).Default(true),
            P::Enum("BorderStyle", &C::BorderStyle, &C::SetBorderStyle).Default(bsSingle),
            P::Boolean("IntegralHeight", &C::IntegralHeight, &C::SetIntegralHeight).Default(false),
        });
    return info;
}

const TClassInfo& TListBox::StaticClass() {
    using C = TListBox;
    using P = TProps<C>;
    static const TClassInfo info("TListBox", &TCustomListBox::StaticClass(), Creator<C>(),
                                 {
                                     P::Enum("Style", &C::Style, &C::SetStyle).Default(lbStandard),
                                     P::Boolean("Sorted", &C::Sorted, &C::SetSorted).Default(false),
                                     P::Object("Items", &C::Items),
                                 });
    return info;
}
TOOLKIT_REGISTER(TListBox);

TCustomListBox::TCustomListBox(TComponent* owner)
    : TCustomListControl(owner, {LB_INSERTSTRING, LB_DELETESTRING, LB_RESETCONTENT}) {
    SetBounds(0, 0, 121, 97);
}

void TCustomListBox::CreateParams(TCreateParams& p) {
    TCustomListControl::CreateParams(p);
    p.SysClassName = "LISTBOX";
    p.Style |= WS_VSCROLL | LBS_NOTIFY | LBS_HASSTRINGS;
    if (!integralHeight_) p.Style |= LBS_NOINTEGRALHEIGHT;
    if (multiSelect_) p.Style |= extendedSelect_ ? LBS_EXTENDEDSEL : LBS_MULTIPLESEL;
    if (style_ == lbOwnerDrawFixed) p.Style |= LBS_OWNERDRAWFIXED;
    if (style_ == lbOwnerDrawVariable) p.Style |= LBS_OWNERDRAWVARIABLE;
    if (borderStyle_ == bsSingle) p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomListBox::WndProc(TMessage& m) {
    if (m.Msg == CN_BASE + WM_COMMAND) {
        if (HIWORD(m.WParam) == LBN_SELCHANGE) Click();
        return;
    }
    TCustomListControl::WndProc(m);
}

int TCustomListBox::WindowItemIndex() {
    return static_cast<int>(SendMessageA(Handle(), multiSelect_ ? LB_GETCARETINDEX : LB_GETCURSEL, 0, 0));
}

void TCustomListBox::SetWindowItemIndex(int index) {
    if (!multiSelect_) {
        SendMessageA(Handle(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
        return;
    }
    SendMessageA(Handle(), LB_SETSEL, FALSE, -1);
    if (index >= 0) SendMessageA(Handle(), LB_SETSEL, TRUE, index);
    SendMessageA(Handle(), LB_SETCARETINDEX, static_cast<WPARAM>(index), FALSE);
}

void TCustomListBox::ApplyItemHeight() { SendMessageA(Handle(), LB_SETITEMHEIGHT, 0, ItemHeight()); }

void TCustomListBox::CheckIndex(int index) const {
    if (index < 0 || index >= Count()) IndexError(index);
}

bool TCustomListBox::Selected(int index) {
    CheckIndex(index);
    return SendMessageA(Handle(), LB_GETSEL, static_cast<WPARAM>(index), 0) > 0;
}

void TCustomListBox::SetSelected(int index, bool on) {
    CheckIndex(index);
    if (multiSelect_)
        SendMessageA(Handle(), LB_SETSEL, on, index);
    else
        SendMessageA(Handle(), LB_SETCURSEL, on ? static_cast<WPARAM>(index) : static_cast<WPARAM>(-1), 0);
}

int TCustomListBox::SelCount() {
    if (!multiSelect_) return ItemIndex() >= 0 ? 1 : 0;
    return static_cast<int>(SendMessageA(Handle(), LB_GETSELCOUNT, 0, 0));
}

void TCustomListBox::DeleteSelected() {
    for (int i = Count() - 1; i >= 0; --i)
        if (Selected(i)) Items()->Delete(i);
}

int TCustomListBox::ItemAtPos(POINT p) {
    const auto found = static_cast<DWORD>(SendMessageA(Handle(), LB_ITEMFROMPOINT, 0, MAKELPARAM(p.x, p.y)));
    return HIWORD(found) ? -1 : static_cast<int>(LOWORD(found));
}

void TCustomListBox::SetMultiSelect(bool on) {
    if (ChangeField(multiSelect_, on)) RecreateWnd();
}

void TCustomListBox::SetExtendedSelect(bool on) {
    if (ChangeField(extendedSelect_, on)) RecreateWnd();
}

void TCustomListBox::SetStyle(TListBoxStyle style) {
    if (ChangeField(style_, style)) RecreateWnd();
}

void TCustomListBox::SetBorderStyle(TBorderStyle style) {
    CheckControlBorder(style);
    if (ChangeField(borderStyle_, style)) RecreateWnd();
}

void TCustomListBox::SetIntegralHeight(bool on) {
    if (ChangeField(integralHeight_, on)) RecreateWnd();
}

// ---------------------------------------------------------------------------------------
// TCustomComboBox

const TClassInfo& TCustomComboBox::StaticClass() {
    using C = TCustomComboBox;
    using P = TProps<C>;
    static const TClassInfo info("TCustomComboBox", &TCustomListControl::StaticClass(), nullptr,
                                 {
                                     P::Boolean("AutoDropDown", &C::AutoDropDown, &C::SetAutoDropDown).Default(false),
                                     P::Integer("DropDownCount", &C::DropDownCount, &C::SetDropDownCount).Default(8),
                                     P::Event("OnChange", &C::OnChange),
                                     P::Event("OnSelect", &C::OnSelect),
                                     P::Event("OnDropDown", &C::OnDropDown),
                                     P::Event("OnCloseUp", &C::OnCloseUp),
                                 });
    return info;
}

const TClassInfo& TComboBox::StaticClass() {
    using C = TComboBox;
    using P = TProps<C>;
    static const TClassInfo info("TComboBox", &TCustomComboBox::StaticClass(), Creator<C>(),
                                 {
                                     P::Enum("Style", &C::Style, &C::SetStyle).Default(csDropDown),
                                     P::Boolean("Sorted", &C::Sorted, &C::SetSorted).Default(false),
                                     P::Integer("MaxLength", &C::MaxLength, &C::SetMaxLength).Default(0),
                                     P::Object("Items", &C::Items),
                                     // Reading the selection asks the window.
                                     P::Integer("ItemIndex", [](const C& c) { return const_cast<C&>(c).ItemIndex(); },
                                                &C::SetItemIndex)
                                         .Default(-1),
                                     P::String("Text", &C::Text, &C::SetTextProp),
                                 });
    return info;
}
TOOLKIT_REGISTER(TComboBox);

TCustomComboBox::TCustomComboBox(TComponent* owner)
    : TCustomListControl(owner, {CB_INSERTSTRING, CB_DELETESTRING, CB_RESETCONTENT}) {
    SetBounds(0, 0, 145, 21);
}

void TCustomComboBox::CreateParams(TCreateParams& p) {
    TCustomListControl::CreateParams(p);
    p.SysClassName = "COMBOBOX";
    p.Style |= WS_VSCROLL;
    switch (style_) {
        case csDropDown: p.Style |= CBS_DROPDOWN | CBS_AUTOHSCROLL; break;
        case csSimple: p.Style |= CBS_SIMPLE | CBS_AUTOHSCROLL; break;
        case csDropDownList: p.Style |= CBS_DROPDOWNLIST; break;
        case csOwnerDrawFixed: p.Style |= CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS; break;
        case csOwnerDrawVariable: p.Style |= CBS_DROPDOWNLIST | CBS_OWNERDRAWVARIABLE | CBS_HASSTRINGS; break;
    }
    // A drop-down box's window height includes its dropped-down list.
    if (style_ != csSimple) p.Height = Height() + dropDownCount_ * ItemHeight() + 2;
}

void TCustomComboBox::CreateHandleExtras() {
    const std::string text = TControl::GetText();
    TCustomListControl::CreateHandleExtras();
    if (!HasEditPart()) return;
    SendMessageA(Handle(), CB_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
    if (ItemIndex() < 0) SendMessageA(Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::string TCustomComboBox::GetText() const {
    if (HasEditPart() || HandleAllocated()) return TCustomListControl::GetText();
    const int index = StoredItemIndex();
    return index >= 0 ? Items()->Get(index) : std::string();
}

void TCustomComboBox::SetText(const std::string& text) {
    if (HasEditPart())
        TCustomListControl::SetText(text);
    else
        SetItemIndex(Items()->IndexOf(text));
}

void TCustomComboBox::WndProc(TMessage& m) {
    if (m.Msg != CN_BASE + WM_COMMAND) {
        TCustomListControl::WndProc(m);
        return;
    }
    switch (HIWORD(m.WParam)) {
        case CBN_SELCHANGE:
            Click();
            Select();
            break;
        case CBN_EDITCHANGE: Change(); break;
        case CBN_DROPDOWN: OnDropDown(this); break;
        case CBN_CLOSEUP: OnCloseUp(this); break;
        default: break;
    }
}

void TCustomComboBox::Select() {
    if (OnSelect)
        OnSelect(this);
    else
        Change();
}

void TCustomComboBox::KeyPress(char& key) {
    if (autoDropDown_ && !DroppedDown()) SetDroppedDown(true);
    TCustomListControl::KeyPress(key);
}

bool TCustomComboBox::DroppedDown() { return SendMessageA(Handle(), CB_GETDROPPEDSTATE, 0, 0) != 0; }

void TCustomComboBox::SetDroppedDown(bool on) { SendMessageA(Handle(), CB_SHOWDROPDOWN, on, 0); }

int TCustomComboBox::WindowItemIndex() { return static_cast<int>(SendMessageA(Handle(), CB_GETCURSEL, 0, 0)); }

void TCustomComboBox::SetWindowItemIndex(int index) {
    SendMessageA(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void TCustomComboBox::ApplyItemHeight() { SendMessageA(Handle(), CB_SETITEMHEIGHT, 0, ItemHeight()); }

void TCustomComboBox::SetStyle(TComboBoxStyle style) {
    if (ChangeField(style_, style)) RecreateWnd();
}

void TCustomComboBox::SetDropDownCount(int count) {
    if (count < 1) throw EPropertyError(Format("Invalid drop-down count %d", count));
    if (ChangeField(dropDownCount_, count)) RecreateWnd();
}

void TCustomComboBox::SetMaxLength(int length) {
    if (length < 0) throw EPropertyError("MaxLength cannot be negative");
    maxLength_ = length;
    if (HandleAllocated() && HasEditPart()) SendMessageA(Handle(), CB_LIMITTEXT, static_cast<WPARAM>(length), 0);
}
