#pragma once
// Common controls (Win32): page controls with tab sheets, status bars, rich edits.
//
//   TCustomTabControl / TPageControl  a comctl32 tab control whose tabs are the sheets with
//                 TabVisible, in their fixed page order; ActivePage shows one sheet (also one
//                 whose tab is hidden). Hiding the active page's tab falls back to the next
//                 visible page after it (else the one before it); with no visible tab, no page
//                 is active. HotTrack, Style (tabs, buttons, flat buttons), MultiLine,
//                 TabPosition (the side the tabs are on; left and right tabs are stacked).
//                 The focused tab shows its focus rectangle once the keyboard has been used
//                 in the form (TCustomForm::FocusCuesShown).
//   TTabSheet     a page: Caption is its tab's text; PageIndex its place in the order.
//   TTabControl   a tab control without pages: one tab per line of Tabs, TabIndex the
//                 current one (-1: none); the user's choice may be refused (OnChanging).
//   TStatusBar    a comctl32 status bar: SimplePanel shows SimpleText across the bar,
//                 otherwise Panels (text, width, alignment, bevel; in form files a collection:
//                 "Panels = < item Width = 120 end item Text = 'Ready' end >").
//   TUpDown       a comctl32 up-down: Position steps by Increment within Min..Max (round
//                 the range with Wrap); with an Associate beside it (same parent), it sits at
//                 that control's right and shows Position as its text. OnChanging may refuse
//                 a step; OnClick tells which arrow stepped.
//   TProgressBar  a comctl32 progress bar: Position within Min..Max, StepIt adds Step;
//                 Orientation (a vertical bar fills upwards), Smooth.
//   TTrackBar     a comctl32 track bar: Position within Min..Max moved by the user's keys
//                 and mouse (OnChange), tick marks every Frequency on the TickMarks side(s),
//                 a selected range SelStart..SelEnd, Orientation.
//   THeaderControl  a comctl32 header: Sections (text, width within MinWidth..MaxWidth,
//                 alignment; in form files a collection); the user's resizing is kept in
//                 the sections (OnSectionResize), a click on a section raises OnSectionClick.
//   TListView     a comctl32 list view; in report style (vsReport) with its header: Columns
//                 (caption, width, alignment; a collection), items with sub-items from code,
//                 ItemIndex the selected item (-1: none; OnChange when the user selects
//                 one), RowSelect, GridLines.
//   TDateTimePicker  the system's date-time picker over one moment (days since 1899-12-30,
//                 the fraction the time of day): Date is its whole day, Time its fraction;
//                 Kind picks the date or the time part to edit, DateFormat the short or long
//                 date. With ShowCheckbox the user may leave it unchecked (Checked); the
//                 user's changes raise OnChange.
//   TToolBar      a comctl32 tool bar whose buttons are its TToolButton children, in the order
//                 they were put on it (each then placed where the bar shows it): Caption (shown with ShowCaptions), ImageIndex into Images,
//                 Style (button, check, separator, divider), Down, Grouped (check buttons
//                 side by side form a group, one of them down), Flat. A click raises the
//                 button's OnClick; a check button's Down follows the user.
//   TRichEdit     a RichEdit memo: PlainText, background Color and Font colour, Lines;
//                 MaxLength is its text limit (0 keeps the platform's default); text from
//                 the program is held to the limit too (some platforms stretch the limit
//                 for it): a line that does not fit raises "RichEdit line insertion error".

#include <memory>
#include <string>
#include <vector>

#include "toolkit/Controls.h"
#include "toolkit/ImgList.h"
#include "toolkit/StdCtrls.h"

enum TTabStyle { tsTabs, tsButtons, tsFlatButtons };
enum TTabPosition { tpTop, tpBottom, tpLeft, tpRight };
enum TStatusPanelBevel { pbNone, pbLowered, pbRaised };
enum TStatusPanelStyle { psText, psOwnerDraw };
enum TUDOrientation { udHorizontal, udVertical };
enum TUDBtnType { btNext, btPrev };
enum TProgressBarOrientation { pbHorizontal, pbVertical };
enum TTrackBarOrientation { trHorizontal, trVertical };
enum TTickMark { tmBottomRight, tmTopLeft, tmBoth };
enum TTickStyle { tsNone, tsAuto, tsManual };
enum TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };
enum TDateTimeKind { dtkDate, dtkTime };
enum TDTDateFormat { dfShort, dfLong };
enum TToolButtonStyle { tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider };

