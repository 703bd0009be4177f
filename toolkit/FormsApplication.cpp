// TApplication, TScreen and the hint timing (declared in Forms.h).
#include <algorithm>

#include "platform/AnsiText.h"
#include "toolkit/Forms.h"

#include <commctrl.h>

TApplication* Application = nullptr;
TScreen* Screen = nullptr;

namespace {

// The application and the screen exist for the whole run of the program.
struct TGlobals {
    TGlobals() {
        // The forms freed below use their classes' records (names, property tables), which
        // are statics made on first use: made after these globals they would be gone by
        // then, and a form freed at exit wrote into freed memory. Make them first.
        (void)TForm::StaticClass();
        Screen = new TScreen(nullptr);
        Application = new TApplication(nullptr);
    }
    ~TGlobals() {
        Application->Free();
        Screen->Free();
    }
} gGlobals;

constexpr UINT_PTR kHintTimer = 1;

// The hint of a control, or of its nearest parent that has one.
std::string HintOf(const TControl* control) {
    for (; control; control = control->Parent())
        if (!control->Hint().empty()) return control->Hint();
    return {};
}

}  // namespace

std::string GetShortHint(const std::string& hint) {
    const size_t bar = hint.find('|');
    return bar == std::string::npos ? hint : hint.substr(0, bar);
}

std::string GetLongHint(const std::string& hint) {
    const size_t bar = hint.find('|');
    return bar == std::string::npos ? hint : hint.substr(bar + 1);
}

// ---------------------------------------------------------------------------------------
// THintTimer

THintTimer::Action THintTimer::Track(const void* control, std::uint32_t now) {
    if (control == control_) return None;
    const bool wasShown = state_ == Shown;
    control_ = control;
    if (!control) {
        state_ = Inactive;
    } else {
        state_ = Waiting;
        due_ = now + static_cast<std::uint32_t>(wasShown ? ShortPause : Pause);
    }
    return wasShown ? HideTip : None;
}

THintTimer::Action THintTimer::Tick(std::uint32_t now) {
    const bool reached = static_cast<std::int32_t>(now - due_) >= 0;
    if (state_ == Waiting && reached) {
        state_ = Shown;
        due_ = now + static_cast<std::uint32_t>(HidePause);
        return ShowTip;
    }
    if (state_ == Shown && reached) {
        state_ = Expired;
        return HideTip;
    }
    return None;
}

int THintTimer::NextDue(std::uint32_t now) const {
    if (state_ != Waiting && state_ != Shown) return -1;
    return std::max(0, static_cast<std::int32_t>(due_ - now));
}

// ---------------------------------------------------------------------------------------
// TApplication

const TClassInfo& TApplication::StaticClass() {
    static const TClassInfo info("TApplication", &TComponent::StaticClass());
    return info;
}

TApplication::TApplication(TComponent* owner) : TComponent(owner), icon_(std::make_unique<TIcon>()) {
    ApplicationHandleException() = [](const std::exception& e) { Application->HandleException(e); };
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string name = path;
    name = name.substr(pelmar::platform::FindLastPathDelimiter(name) + 1);
    title_ = name.substr(0, name.rfind('.'));
}

TApplication::~TApplication() {
    if (tipWindow_) DestroyWindow(tipWindow_);
    if (handle_) DestroyWindow(handle_);
}

HWND TApplication::Handle() {
    if (handle_) return handle_;
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = AppWndProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, "MAINICON");
    if (!wc.hIcon) wc.hIcon = LoadIconA(nullptr, MAKEINTRESOURCEA(32512));  // IDI_APPLICATION
    wc.lpszClassName = "TApplication";
    RegisterClassExA(&wc);
    // A window without size: its only visible part is the taskbar button with the title.
    handle_ = CreateWindowExA(0, "TApplication", title_.c_str(),
                              WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                              GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0, nullptr,
                              nullptr, instance, nullptr);
    if (!handle_) throw EInvalidOperation("Cannot create the application window");
    return handle_;
}

