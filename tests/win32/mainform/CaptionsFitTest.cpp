// Every text of the three windows shows whole with the fonts this machine has: no caption
// runs past its control, and no word of a label runs under a control beside it.
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "tests/win32/mainform/MainFormFixture.h"
#include "toolkit/Spin.h"
#include "ui/FormAbout.h"
#include "ui/FormSettings.h"

namespace {

int TextWidth(const TControl& control, const std::string& text) {
    HDC screen = GetDC(nullptr);
    HGDIOBJ old = SelectObject(screen, control.Font()->Handle());
    SIZE size{};
    GetTextExtentPoint32A(screen, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    return size.cx;
}

// The width a control leaves to its text beside its own decoration, or -1 when it shows no
// caption of its own that could be cut off.
int TextRoom(TControl& control) {
    const int edge = GetSystemMetrics(SM_CXEDGE);
    if (dynamic_cast<TCustomCheckBox*>(&control) || dynamic_cast<TRadioButton*>(&control))
        return control.Width() - GetSystemMetrics(SM_CXMENUCHECK) - 4;  // the box and its gap
    if (dynamic_cast<TButton*>(&control)) return control.Width() - 2 * edge;
    if (dynamic_cast<TCustomGroupBox*>(&control)) return control.Width() - 16;  // the frame's ends
    if (dynamic_cast<TCustomLabel*>(&control)) return control.Width();
    return -1;
}

// What the spin box must show whole beside its arrows: its value, and the ends of its range.
std::vector<std::string> SpinMisfits(TSpinEdit& spin) {
    RECT format{};
    SendMessageA(spin.Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    RECT arrows{};
    GetWindowRect(spin.UpDownHandle(), &arrows);
    MapWindowPoints(nullptr, spin.Handle(), reinterpret_cast<POINT*>(&arrows), 2);
    const int room = std::min(format.right, arrows.left) - format.left;
    std::vector<std::string> misfits;
    for (const std::string& value : {spin.Text(), std::to_string(spin.MinValue()), std::to_string(spin.MaxValue())})
        if (TextWidth(spin, value) > room) misfits.push_back(spin.Name() + " value " + value);
    return misfits;
}

// The words of a label that run under a windowed control of the same parent.
std::vector<std::string> WordsUnderSiblings(const TControl& label) {
    std::vector<std::string> misfits;
    const std::string text = label.Caption();
    for (size_t start = text.find_first_not_of(' '); start != std::string::npos;) {
        const size_t end = std::min(text.find(' ', start), text.size());
        const int left = label.Left() + TextWidth(label, text.substr(0, start));
        const int right = label.Left() + TextWidth(label, text.substr(0, end));
        for (int i = 0; i < label.Parent()->ControlCount(); ++i) {
            const auto* sibling = dynamic_cast<const TWinControl*>(label.Parent()->Controls(i));
            if (!sibling || !sibling->Visible()) continue;
            const bool sameRow = sibling->Top() < label.Top() + label.Height() &&
                                 label.Top() < sibling->Top() + sibling->Height();
            if (sameRow && left < sibling->Left() + sibling->Width() && sibling->Left() < right)
                misfits.push_back(label.Name() + " word '" + text.substr(start, end - start) + "' under " +
                                  sibling->Name());
        }
        start = text.find_first_not_of(' ', end);
    }
    return misfits;
}

// Every text of the form that does not show whole, named by its control.
std::vector<std::string> Misfits(TCustomForm& form) {
    std::vector<std::string> misfits;
    for (int i = 0; i < form.ComponentCount(); ++i) {
        auto* control = dynamic_cast<TControl*>(form.Components(i));
        if (!control) continue;
        if (auto* spin = dynamic_cast<TSpinEdit*>(control)) {
            for (const std::string& m : SpinMisfits(*spin)) misfits.push_back(m);
            continue;
        }
        const int room = TextRoom(*control);
        if (room < 0) continue;
        const int need = TextWidth(*control, control->Caption());
        if (need > room)
            misfits.push_back(control->Name() + " needs " + std::to_string(need) + " of " + std::to_string(room));
        if (!dynamic_cast<TCustomLabel*>(control)) continue;
        for (const std::string& m : WordsUnderSiblings(*control)) misfits.push_back(m);
        if (control->Left() + need > control->Parent()->ClientWidth())
            misfits.push_back(control->Name() + " runs out of " + control->Parent()->Name());
    }
    return misfits;
}

}  // namespace

TEST_F(MainFormTest, EveryTextOfTheThreeWindowsShowsWhole) {
    Start(false);
    const std::unique_ptr<TAboutBox, void (*)(TAboutBox*)> about(TCustomForm::Create<TAboutBox>(MainForm),
                                                                [](TAboutBox* box) { box->Free(); });
    for (TCustomForm* form : std::vector<TCustomForm*>{MainForm, FrmSettings, about.get()})
        EXPECT_EQ(Misfits(*form), std::vector<std::string>{}) << form->Name();
}
