#include "skin/controls/SkinTrackBar.h"

#include "skin/WinSkinData.h"

TSkinElement TSkinTrackBar::ThumbElement(DWORD style) {
    const bool vertical = (style & TBS_VERT) != 0;
    if (style & TBS_BOTH) return vertical ? seTrackbarThumbVert : seTrackbarThumbHorz;
    if (style & TBS_TOP) return vertical ? seTrackbarThumbLeft : seTrackbarThumbUp;  // TBS_LEFT is the same bit
    return vertical ? seTrackbarThumbRight : seTrackbarThumbDown;
}

bool TSkinTrackBar::BeforeMessage(TMessage& m) {
    if (m.Msg != WM_NOTIFY && m.Msg != CN_BASE + WM_NOTIFY) return TSkinControl::BeforeMessage(m);
    const auto& draw = *reinterpret_cast<const NMCUSTOMDRAW*>(m.LParam);
    if (draw.hdr.code != NM_CUSTOMDRAW || draw.hdr.hwndFrom != Window()) return TSkinControl::BeforeMessage(m);
    m.Result = CustomDraw(draw);
    return false;
}

LRESULT TSkinTrackBar::CustomDraw(const NMCUSTOMDRAW& draw) {
    if (draw.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
    if (draw.dwDrawStage != CDDS_ITEMPREPAINT) return CDRF_DODEFAULT;
    bool drawn = false;
    try {
        if (draw.dwItemSpec == TBCD_CHANNEL) drawn = DrawChannel(draw.hdc);
        if (draw.dwItemSpec == TBCD_THUMB) drawn = DrawThumb(draw.hdc);
    } catch (...) {
        // The bar draws that part itself.
    }
    return drawn ? CDRF_SKIPDEFAULT : CDRF_DODEFAULT;
}

bool TSkinTrackBar::DrawChannel(HDC dc) const {
    const bool vertical = (Style() & TBS_VERT) != 0;
    const TDataSkinObject* track = Skin().Element(vertical ? seTrackVert : seTrack);
    if (!track || track->Image.Empty()) return false;
    RECT channel{};
    SendMessageW(Window(), TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
    // Some versions of the system report a vertical bar's channel lying on its side.
    if (vertical && channel.right - channel.left > channel.bottom - channel.top)
        channel = RECT{channel.top, channel.left, channel.bottom, channel.right};
    DrawElement(dc, channel, *track, Available() ? 1 : 2);
    return true;
}

bool TSkinTrackBar::DrawThumb(HDC dc) const {
    const TDataSkinObject* thumb = Skin().Element(ThumbElement(Style()));
    if (!thumb || thumb->Image.Empty() || thumb->FrameCount <= 0) return false;
    const RECT r = ThumbRect();
    const int width = thumb->Image.Width() / thumb->FrameCount;
    const int height = thumb->Image.Height();
    const int left = r.left + (r.right - r.left - width) / 2;
    const int top = r.top + (r.bottom - r.top - height) / 2;
    const int frame = StateFrame(HasFocus() ? 5 : 1, pressed_, hot_, Available());
    DrawElement(dc, RECT{left, top, left + width, top + height}, *thumb, frame);
    return true;
}

RECT TSkinTrackBar::ThumbRect() const {
    RECT r{};
    SendMessageW(Window(), TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&r));
    return r;
}

bool TSkinTrackBar::OverThumb(LPARAM point) const {
    const RECT r = ThumbRect();
    return PtInRect(&r, MousePoint(point)) != FALSE;
}

// The bar moves its thumb on these itself; the skinner only follows the pointer and the
// button for the thumb's frame.
void TSkinTrackBar::AfterMessage(TMessage& m) {
    switch (m.Msg) {
        case WM_LBUTTONDOWN:
            pressed_ = OverThumb(m.LParam);
            Invalidate();
            return;
        case WM_LBUTTONUP:
        case WM_CAPTURECHANGED:
            if (!pressed_) return;
            pressed_ = false;
            Invalidate();
            return;
        case WM_MOUSEMOVE:
        case WM_MOUSELEAVE:
            TrackHot(m, ThumbRect());
            return;
        default:
            TSkinControl::AfterMessage(m);
    }
}
