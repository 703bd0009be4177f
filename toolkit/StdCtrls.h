#pragma once
// The standard controls (Win32).
//
//   TButtonControl   a BUTTON window that clicks on its own notification (BN_CLICKED).
//   TButton          push button: Default takes Enter, Cancel takes Escape, ModalResult ends
//                    the modal form it sits on.
//   TCheckBox        Checked / State (cbGrayed only with AllowGrayed); a click steps the state.
//   TRadioButton     one group per parent: selecting one deselects its radio siblings;
//                    deselecting changes nothing else. Setting Checked from code raises no
//                    OnClick (restoring a saved choice must not look like a user's click).
//                    The arrow keys move the focus to the next (Down, Right) or previous
//                    (Up, Left) enabled radio button of the same parent in tab order, round
//                    the group, and select it as a click does. Tab stops at one button of a
//                    group, the selected one; at each while none is selected.
//   TCustomEdit      EDIT: BorderStyle, bevels in the non-client area, MaxLength, ReadOnly,
//                    OnChange on every change of the text.
//   TCustomMemo      multi-line EDIT with Lines, ScrollBars, WordWrap, WantTabs (Tab types a
//                    tab character instead of moving the focus on). Its capacity is
//                    MaxLength when set (else what the window takes); text that does not fit
//                    raises "Text exceeds memo capacity" and the memo keeps its old text.
//   TCustomLabel     windowless text: Transparent, Alignment, Layout, AutoSize, WordWrap.
//   TCustomGroupBox  a painted frame with a caption; a click on it raises OnClick.
//
// Window classes are named after the toolkit classes (TButton, TCheckBox, …) and superclass
// the system's BUTTON and EDIT classes.

#include <memory>
#include <string>

#include "toolkit/Controls.h"
#include "toolkit/Forms.h"

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TTextLayout { tlTop, tlCenter, tlBottom };
enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
enum TBevelKind { bkNone, bkTile, bkSoft, bkFlat };
enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };
// A control's own border: bsNone or bsSingle (the form border styles' first two).
using TBorderStyle = TFormBorderStyle;

template <>
const TEnumInfo& EnumInfo<TAlignment>();
template <>
const TEnumInfo& EnumInfo<TTextLayout>();
template <>
const TEnumInfo& EnumInfo<TCheckBoxState>();
template <>
const TEnumInfo& EnumInfo<TScrollStyle>();
template <>
const TEnumInfo& EnumInfo<TBevelCut>();
template <>
const TEnumInfo& EnumInfo<TBevelKind>();

TOOLKIT_EXCEPTION(EOutOfResources, Exception);  // a text box that cannot take more text

// Draws `width` rings of bevel edges inside `rect` (outer cut first) and shrinks `rect` past
// them. `flags` adds BF_SOFT / BF_FLAT.
void DrawBevelEdges(HDC dc, RECT& rect, TBevelCut outer, TBevelCut inner, int width, UINT flags = 0);
// How far bevel edges reach into a rectangle.
int BevelExtent(TBevelCut outer, TBevelCut inner, int width);

// The outer and inner bevels a control draws around its content, and their width; the
// control says what a change means to it (an edit redraws its frame, a panel also moves its
// aligned children).
class TBevels {
public:
    TBevels(TBevelCut inner, TBevelCut outer) : bevelInner_(inner), bevelOuter_(outer) {}
    virtual ~TBevels() = default;

    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut cut);
    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut cut);
    int BevelWidth() const { return bevelWidth_; }
    // Raises EPropertyError below 1.
    void SetBevelWidth(int width);

protected:
    // How far the bevels reach into the rectangle they are drawn in.
    int BevelReach() const { return BevelExtent(bevelOuter_, bevelInner_, bevelWidth_); }
    // The bevels changed.
    virtual void FrameChanged() = 0;

private:
    TBevelCut bevelInner_;
    TBevelCut bevelOuter_;
    int bevelWidth_ = 1;
};
// Raises EPropertyError unless `style` is a control border (bsNone, bsSingle).
void CheckControlBorder(TBorderStyle style);

