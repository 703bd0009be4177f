#pragma once
// What the controls tests share: a form to put controls on, and small helpers.

#include <string>

#include "toolkit/Controls.h"
#include "toolkit/Forms.h"

// A form that is freed (with everything on it) when the scene ends.
struct FormScene {
    TForm* form = new TForm(nullptr);
    FormScene() { form->SetBounds(100, 100, 500, 400); }
    ~FormScene() { form->Free(); }
    FormScene(const FormScene&) = delete;
    FormScene& operator=(const FormScene&) = delete;
};

// A control of class T owned by the form of `parent` and placed on `parent`.
template <class T>
T* Make(TWinControl* parent) {
    TComponent* owner = GetParentForm(parent);
    auto* control = new T(owner ? owner : parent);
    control->SetParent(parent);
    return control;
}

inline std::string WindowClassOf(HWND window) {
    char name[128] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

// Runs queued messages for a while (windows under Wine settle asynchronously).
inline void Pump(int milliseconds = 50) {
    const DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
    do {
        Application->ProcessMessages();
        Sleep(5);
    } while (static_cast<int>(end - GetTickCount()) > 0);
}
