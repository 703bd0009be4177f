#include "toolkit/ComCtrls.h"

#include <commctrl.h>
#include <richedit.h>

#include <algorithm>

#include "toolkit/Forms.h"

template <>
const TEnumInfo& EnumInfo<TTabStyle>() {
    static const TEnumInfo info{"TTabStyle", {"tsTabs", "tsButtons", "tsFlatButtons"}};
    return info;
}
template <>
const TEnumInfo& EnumInfo<TTabPosition>() {
    static const TEnumInfo info{"TTabPosition", {"tpTop", "tpBottom", "tpLeft", "tpRight"}};
    return info;
}
template <>
const TEnumInfo& EnumInfo<TStatusPanelBevel>() {
    static const TEnumInfo info{"TStatusPanelBevel", {"pbNone", "pbLowered", "pbRaised"}};
    return info;
}
template <>
const TEnumInfo& EnumInfo<TStatusPanelStyle>() {
    static const TEnumInfo info{"TStatusPanelStyle", {"psText", "psOwnerDraw"}};
    return info;
}

// ---------------------------------------------------------------------------------------
// TCustomTabControl

const TClassInfo& TCustomTabControl::StaticClass() {
    using C = TCustomTabControl;
    using P = TProps<C>;
    static const TClassInfo info("TCustomTabControl", &TWinControl::StaticClass(), nullptr,
                                 {
                                     P::Boolean("HotTrack", &C::HotTrack, &C::SetHotTrack).Default(false),
                                     P::Enum("Style", &C::Style, &C::SetStyle).Default(tsTabs),
                                     P::Boolean("MultiLine", &C::MultiLine, &C::SetMultiLine).Default(false),
                                     P::Enum("TabPosition", &C::TabPosition, &C::SetTabPosition).Default(tpTop),
                                     P::Boolean("TabStop", &C::TabStop, &C::SetTabStop).Default(true),
                                 });
    return info;
}

TCustomTabControl::TCustomTabControl(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 289, 193);
    SetTabStop(true);
    SetColor(clBtnFace);
}

void TCustomTabControl::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SysClassName = WC_TABCONTROLA;
    p.Style |= WS_CLIPCHILDREN;
    if (hotTrack_) p.Style |= TCS_HOTTRACK;
    if (multiLine_) p.Style |= TCS_MULTILINE;
    if (style_ != tsTabs) p.Style |= TCS_BUTTONS;
    if (style_ == tsFlatButtons) p.Style |= TCS_FLATBUTTONS;
    // Tabs at a side are drawn one above the other, which the control does only in rows.
    if (tabPosition_ == tpLeft || tabPosition_ == tpRight) p.Style |= TCS_VERTICAL | TCS_MULTILINE;
    if (tabPosition_ == tpBottom || tabPosition_ == tpRight) p.Style |= TCS_BOTTOM;  // the same bit as TCS_RIGHT
    // Some platforms' tab controls draw the focus rectangle whatever the window's UI state.
    if (const TCustomForm* form = GetParentForm(this); form && !form->FocusCuesShown()) p.Style |= TCS_FOCUSNEVER;
}

void TCustomTabControl::WndProc(TMessage& m) {
    const bool showsCues = m.Msg == WM_UPDATEUISTATE && LOWORD(m.WParam) == UIS_CLEAR && (HIWORD(m.WParam) & UISF_HIDEFOCUS);
    if ((showsCues || m.Msg == WM_LBUTTONDOWN) && HidingFocus()) {
        if (showsCues) {
            SetWindowLongA(Handle(), GWL_STYLE, GetWindowLongA(Handle(), GWL_STYLE) & ~TCS_FOCUSNEVER);
            Invalidate();
        } else if (CanFocus()) {
            // The style that hides the rectangle also keeps a click from focusing the control.
            SetFocus();
        }
    }
    TWinControl::WndProc(m);
}

bool TCustomTabControl::HidingFocus() {
    return HandleAllocated() && (GetWindowLongA(Handle(), GWL_STYLE) & TCS_FOCUSNEVER);
}

void TCustomTabControl::Restyle() {
    RecreateWnd();
    Realign();
}

