// Scroll bars from the skin: a memo's covered by painted windows drawn from the test skin's
// frames, which show the part under the pointer hot and the part held down pressed and hand
// presses back to the memo; the memo's border and frame; the lists of combo boxes.
#include "ControlFixture.h"

#include <functional>
#include <string>

#include "skin/controls/SkinCombo.h"
#include "skin/controls/SkinScrollbar.h"
#include "skin/controls/WScrollbar.h"
#include "skin/engine/SkinMessages.h"
#include "toolkit/WindowHook.h"

using namespace controltest;

namespace {

// A memo with both bars and more text than it shows either way.
TMemo& LongMemo(TMemo& memo) {
    memo.SetScrollBars(ssBoth);
    memo.SetWordWrap(false);
    for (int i = 0; i < 60; ++i) memo.Lines()->Add(std::string(200, static_cast<char>('a' + i % 26)));
    SendMessageA(memo.Handle(), WM_VSCROLL, SB_TOP, 0);
    SendMessageA(memo.Handle(), WM_HSCROLL, SB_LEFT, 0);
    return memo;
}

int FirstVisibleLine(TMemo& memo) { return static_cast<int>(SendMessageA(memo.Handle(), EM_GETFIRSTVISIBLELINE, 0, 0)); }

SCROLLBARINFO BarInfo(HWND window, LONG objectId) {
    SCROLLBARINFO bar{};
    bar.cbSize = sizeof bar;
    GetScrollBarInfo(window, objectId, &bar);
    return bar;
}

// What the screen shows of a list's vertical bar: its up arrow, its thumb and the track
// beyond the thumb's end (before its start when it is not at the top).
void ExpectListBarFromTheSkin(HWND list) {
    RECT r{};
    GetWindowRect(list, &r);
    const SCROLLBARINFO bar = BarInfo(list, OBJID_VSCROLL);
    const int x = (bar.rcScrollBar.left + bar.rcScrollBar.right) / 2 - r.left;
    const int top = bar.rcScrollBar.top - r.top;
    const int track = bar.xyThumbTop <= ArrowLength(true) ? bar.xyThumbBottom + 2 : bar.xyThumbTop - 2;
    const HDC dc = GetWindowDC(list);
    EXPECT_EQ(frametest::PixelAt(dc, x, top + ArrowLength(true) / 2), PartColour(kScroll, 1));
    EXPECT_EQ(frametest::PixelAt(dc, x, top + bar.xyThumbTop + 2), PartColour(kVertThumb, 1));
    EXPECT_EQ(frametest::PixelAt(dc, x, top + track), PartColour(kVertTrack, 1));
    ReleaseDC(list, dc);
}

// Where a part lies along a bar as the system lays it out: an arrow's middle, or just inside
// the thumb.
int PartAlong(TScrollPart part, bool vertical, const SCROLLBARINFO& info) {
    const RECT& r = info.rcScrollBar;
    const int length = vertical ? r.bottom - r.top : r.right - r.left;
    if (part == spStartArrow) return ArrowLength(vertical) / 2;
    if (part == spEndArrow) return length - ArrowLength(vertical) / 2;
    return info.xyThumbTop + 2;
}

// A class the scroll-bar skinner knows by name, with fixed cells' colour as grids have.
class TImageScrollBox : public TMemo {
    TOOLKIT_CLASS(TImageScrollBox, TMemo)

public:
    using TMemo::TMemo;
    TColor FixedColor() const { return fixed_; }
    void SetFixedColor(TColor colour) { fixed_ = colour; }

private:
    TColor fixed_ = 0x123456;
};

}  // namespace

const TClassInfo& TImageScrollBox::StaticClass() {
    using P = TProps<TImageScrollBox>;
    static const TClassInfo info("TImageScrollBox", &TMemo::StaticClass(), nullptr,
                                 {P::Color("FixedColor", &TImageScrollBox::FixedColor, &TImageScrollBox::SetFixedColor)});
    return info;
}

