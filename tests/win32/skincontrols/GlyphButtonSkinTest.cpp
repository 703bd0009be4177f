// Glyph buttons and speed buttons under the skin: the button element's frame for the state,
// the control's own glyph frame placed by Layout, Margin and Spacing, the other glyph
// sources, and a windowless speed button getting its message hook back.
#include <array>
#include <functional>
#include <string>

#include "ControlFixture.h"
#include "skin/controls/SkinSpeedButton.h"
#include "skin/engine/SkinMessages.h"
#include "tests/win32/controls/PaintedPixel.h"
#include "toolkit/ImgList.h"

using namespace controltest;

namespace {

constexpr int kSide = 10;  // the test glyphs are square

// `frames` solid squares side by side, frame n in PartColour(kGlyph, n); the bottom-left
// pixel is magenta, which makes it the transparent colour.
TBitmap& GlyphStrip(TBitmap& strip, int frames) {
    strip.SetPixelFormat(pf24bit);
    strip.SetSize(kSide * frames, kSide);
    for (int n = 1; n <= frames; ++n) {
        strip.Canvas()->Brush()->SetColor(PartColour(kGlyph, n));
        strip.Canvas()->FillRect(Bounds(kSide * (n - 1), 0, kSide, kSide));
    }
    SetPixel(strip.Canvas()->Handle(), 0, kSide - 1, RGB(255, 0, 255));
    return strip;
}

void GiveGlyph(TGlyphProps& button, int frames) {
    TBitmap strip;
    button.SetGlyph(GlyphStrip(strip, frames));
    button.SetNumGlyphs(frames);
}

// Where a square glyph sits centred in a control of that size (the content is inset by 2).
POINT CentredGlyph(int width, int height) { return {2 + (width - 4 - kSide) / 2, 2 + (height - 4 - kSide) / 2}; }

std::array<LONG, 4> Corners(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

// A glyph button of another library: its glyph comes from an image list or a picture.
class TImageButton : public TButton {
    TOOLKIT_CLASS(TImageButton, TButton)

public:
    using TButton::TButton;
    TImageList* Images() const { return images_; }
    void SetImages(TImageList* images) { images_ = images; }
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index) { imageIndex_ = index; }
    TBitmap* PngImage() const { return picture_.get(); }

private:
    TImageList* images_ = nullptr;
    int imageIndex_ = -1;
    std::unique_ptr<TBitmap> picture_ = std::make_unique<TBitmap>();
};

}  // namespace

const TClassInfo& TImageButton::StaticClass() {
    using C = TImageButton;
    using P = TProps<C>;
    static const TClassInfo info("TImageButton", &TButton::StaticClass(), nullptr,
                                 {P::Component("Images", &C::Images, &C::SetImages),
                                  P::Integer("ImageIndex", &C::ImageIndex, &C::SetImageIndex),
                                  P::Object("PngImage", &C::PngImage)});
    return info;
}

TEST_F(ControlsTest, BitButtonPlacesItsGlyphByLayoutAndMargin) {
    constexpr int width = 100, height = 40;
    const POINT centred = CentredGlyph(width, height);
    struct Case {
        TButtonLayout layout;
        int margin;
        POINT at;
    };
    const Case cases[] = {
        {blGlyphLeft, 5, {2 + 5, centred.y}},
        {blGlyphRight, 5, {width - 2 - 5 - kSide, centred.y}},
        {blGlyphTop, 3, {centred.x, 2 + 3}},
        {blGlyphBottom, 3, {centred.x, height - 2 - 3 - kSide}},
        {blGlyphLeft, -1, centred},
    };
    for (const Case& c : cases) {
        TBitBtn& button = Make<TBitBtn>(10, 10, width, height);
        GiveGlyph(button, 1);
        button.SetLayout(c.layout);
        button.SetMargin(c.margin);
        Skin<TSkinBitButton>(button);
        const RECT glyph = BoxOfOthers(*Printed(button.Handle()), RECT{2, 2, width - 2, height - 2}, PartColour(kButton, 1));
        EXPECT_EQ(Corners(glyph), Corners(Bounds(c.at.x, c.at.y, kSide, kSide))) << c.layout << " margin " << c.margin;
    }
}

TEST_F(ControlsTest, BitButtonKeepsSpacingBetweenGlyphAndCaption) {
    constexpr int margin = 4;
    LONG captionLeft[2] = {};
    for (int spacing : {2, 12}) {
        TBitBtn& button = Make<TBitBtn>(10, 10, 120, 40);
        GiveGlyph(button, 1);
        button.SetCaption("Wg");
        button.SetMargin(margin);
        button.SetSpacing(spacing);
        Skin<TSkinBitButton>(button);
        const RECT pastGlyph{2 + margin + kSide, 2, 118, 38};
        captionLeft[spacing > 2] = BoxOfOthers(*Printed(button.Handle()), pastGlyph, PartColour(kButton, 1)).left;
    }
    EXPECT_EQ(captionLeft[1] - captionLeft[0], 10);
}

