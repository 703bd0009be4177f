#include "toolkit/Forms.h"

#include <algorithm>

#include "toolkit/Streaming.h"

template <>
const TEnumInfo& EnumInfo<TFormBorderStyle>() {
    static const TEnumInfo info{"TFormBorderStyle",
                                {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"}};
    return info;
}
template <>
const TEnumInfo& EnumInfo<TBorderIcon>() {
    static const TEnumInfo info{"TBorderIcon", {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"}};
    return info;
}
template <>
const TEnumInfo& EnumInfo<TPosition>() {
    static const TEnumInfo info{"TPosition",
                                {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly", "poScreenCenter",
                                 "poDesktopCenter", "poMainFormCenter", "poOwnerFormCenter"}};
    return info;
}
template <>
const TEnumInfo& EnumInfo<TWindowState>() {
    static const TEnumInfo info{"TWindowState", {"wsNormal", "wsMinimized", "wsMaximized"}};
    return info;
}

TShortCut ShortCut(WORD key, TShiftState shift) {
    TShortCut s = static_cast<TShortCut>(key & 0xFF);
    if (shift.Contains(ssShift)) s |= scShift;
    if (shift.Contains(ssCtrl)) s |= scCtrl;
    if (shift.Contains(ssAlt)) s |= scAlt;
    return s;
}

const TClassInfo& TFormMenu::StaticClass() {
    static const TClassInfo info("TFormMenu", &TComponent::StaticClass());
    return info;
}

TCustomForm* GetParentForm(const TControl* control) {
    while (control && control->Parent()) control = control->Parent();
    return const_cast<TCustomForm*>(dynamic_cast<const TCustomForm*>(control));
}

// ---------------------------------------------------------------------------------------
// TCustomForm

const TClassInfo& TCustomForm::StaticClass() {
    using C = TCustomForm;
    using P = TProps<C>;
    static const TClassInfo info(
        "TCustomForm", &TWinControl::StaticClass(), nullptr,
        {
            P::String("Caption", &C::Caption, &C::SetCaption),
            P::Integer("ClientWidth", &C::ClientWidthProp, &C::SetClientWidthProp),
            P::Integer("ClientHeight", &C::ClientHeightProp, &C::SetClientHeightProp),
            P::Boolean("Visible", &C::Visible, &C::SetVisible).Default(false),
            P::Color("Color", &C::Color, &C::SetColor).Default(clBtnFace),
            P::Enum("BorderStyle", &C::BorderStyle, &C::SetBorderStyle).Default(bsSizeable),
            P::Set("BorderIcons", &C::BorderIcons, &C::SetBorderIcons)
                .Default(TBorderIcons{biSystemMenu, biMinimize, biMaximize}.Bits()),
            P::Enum("Position", &C::Position, &C::SetPosition).Default(poDesigned),
            P::Enum("WindowState", &C::WindowState, &C::SetWindowState).Default(wsNormal),
            P::Boolean("AlphaBlend", &C::AlphaBlend, &C::SetAlphaBlend).Default(false),
            P::Integer("AlphaBlendValue", &C::AlphaBlendValue, &C::SetAlphaBlendValue).Default(255),
            P::Boolean("KeyPreview", &C::KeyPreview, &C::SetKeyPreview).Default(false),
            P::Integer("TextHeight", &C::TextHeight, &C::SetTextHeight).Default(0),
            P::Integer("TextWidth", &C::TextWidth, &C::SetTextWidth).Default(0),
            P::Component("Menu", &C::Menu, &C::SetMenu),
            P::Component("ActiveControl", &C::ActiveControl, &C::SetActiveControl),
            P::Event("OnCreate", &C::OnCreate),
            P::Event("OnDestroy", &C::OnDestroy),
            P::Event("OnShow", &C::OnShow),
            P::Event("OnHide", &C::OnHide),
            P::Event("OnActivate", &C::OnActivate),
            P::Event("OnDeactivate", &C::OnDeactivate),
            P::Event("OnCloseQuery", &C::OnCloseQuery),
            P::Event("OnClose", &C::OnClose),
        });
    return info;
}

const TClassInfo& TForm::StaticClass() {
    static const TClassInfo info("TForm", &TCustomForm::StaticClass(), Creator<TForm>());
    return info;
}

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner), icon_(std::make_unique<TIcon>()) {
    SetVisible(false);
    SetColor(clBtnFace);
    SetBoundsFields(0, 0, 320, 240);
    Screen->forms_.push_back(this);
}

TCustomForm::~TCustomForm() {
    if (HandleAllocated() && menu_) ::SetMenu(Handle(), nullptr);  // see DestroyWnd
    auto& forms = Screen->forms_;
    forms.erase(std::remove(forms.begin(), forms.end(), this), forms.end());
    if (Application->mainForm_ == this) Application->mainForm_ = nullptr;
}

void TCustomForm::BeforeDestruction() {
    if (!destroyed_) {
        destroyed_ = true;
        OnDestroy(this);
    }
    TWinControl::BeforeDestruction();
}

void TCustomForm::InitForm() {
    const std::string name = UpperCase(ClassName());
    const HMODULE module = GetModuleHandleA(nullptr);
    if (HRSRC found = FindResourceA(module, name.c_str(), MAKEINTRESOURCEA(10))) {  // RT_RCDATA
        const char* data = static_cast<const char*>(LockResource(LoadResource(module, found)));
        ReadComponent(*this, std::string_view(data, SizeofResource(module, found)));
    }
    // An error in the creation handler is shown like any handler's; the form stays.
    GuardHandler([this] { OnCreate(this); });
    if (Visible()) ShowWindowNow();
}

void TCustomForm::SetClientWidthProp(int w) {
    if (ComponentState().Contains(csLoading))
        loadedClientWidth_ = w;
    else
        SetClientWidth(w);
}

void TCustomForm::SetClientHeightProp(int h) {
    if (ComponentState().Contains(csLoading))
        loadedClientHeight_ = h;
    else
        SetClientHeight(h);
}

void TCustomForm::Loaded() {
    int w = loadedClientWidth_ >= 0 ? loadedClientWidth_ : ClientWidth();
    int h = loadedClientHeight_ >= 0 ? loadedClientHeight_ : ClientHeight();
    loadedClientWidth_ = loadedClientHeight_ = -1;
    ScaleToFont(w, h);
    TWinControl::Loaded();  // no longer loading: the size takes effect and the layout follows
    SetClientSize(w, h);
}

void TCustomForm::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == menu_) SetMenu(nullptr);
    if (component == activeControl_) activeControl_ = nullptr;
}

void TCustomForm::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.Style &= ~static_cast<DWORD>(WS_CHILD | WS_GROUP | WS_TABSTOP | WS_VISIBLE);
    p.Style |= WS_CLIPCHILDREN;
    p.WndParent = Application->Handle();
    switch (borderStyle_) {
        case bsNone: p.Style |= WS_POPUP; break;
        case bsSingle: p.Style |= WS_CAPTION | WS_BORDER; break;
        case bsSizeable: p.Style |= WS_CAPTION | WS_THICKFRAME; break;
        case bsDialog:
            p.Style |= WS_POPUP | WS_CAPTION;
            p.ExStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
            break;
        case bsToolWindow:
            p.Style |= WS_CAPTION;
            p.ExStyle |= WS_EX_TOOLWINDOW;
            break;
        case bsSizeToolWin:
            p.Style |= WS_CAPTION | WS_THICKFRAME;
            p.ExStyle |= WS_EX_TOOLWINDOW;
            break;
    }
    if (borderStyle_ != bsNone && borderIcons_.Contains(biSystemMenu)) p.Style |= WS_SYSMENU;
    if (borderStyle_ == bsSingle || borderStyle_ == bsSizeable) {
        if (borderIcons_.Contains(biMinimize)) p.Style |= WS_MINIMIZEBOX;
        if (borderIcons_.Contains(biMaximize)) p.Style |= WS_MAXIMIZEBOX;
    }
    if (borderIcons_.Contains(biHelp) && (borderStyle_ == bsDialog || !borderIcons_.Contains(biMinimize)))
        p.ExStyle |= WS_EX_CONTEXTHELP;
}

