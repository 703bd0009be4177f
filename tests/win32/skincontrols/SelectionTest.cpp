// Which skinner a control gets: the toolkit-class table, the Skin3rd map, the SkinControls
// members and DisableTag, through the frame skinner's own dispatch; and the window-class
// rules for foreign windows.
#include <functional>
#include <typeinfo>

#include "ControlFixture.h"
#include "skin/controls/SkinCheckRadio.h"
#include "skin/controls/SkinDateTime.h"
#include "skin/controls/SkinProgress.h"
#include "skin/controls/SkinMP.h"
#include "skin/controls/SkinScrollbarH.h"
#include "skin/controls/SkinSelection.h"
#include "skin/controls/SkinSpeedButton.h"
#include "skin/controls/SkinTrackBar.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/MPlayer.h"

using namespace controltest;

namespace {

// A panel whose class name says it is a radio group, as other libraries' are.
class TTestRadioGroup : public TCustomPanel {
    TOOLKIT_CLASS(TTestRadioGroup, TCustomPanel)

public:
    using TCustomPanel::TCustomPanel;
};

// Another library's button, whose "Kind" makes it a drop-down button.
class TcxButton : public TButton {
    TOOLKIT_CLASS(TcxButton, TButton)

public:
    using TButton::TButton;
    std::string Kind() const { return kind_; }
    void SetKind(const std::string& kind) { kind_ = kind; }

private:
    std::string kind_ = "cxbkStandard";
};

// Another library's speed button, in the class-name map as the skin component comes.
class TRxSpeedButton : public TSpeedButton {
    TOOLKIT_CLASS(TRxSpeedButton, TSpeedButton)

public:
    using TSpeedButton::TSpeedButton;
};

}  // namespace

const TClassInfo& TTestRadioGroup::StaticClass() {
    static const TClassInfo info("TTestRadioGroup", &TCustomPanel::StaticClass());
    return info;
}

const TClassInfo& TcxButton::StaticClass() {
    static const TClassInfo info("TcxButton", &TButton::StaticClass(), nullptr,
                                 {TProps<TcxButton>::String("Kind", &TcxButton::Kind, &TcxButton::SetKind)});
    return info;
}

const TClassInfo& TRxSpeedButton::StaticClass() {
    static const TClassInfo info("TRxSpeedButton", &TSpeedButton::StaticClass());
    return info;
}

namespace {

using TMake = std::function<TControl*(TForm&)>;

template <class C>
TMake MakeOf() {
    return [](TForm& form) -> TControl* {
        auto* control = new C(&form);
        control->SetParent(&form);
        control->SetBounds(10, 10, 80, 24);
        return control;
    };
}

// The skinner the form's frame skinner holds for a control, as a type name ("" for none).
std::string SkinnerOf(frametest::SkinnedForm& form, const TControl& control) {
    const TSkinControl* skinner = SkinnerFor(form, control);
    return skinner ? typeid(*skinner).name() : "";
}

// A control made by `make` on the form, skinned with a line added to Skin3rd and a member
// cleared.
TControl* SkinnedWith(frametest::SkinnedForm& form, const TMake& make, const char* skin3rd,
                      std::optional<TSkinControlType> cleared) {
    form.SetSkinned(false);
    if (*skin3rd) form.Skin().Skin3rd()->Add(skin3rd);
    if (cleared) form.Skin().SetSkinControls(form.Skin().SkinControls() - TSkinControlTypes{*cleared});
    TControl* control = make(form.Form());
    form.SetSkinned(true);
    return control;
}

TMake CxButtonOf(const char* kind) {
    return [kind](TForm& form) -> TControl* {
        auto* button = static_cast<TcxButton*>(MakeOf<TcxButton>()(form));
        button->SetKind(kind);
        return button;
    };
}

// A control, the line added to Skin3rd and the member cleared, and the skinner (its type
// name, "" for none) and mode it gets.
struct Case {
    const char* what;
    TMake make;
    const char* skin3rd;
    std::optional<TSkinControlType> cleared;
    const char* skinner;
    int mode = 0;
};

}  // namespace