void TCustomTabControl::SetHotTrack(bool on) {
    if (ChangeField(hotTrack_, on)) Restyle();
}

void TCustomTabControl::SetStyle(TTabStyle style) {
    if (ChangeField(style_, style)) Restyle();
}

void TCustomTabControl::SetMultiLine(bool on) {
    if (ChangeField(multiLine_, on)) Restyle();
}

void TCustomTabControl::SetTabPosition(TTabPosition position) {
    if (ChangeField(tabPosition_, position)) Restyle();
}

void TCustomTabControl::ShowTabs(const std::vector<std::string>& captions, int selected) {
    if (!HandleAllocated()) return;
    HWND h = Handle();
    SendMessageA(h, TCM_DELETEALLITEMS, 0, 0);
    for (size_t i = 0; i < captions.size(); ++i) {
        std::string caption = captions[i];
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption.data();
        SendMessageA(h, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
    }
    SendMessageA(h, TCM_SETCURSEL, static_cast<WPARAM>(selected), 0);
    Realign();
}

// The display area below (or beside) the tabs.
void TCustomTabControl::AdjustClientRect(RECT& rect) const {
    if (HandleAllocated()) {
        SendMessageA(const_cast<TCustomTabControl*>(this)->Handle(), TCM_ADJUSTRECT, FALSE,
                     reinterpret_cast<LPARAM>(&rect));
        return;
    }
    // Before the window exists: room for one row of tabs on their side.
    constexpr int kTabRow = 24;
    switch (tabPosition_) {
        case tpTop: rect.top += kTabRow; break;
        case tpBottom: rect.bottom -= kTabRow; break;
        case tpLeft: rect.left += kTabRow; break;
        case tpRight: rect.right -= kTabRow; break;
    }
    InflateRect(&rect, -4, -4);
}

// ---------------------------------------------------------------------------------------
// TPageControl

const TClassInfo& TPageControl::StaticClass() {
    using C = TPageControl;
    using P = TProps<C>;
    static const TClassInfo info("TPageControl", &TCustomTabControl::StaticClass(), Creator<C>(),
                                 {
                                     P::Component("ActivePage", &C::ActivePage, &C::SetActivePage),
                                     P::Event("OnChange", &C::OnChange),
                                     P::Event("OnChanging", &C::OnChanging),
                                 });
    return info;
}

TPageControl::TPageControl(TComponent* owner) : TCustomTabControl(owner) {}

std::vector<TTabSheet*> TPageControl::VisibleTabs() const {
    std::vector<TTabSheet*> tabs;
    for (TTabSheet* p : pages_)
        if (p->tabVisible_) tabs.push_back(p);
    return tabs;
}

TTabSheet* TPageControl::FindNextPage(TTabSheet* current, bool forward) const {
    const int n = PageCount();
    if (n == 0) return nullptr;
    const auto it = std::find(pages_.begin(), pages_.end(), current);
    int start = it == pages_.end() ? (forward ? n - 1 : 0) : static_cast<int>(it - pages_.begin());
    for (int step = 1; step <= n; ++step) {
        TTabSheet* p = pages_[static_cast<size_t>(((start + (forward ? step : -step)) % n + n) % n)];
        if (p->tabVisible_) return p;
    }
    return nullptr;
}

TTabSheet* TPageControl::FallbackFor(TTabSheet* page) const {
    const auto at = std::find(pages_.begin(), pages_.end(), page);
    for (auto it = at == pages_.end() ? at : at + 1; it != pages_.end(); ++it)
        if ((*it)->tabVisible_) return *it;
    for (auto it = at; it != pages_.begin();)
        if ((*--it)->tabVisible_) return *it;
    return nullptr;
}

int TPageControl::ActivePageIndex() const {
    const auto it = std::find(pages_.begin(), pages_.end(), activePage_);
    return it == pages_.end() ? -1 : static_cast<int>(it - pages_.begin());
}

void TPageControl::SetActivePageIndex(int index) {
    SetActivePage(index >= 0 && index < PageCount() ? pages_[static_cast<size_t>(index)] : nullptr);
}

void TPageControl::SetActivePage(TTabSheet* page) {
    if (page && page->pageControl_ != this) throw EInvalidOperation("The page does not belong to this page control");
    activePage_ = page;
    ShowActivePage();
}

void TPageControl::ShowActivePage() {
    if (activePage_) activePage_->SetVisible(true);
    for (TTabSheet* p : pages_)
        if (p != activePage_) p->SetVisible(false);
    if (HandleAllocated()) SendMessageA(Handle(), TCM_SETCURSEL, activePage_ ? activePage_->TabIndex() : -1, 0);
}

void TPageControl::UpdateTabs() {
    if (!HandleAllocated()) return;
    std::vector<std::string> captions;
    for (TTabSheet* p : VisibleTabs()) captions.push_back(p->Caption());
    ShowTabs(captions, activePage_ ? activePage_->TabIndex() : -1);
}

void TPageControl::InsertPage(TTabSheet* page) {
    pages_.push_back(page);
    UpdateTabs();
    if (!activePage_ && page->tabVisible_ && !ComponentState().Contains(csLoading))
        SetActivePage(page);
    else
        ShowActivePage();
}

void TPageControl::RemovePage(TTabSheet* page) {
    const TTabSheet* fallback = page == activePage_ ? FallbackFor(page) : activePage_;
    pages_.erase(std::remove(pages_.begin(), pages_.end(), page), pages_.end());
    page->pageControl_ = nullptr;
    activePage_ = const_cast<TTabSheet*>(fallback);
    UpdateTabs();
    ShowActivePage();
}

void TPageControl::MovePage(TTabSheet* page, int index) {
    pages_.erase(std::remove(pages_.begin(), pages_.end(), page), pages_.end());
    index = std::clamp(index, 0, PageCount());
    pages_.insert(pages_.begin() + index, page);
    UpdateTabs();
}

void TPageControl::TabVisibilityChanged(TTabSheet* page) {
    if (page == activePage_ && !page->tabVisible_) activePage_ = FallbackFor(page);
    UpdateTabs();
    ShowActivePage();
}

void TPageControl::CreateHandleExtras() { UpdateTabs(); }

void TPageControl::Loaded() {
    TCustomTabControl::Loaded();
    if (!activePage_) activePage_ = FindNextPage(nullptr, true);
    UpdateTabs();
    ShowActivePage();
}

void TPageControl::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const {
    // Pages in page order, which is also the order of their tabs.
    for (TTabSheet* p : pages_)
        if (p->Owner() == root) proc(p);
    for (int i = 0; i < ControlCount(); ++i)
        if (!dynamic_cast<TTabSheet*>(Controls(i)) && Controls(i)->Owner() == root) proc(Controls(i));
}

void TPageControl::WndProc(TMessage& m) {
    if (m.Msg == CN_BASE + WM_NOTIFY) {
        const auto* header = reinterpret_cast<NMHDR*>(m.LParam);
        if (header->code == TCN_SELCHANGING) {
            bool allow = true;
            OnChanging(this, allow);
            m.Result = allow ? 0 : 1;
            return;
        }
        if (header->code == TCN_SELCHANGE) {
            const int index = static_cast<int>(SendMessageA(Handle(), TCM_GETCURSEL, 0, 0));
            const std::vector<TTabSheet*> tabs = VisibleTabs();
            if (index >= 0 && index < static_cast<int>(tabs.size())) SetActivePage(tabs[static_cast<size_t>(index)]);
            OnChange(this);
            return;
        }
    }
    TCustomTabControl::WndProc(m);
}

// ---------------------------------------------------------------------------------------
// TTabSheet

const TClassInfo& TTabSheet::StaticClass() {
    using C = TTabSheet;
    using P = TProps<C>;
    static const TClassInfo info("TTabSheet", &TWinControl::StaticClass(), Creator<C>(),
                                 {
                                     P::String("Caption", &C::Caption, &C::SetCaption),
                                     P::Boolean("TabVisible", &C::TabVisible, &C::SetTabVisible).Default(true),
                                     P::Integer("PageIndex", &C::PageIndex, &C::SetPageIndex).Stored(false),
                                     P::Enum("Align", &C::Align, &C::SetAlign).Default(alClient),
                                     P::Boolean("Visible", &C::Visible, &C::SetVisible).Stored(false),
                                     P::Color("Color", &C::Color, &C::SetColor).Default(clBtnFace),
                                 });
    return info;
}

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) {
    SetVisible(false);
    SetAlign(alClient);
    SetColor(clBtnFace);
}