void TCustomForm::CreateHandleExtras() {
    ApplyAlphaBlend();
    if (menu_) ::SetMenu(Handle(), menu_->MenuHandle());
    if (icon_->Handle()) {
        SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_->Handle()));
        SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_->Handle()));
    }
}

// A window destroys the menu bar it holds: the menu belongs to its component, so it is
// taken off first (it goes onto the new window when the form's window is re-created).
void TCustomForm::DestroyWnd() {
    if (HandleAllocated() && menu_) ::SetMenu(Handle(), nullptr);
    TWinControl::DestroyWnd();
}

RECT TCustomForm::ClientRect() const {
    if (HandleAllocated()) return TWinControl::ClientRect();
    // Before the window exists the frame is computed from the styles it will have.
    TCreateParams p;
    const_cast<TCustomForm*>(this)->CreateParams(p);
    RECT frame{0, 0, 0, 0};
    AdjustWindowRectEx(&frame, p.Style, menu_ != nullptr, p.ExStyle);
    return RECT{0, 0, std::max<LONG>(0, Width() - (frame.right - frame.left)),
                std::max<LONG>(0, Height() - (frame.bottom - frame.top))};
}

void TCustomForm::SetBorderStyle(TFormBorderStyle style) {
    if (style == borderStyle_) return;
    borderStyle_ = style;
    RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons icons) {
    if (icons == borderIcons_) return;
    borderIcons_ = icons;
    RecreateWnd();
}