template <>
const TEnumInfo& EnumInfo<TTabStyle>();
template <>
const TEnumInfo& EnumInfo<TTabPosition>();
template <>
const TEnumInfo& EnumInfo<TStatusPanelBevel>();
template <>
const TEnumInfo& EnumInfo<TStatusPanelStyle>();
template <>
const TEnumInfo& EnumInfo<TUDOrientation>();
template <>
const TEnumInfo& EnumInfo<TProgressBarOrientation>();
template <>
const TEnumInfo& EnumInfo<TTrackBarOrientation>();
template <>
const TEnumInfo& EnumInfo<TTickMark>();
template <>
const TEnumInfo& EnumInfo<TTickStyle>();
template <>
const TEnumInfo& EnumInfo<TViewStyle>();
template <>
const TEnumInfo& EnumInfo<TDateTimeKind>();
template <>
const TEnumInfo& EnumInfo<TDTDateFormat>();
template <>
const TEnumInfo& EnumInfo<TToolButtonStyle>();

// `value` pulled into min..max, except while a form file is read (the range may follow).
int PositionInRange(const TComponent& control, int value, int min, int max);

class TTabSheet;
class TPopupMenu;

using TTabChangingEvent = TEvent<TObject*, bool&>;

class TCustomTabControl : public TWinControl {
    TOOLKIT_CLASS(TCustomTabControl, TWinControl)

public:
    explicit TCustomTabControl(TComponent* owner);

    bool HotTrack() const { return hotTrack_; }
    void SetHotTrack(bool on);
    TTabStyle Style() const { return style_; }
    void SetStyle(TTabStyle style);
    bool MultiLine() const { return multiLine_; }
    void SetMultiLine(bool on);
    TTabPosition TabPosition() const { return tabPosition_; }
    void SetTabPosition(TTabPosition position);

protected:
    void CreateParams(TCreateParams& params) override;
    void AdjustClientRect(RECT& rect) const override;
    void WndProc(TMessage& message) override;
    // Gives the window these tabs, `selected` (-1: none) the current one.
    void ShowTabs(const std::vector<std::string>& captions, int selected);

private:
    void Restyle();
    // The focus rectangle stays hidden until the keyboard is used in the form.
    bool HidingFocus();

    bool hotTrack_ = false;
    TTabStyle style_ = tsTabs;
    bool multiLine_ = false;
    TTabPosition tabPosition_ = tpTop;
};

class TPageControl : public TCustomTabControl {
    TOOLKIT_CLASS(TPageControl, TCustomTabControl)

public:
    explicit TPageControl(TComponent* owner);

    int PageCount() const { return static_cast<int>(pages_.size()); }
    TTabSheet* Pages(int index) const { return pages_.at(static_cast<size_t>(index)); }
    TTabSheet* ActivePage() const { return activePage_; }
    void SetActivePage(TTabSheet* page);
    // The active page's place among the pages, or -1.
    int ActivePageIndex() const;
    void SetActivePageIndex(int index);
    // The pages whose tabs show, in page order.
    std::vector<TTabSheet*> VisibleTabs() const;
    // The next page with a visible tab after `current` (or before it), wrapping; null when none.
    TTabSheet* FindNextPage(TTabSheet* current, bool forward) const;

    TNotifyEvent OnChange;
    TTabChangingEvent OnChanging;

    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const override;

protected:
    void CreateHandleExtras() override;
    void WndProc(TMessage& message) override;
    void Loaded() override;

private:
    friend class TTabSheet;
    void InsertPage(TTabSheet* page);
    void RemovePage(TTabSheet* page);
    void MovePage(TTabSheet* page, int index);
    // Rebuilds the window's tabs from the visible pages and selects the active one.
    void UpdateTabs();
    void TabVisibilityChanged(TTabSheet* page);
    void ShowActivePage();
    // The page to show when `page` can no longer be the active one.
    TTabSheet* FallbackFor(TTabSheet* page) const;