void TTabSheet::BeforeDestruction() {
    if (pageControl_) pageControl_->RemovePage(this);
    TWinControl::BeforeDestruction();
}

void TTabSheet::SetPageControl(TPageControl* control) {
    if (control == pageControl_) return;
    if (pageControl_) pageControl_->RemovePage(this);
    SetParent(control);
    pageControl_ = control;
    if (control) control->InsertPage(this);
}

void TTabSheet::SetParentComponent(TComponent* parent) {
    if (auto* pages = dynamic_cast<TPageControl*>(parent))
        SetPageControl(pages);
    else
        TWinControl::SetParentComponent(parent);
}

void TTabSheet::SetTabVisible(bool on) {
    if (on == tabVisible_) return;
    tabVisible_ = on;
    if (pageControl_) pageControl_->TabVisibilityChanged(this);
}

int TTabSheet::PageIndex() const {
    if (!pageControl_) return -1;
    const auto& pages = pageControl_->pages_;
    return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetPageIndex(int index) {
    if (pageControl_) pageControl_->MovePage(this, index);
}

int TTabSheet::TabIndex() const {
    if (!pageControl_ || !tabVisible_) return -1;
    const std::vector<TTabSheet*> tabs = pageControl_->VisibleTabs();
    return static_cast<int>(std::find(tabs.begin(), tabs.end(), this) - tabs.begin());
}

void TTabSheet::WndProc(TMessage& m) {
    TWinControl::WndProc(m);
    if (m.Msg == CM_TEXTCHANGED && pageControl_ && tabVisible_) pageControl_->UpdateTabs();
}

// ---------------------------------------------------------------------------------------
// Status bars

const TClassInfo& TStatusPanel::StaticClass() {
    using C = TStatusPanel;
    using P = TProps<C>;
    static const TClassInfo info("TStatusPanel", &TCollectionItem::StaticClass(), nullptr,
                                 {
                                     P::Enum("Alignment", &C::Alignment, &C::SetAlignment).Default(taLeftJustify),
                                     P::Enum("Bevel", &C::Bevel, &C::SetBevel).Default(pbLowered),
                                     P::Enum("Style", &C::Style, &C::SetStyle).Default(psText),
                                     P::String("Text", &C::Text, &C::SetText),
                                     P::Integer("Width", &C::Width, &C::SetWidth),
                                 });
    return info;
}

void TStatusPanel::SetText(const std::string& text) {
    text_ = text;
    Changed();
}

void TStatusPanel::SetWidth(int width) {
    width_ = std::max(0, width);
    Changed();
}

void TStatusPanel::SetAlignment(TAlignment alignment) {
    alignment_ = alignment;
    Changed();
}

void TStatusPanel::SetBevel(TStatusPanelBevel bevel) {
    bevel_ = bevel;
    Changed();
}

void TStatusPanel::SetStyle(TStatusPanelStyle style) {
    style_ = style;
    Changed();
}

const TClassInfo& TStatusPanels::StaticClass() {
    static const TClassInfo info("TStatusPanels", &TCollection::StaticClass());
    return info;
}

void TStatusPanels::Update(TCollectionItem*) { bar_.UpdatePanels(); }

const TClassInfo& TCustomStatusBar::StaticClass() {
    using C = TCustomStatusBar;
    using P = TProps<C>;
    static const TClassInfo info("TCustomStatusBar", &TWinControl::StaticClass(), nullptr,
                                 {
                                     P::Collection("Panels", &C::PanelList),
                                     P::Boolean("SimplePanel", &C::SimplePanel, &C::SetSimplePanel).Default(false),
                                     P::String("SimpleText", &C::SimpleText, &C::SetSimpleText),
                                     P::Boolean("SizeGrip", &C::SizeGrip, &C::SetSizeGrip).Default(true),
                                     P::Event("OnDrawPanel", &C::OnDrawPanel),
                                     P::Enum("Align", &C::Align, &C::SetAlign).Default(alBottom),
                                     P::Color("Color", &C::Color, &C::SetColor).Default(clBtnFace),
                                 });
    return info;
}

const TClassInfo& TStatusBar::StaticClass() {
    static const TClassInfo info("TStatusBar", &TCustomStatusBar::StaticClass(), Creator<TStatusBar>());
    return info;
}

TCustomStatusBar::TCustomStatusBar(TComponent* owner)
    : TWinControl(owner), panels_(std::make_unique<TStatusPanels>(*this)), canvas_(std::make_unique<TCanvas>()) {
    SetBounds(0, 0, 200, 19);
    SetAlign(alBottom);
    SetColor(clBtnFace);
}

TCustomStatusBar::~TCustomStatusBar() = default;

void TCustomStatusBar::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SysClassName = STATUSCLASSNAMEA;
    // The toolkit's layout places the bar, not the bar itself.
    p.Style |= CCS_NOPARENTALIGN | CCS_NORESIZE;
    if (sizeGrip_) p.Style |= SBARS_SIZEGRIP;
}

