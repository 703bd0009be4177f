#pragma once
// Controls read from a form file and their published properties checked by name, as the
// skin engine reads and writes them.

#include <initializer_list>
#include <string>

#include "ControlsTestSupport.h"
#include "toolkit/Streaming.h"

// One published property of a component of the form: the text it has after the form was
// read, and a text to write into it by name.
struct PropCase {
    const char* component;
    const char* prop;
    const char* read;
    const char* write;
};

// A form read from a form file (whose root object is a TForm).
struct FormFileScene : FormScene {
    explicit FormFileScene(const std::string& text) { ReadComponent(*form, text); }
    template <class T>
    T* Get(const char* name) const {
        return dynamic_cast<T*>(form->FindComponent(name));
    }
};

// Checks each case's read text, writes its new text by name, and checks that the form
// writer stores the new values so that a form read from its text has them too.
void CheckPropsByName(FormFileScene& scene, std::initializer_list<PropCase> cases);
