#include "tests/win32/about/AboutTestSupport.h"

#include <utility>

namespace pelmar::testing {

void ClickAt(TCustomForm& form, POINT client) {
    const LPARAM where = MAKELPARAM(client.x, client.y);
    PostMessageA(form.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, where);
    PostMessageA(form.Handle(), WM_LBUTTONUP, 0, where);
    Pump();
}

namespace {

MessageBoxAnswerer* answering = nullptr;

BOOL CALLBACK CollectStaticText(HWND child, LPARAM into) {
    char className[32] = {};
    char text[512] = {};
    GetClassNameA(child, className, sizeof(className));
    if (lstrcmpiA(className, "Static") == 0 && GetWindowTextA(child, text, sizeof(text)) > 0)
        *reinterpret_cast<std::string*>(into) += text;
    return TRUE;
}

}  // namespace

MessageBoxAnswerer::MessageBoxAnswerer(std::string title) : title_(std::move(title)) {
    answering = this;
    timer_ = SetTimer(nullptr, 0, 30, Tick);
}

MessageBoxAnswerer::~MessageBoxAnswerer() {
    KillTimer(nullptr, timer_);
    answering = nullptr;
}

void CALLBACK MessageBoxAnswerer::Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (!answering) return;
    HWND box = FindWindowA("#32770", answering->title_.c_str());
    if (!box || !IsWindowVisible(box)) return;
    std::string text;
    EnumChildWindows(box, CollectStaticText, reinterpret_cast<LPARAM>(&text));
    answering->texts.push_back(text);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
}

}  // namespace pelmar::testing
