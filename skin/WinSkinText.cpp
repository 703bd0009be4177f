// Colour text of skin definitions, wide text for the painters, and the user32 entries that
// older systems lack, looked up once.
#include "skin/WinSkinData.h"

#include <algorithm>

namespace {

struct TUser32Entries {
    using GetScrollBarInfoProc = BOOL(WINAPI*)(HWND, LONG, PSCROLLBARINFO);
    using TrackMouseEventProc = BOOL(WINAPI*)(LPTRACKMOUSEEVENT);
    GetScrollBarInfoProc getScrollBarInfo = nullptr;
    TrackMouseEventProc trackMouseEvent = nullptr;

    TUser32Entries() {
        module_ = LoadLibraryA("user32.dll");
        if (!module_) return;
        getScrollBarInfo = reinterpret_cast<GetScrollBarInfoProc>(
            reinterpret_cast<void*>(GetProcAddress(module_, "GetScrollBarInfo")));
        trackMouseEvent = reinterpret_cast<TrackMouseEventProc>(
            reinterpret_cast<void*>(GetProcAddress(module_, "TrackMouseEvent")));
    }
    ~TUser32Entries() {
        if (module_) FreeLibrary(module_);
    }
    TUser32Entries(const TUser32Entries&) = delete;
    TUser32Entries& operator=(const TUser32Entries&) = delete;

private:
    HMODULE module_ = nullptr;
};

const TUser32Entries& User32() {
    static const TUser32Entries entries;
    return entries;
}

bool IsNTPlatform() {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    return GetVersionExA(&info) && info.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

}  // namespace

TColor ColourFromText(const std::string& text) {
    int components[3] = {0, 0, 0};
    int stored = 0;
    int pending = -1;  // the number being read, kept to its low 8 bits; −1 when none
    auto store = [&] {
        if (pending >= 0 && stored < 3) components[stored++] = pending;
        pending = -1;
    };
    for (char c : Trim(text)) {
        if (c >= '0' && c <= '9')
            pending = ((pending < 0 ? 0 : pending) * 10 + (c - '0')) & 0xFF;
        else
            store();
    }
    if (pending >= 0 && stored == 2) store();
    return components[0] | (components[1] << 8) | (components[2] << 16);
}

std::wstring AnsiToWide(const std::string& text) {
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    if (length > 0)
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

std::wstring WideCopy(const std::wstring& text, int count) {
    if (count == -1) return text;
    return text.substr(0, static_cast<std::size_t>(std::max(count, 0)));
}

int DrawTextWide(HDC dc, const std::wstring& text, RECT& rect, UINT format) {
    if (IsNTPlatform()) return DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, format);
    const int length = WideCharToMultiByte(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                                           nullptr, nullptr);
    std::string ansi(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), ansi.data(), length, nullptr,
                        nullptr);
    return DrawTextA(dc, ansi.c_str(), -1, &rect, format);
}

bool HasGetScrollBarInfo() { return User32().getScrollBarInfo != nullptr; }

bool GuardedGetScrollBarInfo(HWND window, LONG objectId, SCROLLBARINFO* info) {
    if (!User32().getScrollBarInfo) return false;
    return User32().getScrollBarInfo(window, objectId, info) != FALSE;
}

POINT MousePoint(LPARAM lParam) { return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))}; }

void RequestMouseLeave(HWND window) {
    if (!User32().trackMouseEvent) return;
    TRACKMOUSEEVENT request{};
    request.cbSize = sizeof request;
    request.dwFlags = TME_LEAVE;
    request.hwndTrack = window;
    User32().trackMouseEvent(&request);
}