void TCustomStatusBar::CreateHandleExtras() { UpdatePanels(); }

void TCustomStatusBar::SetSimplePanel(bool on) {
    simplePanel_ = on;
    UpdatePanels();
}

void TCustomStatusBar::SetSimpleText(const std::string& text) {
    simpleText_ = text;
    if (HandleAllocated() && simplePanel_) SendMessageA(Handle(), SB_SETTEXTA, SB_SIMPLEID, reinterpret_cast<LPARAM>(text.c_str()));
}

void TCustomStatusBar::SetSizeGrip(bool on) {
    if (ChangeField(sizeGrip_, on)) RecreateWnd();
}

void TCustomStatusBar::UpdatePanels() {
    if (!HandleAllocated()) return;
    HWND h = Handle();
    SendMessageA(h, SB_SIMPLE, simplePanel_, 0);
    if (simplePanel_) {
        SendMessageA(h, SB_SETTEXTA, SB_SIMPLEID, reinterpret_cast<LPARAM>(simpleText_.c_str()));
        return;
    }
    std::vector<int> edges;
    int right = 0;
    for (int i = 0; i < panels_->Count(); ++i) edges.push_back(right += panels_->Items(i).Width());
    if (!edges.empty()) edges.back() = -1;  // the last panel reaches the end of the bar
    SendMessageA(h, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
    for (int i = 0; i < panels_->Count(); ++i) {
        const TStatusPanel& panel = panels_->Items(i);
        // A tab before the text centres it, two right-align it.
        const std::string text = std::string(panel.Alignment() == taCenter ? "\t" : panel.Alignment() == taRightJustify ? "\t\t" : "") + panel.Text();
        const WPARAM bevel = panel.Bevel() == pbNone ? SBT_NOBORDERS : panel.Bevel() == pbRaised ? SBT_POPOUT : 0;
        if (panel.Style() == psOwnerDraw)
            SendMessageA(h, SB_SETTEXTA, static_cast<WPARAM>(i) | bevel | SBT_OWNERDRAW, static_cast<LPARAM>(i));
        else
            SendMessageA(h, SB_SETTEXTA, static_cast<WPARAM>(i) | bevel, reinterpret_cast<LPARAM>(text.c_str()));
    }
}

void TCustomStatusBar::WndProc(TMessage& m) {
    if (m.Msg != CN_BASE + WM_DRAWITEM) {
        TWinControl::WndProc(m);
        return;
    }
    const auto& draw = *reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam);
    const auto index = static_cast<int>(draw.itemID);
    if (OnDrawPanel && index >= 0 && index < panels_->Count()) {
        canvas_->SetHandle(draw.hDC);
        canvas_->SetFont(*Font());
        OnDrawPanel(this, &panels_->Items(index), draw.rcItem);
        canvas_->SetHandle(nullptr);
    }
    m.Result = TRUE;
}

