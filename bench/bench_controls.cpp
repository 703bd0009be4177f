// Painting skinned controls under Wine: a push button and a status bar of our default skin,
// each painted into a memory device context, against the toolkit's own painting of the same
// control (the skinner switched off with message 13574). A skinned control that costs about
// what its own painting does keeps a repaint of a whole window as quick as unskinned.
//
// Usage: bench_controls [skin file]; without one, the default skin the build packed.

#include <cstdio>
#include <string>
#include <vector>

#include "bench/bench_win32_measure.h"
#include "skin/WinSkinData.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinStatusBar.h"
#include "skin/engine/SkinManage.h"
#include "skin/engine/SkinMessages.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/Forms.h"
#include "toolkit/StdCtrls.h"

using namespace pelmar::bench;

namespace {

void Print(TWinControl& control, HDC dc) {
    SendMessageA(control.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
}

void SwitchSkinner(TWinControl& control, bool on) { SendMessageA(control.Handle(), SKM_CONTROLSKIN, on ? 1 : 0, 0); }

}  // namespace

int main(int argc, char** argv) {
    const std::string path = argc > 1 ? argv[1] : PELMAR_DEFAULT_SKIN;
    auto* form = new TForm(nullptr);
    form->SetBounds(0, 0, 600, 200);
    auto* skin = new TSkinData(form);
    skin->SetSkinFile(path);
    if (skin->Empty()) {
        std::fprintf(stderr, "bench_controls: cannot load the skin \"%s\"\n", path.c_str());
        return 1;
    }
    auto* button = new TButton(form);
    button->SetParent(form);
    button->SetBounds(10, 10, 90, 26);
    button->SetCaption("Save keywords");
    auto* bar = new TStatusBar(form);
    bar->SetParent(form);
    bar->SetSimplePanel(true);
    bar->SetSimpleText("Ready");
    form->Show();
    Application->ProcessMessages();
    TSkinButton buttonSkinner;
    buttonSkinner.AttachControl(nullptr, *skin, *button, true);
    TSkinStatusBar barSkinner;
    barSkinner.AttachControl(nullptr, *skin, *bar, true);

    TBitmap target;
    target.SetPixelFormat(pf32bit);
    target.SetSize(600, 40);
    HDC dc = target.Canvas()->Handle();
    std::vector<Line> lines = {
        {"push button, its own painting", [&] { SwitchSkinner(*button, false), Print(*button, dc); }},
        {"push button, skinned", [&] { SwitchSkinner(*button, true), Print(*button, dc); }},
        {"status bar, its own painting", [&] { SwitchSkinner(*bar, false), Print(*bar, dc); }},
        {"status bar, skinned", [&] { SwitchSkinner(*bar, true), Print(*bar, dc); }},
    };
    Measure(lines);
    std::printf("Painting into a memory DC, skinned against the control's own painting (goal: about 1):\n");
    for (std::size_t i = 0; i + 1 < lines.size(); i += 2)
        std::printf("  %-30s %6.2f\n", lines[i + 1].what, lines[i + 1].best / lines[i].best);
    form->Free();
    DestroySkinManager();
    return 0;
}
