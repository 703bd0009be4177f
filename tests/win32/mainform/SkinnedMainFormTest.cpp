// The main window skinned and unskinned again: every control has back what it had.
#include <functional>

#include "MainFormFixture.h"
#include "skin/controls/WinSubClass.h"
#include "skin/engine/SkinManage.h"
#include "skin/engine/WinSkinForm.h"
#include "tests/win32/skin/TestSkins.h"
#include "tests/win32/skincontrols/ControlLook.h"

namespace {

// Enough of a skin for every kind of control the window has.
skintest::TTestSkin ControlsOnlySkin() {
    skintest::TTestSkin skin;
    skin.definition =
        "[Colours]\nButtonFace=64,60,58\n"
        "[Buttons]\nBitmap=face.bmp\nCheckButton=glyph.bmp\nRadioButton=glyph.bmp\n"
        "[Tabs]\nImage=face.bmp\nBorder=face.bmp\n[StatusBarEdges]\nImage=face.bmp\n";
    skin.Image("face.bmp", skintest::SolidBmp(20, 12, 0x4080C0)).Image("glyph.bmp", skintest::SolidBmp(48, 12, 0xC08040));
    return skin;
}

void EachWindowedControl(TWinControl& parent, const std::function<void(TWinControl&)>& visit) {
    for (int i = 0; i < parent.ControlCount(); ++i)
        if (auto* child = dynamic_cast<TWinControl*>(parent.Controls(i))) {
            child->HandleNeeded();
            visit(*child);
            EachWindowedControl(*child, visit);
        }
}

}  // namespace

TEST_F(MainFormTest, UnskinningGivesEveryControlBackWhatItHad) {
    Start(false);
    ASSERT_TRUE(skintest::Load(*MainForm->SkinData, ControlsOnlySkin()));
    std::vector<TWinControl*> controls;
    std::vector<controltest::TControlLook> before;
    EachWindowedControl(*MainForm, [&](TWinControl& c) {
        controls.push_back(&c);
        before.push_back(controltest::LookOf(c));
    });
    TSkinManage& manager = EnsureSkinManager();
    manager.SetActive(true);
    ASSERT_TRUE(manager.SkinWindow(MainForm->Handle()));
    Application->ProcessMessages();
    const TWinSkinForm* frame = manager.FindFormSkinner(MainForm->Handle());
    ASSERT_NE(frame, nullptr);
    size_t changed = 0;
    for (size_t i = 0; i < controls.size(); ++i) changed += !(controltest::LookOf(*controls[i]) == before[i]);
    EXPECT_GE(frame->ControlSkinners().size(), 10u) << "buttons, boxes, pages, panels, edits, the status bar";
    EXPECT_GE(changed, frame->ControlSkinners().size() / 2);

    manager.SetRequestingComponent(MainForm->SkinData);
    manager.PostCommand(cmdUnskinAll, 0);
    manager.CommandTimer();
    Application->ProcessMessages();
    for (size_t i = 0; i < controls.size(); ++i)
        EXPECT_EQ(controltest::LookOf(*controls[i]), before[i]) << controls[i]->Name();
}