    std::vector<TTabSheet*> pages_;
    TTabSheet* activePage_ = nullptr;
};

class TTabSheet : public TWinControl {
    TOOLKIT_CLASS(TTabSheet, TWinControl)

public:
    explicit TTabSheet(TComponent* owner);

    TPageControl* PageControl() const { return pageControl_; }
    void SetPageControl(TPageControl* control);
    bool TabVisible() const { return tabVisible_; }
    void SetTabVisible(bool on);
    int PageIndex() const;
    void SetPageIndex(int index);
    // The place of its tab among the visible tabs, or -1 when its tab is hidden.
    int TabIndex() const;

    void SetParentComponent(TComponent* parent) override;
    TComponent* GetParentComponent() const override { return pageControl_; }
    bool HasParent() const override { return true; }

protected:
    void WndProc(TMessage& message) override;
    void BeforeDestruction() override;

private:
    friend class TPageControl;
    TPageControl* pageControl_ = nullptr;
    bool tabVisible_ = true;
};

class TTabControl : public TCustomTabControl {
    TOOLKIT_CLASS(TTabControl, TCustomTabControl)

public:
    explicit TTabControl(TComponent* owner);
    ~TTabControl() override;

    TStrings* Tabs() const { return tabs_.get(); }
    int TabIndex() const { return tabIndex_; }
    // -1 selects none; raises EPropertyError past the tabs.
    void SetTabIndex(int index);

    TNotifyEvent OnChange;
    TTabChangingEvent OnChanging;

protected:
    void CreateHandleExtras() override;
    void WndProc(TMessage& message) override;
    void Loaded() override;

private:
    void TabsChanged();

    std::unique_ptr<TStringList> tabs_;
    int tabIndex_ = -1;
};

// ---------------------------------------------------------------------------------------

class TCustomStatusBar;

class TStatusPanel : public TCollectionItem {
    TOOLKIT_CLASS(TStatusPanel, TCollectionItem)

public:
    using TCollectionItem::TCollectionItem;
    const std::string& Text() const { return text_; }
    void SetText(const std::string& text);
    int Width() const { return width_; }
    void SetWidth(int width);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    TStatusPanelBevel Bevel() const { return bevel_; }
    void SetBevel(TStatusPanelBevel bevel);
    // psOwnerDraw: the bar's OnDrawPanel paints the panel's content.
    TStatusPanelStyle Style() const { return style_; }
    void SetStyle(TStatusPanelStyle style);

private:
    std::string text_;
    int width_ = 50;
    TAlignment alignment_ = taLeftJustify;
    TStatusPanelBevel bevel_ = pbLowered;
    TStatusPanelStyle style_ = psText;
};

// A status bar's panels: every change shows on the bar.
class TStatusPanels : public TCollectionOf<TStatusPanel> {
    TOOLKIT_CLASS(TStatusPanels, TCollection)

public:
    explicit TStatusPanels(TCustomStatusBar& bar) : bar_(bar) {}

protected:
    void Update(TCollectionItem* item) override;

private:
    TCustomStatusBar& bar_;
};

// Paints an owner-drawn panel on the bar's Canvas within rect.
using TDrawPanelEvent = TEvent<TCustomStatusBar*, TStatusPanel*, TRect>;

class TCustomStatusBar : public TWinControl {
    TOOLKIT_CLASS(TCustomStatusBar, TWinControl)

public:
    explicit TCustomStatusBar(TComponent* owner);
    ~TCustomStatusBar() override;

    bool SimplePanel() const { return simplePanel_; }
    void SetSimplePanel(bool on);
    const std::string& SimpleText() const { return simpleText_; }
    void SetSimpleText(const std::string& text);
    bool SizeGrip() const { return sizeGrip_; }
    void SetSizeGrip(bool on);

