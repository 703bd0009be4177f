#include "ToolkitTestControls.h"

const TClassInfo& TProbeButton::StaticClass() {
    using C = TProbeButton;
    using P = TProps<C>;
    static const TClassInfo info("TProbeButton", &TWinControl::StaticClass(), Creator<C>(),
                                 {P::String("Caption", &C::Caption, &C::SetCaption)});
    return info;
}

const TClassInfo& TProbeBox::StaticClass() {
    static const TClassInfo info("TProbeBox", &TGraphicControl::StaticClass(), Creator<TProbeBox>());
    return info;
}

const TClassInfo& TProbePanel::StaticClass() {
    using C = TProbePanel;
    using P = TProps<C>;
    static const TClassInfo info("TProbePanel", &TCustomControl::StaticClass(), Creator<C>(),
                                 {P::String("Caption", &C::Caption, &C::SetCaption)});
    return info;
}

TOOLKIT_REGISTER(TProbeButton);
TOOLKIT_REGISTER(TProbeBox);
TOOLKIT_REGISTER(TProbePanel);

void MessageLog::Add(const std::string& who, UINT msg) {
    const char* name = nullptr;
    switch (msg) {
        case WM_SETTEXT: name = "WM_SETTEXT"; break;
        case WM_LBUTTONDOWN: name = "WM_LBUTTONDOWN"; break;
        case WM_LBUTTONUP: name = "WM_LBUTTONUP"; break;
        case CM_ENABLEDCHANGED: name = "CM_ENABLEDCHANGED"; break;
        case CM_VISIBLECHANGED: name = "CM_VISIBLECHANGED"; break;
        case CM_TEXTCHANGED: name = "CM_TEXTCHANGED"; break;
        case CM_MOUSEENTER: name = "CM_MOUSEENTER"; break;
        case CM_MOUSELEAVE: name = "CM_MOUSELEAVE"; break;
        case CN_BASE + WM_COMMAND: name = "CN_COMMAND"; break;
        case WM_USER + 1: name = "WM_USER+1"; break;
        default: return;
    }
    entries.push_back(who + " " + name);
}
