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
//   TStatusBar    a comctl32 status bar: SimplePanel shows SimpleText across the bar,
//                 otherwise Panels (text, width, alignment, bevel; in form files a collection:
//                 "Panels = < item Width = 120 end item Text = 'Ready' end >").
//   TUpDown       a comctl32 up-down: Position steps by Increment within Min..Max (round
//                 the range with Wrap); with an Associate beside it (same parent), it sits at
//                 that control's right and shows Position as its text. OnChanging may refuse
//                 a step; OnClick tells which arrow stepped.
//   TRichEdit     a RichEdit memo: PlainText, background Color and Font colour, Lines;
//                 MaxLength is its text limit (0 keeps the platform's default); text from
//                 the program is held to the limit too (some platforms stretch the limit
//                 for it): a line that does not fit raises "RichEdit line insertion error".

#include <memory>
#include <string>
#include <vector>

#include "toolkit/Controls.h"
#include "toolkit/StdCtrls.h"

enum TTabStyle { tsTabs, tsButtons, tsFlatButtons };
enum TTabPosition { tpTop, tpBottom, tpLeft, tpRight };
enum TStatusPanelBevel { pbNone, pbLowered, pbRaised };
enum TUDOrientation { udHorizontal, udVertical };
enum TUDBtnType { btNext, btPrev };

template <>
const TEnumInfo& EnumInfo<TTabStyle>();
template <>
const TEnumInfo& EnumInfo<TTabPosition>();
template <>
const TEnumInfo& EnumInfo<TStatusPanelBevel>();
template <>
const TEnumInfo& EnumInfo<TUDOrientation>();

class TTabSheet;

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

private:
    void Restyle();

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

private:
    std::string text_;
    int width_ = 50;
    TAlignment alignment_ = taLeftJustify;
    TStatusPanelBevel bevel_ = pbLowered;
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

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleExtras() override;

private:
    friend class TStatusPanels;
    // Tells the window what the panels and the simple text are now.
    void UpdatePanels();

    bool simplePanel_ = false;
    std::string simpleText_;
    bool sizeGrip_ = true;
    std::unique_ptr<TStatusPanels> panels_;
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
