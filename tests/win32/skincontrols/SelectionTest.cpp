// Which skinner a control gets: the toolkit-class table, the Skin3rd map, the SkinControls
// members and DisableTag, through the frame skinner's own dispatch; and the window-class
// rules for foreign windows.
#include <functional>
#include <typeinfo>

#include "ControlFixture.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinCheckRadio.h"
#include "skin/controls/SkinDateTime.h"
#include "skin/controls/SkinProgress.h"
#include "skin/controls/SkinScrollbarH.h"
#include "skin/controls/SkinSelection.h"
#include "skin/controls/SkinTrackBar.h"
#include "toolkit/ComCtrls.h"

using namespace controltest;

namespace {

// A panel whose class name says it is a radio group, as other libraries' are.
class TTestRadioGroup : public TCustomPanel {
    TOOLKIT_CLASS(TTestRadioGroup, TCustomPanel)

public:
    using TCustomPanel::TCustomPanel;
};

}  // namespace

const TClassInfo& TTestRadioGroup::StaticClass() {
    static const TClassInfo info("TTestRadioGroup", &TCustomPanel::StaticClass());
    return info;
}

namespace {

using TMake = std::function<TWinControl*(TForm&)>;

template <class C>
TMake MakeOf() {
    return [](TForm& form) -> TWinControl* {
        auto* control = new C(&form);
        control->SetParent(&form);
        control->SetBounds(10, 10, 80, 24);
        return control;
    };
}

// The skinner the form's frame skinner holds for a window, as a type name ("" for none).
std::string SkinnerOf(frametest::SkinnedForm& form, HWND window) {
    const TSkinControl* skinner = form.Skinner()->FindControlSkinner(window);
    return skinner ? typeid(*skinner).name() : "";
}

}  // namespace

TEST(ControlSelection, ChoosesBySkin3rdTheClassTableAndTheMembers) {
    struct Case {
        const char* what;
        TMake make;
        const char* skin3rd;
        std::optional<TSkinControlType> cleared;
        const char* skinner;
    };
    const std::string button = typeid(TSkinButton).name();
    const std::string check = typeid(TSkinCheckBox).name();
    const std::string progress = typeid(TSkinProgress).name();
    const std::string track = typeid(TSkinTrackBar).name();
    const std::string dateTime = typeid(TSkinDateTime).name();
    const Case cases[] = {
        {"a push button", MakeOf<TButton>(), "", {}, button.c_str()},
        {"a class mapped to nil", MakeOf<TButton>(), "TButton=nil", {}, ""},
        {"a panel mapped to button", MakeOf<TPanel>(), "TPanel=Button", {}, button.c_str()},
        {"a mapped kind whose member is off", MakeOf<TCheckBox>(), "TCheckBox=button", xcButton, ""},
        {"push buttons without xcButton", MakeOf<TButton>(), "", xcButton, ""},
        {"check boxes without xcButton", MakeOf<TCheckBox>(), "", xcButton, check.c_str()},
        {"a check box without xcCheckBox", MakeOf<TCheckBox>(), "", xcCheckBox, ""},
        {"a progress bar", MakeOf<TProgressBar>(), "", {}, progress.c_str()},
        {"a progress bar without xcProgress", MakeOf<TProgressBar>(), "", xcProgress, ""},
        {"a track bar", MakeOf<TTrackBar>(), "", {}, track.c_str()},
        {"a track bar without xcTrackBar", MakeOf<TTrackBar>(), "", xcTrackBar, ""},
        {"a date-time picker", MakeOf<TDateTimePicker>(), "", {}, dateTime.c_str()},
        {"a date-time picker without xcCombo", MakeOf<TDateTimePicker>(), "", xcCombo, ""},
    };
    for (const Case& c : cases) {
        frametest::SkinnedForm form(ControlSkin());
        form.SetSkinned(false);
        if (*c.skin3rd) form.Skin().Skin3rd()->Add(c.skin3rd);
        if (c.cleared) form.Skin().SetSkinControls(form.Skin().SkinControls() - TSkinControlTypes{*c.cleared});
        TWinControl* control = c.make(form.Form());
        form.SetSkinned(true);
        EXPECT_EQ(SkinnerOf(form, control->Handle()), c.skinner) << c.what;
    }
}

