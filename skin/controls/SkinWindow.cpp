#include "skin/controls/SkinWindow.h"

namespace {

void RegisterOnce(const char* className, WNDPROC procedure) {
    WNDCLASSA existing{};
    if (GetClassInfoA(GetModuleHandleA(nullptr), className, &existing)) return;
    WNDCLASSA c{};
    c.lpfnWndProc = procedure;
    c.hInstance = GetModuleHandleA(nullptr);
    c.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // the arrow
    c.lpszClassName = className;
    RegisterClassA(&c);
}

}  // namespace

TSkinWindow::TSkinWindow(const char* className, HWND parent) {
    RegisterOnce(className, &TSkinWindow::Procedure);
    window_ = CreateWindowExA(0, className, "", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0, parent, nullptr,
                              GetModuleHandleA(nullptr), this);
}

TSkinWindow::~TSkinWindow() {
    if (!IsWindow(window_)) return;
    SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
}

LRESULT TSkinWindow::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            const HDC dc = BeginPaint(window_, &ps);
            Paint(dc);
            EndPaint(window_, &ps);
            return 0;
        }
        case WM_PRINTCLIENT:
            Paint(reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_ERASEBKGND:
            return 1;
        default:
            return Message(msg, wParam, lParam);
    }
}

LRESULT TSkinWindow::Message(UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window_, msg, wParam, lParam);
}

LRESULT CALLBACK TSkinWindow::Procedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<TSkinWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self || self->window_ != window) return DefWindowProcA(window, msg, wParam, lParam);
    return self->Dispatch(msg, wParam, lParam);
}
