// Date-time pickers: from a form file, by name, and the moment their windows show.
#include <gtest/gtest.h>

#include "PropertyTable.h"
#include "toolkit/ComCtrls.h"

#include <commctrl.h>

namespace {

// 45000 is 15 March 2023; .75 is 18:00.
const char* const kForm = R"(object Probe: TForm
  object Picker: TDateTimePicker
    Date = 45000
    Time = 0.75
    DateFormat = dfLong
    ShowCheckbox = True
    Checked = False
  end
end
)";

}  // namespace

TEST(DateTimePicker, PropertiesComeFromTheFormFileAndGoByName) {
    FormFileScene s(kForm);
    CheckPropsByName(s, {
                            {"Picker", "Date", "45000", "45001"},
                            {"Picker", "Time", "0.75", "0.5"},
                            {"Picker", "Kind", "dtkDate", "dtkTime"},
                            {"Picker", "DateFormat", "dfLong", "dfShort"},
                            {"Picker", "ShowCheckbox", "True", "False"},
                            {"Picker", "Checked", "False", "True"},
                        });
}

TEST(DateTimePicker, TheWindowShowsTheMomentAndTellsTheUsersChoice) {
    FormFileScene s(kForm);
    auto* picker = s.Get<TDateTimePicker>("Picker");
    HWND h = picker->Handle();
    const auto style = static_cast<DWORD>(GetWindowLongA(h, GWL_STYLE));
    EXPECT_EQ(style & (DTS_LONGDATEFORMAT | DTS_SHOWNONE), static_cast<DWORD>(DTS_LONGDATEFORMAT | DTS_SHOWNONE));
    struct Case {
        double date, time;
        bool checked;
        LRESULT shown;
        WORD day, hour, minute;
    } const cases[] = {
        {45000, 0.75, false, GDT_NONE, 0, 0, 0},
        {45000, 0.75, true, GDT_VALID, 15, 18, 0},
        {45001.9, 0.25, true, GDT_VALID, 16, 6, 0},  // Date drops its time of day
        {45001, 1.5, true, GDT_VALID, 16, 12, 0},    // Time drops its day
        {45002, 0.5 + 30.0 / 1440, true, GDT_VALID, 17, 12, 30},
    };
    for (const Case& c : cases) {
        picker->SetDate(c.date);
        picker->SetTime(c.time);
        picker->SetChecked(c.checked);
        SYSTEMTIME moment{};
        EXPECT_EQ(SendMessageA(h, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&moment)), c.shown) << c.date;
        if (c.shown != GDT_VALID) continue;
        EXPECT_EQ(moment.wYear, 2023) << c.date;
        EXPECT_EQ(moment.wMonth, 3) << c.date;
        EXPECT_EQ(moment.wDay, c.day) << c.date;
        EXPECT_EQ(moment.wHour, c.hour) << c.date;
        EXPECT_EQ(moment.wMinute, c.minute) << c.date;
    }
    int changes = 0;
    picker->OnChange = [&](TObject*) { ++changes; };
    picker->SetDateFormat(dfShort);  // month first
    h = picker->Handle();
    SendMessageA(h, WM_SETFOCUS, 0, 0);
    SendMessageA(h, WM_KEYDOWN, VK_RIGHT, 0);  // onto the month
    SendMessageA(h, WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(changes, 1);
    EXPECT_DOUBLE_EQ(picker->Date(), 45002 + 31);  // 17 April
    EXPECT_TRUE(picker->Checked());
    SendMessageA(GetWindow(h, GW_CHILD), BM_CLICK, 0, 0);  // the user clears the check box
    EXPECT_EQ(changes, 2);
    EXPECT_FALSE(picker->Checked());
}
