#include "toolkit/Controls.h"

#include <commctrl.h>

#include <algorithm>
#include <map>

// ---------------------------------------------------------------------------------------
// Enumerations, shift states, errors

template <>
const TEnumInfo& EnumInfo<TAlign>() {
    static const TEnumInfo info{"TAlign", {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"}};
    return info;
}
template <>
const TEnumInfo& EnumInfo<TAnchorKind>() {
    static const TEnumInfo info{"TAnchorKind", {"akLeft", "akTop", "akRight", "akBottom"}};
    return info;
}
template <>
const TEnumInfo& EnumInfo<TBiDiMode>() {
    static const TEnumInfo info{
        "TBiDiMode", {"bdLeftToRight", "bdRightToLeft", "bdRightToLeftNoAlign", "bdRightToLeftReadingOnly"}};
    return info;
}

TShiftState KeysToShiftState(WPARAM keys) {
    TShiftState s;
    if (keys & MK_SHIFT) s.Include(ssShift);
    if (keys & MK_CONTROL) s.Include(ssCtrl);
    if (keys & MK_LBUTTON) s.Include(ssLeft);
    if (keys & MK_RBUTTON) s.Include(ssRight);
    if (keys & MK_MBUTTON) s.Include(ssMiddle);
    if (GetKeyState(VK_MENU) < 0) s.Include(ssAlt);
    return s;
}

TShiftState KeyboardShiftState() {
    TShiftState s;
    if (GetKeyState(VK_SHIFT) < 0) s.Include(ssShift);
    if (GetKeyState(VK_CONTROL) < 0) s.Include(ssCtrl);
    if (GetKeyState(VK_MENU) < 0) s.Include(ssAlt);
    return s;
}

std::function<void(const std::exception&)>& ApplicationHandleException() {
    static std::function<void(const std::exception&)> handler = [](const std::exception& e) {
        MessageBoxA(nullptr, e.what(), "Error", MB_OK | MB_ICONERROR);
    };
    return handler;
}

void GuardHandler(const std::function<void()>& action) {
    try {
        action();
    } catch (const std::exception& e) {
        ApplicationHandleException()(e);
    } catch (...) {
        ApplicationHandleException()(Exception("Unknown error"));
    }
}

// ---------------------------------------------------------------------------------------
// The control atom and finding controls

const std::string& ControlAtomString() {
    static const std::string name =
        Format("ControlOfs%.8llX%.8lX", static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(GetModuleHandleA(nullptr))),
               static_cast<unsigned long>(GetCurrentThreadId()));
    return name;
}

ATOM ControlAtom() {
    static const ATOM atom = GlobalAddAtomA(ControlAtomString().c_str());
    return atom;
}

TWinControl* FindControl(HWND window) {
    if (!window) return nullptr;
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != GetCurrentProcessId()) return nullptr;
    return static_cast<TWinControl*>(GetPropA(window, MAKEINTATOM(ControlAtom())));
}

TControl* FindDragTarget(POINT screenPoint, bool allowDisabled) {
    TWinControl* window = FindControl(WindowFromPoint(screenPoint));
    if (!window) return nullptr;
    TControl* inner = window->ControlAtPos(window->ScreenToClient(screenPoint), allowDisabled);
    return inner && !dynamic_cast<TWinControl*>(inner) ? inner : window;
}

namespace {

// Raises an error when the window of `name` could not be made.
[[noreturn]] void FailWindow(const std::string& name) {
    throw EInvalidOperation(Format("Error creating window of class %s (error %lu)", name.c_str(),
                                   static_cast<unsigned long>(GetLastError())));
}

// The system procedure of each superclassed window class, by toolkit class name.
std::map<std::string, WNDPROC>& DefaultProcedures() {
    static std::map<std::string, WNDPROC> procedures;
    return procedures;
}

thread_local TWinControl* gCreating = nullptr;

}  // namespace

// ---------------------------------------------------------------------------------------
// TControl

const TClassInfo& TControl::StaticClass() {
    using C = TControl;
    using P = TProps<C>;
    static const TClassInfo info(
        "TControl", &TComponent::StaticClass(), nullptr,
        {
            P::Integer("Left", &C::Left, &C::SetLeft),
            P::Integer("Top", &C::Top, &C::SetTop),
            P::Integer("Width", &C::Width, &C::SetWidth),
            P::Integer("Height", &C::Height, &C::SetHeight),
            P::Enum("Align", &C::Align, &C::SetAlign).Default(alNone),
            P::Set("Anchors", &C::Anchors, &C::SetAnchors).Default(TAnchors{akLeft, akTop}.Bits()),
            P::Boolean("Visible", &C::Visible, &C::SetVisible).Default(true),
            P::Boolean("Enabled", &C::Enabled, &C::SetEnabled).Default(true),
            P::Color("Color", &C::Color, &C::SetColor).StoredIf(&C::IsColorStored),
            P::Boolean("ParentColor", &C::ParentColor, &C::SetParentColor).Default(false),
            P::Object("Font", &C::Font).StoredIf(&C::IsFontStored),
            P::Boolean("ParentFont", &C::ParentFont, &C::SetParentFont).Default(true),
            P::String("Hint", &C::Hint, &C::SetHint),
            P::Boolean("ShowHint", &C::ShowHint, &C::SetShowHint).StoredIf(&C::IsShowHintStored),
            P::Boolean("ParentShowHint", &C::ParentShowHint, &C::SetParentShowHint).Default(true),
            P::Integer("Cursor", &C::Cursor, &C::SetCursor).Default(crDefault),
            P::Enum("BiDiMode", &C::BiDiMode, &C::SetBiDiMode).Default(bdLeftToRight),
            P::Event("OnClick", &C::OnClick),
            P::Event("OnDblClick", &C::OnDblClick),
            P::Event("OnMouseDown", &C::OnMouseDown),
            P::Event("OnMouseUp", &C::OnMouseUp),
            P::Event("OnMouseMove", &C::OnMouseMove),
            P::Event("OnMouseEnter", &C::OnMouseEnter),
            P::Event("OnMouseLeave", &C::OnMouseLeave),
        });
    return info;
}

