// Skinners come off in any order and give back what they changed: hooks, window procedures,
// colours and "ParentBackground".
#include <string>
#include <typeinfo>

#include "ControlFixture.h"
#include "ControlLook.h"
#include "skin/controls/SkinBox.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinHeader.h"
#include "skin/controls/SkinListView.h"
#include "skin/controls/SkinScControl.h"
#include "skin/controls/SkinTab31.h"
#include "skin/engine/SkinMessages.h"
#include "toolkit/Buttons.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/Tabs.h"

using namespace controltest;

namespace {

// A window procedure of somebody else's, put on a window and taken off again.
WNDPROC g_outsidePrevious = nullptr;
int g_outsideSeen = 0;
LRESULT CALLBACK OutsideProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    ++g_outsideSeen;
    return CallWindowProcA(g_outsidePrevious, window, msg, wParam, lParam);
}

HWND MakeButtonWindow(HWND parent) {
    return CreateWindowExA(0, "BUTTON", "Foreign", WS_CHILD | WS_VISIBLE, 10, 10, 80, 24, parent, nullptr, nullptr,
                           nullptr);
}

std::string TextOf(HWND window) {
    char text[64] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

}  // namespace

TEST_F(ControlsTest, HooksOnAToolkitControlComeOffInAnyOrder) {
    TButton& button = Make<TButton>(10, 10, 90, 30);
    const TControlLook before = LookOf(button);
    for (bool firstOffFirst : {true, false}) {
        auto first = std::make_unique<TSkinButton>();
        auto second = std::make_unique<TSkinButton>();
        first->AttachControl(nullptr, *skin_, button, true);
        second->AttachControl(nullptr, *skin_, button, false);
        EXPECT_EQ(button.Color(), skin_->Colours().ButtonFace);
        (firstOffFirst ? first : second)->Detach();
        (firstOffFirst ? first : second).reset();
        EXPECT_EQ(button.Perform(SKM_QUERYSKINNED, 0, 0), 1) << "the other still answers";
        (firstOffFirst ? second : first)->Detach();
        (firstOffFirst ? second : first).reset();
        EXPECT_EQ(LookOf(button), before) << firstOffFirst;
    }
}

TEST_F(ControlsTest, ForeignWindowProceduresComeOffInAnyOrder) {
    for (bool skinnerOffFirst : {true, false}) {
        HWND window = MakeButtonWindow(panel_->Handle());
        const LONG_PTR original = GetWindowLongPtrA(window, GWLP_WNDPROC);
        auto skinner = std::make_unique<TSkinButton>();
        if (skinnerOffFirst) skinner->AttachWindow(window, *skin_, nullptr);
        g_outsidePrevious = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&OutsideProc)));
        if (!skinnerOffFirst) skinner->AttachWindow(window, *skin_, nullptr);
        EXPECT_EQ(SendMessageA(window, SKM_QUERYSKINNED, 0, 0), 1);
        skinner.reset();
        g_outsideSeen = 0;
        SetWindowTextA(window, "Still works");
        EXPECT_EQ(TextOf(window), "Still works");
        EXPECT_GT(g_outsideSeen, 0) << "the procedure above the skinner's keeps its messages";
        EXPECT_NE(SendMessageA(window, SKM_QUERYSKINNED, 0, 0), 1);
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_outsidePrevious));
        if (!skinnerOffFirst) {
            EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC), original);
        }
        // A skinner that comes again takes the place its predecessor left.
        auto again = std::make_unique<TSkinButton>();
        again->AttachWindow(window, *skin_, nullptr);
        EXPECT_EQ(SendMessageA(window, SKM_QUERYSKINNED, 0, 0), 1);
        again.reset();
        DestroyWindow(window);
    }
}

TEST(ControlRestore, UnskinningGivesEveryControlBackWhatItHad) {
    frametest::SkinnedForm form(ControlSkin());
    form.SetSkinned(false);
    TForm& f = form.Form();
    auto place = [&f](TWinControl* c, int top) {
        c->SetParent(&f);
        c->SetBounds(10, top, 120, 24);
        c->HandleNeeded();
        return c;
    };
    auto* panel = static_cast<TPanel*>(place(new TPanel(&f), 10));
    panel->SetParentBackground(true);
    auto* list = static_cast<TListView*>(place(new TListView(&f), 250));
    list->SetViewStyle(vsReport);
    const std::pair<TWinControl*, const std::type_info*> ours[] = {
        {place(new THeaderControl(&f), 220), &typeid(TSkinHeader)}, {list, &typeid(TSkinListView)},
        {place(new TScrollBox(&f), 280), &typeid(TSkinScControl)}, {place(new TTabSet(&f), 310), &typeid(TSkinTab31)}};
    std::vector<TWinControl*> controls{panel, place(new TButton(&f), 40), place(new TCheckBox(&f), 70),
                                       place(new TRadioButton(&f), 100), place(new TEdit(&f), 130),
                                       place(new TGroupBox(&f), 160), place(new TStatusBar(&f), 190),
                                       place(new TProgressBar(&f), 340), place(new TTrackBar(&f), 370),
                                       place(new TDateTimePicker(&f), 400), place(new TBitBtn(&f), 430)};
    for (const auto& [control, kind] : ours) controls.push_back(control);
    auto* plain = new TLabel(&f);
    auto* red = new TLabel(&f);
    red->Font()->SetColor(clRed);
    std::vector<TControlLook> before;
    for (TWinControl* c : controls) before.push_back(LookOf(*c));
    form.SetSkinned(true);
    ASSERT_TRUE(form.Skinner());
    EXPECT_EQ(form.Skinner()->ControlSkinners().size(), controls.size() + 1) << "the list's header has its own";
    for (const auto& [control, kind] : ours) {
        const TSkinControl* skinner = form.Skinner()->FindControlSkinner(control->Handle());
        EXPECT_TRUE(skinner && typeid(*skinner) == *kind) << control->ClassName();
    }
    EXPECT_EQ(panel->Color(), form.Skin().Colours().ButtonFace);
    EXPECT_FALSE(panel->ParentBackground());
    EXPECT_EQ(plain->Font()->Color(), form.Skin().Colours().ButtonText) << "readable on the skin's face";
    EXPECT_EQ(red->Font()->Color(), clRed) << "a colour of its own stays";
    form.SetSkinned(false);
    for (size_t i = 0; i < controls.size(); ++i)
        EXPECT_EQ(LookOf(*controls[i]), before[i]) << controls[i]->ClassName();
    EXPECT_EQ(plain->Font()->Color(), clWindowText);
}

TEST(ControlRestore, AControlFreedFirstLeavesADeadSkinner) {
    frametest::SkinnedForm form(ControlSkin());
    form.SetSkinned(false);
    auto* button = new TButton(&form.Form());
    button->SetParent(&form.Form());
    button->HandleNeeded();
    form.SetSkinned(true);
    ASSERT_EQ(form.Skinner()->ControlSkinners().size(), 1u);
    button->Free();
    EXPECT_TRUE(form.Skinner()->ControlSkinners()[0]->Dead());
    form.SetSkinned(false);  // releasing a dead skinner touches nothing of the control
}
