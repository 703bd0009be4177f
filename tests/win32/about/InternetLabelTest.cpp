// The link label: its colours through loading, hovering, clicking and property writes, its
// hint rule, its About message and the veto of OnLinkActivating. Pointer and clicks take
// the toolkit's real ways: idle pointer tracking and mouse messages posted to the form.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/win32/about/AboutTestSupport.h"
#include "toolkit/Forms.h"
#include "toolkit/Streaming.h"
#include "util/InternetLabel.h"

using pelmar::testing::ClickAt;
using pelmar::testing::MessageBoxAnswerer;
using pelmar::testing::RecordingShell;

namespace {

class TLinkTestForm : public TForm {
    TOOLKIT_CLASS(TLinkTestForm, TForm)

public:
    using TForm::TForm;
    TInternetLabel* lnkHome = nullptr;
};

}  // namespace

const TClassInfo& TLinkTestForm::StaticClass() {
    using C = TLinkTestForm;
    using P = TProps<C>;
    static const TClassInfo info("TLinkTestForm", &TForm::StaticClass(), Creator<C>(), {}, {},
                                 {P::Field("lnkHome", &C::lnkHome)});
    return info;
}

namespace {

// A form with one link label, read from `labelProperties` so that each test says how the
// label is set up in its form file.
class LinkLabel : public ::testing::Test {
protected:
    void Load(const std::string& labelProperties) {
        form = new TLinkTestForm(nullptr);
        ReadComponent(*form,
                      "object LinkTestForm: TLinkTestForm\n"
                      "  Left = 200\n  Top = 200\n  ClientWidth = 300\n  ClientHeight = 120\n"
                      "  Font.Color = clBlack\n"
                      "  object lnkHome: TInternetLabel\n    Left = 40\n    Top = 40\n" +
                          labelProperties +
                          "    Caption = 'www.pelmar-tools.example'\n"
                          "    Link = 'http://www.pelmar-tools.example/'\n"
                          "  end\n"
                          "end\n");
        form->Show();
        Pump();
    }
    void TearDown() override {
        if (form) form->Free();
    }

    TInternetLabel& Label() { return *form->lnkHome; }
    TColor TextColor() { return Label().Font()->Color(); }
    bool Underlined() { return Label().Font()->Style().Contains(fsUnderline); }
    void PointerOver() { Application->TrackPointer(Label().ClientToScreen(POINT{3, 3}), GetTickCount()); }
    void PointerAway() { Application->TrackPointer(form->ClientToScreen(POINT{5, 110}), GetTickCount()); }
    void ClickLabel() { ClickAt(*form, POINT{Label().Left() + 3, Label().Top() + 3}); }