void TApplication::SetTitle(const std::string& title) {
    title_ = title;
    if (handle_) SetWindowTextA(handle_, title.c_str());
}

void TApplication::IconChanged() {
    const LPARAM icon = reinterpret_cast<LPARAM>(icon_->Handle());
    SendMessageA(Handle(), WM_SETICON, ICON_BIG, icon);
    SendMessageA(Handle(), WM_SETICON, ICON_SMALL, icon);
}

LRESULT CALLBACK TApplication::AppWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    try {
        switch (msg) {
            case WM_TIMER:
                if (wParam == kHintTimer) {
                    KillTimer(window, kHintTimer);
                    POINT p;
                    GetCursorPos(&p);
                    Application->TrackPointer(p, GetTickCount());
                    return 0;
                }
                break;
            case WM_CLOSE:
                if (Application->MainForm()) Application->MainForm()->Close();
                return 0;
            default:
                break;
        }
    } catch (const std::exception& e) {
        Application->HandleException(e);
        return 0;
    }
    return DefWindowProcA(window, msg, wParam, lParam);
}

void TApplication::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == mainForm_) mainForm_ = nullptr;
    if (component == mouseControl_) {
        mouseControl_ = nullptr;
        hintTimer_.Track(nullptr, GetTickCount());
        HideTip();
    }
}

void TApplication::Run() {
    if (mainForm_ && showMainForm_) mainForm_->Show();
    while (!terminated_) HandleMessage();
    // The loop is over; a later Run (a test's) starts afresh.
    terminated_ = false;
}

void TApplication::Terminate() {
    terminated_ = true;
    PostQuitMessage(0);
}

void TApplication::ProcessMessages() {
    MSG msg;
    while (ProcessMessage(msg)) {
    }
}

void TApplication::HandleMessage() {
    MSG msg;
    if (ProcessMessage(msg)) return;
    Idle();
    if (!terminated_) WaitMessage();
}

bool TApplication::ProcessMessage(MSG& msg) {
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
    if (msg.message == WM_QUIT) {
        terminated_ = true;
        return true;
    }
    bool handled = true;
    try {
        handled = IsKeyMessage(msg);
    } catch (const std::exception& error) {
        // A shortcut's command runs here, outside any window procedure: its error goes to
        // the default error box like any handler's instead of leaving the message loop.
        HandleException(error);
    }
    if (!handled) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return true;
}

// Menu shortcuts and dialog keys (Tab, Enter, Escape) before the focused window sees them.
bool TApplication::IsKeyMessage(MSG& msg) {
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
    TWinControl* target = nullptr;
    for (HWND w = msg.hwnd; w && !target; w = GetParent(w)) target = FindControl(w);
    TCustomForm* form = GetParentForm(target);
    if (!form) return false;
    const WORD key = static_cast<WORD>(msg.wParam);
    if (key == VK_TAB || key == VK_MENU || (key >= VK_LEFT && key <= VK_DOWN)) form->ShowFocusCues();
    if (form->IsShortCut(ShortCut(key, KeyboardShiftState()))) return true;
    if (key != VK_TAB && key != VK_RETURN && key != VK_ESCAPE) return false;
    // Asked without the message: given one, an edit takes itself for part of a dialog box and
    // passes Tab and Enter to a dialog manager that the toolkit does not have.
    const LRESULT code = SendMessageA(msg.hwnd, WM_GETDLGCODE, key, 0);
    if (code & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) return false;
    if (key == VK_TAB && (code & DLGC_WANTTAB)) return false;
    return form->Perform(CM_DIALOGKEY, key, msg.lParam) != 0;
}

void TApplication::Idle() {
    POINT p;
    if (GetCursorPos(&p)) TrackPointer(p, GetTickCount());
    OnIdle(this);
}

