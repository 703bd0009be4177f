#include "skin/engine/WinSkinForm.h"

#include "skin/WinSkinData.h"
#include "skin/controls/SkinSelection.h"
#include "skin/controls/WinSubClass.h"
#include "skin/engine/MDIClientSkin.h"
#include "skin/engine/MenuOwnerDraw.h"
#include "skin/engine/NCObjects.h"
#include "skin/engine/SkinManage.h"
#include "skin/engine/SkinMessages.h"
#include "skin/engine/SkinPaint.h"
#include "skin/engine/SystemMenu.h"
#include "skin/engine/WinSkinMenu.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/Forms.h"
#include "toolkit/WindowHook.h"

namespace {

// The property under which a subclassed window finds its frame skinner.
constexpr const char* kSkinnerProperty = "PelmarFrameSkinner";
constexpr int kHoverIntervalMs = 250;

// The system keeps WS_SYSMENU on some windows for the taskbar's sake: on a system of major
// version above 4 and minor version 0, for application windows and windows without owner.
bool KeepsSystemMenuStyle(DWORD exStyle, HWND owner, bool mdiChild) {
    const DWORD version = GetVersion();
    const int major = LOBYTE(LOWORD(version));
    const int minor = HIBYTE(LOWORD(version));
    const bool nt = (version & 0x80000000u) == 0;
    return major > 4 && minor == 0 && (((exStyle & WS_EX_APPWINDOW) && nt) || (!owner && !mdiChild));
}

}  // namespace

TWinSkinForm::TWinSkinForm()
    : subclass_(kSkinnerProperty),
      captionFont_(CreateNonClientFont(&NONCLIENTMETRICSA::lfCaptionFont)),
      doubleClickTime_(GetDoubleClickTime()) {}

TWinSkinForm::~TWinSkinForm() {
    if (subclass_.Installed()) Release();
    ReleaseButtons();
    if (captionFont_) DeleteObject(captionFont_);
}

void TWinSkinForm::AttachForm(TSkinData* skin, TCustomForm* form) {
    form_ = form;
    const HWND window = form->Handle();
    skin->OnBeforeSkinForm(form, window, ClassNameOfWindow(window));
    Attach(skin, window);
    if (frameSkinning_)
        formHook_ = std::make_unique<TWindowHook>(
            *form, [this](TMessage& m, const TWndMethod& next) { FormHook(m, next); });
    formColour_ = form->Color();
    form->SetColor(skin->Colours().ButtonFace);
    OwnerDrawMenus(true);
}

void TWinSkinForm::OwnerDrawMenus(bool on) {
    if (!form_ || !skin_) return;
    if (skin_->SkinControls().Contains(xcPopupMenu)) MakeMenusOwnerDrawn(*form_, *skin_, on);
    if (skin_->SkinControls().Contains(xcMenuItem)) MakeMainMenuOwnerDrawn(*form_, *skin_, on);
}

void TWinSkinForm::Attach(TSkinData* skin, HWND window) {
    skin_ = skin;
    window_ = window;
    TSkinManage& manager = EnsureSkinManager();
    manager.SetLifecycleState(1);
    hoverTimer_ = std::make_unique<TTimer>(nullptr);
    hoverTimer_->SetEnabled(false);
    hoverTimer_->SetInterval(kHoverIntervalMs);
    hoverTimer_->OnTimer = [this](TObject*) { OnHoverTimer(); };
    frameSkinning_ = skin->SkinControls().Contains(xcMainMenu);
    ReadStyles();
    if (HWND client = FindWindowExA(window, nullptr, "MDIClient", nullptr)) {
        frameKind_ = fkMDIFrame;
        manager.SetMDIFrame(client, form_);
        mdiClient_ = std::make_unique<TMDIClientSkin>(*this, client);
    } else if (exStyle_ & WS_EX_MDICHILD) {
        frameKind_ = fkMDIChild;
        if (skin->Options().Contains(xoMDIChildBorder)) frameSkinning_ = false;
    }
    if (manager.PlatformVersion() & 0x80000000u) {
        TSkinControlTypes controls = skin->SkinControls();
        controls.Exclude(xcSystemMenu);
        skin->SetSkinControls(controls);
    }
    subclass_.Install(window, &TWinSkinForm::SubclassProc, this);
    if (frameSkinning_) {
        if (GetMenu(window) && frameKind_ != fkMDIChild) {
            menuBar_ = std::make_unique<TWinSkinMenu>(*this, form_ ? form_->Menu() : nullptr);
            menuBar_->BuildItems();
        }
        RebuildButtons();
    } else {
        state_ = fsRunning;
    }
    if (frameKind_ == fkMDIChild && showState_ == ssMaximised) manager.SetMDIChildMaximized(true);
}

