// Scroll boxes: from a form file, by name, and scrolling that moves the children.
#include <gtest/gtest.h>

#include "PropertyTable.h"
#include "toolkit/StdCtrls.h"

namespace {

const char* const kForm = R"(object Probe: TForm
  object sbxFields: TScrollBox
    Width = 120
    Height = 100
    BorderStyle = bsNone
    VertScrollBar.Increment = 10
    object edtFar: TEdit
      Left = 8
      Top = 250
      Width = 60
      Height = 30
    end
  end
end
)";

bool BarShows(HWND window, int bar) {
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    GetScrollBarInfo(window, bar == SB_VERT ? OBJID_VSCROLL : OBJID_HSCROLL, &info);
    return !(info.rgstate[0] & STATE_SYSTEM_INVISIBLE);
}

}  // namespace

TEST(ScrollBoxes, PropertiesComeFromTheFormFileAndGoByName) {
    FormFileScene s(kForm);
    CheckPropsByName(s, {
                            {"sbxFields", "BorderStyle", "bsNone", "bsSingle"},
                            {"sbxFields", "VertScrollBar.Increment", "10", "4"},
                            {"sbxFields", "HorzScrollBar.Range", "0", "400"},
                        });
}

TEST(ScrollBoxes, ChildrenBeyondTheBoxBringABarThatScrollsThem) {
    FormFileScene s(kForm);
    auto* box = s.Get<TScrollBox>("sbxFields");
    auto* edit = s.Get<TEdit>("edtFar");
    HWND h = box->Handle();
    EXPECT_TRUE(BarShows(h, SB_VERT));
    EXPECT_FALSE(BarShows(h, SB_HORZ));  // the edit fits across
    const int page = box->ClientHeight();
    struct Step {
        WORD request;
        int position;
    } const steps[] = {{SB_LINEDOWN, 10}, {SB_PAGEDOWN, 10 + page}, {SB_BOTTOM, 280 - page}, {SB_LINEUP, 270 - page},
                       {SB_TOP, 0}};
    for (const Step& step : steps) {
        SendMessageA(h, WM_VSCROLL, step.request, 0);
        EXPECT_EQ(box->VertScrollBar()->Position(), step.position) << step.request;
        EXPECT_EQ(edit->Top(), 250 - step.position) << step.request;
        EXPECT_EQ(GetScrollPos(h, SB_VERT), step.position) << step.request;
    }
    box->HorzScrollBar()->SetRange(400);
    EXPECT_TRUE(BarShows(h, SB_HORZ));
    edit->SetTop(20);
    box->UpdateScrollBars();
    EXPECT_FALSE(BarShows(h, SB_VERT));
}

TEST(ScrollBoxes, AFormWrittenWhileScrolledKeepsItsDesignedPositions) {
    FormFileScene s(kForm);
    SendMessageA(s.Get<TScrollBox>("sbxFields")->Handle(), WM_VSCROLL, SB_BOTTOM, 0);
    ASSERT_NE(s.Get<TEdit>("edtFar")->Top(), 250);
    FormFileScene again(WriteComponent(*s.form));
    again.Get<TScrollBox>("sbxFields")->HandleNeeded();
    SendMessageA(again.Get<TScrollBox>("sbxFields")->Handle(), WM_VSCROLL, SB_TOP, 0);
    EXPECT_EQ(again.Get<TEdit>("edtFar")->Top(), 250);
}
