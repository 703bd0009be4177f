#pragma once
// TMDIClientSkin: what the frame skinner of an MDI frame does on the frame's MDI client
// (Win32).
//
// The client owns the children's arrangement, so it is where a child's coming, going,
// maximising and menu swapping are seen: the skinner keeps the manager's "a child is
// maximised" flag, the skin's menu updating and the painted menu bar in step with them, and
// keeps the client's scroll bars off unless the skin wants them.

#include "platform/Win.h"
#include "skin/engine/WindowSubclass.h"

class TWinSkinForm;

class TMDIClientSkin {
public:
    TMDIClientSkin(TWinSkinForm& frame, HWND client);

private:
    static LRESULT CALLBACK SubclassProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    void ChildDestroyed();

    TWinSkinForm& frame_;
    TWindowSubclass subclass_;
    bool menuUpdate_;  // the skin's value before the first child came
};
