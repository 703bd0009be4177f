#include "skin/controls/SkinTab.h"

#include <algorithm>
#include <commctrl.h>

#include "skin/ImgUtil.h"
#include "skin/WinSkinData.h"
#include "skin/controls/SkinUpDown.h"
#include "skin/engine/SkinManage.h"
#include "toolkit/ComCtrls.h"

namespace {

constexpr int kMaxCaption = 80;
constexpr std::int64_t kSelfSelectingTag = 7777;

LRESULT NotifyParent(HWND tabs, UINT code) {
    NMHDR header{tabs, static_cast<UINT_PTR>(GetDlgCtrlID(tabs)), code};
    return SendMessageW(GetParent(tabs), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

// Copies a record's keys and image; the copy is what the side's transform is applied to.
std::unique_ptr<TDataSkinObject> CopyRecord(const TDataSkinObject& from, const TBitmap& image) {
    auto copy = std::make_unique<TDataSkinObject>(from.Name);
    copy->LeftWidth = from.LeftWidth;
    copy->TopHeight = from.TopHeight;
    copy->RightWidth = from.RightWidth;
    copy->BottomHeight = from.BottomHeight;
    copy->Trans = from.Trans;
    copy->Tile = from.Tile;
    copy->FrameCount = std::max(1, from.FrameCount);
    copy->NormalColour2 = from.NormalColour2;
    copy->MouseOverColour2 = from.MouseOverColour2;
    copy->Image.Assign(image);
    copy->Image.SetPixelFormat(pf24bit);
    return copy;
}

// Turns every frame of a strip on its own, so that the frames stay side by side.
void TurnFrames(TDataSkinObject& record, void (*turn)(TBitmap&)) {
    const int frames = record.FrameCount;
    const int width = record.Image.Width() / frames;
    const int height = record.Image.Height();
    TBitmap strip;
    strip.SetPixelFormat(pf24bit);
    strip.SetSize(height * frames, width);
    for (int f = 0; f < frames; ++f) {
        TBitmap frame;
        frame.SetPixelFormat(pf24bit);
        frame.SetSize(width, height);
        BitBlt(frame.Canvas()->Handle(), 0, 0, width, height, record.Image.Canvas()->Handle(), f * width, 0, SRCCOPY);
        turn(frame);
        BitBlt(strip.Canvas()->Handle(), f * height, 0, height, width, frame.Canvas()->Handle(), 0, 0, SRCCOPY);
    }
    record.Image.Assign(strip);
}

void TurnMargins(TDataSkinObject& r, bool left) {
    const int l = r.LeftWidth, t = r.TopHeight, rt = r.RightWidth, b = r.BottomHeight;
    if (left) {  // a quarter anticlockwise: the top edge goes to the left
        r.LeftWidth = t, r.BottomHeight = l, r.RightWidth = b, r.TopHeight = rt;
    } else {
        r.RightWidth = t, r.TopHeight = l, r.LeftWidth = b, r.BottomHeight = rt;
    }
}

void Transform(TDataSkinObject& record, TSkinTab::TSide side) {
    switch (side) {
        case TSkinTab::sdBottom:
            FlipBitmap(record.Image);
            std::swap(record.TopHeight, record.BottomHeight);
            break;
        case TSkinTab::sdLeft:
            TurnFrames(record, &RotateLeft);
            TurnMargins(record, true);
            break;
        case TSkinTab::sdRight:
            TurnFrames(record, &RotateRight);
            TurnMargins(record, false);
            break;
        default:
            break;
    }
}

}  // namespace

std::wstring TabCaption(HWND tabs, int index) {
    wchar_t text[kMaxCaption + 1] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = kMaxCaption;
    SendMessageW(tabs, TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return text;
}

bool SelectsTabsItself(const TSkinControl& skinner) {
    return skinner.Control() && skinner.Control()->Tag() == kSelfSelectingTag &&
           dynamic_cast<TPageControl*>(skinner.Control()) != nullptr;
}

void SelectTabAt(HWND tabs, POINT point) {
    TCHITTESTINFO hit{point, 0};
    const auto index = static_cast<int>(SendMessageW(tabs, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    if (index < 0) return;
    SetFocus(tabs);
    if (index == static_cast<int>(SendMessageW(tabs, TCM_GETCURSEL, 0, 0))) return;
    if (NotifyParent(tabs, TCN_SELCHANGING)) return;
    SendMessageW(tabs, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
    NotifyParent(tabs, TCN_SELCHANGE);
    InvalidateRect(tabs, nullptr, TRUE);
}

TSkinTab::TSkinTab() = default;
TSkinTab::~TSkinTab() = default;

TSkinTab::TSide TSkinTab::SideOf(DWORD style) {
    if (style & TCS_VERTICAL) return (style & TCS_RIGHT) ? sdRight : sdLeft;
    return (style & TCS_BOTTOM) ? sdBottom : sdTop;
}

RECT TSkinTab::PaneRect(RECT r, TSide side) {
    InflateRect(&r, 4, 4);
    switch (side) {
        case sdTop: ++r.top; break;
        case sdBottom: --r.bottom; break;
        case sdLeft: ++r.left; break;
        case sdRight: --r.right; break;
    }
    return r;
}

void TSkinTab::Attached() {
    for (HWND child = GetWindow(Window(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (LowerClassNameOfWindow(child) != "msctls_updown32") continue;
        auto arrows = std::make_unique<TSkinUpDown>();
        arrows->AttachWindow(child, Skin(), FrameSkinner());
        AdoptChild(std::move(arrows));
    }
}

bool TSkinTab::BeforeMessage(TMessage& m) {
    const TDataSkinObject* tabs = Skin().Element(seTabs);
    if (!tabs || tabs->Image.Empty()) return TSkinControl::BeforeMessage(m);
    if (m.Msg == WM_LBUTTONDOWN && SelectsTabsItself(*this)) {
        SelectTabAt(Window(), MousePoint(m.LParam));
        return false;
    }
    return !PaintsItself(m) && TSkinControl::BeforeMessage(m);
}

bool TSkinTab::PrepareImages(TSide side) {
    if (preparedSide_ == side && tab_) return true;
    auto* tabs = Skin().ElementAs<TDataSkinBorder>(seTabs);
    if (!tabs || tabs->Image.Empty()) return false;
    tab_ = CopyRecord(*tabs, tabs->Image);
    const TDataSkinObject* tabPane = Skin().Element(seTabPane);
    if (tabs->Style == 1 && tabPane) {
        pane_ = CopyRecord(*tabPane, tabPane->Image);
    } else {
        pane_ = CopyRecord(*tabs, tabs->Image2);
        pane_->LeftWidth = 4, pane_->TopHeight = 5, pane_->RightWidth = 4, pane_->BottomHeight = 4;
    }
    pane_->FrameCount = 1;
    Transform(*tab_, side);
    Transform(*pane_, side);
    preparedSide_ = side;
    return true;
}

void TSkinTab::DrawTab(HDC dc, RECT rect, const std::wstring& caption, bool selected) const {
    DrawElement(dc, rect, *tab_, selected ? 2 : 1);
    DrawCaptionText(dc, caption, rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX,
                    selected ? tab_->MouseOverColour2 : tab_->NormalColour2);
}

void TSkinTab::DrawTabs(HDC dc) const {
    const HWND window = Window();
    const int count = static_cast<int>(SendMessageW(window, TCM_GETITEMCOUNT, 0, 0));
    const int focus = static_cast<int>(SendMessageW(window, TCM_GETCURFOCUS, 0, 0));
    for (int i = 0; i < count; ++i) {
        RECT r{};
        if (!SendMessageW(window, TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r))) continue;
        DrawTab(dc, r, TabCaption(window, i), i == focus);
    }
}

void TSkinTab::DrawControl(HDC dc, const RECT& rect) {
    const TSide side = SideOf(Style());
    if (!PrepareImages(side)) return;
    RECT display{};
    GetClientRect(Window(), &display);
    SendMessageW(Window(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    const TOffscreen off(dc, rect);
    FillParentFace(off.DC(), rect);
    DrawElement(off.DC(), PaneRect(display, side), *pane_, 1);
    DrawTabs(off.DC());
}