TEST_F(ControlsTest, ScrollBarPartsComeFromTheSkinAndFollowTheMemo) {
    struct TCase {
        const char* name;
        bool vertical, available, atEnd;
        TColor startArrow, endArrow, nearStart, nearEnd;
    };
    const TCase cases[] = {
        {"vertical at the top", true, true, false, PartColour(kScroll, 1), PartColour(kScroll, 5),
         PartColour(kVertThumb, 1), PartColour(kVertTrack, 1)},
        {"vertical at the bottom", true, true, true, PartColour(kScroll, 1), PartColour(kScroll, 5),
         PartColour(kVertTrack, 1), PartColour(kVertThumb, 1)},
        {"horizontal at the left", false, true, false, PartColour(kScroll, 9), PartColour(kScroll, 13),
         PartColour(kHorzThumb, 1), PartColour(kHorzTrack, 1)},
        {"horizontal at the right", false, true, true, PartColour(kScroll, 9), PartColour(kScroll, 13),
         PartColour(kHorzTrack, 1), PartColour(kHorzThumb, 1)},
        {"vertical, memo disabled", true, false, false, PartColour(kScroll, 3), PartColour(kScroll, 7),
         PartColour(kVertTrack, 3), PartColour(kVertTrack, 3)},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        TMemo& memo = LongMemo(Make<TMemo>(10, 10, 200, 150));
        TSkinScrollbar& skinner = Skin<TSkinScrollbar>(memo);
        if (c.atEnd) SendMessageA(memo.Handle(), c.vertical ? WM_VSCROLL : WM_HSCROLL, c.vertical ? SB_BOTTOM : SB_RIGHT, 0);
        if (!c.available) EnableWindow(memo.Handle(), FALSE);
        Pump();
        const HWND bar = skinner.Bar(c.vertical)->Handle();
        ASSERT_TRUE(IsWindowVisible(bar));
        const std::unique_ptr<TBitmap> image = Printed(bar);
        // The vertical bar's window holds the corner box below the bar.
        const int corner = c.vertical ? GetSystemMetrics(SM_CYHSCROLL) : 0;
        const int length = (c.vertical ? image->Height() : image->Width()) - corner;
        const int arrow = ArrowLength(c.vertical);
        if (corner) {
            EXPECT_EQ(BarColourAt(*image, true, length + corner / 2), PartColour(kScroll, 23));
        }
        EXPECT_EQ(BarColourAt(*image, c.vertical, arrow / 2), c.startArrow);
        EXPECT_EQ(BarColourAt(*image, c.vertical, length - arrow / 2), c.endArrow);
        EXPECT_EQ(BarColourAt(*image, c.vertical, arrow + 2), c.nearStart);
        EXPECT_EQ(BarColourAt(*image, c.vertical, length - arrow - 3), c.nearEnd);
    }
}

TEST_F(ControlsTest, PaintedBarsHideWithTheSkinnerAndTheMemo) {
    TMemo& memo = LongMemo(Make<TMemo>(10, 10, 200, 150));
    TSkinScrollbar& skinner = Skin<TSkinScrollbar>(memo);
    const HWND vertical = skinner.Bar(true)->Handle();
    struct TStep {
        const char* name;
        std::function<void()> act;
        bool shown;
    };
    const TStep steps[] = {
        {"skinned", [] {}, true},
        {"skinner off", [&] { SendMessageA(memo.Handle(), SKM_CONTROLSKIN, 0, 0); }, false},
        {"skinner on", [&] { SendMessageA(memo.Handle(), SKM_CONTROLSKIN, 1, 0); }, true},
        {"memo hidden", [&] { memo.SetVisible(false); }, false},
        {"memo shown", [&] { memo.SetVisible(true); }, true},
    };
    for (const TStep& step : steps) {
        SCOPED_TRACE(step.name);
        step.act();
        Pump();
        EXPECT_EQ(IsWindowVisible(vertical) != FALSE, step.shown);
    }
}

TEST_F(ControlsTest, PressOnThePaintedDownArrowScrollsTheMemoALine) {
    TMemo& memo = LongMemo(Make<TMemo>(10, 10, 200, 150));
    TSkinScrollbar& skinner = Skin<TSkinScrollbar>(memo);
    Pump();
    const HWND bar = skinner.Bar(true)->Handle();
    RECT r{};
    GetClientRect(bar, &r);
    const LPARAM downArrow = MAKELPARAM(r.right / 2, r.bottom - GetSystemMetrics(SM_CYHSCROLL) - ArrowLength(true) / 2);
    PostMessageA(bar, WM_LBUTTONDOWN, MK_LBUTTON, downArrow);
    PostMessageA(bar, WM_LBUTTONUP, 0, downArrow);
    Pump();
    EXPECT_EQ(FirstVisibleLine(memo), 1);
}