TControl::TControl(TComponent* owner) : TComponent(owner), font_(std::make_unique<TFont>()) {
    WindowProc = [this](TMessage& m) { WndProc(m); };
    font_->OnChange = [this](TObject*) { FontChanged(); };
}

TControl::~TControl() { SetParent(nullptr); }

void TControl::BeforeDestruction() {
    TComponent::BeforeDestruction();
    SetParent(nullptr);
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
    TMessage m{msg, wParam, lParam, 0};
    WindowProc(m);
    return m.Result;
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == parent_) return;
    if (parent == this) throw EInvalidOperation("A control cannot be its own parent");
    if (parent_) parent_->RemoveControl(this);
    if (parent) parent->InsertControl(this);
}

TComponent* TControl::GetParentComponent() const { return parent_; }

void TControl::SetParentComponent(TComponent* parent) {
    if (auto* windowed = dynamic_cast<TWinControl*>(parent)) SetParent(windowed);
}

void TControl::SetBoundsFields(int left, int top, int width, int height) {
    left_ = left;
    top_ = top;
    width_ = std::max(0, width);
    height_ = std::max(0, height);
}

void TControl::SetBounds(int left, int top, int width, int height) {
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    Invalidate();
    SetBoundsFields(left, top, width, height);
    Invalidate();
    if (parent_ && parent_->aligning_ == 0) {
        UpdateAnchorRules();
        if (align_ != alNone) parent_->Realign();
    }
    Resize();
}

RECT TControl::ClientRect() const { return RECT{0, 0, width_, height_}; }
int TControl::ClientWidth() const { return ClientRect().right; }
int TControl::ClientHeight() const { return ClientRect().bottom; }

void TControl::SetClientSize(int width, int height) {
    const RECT client = ClientRect();
    SetBounds(left_, top_, width_ + width - client.right, height_ + height - client.bottom);
}

POINT TControl::ClientToScreen(POINT p) const {
    if (auto* self = dynamic_cast<const TWinControl*>(this); self && self->HandleAllocated()) {
        ::ClientToScreen(const_cast<TWinControl*>(self)->Handle(), &p);
        return p;
    }
    if (!parent_) return p;
    return parent_->ClientToScreen(POINT{p.x + left_, p.y + top_});
}

POINT TControl::ScreenToClient(POINT p) const {
    const POINT origin = ClientToScreen(POINT{0, 0});
    return POINT{p.x - origin.x, p.y - origin.y};
}

void TControl::SetAlign(TAlign align) {
    if (align == align_) return;
    align_ = align;
    if (parent_) parent_->Realign();
}

void TControl::SetAnchors(TAnchors anchors) {
    anchors_ = anchors;
    UpdateAnchorRules();
}

void TControl::UpdateAnchorRules() {
    if (!parent_) return;
    const RECT client = parent_->ClientRect();
    anchorRight_ = client.right - (left_ + width_);
    anchorBottom_ = client.bottom - (top_ + height_);
}

void TControl::ApplyAnchorRules(int parentWidth, int parentHeight) {
    if (align_ != alNone || ComponentState().Contains(csLoading)) return;
    int left = left_, top = top_, width = width_, height = height_;
    if (anchors_.Contains(akRight)) {
        if (anchors_.Contains(akLeft))
            width = parentWidth - left - anchorRight_;
        else
            left = parentWidth - width - anchorRight_;
    }
    if (anchors_.Contains(akBottom)) {
        if (anchors_.Contains(akTop))
            height = parentHeight - top - anchorBottom_;
        else
            top = parentHeight - height - anchorBottom_;
    }
    SetBounds(left, top, width, height);
}

void TControl::SetVisible(bool visible) {
    if (visible == visible_) return;
    if (!visible) Invalidate();
    visible_ = visible;
    if (visible) Invalidate();
    Perform(CM_VISIBLECHANGED, visible);
    if (parent_) parent_->Realign();
}

bool TControl::Showing() const {
    for (const TControl* c = this; c; c = c->parent_)
        if (!c->visible_) return false;
    return true;
}

void TControl::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    Perform(CM_ENABLEDCHANGED);
    Invalidate();
}

std::string TControl::GetText() const { return text_; }

void TControl::SetText(const std::string& text) {
    if (text == text_) return;
    text_ = text;
    Perform(CM_TEXTCHANGED);
    Invalidate();
}

void TControl::SetColor(TColor color) {
    parentColor_ = false;
    if (color == color_) return;
    color_ = color;
    Perform(CM_COLORCHANGED);
    Invalidate();
}

void TControl::SetParentColor(bool on) {
    parentColor_ = on;
    if (on && parent_) Perform(CM_PARENTCOLORCHANGED);
}

void TControl::FontChanged() {
    if (!fontFromParent_) parentFont_ = false;
    Perform(CM_FONTCHANGED);
    Invalidate();
}

void TControl::SetParentFont(bool on) {
    parentFont_ = on;
    if (on && parent_) Perform(CM_PARENTFONTCHANGED);
}

void TControl::SetShowHint(bool on) {
    showHint_ = on;
    parentShowHint_ = false;
    Perform(CM_SHOWHINTCHANGED);
}

