#include "skin/engine/MDIClientSkin.h"

#include "skin/WinSkinData.h"
#include "skin/engine/SkinManage.h"
#include "skin/engine/SkinMessages.h"
#include "skin/engine/WinSkinForm.h"

namespace {

constexpr const char* kClientSkinnerProperty = "PelmarMDIClientSkinner";

}  // namespace

TMDIClientSkin::TMDIClientSkin(TWinSkinForm& frame, HWND client)
    : frame_(frame), subclass_(kClientSkinnerProperty), menuUpdate_(frame.Skin()->MenuUpdate()) {
    subclass_.Install(client, &TMDIClientSkin::SubclassProc, this);
}

LRESULT CALLBACK TMDIClientSkin::SubclassProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<TMDIClientSkin*>(GetPropA(window, kClientSkinnerProperty));
    if (!self || !self->subclass_.Installed()) return DefWindowProcA(window, msg, wParam, lParam);
    try {
        return self->HandleMessage(msg, wParam, lParam);
    } catch (...) {
        return self->subclass_.Installed() ? self->subclass_.CallPrevious(msg, wParam, lParam) : 0;
    }
}

LRESULT TMDIClientSkin::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    const HWND client = subclass_.Window();
    TSkinData& skin = *frame_.Skin();
    switch (msg) {
        case WM_NCCALCSIZE:
            if (!skin.Options().Contains(xoMDIScrollbar)) {
                const LONG style = GetWindowLongA(client, GWL_STYLE);
                SetWindowLongA(client, GWL_STYLE, style & ~static_cast<LONG>(WS_VSCROLL | WS_HSCROLL));
            }
            break;
        case WM_MDICREATE:
            skin.SetMenuUpdate(false);
            break;
        case WM_MDIDESTROY: {
            const LRESULT result = subclass_.CallPrevious(msg, wParam, lParam);
            ChildDestroyed();
            return result;
        }
        case WM_MDITILE:
        case WM_MDICASCADE:
            EnsureSkinManager().SetMDIChildMaximized(false);
            break;
        case WM_MDISETMENU: {
            const LRESULT result = subclass_.CallPrevious(msg, wParam, lParam);
            frame_.MenuChanged();
            return result;
        }
        case SKM_MDIREDRAW: {
            const auto child = reinterpret_cast<HWND>(wParam);
            RedrawWindow(IsWindow(child) ? child : client, nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
            return 0;
        }
        case WM_NCDESTROY:
            return subclass_.RestoreAndPass(msg, wParam, lParam);
        default:
            break;
    }
    return subclass_.CallPrevious(msg, wParam, lParam);
}

// The flag follows the child that is active now; with no child left the frame's own menu
// comes back and the skin updates its menus again.
void TMDIClientSkin::ChildDestroyed() {
    BOOL maximised = FALSE;
    const auto active = reinterpret_cast<HWND>(
        SendMessageA(subclass_.Window(), WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximised)));
    EnsureSkinManager().SetMDIChildMaximized(active && maximised);
    if (active) return;
    frame_.Skin()->SetMenuUpdate(menuUpdate_);
    frame_.MenuChanged();
}