// ---------------------------------------------------------------------------------------

class TButtonControl : public TWinControl {
    TOOLKIT_CLASS(TButtonControl, TWinControl)

public:
    explicit TButtonControl(TComponent* owner);

    // The caption's side of a check mark: taLeftJustify puts the caption on the left.
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;
    // The user pressed the button (BN_CLICKED).
    virtual void Clicked() { Click(); }

private:
    TAlignment alignment_ = taRightJustify;
};

class TButton : public TButtonControl {
    TOOLKIT_CLASS(TButton, TButtonControl)

public:
    explicit TButton(TComponent* owner);

    bool Default() const { return default_; }
    void SetDefault(bool on);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool on) { cancel_ = on; }
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult result) { modalResult_ = result; }

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;
    void Click() override;

private:
    bool default_ = false;
    bool cancel_ = false;
    TModalResult modalResult_ = mrNone;
};

class TCustomCheckBox : public TButtonControl {
    TOOLKIT_CLASS(TCustomCheckBox, TButtonControl)

public:
    explicit TCustomCheckBox(TComponent* owner);

    TCheckBoxState State() const { return state_; }
    void SetState(TCheckBoxState state);
    bool Checked() const { return state_ == cbChecked; }
    void SetChecked(bool on) { SetState(on ? cbChecked : cbUnchecked); }
    bool AllowGrayed() const { return allowGrayed_; }
    void SetAllowGrayed(bool on);

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleExtras() override;
    void Clicked() override;

private:
    TCheckBoxState state_ = cbUnchecked;
    bool allowGrayed_ = false;
};

class TCheckBox : public TCustomCheckBox {
    TOOLKIT_CLASS(TCheckBox, TCustomCheckBox)

public:
    using TCustomCheckBox::TCustomCheckBox;
};

class TRadioButton : public TButtonControl {
    TOOLKIT_CLASS(TRadioButton, TButtonControl)

public:
    explicit TRadioButton(TComponent* owner);

    bool Checked() const { return checked_; }
    void SetChecked(bool on);
    void SetParent(TWinControl* parent) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleExtras() override;
    void Clicked() override;
    void KeyDown(WORD& key, TShiftState shift) override;

private:
    // Makes the selected radio button of `parent` its group's one Tab stop.
    static void UpdateGroupTabStops(TWinControl* parent);
    // The radio button after (or before) this one among its parent's, wrapping; null when
    // this is the only one that can take the focus.
    TRadioButton* NextInGroup(bool forward) const;

    bool checked_ = false;
};

// ---------------------------------------------------------------------------------------

class TCustomEdit : public TWinControl, public TBevels {
    TOOLKIT_CLASS(TCustomEdit, TWinControl)

public:
    explicit TCustomEdit(TComponent* owner);

    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle style);
    TBevelKind BevelKind() const { return bevelKind_; }
    void SetBevelKind(TBevelKind kind);
    // The most characters the user can type (0: as many as the window takes).
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int length);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool on);

    // The selection, in characters of Text.
    int SelStart();
    int SelLength();
    void SetSelStart(int start);
    void SelectAll();

    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleExtras() override;
    void WndProc(TMessage& message) override;
    virtual void Change() { OnChange(this); }

private:
    int BevelSize() const;
    void FrameChanged() override;

    TBorderStyle borderStyle_ = bsSingle;
    TBevelKind bevelKind_ = bkNone;
    int maxLength_ = 0;
    bool readOnly_ = false;
};

class TEdit : public TCustomEdit {
    TOOLKIT_CLASS(TEdit, TCustomEdit)

public:
    using TCustomEdit::TCustomEdit;
};

class TCustomMemo;