void TControl::SetParentShowHint(bool on) {
    parentShowHint_ = on;
    if (on && parent_) showHint_ = parent_->ShowHint();
}

void TControl::SetCursor(TCursor cursor) {
    if (cursor == cursor_) return;
    cursor_ = cursor;
    Perform(CM_CURSORCHANGED);
}

void TControl::SetBiDiMode(TBiDiMode mode) {
    if (mode == bidiMode_) return;
    bidiMode_ = mode;
    BiDiModeChanged();
    Invalidate();
}

void TControl::BiDiModeChanged() {}

DWORD TControl::BiDiExStyle() const {
    DWORD style = 0;
    if (UseRightToLeftReading()) style |= WS_EX_RTLREADING;
    if (UseRightToLeftAlignment()) style |= WS_EX_RIGHT;
    if (UseRightToLeftScrollBar()) style |= WS_EX_LEFTSCROLLBAR;
    return style;
}

// The window keeps its state: only its extended style changes, and its frame is redrawn for a
// scroll bar that moves to the other side.
void TWinControl::BiDiModeChanged() {
    if (!handle_) return;
    constexpr DWORD bidiBits = WS_EX_RTLREADING | WS_EX_RIGHT | WS_EX_LEFTSCROLLBAR;
    const auto exStyle = static_cast<DWORD>(GetWindowLongA(handle_, GWL_EXSTYLE));
    SetWindowLongA(handle_, GWL_EXSTYLE, static_cast<LONG>((exStyle & ~bidiBits) | BiDiExStyle()));
    SetWindowPos(handle_, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TControl::Invalidate() {
    if (!parent_ || !parent_->HandleAllocated() || !visible_) return;
    const RECT r = BoundsRect();
    InvalidateRect(parent_->Handle(), &r, TRUE);
}

void TControl::Repaint() {
    Invalidate();
    Update();
}

void TControl::Update() {
    if (parent_ && parent_->HandleAllocated()) UpdateWindow(parent_->Handle());
}

void TControl::BringToFront() {
    if (!parent_) return;
    auto& list = parent_->controls_;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    list.push_back(this);
    if (auto* self = dynamic_cast<TWinControl*>(this); self && self->HandleAllocated())
        SetWindowPos(self->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Invalidate();
}

bool TControl::HitTest(POINT p) const {
    return visible_ && p.x >= left_ && p.y >= top_ && p.x < left_ + width_ && p.y < top_ + height_;
}

void TControl::Loaded() {
    TComponent::Loaded();
    UpdateAnchorRules();
    if (parentColor_) Perform(CM_PARENTCOLORCHANGED);
    if (parentFont_) Perform(CM_PARENTFONTCHANGED);
}

void TControl::Click() { OnClick(this); }
void TControl::DblClick() { OnDblClick(this); }
void TControl::MouseDown(TMouseButton b, TShiftState s, int x, int y) { OnMouseDown(this, b, s, x, y); }
void TControl::MouseUp(TMouseButton b, TShiftState s, int x, int y) { OnMouseUp(this, b, s, x, y); }
void TControl::MouseMove(TShiftState s, int x, int y) { OnMouseMove(this, s, x, y); }

void TControl::HandleMouse(TMessage& m) {
    const int x = static_cast<short>(LOWORD(m.LParam));
    const int y = static_cast<short>(HIWORD(m.LParam));
    TShiftState shift = KeysToShiftState(m.WParam);
    switch (m.Msg) {
        case WM_MOUSEMOVE:
            MouseMove(shift, x, y);
            return;
        case WM_LBUTTONDOWN:
            clicked_ = true;
            MouseDown(mbLeft, shift, x, y);
            return;
        case WM_LBUTTONDBLCLK:
            DblClick();
            MouseDown(mbLeft, shift + TShiftState{ssDouble}, x, y);
            return;
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
            MouseDown(mbRight, shift, x, y);
            return;
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK:
            MouseDown(mbMiddle, shift, x, y);
            return;
        case WM_LBUTTONUP: {
            const bool wasClicked = clicked_;
            clicked_ = false;
            const RECT r = ClientRect();
            if (wasClicked && clickOnMouseUp_ && x >= r.left && y >= r.top && x < r.right && y < r.bottom) Click();
            MouseUp(mbLeft, shift, x, y);
            return;
        }
        case WM_RBUTTONUP:
            MouseUp(mbRight, shift, x, y);
            return;
        case WM_MBUTTONUP:
            MouseUp(mbMiddle, shift, x, y);
            return;
        default:
            return;
    }
}

void TControl::WndProc(TMessage& m) {
    if (m.Msg >= WM_MOUSEFIRST && m.Msg <= WM_MBUTTONDBLCLK) {
        HandleMouse(m);
    } else {
        switch (m.Msg) {
            case CM_MOUSEENTER:
                mouseInControl_ = true;
                OnMouseEnter(this);
                break;
            case CM_MOUSELEAVE:
                mouseInControl_ = false;
                OnMouseLeave(this);
                break;
            case CM_PARENTCOLORCHANGED:
                // The control's own children follow it as it follows its parent.
                if (parentColor_ && parent_ && color_ != parent_->Color()) {
                    color_ = parent_->Color();
                    Perform(CM_COLORCHANGED);
                    Invalidate();
                }
                break;
            case CM_PARENTFONTCHANGED:
                if (parentFont_ && parent_) {
                    fontFromParent_ = true;
                    font_->Assign(*parent_->Font());
                    fontFromParent_ = false;
                }
                break;
            case CM_PARENTSHOWHINTCHANGED:
                if (parentShowHint_ && parent_) showHint_ = parent_->ShowHint();
                break;
            default:
                break;
        }
    }
    DefaultHandler(m);
}

void TControl::DefaultHandler(TMessage&) {}

// ---------------------------------------------------------------------------------------
// TWinControl: creation and destruction of the window

const TClassInfo& TWinControl::StaticClass() {
    using C = TWinControl;
    using P = TProps<C>;
    static const TClassInfo info("TWinControl", &TControl::StaticClass(), nullptr,
                                 {
                                     P::Integer("TabOrder", &C::TabOrder, &C::SetTabOrder).Stored(false),
                                     P::Boolean("TabStop", &C::TabStop, &C::SetTabStop).Default(false),
                                     P::Boolean("DoubleBuffered", &C::DoubleBuffered, &C::SetDoubleBuffered)
                                         .Default(false),
                                     P::Boolean("ParentBackground", &C::ParentBackground, &C::SetParentBackground)
                                         .Default(false),
                                     P::Event("OnKeyDown", &C::OnKeyDown),
                                     P::Event("OnKeyUp", &C::OnKeyUp),
                                     P::Event("OnKeyPress", &C::OnKeyPress),
                                     P::Event("OnEnter", &C::OnEnter),
                                     P::Event("OnExit", &C::OnExit),
                                     P::Event("OnResize", &C::OnResize),
                                 });
    return info;
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
    // Leave the parent while still a windowed control (a plain delete skips
    // BeforeDestruction), so that it drops this one from its tab order too.
    SetParent(nullptr);
    FreeChildControls();
    DestroyHandle();
    if (brush_) DeleteObject(brush_);
}

void TWinControl::BeforeDestruction() {
    FreeChildControls();
    DestroyHandle();
    TControl::BeforeDestruction();
}

// Children die with their parent, whoever owns them (the owner hears of it).
void TWinControl::FreeChildControls() {
    while (!controls_.empty()) {
        TControl* last = controls_.back();
        RemoveControl(last);
        last->Free();
    }
}

void TWinControl::CreateParams(TCreateParams& p) {
    p.Caption = TControl::GetText();
    p.Style = WS_CHILD | WS_CLIPSIBLINGS;
    if (Visible()) p.Style |= WS_VISIBLE;
    if (!Enabled()) p.Style |= WS_DISABLED;
    if (tabStop_) p.Style |= WS_TABSTOP;
    p.ExStyle |= BiDiExStyle();
    p.X = Left();
    p.Y = Top();
    p.Width = Width();
    p.Height = Height();
    if (Parent())
        p.WndParent = Parent()->Handle();
    else
        p.WndParent = parentWindow_;
    p.WinClassName = ClassName();
}

// Registers the window class named after the toolkit class, once; returns the procedure
// that does the default handling for its windows.
static WNDPROC RegisterWindowClass(const TCreateParams& p, WNDPROC initProc) {
    auto& procedures = DefaultProcedures();
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    if (auto it = procedures.find(p.WinClassName); it != procedures.end()) return it->second;
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    WNDPROC defaultProc = DefWindowProcA;
    if (!p.SysClassName.empty()) {
        if (!GetClassInfoExA(nullptr, p.SysClassName.c_str(), &wc)) {
            INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_DATE_CLASSES};
            InitCommonControlsEx(&icc);
            if (!GetClassInfoExA(nullptr, p.SysClassName.c_str(), &wc)) FailWindow(p.SysClassName);
        }
        defaultProc = wc.lpfnWndProc;
        wc.cbSize = sizeof wc;
    } else {
        wc.style = p.ClassStyle;
        wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    }
    wc.lpfnWndProc = initProc;
    wc.hInstance = instance;
    wc.lpszClassName = p.WinClassName.c_str();
    wc.lpszMenuName = nullptr;
    if (!RegisterClassExA(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) FailWindow(p.WinClassName);
    procedures[p.WinClassName] = defaultProc;
    return defaultProc;
}

LRESULT CALLBACK TWinControl::InitWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    TWinControl* control = FindControl(window);
    if (!control && gCreating) {
        control = gCreating;
        gCreating = nullptr;
        control->handle_ = window;
        SetPropA(window, MAKEINTATOM(ControlAtom()), control);
    }
    if (!control) return DefWindowProcA(window, msg, wParam, lParam);
    TMessage m{msg, wParam, lParam, 0};
    GuardHandler([&] { control->WindowProc(m); });
    return m.Result;
}

void TWinControl::CreateWnd() {
    TCreateParams p;
    CreateParams(p);
    defWndProc_ = RegisterWindowClass(p, InitWndProc);
    gCreating = this;
    static int nextId = 100;
    const auto id = (p.Style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(nextId++ & 0x7FFF)) : nullptr;
    HWND window = CreateWindowExA(p.ExStyle, p.WinClassName.c_str(), p.Caption.c_str(), p.Style, p.X, p.Y, p.Width,
                                  p.Height, p.WndParent, id, GetModuleHandleA(nullptr), nullptr);
    gCreating = nullptr;
    if (!window) {
        handle_ = nullptr;
        FailWindow(p.WinClassName);
    }
    handle_ = window;
}

void TWinControl::CreateHandle() {
    if (handle_) return;
    CreateWnd();
    SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), FALSE);
    UpdateBoundsFromWindow();
    for (TControl* c : controls_)
        if (auto* w = dynamic_cast<TWinControl*>(c)) w->CreateHandle();
    // Windows stack in tab order, the first on top, as dialog navigation expects.
    HWND after = HWND_TOP;
    for (TWinControl* w : tabList_) {
        SetWindowPos(w->handle_, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        after = w->handle_;
    }
    CreateHandleExtras();
    Realign();
}

HWND TWinControl::Handle() {
    if (!handle_) {
        if (Parent()) Parent()->HandleNeeded();
        CreateHandle();
    }
    return handle_;
}

void TWinControl::DestroyWnd() {
    if (handle_) DestroyWindow(handle_);
}

void TWinControl::DestroyHandle() {
    if (!handle_) return;
    for (TControl* c : controls_)
        if (auto* w = dynamic_cast<TWinControl*>(c)) w->DestroyHandle();
    text_ = GetText();
    DestroyWnd();
    handle_ = nullptr;
}

void TWinControl::RecreateWnd() {
    if (!handle_) return;
    DestroyHandle();
    Handle();
}

// ---------------------------------------------------------------------------------------
// TWinControl: children, tab order, focus

void TWinControl::InsertControl(TControl* control) {
    controls_.push_back(control);
    control->parent_ = this;
    if (auto* w = dynamic_cast<TWinControl*>(control)) {
        tabList_.push_back(w);
        if (handle_) w->CreateHandle();
    }
    control->Perform(CM_PARENTCOLORCHANGED);
    control->Perform(CM_PARENTFONTCHANGED);
    control->Perform(CM_PARENTSHOWHINTCHANGED);
    control->UpdateAnchorRules();
    if (control->Align() != alNone) Realign();
    control->Invalidate();
}

void TWinControl::RemoveControl(TControl* control) {
    control->Invalidate();
    if (auto* w = dynamic_cast<TWinControl*>(control)) {
        w->DestroyHandle();
        tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), w), tabList_.end());
    }
    controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
    if (mouseCapture_ == control) mouseCapture_ = nullptr;
    control->parent_ = nullptr;
    if (control->Align() != alNone) Realign();
}

