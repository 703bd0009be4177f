#pragma once
// The states a user's pointer and keyboard give controls, forced on a form's controls by
// their names: a control whose name ends in "Pressed" gets the left button pressed on it, in
// "Hot" the pointer over it, in "Focused" the keyboard focus (Win32).
//
// The pointer's messages go where the system would send a real pointer's: to the window
// under the control's spot (the control's own, a window laid over it, or the parent of a
// windowless control), in that window's coordinates. The spot is the control's middle, and
// a combo box's drop-down button, the part that lights up under the pointer.

class TCustomForm;

void ForceStates(TCustomForm& form);