TWindowState TCustomForm::WindowState() const {
    if (HandleAllocated() && Visible()) {
        HWND h = const_cast<TCustomForm*>(this)->Handle();
        if (IsZoomed(h)) return wsMaximized;
        if (IsIconic(h)) return wsMinimized;
        return wsNormal;
    }
    return windowState_;
}

void TCustomForm::SetWindowState(TWindowState state) {
    windowState_ = state;
    if (!HandleAllocated() || !Visible()) return;
    ShowWindow(Handle(), state == wsMaximized ? SW_SHOWMAXIMIZED : state == wsMinimized ? SW_MINIMIZE : SW_RESTORE);
}

RECT TCustomForm::RestoredBounds() const {
    if (!HandleAllocated()) return BoundsRect();
    WINDOWPLACEMENT wp{};
    wp.length = sizeof wp;
    GetWindowPlacement(const_cast<TCustomForm*>(this)->Handle(), &wp);
    return wp.rcNormalPosition;
}

void TCustomForm::SetAlphaBlend(bool on) {
    alphaBlend_ = on;
    ApplyAlphaBlend();
}

void TCustomForm::SetAlphaBlendValue(int value) {
    alphaBlendValue_ = std::clamp(value, 0, 255);
    ApplyAlphaBlend();
}

void TCustomForm::ApplyAlphaBlend() {
    if (!HandleAllocated()) return;
    HWND h = Handle();
    const LONG_PTR ex = GetWindowLongPtrA(h, GWL_EXSTYLE);
    if (alphaBlend_) {
        SetWindowLongPtrA(h, GWL_EXSTYLE, ex | WS_EX_LAYERED);
        SetLayeredWindowAttributes(h, 0, static_cast<BYTE>(alphaBlendValue_), LWA_ALPHA);
    } else if (ex & WS_EX_LAYERED) {
        SetWindowLongPtrA(h, GWL_EXSTYLE, ex & ~static_cast<LONG_PTR>(WS_EX_LAYERED));
    }
}