bool TWinControl::ContainsControl(const TControl* control) const {
    for (const TControl* c = control; c; c = c->Parent())
        if (c == this) return true;
    return false;
}

TControl* TWinControl::ControlAtPos(POINT p, bool allowDisabled) const {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        TControl* c = *it;
        if (!c->HitTest(p) || (!allowDisabled && !c->Enabled())) continue;
        if (auto* w = dynamic_cast<TWinControl*>(c)) {
            if (TControl* inner = w->ControlAtPos(POINT{p.x - c->Left(), p.y - c->Top()}, allowDisabled)) return inner;
        }
        return c;
    }
    return nullptr;
}

void TWinControl::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const {
    for (TControl* c : controls_)
        if (c->Owner() == root) proc(c);
    TComponent::GetChildren(proc, root);
}

int TWinControl::TabOrder() const {
    if (!Parent()) return -1;
    const auto& list = Parent()->tabList_;
    return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TWinControl::SetTabOrder(int order) {
    if (!Parent()) return;
    auto& list = Parent()->tabList_;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    order = std::clamp(order, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + order, this);
}

void TWinControl::SetTabStop(bool on) {
    if (on == tabStop_) return;
    tabStop_ = on;
    if (handle_) {
        const LONG_PTR style = GetWindowLongPtrA(handle_, GWL_STYLE);
        SetWindowLongPtrA(handle_, GWL_STYLE, on ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP)));
    }
    Perform(CM_TABSTOPCHANGED);
}

