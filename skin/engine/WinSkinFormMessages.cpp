// The frame skinner's message handling, in the order it looks at a message: what it always
// handles, what needs frame skinning, what needs a started frame; the rest goes on to the
// window's previous procedure.
#include "skin/WinSkinData.h"
#include "skin/engine/SkinManage.h"
#include "skin/engine/SkinMessages.h"
#include "skin/engine/WinSkinForm.h"
#include "skin/engine/WinSkinMenu.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/Forms.h"

namespace {

constexpr UINT WM_NCUAHDRAWCAPTION = 0xAE;

}  // namespace

LRESULT TWinSkinForm::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (state_ == fsAttached && msg == WM_NCPAINT && frameSkinning_) return 0;
    if (HandleAlways(msg, wParam, lParam, result)) return result;
    if (frameSkinning_ && !PlainChild() && HandleFrameMessage(msg, wParam, lParam, result)) return result;
    if (frameSkinning_ && Started() && !MaximisedMDIChild() && HandleStartedMessage(msg, wParam, lParam, result))
        return result;
    return CallPrevious(msg, wParam, lParam);
}

bool TWinSkinForm::HandleAlways(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (msg) {
        case WM_ERASEBKGND:
            if (form_ || !skin_) return false;
            {
                RECT client{};
                GetClientRect(window_, &client);
                FillRect(reinterpret_cast<HDC>(wParam), &client, skin_->ButtonFaceBrush());
            }
            result = 1;
            return true;
        case WM_NCDESTROY:
            Destroying(wParam, lParam, result);
            return true;
        case WM_NCACTIVATE:
            if (state_ == fsAttached && frameKind_ != fkMDIChild && frameSkinning_) {
                // Nothing drawn before the frame is built; the change itself goes ahead.
                result = TRUE;
                return true;
            }
            if (!frameSkinning_) return false;
            return false;  // handled with the started frame's messages
        case WM_NCUAHDRAWCAPTION:
            result = 0;
            return true;
        case WM_INITMENUPOPUP: {
            const bool systemMenu = HIWORD(lParam) != 0 && static_cast<LONG>(reinterpret_cast<LONG_PTR>(
                                                               reinterpret_cast<HMENU>(wParam))) >= 0;
            EnsureSkinManager().SetNextMenuKind(systemMenu ? mkSystemMenu : mkMenuBar);
            result = CallPrevious(msg, wParam, lParam);
            // The program may have rebuilt the menu's items as it opened.
            if (menuBar_) menuBar_->MenuOpening(reinterpret_cast<HMENU>(wParam));
            return true;
        }
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORSTATIC:
            if (form_ || !skin_) return false;
            SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            result = reinterpret_cast<LRESULT>(skin_->ButtonFaceBrush());
            return true;
        case SKM_STARTSKIN:
            if (state_ == fsAttached) Start();
            result = 0;
            return true;
        case SKM_RESKINCHILD:
            ReskinChild(reinterpret_cast<HWND>(wParam));
            result = 0;
            return true;
        case SKM_QUERYSKINNED:
            PostMessageA(window_, SKM_ANNOUNCE, 0, kSkinSignature);
            result = 1;
            return true;
        default:
            return false;
    }
}

void TWinSkinForm::Destroying(WPARAM wParam, LPARAM lParam, LRESULT& result) {
    state_ = fsDestroying;
    Release();
    result = subclass_.RestoreAndPass(WM_NCDESTROY, wParam, lParam);
    state_ = fsDead;
}

bool TWinSkinForm::HandleFrameMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (msg) {
        case WM_SIZE:
            result = CallPrevious(msg, wParam, lParam);
            showState_ = wParam == SIZE_MAXIMIZED ? ssMaximised : wParam == SIZE_MINIMIZED ? ssMinimised : ssNormal;
            if (Started()) BuildRegion(false);
            return true;
        case WM_ACTIVATE:
            active_ = LOWORD(wParam) != WA_INACTIVE;
            return false;
        case WM_GETMINMAXINFO:
        case WM_WINDOWPOSCHANGED:
            result = CallPrevious(msg, wParam, lParam);
            UpdateShowState();
            return true;
        case WM_SYSCOMMAND:
            result = SysCommand(wParam, lParam);
            return true;
        case WM_SETTEXT:
            result = SetText(wParam, lParam);
            return true;
        case WM_MEASUREITEM:
            return MeasureMenuItem(lParam, result);
        case WM_DRAWITEM:
            return DrawMenuItem(lParam, result);
        case WM_COMMAND:
            return MenuCommand(wParam, result);
        case SKM_OPENMENUAT:
            if (menuBar_)
                if (TMenuBtn* item = menuBar_->ItemAt(ToWindow(lParam))) menuBar_->OpenItem(*item);
            result = 0;
            return true;
        default:
            return false;
    }
}

LRESULT TWinSkinForm::SysCommand(WPARAM wParam, LPARAM lParam) {
    const UINT command = static_cast<UINT>(wParam & 0xFFF0);
    if (command == SC_KEYMENU && !GetCapture()) {
        if (lParam == ' ') {
            POINT origin{0, 0};
            ClientToScreen(window_, &origin);
            ShowSystemMenu(origin);
            return 0;
        }
        if (lParam != '-' && menuBar_)
            if (TMenuBtn* item = menuBar_->FindAccelItem(static_cast<char>(lParam))) {
                menuBar_->OpenItem(*item);
                return 0;
            }
    }
    switch (command) {
        case SC_MINIMIZE:
            RestoreSystemMenuStyle();
            showState_ = ssMinimised;
            break;
        case SC_MAXIMIZE:
            showState_ = ssMaximised;
            break;
        case SC_RESTORE:
            showState_ = ssNormal;
            if (frameKind_ == fkMDIChild) EnsureSkinManager().SetMDIChildMaximized(false);
            break;
        default:
            break;
    }
    return CallPrevious(WM_SYSCOMMAND, wParam, lParam);
}

