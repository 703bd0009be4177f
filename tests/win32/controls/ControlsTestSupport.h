#pragma once
// What the controls tests share: a form to put controls on, and small helpers.

#include <string>

#include "tests/support/Pump.h"
#include "tests/support/WindowClassOf.h"
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

using pelmar::testing::Pump;
using pelmar::testing::WindowClassOf;
