#pragma once
// TPaintedWindow: a child window of a class of our own whose messages go to a C++ object,
// which paints all of it itself (Win32). The object's Dispatch sees every message; what it
// does not handle comes here: WM_PAINT and WM_PRINTCLIENT paint through Paint, the
// background is never erased (Paint covers it), the rest goes to DefWindowProc. The window
// goes with the object, and stops reaching it first.

#include "platform/Win.h"

class TPaintedWindow {
public:
    TPaintedWindow(const TPaintedWindow&) = delete;
    TPaintedWindow& operator=(const TPaintedWindow&) = delete;
    virtual ~TPaintedWindow();

    HWND Handle() const { return window_; }
    // Paints the whole window into dc, its client area at the origin.
    virtual void Paint(HDC dc) const = 0;

protected:
    TPaintedWindow() = default;
    // Makes the window, a child of parent, of the named class (registered on first use).
    void CreateChild(const char* className, DWORD style, HWND parent);
    virtual LRESULT Dispatch(UINT msg, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
};