    // The panels, also as the collection that form files store ("Panels = < item ... >").
    TStatusPanels* PanelList() const { return panels_.get(); }
    int PanelCount() const { return panels_->Count(); }
    TStatusPanel& Panels(int index) const { return panels_->Items(index); }
    TStatusPanel& AddPanel() { return panels_->Add(); }
    void ClearPanels() { panels_->Clear(); }
    // Set while OnDrawPanel runs.
    TCanvas* Canvas() const { return canvas_.get(); }

    TDrawPanelEvent OnDrawPanel;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleExtras() override;
    void WndProc(TMessage& message) override;

private:
    friend class TStatusPanels;
    // Tells the window what the panels and the simple text are now.
    void UpdatePanels();

    bool simplePanel_ = false;
    std::string simpleText_;
    bool sizeGrip_ = true;
    std::unique_ptr<TStatusPanels> panels_;
    std::unique_ptr<TCanvas> canvas_;
};

class TStatusBar : public TCustomStatusBar {
    TOOLKIT_CLASS(TStatusBar, TCustomStatusBar)

public:
    using TCustomStatusBar::TCustomStatusBar;
};

// ---------------------------------------------------------------------------------------

using TUDClickEvent = TEvent<TObject*, TUDBtnType>;
using TUDChangingEvent = TEvent<TObject*, bool&>;

class TCustomUpDown : public TWinControl {
    TOOLKIT_CLASS(TCustomUpDown, TWinControl)

public:
    explicit TCustomUpDown(TComponent* owner);

    int Min() const { return min_; }
    void SetMin(int value);
    int Max() const { return max_; }
    void SetMax(int value);
    int Increment() const { return increment_; }
    void SetIncrement(int value);
    int Position() const { return position_; }
    // Pulled into Min..Max.
    void SetPosition(int value);
    TUDOrientation Orientation() const { return orientation_; }
    void SetOrientation(TUDOrientation orientation);
    bool Wrap() const { return wrap_; }
    void SetWrap(bool on);
    bool ArrowKeys() const { return arrowKeys_; }
    void SetArrowKeys(bool on);
    TWinControl* Associate() const { return associate_; }
    // Raises EInvalidOperation for a control of another parent, or for itself.
    void SetAssociate(TWinControl* control);

    TUDChangingEvent OnChanging;
    TUDClickEvent OnClick;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleExtras() override;
    void WndProc(TMessage& message) override;
    void Notification(TComponent* component, TOperation operation) override;
    void Loaded() override;

private:
    // Tells the window the range, the step and the position.
    void UpdateWindow();

    int min_ = 0;
    int max_ = 100;
    int increment_ = 1;
    int position_ = 0;
    int lastDelta_ = 0;
    TUDOrientation orientation_ = udVertical;
    bool wrap_ = false;
    bool arrowKeys_ = true;
    TWinControl* associate_ = nullptr;
};

class TUpDown : public TCustomUpDown {
    TOOLKIT_CLASS(TUpDown, TCustomUpDown)

public:
    using TCustomUpDown::TCustomUpDown;
};

// ---------------------------------------------------------------------------------------

class TProgressBar : public TWinControl {
    TOOLKIT_CLASS(TProgressBar, TWinControl)

public:
    explicit TProgressBar(TComponent* owner);

    int Min() const { return min_; }
    void SetMin(int value);
    int Max() const { return max_; }
    void SetMax(int value);
    int Position() const { return position_; }
    void SetPosition(int value);
    int Step() const { return step_; }
    void SetStep(int value) { step_ = value; }
    TProgressBarOrientation Orientation() const { return orientation_; }
    void SetOrientation(TProgressBarOrientation orientation);
    bool Smooth() const { return smooth_; }
    void SetSmooth(bool on);
    // Position += Step (or `delta`), staying within the range.
    void StepIt() { StepBy(step_); }
    void StepBy(int delta) { SetPosition(position_ + delta); }

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleExtras() override;
    void Loaded() override;

private:
    void UpdateWindow();

    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    int step_ = 10;
    TProgressBarOrientation orientation_ = pbHorizontal;
    bool smooth_ = false;
};