void TWinSkinForm::ReadStyles() {
    style_ = static_cast<DWORD>(GetWindowLongA(window_, GWL_STYLE));
    exStyle_ = static_cast<DWORD>(GetWindowLongA(window_, GWL_EXSTYLE));
    rightToLeft_ = (exStyle_ & WS_EX_LEFTSCROLLBAR) != 0;
    child_ = (style_ & WS_CHILD) != 0;
    className_ = ClassNameOfWindow(window_);
    owner_ = GetWindow(window_, GW_OWNER);
    const bool mdiChild = (exStyle_ & WS_EX_MDICHILD) != 0;
    captionFlags_ = CaptionButtonFlagsOf(style_, exStyle_, GetSystemMenu(window_, FALSE) != nullptr,
                                         KeepsSystemMenuStyle(exStyle_, owner_, mdiChild));
    borderKind_ = BorderKindOf(style_, exStyle_, className_);
    dialog_ = IsDialogClass(className_);
    UpdateShowState();
}

void TWinSkinForm::UpdateShowState() {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (GetWindowPlacement(window_, &placement)) showState_ = ShowStateOf(placement.showCmd);
    if (IsIconic(window_)) showState_ = ssMinimised;
    else if (IsZoomed(window_)) showState_ = ssMaximised;
}

LRESULT CALLBACK TWinSkinForm::SubclassProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<TWinSkinForm*>(GetPropA(window, kSkinnerProperty));
    if (!self || !self->subclass_.Installed()) return DefWindowProcA(window, msg, wParam, lParam);
    // No error may leave a window procedure: a skinner that fails leaves the system look.
    try {
        return self->HandleMessage(msg, wParam, lParam);
    } catch (...) {
        return self->subclass_.Installed() ? self->CallPrevious(msg, wParam, lParam) : 0;
    }
}

LRESULT TWinSkinForm::CallPrevious(UINT msg, WPARAM wParam, LPARAM lParam) {
    return subclass_.CallPrevious(msg, wParam, lParam);
}

void TWinSkinForm::Start() {
    systemMenu_ = GetSystemMenu(window_, FALSE);
    CaptureIcon();
    SkinChildren();
    RECT windowRect{}, clientRect{};
    GetWindowRect(window_, &windowRect);
    GetClientRect(window_, &clientRect);
    nativeFrame_ = {(windowRect.right - windowRect.left) - clientRect.right,
                    (windowRect.bottom - windowRect.top) - clientRect.bottom};
    if (state_ == fsAttached && frameSkinning_) {
        UpdateShowState();
        if (frameKind_ == fkMDIChild && showState_ == ssMaximised) {
            PostMessageA(EnsureSkinManager().MDIClient(), SKM_MDIREDRAW, reinterpret_cast<WPARAM>(window_), 0);
        } else if (showState_ == ssMaximised) {
            state_ = fsResizing;
            ChangeFrame();
        } else if (showState_ != ssMinimised && (frameKind_ == fkMDIChild || (!child_ && borderKind_ != bkNoCaption))) {
            state_ = fsResizing;
            ResizeToSkin(true);
            BuildRegion(true);
        }
    }
    if (skin_) skin_->OnAfterSkinForm(form_ ? static_cast<TObject*>(form_) : nullptr, window_, className_);
    state_ = fsRunning;
    if (frameSkinning_) {
        PaintFrame();
        SendMessageA(window_, SKM_ANNOUNCE, 0, kSkinSignature);
        if (active_) hoverTimer_->SetEnabled(true);
    }
}

void TWinSkinForm::CaptureIcon() {
    auto icon = reinterpret_cast<HICON>(SendMessageA(window_, WM_GETICON, ICON_SMALL, 0));
    if (!icon) icon = reinterpret_cast<HICON>(SendMessageA(window_, WM_GETICON, ICON_BIG, 0));
    if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrA(window_, GCLP_HICONSM));
    const int width = GetSystemMetrics(SM_CXSMICON);
    const int height = GetSystemMetrics(SM_CYSMICON);
    iconBitmap_.SetPixelFormat(pf24bit);
    iconBitmap_.SetSize(width, height);
    iconBitmap_.Canvas()->Brush()->SetColor(clFuchsia);
    iconBitmap_.Canvas()->FillRect(Rect(0, 0, width, height));
    if (icon) DrawIconEx(iconBitmap_.Canvas()->Handle(), 0, 0, icon, width, height, 0, nullptr, DI_NORMAL);
    iconBitmap_.SetTransparentColor(clFuchsia);
    iconBitmap_.SetTransparent(true);
    frameCache_.Forget();
}