// A memo's lines, kept in its text: each line ends with CR LF except perhaps the last, and
// an empty last line is not counted. Setting the whole text turns every line break into
// CR LF; Text reads the memo's text byte for byte. Add puts a line at the end without
// reading the text back, so that a log of thousands of lines takes each new one as fast
// as the first; a text not ending in a line break gets one first.
class TMemoStrings : public TStrings {
    TOOLKIT_CLASS(TMemoStrings, TStrings)

public:
    explicit TMemoStrings(TCustomMemo& memo) : memo_(memo) {}
    int Count() const override;
    std::string Get(int index) const override;
    void Insert(int index, const std::string& s) override;
    void Delete(int index) override;
    void Clear() override;
    std::string Text() const override;
    void SetText(std::string_view text) override;
    int Add(const std::string& s) override;

private:
    TCustomMemo& memo_;
};

class TCustomMemo : public TCustomEdit {
    TOOLKIT_CLASS(TCustomMemo, TCustomEdit)

public:
    explicit TCustomMemo(TComponent* owner);
    ~TCustomMemo() override;

    TStrings* Lines() const { return lines_.get(); }
    std::vector<std::string> LinesList() const { return lines_->Lines(); }
    void SetLinesList(const std::vector<std::string>& lines) { lines_->SetLines(lines); }
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle style);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool on);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    bool WantTabs() const { return wantTabs_; }
    void SetWantTabs(bool on) { wantTabs_ = on; }

    // Sets the whole text, or raises the capacity error and keeps the old one.
    void SetText(const std::string& text) override;
    // Puts `text` at character `offset` of Text, or raises the capacity error and keeps the
    // old text.
    void InsertText(size_t offset, const std::string& text);

protected:
    void CreateParams(TCreateParams& params) override;
    // The window is made empty and filled once PrepareEmptyWindow has set its limit: a
    // window made with more text than its default limit is not made at all.
    void CreateHandleExtras() override;
    virtual void PrepareEmptyWindow() {}
    void WndProc(TMessage& message) override;
    // The error raised when text does not fit.
    [[noreturn]] virtual void CapacityError() const;
    // The window's character position of byte `offset` of Text.
    virtual int CharPos(const std::string& text, size_t offset) const;
    // How many characters the memo holds at most (MaxLength, else no limit of its own).
    virtual size_t Capacity();
    // How many characters the window holds.
    virtual size_t WindowLength();

private:
    friend class TMemoStrings;
    // Puts `line` after the last line and returns its index; a line that does not fit
    // leaves the text as it was and raises the capacity error.
    int AppendLine(const std::string& line);

    std::unique_ptr<TMemoStrings> lines_;
    bool filling_ = false;  // the new window takes the text
    TScrollStyle scrollBars_ = ssNone;
    bool wordWrap_ = true;
    TAlignment alignment_ = taLeftJustify;
    bool wantTabs_ = false;
};

class TMemo : public TCustomMemo {
    TOOLKIT_CLASS(TMemo, TCustomMemo)

public:
    using TCustomMemo::TCustomMemo;
};

// ---------------------------------------------------------------------------------------

class TCustomLabel : public TGraphicControl {
    TOOLKIT_CLASS(TCustomLabel, TGraphicControl)

public:
    explicit TCustomLabel(TComponent* owner);

    bool Transparent() const { return transparent_; }
    void SetTransparent(bool on);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    TTextLayout Layout() const { return layout_; }
    void SetLayout(TTextLayout layout);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool on);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool on);
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool on);

protected:
    void Paint() override;
    void WndProc(TMessage& message) override;
    void Loaded() override;
    // Fits the bounds to the text when AutoSize is on.
    void AdjustBounds();

private:
    UINT TextFlags() const;
    TRect TextExtent(HDC dc, int width) const;

    bool transparent_ = false;
    TAlignment alignment_ = taLeftJustify;
    TTextLayout layout_ = tlTop;
    bool autoSize_ = true;
    bool wordWrap_ = false;
    bool showAccelChar_ = true;
};

class TLabel : public TCustomLabel {
    TOOLKIT_CLASS(TLabel, TCustomLabel)

public:
    using TCustomLabel::TCustomLabel;
};