// ---------------------------------------------------------------------------------------
// Rich edits

const TClassInfo& TCustomRichEdit::StaticClass() {
    using C = TCustomRichEdit;
    using P = TProps<C>;
    static const TClassInfo info("TCustomRichEdit", &TCustomMemo::StaticClass(), nullptr,
                                 {P::Boolean("PlainText", &C::PlainText, &C::SetPlainText).Default(false)});
    return info;
}

const TClassInfo& TRichEdit::StaticClass() {
    static const TClassInfo info("TRichEdit", &TCustomRichEdit::StaticClass(), Creator<TRichEdit>());
    return info;
}

TCustomRichEdit::TCustomRichEdit(TComponent* owner) : TCustomMemo(owner) {}

void TCustomRichEdit::CreateParams(TCreateParams& p) {
    static const HMODULE library = LoadLibraryA("riched20.dll");
    if (!library) throw EOutOfResources("The rich edit library is not available");
    TCustomMemo::CreateParams(p);
    p.SysClassName = "RichEdit20A";
}

void TCustomRichEdit::CreateHandleExtras() {
    TCustomMemo::CreateHandleExtras();
    ApplyColors();
}

void TCustomRichEdit::PrepareEmptyWindow() {
    HWND h = Handle();
    const std::string text = TControl::GetText();
    const int needed = std::max(TextLimit(), CharPos(text, text.size()));
    SendMessageA(h, EM_EXLIMITTEXT, 0, MaxLength() > 0 ? MaxLength() : needed);
    // The text mode can change only while the window is empty and has nothing to undo
    // (taking its font may leave a step to undo).
    SendMessageA(h, EM_EMPTYUNDOBUFFER, 0, 0);
    SendMessageA(h, EM_SETTEXTMODE, plainText_ ? TM_PLAINTEXT : TM_RICHTEXT, 0);
}

