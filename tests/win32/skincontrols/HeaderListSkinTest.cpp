// Header sections, a list view's header and bars, and a scroll box's bars drawn from the
// test skin's frames; detaching gives the list view back what it had.
#include "ControlFixture.h"
#include "ControlLook.h"

#include <functional>

#include <commctrl.h>

#include "skin/controls/SkinHeader.h"
#include "skin/controls/SkinListView.h"
#include "skin/controls/SkinScControl.h"
#include "skin/controls/WScrollbar.h"
#include "skin/engine/SkinMessages.h"
#include "toolkit/ComCtrls.h"

using namespace controltest;

namespace {

constexpr int kSectionWidths[] = {60, 80, 50};

RECT SectionRect(HWND header, int index) {
    RECT r{};
    SendMessageA(header, HDM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    return r;
}

LPARAM MiddleOf(const RECT& r) { return MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2); }

// Away from the section's text and its edge.
TColor SectionColour(const TBitmap& printed, const RECT& r) { return skintest::PixelOf(printed, r.left + 3, r.bottom - 3); }

}  // namespace

TEST_F(ControlsTest, HeaderSectionsTakeTheFrameOfTheirState) {
    struct TCase {
        const char* name;
        std::function<void(HWND)> act;
        int frames[3];
        int rest;
    };
    const TCase cases[] = {
        {"resting", [](HWND) {}, {1, 1, 1}, 1},
        {"second pressed", [](HWND h) { SendMessageA(h, WM_LBUTTONDOWN, MK_LBUTTON, MiddleOf(SectionRect(h, 1))); }, {1, 2, 1}, 1},
        {"pointer over the third", [](HWND h) { SendMessageA(h, WM_MOUSEMOVE, 0, MiddleOf(SectionRect(h, 2))); }, {1, 1, 4}, 1},
        {"pointer on a divider", [](HWND h) { SendMessageA(h, WM_MOUSEMOVE, 0, MAKELPARAM(SectionRect(h, 0).right, 5)); }, {1, 1, 1}, 1},
        {"first sorted",
         [](HWND h) {
             HDITEMA item{};
             item.mask = HDI_FORMAT;
             item.fmt = HDF_STRING | HDF_SORTUP;
             SendMessageA(h, HDM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
         },
         {5, 1, 1}, 1},
        {"disabled", [](HWND h) { EnableWindow(h, FALSE); }, {3, 3, 3}, 3},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        auto* header = new THeaderControl(form_);
        header->SetParent(panel_);
        for (int width : kSectionWidths) header->Sections()->Add().SetWidth(width);
        header->HandleNeeded();
        Skin<TSkinHeader>(*header);
        c.act(header->Handle());
        const std::unique_ptr<TBitmap> printed = Printed(header->Handle());
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(SectionColour(*printed, SectionRect(header->Handle(), i)), PartColour(kHeader, c.frames[i])) << i;
        EXPECT_EQ(skintest::PixelOf(*printed, printed->Width() - 10, 3), PartColour(kHeader, c.rest)) << "past the sections";
        SendMessageA(header->Handle(), WM_LBUTTONUP, 0, 0);
    }
}

TEST_F(ControlsTest, ListViewsHeaderAndBarsFromTheSkinUntilDetached) {
    TListView& list = Make<TListView>(10, 10, 220, 120);
    list.SetViewStyle(vsReport);
    for (const char* caption : {"Name", "Size"}) list.Columns()->Add().SetCaption(caption);
    for (int i = 0; i < 40; ++i) list.AddItem({"file " + std::to_string(i), {"1 KB"}});
    const HWND header = reinterpret_cast<HWND>(SendMessageA(list.Handle(), LVM_GETHEADER, 0, 0));
    ASSERT_TRUE(header);
    const TControlLook before = LookOf(list);
    const LONG_PTR headerProcedure = GetWindowLongPtrA(header, GWLP_WNDPROC);
    auto skinner = std::make_unique<TSkinListView>();
    skinner->AttachScrolling(list, *skin_, nullptr);
    Pump();
    EXPECT_EQ(list.Color(), before.colour) << "a list keeps its own colours";
    EXPECT_EQ(SendMessageA(header, SKM_QUERYSKINNED, 0, 0), 1);
    EXPECT_EQ(SectionColour(*Printed(header), SectionRect(header, 0)), PartColour(kHeader, 1));
    const HWND bar = skinner->Bar(true)->Handle();
    ASSERT_TRUE(IsWindowVisible(bar));
    EXPECT_EQ(BarColourAt(*Printed(bar), true, ArrowLength(true) / 2), PartColour(kScroll, 1));
    skinner->Detach();
    skinner.reset();
    EXPECT_FALSE(IsWindow(bar));
    EXPECT_EQ(GetWindowLongPtrA(header, GWLP_WNDPROC), headerProcedure);
    EXPECT_EQ(LookOf(list), before);
}

TEST_F(ControlsTest, ScrollBoxsPaintedBarFollowsItsScrolling) {
    struct TCase {
        const char* name;
        std::function<void(TScrollBox&)> scroll;
    };
    const TCase cases[] = {
        {"by the box's own bar", [](TScrollBox& b) { SendMessageA(b.Handle(), WM_VSCROLL, SB_BOTTOM, 0); }},
        {"from code", [](TScrollBox& b) { b.VertScrollBar()->SetPosition(1000); }},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        TScrollBox& box = Make<TScrollBox>(10, 10, 200, 150);
        auto* tall = new TPanel(form_);
        tall->SetParent(&box);
        tall->SetBounds(0, 0, 120, 600);
        box.UpdateScrollBars();
        TSkinScControl& skinner = Skin<TSkinScControl>(box);
        Pump();
        const HWND bar = skinner.Bar(true)->Handle();
        ASSERT_TRUE(IsWindowVisible(bar));
        const int arrow = ArrowLength(true);
        EXPECT_EQ(BarColourAt(*Printed(bar), true, arrow + 2), PartColour(kVertThumb, 1));
        c.scroll(box);
        Pump();
        const std::unique_ptr<TBitmap> image = Printed(bar);
        EXPECT_EQ(BarColourAt(*image, true, arrow + 2), PartColour(kVertTrack, 1));
        EXPECT_EQ(BarColourAt(*image, true, image->Height() - arrow - 3), PartColour(kVertThumb, 1));
    }
}
