// Buttons, check boxes, radio groups, edits, memos, labels and group boxes over their
// system windows.
#include <gtest/gtest.h>

#include "ControlsTestSupport.h"
#include "tests/support/RecordedErrors.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/StdCtrls.h"

namespace {

struct RadioScene : FormScene {
    TGroupBox* group = Make<TGroupBox>(form);
    TRadioButton* off = Make<TRadioButton>(group);
    TRadioButton* tips = Make<TRadioButton>(group);
    TRadioButton* status = Make<TRadioButton>(group);
    TRadioButton* elsewhere = Make<TRadioButton>(form);  // another parent: another group
};

}  // namespace

TEST(StdCtrls, SelectingARadioButtonDeselectsOnlyItsSiblings) {
    RadioScene s;
    s.elsewhere->SetChecked(true);
    s.off->SetChecked(true);
    s.tips->SetChecked(true);
    EXPECT_FALSE(s.off->Checked());
    EXPECT_TRUE(s.tips->Checked());
    EXPECT_TRUE(s.elsewhere->Checked());
    // Deselecting changes nothing else: the group may end with none selected.
    s.tips->SetChecked(false);
    EXPECT_FALSE(s.off->Checked() || s.tips->Checked() || s.status->Checked());
    // The windows show the same state.
    s.status->SetChecked(true);
    EXPECT_EQ(SendMessageA(s.status->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageA(s.off->Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST(StdCtrls, OnlyTheUsersSelectionOfARadioButtonClicks) {
    RadioScene s;
    std::vector<std::string> clicks;
    for (TRadioButton* r : {s.off, s.tips, s.status})
        r->OnClick = [&clicks](TObject* sender) { clicks.push_back(static_cast<TRadioButton*>(sender)->Name()); };
    s.off->SetName("off");
    s.tips->SetName("tips");
    s.tips->SetChecked(true);  // restoring a choice from code: no click
    EXPECT_TRUE(clicks.empty());
    SendMessageA(s.off->Handle(), BM_CLICK, 0, 0);
    SendMessageA(s.off->Handle(), BM_CLICK, 0, 0);  // already selected: no second click
    EXPECT_EQ(clicks, std::vector<std::string>{"off"});
    EXPECT_TRUE(s.off->Checked());
    EXPECT_FALSE(s.tips->Checked());
}

TEST(StdCtrls, ArrowKeysSelectTheNextRadioButtonOfTheSameParentRoundTheGroup) {
    RadioScene s;
    auto* check = Make<TCheckBox>(s.group);  // in the tab order, but no radio button
    auto* disabled = Make<TRadioButton>(s.group);
    disabled->SetEnabled(false);
    s.status->SetTabOrder(0);  // the group's order is the tab order: status, off, tips
    std::vector<TRadioButton*> clicks;
    for (TRadioButton* r : {s.off, s.tips, s.status, disabled})
        r->OnClick = [&clicks](TObject* sender) { clicks.push_back(static_cast<TRadioButton*>(sender)); };
    s.elsewhere->SetChecked(true);
    s.form->Show();
    s.off->SetChecked(true);
    s.off->SetFocus();
    Pump();
    auto press = [](WORD key) {
        SendMessageA(GetFocus(), WM_KEYDOWN, key, 0);
        Pump(10);
    };
    press(VK_DOWN);
    EXPECT_TRUE(s.tips->Checked());
    EXPECT_EQ(GetFocus(), s.tips->Handle());
    press(VK_RIGHT);  // past the last: round to the first, skipping the disabled one
    EXPECT_TRUE(s.status->Checked());
    EXPECT_EQ(GetFocus(), s.status->Handle());
    press(VK_UP);  // before the first: round to the last
    EXPECT_TRUE(s.tips->Checked());
    press(VK_LEFT);
    EXPECT_TRUE(s.off->Checked());
    EXPECT_EQ(clicks, (std::vector<TRadioButton*>{s.tips, s.status, s.tips, s.off}));
    EXPECT_FALSE(s.tips->Checked() || s.status->Checked() || disabled->Checked() || check->Checked());
    EXPECT_TRUE(s.elsewhere->Checked());  // another parent, another group

    // A key handler that takes the key keeps the selection where it is.
    s.off->OnKeyDown = [](TObject*, WORD& key, TShiftState) { key = 0; };
    press(VK_DOWN);
    EXPECT_TRUE(s.off->Checked());
    EXPECT_EQ(clicks.size(), 4u);
}

namespace {

// The controls that Tab focuses in turn, from `start` round to it again.
std::vector<TWinControl*> TabWalk(TWinControl* start) {
    start->SetFocus();
    std::vector<TWinControl*> stops;
    for (int i = 0; i < 20; ++i) {
        PostMessageA(GetFocus(), WM_KEYDOWN, VK_TAB, 0);
        Pump(10);
        TWinControl* focused = FindControl(GetFocus());
        if (focused == start) break;
        stops.push_back(focused);
    }
    return stops;
}

}  // namespace

TEST(StdCtrls, TabStopsAtTheSelectedRadioButtonOfAGroupOnly) {
    RadioScene s;
    auto* first = Make<TButton>(s.form);
    first->SetTabOrder(0);
    s.form->Show();
    Pump();
    using Stops = std::vector<TWinControl*>;
    EXPECT_EQ(TabWalk(first), (Stops{s.off, s.tips, s.status, s.elsewhere})) << "none selected: each";
    s.tips->SetChecked(true);
    auto* late = Make<TRadioButton>(s.group);  // joins a group that has a selection
    EXPECT_EQ(TabWalk(first), (Stops{s.tips, s.elsewhere}));
    s.tips->SetFocus();
    PostMessageA(s.tips->Handle(), WM_KEYDOWN, VK_DOWN, 0);
    Pump(10);
    EXPECT_TRUE(s.status->Checked()) << "the arrow keys still move the selection";
    EXPECT_EQ(TabWalk(first), (Stops{s.status, s.elsewhere}));
    s.status->SetParent(s.form);  // leaves the group: the group has no selection left
    EXPECT_EQ(TabWalk(first), (Stops{s.off, s.tips, late, s.status}))
        << "its new group's selection is the new group's stop";
}

TEST(StdCtrls, CheckBoxClicksStepThroughItsStates) {
    FormScene s;
    auto* box = Make<TCheckBox>(s.form);
    int clicks = 0;
    box->OnClick = [&](TObject*) { ++clicks; };
    SendMessageA(box->Handle(), BM_CLICK, 0, 0);
    EXPECT_TRUE(box->Checked());
    SendMessageA(box->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(box->State(), cbUnchecked);
    box->SetAllowGrayed(true);
    SendMessageA(box->Handle(), BM_CLICK, 0, 0);
    SendMessageA(box->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(box->State(), cbGrayed);
    EXPECT_EQ(SendMessageA(box->Handle(), BM_GETCHECK, 0, 0), BST_INDETERMINATE);
    EXPECT_EQ(GetPropText(*box, "State"), "cbGrayed");
    EXPECT_EQ(GetPropText(*box, "Checked"), "False");
    EXPECT_EQ(clicks, 4);
    box->SetAllowGrayed(false);  // a grayed box cannot stay grayed
    EXPECT_EQ(box->State(), cbUnchecked);
}

TEST(StdCtrls, DefaultAndCancelButtonsTakeEnterAndEscapeAndSetTheModalResult) {
    FormScene s;
    auto* ok = Make<TButton>(s.form);
    auto* cancel = Make<TButton>(s.form);
    ok->SetDefault(true);
    ok->SetModalResult(mrOk);
    cancel->SetCancel(true);
    cancel->SetModalResult(mrCancel);
    int okClicks = 0;
    ok->OnClick = [&](TObject*) { ++okClicks; };
    s.form->Show();
    EXPECT_EQ(s.form->Perform(CM_DIALOGKEY, VK_RETURN), 1);
    EXPECT_EQ(okClicks, 1);
    EXPECT_EQ(s.form->ModalResult(), mrOk);
    EXPECT_EQ(s.form->Perform(CM_DIALOGKEY, VK_ESCAPE), 1);
    EXPECT_EQ(s.form->ModalResult(), mrCancel);
    EXPECT_TRUE(GetWindowLongA(ok->Handle(), GWL_STYLE) & BS_DEFPUSHBUTTON);
    ok->SetDefault(false);
    EXPECT_EQ(s.form->Perform(CM_DIALOGKEY, VK_RETURN), 0);  // nobody takes Enter now
    EXPECT_EQ(okClicks, 1);
    s.form->Hide();
}

TEST(StdCtrls, EditReportsEveryChangeAndKeepsItsBevelsOutsideTheText) {
    FormScene s;
    auto* edit = Make<TEdit>(s.form);
    std::vector<std::string> seen;
    edit->OnChange = [&](TObject*) { seen.push_back(edit->Text()); };
    edit->SetText("C:");  // before the window exists
    SetWindowTextA(edit->Handle(), "C:\\");
    EXPECT_EQ(seen, (std::vector<std::string>{"C:", "C:\\"}));

    RECT plain;
    GetClientRect(edit->Handle(), &plain);
    edit->SetBorderStyle(bsNone);
    edit->SetBevelKind(bkSoft);
    edit->SetBevelInner(bvNone);
    edit->SetBevelWidth(2);
    RECT bevelled;
    GetClientRect(edit->Handle(), &bevelled);
    EXPECT_EQ(bevelled.right, edit->Width() - 4);  // a 2-pixel outer bevel each side, no border
    EXPECT_EQ(edit->Text(), "C:\\");              // re-creating the window kept the text
    EXPECT_THROW(edit->SetBorderStyle(bsDialog), EPropertyError);
    EXPECT_THROW(SetPropText(*edit, "BorderStyle", "bsSizeable"), EPropertyError);
    EXPECT_EQ(edit->BorderStyle(), bsNone);
}

TEST(StdCtrls, AnEditsChangeHandlerErrorGoesToTheErrorBoxWithOrWithoutAWindow) {
    FormScene s;
    auto* edit = Make<TEdit>(s.form);
    pelmar::testing::RecordedErrors errors;
    edit->OnChange = [&](TObject*) { throw EConvertError("not a folder: " + edit->Text()); };
    EXPECT_NO_THROW(edit->SetText("C:"));  // before the window exists
    EXPECT_NO_THROW(edit->SetText("C:\\"));
    edit->HandleNeeded();
    EXPECT_NO_THROW(edit->SetText("D:"));
    EXPECT_EQ(errors, (std::vector<std::string>{"not a folder: C:", "not a folder: C:\\", "not a folder: D:"}));
    EXPECT_EQ(edit->Text(), "D:");
}

TEST(StdCtrls, MemoLinesFollowTheTextBoxRules) {
    FormScene s;
    auto* memo = Make<TMemo>(s.form);
    memo->Lines()->SetText("one\ntwo\rthree\r\n");
    EXPECT_EQ(memo->Text(), "one\r\ntwo\r\nthree\r\n");
    EXPECT_EQ(memo->Lines()->Count(), 3);  // the empty last line does not count
    memo->SetText("a\r\nb");
    memo->Lines()->Add("c");
    EXPECT_EQ(memo->Text(), "a\r\nb\r\nc");
    memo->Lines()->Insert(0, "first");
    memo->Lines()->Delete(2);
    EXPECT_EQ(memo->Lines()->Lines(), (std::vector<std::string>{"first", "a", "c"}));
    EXPECT_EQ(memo->Lines()->Text(), "first\r\na\r\nc");  // byte for byte, no break added
    EXPECT_THROW(memo->Lines()->Get(3), EStringListError);
}

TEST(StdCtrls, TextBeyondTheMemoCapacityIsRefusedAndTheOldTextStays) {
    FormScene s;
    auto* memo = Make<TMemo>(s.form);
    memo->SetMaxLength(10);
    memo->SetText("12345678");
    try {
        memo->SetText("12345678901");
        FAIL() << "no error";
    } catch (const EInvalidOperation& e) {
        EXPECT_STREQ(e.what(), "Text exceeds memo capacity");
    }
    EXPECT_EQ(memo->Text(), "12345678");
    EXPECT_THROW(memo->Lines()->Add("xy"), EInvalidOperation);  // 8 + CR LF + 2 > 10
    EXPECT_EQ(memo->Text(), "12345678");
    memo->Lines()->Insert(0, "");  // 8 + CR LF fits
    EXPECT_EQ(memo->Text(), "\r\n12345678");
    // Without a limit the window holds more than its default typing limit.
    memo->SetMaxLength(0);
    const std::string big(100000, 'x');
    memo->SetText(big);
    memo->Lines()->Add("tail");
    EXPECT_EQ(memo->Text().size(), big.size() + 6);
}

TEST(StdCtrls, TabLeavesAMemoUnlessItWantsTabs) {
    FormScene s;
    auto* memo = Make<TMemo>(s.form);
    auto* next = Make<TButton>(s.form);
    next->SetTop(120);
    s.form->Show();
    auto pressTab = [&] {
        memo->SetFocus();
        Pump(10);
        EXPECT_EQ(GetFocus(), memo->Handle());
        PostMessageA(memo->Handle(), WM_KEYDOWN, VK_TAB, 0);
        Pump();
    };
    pressTab();
    EXPECT_EQ(GetFocus(), next->Handle());
    EXPECT_EQ(memo->Text(), "");

    ASSERT_TRUE(SetPropText(*memo, "WantTabs", "True"));
    pressTab();
    EXPECT_EQ(GetFocus(), memo->Handle());
    EXPECT_EQ(memo->Text(), "\t");
    // Enter still types a line break in a memo, whatever WantTabs says.
    EXPECT_TRUE(SendMessageA(memo->Handle(), WM_GETDLGCODE, VK_RETURN, 0) & DLGC_WANTALLKEYS);
}

TEST(StdCtrls, AutoSizedLabelFitsItsCaptionAndRightAlignedKeepsItsRightEdge) {
    FormScene s;
    auto* label = Make<TLabel>(s.form);
    label->SetBounds(100, 10, 50, 50);
    label->SetCaption("Version 1.0.0.19");
    const int wide = label->Width();
    EXPECT_GT(wide, 50);
    EXPECT_LT(label->Height(), 50);
    label->SetAlignment(taRightJustify);
    const int right = label->Left() + label->Width();
    label->SetCaption("V");
    EXPECT_EQ(label->Left() + label->Width(), right);
    EXPECT_LT(label->Width(), wide);
    label->SetAutoSize(false);
    label->SetCaption("a much longer caption than before");
    EXPECT_LT(label->Width(), wide);
}

TEST(StdCtrls, GroupBoxClicksAndItsChildrenSitBelowTheCaption) {
    FormScene s;
    auto* group = Make<TGroupBox>(s.form);
    group->SetBounds(10, 10, 200, 100);
    group->SetCaption("Help");
    auto* inner = Make<TPanel>(group);
    inner->SetAlign(alClient);
    EXPECT_GT(inner->Top(), 5);
    int clicks = 0;
    group->OnClick = [&](TObject*) { ++clicks; };
    SendMessageA(group->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageA(group->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    EXPECT_EQ(clicks, 1);
}

TEST(StdCtrls, WindowClassesNameTheToolkitClassesAndKeepTheSystemBehaviour) {
    FormScene s;
    auto* button = Make<TButton>(s.form);
    auto* edit = Make<TEdit>(s.form);
    auto* memo = Make<TMemo>(s.form);
    auto* check = Make<TCheckBox>(s.form);
    EXPECT_EQ(WindowClassOf(button->Handle()), "TButton");
    EXPECT_EQ(WindowClassOf(edit->Handle()), "TEdit");
    EXPECT_EQ(WindowClassOf(memo->Handle()), "TMemo");
    EXPECT_EQ(WindowClassOf(check->Handle()), "TCheckBox");
    EXPECT_EQ(SendMessageA(edit->Handle(), WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL, DLGC_HASSETSEL);
    EXPECT_TRUE(GetWindowLongA(memo->Handle(), GWL_STYLE) & ES_MULTILINE);
    EXPECT_TRUE(check->Is<TCustomCheckBox>());
    check->SetChecked(true);
    EXPECT_TRUE(SetPropText(*check, "Alignment", "taLeftJustify"));  // caption left of the box
    EXPECT_TRUE(GetWindowLongA(check->Handle(), GWL_STYLE) & BS_LEFTTEXT);
    EXPECT_EQ(SendMessageA(check->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);  // kept by the new window
    EXPECT_TRUE(memo->Is<TCustomEdit>());
}
