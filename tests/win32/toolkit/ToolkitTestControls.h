#pragma once
// Small controls for the toolkit's own tests: a superclassed BUTTON that clicks on its
// notification and takes Enter as the default button, and a windowless box.

#include <string>
#include <vector>

#include "tests/support/Pump.h"
#include "toolkit/Controls.h"
#include "toolkit/Forms.h"

class TProbeButton : public TWinControl {
    TOOLKIT_CLASS(TProbeButton, TWinControl)

public:
    explicit TProbeButton(TComponent* owner) : TWinControl(owner) {
        clickOnMouseUp_ = false;
        SetTabStop(true);
        SetBounds(0, 0, 75, 25);
    }
    bool Default = false;

protected:
    void CreateParams(TCreateParams& p) override {
        TWinControl::CreateParams(p);
        p.SysClassName = "BUTTON";
        p.Style |= BS_PUSHBUTTON;
    }
    void WndProc(TMessage& m) override {
        if (m.Msg == CN_BASE + WM_COMMAND && HIWORD(m.WParam) == BN_CLICKED) {
            Click();
            return;
        }
        if (m.Msg == CM_DIALOGKEY && m.WParam == VK_RETURN && Default) {
            Click();
            m.Result = 1;
            return;
        }
        TWinControl::WndProc(m);
    }
};

class TProbeBox : public TGraphicControl {
    TOOLKIT_CLASS(TProbeBox, TGraphicControl)

public:
    using TGraphicControl::TGraphicControl;
    int paints = 0;

protected:
    void Paint() override {
        ++paints;
        Canvas()->Brush()->SetColor(clRed);
        Canvas()->FillRect(RECT{0, 0, Width(), Height()});
    }
};

// A panel-like container with its own window class.
class TProbePanel : public TCustomControl {
    TOOLKIT_CLASS(TProbePanel, TCustomControl)

public:
    using TCustomControl::TCustomControl;
};

using pelmar::testing::Pump;

// Records the messages a hook sees, by name for the ones a test cares about.
struct MessageLog {
    std::vector<std::string> entries;
    void Add(const std::string& who, UINT msg);
};
