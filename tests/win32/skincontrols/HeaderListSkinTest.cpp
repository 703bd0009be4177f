// Header sections, a list view's header and bars, and a scroll box's bars drawn from the
// test skin's frames.
#include "ControlFixture.h"

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

RECT SectionRect(HWND header, int index) {
    RECT r{};
    SendMessageA(header, HDM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    return r;
}

// The pointer's message at the middle of a section, or at its right edge (the divider).
std::function<void(HWND)> Mouse(UINT msg, int section, bool divider = false) {
    return [=](HWND h) {
        const RECT r = SectionRect(h, section);
        SendMessageA(h, msg, msg == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(divider ? r.right : (r.left + r.right) / 2, 5));
    };
}

// Away from the section's text and its edge.
TColor SectionColour(const TBitmap& printed, const RECT& r) { return skintest::PixelOf(printed, r.left + 3, r.bottom - 3); }

}  // namespace

TEST_F(ControlsTest, HeaderSectionsTakeTheFrameOfTheirState) {
    const auto sortFirst = [](HWND h) {
        HDITEMA item{};
        item.mask = HDI_FORMAT;
        item.fmt = HDF_STRING | HDF_SORTUP;
        SendMessageA(h, HDM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    };
    const struct {
        const char* name;
        std::function<void(HWND)> act;
        int frames[3], rest;
    } cases[] = {
        {"resting", [](HWND) {}, {1, 1, 1}, 1},
        {"second pressed", Mouse(WM_LBUTTONDOWN, 1), {1, 2, 1}, 1},
        {"pointer over the third", Mouse(WM_MOUSEMOVE, 2), {1, 1, 4}, 1},
        {"pointer on a divider", Mouse(WM_MOUSEMOVE, 0, true), {1, 1, 1}, 1},
        {"first sorted", sortFirst, {5, 1, 1}, 1},
        {"disabled", [](HWND h) { EnableWindow(h, FALSE); }, {3, 3, 3}, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto* header = new THeaderControl(form_);
        header->SetParent(panel_);
        for (int width : {60, 80, 50}) header->Sections()->Add().SetWidth(width);
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
    list.Columns()->Add().SetCaption("Name");
    for (int i = 0; i < 40; ++i) list.AddItem({"file " + std::to_string(i), {}});
    const HWND header = reinterpret_cast<HWND>(SendMessageA(list.Handle(), LVM_GETHEADER, 0, 0));
    const LONG_PTR headerProcedure = GetWindowLongPtrA(header, GWLP_WNDPROC);
    auto skinner = std::make_unique<TSkinListView>();
    skinner->AttachScrolling(list, *skin_, nullptr);
    Pump();
    EXPECT_EQ(SectionColour(*Printed(header), SectionRect(header, 0)), PartColour(kHeader, 1));
    const HWND bar = skinner->Bar(true)->Handle();
    ASSERT_TRUE(IsWindowVisible(bar));
    EXPECT_EQ(BarColourAt(*Printed(bar), true, ArrowLength(true) / 2), PartColour(kScroll, 1));
    skinner->Detach();
    skinner.reset();
    EXPECT_FALSE(IsWindow(bar));
    EXPECT_EQ(GetWindowLongPtrA(header, GWLP_WNDPROC), headerProcedure);
    EXPECT_NE(SendMessageA(header, SKM_QUERYSKINNED, 0, 0), 1);
}

TEST_F(ControlsTest, ScrollBoxsPaintedBarFollowsItsScrolling) {
    const std::function<void(TScrollBox&)> scrolls[] = {
        [](TScrollBox& b) { SendMessageA(b.Handle(), WM_VSCROLL, SB_BOTTOM, 0); },  // by its own bar
        [](TScrollBox& b) { b.VertScrollBar()->SetPosition(1000); },               // from code
    };
    for (const auto& scroll : scrolls) {
        TScrollBox& box = Make<TScrollBox>(10, 10, 200, 150);
        auto* tall = new TPanel(form_);
        tall->SetParent(&box);
        tall->SetBounds(0, 0, 120, 600);
        box.UpdateScrollBars();
        const HWND bar = Skin<TSkinScControl>(box).Bar(true)->Handle();
        scroll(box);
        Pump();
        const std::unique_ptr<TBitmap> image = Printed(bar);
        const int arrow = ArrowLength(true);
        EXPECT_EQ(BarColourAt(*image, true, arrow + 2), PartColour(kVertTrack, 1));
        EXPECT_EQ(BarColourAt(*image, true, image->Height() - arrow - 3), PartColour(kVertThumb, 1));
    }
}
