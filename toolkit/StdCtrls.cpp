#include "platform/Platform.h"
#include "toolkit/StdCtrls.h"

#include <algorithm>
#include <cstdint>

template <>
const TEnumInfo& EnumInfo<TAlignment>() {
    static const TEnumInfo info{"TAlignment", {"taLeftJustify", "taRightJustify", "taCenter"}};
    return info;
}
template <>
const TEnumInfo& EnumInfo<TTextLayout>() {
    static const TEnumInfo info{"TTextLayout", {"tlTop", "tlCenter", "tlBottom"}};
    return info;
}
template <>
const TEnumInfo& EnumInfo<TCheckBoxState>() {
    static const TEnumInfo info{"TCheckBoxState", {"cbUnchecked", "cbChecked", "cbGrayed"}};
    return info;
}
template <>
const TEnumInfo& EnumInfo<TScrollStyle>() {
    static const TEnumInfo info{"TScrollStyle", {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"}};
    return info;
}
template <>
const TEnumInfo& EnumInfo<TBevelCut>() {
    static const TEnumInfo info{"TBevelCut", {"bvNone", "bvLowered", "bvRaised", "bvSpace"}};
    return info;
}
template <>
const TEnumInfo& EnumInfo<TBevelKind>() {
    static const TEnumInfo info{"TBevelKind", {"bkNone", "bkTile", "bkSoft", "bkFlat"}};
    return info;
}

int BevelExtent(TBevelCut outer, TBevelCut inner, int width) {
    return (outer != bvNone ? width : 0) + (inner != bvNone ? width : 0);
}

void DrawBevelEdges(HDC dc, RECT& rect, TBevelCut outer, TBevelCut inner, int width, UINT flags) {
    auto ring = [&](TBevelCut cut, UINT lowered, UINT raised) {
        if (cut == bvNone) return;
        for (int i = 0; i < width; ++i) {
            if (cut != bvSpace) DrawEdge(dc, &rect, cut == bvLowered ? lowered : raised, BF_RECT | flags);
            InflateRect(&rect, -1, -1);
        }
    };
    ring(outer, BDR_SUNKENOUTER, BDR_RAISEDOUTER);
    ring(inner, BDR_SUNKENINNER, BDR_RAISEDINNER);
}

void CheckControlBorder(TBorderStyle style) {
    if (style != bsNone && style != bsSingle)
        throw EPropertyError(Format("%s is not a control border", EnumInfo<TFormBorderStyle>().NameOf(style).c_str()));
}


// ---------------------------------------------------------------------------------------
// Buttons

const TClassInfo& TButtonControl::StaticClass() {
    using C = TButtonControl;
    using P = TProps<C>;
    static const TClassInfo info("TButtonControl", &TWinControl::StaticClass(), nullptr,
                                 {
                                     P::String("Caption", &C::Caption, &C::SetCaption),
                                     P::Boolean("TabStop", &C::TabStop, &C::SetTabStop).Default(true),
                                     P::Boolean("ParentColor", &C::ParentColor, &C::SetParentColor).Default(true),
                                 });
    return info;
}

TButtonControl::TButtonControl(TComponent* owner) : TWinControl(owner) {
    clickOnMouseUp_ = false;  // the BUTTON window reports its clicks
    SetTabStop(true);
    SetParentColor(true);
}

void TButtonControl::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SysClassName = "BUTTON";
    if (alignment_ == taLeftJustify) p.Style |= BS_LEFTTEXT;
}

void TButtonControl::SetAlignment(TAlignment alignment) {
    if (alignment == alignment_) return;
    alignment_ = alignment;
    RecreateWnd();
}

void TButtonControl::WndProc(TMessage& m) {
    if (m.Msg == CN_BASE + WM_COMMAND && HIWORD(m.WParam) == BN_CLICKED) {
        Clicked();
        return;
    }
    TWinControl::WndProc(m);
}

const TClassInfo& TButton::StaticClass() {
    using C = TButton;
    using P = TProps<C>;
    static const TClassInfo info("TButton", &TButtonControl::StaticClass(), Creator<C>(),
                                 {
                                     P::Boolean("Default", &C::Default, &C::SetDefault).Default(false),
                                     P::Boolean("Cancel", &C::Cancel, &C::SetCancel).Default(false),
                                     P::Integer("ModalResult", &C::ModalResult, &C::SetModalResult).Default(mrNone),
                                 });
    return info;
}

TButton::TButton(TComponent* owner) : TButtonControl(owner) { SetBounds(0, 0, 75, 25); }

void TButton::CreateParams(TCreateParams& p) {
    TButtonControl::CreateParams(p);
    p.Style |= default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::SetDefault(bool on) {
    default_ = on;
    if (HandleAllocated()) SendMessageA(Handle(), BM_SETSTYLE, on ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void TButton::WndProc(TMessage& m) {
    if (m.Msg == CM_DIALOGKEY && CanFocus() &&
        ((m.WParam == VK_RETURN && default_) || (m.WParam == VK_ESCAPE && cancel_))) {
        Click();
        m.Result = 1;
        return;
    }
    TButtonControl::WndProc(m);
}

void TButton::Click() {
    if (modalResult_ != mrNone)
        if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(modalResult_);
    TButtonControl::Click();
}

// ---------------------------------------------------------------------------------------
// Check boxes and radio buttons

const TClassInfo& TCustomCheckBox::StaticClass() {
    using C = TCustomCheckBox;
    using P = TProps<C>;
    static const TClassInfo info("TCustomCheckBox", &TButtonControl::StaticClass(), nullptr,
                                 {
                                     P::Boolean("Checked", &C::Checked, &C::SetChecked).Stored(false),
                                     P::Enum("State", &C::State, &C::SetState).Default(cbUnchecked),
                                     P::Boolean("AllowGrayed", &C::AllowGrayed, &C::SetAllowGrayed).Default(false),
                                     P::Enum("Alignment", &C::Alignment, &C::SetAlignment).Default(taRightJustify),
                                 });
    return info;
}

const TClassInfo& TCheckBox::StaticClass() {
    static const TClassInfo info("TCheckBox", &TCustomCheckBox::StaticClass(), Creator<TCheckBox>());
    return info;
}

TCustomCheckBox::TCustomCheckBox(TComponent* owner) : TButtonControl(owner) { SetBounds(0, 0, 97, 17); }

void TCustomCheckBox::CreateParams(TCreateParams& p) {
    TButtonControl::CreateParams(p);
    // The toolkit keeps the state: the window only shows it.
    p.Style |= BS_3STATE;
}

void TCustomCheckBox::CreateHandleExtras() { SendMessageA(Handle(), BM_SETCHECK, state_, 0); }

void TCustomCheckBox::SetState(TCheckBoxState state) {
    state_ = state;
    if (HandleAllocated()) SendMessageA(Handle(), BM_SETCHECK, state, 0);
}

void TCustomCheckBox::SetAllowGrayed(bool on) {
    allowGrayed_ = on;
    if (!on && state_ == cbGrayed) SetState(cbUnchecked);
}

void TCustomCheckBox::Clicked() {
    switch (state_) {
        case cbUnchecked: SetState(cbChecked); break;
        case cbChecked: SetState(allowGrayed_ ? cbGrayed : cbUnchecked); break;
        case cbGrayed: SetState(cbUnchecked); break;
    }
    Click();
}

const TClassInfo& TRadioButton::StaticClass() {
    using C = TRadioButton;
    using P = TProps<C>;
    static const TClassInfo info("TRadioButton", &TButtonControl::StaticClass(), Creator<C>(),
                                 {
                                     P::Boolean("Checked", &C::Checked, &C::SetChecked).Default(false),
                                     P::Enum("Alignment", &C::Alignment, &C::SetAlignment).Default(taRightJustify),
                                 });
    return info;
}

TRadioButton::TRadioButton(TComponent* owner) : TButtonControl(owner) { SetBounds(0, 0, 113, 17); }

void TRadioButton::CreateParams(TCreateParams& p) {
    TButtonControl::CreateParams(p);
    p.Style |= BS_RADIOBUTTON;  // not automatic: the group is the parent's radio buttons
}

void TRadioButton::CreateHandleExtras() { SendMessageA(Handle(), BM_SETCHECK, checked_, 0); }

void TRadioButton::SetChecked(bool on) {
    checked_ = on;
    if (HandleAllocated()) SendMessageA(Handle(), BM_SETCHECK, on, 0);
    if (!Parent()) return;
    if (on)
        for (int i = 0; i < Parent()->ControlCount(); ++i)
            if (auto* sibling = dynamic_cast<TRadioButton*>(Parent()->Controls(i)); sibling && sibling != this)
                sibling->SetChecked(false);
    UpdateGroupTabStops(Parent());
}

void TRadioButton::SetParent(TWinControl* parent) {
    TWinControl* previous = Parent();
    TButtonControl::SetParent(parent);
    UpdateGroupTabStops(previous);
    UpdateGroupTabStops(parent);
}

void TRadioButton::UpdateGroupTabStops(TWinControl* parent) {
    if (!parent || parent->ComponentState().Contains(csDestroying)) return;
    std::vector<TRadioButton*> group;
    for (int i = 0; i < parent->ControlCount(); ++i)
        if (auto* radio = dynamic_cast<TRadioButton*>(parent->Controls(i))) group.push_back(radio);
    const bool anySelected = std::any_of(group.begin(), group.end(), [](TRadioButton* r) { return r->checked_; });
    for (TRadioButton* radio : group) radio->SetTabStop(radio->checked_ || !anySelected);
}

// Only a click that selects the button is a click: a selected button stays selected.
void TRadioButton::Clicked() {
    if (checked_) return;
    SetChecked(true);
    Click();
}

void TRadioButton::KeyDown(WORD& key, TShiftState shift) {
    TButtonControl::KeyDown(key, shift);
    const bool forward = key == VK_DOWN || key == VK_RIGHT;
    if (!forward && key != VK_UP && key != VK_LEFT) return;
    key = 0;
    TRadioButton* next = NextInGroup(forward);
    if (!next) return;
    next->SetFocus();
    next->Clicked();
}

TRadioButton* TRadioButton::NextInGroup(bool forward) const {
    if (!Parent()) return nullptr;
    std::vector<TRadioButton*> group;
    for (TWinControl* w : Parent()->TabOrderList())
        if (auto* radio = dynamic_cast<TRadioButton*>(w); radio && radio->Parent() == Parent()) group.push_back(radio);
    const auto self = std::find(group.begin(), group.end(), this);
    if (self == group.end()) return nullptr;
    const size_t n = group.size();
    const size_t at = static_cast<size_t>(self - group.begin());
    for (size_t step = 1; step < n; ++step) {
        TRadioButton* candidate = group[(forward ? at + step : at + n - step) % n];
        if (candidate->CanFocus()) return candidate;
    }
    return nullptr;
}

// ---------------------------------------------------------------------------------------
// Edits

const TClassInfo& TCustomEdit::StaticClass() {
    using C = TCustomEdit;
    using P = TProps<C>;
    static const TClassInfo info("TCustomEdit", &TWinControl::StaticClass(), nullptr,
                                 {
                                     P::Enum("BorderStyle", &C::BorderStyle, &C::SetBorderStyle).Default(bsSingle),
                                     P::Enum("BevelKind", &C::BevelKind, &C::SetBevelKind).Default(bkNone),
                                     P::Enum("BevelInner", &C::BevelInner, &C::SetBevelInner).Default(bvRaised),
                                     P::Enum("BevelOuter", &C::BevelOuter, &C::SetBevelOuter).Default(bvLowered),
                                     P::Integer("BevelWidth", &C::BevelWidth, &C::SetBevelWidth).Default(1),
                                     P::Integer("MaxLength", &C::MaxLength, &C::SetMaxLength).Default(0),
                                     P::Boolean("ReadOnly", &C::ReadOnly, &C::SetReadOnly).Default(false),
                                     P::Boolean("TabStop", &C::TabStop, &C::SetTabStop).Default(true),
                                     P::Event("OnChange", &C::OnChange),
                                 });
    return info;
}

const TClassInfo& TEdit::StaticClass() {
    using C = TEdit;
    using P = TProps<C>;
    static const TClassInfo info("TEdit", &TCustomEdit::StaticClass(), Creator<C>(),
                                 {P::String("Text", &C::Text, &C::SetTextProp)});
    return info;
}

void TBevels::SetBevelInner(TBevelCut cut) {
    if (ChangeField(bevelInner_, cut)) FrameChanged();
}

void TBevels::SetBevelOuter(TBevelCut cut) {
    if (ChangeField(bevelOuter_, cut)) FrameChanged();
}

void TBevels::SetBevelWidth(int width) {
    if (width < 1) throw EPropertyError("BevelWidth must be at least 1");
    if (ChangeField(bevelWidth_, width)) FrameChanged();
}

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner), TBevels(bvRaised, bvLowered) {
    SetTabStop(true);
    SetBounds(0, 0, 121, 21);
}

void TCustomEdit::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SysClassName = "EDIT";
    p.Style |= ES_AUTOHSCROLL;
    if (readOnly_) p.Style |= ES_READONLY;
    if (borderStyle_ == bsSingle) p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::CreateHandleExtras() {
    // 0 lifts the window's default limit for typing to the most it can hold.
    SendMessageA(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
    if (BevelSize() > 0) FrameChanged();
}

int TCustomEdit::BevelSize() const {
    return bevelKind_ == bkNone ? 0 : BevelReach();
}

void TCustomEdit::FrameChanged() {
    if (HandleAllocated())
        SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TCustomEdit::SetBorderStyle(TBorderStyle style) {
    CheckControlBorder(style);
    if (style == borderStyle_) return;
    borderStyle_ = style;
    RecreateWnd();
}

void TCustomEdit::SetBevelKind(TBevelKind kind) {
    if (ChangeField(bevelKind_, kind)) FrameChanged();
}

void TCustomEdit::SetMaxLength(int length) {
    if (length < 0) throw EPropertyError("MaxLength cannot be negative");
    maxLength_ = length;
    if (HandleAllocated()) SendMessageA(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(length), 0);
}

void TCustomEdit::SetReadOnly(bool on) {
    readOnly_ = on;
    if (HandleAllocated()) SendMessageA(Handle(), EM_SETREADONLY, on, 0);
}

int TCustomEdit::SelStart() {
    DWORD start = 0;
    SendMessageA(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    return static_cast<int>(start);
}

int TCustomEdit::SelLength() {
    DWORD start = 0, end = 0;
    SendMessageA(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return static_cast<int>(end - start);
}

void TCustomEdit::SetSelStart(int start) { SendMessageA(Handle(), EM_SETSEL, start, start); }

void TCustomEdit::SelectAll() { SendMessageA(Handle(), EM_SETSEL, 0, -1); }

void TCustomEdit::WndProc(TMessage& m) {
    switch (m.Msg) {
        case CN_BASE + WM_COMMAND:
            if (HIWORD(m.WParam) == EN_CHANGE && !ComponentState().Contains(csLoading)) Change();
            return;
        case CM_TEXTCHANGED:
            // The window reports its own changes (and its procedure shows a handler's error
            // in the error box); without one the text changed here, and errors go there too.
            if (!HandleAllocated() && !ComponentState().Contains(csLoading)) GuardHandler([this] { Change(); });
            break;
        case WM_NCCALCSIZE:
            // The bevels take room first, so that borders and scroll bars come inside them.
            if (const int size = BevelSize()) InflateRect(reinterpret_cast<RECT*>(m.LParam), -size, -size);
            break;
        case WM_NCPAINT:
            TWinControl::WndProc(m);
            if (BevelSize() > 0) {
                HDC dc = GetWindowDC(Handle());
                RECT r{0, 0, Width(), Height()};
                DrawBevelEdges(dc, r, BevelOuter(), BevelInner(), BevelWidth(),
                               bevelKind_ == bkSoft ? BF_SOFT : bevelKind_ == bkFlat ? BF_FLAT : 0);
                ReleaseDC(Handle(), dc);
            }
            return;
        default:
            break;
    }
    TWinControl::WndProc(m);
}

// ---------------------------------------------------------------------------------------
// Memos

namespace {

// Where each line of `text` starts; a line break at the very end opens no further line.
std::vector<size_t> LineStarts(const std::string& text) {
    std::vector<size_t> starts;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        starts.push_back(start);
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) starts.push_back(start);
    return starts;
}

// Every line break (CR LF, lone CR, lone LF) as CR LF.
std::string WithCrLf(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') {
            out += text[i];
            continue;
        }
        out += "\r\n";
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    }
    return out;
}

}  // namespace

const TClassInfo& TMemoStrings::StaticClass() {
    static const TClassInfo info("TMemoStrings", &TStrings::StaticClass());
    return info;
}

int TMemoStrings::Count() const { return static_cast<int>(LineStarts(memo_.Text()).size()); }

std::string TMemoStrings::Get(int index) const {
    const std::string text = memo_.Text();
    const std::vector<size_t> starts = LineStarts(text);
    CheckIndex(index, static_cast<int>(starts.size()));
    const size_t start = starts[static_cast<size_t>(index)];
    const size_t end = text.find_first_of("\r\n", start);
    return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

void TMemoStrings::Insert(int index, const std::string& s) {
    const std::string text = memo_.Text();
    const std::vector<size_t> starts = LineStarts(text);
    const int count = static_cast<int>(starts.size());
    CheckIndex(index, count + 1);
    if (index < count)
        memo_.InsertText(starts[static_cast<size_t>(index)], s + "\r\n");
    else if (text.empty() || text.back() == '\r' || text.back() == '\n')
        memo_.InsertText(text.size(), s + "\r\n");
    else
        memo_.InsertText(text.size(), "\r\n" + s);
}

void TMemoStrings::Delete(int index) {
    std::string text = memo_.Text();
    const std::vector<size_t> starts = LineStarts(text);
    CheckIndex(index, static_cast<int>(starts.size()));
    const size_t start = starts[static_cast<size_t>(index)];
    const size_t end = static_cast<size_t>(index) + 1 < starts.size() ? starts[static_cast<size_t>(index) + 1] : text.size();
    text.erase(start, end - start);
    memo_.SetText(text);
}

void TMemoStrings::Clear() { memo_.SetText(""); }

std::string TMemoStrings::Text() const { return memo_.Text(); }

void TMemoStrings::SetText(std::string_view text) { memo_.SetText(WithCrLf(text)); }

int TMemoStrings::Add(const std::string& s) {
    if (!memo_.HandleAllocated()) return TStrings::Add(s);
    return memo_.AppendLine(s);
}

const TClassInfo& TCustomMemo::StaticClass() {
    using C = TCustomMemo;
    using P = TProps<C>;
    static const TClassInfo info("TCustomMemo", &TCustomEdit::StaticClass(), nullptr,
                                 {
                                     P::Object("Lines", &C::Lines),
                                     P::Enum("ScrollBars", &C::ScrollBars, &C::SetScrollBars).Default(ssNone),
                                     P::Boolean("WordWrap", &C::WordWrap, &C::SetWordWrap).Default(true),
                                     P::Enum("Alignment", &C::Alignment, &C::SetAlignment).Default(taLeftJustify),
                                     P::Boolean("WantTabs", &C::WantTabs, &C::SetWantTabs).Default(false),
                                 });
    return info;
}

const TClassInfo& TMemo::StaticClass() {
    static const TClassInfo info("TMemo", &TCustomMemo::StaticClass(), Creator<TMemo>());
    return info;
}

TCustomMemo::TCustomMemo(TComponent* owner) : TCustomEdit(owner), lines_(std::make_unique<TMemoStrings>(*this)) {
    SetBounds(0, 0, 185, 89);
}

TCustomMemo::~TCustomMemo() = default;

void TCustomMemo::CreateParams(TCreateParams& p) {
    TCustomEdit::CreateParams(p);
    p.Style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
    if (wordWrap_) p.Style &= ~static_cast<DWORD>(ES_AUTOHSCROLL);
    if (scrollBars_ == ssVertical || scrollBars_ == ssBoth) p.Style |= WS_VSCROLL;
    if ((scrollBars_ == ssHorizontal || scrollBars_ == ssBoth) && !wordWrap_) p.Style |= WS_HSCROLL;
    if (alignment_ == taCenter) p.Style |= ES_CENTER;
    if (alignment_ == taRightJustify) p.Style |= ES_RIGHT;
    p.Caption.clear();
}

void TCustomMemo::CreateHandleExtras() {
    TCustomEdit::CreateHandleExtras();
    PrepareEmptyWindow();
    const std::string text = TControl::GetText();
    if (text.empty()) return;
    filling_ = true;
    SendMessageA(Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    filling_ = false;
}

// A multi-line edit wants every key; the Tab key only when WantTabs says so.
void TCustomMemo::WndProc(TMessage& m) {
    if (filling_ && m.Msg == CN_BASE + WM_COMMAND) return;  // no change for the user to hear of
    TCustomEdit::WndProc(m);
    if (m.Msg == WM_GETDLGCODE && m.WParam == VK_TAB) {
        if (wantTabs_)
            m.Result |= DLGC_WANTTAB;
        else
            m.Result &= ~static_cast<LRESULT>(DLGC_WANTTAB | DLGC_WANTALLKEYS);
    }
}

void TCustomMemo::SetScrollBars(TScrollStyle style) {
    if (style == scrollBars_) return;
    scrollBars_ = style;
    RecreateWnd();
}

void TCustomMemo::SetWordWrap(bool on) {
    if (on == wordWrap_) return;
    wordWrap_ = on;
    RecreateWnd();
}

void TCustomMemo::SetAlignment(TAlignment alignment) {
    if (alignment == alignment_) return;
    alignment_ = alignment;
    RecreateWnd();
}

void TCustomMemo::CapacityError() const { throw EInvalidOperation("Text exceeds memo capacity"); }

int TCustomMemo::CharPos(const std::string& text, size_t offset) const {
    return static_cast<int>(pelmar::platform::BoxLength(std::string_view(text).substr(0, offset)));
}

size_t TCustomMemo::Capacity() { return MaxLength() > 0 ? static_cast<size_t>(MaxLength()) : SIZE_MAX; }

size_t TCustomMemo::WindowLength() { return static_cast<size_t>(GetWindowTextLengthW(Handle())); }

int TCustomMemo::AppendLine(const std::string& line) {
    const HWND window = Handle();
    const size_t before = WindowLength();
    // The last line starts at the end when the text ends with a line break.
    const LRESULT lines = SendMessageA(window, EM_GETLINECOUNT, 0, 0);
    const bool breakFirst = before > 0 && static_cast<size_t>(SendMessageA(window, EM_LINEINDEX, lines - 1, 0)) != before;
    const std::string text = (breakFirst ? "\r\n" : "") + line + "\r\n";
    const size_t expected = before + static_cast<size_t>(CharPos(text, text.size()));
    if (expected > Capacity()) CapacityError();
    SendMessageA(window, EM_SETSEL, before, static_cast<LPARAM>(before));
    SendMessageA(window, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
    const size_t after = WindowLength();
    if (after != expected) {
        SendMessageA(window, EM_SETSEL, before, static_cast<LPARAM>(after));
        SendMessageA(window, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(""));
        CapacityError();
    }
    // Without word wrap the window's lines are the text's: the new line took the place of
    // the empty last one, or came after the last.
    if (wordWrap_) return lines_->Count() - 1;
    return static_cast<int>(breakFirst ? lines : lines - 1);
}

void TCustomMemo::SetText(const std::string& text) {
    if (static_cast<size_t>(CharPos(text, text.size())) > Capacity()) CapacityError();
    if (!HandleAllocated()) {
        TCustomEdit::SetText(text);
        return;
    }
    const std::string old = GetText();
    TCustomEdit::SetText(text);
    if (GetText().size() != text.size()) {
        TCustomEdit::SetText(old);
        CapacityError();
    }
}

void TCustomMemo::InsertText(size_t offset, const std::string& text) {
    const std::string old = GetText();
    offset = std::min(offset, old.size());
    if (static_cast<size_t>(CharPos(old, old.size()) + CharPos(text, text.size())) > Capacity()) CapacityError();
    if (!HandleAllocated()) {
        TCustomEdit::SetText(old.substr(0, offset) + text + old.substr(offset));
        return;
    }
    const WPARAM pos = static_cast<WPARAM>(CharPos(old, offset));
    SendMessageA(Handle(), EM_SETSEL, pos, static_cast<LPARAM>(pos));
    SendMessageA(Handle(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
    // A window that took only part of the text is put back as it was.
    if (GetText().size() != old.size() + text.size()) {
        TCustomEdit::SetText(old);
        CapacityError();
    }
}

// ---------------------------------------------------------------------------------------
// Labels

const TClassInfo& TCustomLabel::StaticClass() {
    using C = TCustomLabel;
    using P = TProps<C>;
    static const TClassInfo info("TCustomLabel", &TGraphicControl::StaticClass(), nullptr,
                                 {
                                     P::String("Caption", &C::Caption, &C::SetCaption),
                                     P::Boolean("Transparent", &C::Transparent, &C::SetTransparent).Default(false),
                                     P::Enum("Alignment", &C::Alignment, &C::SetAlignment).Default(taLeftJustify),
                                     P::Enum("Layout", &C::Layout, &C::SetLayout).Default(tlTop),
                                     P::Boolean("AutoSize", &C::AutoSize, &C::SetAutoSize).Default(true),
                                     P::Boolean("WordWrap", &C::WordWrap, &C::SetWordWrap).Default(false),
                                     P::Boolean("ShowAccelChar", &C::ShowAccelChar, &C::SetShowAccelChar).Default(true),
                                     P::Boolean("ParentColor", &C::ParentColor, &C::SetParentColor).Default(true),
                                 });
    return info;
}

const TClassInfo& TLabel::StaticClass() {
    static const TClassInfo info("TLabel", &TCustomLabel::StaticClass(), Creator<TLabel>());
    return info;
}

TCustomLabel::TCustomLabel(TComponent* owner) : TGraphicControl(owner) {
    SetBounds(0, 0, 65, 17);
    SetParentColor(true);
}

void TCustomLabel::SetTransparent(bool on) {
    transparent_ = on;
    Invalidate();
}

void TCustomLabel::SetAlignment(TAlignment alignment) {
    alignment_ = alignment;
    Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout layout) {
    layout_ = layout;
    Invalidate();
}

void TCustomLabel::SetAutoSize(bool on) {
    autoSize_ = on;
    AdjustBounds();
}

void TCustomLabel::SetWordWrap(bool on) {
    wordWrap_ = on;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool on) {
    showAccelChar_ = on;
    AdjustBounds();
    Invalidate();
}

UINT TCustomLabel::TextFlags() const {
    UINT flags = DT_EXPANDTABS;
    flags |= alignment_ == taCenter ? DT_CENTER : alignment_ == taRightJustify ? DT_RIGHT : DT_LEFT;
    if (wordWrap_) flags |= DT_WORDBREAK;
    if (!showAccelChar_) flags |= DT_NOPREFIX;
    if (UseRightToLeftReading()) flags |= DT_RTLREADING;
    return flags;
}

// The rectangle the caption takes when laid out `width` pixels wide.
TRect TCustomLabel::TextExtent(HDC dc, int width) const {
    const std::string text = Caption().empty() ? std::string(" ") : Caption();
    TRect r{0, 0, width, 0};
    HGDIOBJ old = SelectObject(dc, Font()->Handle());
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, TextFlags() | DT_CALCRECT);
    SelectObject(dc, old);
    return r;
}

void TCustomLabel::AdjustBounds() {
    if (!autoSize_ || ComponentState().Contains(csLoading)) return;
    HDC dc = GetDC(nullptr);
    const TRect r = TextExtent(dc, wordWrap_ ? Width() : 0x7FFF);
    ReleaseDC(nullptr, dc);
    const int width = wordWrap_ ? Width() : RectWidth(r);
    // A right-aligned label keeps its right edge, a centred one its centre.
    int left = Left();
    if (alignment_ == taRightJustify) left += Width() - width;
    if (alignment_ == taCenter) left += (Width() - width) / 2;
    SetBounds(left, Top(), width, RectHeight(r));
}

void TCustomLabel::Loaded() {
    TGraphicControl::Loaded();
    AdjustBounds();
}

void TCustomLabel::WndProc(TMessage& m) {
    TGraphicControl::WndProc(m);
    if (m.Msg == CM_TEXTCHANGED || m.Msg == CM_FONTCHANGED) {
        AdjustBounds();
        Invalidate();
    }
}

void TCustomLabel::Paint() {
    TCanvas& canvas = *Canvas();
    TRect r = ClientRect();
    if (!transparent_) {
        canvas.Brush()->SetColor(Color());
        canvas.Brush()->SetStyle(bsSolid);
        canvas.FillRect(r);
    }
    canvas.Brush()->SetStyle(bsClear);
    if (layout_ != tlTop) {
        const int textHeight = RectHeight(TextExtent(canvas.Handle(), RectWidth(r)));
        r.top += layout_ == tlCenter ? (RectHeight(r) - textHeight) / 2 : RectHeight(r) - textHeight;
    }
    if (!Enabled()) canvas.Font()->SetColor(clGrayText);
    canvas.DrawText(Caption(), r, TextFlags());
}

// ---------------------------------------------------------------------------------------
// Group boxes

const TClassInfo& TCustomGroupBox::StaticClass() {
    using C = TCustomGroupBox;
    using P = TProps<C>;
    static const TClassInfo info("TCustomGroupBox", &TCustomControl::StaticClass(), nullptr,
                                 {
                                     P::String("Caption", &C::Caption, &C::SetCaption),
                                     P::Boolean("ParentColor", &C::ParentColor, &C::SetParentColor).Default(true),
                                 });
    return info;
}

const TClassInfo& TGroupBox::StaticClass() {
    static const TClassInfo info("TGroupBox", &TCustomGroupBox::StaticClass(), Creator<TGroupBox>());
    return info;
}

TCustomGroupBox::TCustomGroupBox(TComponent* owner) : TCustomControl(owner) {
    SetBounds(0, 0, 185, 105);
    SetParentColor(true);
}

int TCustomGroupBox::CaptionHeight() const {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, Font()->Handle());
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return tm.tmHeight;
}

void TCustomGroupBox::AdjustClientRect(RECT& rect) const {
    rect.top += CaptionHeight();
    InflateRect(&rect, -1, -1);
}

void TCustomGroupBox::Paint() {
    TCanvas& canvas = *Canvas();
    const int textHeight = canvas.TextHeight("0");
    TRect frame{0, textHeight / 2, Width(), Height()};
    DrawEdge(canvas.Handle(), &frame, EDGE_ETCHED, BF_RECT);
    if (Caption().empty()) return;
    TRect text{8, 0, Width() - 8, textHeight};
    canvas.DrawText(Caption(), text, DT_CALCRECT | DT_SINGLELINE);
    if (UseRightToLeftReading()) OffsetRect(&text, Width() - 16 - RectWidth(text), 0);
    canvas.Brush()->SetColor(Color());
    canvas.Brush()->SetStyle(bsSolid);
    if (!Enabled()) canvas.Font()->SetColor(clGrayText);
    canvas.DrawText(Caption(), text, DT_SINGLELINE | (UseRightToLeftReading() ? DT_RTLREADING : 0));
}

TOOLKIT_REGISTER(TButton);
TOOLKIT_REGISTER(TCheckBox);
TOOLKIT_REGISTER(TRadioButton);
TOOLKIT_REGISTER(TEdit);
TOOLKIT_REGISTER(TMemo);
TOOLKIT_REGISTER(TLabel);
TOOLKIT_REGISTER(TGroupBox);