TEST_F(ControlsTest, DroppedDownListShowsTheSkinsScrollBar) {
    TComboBox& combo = Make<TComboBox>(10, 10, 150, 24);
    combo.SetStyle(csDropDownList);
    combo.SetDropDownCount(5);
    for (int i = 0; i < 100; ++i) combo.Items()->Add("item " + std::to_string(i));
    Skin<TSkinComBox>(combo);
    combo.SetDroppedDown(true);
    Pump();
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetComboBoxInfo(combo.Handle(), &info));
    ExpectListBarFromTheSkin(info.hwndList);
    combo.SetDroppedDown(false);
}

TEST_F(ControlsTest, PaintedArrowsAndThumbsShowHotAndPressedFrames) {
    struct TCase {
        bool vertical;
        TScrollPart part;
        bool press;
        TPart element;
        int normal, shown;
    };
    const TCase cases[] = {
        {true, spStartArrow, false, kScroll, 1, 4},   {true, spEndArrow, true, kScroll, 5, 6},
        {true, spThumb, false, kVertThumb, 1, 3},     {false, spStartArrow, true, kScroll, 9, 10},
        {false, spThumb, true, kHorzThumb, 1, 2},
    };
    SetCursorPos(0, 0);
    for (const TCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.vertical << c.part << c.press);
        TMemo& memo = LongMemo(Make<TMemo>(5, 5, 330, 250));
        const HWND bar = Skin<TSkinScrollbar>(memo).Bar(c.vertical)->Handle();
        const LONG objectId = c.vertical ? OBJID_VSCROLL : OBJID_HSCROLL;
        Pump();
        SCROLLBARINFO info = BarInfo(memo.Handle(), objectId);
        RECT r{};
        GetClientRect(bar, &r);
        const int along = PartAlong(c.part, c.vertical, info);
        const LPARAM point = c.vertical ? MAKELPARAM(r.right / 2, along) : MAKELPARAM(along, r.bottom / 2);
        std::unique_ptr<TBitmap> image;
        // The memo runs a press in a loop of its own; the bar is looked at from inside it.
        const TWindowHook watch(memo, [&](TMessage& m, const TWndMethod& next) {
            next(m);
            if ((m.Msg != WM_VSCROLL && m.Msg != WM_HSCROLL) || image) return;
            image = Printed(bar);
            info = BarInfo(memo.Handle(), objectId);
        });
        PostMessageA(bar, c.press ? WM_LBUTTONUP : WM_NULL, 0, point);
        SendMessageA(bar, c.press ? WM_LBUTTONDOWN : WM_MOUSEMOVE, MK_LBUTTON, point);
        if (!image) image = Printed(bar);
        EXPECT_EQ(BarColourAt(*image, c.vertical, PartAlong(c.part, c.vertical, info)), PartColour(c.element, c.shown));
        if (c.part == spThumb) {
            ASSERT_GT(info.xyThumbBottom - info.xyThumbTop, GetSystemMetrics(SM_CXVSCROLL) + 4) << "holds a grip";
            const int grip = (c.vertical ? 17 : 20) + c.shown - 1;
            EXPECT_EQ(BarColourAt(*image, c.vertical, (info.xyThumbTop + info.xyThumbBottom) / 2), PartColour(kScroll, grip));
        }
        SendMessageA(bar, WM_MOUSELEAVE, 0, 0);
        info = BarInfo(memo.Handle(), objectId);
        EXPECT_EQ(BarColourAt(*Printed(bar), c.vertical, PartAlong(c.part, c.vertical, info)), PartColour(c.element, c.normal));
    }
}

TEST_F(ControlsTest, SimpleComboBoxGetsTheSkinsBarOnItsListAndNoButton) {
    TComboBox& combo = Make<TComboBox>(10, 10, 150, 120);
    combo.SetStyle(csSimple);
    combo.SetHeight(120);
    for (int i = 0; i < 100; ++i) combo.Items()->Add("item " + std::to_string(i));
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetComboBoxInfo(combo.Handle(), &info));
    // Beside the list, below the edit part, where a drop-down box's button would reach.
    const auto whereAButtonWouldBe = [&] {
        const std::unique_ptr<TBitmap> box = Printed(combo.Handle());
        return skintest::PixelOf(*box, box->Width() - 8, info.rcItem.bottom + 10);
    };
    const TColor own = whereAButtonWouldBe();
    Skin<TSkinComBox>(combo);
    EXPECT_EQ(whereAButtonWouldBe(), own);
    for (const int topItem : {0, 99}) {
        SendMessageA(info.hwndList, LB_SETTOPINDEX, topItem, 0);
        Pump();
        ExpectListBarFromTheSkin(info.hwndList);
    }
}

