#pragma once
// TWindowSubclass: a procedure put in front of a window's own, for the skinners of windows
// that are not toolkit controls (Win32).
//
// The skinner is found again through a window property, so one static procedure serves
// every window of a kind. Messages are handed on in the window's own character set: a
// Unicode window given its messages through the ANSI call would see its texts converted.

#include "platform/Win.h"

class TWindowSubclass {
public:
    explicit TWindowSubclass(const char* property) : property_(property) {}
    TWindowSubclass(const TWindowSubclass&) = delete;
    TWindowSubclass& operator=(const TWindowSubclass&) = delete;
    ~TWindowSubclass() { Restore(); }

    // Puts proc in front of the window's procedure; the window's property holds owner.
    void Install(HWND window, WNDPROC proc, void* owner);
    // Puts the window's procedure back (nothing when it is not installed).
    void Restore();
    // Puts the procedure back and hands on the last message the skinner sees (the window
    // is being destroyed).
    LRESULT RestoreAndPass(UINT msg, WPARAM wParam, LPARAM lParam);
    bool Installed() const { return previous_ != nullptr; }
    HWND Window() const { return window_; }
    LRESULT CallPrevious(UINT msg, WPARAM wParam, LPARAM lParam) const;

private:
    const char* property_;
    HWND window_ = nullptr;
    WNDPROC previous_ = nullptr;
    bool unicode_ = false;
};
