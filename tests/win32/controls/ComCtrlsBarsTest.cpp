// Progress bars and track bars: from a form file, by name, and what their windows do.
#include <gtest/gtest.h>

#include "PropertyTable.h"
#include "toolkit/ComCtrls.h"

#include <commctrl.h>

namespace {

const char* const kForm = R"(object Probe: TForm
  object Progress: TProgressBar
    Position = 120
    Max = 150
    Step = 15
    Orientation = pbVertical
    Smooth = True
  end
  object Track: TTrackBar
    Position = 12
    Max = 20
    Frequency = 5
    PageSize = 4
    SelStart = 2
    SelEnd = 6
    TickMarks = tmBoth
  end
end
)";

}  // namespace

TEST(Bars, PropertiesComeFromTheFormFileAndGoByName) {
    FormFileScene s(kForm);
    CheckPropsByName(s, {
                            {"Progress", "Position", "120", "10"},  // given before its range
                            {"Progress", "Max", "150", "80"},
                            {"Progress", "Step", "15", "3"},
                            {"Progress", "Orientation", "pbVertical", "pbHorizontal"},
                            {"Progress", "Smooth", "True", "False"},
                            {"Track", "Position", "12", "3"},
                            {"Track", "Max", "20", "30"},
                            {"Track", "Frequency", "5", "2"},
                            {"Track", "PageSize", "4", "6"},
                            {"Track", "SelEnd", "6", "9"},
                            {"Track", "TickMarks", "tmBoth", "tmTopLeft"},
                            {"Track", "TickStyle", "tsAuto", "tsNone"},
                            {"Track", "Orientation", "trHorizontal", "trVertical"},
                        });
}

TEST(Bars, AProgressBarStepsWithinItsRange) {
    FormFileScene s(kForm);
    auto* bar = s.Get<TProgressBar>("Progress");
    HWND h = bar->Handle();
    EXPECT_TRUE(GetWindowLongA(h, GWL_STYLE) & PBS_VERTICAL);
    const int expected[] = {135, 150, 150};  // steps stop at the end, and stay there
    for (int position : expected) {
        bar->StepIt();
        EXPECT_EQ(bar->Position(), position);
        EXPECT_EQ(SendMessageA(h, PBM_GETPOS, 0, 0), position);
    }
    bar->SetMax(30);
    EXPECT_EQ(SendMessageA(h, PBM_GETPOS, 0, 0), 30);
}

TEST(Bars, ATrackBarFollowsTheUsersKeysAndShowsItsTickSides) {
    FormFileScene s(kForm);
    auto* track = s.Get<TTrackBar>("Track");
    int changes = 0;
    track->OnChange = [&](TObject*) { ++changes; };
    struct Key {
        WPARAM key;
        int position;
    } const keys[] = {{VK_RIGHT, 13}, {VK_NEXT, 17}, {VK_END, 20}, {VK_HOME, 0}};
    for (const Key& k : keys) {
        SendMessageA(track->Handle(), WM_KEYDOWN, k.key, 0);
        EXPECT_EQ(track->Position(), k.position) << k.key;
    }
    EXPECT_EQ(changes, 4);
    struct Look {
        TTrackBarOrientation orientation;
        TTickMark marks;
        DWORD bits;
    } const looks[] = {{trHorizontal, tmBoth, TBS_BOTH}, {trHorizontal, tmTopLeft, TBS_TOP},
                       {trVertical, tmBottomRight, TBS_VERT}, {trVertical, tmTopLeft, TBS_VERT | TBS_LEFT}};
    for (const Look& l : looks) {
        track->SetOrientation(l.orientation);
        track->SetTickMarks(l.marks);
        const auto style = static_cast<DWORD>(GetWindowLongA(track->Handle(), GWL_STYLE));
        EXPECT_EQ(style & (TBS_BOTH | TBS_TOP | TBS_VERT), l.bits);
        EXPECT_EQ(SendMessageA(track->Handle(), TBM_GETPOS, 0, 0), 0);  // a new window keeps the position
    }
}