    TLinkTestForm* form = nullptr;
    RecordingShell shell;
};

TEST_F(LinkLabel, LoadedFromAFormFileItShowsItsStateColourWhateverTheFontSays) {
    // The font comes after the colour properties and gives another colour.
    Load("    NotVisitedColor = clNavy\n    Font.Color = clLime\n");
    EXPECT_EQ(TextColor(), clNavy);
    form->Free();
    // No colour property at all: the form's black font would otherwise win.
    Load("    ParentFont = True\n");
    EXPECT_EQ(TextColor(), clBlue);
    form->Free();
    Load("    Font.Color = clYellow\n    Visited = True\n    VisitedColor = clGreen\n    Font.Color = clAqua\n");
    EXPECT_EQ(TextColor(), clGreen);
}

TEST_F(LinkLabel, HoveringTurnsItRedAndUnderlinedThenBackToItsStateColourAndPlain) {
    Load("");
    std::vector<std::string> events;
    Label().OnMouseEnter = [&](TObject* sender) {
        events.push_back(sender == &Label() && TextColor() == clRed && Underlined() ? "enter, red" : "enter, wrong");
    };
    Label().OnMouseLeave = [&](TObject*) { events.push_back(TextColor() == clBlue ? "leave, blue" : "leave, wrong"); };
    PointerOver();
    EXPECT_TRUE(Label().Hovering());
    PointerAway();
    EXPECT_FALSE(Label().Hovering());
    EXPECT_FALSE(Underlined());
    EXPECT_EQ(events, (std::vector<std::string>{"enter, red", "leave, blue"}));
}

TEST_F(LinkLabel, AnUnderlineFromTheFormFileLastsUntilThePointerFirstLeaves) {
    Load("    Font.Style = [fsBold, fsUnderline]\n");
    EXPECT_TRUE(Underlined());
    PointerOver();
    PointerAway();
    EXPECT_FALSE(Underlined());
    EXPECT_TRUE(Label().Font()->Style().Contains(fsBold));  // other style flags are kept
    PointerOver();
    EXPECT_TRUE(Underlined());
}

TEST_F(LinkLabel, AClickThatTheShellStartsMakesItVisitedAtOnceEvenUnderThePointer) {
    Load("");
    int clicks = 0;
    Label().OnClick = [&](TObject*) { ++clicks; };
    PointerOver();
    ClickLabel();
    EXPECT_EQ(shell.opened, std::vector<std::string>{"http://www.pelmar-tools.example/"});
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(Label().Visited());
    EXPECT_EQ(TextColor(), clPurple);
    PointerAway();
    EXPECT_EQ(TextColor(), clPurple);
}

TEST_F(LinkLabel, AClickTheShellCannotStartLeavesOrMakesItNotVisited) {
    Load("    Visited = True\n");
    ASSERT_EQ(TextColor(), clPurple);
    shell.starts = false;
    ClickLabel();
    EXPECT_EQ(shell.opened.size(), 1u);
    EXPECT_FALSE(Label().Visited());
    EXPECT_EQ(TextColor(), clBlue);
    ClickLabel();
    EXPECT_FALSE(Label().Visited());
}

TEST_F(LinkLabel, ColourWritesRecolourOnlyTheColourNowShown) {
    Load("");
    PointerOver();
    Label().SetNotVisitedColor(clNavy);  // hovering: the over colour stays
    EXPECT_EQ(TextColor(), clRed);
    Label().SetOverColor(clFuchsia);
    EXPECT_EQ(TextColor(), clFuchsia);
    Label().SetVisited(true);  // recolours even under the pointer
    EXPECT_EQ(TextColor(), clPurple);
    Label().SetVisitedColor(clGreen);  // hovering: shown when the pointer leaves
    EXPECT_EQ(TextColor(), clPurple);
    PointerAway();
    EXPECT_EQ(TextColor(), clGreen);
    Label().SetOverColor(clRed);  // not hovering: nothing changes
    Label().SetNotVisitedColor(clBlue);
    EXPECT_EQ(TextColor(), clGreen);
    Label().SetVisitedColor(clMaroon);
    EXPECT_EQ(TextColor(), clMaroon);
    Label().SetVisited(false);
    EXPECT_EQ(TextColor(), clBlue);
}

TEST(LinkLabelHint, LinkHintMakesTheHintFollowLaterWritesOfLinkOnly) {
    TInternetLabel label(nullptr);
    label.SetLink("http://first.example/");
    label.SetLinkHint(true);
    EXPECT_EQ(label.Hint(), "");
    label.SetLink("http://second.example/");
    EXPECT_EQ(label.Hint(), "http://second.example/");
    label.SetLinkHint(false);
    label.SetLink("http://third.example/");
    EXPECT_EQ(label.Hint(), "http://second.example/");
}

TEST(LinkLabelAbout, WritingTrueShowsTheComponentsNameEveryTimeAndIsNeitherKeptNorStored) {
    Application->SetTitle("Link label tests");
    TInternetLabel label(nullptr);
    MessageBoxAnswerer answerer("Link label tests");
    label.SetAbout(true);
    label.SetAbout(false);
    EXPECT_TRUE(SetPropText(label, "About", "True"));
    EXPECT_EQ(answerer.texts, (std::vector<std::string>{"Internet Label 2.0", "Internet Label 2.0"}));
    EXPECT_FALSE(label.About());
    label.SetLink("http://www.pelmar-tools.example/");
    label.SetVisitedColor(clGreen);
    const std::string stored = WriteComponent(label);
    EXPECT_EQ(stored.find("About"), std::string::npos) << stored;
    EXPECT_NE(stored.find("Link = 'http://www.pelmar-tools.example/'"), std::string::npos) << stored;
    EXPECT_NE(stored.find("VisitedColor = clGreen"), std::string::npos) << stored;
}

TEST_F(LinkLabel, OnLinkActivatingCanVetoAClickAfterTheOrdinaryClickEvent) {
    Load("");
    std::vector<std::string> events;
    Label().OnClick = [&](TObject*) { events.push_back("click"); };
    Label().OnLinkActivating = [&](TObject* sender, bool& canActivate) {
        events.push_back(sender == &Label() && canActivate ? "asked, allowed" : "asked, wrong");
        canActivate = false;
    };
    ClickLabel();
    EXPECT_EQ(events, (std::vector<std::string>{"click", "asked, allowed"}));
    EXPECT_TRUE(shell.opened.empty());
    EXPECT_FALSE(Label().Visited());
}

TEST_F(LinkLabel, AnEmptyLinkOpensNothingUnlessOnLinkActivatingAllowsIt) {
    Load("");
    Label().SetLink("");
    ClickLabel();
    EXPECT_TRUE(shell.opened.empty());
    bool offered = true;
    Label().OnLinkActivating = [&](TObject*, bool& canActivate) {
        offered = canActivate;
        canActivate = true;
    };
    ClickLabel();
    EXPECT_FALSE(offered);
    EXPECT_EQ(shell.opened, std::vector<std::string>{""});
}

}  // namespace