std::vector<TWinControl*> TWinControl::TabOrderList() const {
    std::vector<TWinControl*> list;
    for (TWinControl* w : tabList_) {
        list.push_back(w);
        for (TWinControl* inner : w->TabOrderList()) list.push_back(inner);
    }
    return list;
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool forward, bool checkTabStop) const {
    const std::vector<TWinControl*> list = TabOrderList();
    if (list.empty()) return nullptr;
    const int n = static_cast<int>(list.size());
    int start = static_cast<int>(std::find(list.begin(), list.end(), current) - list.begin());
    if (start == n) start = forward ? n - 1 : 0;
    for (int step = 1; step <= n; ++step) {
        const int i = ((start + (forward ? step : -step)) % n + n) % n;
        TWinControl* candidate = list[static_cast<size_t>(i)];
        if (candidate->CanFocus() && (!checkTabStop || candidate->TabStop())) return candidate;
    }
    return nullptr;
}

bool TWinControl::CanFocus() const {
    for (const TControl* c = this; c; c = c->Parent())
        if (!c->Visible() || !c->Enabled()) return false;
    return true;
}

bool TWinControl::Focused() const { return handle_ && GetFocus() == handle_; }

void TWinControl::SetFocus() {
    if (!CanFocus()) throw EInvalidOperation("Cannot focus a disabled or invisible window");
    ::SetFocus(Handle());
}

void TWinControl::SetDoubleBuffered(bool on) {
    doubleBuffered_ = on;
    Invalidate();
}

void TWinControl::SetParentBackground(bool on) {
    if (on == parentBackground_) return;
    parentBackground_ = on;
    Invalidate();
}

// ---------------------------------------------------------------------------------------
// TWinControl: bounds and layout

