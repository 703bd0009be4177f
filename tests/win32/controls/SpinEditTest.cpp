// The spin box's value rules: the number in its text, the range for arrows, for values the
// program sets and for what the focus leaves behind, and typing taken as typed.
#include <gtest/gtest.h>

#include "ControlsTestSupport.h"
// After <windows.h>, which the support header brings.
#include <commctrl.h>

#include "toolkit/Spin.h"

namespace {

struct SpinScene : FormScene {
    TSpinEdit* spin = Make<TSpinEdit>(form);
    TEdit* other = Make<TEdit>(form);
    SpinScene() {
        spin->SetMinValue(800);
        spin->SetMaxValue(20000);
        spin->SetIncrement(50);
        spin->SetValue(4000);
    }
    // What the user's typing puts in the box.
    void Type(const std::string& text) { SetWindowTextA(spin->Handle(), text.c_str()); }
};

}  // namespace

TEST(SpinEdit, WholeNumbersParseAndEverythingElseIsNoNumber) {
    EXPECT_EQ(ParseWholeNumber("4000"), 4000);
    EXPECT_EQ(ParseWholeNumber("-12"), -12);
    EXPECT_EQ(ParseWholeNumber("+7"), 7);
    EXPECT_EQ(ParseWholeNumber("2147483647"), 2147483647);
    EXPECT_EQ(ParseWholeNumber("-2147483648"), -2147483647 - 1);
    for (const char* bad : {"", "-", "12a", " 12", "1.5", "2147483648", "99999999999999999999"})
        EXPECT_EQ(ParseWholeNumber(bad), std::nullopt) << bad;
}

TEST(SpinEdit, TypingIsTakenAsTypedAndNoNumberCountsAsTheMinimum) {
    SpinScene s;
    std::vector<int> values;
    s.spin->OnChange = [&](TObject*) { values.push_back(s.spin->Value()); };
    s.Type("1000");
    s.Type("100");
    s.Type("");
    s.Type("99999");
    EXPECT_EQ(values, (std::vector<int>{1000, 100, 800, 99999}));
    EXPECT_EQ(s.spin->Text(), "99999");  // not corrected while typing
}

TEST(SpinEdit, ValuesFromTheProgramAndFromLeavingTheBoxArePulledIntoTheRange) {
    SpinScene s;
    s.spin->SetValue(100);
    EXPECT_EQ(s.spin->Text(), "800");
    s.spin->SetValue(25000);
    EXPECT_EQ(s.spin->Text(), "20000");
    EXPECT_TRUE(SetPropText(*s.spin, "Value", "-5"));
    EXPECT_EQ(s.spin->Value(), 800);

    s.form->Show();
    s.spin->SetFocus();
    s.Type("100");
    EXPECT_EQ(s.spin->Value(), 100);
    s.other->SetFocus();
    EXPECT_EQ(s.spin->Text(), "800");
    s.spin->SetFocus();
    s.Type("abc");
    s.other->SetFocus();
    EXPECT_EQ(s.spin->Text(), "800");
    s.spin->SetFocus();
    s.Type("1234");
    s.other->SetFocus();
    EXPECT_EQ(s.spin->Text(), "1234");  // in range: left as typed
    s.form->Hide();
}

TEST(SpinEdit, ArrowsStepWithinTheRange) {
    SpinScene s;
    s.spin->SetValue(19980);
    SendMessageA(s.spin->Handle(), WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(s.spin->Value(), 20000);
    SendMessageA(s.spin->Handle(), WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(s.spin->Value(), 20000);
    s.Type("100");
    SendMessageA(s.spin->Handle(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(s.spin->Value(), 800);
    // The up-down beside the text steps the same way.
    HWND upDown = s.spin->UpDownHandle();
    ASSERT_NE(upDown, nullptr);
    EXPECT_EQ(WindowClassOf(upDown), "msctls_updown32");
    EXPECT_EQ(GetParent(upDown), s.spin->Handle());
    NMUPDOWN press{};
    press.hdr = NMHDR{upDown, 0, static_cast<UINT>(UDN_DELTAPOS)};
    press.iDelta = 1;
    EXPECT_EQ(SendMessageA(s.spin->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&press)), 1);
    EXPECT_EQ(s.spin->Value(), 850);
    press.iDelta = -1;
    SendMessageA(s.spin->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&press));
    SendMessageA(s.spin->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&press));
    EXPECT_EQ(s.spin->Value(), 800);
}

TEST(SpinEdit, OnlyNumberCharactersCanBeTyped) {
    SpinScene s;
    s.spin->SetText("");
    for (char c : std::string("1x2.-"))
        SendMessageA(s.spin->Handle(), WM_CHAR, static_cast<unsigned char>(c), 0);
    EXPECT_EQ(s.spin->Text(), "12-");
}