void TWinSkinForm::RebuildButtons() {
    ReleaseButtons();
    ComputeBorders();
    if (!skin_ || skin_->Empty()) return;
    for (const auto& record : skin_->SysButtons()) buttons_.push_back(std::make_unique<TWinSysButton>(*this, *record));
}

void TWinSkinForm::ReleaseButtons() {
    hot_ = nullptr;
    buttons_.clear();
}

void TWinSkinForm::StopHoverTimer() {
    if (hoverTimer_) hoverTimer_->SetEnabled(false);
}

void TWinSkinForm::StartHoverTimer() {
    if (hoverTimer_) hoverTimer_->SetEnabled(active_);
}

// The native bar goes back on the window exactly as it was taken off.
void TWinSkinForm::RestoreMenuBar() {
    if (!menuBar_) return;
    const HMENU native = menuBar_->NativeMenu();
    menuBar_.reset();
    menuBarHeight_ = 0;
    if (native && IsWindow(window_)) SetMenu(window_, native);
}

void TWinSkinForm::SkinChildren() {
    std::erase_if(controlSkinners_, [](const auto& skinner) { return skinner->Dead(); });
    TSkinSelection selection(*this, *skin_);
    if (form_) {
        selection.SkinForm(*form_);
        labelColours_.Apply(*form_, skin_->Colours().ButtonText);
    } else
        selection.DispatchWindows(window_);
}

void TWinSkinForm::SkinChild(HWND child) {
    if (skin_ && !skin_->Empty()) TSkinSelection(*this, *skin_).DispatchWindow(child);
}

// A scroll-bar skinner's control made its window anew: a fresh skinner takes it.
void TWinSkinForm::ReskinChild(HWND child) {
    TControl* control = nullptr;
    for (auto& skinner : controlSkinners_)
        if (skinner && skinner->Window() == child) {
            control = skinner->Control();
            if (!skinner->Dead()) skinner->Detach();
            skinner.reset();
        }
    std::erase(controlSkinners_, nullptr);
    TSkinSelection selection(*this, *skin_);
    if (control)
        selection.DispatchControl(*control);
    else if (IsWindow(child))
        selection.DispatchWindow(child);
}

void TWinSkinForm::AddControlSkinner(std::unique_ptr<TSkinControl> skinner) {
    controlSkinners_.push_back(std::move(skinner));
}

TSkinControl* TWinSkinForm::FindControlSkinner(HWND window) const {
    for (const auto& skinner : controlSkinners_)
        if (!skinner->Dead() && skinner->Holds(window)) return skinner.get();
    return nullptr;
}

// Each skinner whose window still lives gives back what it changed; freeing it takes its
// hook or window procedure off.
void TWinSkinForm::ReleaseControlSkinners() {
    for (auto& skinner : controlSkinners_)
        if (!skinner->Dead()) skinner->Detach();
    controlSkinners_.clear();
}

void TWinSkinForm::MenuChanged() {
    if (!frameSkinning_ || !Started()) return;
    if (!menuBar_ && GetMenu(window_))
        menuBar_ = std::make_unique<TWinSkinMenu>(*this, form_ ? form_->Menu() : nullptr);
    if (!menuBar_) return;
    menuBar_->BuildItems();
    ComputeBorders();
    ChangeFrame();
}