void TWinControl::SetBounds(int left, int top, int width, int height) {
    if (handle_) {
        SetWindowPos(handle_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
        // The window's messages updated the fields; a parent's layout still needs them.
        if (Parent() && Parent()->aligning_ == 0) {
            UpdateAnchorRules();
            if (Align() != alNone) Parent()->Realign();
        }
        return;
    }
    const bool resized = width != Width() || height != Height();
    TControl::SetBounds(left, top, width, height);
    if (resized) Realign();
}

RECT TWinControl::ClientRect() const {
    RECT r{0, 0, Width(), Height()};
    if (handle_) GetClientRect(handle_, &r);
    return r;
}

void TWinControl::UpdateBoundsFromWindow() {
    if (!handle_) return;
    RECT r;
    GetWindowRect(handle_, &r);
    if (GetWindowLongPtrA(handle_, GWL_STYLE) & WS_CHILD) MapWindowPoints(nullptr, GetParent(handle_), reinterpret_cast<POINT*>(&r), 2);
    const bool resized = r.right - r.left != Width() || r.bottom - r.top != Height();
    SetBoundsFields(r.left, r.top, r.right - r.left, r.bottom - r.top);
    if (resized) {
        Realign();
        Resize();
    }
}

void TWinControl::Resize() { OnResize(this); }

void TWinControl::AdjustClientRect(RECT&) const {}

void TWinControl::Realign() {
    if (aligning_ || ComponentState().Contains(csLoading) || ComponentState().Contains(csDestroying)) return;
    AlignControls();
}

void TWinControl::AlignControls() {
    ++aligning_;
    try {
        RECT r = ClientRect();
        AdjustClientRect(r);
        for (TAlign a : {alTop, alBottom, alLeft, alRight, alClient}) PlaceAligned(a, r);
        const RECT client = ClientRect();
        for (TControl* c : controls_) c->ApplyAnchorRules(client.right, client.bottom);
    } catch (...) {
        --aligning_;
        throw;
    }
    --aligning_;
}

// Places the visible children with alignment `align` inside `rect`, in the order of their
// current positions (so that a splitter stays between its neighbours), and shrinks `rect`.
void TWinControl::PlaceAligned(TAlign align, RECT& rect) {
    std::vector<TControl*> list;
    for (TControl* c : controls_)
        if (c->Align() == align && c->Visible()) list.push_back(c);
    auto key = [align](const TControl* c) {
        switch (align) {
            case alTop: return c->Top();
            case alBottom: return -(c->Top() + c->Height());
            case alLeft: return c->Left();
            case alRight: return -(c->Left() + c->Width());
            default: return 0;
        }
    };
    std::stable_sort(list.begin(), list.end(), [&](TControl* a, TControl* b) { return key(a) < key(b); });
    for (TControl* c : list) {
        const int w = c->Width(), h = c->Height();
        switch (align) {
            case alTop:
                c->SetBounds(rect.left, rect.top, rect.right - rect.left, h);
                rect.top += h;
                break;
            case alBottom:
                c->SetBounds(rect.left, rect.bottom - h, rect.right - rect.left, h);
                rect.bottom -= h;
                break;
            case alLeft:
                c->SetBounds(rect.left, rect.top, w, rect.bottom - rect.top);
                rect.left += w;
                break;
            case alRight:
                c->SetBounds(rect.right - w, rect.top, w, rect.bottom - rect.top);
                rect.right -= w;
                break;
            default:
                c->SetBounds(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
                break;
        }
    }
}

void TWinControl::Loaded() {
    TControl::Loaded();
    Realign();
}

// ---------------------------------------------------------------------------------------
// TWinControl: state that lives in the window

void TWinControl::SetVisible(bool visible) {
    if (visible == Visible()) return;
    TControl::SetVisible(visible);
    if (handle_) ShowWindow(handle_, visible ? SW_SHOWNA : SW_HIDE);
}

void TWinControl::SetEnabled(bool enabled) {
    if (enabled == Enabled()) return;
    TControl::SetEnabled(enabled);
    if (handle_) EnableWindow(handle_, enabled);
}

std::string TWinControl::GetText() const {
    if (!handle_) return TControl::GetText();
    // A window may count its text in characters, and on a double-byte code page a
    // character can take two bytes.
    static const int bytesPerCharacter = [] {
        CPINFO info{};
        return GetCPInfo(CP_ACP, &info) ? static_cast<int>(info.MaxCharSize) : 2;
    }();
    const int length = std::max(GetWindowTextLengthA(handle_), GetWindowTextLengthW(handle_) * bytesPerCharacter);
    std::string text(static_cast<size_t>(std::max(0, length)) + 1, '\0');
    const int got = GetWindowTextA(handle_, text.data(), length + 1);
    text.resize(static_cast<size_t>(std::max(0, got)));
    return text;
}

void TWinControl::SetText(const std::string& text) {
    if (handle_) {
        if (GetText() == text) return;
        text_ = text;
        SetWindowTextA(handle_, text.c_str());
        Perform(CM_TEXTCHANGED);
        return;
    }
    TControl::SetText(text);
}

void TWinControl::Invalidate() {
    if (handle_) InvalidateRect(handle_, nullptr, TRUE);
}

HBRUSH TWinControl::BackgroundBrush() {
    const TColor color = ParentBackground() && Parent() ? Parent()->Color() : Color();
    if (!brush_ || brushColor_ != color) {
        if (brush_) DeleteObject(brush_);
        brush_ = CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(color)));
        brushColor_ = color;
    }
    return brush_;
}

// ---------------------------------------------------------------------------------------
// TWinControl: messages

bool TWinControl::ReflectNotification(TMessage& m) {
    HWND child = nullptr;
    switch (m.Msg) {
        case WM_COMMAND:
            child = reinterpret_cast<HWND>(m.LParam);
            break;
        case WM_NOTIFY:
            child = reinterpret_cast<NMHDR*>(m.LParam)->hwndFrom;
            break;
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam);
            if (item->CtlType != ODT_MENU) child = item->hwndItem;
            break;
        }
        case WM_MEASUREITEM: {
            const auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam);
            if (item->CtlType != ODT_MENU && handle_) child = GetDlgItem(handle_, static_cast<int>(item->CtlID));
            break;
        }
        case WM_HSCROLL:
        case WM_VSCROLL:
            child = reinterpret_cast<HWND>(m.LParam);  // a scrolling control; 0 for the window's own bars
            break;
        default:
            if (m.Msg >= WM_CTLCOLORMSGBOX && m.Msg <= WM_CTLCOLORSTATIC) child = reinterpret_cast<HWND>(m.LParam);
            break;
    }
    TWinControl* control = child && child != handle_ ? FindControl(child) : nullptr;
    if (!control) return false;
    m.Result = control->Perform(CN_BASE + m.Msg, m.WParam, m.LParam);
    return true;
}

