// Scaling a form to the font it meets (declared in Forms.h). A form file places its controls
// for the font the designer saw; where the same font name gives a wider or taller face, the
// texts would run out of their controls unless the layout grows with them.
#include <cstring>

#include "toolkit/Forms.h"

namespace {

// A factor of two pixel measures, applied with rounding.
struct TRatio {
    int Here;
    int Designed;
    int Of(int value) const { return MulDiv(value, Here, Designed); }
};

// Scales edges rather than sizes, so that controls that touched still touch.
void ScaleTree(TWinControl& parent, TRatio x, TRatio y) {
    for (int i = 0; i < parent.ControlCount(); ++i) {
        TControl& control = *parent.Controls(i);
        const int left = x.Of(control.Left());
        const int top = y.Of(control.Top());
        control.SetBounds(left, top, x.Of(control.Left() + control.Width()) - left,
                          y.Of(control.Top() + control.Height()) - top);
        if (auto* windowed = dynamic_cast<TWinControl*>(&control)) ScaleTree(*windowed, x, y);
    }
}

// The ratio from a recorded measure to the one here; 1 when none was recorded.
TRatio RatioOf(int designed, int here) { return designed > 0 && here > 0 ? TRatio{here, designed} : TRatio{1, 1}; }

void CheckMeasure(int pixels) {
    if (pixels < 0) throw EPropertyError("A text measure cannot be negative");
}

}  // namespace

TTextMeasures MeasureText(const TFont& font) {
    HDC screen = GetDC(nullptr);
    HGDIOBJ old = SelectObject(screen, font.Handle());
    TEXTMETRICA metrics{};
    GetTextMetricsA(screen, &metrics);
    SIZE sample{};
    GetTextExtentPoint32A(screen, kTextMeasureSample, static_cast<int>(std::strlen(kTextMeasureSample)), &sample);
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    return TTextMeasures{metrics.tmHeight, sample.cx};
}

void TCustomForm::SetTextHeight(int pixels) {
    CheckMeasure(pixels);
    designed_.Height = pixels;
}

void TCustomForm::SetTextWidth(int pixels) {
    CheckMeasure(pixels);
    designed_.Width = pixels;
}

void TCustomForm::ScaleToFont(int& clientWidth, int& clientHeight) {
    const TTextMeasures here = MeasureText(*Font());
    const TRatio x = RatioOf(designed_.Width, here.Width);
    const TRatio y = RatioOf(designed_.Height, here.Height);
    if (designed_.Width > 0) designed_.Width = here.Width;
    if (designed_.Height > 0) designed_.Height = here.Height;
    if (x.Here == x.Designed && y.Here == y.Designed) return;
    clientWidth = x.Of(clientWidth);
    clientHeight = y.Of(clientHeight);
    ScaleTree(*this, x, y);
}