// The system paints the native caption straight away when a window's text changes; with the
// caption style off for that moment it only stores the text, and the skinned caption is
// painted instead.
LRESULT TWinSkinForm::SetText(WPARAM wParam, LPARAM lParam) {
    if (!Started() || borderKind_ == bkNoCaption) return CallPrevious(WM_SETTEXT, wParam, lParam);
    const auto style = static_cast<DWORD>(GetWindowLongA(window_, GWL_STYLE));
    SetWindowLongA(window_, GWL_STYLE, static_cast<LONG>(style & ~WS_CAPTION));
    const LRESULT result = CallPrevious(WM_SETTEXT, wParam, lParam);
    SetWindowLongA(window_, GWL_STYLE, static_cast<LONG>(style));
    if (IsWindowVisible(window_)) PaintFrame();
    return result;
}

bool TWinSkinForm::HandleStartedMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (msg) {
        case WM_NCCALCSIZE:
            result = NcCalcSize(wParam, lParam);
            return true;
        case WM_NCHITTEST: {
            const LRESULT previous = CallPrevious(msg, wParam, lParam);
            result = SkinnedHitTest(previous, ToWindow(lParam), borders_.top, menuBarHeight_ > 0);
            return true;
        }
        case WM_NCPAINT:
            if (borderKind_ == bkNoCaption) return false;
            PaintFrame();
            result = 0;
            return true;
        case WM_NCACTIVATE:
            result = NcActivate(wParam, lParam);
            return true;
        case WM_NCMOUSEMOVE:
            return NcMouseMove(lParam);
        case WM_NCLBUTTONDOWN:
            return NcLeftButtonDown(wParam, lParam, result);
        case WM_NCLBUTTONUP:
            return NcLeftButtonUp(lParam);
        case WM_NCLBUTTONDBLCLK:
            return NcLeftDoubleClick(wParam, lParam, result);
        case WM_NCRBUTTONDOWN:
            return NcRightButtonDown(wParam, lParam);
        case SKM_REPAINTFRAME:
            PaintFrame();
            result = 0;
            return true;
        default:
            return false;
    }
}

LRESULT TWinSkinForm::NcCalcSize(WPARAM wParam, LPARAM lParam) {
    const LRESULT previous = CallPrevious(WM_NCCALCSIZE, wParam, lParam);
    if (!wParam) return previous;
    auto& params = *reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam);
    if ((frameKind_ == fkMDIChild && showState_ != ssNormal) || borderKind_ == bkNoCaption) {
        params.rgrc[1] = params.rgrc[0];
        return WVR_VALIDRECTS;
    }
    const WINDOWPOS& pos = *params.lppos;
    const RECT client{pos.x + borders_.left, pos.y + borders_.top + menuBarHeight_, pos.x + pos.cx - borders_.right,
                      pos.y + pos.cy - borders_.bottom};
    params.rgrc[0] = client;
    params.rgrc[1] = client;
    return WVR_VALIDRECTS;
}

LRESULT TWinSkinForm::NcActivate(WPARAM wParam, LPARAM lParam) {
    active_ = wParam != FALSE;
    if (hoverTimer_) hoverTimer_->SetEnabled(active_);
    if (frameKind_ == fkMDIFrame && SkinManager() && SkinManager()->MDIClient())
        SendMessageA(SkinManager()->MDIClient(), WM_NCACTIVATE, wParam, lParam);
    if (frameKind_ == fkMDIChild) CallPrevious(WM_NCACTIVATE, wParam, lParam);
    PaintFrame();
    return TRUE;
}

void TWinSkinForm::FormHook(TMessage& m, const std::function<void(TMessage&)>& next) {
    switch (m.Msg) {
        case SKM_REPAINTALL:
            Repaint();
            return;
        case SKM_PAINTFRAMETO:
            if (m.LParam != kSkinSignature) break;
            if (m.WParam) PaintFrame(reinterpret_cast<HDC>(m.WParam));
            m.Result = kSkinSignature;
            return;
        case SKM_SIGNATURE:
            m.Result = m.LParam == kSkinSignature ? kSkinSignature : 1;
            return;
        case CM_MENUCHANGED:
            next(m);
            if (menuBar_) {
                menuBar_->BuildItems();
                PaintFrame();
            }
            return;
        case CM_DIALOGCHAR:
            next(m);
            if (!m.Result) DialogChar(m);
            return;
        default:
            break;
    }
    next(m);
}

// An Alt+character the form left alone opens the painted bar's item with that accelerator;
// without one here, the window whose menu the user sees may have it: an MDI child's frame,
// or the main form for a form that is not modal.
void TWinSkinForm::DialogChar(TMessage& m) {
    if (menuBar_ && GetKeyState(VK_MENU) < 0)
        if (TMenuBtn* item = menuBar_->FindAccelItem(static_cast<char>(m.WParam))) {
            menuBar_->OpenItem(*item);
            m.Result = 1;
            return;
        }
    TWinControl* other = nullptr;
    if (frameKind_ == fkMDIChild && SkinManager())
        other = SkinManager()->MDIFrame();
    else if (form_ && !form_->Modal())
        other = Application->MainForm();
    if (other && other != form_) m.Result = other->Perform(CM_DIALOGCHAR, m.WParam, m.LParam);
}