void TWinControl::RouteMouse(TMessage& m) {
    const POINT p{static_cast<short>(LOWORD(m.LParam)), static_cast<short>(HIWORD(m.LParam))};
    TControl* target = mouseCapture_;
    if (!target) {
        for (auto it = controls_.rbegin(); it != controls_.rend(); ++it)
            if (!dynamic_cast<TWinControl*>(*it) && (*it)->HitTest(p) && (*it)->Enabled()) {
                target = *it;
                break;
            }
    }
    if (!target) {
        TControl::WndProc(m);
        return;
    }
    const bool down = m.Msg == WM_LBUTTONDOWN || m.Msg == WM_RBUTTONDOWN || m.Msg == WM_MBUTTONDOWN ||
                      m.Msg == WM_LBUTTONDBLCLK;
    const bool up = m.Msg == WM_LBUTTONUP || m.Msg == WM_RBUTTONUP || m.Msg == WM_MBUTTONUP;
    if (down) {
        mouseCapture_ = target;
        SetCapture(handle_);
    }
    const LPARAM local = MAKELPARAM(p.x - target->Left(), p.y - target->Top());
    m.Result = target->Perform(m.Msg, m.WParam, local);
    if (up && mouseCapture_) {
        mouseCapture_ = nullptr;
        ReleaseCapture();
    }
}

void TWinControl::PaintControls(HDC dc) {
    for (TControl* c : controls_) {
        auto* g = dynamic_cast<TGraphicControl*>(c);
        if (!g || !g->Visible()) continue;
        const RECT r = g->BoundsRect();
        if (!RectVisible(dc, &r)) continue;
        const int saved = SaveDC(dc);
        POINT origin;
        GetViewportOrgEx(dc, &origin);
        SetViewportOrgEx(dc, origin.x + r.left, origin.y + r.top, nullptr);
        IntersectClipRect(dc, 0, 0, g->Width(), g->Height());
        // Through the control's own message hook, so that a hook can take its painting over.
        g->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
        RestoreDC(dc, saved);
    }
}

void TWinControl::PaintWindow(HDC) {}

void TWinControl::PaintHandler(TMessage& m) {
    PAINTSTRUCT ps{};
    HDC dc = m.WParam ? reinterpret_cast<HDC>(m.WParam) : BeginPaint(handle_, &ps);
    PaintWindow(dc);
    PaintControls(dc);
    if (!m.WParam) EndPaint(handle_, &ps);
}

// Paints into a memory bitmap first, so that erasing and drawing never show separately.
void TWinControl::PaintDoubleBuffered(TMessage& m) {
    PAINTSTRUCT ps{};
    HDC dc = BeginPaint(handle_, &ps);
    const RECT client = ClientRect();
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
    HGDIOBJ old = SelectObject(memory, bitmap);
    const WPARAM marker = reinterpret_cast<WPARAM>(memory);
    Perform(WM_ERASEBKGND, marker, static_cast<LPARAM>(marker));
    Perform(WM_PAINT, marker, 0);
    BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    EndPaint(handle_, &ps);
    m.Result = 0;
}

void TWinControl::EraseBackground(TMessage& m) {
    // While double-buffered only the erase into the memory bitmap counts.
    if (doubleBuffered_ && static_cast<LPARAM>(m.WParam) != m.LParam) {
        m.Result = 1;
        return;
    }
    RECT r = ClientRect();
    FillRect(reinterpret_cast<HDC>(m.WParam), &r, BackgroundBrush());
    m.Result = 1;
}

void TWinControl::KeyDown(WORD& key, TShiftState shift) { OnKeyDown(this, key, shift); }
void TWinControl::KeyUp(WORD& key, TShiftState shift) { OnKeyUp(this, key, shift); }
void TWinControl::KeyPress(char& key) { OnKeyPress(this, key); }

// Key messages go to the handlers first: the form's when it previews keys, then the
// control's own; a handler that clears the key swallows it.
bool TWinControl::HandleKey(TMessage& m) {
    TWinControl* top = this;
    while (top->Parent()) top = top->Parent();
    if (top != this && top->PreviewsKeys() && top->KeySwallowed(m)) return true;
    return KeySwallowed(m);
}

// Runs the key through this control's handlers, which may change or clear it.
bool TWinControl::KeySwallowed(TMessage& m) {
    if (m.Msg == WM_CHAR) {
        char c = static_cast<char>(m.WParam);
        KeyPress(c);
        if (c == 0) return true;
        m.WParam = static_cast<unsigned char>(c);
        return false;
    }
    WORD key = static_cast<WORD>(m.WParam);
    const TShiftState shift = KeyboardShiftState();
    if (m.Msg == WM_KEYDOWN || m.Msg == WM_SYSKEYDOWN)
        KeyDown(key, shift);
    else
        KeyUp(key, shift);
    if (key == 0) return true;
    m.WParam = key;
    return false;
}