// What Release and Unskin share.
void TWinSkinForm::StopCommon(bool destroying) {
    systemMenuSkin_.reset();
    ReleaseControlSkinners();
    if (destroying) menuBar_.reset();
    StopHoverTimer();
    formHook_.reset();
    mdiClient_.reset();
    if (!destroying) subclass_.Restore();
    if (form_ && !destroying) {
        OwnerDrawMenus(false);
        form_->SetColor(formColour_);
        labelColours_.Restore(*form_);
    }
    // Every control shows its own look again.
    if (!destroying && IsWindow(window_)) RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void TWinSkinForm::Release() {
    if (!subclass_.Installed()) return;
    StopCommon(state_ == fsDestroying);
}

void TWinSkinForm::Unskin() {
    if (!subclass_.Installed()) return;
    const bool destroying = state_ == fsDestroying;
    const bool wasSkinningFrame = frameSkinning_ && state_ != fsAttached;
    // The client area as the skinned frame left it, before anything is put back.
    const RECT box = WindowBox();
    const SIZE client{box.right - borders_.left - borders_.right,
                      box.bottom - borders_.top - borders_.bottom - menuBarHeight_};
    StopCommon(destroying);
    RestoreSystemMenuStyle();
    if (!destroying) RestoreMenuBar();
    if (!wasSkinningFrame || destroying || !IsWindow(window_)) return;
    RemoveRegion();
    if (frameKind_ != fkMDIChild && child_) return;
    if (showState_ != ssNormal) {
        ChangeFrame();
        return;
    }
    // The client area keeps its size under the native frame again.
    RECT frame{0, 0, client.cx, client.cy};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongA(window_, GWL_STYLE)), GetMenu(window_) != nullptr,
                       static_cast<DWORD>(GetWindowLongA(window_, GWL_EXSTYLE)));
    SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TWinSkinForm::Repaint() {
    if (state_ != fsRunning) return;
    if (form_) {
        form_->SetColor(skin_->Colours().ButtonFace);
        labelColours_.Apply(*form_, skin_->Colours().ButtonText);
    }
    frameCache_.Forget();  // the same component may hold another skin now
    state_ = fsRefreshing;
    if (frameSkinning_ && showState_ == ssNormal && !child_) ResizeToSkin(false);
    BuildRegion(true);
    if (form_) {
        form_->SetHeight(form_->Height() + 1);
        form_->SetHeight(form_->Height() - 1);
    }
    skin_->OnAfterSkinForm(form_ ? static_cast<TObject*>(form_) : nullptr, window_, className_);
    state_ = fsRunning;
    for (auto& skinner : controlSkinners_)
        if (!skinner->Dead()) skinner->Refresh();
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void TWinSkinForm::MDIChildMaximizedChanged(bool maximized) {
    if (maximized) {
        RemoveRegion();
        return;
    }
    UpdateShowState();
    if (showState_ == ssMinimised) return;
    showState_ = ssNormal;
    BuildRegion(true);
    ChangeFrame();
}

void TWinSkinForm::ChangeFrame() {
    SetWindowPos(window_, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TWinSkinForm::OnHoverTimer() {
    if (!hot_ || GetCapture()) return;
    POINT p{};
    GetCursorPos(&p);
    RECT window{};
    GetWindowRect(window_, &window);
    p.x -= window.left;
    p.y -= window.top;
    if (!PtInRect(&hot_->Bounds(), p)) hot_->MouseLeave();
}

void TWinSkinForm::StripSystemMenuStyle() {
    if (captionFlags_ & cbKeepSystemMenu) return;
    const auto style = static_cast<DWORD>(GetWindowLongA(window_, GWL_STYLE));
    if (!(style & WS_SYSMENU)) return;
    SetWindowLongA(window_, GWL_STYLE, static_cast<LONG>(style & ~WS_SYSMENU));
    sysMenuStripped_ = true;
}

void TWinSkinForm::RestoreSystemMenuStyle() {
    if (!sysMenuStripped_ || !IsWindow(window_)) return;
    const auto style = static_cast<DWORD>(GetWindowLongA(window_, GWL_STYLE));
    SetWindowLongA(window_, GWL_STYLE, static_cast<LONG>(style | WS_SYSMENU));
    sysMenuStripped_ = false;
}

std::wstring TWinSkinForm::WindowText() const {
    const int length = GetWindowTextLengthW(window_);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window_, text.data(), length + 1)));
    return text;
}

TCaptionState TWinSkinForm::CaptionState() const {
    TCaptionState s;
    s.flags = captionFlags_;
    s.maximised = showState_ == ssMaximised;
    s.active = active_;
    const TSkinManage* manager = SkinManager();
    s.mdiChildMaximisedHere = frameKind_ == fkMDIFrame && manager && manager->MDIChildMaximized();
    s.menuBarSkinned = menuBarHeight_ > 0;
    s.borderKind = borderKind_;
    s.dialog = dialog_;
    const HWND window = window_;
    s.ask = [window](int code, int action) { return SendMessageA(window, SKM_CAPTIONVISIBLE, code, action); };
    return s;
}

RECT TWinSkinForm::WindowBox() const {
    RECT r{};
    GetWindowRect(window_, &r);
    OffsetRect(&r, -r.left, -r.top);
    return r;
}

void TWinSkinForm::ShowSystemMenu(POINT screen) {
    TSkinManage& manager = EnsureSkinManager();
    const DWORD now = GetTickCount();
    if (now - rightClickTime_ <= doubleClickTime_ && hot_) {
        StopHoverTimer();
        PostMessageA(window_, WM_CLOSE, 0, 0);
        return;
    }
    rightClickTime_ = now;
    manager.SetNextMenuKind(mkSystemMenu);
    if (!systemMenuSkin_) systemMenuSkin_ = std::make_unique<TSkinSystemMenu>(*this);
    systemMenuSkin_->Popup(screen);
}