TEST(ControlSelection, DisableTagLeavesAControlAndARadioGroupsButtonsAlone) {
    frametest::SkinnedForm form(ControlSkin());
    form.SetSkinned(false);
    const int disable = form.Skin().DisableTag();
    TWinControl* tagged = MakeOf<TButton>()(form.Form());
    tagged->SetTag(disable);
    auto* group = new TTestRadioGroup(&form.Form());
    group->SetParent(&form.Form());
    group->SetTag(disable);
    auto* inGroup = new TRadioButton(&form.Form());
    inGroup->SetParent(group);
    TWinControl* free = MakeOf<TRadioButton>()(form.Form());
    form.SetSkinned(true);
    EXPECT_EQ(SkinnerOf(form, tagged->Handle()), "");
    EXPECT_EQ(inGroup->Tag(), disable);
    EXPECT_EQ(SkinnerOf(form, inGroup->Handle()), "");
    EXPECT_EQ(SkinnerOf(form, free->Handle()), typeid(TSkinRadioButton).name());
}

TEST(ControlSelection, Skin3rdKindsAndTheirMembers) {
    frametest::SkinnedForm form(ControlSkin());
    TSkinData& skin = form.Skin();
    TWinControl* panel = MakeOf<TPanel>()(form.Form());
    EXPECT_EQ(ChoiceForKind("trackbar", "TPanel", skin, *panel).kind, skTrackBar);
    skin.SetSkinControls(skin.SkinControls() - TSkinControlTypes{xcButton});
    EXPECT_EQ(ChoiceForKind("trackbar", "TPanel", skin, *panel).kind, skNone) << "governed by xcButton";
    skin.SetSkinControls(skin.SkinControls() + TSkinControlTypes{xcButton} - TSkinControlTypes{xcTrackBar});
    EXPECT_EQ(ChoiceForKind("trackbar", "TPanel", skin, *panel).kind, skTrackBar) << "not by xcTrackBar";

    TStringList map;
    map.Add("TRzButtonEdit=Edit");
    map.Add("TRzButton=button");
    EXPECT_EQ(Skin3rdKind(map, "TRzButton"), "button") << "the class and '=' must match";
    EXPECT_EQ(Skin3rdKind(map, "trzbuttonedit"), "edit");
    EXPECT_EQ(Skin3rdKind(map, "TRz"), std::nullopt);
}

TEST(ControlSelection, ForeignWindowsByClassAndStyle) {
    frametest::SkinnedForm form(ControlSkin());
    TSkinData& skin = form.Skin();
    struct Case {
        const char* className;
        DWORD style;
        TSkinnerKind kind;
    };
    const Case cases[] = {
        {"button", BS_PUSHBUTTON, skButton},         {"button", BS_DEFPUSHBUTTON, skButton},
        {"button", BS_AUTOCHECKBOX, skCheckBox},     {"button", BS_3STATE, skCheckBox},
        {"button", BS_AUTORADIOBUTTON, skRadioButton}, {"button", BS_RADIOBUTTON, skRadioButton},
        {"button", BS_GROUPBOX, skNone},             {"button", BS_OWNERDRAW, skNone},
        {"button", BS_PUSHBUTTON | BS_BITMAP, skNone}, {"systreeview32", WS_TABSTOP, skNone},
        {"scrollbar", SBS_SIZEGRIP, skSizer},        {"scrollbar", WS_TABSTOP, skNone},
        {"#32770", 0, skBoxH},                       {"combobox", CBS_SIMPLE, skNone},
        {"combobox", CBS_DROPDOWNLIST, skComBox},    {"edit", 0, skEdit},
        {"systabcontrol32", 0x2000, skNone},         {"toolbarwindow32", 0, skBoxH},
    };
    for (const Case& c : cases) EXPECT_EQ(ChoiceForForeignWindow(c.className, c.style, skin).kind, c.kind) << c.className << c.style;
    skin.SetSkinControls(skin.SkinControls() - TSkinControlTypes{xcButton});
    EXPECT_EQ(ChoiceForForeignWindow("button", BS_PUSHBUTTON, skin).kind, skNone);
    EXPECT_EQ(ChoiceForForeignWindow("button", BS_AUTOCHECKBOX, skin).kind, skCheckBox);
    EXPECT_NE(dynamic_cast<TSkinScrollbarH*>(MakeSkinner(skScrollbarH).get()), nullptr);
}