void TCustomForm::SetMenu(TFormMenu* menu) {
    if (menu == menu_) return;
    if (menu_) menu_->RemoveFreeNotification(this);
    menu_ = menu;
    if (menu_) menu_->FreeNotification(this);
    if (HandleAllocated()) {
        ::SetMenu(Handle(), menu_ ? menu_->MenuHandle() : nullptr);
        DrawMenuBar(Handle());
    }
}

void TCustomForm::SetActiveControl(TWinControl* control) {
    if (control && !ContainsControl(control)) throw EInvalidOperation("Invalid active control");
    activeControl_ = control;
    if (control && HandleAllocated() && Visible() && control->CanFocus()) control->SetFocus();
}

void TCustomForm::SelectNext(TWinControl* current, bool forward, bool checkTabStop) {
    if (TWinControl* next = FindNextControl(current, forward, checkTabStop)) next->SetFocus();
}

void TCustomForm::FocusFirstControl() {
    TWinControl* target = activeControl_ && activeControl_->CanFocus() ? activeControl_ : FindNextControl(nullptr, true, true);
    if (target) target->SetFocus();
}

void TCustomForm::PlaceOnScreen() {
    if (position_ != poScreenCenter && position_ != poDesktopCenter && position_ != poMainFormCenter) return;
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (position_ == poScreenCenter) SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    TCustomForm* main = Application->MainForm();
    if (position_ == poMainFormCenter && main && main != this) area = main->BoundsRect();
    SetBounds(area.left + (area.right - area.left - Width()) / 2, area.top + (area.bottom - area.top - Height()) / 2,
              Width(), Height());
}

void TCustomForm::ShowWindowNow() {
    HWND h = Handle();
    if (!shownOnce_) {
        shownOnce_ = true;
        PlaceOnScreen();
    }
    if (this == Application->MainForm()) ShowWindow(Application->Handle(), SW_SHOWNOACTIVATE);
    ShowWindow(h, windowState_ == wsMaximized   ? SW_SHOWMAXIMIZED
                  : windowState_ == wsMinimized ? SW_SHOWMINIMIZED
                                                : SW_SHOWNORMAL);
    SetForegroundWindow(h);
    FocusFirstControl();
    OnShow(this);
}

void TCustomForm::SetVisible(bool visible) {
    if (visible == Visible()) return;
    if (visible) {
        TControl::SetVisible(true);
        ShowWindowNow();
        return;
    }
    if (HandleAllocated()) {
        windowState_ = WindowState();
        ShowWindow(Handle(), SW_HIDE);
    }
    TControl::SetVisible(false);
    OnHide(this);
}

void TCustomForm::Show() {
    SetVisible(true);
    BringToFront();
}

void TCustomForm::BringToFront() {
    if (!HandleAllocated() || !Visible()) return;
    if (IsIconic(Handle())) ShowWindow(Handle(), SW_RESTORE);
    SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(Handle());
}

bool TCustomForm::Active() const {
    return HandleAllocated() && GetActiveWindow() == const_cast<TCustomForm*>(this)->Handle();
}

bool TCustomForm::CloseQuery() {
    bool canClose = true;
    OnCloseQuery(this, canClose);
    return canClose;
}

void TCustomForm::DoClose(TCloseAction& action) { OnClose(this, action); }

void TCustomForm::Close() {
    if (modal_) {
        modalResult_ = mrCancel;
        return;
    }
    if (!CloseQuery()) return;
    TCloseAction action = caHide;
    DoClose(action);
    if (action == caNone) return;
    if (this == Application->MainForm()) {
        Application->Terminate();
        return;
    }
    if (action == caHide) Hide();
    if (action == caMinimize) SetWindowState(wsMinimized);
    if (action == caFree) Release();
}

void TCustomForm::Release() { PostMessageA(Handle(), CM_RELEASE, 0, 0); }

