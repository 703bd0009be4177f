#include "tools/skin-gallery/GalleryStates.h"

#include <string>
#include <string_view>

#include "toolkit/Forms.h"
#include "toolkit/StdCtrls.h"

namespace {

bool EndsWith(const std::string& text, std::string_view suffix) {
    return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// The spot in screen coordinates.
POINT SpotOf(TControl& control) {
    POINT spot{control.Width() / 2, control.Height() / 2};
    if (dynamic_cast<TCustomComboBox*>(&control)) spot.x = control.Width() - GetSystemMetrics(SM_CXVSCROLL) / 2 - 2;
    if (auto* windowed = dynamic_cast<TWinControl*>(&control)) {
        ClientToScreen(windowed->Handle(), &spot);
        return spot;
    }
    spot.x += control.Left();
    spot.y += control.Top();
    ClientToScreen(control.Parent()->Handle(), &spot);
    return spot;
}

void SendPointer(TControl& control, UINT msg, WPARAM keys) {
    POINT spot = SpotOf(control);
    const HWND target = WindowFromPoint(spot);
    ScreenToClient(target, &spot);
    SendMessageA(target, msg, keys, MAKELPARAM(spot.x, spot.y));
}

void Hover(TControl& control) {
    SendPointer(control, WM_MOUSEMOVE, 0);
    // The toolkit tells a windowless control that the pointer came, as its idle tracking would.
    if (!dynamic_cast<TWinControl*>(&control)) control.Perform(CM_MOUSEENTER);
}

void Press(TControl& control) {
    Hover(control);
    SendPointer(control, WM_LBUTTONDOWN, MK_LBUTTON);
}

void Focus(TControl& control) {
    if (auto* windowed = dynamic_cast<TWinControl*>(&control)) windowed->SetFocus();
}

// In this order: a press gives the pressed control the focus, which the focused one then
// takes back.
struct TStateRule {
    std::string_view suffix;
    void (*force)(TControl& control);
};
constexpr TStateRule kRules[] = {{"Pressed", &Press}, {"Hot", &Hover}, {"Focused", &Focus}};

}  // namespace

void ForceStates(TCustomForm& form) {
    for (const TStateRule& rule : kRules)
        for (int i = 0; i < form.ComponentCount(); ++i) {
            auto* control = dynamic_cast<TControl*>(form.Components(i));
            if (control && EndsWith(control->Name(), rule.suffix)) rule.force(*control);
        }
}