class TTrackBar : public TWinControl {
    TOOLKIT_CLASS(TTrackBar, TWinControl)

public:
    explicit TTrackBar(TComponent* owner);

    int Min() const { return min_; }
    void SetMin(int value);
    int Max() const { return max_; }
    void SetMax(int value);
    int Position() const { return position_; }
    void SetPosition(int value);
    int Frequency() const { return frequency_; }
    void SetFrequency(int value);
    int LineSize() const { return lineSize_; }
    void SetLineSize(int value);
    int PageSize() const { return pageSize_; }
    void SetPageSize(int value);
    int SelStart() const { return selStart_; }
    void SetSelStart(int value);
    int SelEnd() const { return selEnd_; }
    void SetSelEnd(int value);
    TTrackBarOrientation Orientation() const { return orientation_; }
    void SetOrientation(TTrackBarOrientation orientation);
    TTickMark TickMarks() const { return tickMarks_; }
    void SetTickMarks(TTickMark marks);
    TTickStyle TickStyle() const { return tickStyle_; }
    void SetTickStyle(TTickStyle style);
    bool SliderVisible() const { return sliderVisible_; }
    void SetSliderVisible(bool on);

    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleExtras() override;
    void WndProc(TMessage& message) override;
    void Loaded() override;

private:
    void UpdateWindow();
    void Restyle(bool changed);

    int min_ = 0;
    int max_ = 10;
    int position_ = 0;
    int frequency_ = 1;
    int lineSize_ = 1;
    int pageSize_ = 2;
    int selStart_ = 0;
    int selEnd_ = 0;
    TTrackBarOrientation orientation_ = trHorizontal;
    TTickMark tickMarks_ = tmBottomRight;
    TTickStyle tickStyle_ = tsAuto;
    bool sliderVisible_ = true;
};

// ---------------------------------------------------------------------------------------

class THeaderControl;

class THeaderSection : public TCollectionItem {
    TOOLKIT_CLASS(THeaderSection, TCollectionItem)

public:
    using TCollectionItem::TCollectionItem;
    const std::string& Text() const { return text_; }
    void SetText(const std::string& text);
    int Width() const { return width_; }
    // Kept within MinWidth..MaxWidth.
    void SetWidth(int width);
    int MinWidth() const { return minWidth_; }
    void SetMinWidth(int width);
    int MaxWidth() const { return maxWidth_; }
    void SetMaxWidth(int width);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    bool AllowClick() const { return allowClick_; }
    void SetAllowClick(bool on) { allowClick_ = on; }

private:
    friend class THeaderControl;
    std::string text_;
    int width_ = 50;
    int minWidth_ = 0;
    int maxWidth_ = 10000;
    TAlignment alignment_ = taLeftJustify;
    bool allowClick_ = true;
};

class THeaderSections : public TCollectionOf<THeaderSection> {
    TOOLKIT_CLASS(THeaderSections, TCollection)

public:
    explicit THeaderSections(THeaderControl& header) : header_(header) {}

protected:
    void Update(TCollectionItem* item) override;

private:
    THeaderControl& header_;
};

using TSectionNotifyEvent = TEvent<TObject*, THeaderSection*>;

class THeaderControl : public TWinControl {
    TOOLKIT_CLASS(THeaderControl, TWinControl)

public:
    explicit THeaderControl(TComponent* owner);
    ~THeaderControl() override;

    THeaderSections* Sections() const { return sections_.get(); }
    bool HotTrack() const { return hotTrack_; }
    void SetHotTrack(bool on);

    TSectionNotifyEvent OnSectionClick;
    TSectionNotifyEvent OnSectionResize;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleExtras() override;
    void WndProc(TMessage& message) override;

private:
    friend class THeaderSections;
    // Gives the window the sections' texts, widths and alignments.
    void UpdateSections();
    void SectionResized(int index);