// Keeps other windows of the program disabled while a modal form runs its own loop.
TModalResult TCustomForm::ShowModal() {
    if (Visible() || modal_) throw EInvalidOperation("Cannot make a visible window modal");
    HWND self = Handle();
    std::vector<HWND> disabled;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM list) -> BOOL {
            if (IsWindowVisible(w) && IsWindowEnabled(w)) reinterpret_cast<std::vector<HWND>*>(list)->push_back(w);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&disabled));
    disabled.erase(std::remove(disabled.begin(), disabled.end(), self), disabled.end());
    for (HWND w : disabled) EnableWindow(w, FALSE);
    HWND previous = GetActiveWindow();
    modal_ = true;
    modalResult_ = mrNone;
    try {
        Show();
        while (!Application->Terminated()) {
            Application->HandleMessage();
            if (modalResult_ == mrNone) continue;
            if (CloseQuery()) {
                TCloseAction action = caHide;
                DoClose(action);
                if (action != caNone) break;
            }
            modalResult_ = mrNone;
        }
    } catch (...) {
        modal_ = false;
        for (HWND w : disabled) EnableWindow(w, TRUE);
        throw;
    }
    if (Application->Terminated() && modalResult_ == mrNone) modalResult_ = mrCancel;
    modal_ = false;
    for (HWND w : disabled) EnableWindow(w, TRUE);
    Hide();
    if (previous && IsWindow(previous)) SetActiveWindow(previous);
    return modalResult_;
}

void TCustomForm::ShowFocusCues() {
    if (focusCuesShown_) return;
    focusCuesShown_ = true;
    if (!HandleAllocated()) return;
    const WPARAM clear = MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS);
    SendMessageA(Handle(), WM_UPDATEUISTATE, clear, 0);
    EnumChildWindows(
        Handle(),
        [](HWND child, LPARAM state) {
            SendMessageA(child, WM_UPDATEUISTATE, static_cast<WPARAM>(state), 0);
            return TRUE;
        },
        static_cast<LPARAM>(clear));
}

bool TCustomForm::IsShortCut(TShortCut shortCut) { return menu_ && menu_->IsShortCut(shortCut); }

void TCustomForm::DialogKey(TMessage& m) {
    if (m.WParam == VK_TAB && !KeyboardShiftState().Contains(ssCtrl) && !KeyboardShiftState().Contains(ssAlt)) {
        TWinControl* focused = FindControl(GetFocus());
        SelectNext(focused && ContainsControl(focused) ? focused : activeControl_,
                   !KeyboardShiftState().Contains(ssShift), true);
        m.Result = 1;
        return;
    }
    TWinControl::WndProc(m);  // offered to the children: a default button takes Enter
}

void TCustomForm::WndProc(TMessage& m) {
    switch (m.Msg) {
        case CM_DIALOGKEY:
            DialogKey(m);
            return;
        case CM_FOCUSCHANGED:
            if (auto* control = reinterpret_cast<TWinControl*>(m.LParam); control && control != this)
                activeControl_ = control;
            return;
        case CM_RELEASE:
            Free();
            return;
        case CM_MENUCHANGED:
            if (HandleAllocated()) DrawMenuBar(Handle());
            return;
        case WM_CLOSE:
            Close();
            return;
        case WM_ACTIVATE:
            if (LOWORD(m.WParam) != WA_INACTIVE) {
                TWinControl::WndProc(m);
                if (!HIWORD(m.WParam)) FocusFirstControl();
                OnActivate(this);
                return;
            }
            OnDeactivate(this);
            break;
        case WM_COMMAND:
            if (m.LParam == 0 && menu_ && menu_->HandleMenuMessage(m)) return;
            break;
        case WM_DRAWITEM:
            if (reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam)->CtlType == ODT_MENU && menu_ && menu_->HandleMenuMessage(m))
                return;
            break;
        case WM_MEASUREITEM:
            if (reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam)->CtlType == ODT_MENU && menu_ &&
                menu_->HandleMenuMessage(m))
                return;
            break;
        case WM_INITMENUPOPUP:
        case WM_MENUCHAR:
            if (menu_ && menu_->HandleMenuMessage(m)) return;
            break;
        default:
            break;
    }
    TWinControl::WndProc(m);
}
