#include "skin/controls/SkinBitButton.h"

#include <algorithm>

#include "toolkit/ImgList.h"

namespace {

// A canvas over a device context that the painting code owns.
class TBorrowedCanvas {
public:
    explicit TBorrowedCanvas(HDC dc) { canvas_.SetHandle(dc); }
    TBorrowedCanvas(const TBorrowedCanvas&) = delete;
    TBorrowedCanvas& operator=(const TBorrowedCanvas&) = delete;
    ~TBorrowedCanvas() { canvas_.SetHandle(nullptr); }
    TCanvas& Canvas() { return canvas_; }

private:
    TCanvas canvas_;
};

}  // namespace

SIZE TSkinBitButton::TGlyphSource::Size() const {
    if (strip) return SIZE{strip->Width() / frames, strip->Height()};
    if (images && index >= 0 && index < images->Count()) return SIZE{images->Width(), images->Height()};
    if (picture && !picture->Empty()) return SIZE{picture->Width(), picture->Height()};
    return SIZE{0, 0};
}

void TSkinBitButton::TGlyphSource::Draw(HDC dc, POINT at, ::TButtonState state) const {
    if (strip) {
        const int frame = static_cast<int>(state) < frames ? static_cast<int>(state) : 0;
        const auto key = static_cast<COLORREF>(ColorToRGB(strip->TransparentColor()) & 0xFFFFFF);
        DrawGlyph(dc, *strip, frame + 1, frames, at.x, at.y, key);
        return;
    }
    const SIZE size = Size();
    if (size.cx == 0) return;
    TBorrowedCanvas borrowed(dc);
    if (images)
        images->Draw(borrowed.Canvas(), at.x, at.y, index, state != bsDisabled);
    else
        picture->Draw(borrowed.Canvas(), Bounds(at.x, at.y, size.cx, size.cy));
}

TSkinBitButton::TGlyphSource TSkinBitButton::Glyph() const {
    TGlyphSource source;
    if (!Control()) return source;
    TControl& control = *Control();
    if (Mode() == 1) {
        source.picture = dynamic_cast<TGraphic*>(GetObjectProp(control, "PngImage"));
        return source;
    }
    auto* strip = dynamic_cast<TBitmap*>(GetObjectProp(control, "Glyph"));
    if (strip && !strip->Empty()) {
        source.strip = strip;
        source.frames = static_cast<int>(std::clamp<std::int64_t>(OrdProp("NumGlyphs").value_or(1), 1, 4));
        return source;
    }
    source.images = dynamic_cast<TImageList*>(GetObjectProp(control, "Images"));
    source.index = static_cast<int>(OrdProp("ImageIndex").value_or(-1));
    return source;
}

TButtonLayout TSkinBitButton::Layout() const {
    const int layout = EnumInfo<TButtonLayout>().ValueOf(Prop("Layout").value_or(""));
    return layout < 0 ? blGlyphLeft : static_cast<TButtonLayout>(layout);
}

::TButtonState TSkinBitButton::GlyphState(int frame) const {
    if (frame == 3) return bsDisabled;
    return frame == 2 ? bsDown : bsUp;
}

// Pressed, the glyph and the caption move a pixel down and right, as on the toolkit's own.
RECT TSkinBitButton::DrawContent(HDC dc, const RECT& area, int frame) const {
    RECT content = area;
    if (frame == 2) OffsetRect(&content, 1, 1);
    const std::wstring caption = Caption();
    const TColor colour = ButtonTextColour(frame);
    constexpr UINT format = DT_SINGLELINE | DT_CENTER;
    RECT measured{0, 0, content.right - content.left, 0};
    SIZE text{0, 0};
    if (!caption.empty()) {
        DrawCaptionText(dc, caption, measured, format | DT_CALCRECT, colour);
        text = SIZE{measured.right - measured.left, measured.bottom - measured.top};
    }
    const TGlyphSource glyph = Glyph();
    const TButtonGlyph::TPlacement place =
        TButtonGlyph::Place(TRect(content), glyph.Size(), text, Layout(),
                            static_cast<int>(OrdProp("Margin").value_or(-1)),
                            static_cast<int>(OrdProp("Spacing").value_or(4)));
    glyph.Draw(dc, POINT{place.glyph.left, place.glyph.top}, GlyphState(frame));
    // A button without a caption has its focus shown around the glyph.
    if (caption.empty()) return place.glyph;
    RECT drawn = place.text;
    DrawCaptionText(dc, caption, drawn, format, colour);
    return drawn;
}
