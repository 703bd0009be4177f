#include "skin/controls/SkinHeader.h"

#include <commctrl.h>

#include "skin/WinSkinData.h"

namespace {

constexpr int kMaxCaption = 80;
// The room the header itself keeps between a section's edge and its text.
constexpr int kTextMargin = 6;
constexpr int kSortedFrame = 5;

UINT AlignmentOf(int format) {
    switch (format & HDF_JUSTIFYMASK) {
        case HDF_RIGHT: return DT_RIGHT;
        case HDF_CENTER: return DT_CENTER;
        default: return DT_LEFT;
    }
}

}  // namespace

int TSkinHeader::FrameOf(const TSectionState& s) {
    return StateFrame(s.sorted ? kSortedFrame : 1, s.pressed, s.hot, s.available);
}

bool TSkinHeader::Skinnable() const {
    const TDataSkinObject* bar = Skin().Element(seHeaderbar);
    return bar && !bar->Image.Empty();
}

bool TSkinHeader::SectionsAreButtons() const { return (Style() & HDS_BUTTONS) != 0; }

bool TSkinHeader::BeforeMessage(TMessage& m) {
    if (!Skinnable()) return TSkinControl::BeforeMessage(m);
    if (PaintsItself(m)) return false;
    switch (m.Msg) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            pressedSection_ = SectionsAreButtons() && Available() ? SectionAt(m.LParam) : -1;
            break;
        case WM_LBUTTONUP:
        case WM_CAPTURECHANGED:
            pressedSection_ = -1;
            break;
        case WM_MOUSEMOVE:
            // Without a change of ours or a drag of the header's, it draws nothing itself.
            if (!Track(SectionAt(m.LParam)) && !(m.WParam & MK_LBUTTON)) return true;
            break;
        case WM_MOUSELEAVE:
            Track(-1);
            break;
        default:
            return TSkinControl::BeforeMessage(m);
    }
    CallPreviousQuietly(m);
    return false;
}

int TSkinHeader::SectionAt(LPARAM point) const {
    HDHITTESTINFO hit{};
    hit.pt = MousePoint(point);
    const auto index = static_cast<int>(SendMessageW(Window(), HDM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    return (hit.flags & HHT_ONHEADER) ? index : -1;
}

bool TSkinHeader::Track(int section) {
    if (!SectionsAreButtons() || !Available()) section = -1;
    if (section == hotSection_) return false;
    hotSection_ = section;
    if (section >= 0) RequestMouseLeave(Window());
    return true;
}

TColor TSkinHeader::TextColour(int frame) const {
    const TDataSkinObject& bar = *Skin().Element(seHeaderbar);
    switch (frame) {
        case 2: return bar.PressedColour2;
        case 3: return Skin().Colours().ButtonShadow;
        case 4: return bar.MouseOverColour2;
        default: return bar.NormalColour2;
    }
}

void TSkinHeader::DrawSection(HDC dc, int index) const {
    RECT r{};
    if (!SendMessageW(Window(), HDM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r))) return;
    wchar_t text[kMaxCaption + 1] = {};
    HDITEMW item{};
    item.mask = HDI_TEXT | HDI_FORMAT;
    item.pszText = text;
    item.cchTextMax = kMaxCaption;
    SendMessageW(Window(), HDM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    const TDataSkinObject& bar = *Skin().Element(seHeaderbar);
    const bool sorted = (item.fmt & (HDF_SORTUP | HDF_SORTDOWN)) && bar.FrameCount >= kSortedFrame;
    const int frame = FrameOf({sorted, index == pressedSection_, index == hotSection_, Available()});
    DrawElement(dc, r, bar, frame);
    InflateRect(&r, -kTextMargin, 0);
    DrawCaptionText(dc, text, r, AlignmentOf(item.fmt) | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS,
                    TextColour(frame));
}

void TSkinHeader::DrawControl(HDC dc, const RECT& rect) {
    if (!Skinnable()) return;
    const TOffscreen off(dc, rect);
    DrawElement(off.DC(), rect, *Skin().Element(seHeaderbar), Available() ? 1 : 3);
    const auto count = static_cast<int>(SendMessageW(Window(), HDM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) DrawSection(off.DC(), i);
}