class TCustomGroupBox : public TCustomControl {
    TOOLKIT_CLASS(TCustomGroupBox, TCustomControl)

public:
    explicit TCustomGroupBox(TComponent* owner);

protected:
    void Paint() override;
    void AdjustClientRect(RECT& rect) const override;

private:
    int CaptionHeight() const;
};

class TGroupBox : public TCustomGroupBox {
    TOOLKIT_CLASS(TGroupBox, TCustomGroupBox)

public:
    using TCustomGroupBox::TCustomGroupBox;
};

// ---------------------------------------------------------------------------------------
// Lists: list boxes and combo boxes keep their items themselves and show them in their
// window, so that items and the selected index outlive the window (created on demand,
// made anew when a style changes).
//
//   TCustomListBox   a system LISTBOX: Items, ItemIndex, Selected, MultiSelect (with
//                    ExtendedSelect: Shift and Ctrl extend it), Sorted, Style (owner-drawn
//                    items are painted by DrawItem / OnDrawItem on Canvas), ItemHeight,
//                    BorderStyle, IntegralHeight; a change of selection by the user clicks.
//   TCustomComboBox  a system COMBOBOX: Style (drop-down with an edit part, simple, drop-down
//                    list, owner-drawn lists), Items, ItemIndex, Text, DropDownCount, Sorted,
//                    MaxLength, AutoDropDown (the list opens as soon as the user types);
//                    OnChange on every change of the text, OnSelect when the user picks an
//                    item (OnChange without it), OnDropDown / OnCloseUp.
//   TScrollBar       a system SCROLLBAR: Kind, Min, Max, Position, SmallChange,
//                    LargeChange, PageSize; OnScroll sees (and may change) each step of the
//                    user's, OnChange every change of Position.

enum TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable };
enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };
// The item states of an owner-drawn item, in the order of the system's ODS_ bits.
enum TOwnerDrawStateFlag {
    odSelected, odGrayed, odDisabled, odChecked, odFocused, odDefault, odHotLight, odInactive,
    odNoAccel, odNoFocusRect, odReserved1, odReserved2, odComboBoxEdit
};
using TOwnerDrawState = TSet<TOwnerDrawStateFlag>;
enum TScrollBarKind { sbHorizontal, sbVertical };
enum TScrollCode { scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop, scBottom, scEndScroll };

template <>
const TEnumInfo& EnumInfo<TListBoxStyle>();
template <>
const TEnumInfo& EnumInfo<TComboBoxStyle>();
template <>
const TEnumInfo& EnumInfo<TScrollBarKind>();

// Control, item index, item rectangle, state.
using TDrawItemEvent = TEvent<TWinControl*, int, TRect, TOwnerDrawState>;
// Control, item index, the item's height to set.
using TMeasureItemEvent = TEvent<TWinControl*, int, int&>;
// Sender, what the user did, the position it leads to (a handler may change it).
using TScrollEvent = TEvent<TObject*, TScrollCode, int&>;

// The window messages that show a list's items: the LB_ or the CB_ family.
struct TListMessages {
    UINT insert;
    UINT remove;
    UINT reset;
};

// The items a list control keeps: each change goes to its window too, when it has one.
// Sorted lists take new items in CompareText order; duplicates are kept.
class TListControlItems : public TStrings {
    TOOLKIT_CLASS(TListControlItems, TStrings)

public:
    TListControlItems(TWinControl& control, TListMessages messages);

    int Count() const override { return list_.Count(); }
    std::string Get(int index) const override { return list_.Get(index); }
    void Put(int index, const std::string& s) override;
    TObject* GetObject(int index) const override { return list_.GetObject(index); }
    void PutObject(int index, TObject* object) override { list_.PutObject(index, object); }
    void Insert(int index, const std::string& s) override;
    void Delete(int index) override;
    void Clear() override;
    int Add(const std::string& s) override;
    int IndexOf(std::string_view s) const override { return list_.IndexOf(s); }