void TWinControl::WndProc(TMessage& m) {
    const bool ownClass = defWndProc_ == nullptr || defWndProc_ == DefWindowProcA;
    switch (m.Msg) {
        case WM_PAINT:
            if (doubleBuffered_ && m.WParam == 0) {
                PaintDoubleBuffered(m);
                return;
            }
            if (ownClass) {
                PaintHandler(m);
                return;
            }
            break;
        case WM_PRINTCLIENT:
            // Own-class controls print as they paint: a picture taken of a window shows them.
            if (ownClass) {
                if (m.LParam & PRF_ERASEBKGND) Perform(WM_ERASEBKGND, m.WParam, static_cast<LPARAM>(m.WParam));
                PaintHandler(m);
                return;
            }
            break;
        case WM_ERASEBKGND:
            if (ownClass || doubleBuffered_) {
                EraseBackground(m);
                return;
            }
            break;
        case WM_COMMAND:
        case WM_NOTIFY:
        case WM_DRAWITEM:
        case WM_MEASUREITEM:
        case WM_HSCROLL:
        case WM_VSCROLL:
        case WM_CTLCOLORMSGBOX:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC:
            if (ReflectNotification(m)) return;
            break;
        case CN_BASE + WM_CTLCOLOREDIT:
        case CN_BASE + WM_CTLCOLORLISTBOX:
        case CN_BASE + WM_CTLCOLORSTATIC:
        case CN_BASE + WM_CTLCOLORBTN: {
            HDC dc = reinterpret_cast<HDC>(m.WParam);
            SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(Font()->Color())));
            SetBkColor(dc, static_cast<COLORREF>(ColorToRGB(Color())));
            m.Result = reinterpret_cast<LRESULT>(BackgroundBrush());
            return;
        }
        case WM_SIZE:
        case WM_MOVE:
            UpdateBoundsFromWindow();
            break;
        case WM_SETFOCUS:
            for (TControl* c = this; c; c = c->Parent())
                if (!c->Parent()) c->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(this));
            OnEnter(this);
            break;
        case WM_KILLFOCUS:
            OnExit(this);
            break;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
        case WM_KEYUP:
        case WM_SYSKEYUP:
        case WM_CHAR:
            if (HandleKey(m)) return;
            break;
        case WM_SETCURSOR:
            if (LOWORD(m.LParam) == HTCLIENT) {
                POINT p;
                GetCursorPos(&p);
                TControl* under = FindDragTarget(p, true);
                const TCursor cursor = under ? under->Cursor() : crDefault;
                if (cursor != crDefault && under && ContainsControl(under)) {
                    ::SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(cursor == crHandPoint   ? 32649
                                                                      : cursor == crIBeam     ? 32513
                                                                      : cursor == crHourGlass ? 32514
                                                                      : cursor == crHSplit    ? 32644
                                                                      : cursor == crVSplit    ? 32645
                                                                                              : 32512)));
                    m.Result = 1;
                    return;
                }
            }
            break;
        case WM_NCDESTROY:
            DefaultHandler(m);
            RemovePropA(handle_, MAKEINTATOM(ControlAtom()));
            handle_ = nullptr;
            return;
        case CM_RECREATEWND:
            RecreateWnd();
            return;
        case CM_FONTCHANGED:
            if (handle_) SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), TRUE);
            for (TControl* c : controls_) c->Perform(CM_PARENTFONTCHANGED);
            break;
        case CM_COLORCHANGED:
            for (TControl* c : controls_) c->Perform(CM_PARENTCOLORCHANGED);
            break;
        case CM_SHOWHINTCHANGED:
            for (TControl* c : controls_) c->Perform(CM_PARENTSHOWHINTCHANGED);
            break;
        case CM_DIALOGKEY:
        case CM_DIALOGCHAR:
            // Offered to every child until one takes it (a default button takes Enter).
            for (TControl* c : controls_) {
                m.Result = c->Perform(m.Msg, m.WParam, m.LParam);
                if (m.Result) return;
            }
            return;
        default:
            if (m.Msg >= WM_MOUSEFIRST && m.Msg <= WM_MBUTTONDBLCLK) {
                RouteMouse(m);
                return;
            }
            break;
    }
    TControl::WndProc(m);
}

void TWinControl::DefaultHandler(TMessage& m) {
    if (!handle_ || (m.Msg >= CM_BASE && m.Msg < 0xC000)) return;  // the toolkit's own
    m.Result = CallWindowProcA(defWndProc_ ? defWndProc_ : DefWindowProcA, handle_, m.Msg, m.WParam, m.LParam);
}

// ---------------------------------------------------------------------------------------
// TCustomControl, TGraphicControl

// Lends `canvas` the context for one paint; the canvas lets go of it also when painting fails.
static void PaintWithCanvas(TCanvas& canvas, const TFont& font, HDC dc, const std::function<void()>& paint) {
    struct Lend {
        TCanvas& canvas;
        ~Lend() { canvas.SetHandle(nullptr); }
    } lend{canvas};
    canvas.SetHandle(dc);
    canvas.SetFont(font);
    paint();
}

const TClassInfo& TCustomControl::StaticClass() {
    static const TClassInfo info("TCustomControl", &TWinControl::StaticClass());
    return info;
}

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner), canvas_(std::make_unique<TCanvas>()) {}

TCustomControl::~TCustomControl() = default;

void TCustomControl::PaintWindow(HDC dc) {
    PaintWithCanvas(*canvas_, *Font(), dc, [this] { Paint(); });
}

const TClassInfo& TGraphicControl::StaticClass() {
    static const TClassInfo info("TGraphicControl", &TControl::StaticClass());
    return info;
}

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner), canvas_(std::make_unique<TCanvas>()) {}

TGraphicControl::~TGraphicControl() = default;

void TGraphicControl::WndProc(TMessage& m) {
    if (m.Msg == WM_PAINT && m.WParam) {
        PaintOn(reinterpret_cast<HDC>(m.WParam));
        m.Result = 0;
        return;
    }
    TControl::WndProc(m);
}

void TGraphicControl::PaintOn(HDC dc) {
    PaintWithCanvas(*canvas_, *Font(), dc, [this] { Paint(); });
}