TEST_F(ControlsTest, ScrollingControlsBorderIsTheSkinsFlatFrame) {
    struct TCase {
        const char* name;
        bool imageBox, borderStyleNone;
        int mode;
        bool drawn;
    };
    const TCase cases[] = {
        {"a memo", false, false, 0, true},
        {"BorderStyle bsNone, an edge all the same", false, true, 0, false},
        {"a single bar's skinner", false, false, 1, false},
        {"an image scroll box", true, false, 0, false},
    };
    const TColor inside = 0x30A050;
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        TMemo& memo = c.imageBox ? Make<TImageScrollBox>(10, 10, 200, 120) : Make<TMemo>(10, 10, 200, 120);
        if (c.borderStyleNone) {
            memo.SetBorderStyle(bsNone);
            SetWindowLongA(memo.Handle(), GWL_EXSTYLE, WS_EX_CLIENTEDGE);
            SetWindowPos(memo.Handle(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
        }
        Skin<TSkinScrollbar>(memo).SetMode(c.mode);
        memo.SetColor(inside);
        RedrawWindow(memo.Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
        const HDC dc = GetWindowDC(memo.Handle());
        const bool flat = frametest::PixelAt(dc, 0, 60) == ColorToRGB(skin_->Colours().ButtonShadow) &&
                          frametest::PixelAt(dc, 1, 60) == inside;
        ReleaseDC(memo.Handle(), dc);
        EXPECT_EQ(flat, c.drawn);
        memo.Free();
    }
}

TEST_F(ControlsTest, ScrollingControlPaintsItsBarsOnRequestAndSetsFixedColourUntilDetached) {
    TImageScrollBox& grid = Make<TImageScrollBox>(10, 10, 200, 150);
    const TColor own = grid.FixedColor();
    TSkinScrollbar& skinner = Skin<TSkinScrollbar>(LongMemo(grid));
    EXPECT_EQ(grid.FixedColor(), kFace);
    Pump();
    RECT window{};
    GetWindowRect(grid.Handle(), &window);
    TBitmap frame;
    frame.SetPixelFormat(pf24bit);
    frame.SetSize(window.right - window.left, window.bottom - window.top);
    const auto dc = reinterpret_cast<WPARAM>(frame.Canvas()->Handle());
    EXPECT_EQ(SendMessageA(grid.Handle(), SKM_PAINTFRAMETO, dc, kSkinSignature), kSkinSignature);
    EXPECT_NE(SendMessageA(grid.Handle(), SKM_PAINTFRAMETO, dc, 0), kSkinSignature);
    GdiFlush();
    const RECT vertical = BarInfo(grid.Handle(), OBJID_VSCROLL).rcScrollBar;
    const RECT horizontal = BarInfo(grid.Handle(), OBJID_HSCROLL).rcScrollBar;
    const int x = (vertical.left + vertical.right) / 2 - window.left;
    const int y = (horizontal.top + horizontal.bottom) / 2 - window.top;
    EXPECT_EQ(skintest::PixelOf(frame, x, vertical.top - window.top + 3), PartColour(kScroll, 1));
    EXPECT_EQ(skintest::PixelOf(frame, horizontal.left - window.left + 3, y), PartColour(kScroll, 9));
    EXPECT_EQ(skintest::PixelOf(frame, x, y), PartColour(kScroll, 23)) << "the corner box";
    skinner.Detach();
    EXPECT_EQ(grid.FixedColor(), own);
}

TEST(ScrollbarRenewal, MemoThatMakesItsWindowAnewGetsAFreshSkinnerFromTheFrameSkinner) {
    frametest::SkinnedForm form(ControlSkin());
    form.SetSkinned(false);
    auto* memo = new TMemo(&form.Form());
    memo->SetParent(&form.Form());
    LongMemo(*memo);
    form.SetSkinned(true);
    const HWND old = memo->Handle();
    const auto* before = dynamic_cast<TSkinScrollbar*>(form.Skinner()->FindControlSkinner(old));
    ASSERT_NE(before, nullptr);
    const HWND oldBar = before->Bar(true)->Handle();
    memo->Perform(CM_RECREATEWND);
    Pump();
    ASSERT_NE(memo->Handle(), old);
    const auto* after = dynamic_cast<TSkinScrollbar*>(form.Skinner()->FindControlSkinner(memo->Handle()));
    ASSERT_NE(after, nullptr);
    EXPECT_FALSE(IsWindow(oldBar)) << "the old skinner's painted bars went with it";
    EXPECT_TRUE(IsWindowVisible(after->Bar(true)->Handle()));
}