    std::unique_ptr<THeaderSections> sections_;
    bool hotTrack_ = false;
    bool updating_ = false;  // the window is being told the sections: its echoes are ours
};

class TCustomListView;

class TListColumn : public TCollectionItem {
    TOOLKIT_CLASS(TListColumn, TCollectionItem)

public:
    using TCollectionItem::TCollectionItem;
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    int Width() const { return width_; }
    void SetWidth(int width);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);

private:
    std::string caption_;
    int width_ = 50;
    TAlignment alignment_ = taLeftJustify;
};

class TListColumns : public TCollectionOf<TListColumn> {
    TOOLKIT_CLASS(TListColumns, TCollection)

public:
    explicit TListColumns(TCustomListView& view) : view_(view) {}

protected:
    void Update(TCollectionItem* item) override;

private:
    TCustomListView& view_;
};

// One row of a list view: its caption and the texts of the further columns.
struct TListItem {
    std::string Caption;
    std::vector<std::string> SubItems;
};

class TCustomListView : public TWinControl {
    TOOLKIT_CLASS(TCustomListView, TWinControl)

public:
    explicit TCustomListView(TComponent* owner);
    ~TCustomListView() override;

    TListColumns* Columns() const { return columns_.get(); }
    TViewStyle ViewStyle() const { return viewStyle_; }
    void SetViewStyle(TViewStyle style);
    bool RowSelect() const { return rowSelect_; }
    void SetRowSelect(bool on);
    bool GridLines() const { return gridLines_; }
    void SetGridLines(bool on);
    bool ShowColumnHeaders() const { return showColumnHeaders_; }
    void SetShowColumnHeaders(bool on);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool on);

    int ItemCount() const { return static_cast<int>(items_.size()); }
    const TListItem& Items(int index) const { return items_.at(static_cast<size_t>(index)); }
    void AddItem(const TListItem& item);
    void ClearItems();
    int ItemIndex() const { return itemIndex_; }
    // -1 selects none; raises EPropertyError past the items.
    void SetItemIndex(int index);

    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleExtras() override;
    void WndProc(TMessage& message) override;

private:
    friend class TListColumns;
    void UpdateColumns();
    void InsertItem(int index);
    void ApplyExtendedStyle();

    std::unique_ptr<TListColumns> columns_;
    std::vector<TListItem> items_;
    TViewStyle viewStyle_ = vsIcon;
    bool rowSelect_ = false;
    bool gridLines_ = false;
    bool showColumnHeaders_ = true;
    bool readOnly_ = false;
    int itemIndex_ = -1;
    bool selecting_ = false;  // the selection is being set from code
};

class TListView : public TCustomListView {
    TOOLKIT_CLASS(TListView, TCustomListView)

public:
    using TCustomListView::TCustomListView;
};

// ---------------------------------------------------------------------------------------

// Days since 1899-12-30; the fraction is the time of day.
using TDateTime = double;

class TDateTimePicker : public TWinControl {
    TOOLKIT_CLASS(TDateTimePicker, TWinControl)

public:
    explicit TDateTimePicker(TComponent* owner);

    TDateTime DateTime() const { return dateTime_; }
    void SetDateTime(TDateTime value);
    // The whole day of DateTime; setting it keeps the time of day.
    TDateTime Date() const;
    void SetDate(TDateTime value);
    // The time of day of DateTime; setting it keeps the day.
    TDateTime Time() const;
    void SetTime(TDateTime value);
    TDateTimeKind Kind() const { return kind_; }
    void SetKind(TDateTimeKind kind);
    TDTDateFormat DateFormat() const { return dateFormat_; }
    void SetDateFormat(TDTDateFormat format);
    bool Checked() const { return checked_; }
    void SetChecked(bool on);
    bool ShowCheckbox() const { return showCheckbox_; }
    void SetShowCheckbox(bool on);

    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleExtras() override;
    void WndProc(TMessage& message) override;

private:
    // Tells the window the moment, and whether it is checked.
    void UpdateWindow();

