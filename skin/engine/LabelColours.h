#pragma once
// Labels of a skinned form that were left in the system's text colour take the skin's button
// text colour until the form is unskinned (Win32): on a dark skin's face the system's black
// could not be read. Labels given a colour of their own keep it.

#include <map>

#include "toolkit/Graphics.h"

class TComponent;
class TCustomLabel;

class TLabelColours {
public:
    // Every label the form owns; labels recoloured before take the new skin's colour.
    void Apply(TComponent& form, TColor text);
    // Gives the labels still on the form their colours back.
    void Restore(TComponent& form);

private:
    // Only compared, never followed: a label freed meanwhile is simply not found again.
    std::map<const TCustomLabel*, TColor> saved_;
};