void TApplication::TrackPointer(POINT screenPoint, std::uint32_t now) {
    TControl* control = FindDragTarget(screenPoint, true);
    if (control != mouseControl_) {
        if (mouseControl_) {
            mouseControl_->RemoveFreeNotification(this);
            mouseControl_->Perform(CM_MOUSELEAVE);
        }
        mouseControl_ = control;
        if (control) {
            control->FreeNotification(this);
            control->Perform(CM_MOUSEENTER);
        }
    }
    // The control may have gone away while handling the notifications.
    control = mouseControl_;
    SetHint(GetLongHint(HintOf(control)));
    const bool tipped = control && showHint_ && control->ShowHint() && !GetShortHint(HintOf(control)).empty();
    if (hintTimer_.Track(tipped ? control : nullptr, now) == THintTimer::HideTip) HideTip();
    switch (hintTimer_.Tick(now)) {
        case THintTimer::ShowTip: ShowTip(control); break;
        case THintTimer::HideTip: HideTip(); break;
        default: break;
    }
    const int due = hintTimer_.NextDue(now);
    if (due >= 0) SetTimer(Handle(), kHintTimer, static_cast<UINT>(std::max(due, 10)), nullptr);
}

void TApplication::SetHint(const std::string& hint) {
    if (hint == hint_) return;
    hint_ = hint;
    OnHint(this);
}

void TApplication::SetShowHint(bool on) {
    if (on == showHint_) return;
    showHint_ = on;
    if (!on) {
        HideTip();
        hintTimer_.Track(nullptr, GetTickCount());
        if (tipWindow_) DestroyWindow(tipWindow_);
        tipWindow_ = nullptr;
        return;
    }
    CreateTipWindow();
}

void TApplication::CreateTipWindow() {
    if (tipWindow_) return;
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    tipWindow_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Handle(), nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    if (!tipWindow_) return;
    TTTOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    tool.hwnd = Handle();
    tool.uId = 1;
    tool.lpszText = const_cast<char*>("");
    SendMessageA(tipWindow_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageA(tipWindow_, TTM_SETMAXTIPWIDTH, 0, 400);
    SendMessageA(tipWindow_, TTM_SETTIPBKCOLOR, static_cast<WPARAM>(ColorToRGB(hintColor_)), 0);
}

void TApplication::SetHintColor(TColor color) {
    hintColor_ = color;
    if (tipWindow_) SendMessageA(tipWindow_, TTM_SETTIPBKCOLOR, static_cast<WPARAM>(ColorToRGB(color)), 0);
}

void TApplication::ShowTip(TControl* control) {
    if (!showHint_ || !control) return;
    CreateTipWindow();
    tipText_ = GetShortHint(HintOf(control));
    if (!tipWindow_) return;
    TTTOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.hwnd = Handle();
    tool.uId = 1;
    tool.lpszText = tipText_.data();
    SendMessageA(tipWindow_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
    POINT p;
    GetCursorPos(&p);
    SendMessageA(tipWindow_, TTM_TRACKPOSITION, 0, MAKELPARAM(p.x, p.y + 20));
    SendMessageA(tipWindow_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
}

void TApplication::HideTip() {
    tipText_.clear();
    if (!tipWindow_) return;
    TTTOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.hwnd = Handle();
    tool.uId = 1;
    SendMessageA(tipWindow_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
}

void TApplication::HandleException(const std::exception& error) {
    if (OnException)
        OnException(this, error);
    else
        ShowException(error);
}

void TApplication::ShowException(const std::exception& error) {
    std::string message = error.what();
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') message += '.';
    MessageBoxA(GetActiveWindow(), message.c_str(), title_.c_str(), MB_OK | MB_ICONSTOP);
}

// ---------------------------------------------------------------------------------------
// TScreen

const TClassInfo& TScreen::StaticClass() {
    static const TClassInfo info("TScreen", &TComponent::StaticClass());
    return info;
}

TCustomForm* TScreen::ActiveForm() const {
    HWND active = GetActiveWindow();
    for (TCustomForm* f : forms_)
        if (f->HandleAllocated() && f->Handle() == active) return f;
    return nullptr;
}
