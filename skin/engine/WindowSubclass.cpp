#include "skin/engine/WindowSubclass.h"

void TWindowSubclass::Install(HWND window, WNDPROC proc, void* owner) {
    Restore();
    window_ = window;
    unicode_ = IsWindowUnicode(window) != FALSE;
    SetPropA(window, property_, owner);
    const auto address = reinterpret_cast<LONG_PTR>(proc);
    previous_ = reinterpret_cast<WNDPROC>(unicode_ ? SetWindowLongPtrW(window, GWLP_WNDPROC, address)
                                                   : SetWindowLongPtrA(window, GWLP_WNDPROC, address));
}

void TWindowSubclass::Restore() {
    if (!previous_) return;
    const auto address = reinterpret_cast<LONG_PTR>(previous_);
    if (unicode_)
        SetWindowLongPtrW(window_, GWLP_WNDPROC, address);
    else
        SetWindowLongPtrA(window_, GWLP_WNDPROC, address);
    RemovePropA(window_, property_);
    previous_ = nullptr;
}

LRESULT TWindowSubclass::RestoreAndPass(UINT msg, WPARAM wParam, LPARAM lParam) {
    const WNDPROC previous = previous_;
    const bool unicode = unicode_;
    Restore();
    if (!previous) return 0;
    return unicode ? CallWindowProcW(previous, window_, msg, wParam, lParam)
                   : CallWindowProcA(previous, window_, msg, wParam, lParam);
}

LRESULT TWindowSubclass::CallPrevious(UINT msg, WPARAM wParam, LPARAM lParam) const {
    if (unicode_) return CallWindowProcW(previous_, window_, msg, wParam, lParam);
    return CallWindowProcA(previous_, window_, msg, wParam, lParam);
}