    bool Sorted() const { return list_.Sorted(); }
    void SetSorted(bool on);
    // Shows every item in the control's window (after it was made).
    void Fill() const;

private:
    void InsertIntoWindow(int index) const;

    TWinControl& control_;
    TListMessages messages_;
    TStringList list_;
};

// What list boxes and combo boxes share: items, the selected index kept across windows,
// owner drawing on a canvas.
class TCustomListControl : public TWinControl {
    TOOLKIT_CLASS(TCustomListControl, TWinControl)

public:
    TCustomListControl(TComponent* owner, TListMessages messages);
    ~TCustomListControl() override;

    TStrings* Items() const { return items_.get(); }
    int Count() const { return items_->Count(); }
    // The selected (in a multi-selection list the focused) item; -1 for none.
    int ItemIndex();
    // Raises EListError outside -1..Count-1.
    void SetItemIndex(int index);
    bool Sorted() const { return items_->Sorted(); }
    void SetSorted(bool on);
    // The height of owner-drawn items.
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int height);
    // Where owner-drawn items are painted (while DrawItem runs).
    TCanvas* Canvas() const { return canvas_.get(); }

    TDrawItemEvent OnDrawItem;
    TMeasureItemEvent OnMeasureItem;

protected:
    void CreateHandleExtras() override;
    void DestroyWnd() override;
    void WndProc(TMessage& message) override;
    // Paints item `index` on Canvas, whose brush and font already show the state; the
    // default hands it to OnDrawItem, else fills `rect` and writes the item's text.
    virtual void DrawItem(int index, const TRect& rect, TOwnerDrawState state);
    virtual void MeasureItem(int index, int& height);
    virtual bool OwnerDrawn() const = 0;
    virtual bool VariableHeights() const = 0;
    // The window's own selection message pair (LB_GETCURSEL / CB_GETCURSEL and the setters).
    virtual int WindowItemIndex() = 0;
    virtual void SetWindowItemIndex(int index) = 0;
    // Sets the owner-drawn item height in the window.
    virtual void ApplyItemHeight() = 0;
    // The selected index while there is no window.
    int StoredItemIndex() const { return itemIndex_ < Count() ? itemIndex_ : -1; }

private:
    void PaintItem(const DRAWITEMSTRUCT& draw);

    std::unique_ptr<TListControlItems> items_;
    std::unique_ptr<TCanvas> canvas_;
    int itemIndex_ = -1;  // while there is no window
    int itemHeight_;
};

class TCustomListBox : public TCustomListControl {
    TOOLKIT_CLASS(TCustomListBox, TCustomListControl)

public:
    explicit TCustomListBox(TComponent* owner);

    bool Selected(int index);
    void SetSelected(int index, bool on);
    int SelCount();
    // Removes the selected items from the list.
    void DeleteSelected();
    void Clear() { Items()->Clear(); }
    bool MultiSelect() const { return multiSelect_; }
    void SetMultiSelect(bool on);
    bool ExtendedSelect() const { return extendedSelect_; }
    void SetExtendedSelect(bool on);
    TListBoxStyle Style() const { return style_; }
    void SetStyle(TListBoxStyle style);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle style);
    // Whether the window's height is a whole number of items.
    bool IntegralHeight() const { return integralHeight_; }
    void SetIntegralHeight(bool on);
    // The index of the item at a point of the client area, or -1.
    int ItemAtPos(POINT p);

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;
    bool OwnerDrawn() const override { return style_ != lbStandard; }
    bool VariableHeights() const override { return style_ == lbOwnerDrawVariable; }
    int WindowItemIndex() override;
    void SetWindowItemIndex(int index) override;
    void ApplyItemHeight() override;

private:
    void CheckIndex(int index) const;

    bool multiSelect_ = false;
    bool extendedSelect_ = true;
    TListBoxStyle style_ = lbStandard;
    TBorderStyle borderStyle_ = bsSingle;
    bool integralHeight_ = false;
};