    TDateTime dateTime_ = 0;
    TDateTimeKind kind_ = dtkDate;
    TDTDateFormat dateFormat_ = dfShort;
    bool checked_ = true;
    bool showCheckbox_ = false;
    bool updating_ = false;  // the window is being told the moment: its echoes are ours
};

// ---------------------------------------------------------------------------------------

class TToolBar;

class TToolButton : public TGraphicControl {
    TOOLKIT_CLASS(TToolButton, TGraphicControl)

public:
    explicit TToolButton(TComponent* owner);

    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    TToolButtonStyle Style() const { return style_; }
    void SetStyle(TToolButtonStyle style);
    bool Down() const { return down_; }
    void SetDown(bool on);
    bool Grouped() const { return grouped_; }
    void SetGrouped(bool on);
    // The menu a drop-down button opens below itself.
    TPopupMenu* DropdownMenu() const { return dropdownMenu_; }
    void SetDropdownMenu(TPopupMenu* menu);
    // The tool bar it sits on, or null.
    TToolBar* ToolBar() const;
    // Its place among the tool bar's buttons, or -1.
    int Index() const;

    void SetParent(TWinControl* parent) override;
    using TGraphicControl::Click;

protected:
    // Its caption, enablement and visibility show on the tool bar.
    void WndProc(TMessage& message) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TToolBar;
    // Tells the tool bar that the button changed.
    void Changed();
    // Opens the drop-down menu below the button.
    void DropDown();

    TPopupMenu* dropdownMenu_ = nullptr;
    int imageIndex_ = -1;
    TToolButtonStyle style_ = tbsButton;
    bool down_ = false;
    bool grouped_ = false;
};

class TToolBar : public TWinControl {
    TOOLKIT_CLASS(TToolBar, TWinControl)

public:
    explicit TToolBar(TComponent* owner);

    bool Flat() const { return flat_; }
    void SetFlat(bool on);
    bool ShowCaptions() const { return showCaptions_; }
    void SetShowCaptions(bool on);
    TImageList* Images() const { return images_; }
    void SetImages(TImageList* images);
    int ButtonWidth() const { return buttonWidth_; }
    void SetButtonWidth(int width);
    int ButtonHeight() const { return buttonHeight_; }
    void SetButtonHeight(int height);

    // The tool buttons, in the order they were put on the bar.
    int ButtonCount() const { return static_cast<int>(Buttons().size()); }
    std::vector<TToolButton*> Buttons() const;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleExtras() override;
    void WndProc(TMessage& message) override;
    void Notification(TComponent* component, TOperation operation) override;
    void Loaded() override;

private:
    friend class TToolButton;
    // Gives the window the buttons again and places them where the window shows them.
    void UpdateButtons();
    void ButtonClicked(int index);

    bool flat_ = false;
    bool showCaptions_ = false;
    TImageList* images_ = nullptr;
    int buttonWidth_ = 23;
    int buttonHeight_ = 22;
    bool updating_ = false;  // the buttons are being placed from the window
};

// ---------------------------------------------------------------------------------------

class TCustomRichEdit : public TCustomMemo {
    TOOLKIT_CLASS(TCustomRichEdit, TCustomMemo)

public:
    explicit TCustomRichEdit(TComponent* owner);

    bool PlainText() const { return plainText_; }
    void SetPlainText(bool on);
    // The window's text limit in characters (its own default when MaxLength is 0).
    int TextLimit();

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleExtras() override;
    // The limit (MaxLength; without it at least the text to show) and the text mode.
    void PrepareEmptyWindow() override;
    void WndProc(TMessage& message) override;
    [[noreturn]] void CapacityError() const override;
    int CharPos(const std::string& text, size_t offset) const override;
    // The window's text limit: programs may not pass it either.
    size_t Capacity() override;
    size_t WindowLength() override;

private:
    void ApplyColors();

    bool plainText_ = false;
};

class TRichEdit : public TCustomRichEdit {
    TOOLKIT_CLASS(TRichEdit, TCustomRichEdit)

public:
    using TCustomRichEdit::TCustomRichEdit;
};