TEST(ControlSelection, ChoosesBySkin3rdTheClassTableAndTheMembers) {
    const std::string button = typeid(TSkinButton).name();
    const std::string check = typeid(TSkinCheckBox).name();
    const std::string progress = typeid(TSkinProgress).name();
    const std::string track = typeid(TSkinTrackBar).name();
    const std::string dateTime = typeid(TSkinDateTime).name();
    const std::string player = typeid(TSkinMP).name();
    const std::string glyphButton = typeid(TSkinBitButton).name();
    const std::string speedButton = typeid(TSkinSpeedButton).name();
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
        {"a media player", MakeOf<TMediaPlayer>(), "", {}, player.c_str()},
        {"a media player without xcButton", MakeOf<TMediaPlayer>(), "", xcButton, ""},
        {"a panel mapped to mediaplayer", MakeOf<TPanel>(), "TPanel=mediaplayer", {}, player.c_str()},
        {"a glyph button, a push button too", MakeOf<TBitBtn>(), "", {}, glyphButton.c_str()},
        {"a speed button, without a window", MakeOf<TSpeedButton>(), "", {}, speedButton.c_str()},
        {"a speed button without xcSpeedButton", MakeOf<TSpeedButton>(), "", xcSpeedButton, ""},
    };
    for (const Case& c : cases) {
        frametest::SkinnedForm form(ControlSkin());
        EXPECT_EQ(SkinnerOf(form, *SkinnedWith(form, c.make, c.skin3rd, c.cleared)), c.skinner) << c.what;
    }
}

TEST(ControlSelection, DisableTagLeavesAControlAndARadioGroupsButtonsAlone) {
    frametest::SkinnedForm form(ControlSkin());
    form.SetSkinned(false);
    const int disable = form.Skin().DisableTag();
    TControl* tagged = MakeOf<TButton>()(form.Form());
    tagged->SetTag(disable);
    auto* group = new TTestRadioGroup(&form.Form());
    group->SetParent(&form.Form());
    group->SetTag(disable);
    auto* inGroup = new TRadioButton(&form.Form());
    inGroup->SetParent(group);
    TControl* free = MakeOf<TRadioButton>()(form.Form());
    form.SetSkinned(true);
    EXPECT_EQ(SkinnerOf(form, *tagged), "");
    EXPECT_EQ(inGroup->Tag(), disable);
    EXPECT_EQ(SkinnerOf(form, *inGroup), "");
    EXPECT_EQ(SkinnerOf(form, *free), typeid(TSkinRadioButton).name());
}

TEST(ControlSelection, Skin3rdKindsAndTheirMembers) {
    frametest::SkinnedForm form(ControlSkin());
    TSkinData& skin = form.Skin();
    TControl* panel = MakeOf<TPanel>()(form.Form());
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

TEST(ControlSelection, GlyphButtonKindsOfSkin3rd) {
    const std::string glyphButton = typeid(TSkinBitButton).name();
    const std::string menuButton = typeid(TSkinMenuButton).name();
    const std::string speedButton = typeid(TSkinSpeedButton).name();
    const Case cases[] = {
        {"bitbtn", MakeOf<TButton>(), "TButton=bitbtn", {}, glyphButton.c_str()},
        {"bitbtn without xcButton", MakeOf<TButton>(), "TButton=bitbtn", xcButton, ""},
        {"bitbtn, a drop-down cxButton", CxButtonOf("cxbkDropDownButton"), "", {}, menuButton.c_str()},
        {"bitbtn, another cxButton", CxButtonOf("cxbkStandard"), "", {}, glyphButton.c_str()},
        {"pngbitbtn", MakeOf<TButton>(), "TButton=pngbitbtn", {}, glyphButton.c_str(), 1},
        {"menubtn", MakeOf<TButton>(), "TButton=MenuBtn", {}, menuButton.c_str()},
        {"speedbutton", MakeOf<TRxSpeedButton>(), "", {}, speedButton.c_str()},
        {"speedbutton without xcSpeedButton", MakeOf<TRxSpeedButton>(), "", xcSpeedButton, ""},
        {"a windowless control mapped to button", MakeOf<TSpeedButton>(), "TSpeedButton=button", {}, ""},
    };
    for (const Case& c : cases) {
        frametest::SkinnedForm form(ControlSkin());
        TControl* control = SkinnedWith(form, c.make, c.skin3rd, c.cleared);
        EXPECT_EQ(SkinnerOf(form, *control), c.skinner) << c.what;
        if (*c.skinner) {
            EXPECT_EQ(SkinnerFor(form, *control)->Mode(), c.mode) << c.what;
        }
    }
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
