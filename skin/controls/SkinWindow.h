#pragma once
// TSkinWindow: a window of the skin engine's own, laid over part of a control in the
// control's parent (painted scroll bars, a media player's button strip) (Win32). It is made
// hidden, of a class registered once per class name, and goes with its object; messages
// reach the object only between the end of its making and the start of its destruction, so
// no message finds half an object. It paints in one go, with no background erased first.

#include "platform/Win.h"

class TSkinWindow {
public:
    TSkinWindow(const TSkinWindow&) = delete;
    TSkinWindow& operator=(const TSkinWindow&) = delete;
    virtual ~TSkinWindow();

    HWND Handle() const { return window_; }
    // Paints the whole window into dc, its client area at the origin.
    virtual void Paint(HDC dc) const = 0;

protected:
    TSkinWindow(const char* className, HWND parent);
    // Every message but the painting ones; the default is the system's handling.
    virtual LRESULT Message(UINT msg, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT Dispatch(UINT msg, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
};