class TListBox : public TCustomListBox {
    TOOLKIT_CLASS(TListBox, TCustomListBox)

public:
    using TCustomListBox::TCustomListBox;
};

class TCustomComboBox : public TCustomListControl {
    TOOLKIT_CLASS(TCustomComboBox, TCustomListControl)

public:
    explicit TCustomComboBox(TComponent* owner);

    TComboBoxStyle Style() const { return style_; }
    void SetStyle(TComboBoxStyle style);
    // How many items the dropped-down list shows at once.
    int DropDownCount() const { return dropDownCount_; }
    void SetDropDownCount(int count);
    // The most characters the edit part takes (0: no limit of its own).
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int length);
    bool AutoDropDown() const { return autoDropDown_; }
    void SetAutoDropDown(bool on) { autoDropDown_ = on; }
    bool DroppedDown();
    void SetDroppedDown(bool on);
    // A drop-down list shows only its items: its text is the selected one's, and a text
    // names the item to select.
    std::string GetText() const override;
    void SetText(const std::string& text) override;

    TNotifyEvent OnChange;
    TNotifyEvent OnSelect;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleExtras() override;
    void WndProc(TMessage& message) override;
    void KeyPress(char& key) override;
    virtual void Change() { OnChange(this); }
    // The user picked an item from the list.
    virtual void Select();
    bool OwnerDrawn() const override { return style_ == csOwnerDrawFixed || style_ == csOwnerDrawVariable; }
    bool VariableHeights() const override { return style_ == csOwnerDrawVariable; }
    int WindowItemIndex() override;
    void SetWindowItemIndex(int index) override;
    void ApplyItemHeight() override;

private:
    bool HasEditPart() const { return style_ == csDropDown || style_ == csSimple; }

    TComboBoxStyle style_ = csDropDown;
    int dropDownCount_ = 8;
    int maxLength_ = 0;
    bool autoDropDown_ = false;
};

class TComboBox : public TCustomComboBox {
    TOOLKIT_CLASS(TComboBox, TCustomComboBox)

public:
    using TCustomComboBox::TCustomComboBox;
};

// ---------------------------------------------------------------------------------------

class TScrollBar : public TWinControl {
    TOOLKIT_CLASS(TScrollBar, TWinControl)

public:
    explicit TScrollBar(TComponent* owner);

    TScrollBarKind Kind() const { return kind_; }
    // A new kind turns the bar: width and height change places (not while loading).
    void SetKind(TScrollBarKind kind);
    int Min() const { return min_; }
    void SetMin(int value) { SetParams(position_, value, max_); }
    int Max() const { return max_; }
    void SetMax(int value) { SetParams(position_, min_, value); }
    int Position() const { return position_; }
    void SetPosition(int value) { SetParams(value, min_, max_); }
    // Max below Min raises EInvalidOperation; Position is held within the range.
    void SetParams(int position, int min, int max);
    int SmallChange() const { return smallChange_; }
    void SetSmallChange(int value) { smallChange_ = value; }
    int LargeChange() const { return largeChange_; }
    void SetLargeChange(int value) { largeChange_ = value; }
    // The thumb's share of the range (0: a square thumb); more than the range raises
    // EInvalidOperation.
    int PageSize() const { return pageSize_; }
    void SetPageSize(int size);

    TNotifyEvent OnChange;
    TScrollEvent OnScroll;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleExtras() override;
    void Loaded() override;
    void WndProc(TMessage& message) override;
    virtual void Change() { OnChange(this); }
    virtual void Scroll(TScrollCode code, int& position) { OnScroll(this, code, position); }

private:
    // The user's step `code` (SB_…) from the window's notification.
    void DoScroll(WORD code);
    // The last position the thumb can take: its far edge at Max.
    int LastPosition() const;
    void ApplyScrollInfo();

    TScrollBarKind kind_ = sbHorizontal;
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    int smallChange_ = 1;
    int largeChange_ = 1;
    int pageSize_ = 0;
};
