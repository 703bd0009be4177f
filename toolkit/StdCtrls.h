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
