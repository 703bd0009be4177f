// Panels keep aligned children inside their bevels; splitters resize their neighbour and
// keep room on both sides; timers tick through the message loop.
#include <gtest/gtest.h>

#include "ControlsTestSupport.h"
#include "toolkit/ExtCtrls.h"

namespace {

// A folder column, a splitter and the rest, as on the browse page.
struct SplitScene : FormScene {
    TPanel* host = Make<TPanel>(form);
    TPanel* column = Make<TPanel>(host);
    TSplitter* splitter = Make<TSplitter>(host);
    TPanel* rest = Make<TPanel>(host);
    SplitScene() {
        host->SetBevelOuter(bvNone);
        host->SetBounds(0, 0, 400, 200);
        column->SetWidth(100);
        column->SetAlign(alLeft);
        splitter->SetLeft(100);
        rest->SetAlign(alClient);
        splitter->SetMinSize(30);
        splitter->SetResizeStyle(rsUpdate);
        form->Show();
        Pump();
    }
    // Presses the splitter, then moves the pointer `dx` pixels, reporting the sizes seen.
    void Drag(int dx, bool release = true) {
        POINT start = splitter->ClientToScreen(POINT{1, 50});
        SetCursorPos(start.x, start.y);
        splitter->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 50));
        SetCursorPos(start.x + dx, start.y);
        splitter->Perform(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(1 + dx, 50));
        if (release) splitter->Perform(WM_LBUTTONUP, 0, MAKELPARAM(1 + dx, 50));
    }
};

}  // namespace

TEST(Splitter, DraggingResizesTheNeighbourLiveWithinTheMinimum) {
    SplitScene s;
    ASSERT_EQ(s.splitter->Neighbour(), s.column);
    int moved = 0;
    s.splitter->OnMoved = [&](TObject*) { ++moved; };
    s.Drag(50, false);
    EXPECT_EQ(s.column->Width(), 150);  // while the button is still down
    EXPECT_EQ(s.splitter->Left(), 150);
    EXPECT_EQ(s.rest->Left(), 153);
    s.splitter->Perform(WM_LBUTTONUP, 0, 0);
    EXPECT_EQ(moved, 1);
    s.Drag(-500);
    EXPECT_EQ(s.column->Width(), 30);
    s.Drag(1000);
    EXPECT_EQ(s.rest->Width(), 30);  // the far side keeps its minimum too
    EXPECT_EQ(s.column->Width() + s.splitter->Width() + s.rest->Width(), 400);
    s.form->Hide();
}

TEST(Splitter, WithoutLiveResizingTheSizeChangesAtTheRelease) {
    SplitScene s;
    s.splitter->SetResizeStyle(rsPattern);
    s.Drag(40, false);
    EXPECT_EQ(s.column->Width(), 100);
    s.splitter->Perform(WM_LBUTTONUP, 0, 0);
    EXPECT_EQ(s.column->Width(), 140);
    s.splitter->SetAlign(alTop);  // a splitter that moves up and down shows that in its pointer
    s.splitter->Perform(WM_MOUSEMOVE, 0, 0);
    EXPECT_EQ(s.splitter->Cursor(), crVSplit);
    s.form->Hide();
}

TEST(Panel, AlignedChildrenSitInsideTheBevelsAndTheBorder) {
    FormScene s;
    auto* panel = Make<TPanel>(s.form);
    panel->SetBounds(0, 0, 200, 100);
    panel->SetBevelInner(bvLowered);
    panel->SetBevelWidth(2);
    panel->SetBorderWidth(3);
    auto* inner = Make<TPanel>(panel);
    inner->SetAlign(alClient);
    EXPECT_EQ(inner->Left(), 7);  // two bevels of 2 and a border of 3
    EXPECT_EQ(inner->Width(), 200 - 14);
    panel->SetBevelOuter(bvNone);
    EXPECT_EQ(inner->Left(), 5);
    EXPECT_THROW(panel->SetBorderStyle(bsToolWindow), EPropertyError);
    EXPECT_EQ(WindowClassOf(panel->Handle()), "TPanel");
}

TEST(Timer, TicksThroughTheMessageLoopAndStopsWhenDisabled) {
    auto* timer = new TTimer(nullptr);
    int ticks = 0;
    timer->OnTimer = [&](TObject*) {
        if (++ticks == 2) timer->SetEnabled(false);
    };
    timer->SetInterval(10);
    const DWORD end = GetTickCount() + 2000;
    while (ticks < 2 && static_cast<int>(end - GetTickCount()) > 0) Pump(20);
    Pump(100);
    EXPECT_EQ(ticks, 2);
    timer->Free();
}