TEST_F(ControlsTest, BitButtonShowsTheFramesOfItsState) {
    struct Case {
        const char* what;
        int glyphs;
        std::function<void(TBitBtn&)> setUp;
        int frame;
        int glyphFrame;  // up, disabled, down
    };
    const Case cases[] = {
        {"normal", 3, [](TBitBtn&) {}, 1, 1},
        {"pressed", 3, [](TBitBtn& b) { SendMessageA(b.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5)); }, 2, 3},
        {"disabled", 3, [](TBitBtn& b) { b.SetEnabled(false); }, 3, 2},
        {"disabled, one glyph only", 1, [](TBitBtn& b) { b.SetEnabled(false); }, 3, 1},
    };
    const POINT glyph = CentredGlyph(100, 40);
    for (const Case& c : cases) {
        TBitBtn& button = Make<TBitBtn>(10, 10, 100, 40);
        GiveGlyph(button, c.glyphs);
        Skin<TSkinBitButton>(button);
        c.setUp(button);
        const auto printed = Printed(button.Handle());
        EXPECT_EQ(skintest::PixelOf(*printed, 4, 4), PartColour(kButton, c.frame)) << c.what;
        EXPECT_EQ(skintest::PixelOf(*printed, glyph.x + kSide / 2, glyph.y + kSide / 2), PartColour(kGlyph, c.glyphFrame))
            << c.what;
        ReleaseCapture();
    }
}

TEST_F(ControlsTest, BitButtonTakesItsGlyphFromAnImageListOrAPicture) {
    auto* images = new TImageList(form_);
    images->SetSize(kSide, kSide);
    TBitmap strip;
    images->Add(GlyphStrip(strip, 2));
    struct Case {
        const char* what;
        int mode;
        int imageIndex;
        TColor centre;
    };
    const Case cases[] = {
        {"an image of the list", 0, 1, PartColour(kGlyph, 2)},
        {"an index past the list", 0, 2, PartColour(kButton, 1)},
        {"mode 1: the picture", 1, 1, PartColour(kGlyph, 1)},
    };
    const POINT glyph = CentredGlyph(100, 40);
    for (const Case& c : cases) {
        TImageButton& button = Make<TImageButton>(10, 10, 100, 40);
        button.SetImages(images);
        button.SetImageIndex(c.imageIndex);
        GlyphStrip(*button.PngImage(), 1);
        Skin<TSkinBitButton>(button, c.mode);
        EXPECT_EQ(skintest::PixelOf(*Printed(button.Handle()), glyph.x + kSide / 2, glyph.y + kSide / 2), c.centre)
            << c.what;
    }
}

TEST_F(ControlsTest, SpeedButtonShowsItsStateOnWhatItsParentHandsIt) {
    struct Case {
        const char* what;
        std::function<void(TSpeedButton&)> setUp;
        TColor face;
        int glyphFrame;  // up, disabled, down, stuck down
    };
    const auto enter = [](TSpeedButton& b) { b.Perform(CM_MOUSEENTER); };
    const Case cases[] = {
        {"normal", [](TSpeedButton&) {}, PartColour(kButton, 1), 1},
        {"hot", enter, PartColour(kButton, 4), 1},
        {"hot, then left", [&](TSpeedButton& b) { enter(b), b.Perform(CM_MOUSELEAVE); }, PartColour(kButton, 1), 1},
        {"pressed", [](TSpeedButton& b) { b.Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5)); },
         PartColour(kButton, 2), 3},
        {"down", [](TSpeedButton& b) { b.SetGroupIndex(1), b.SetDown(true); }, PartColour(kButton, 2), 4},
        {"disabled", [](TSpeedButton& b) { b.SetEnabled(false); }, PartColour(kButton, 3), 2},
        {"flat", [](TSpeedButton& b) { b.SetFlat(true); }, kParent, 1},
        {"flat and hot", [&](TSpeedButton& b) { b.SetFlat(true), enter(b); }, PartColour(kButton, 4), 1},
    };
    const POINT glyph = CentredGlyph(40, 30);
    for (const Case& c : cases) {
        TSpeedButton& button = Make<TSpeedButton>(10, 10, 40, 30);
        GiveGlyph(button, 4);
        Skin<TSkinSpeedButton>(button);
        c.setUp(button);
        EXPECT_EQ(PaintedPixel(button, 4, 4), c.face) << c.what;
        EXPECT_EQ(PaintedPixel(button, glyph.x + kSide / 2, glyph.y + kSide / 2), PartColour(kGlyph, c.glyphFrame))
            << c.what;
        ReleaseCapture();
    }
}

TEST_F(ControlsTest, SpeedButtonGivesItsHookBack) {
    for (UINT message : {SKM_RELEASEHOOK, static_cast<UINT>(WM_NCDESTROY)}) {
        TSpeedButton& button = Make<TSpeedButton>(10, 10, 40, 30);
        const std::string ownHook = button.WindowProc.target_type().name();
        const TColor ownFace = PaintedPixel(button, 4, 4);
        TSkinSpeedButton& skinner = Skin<TSkinSpeedButton>(button);
        ASSERT_EQ(PaintedPixel(button, 4, 4), PartColour(kButton, 1));
        button.Perform(message);
        EXPECT_TRUE(skinner.Dead()) << message;
        EXPECT_EQ(button.WindowProc.target_type().name(), ownHook) << message;
        EXPECT_EQ(PaintedPixel(button, 4, 4), ownFace) << message;
    }
}