void TCustomRichEdit::SetPlainText(bool on) {
    if (ChangeField(plainText_, on)) RecreateWnd();
}

int TCustomRichEdit::TextLimit() { return static_cast<int>(SendMessageA(Handle(), EM_GETLIMITTEXT, 0, 0)); }

void TCustomRichEdit::ApplyColors() {
    if (!HandleAllocated()) return;
    HWND h = Handle();
    SendMessageA(h, EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(ColorToRGB(Color())));
    CHARFORMAT2A format{};
    format.cbSize = sizeof format;
    format.dwMask = CFM_COLOR;
    format.crTextColor = static_cast<COLORREF>(ColorToRGB(Font()->Color()));
    SendMessageA(h, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
    SendMessageA(h, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
}

void TCustomRichEdit::WndProc(TMessage& m) {
    TCustomMemo::WndProc(m);
    if (m.Msg == CM_COLORCHANGED || m.Msg == CM_FONTCHANGED || m.Msg == CM_PARENTCOLORCHANGED) ApplyColors();
}

void TCustomRichEdit::CapacityError() const { throw EOutOfResources("RichEdit line insertion error"); }

size_t TCustomRichEdit::WindowLength() {
    GETTEXTLENGTHEX query{GTL_PRECISE | GTL_NUMCHARS, CP_ACP};
    return static_cast<size_t>(SendMessageA(Handle(), EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&query), 0));
}

size_t TCustomRichEdit::Capacity() {
    return HandleAllocated() ? static_cast<size_t>(TextLimit()) : TCustomMemo::Capacity();
}

// The window counts a line break as one character.
int TCustomRichEdit::CharPos(const std::string& text, size_t offset) const {
    int breaks = 0;
    for (size_t i = 0; i + 1 < offset && i + 1 < text.size(); ++i)
        if (text[i] == '\r' && text[i + 1] == '\n') ++breaks;
    return TCustomMemo::CharPos(text, offset) - breaks;
}

TOOLKIT_REGISTER(TPageControl);
TOOLKIT_REGISTER(TTabSheet);
TOOLKIT_REGISTER(TStatusBar);
TOOLKIT_REGISTER(TRichEdit);
