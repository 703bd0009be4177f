// Glyph buttons: their properties by name, where the glyph goes, the glyph kept in form
// files, and speed buttons that stay down in groups.
#include <gtest/gtest.h>

#include "PaintedPixel.h"
#include "PropertyTable.h"
#include "toolkit/Buttons.h"

namespace {

const char* const kForm = R"(object Probe: TForm
  object btnOk: TBitBtn
    Kind = bkOK
    NumGlyphs = 2
    Layout = blGlyphTop
    Margin = 3
  end
  object btnOwn: TBitBtn
    Caption = '&Okay'
    Kind = bkOK
  end
  object sbBold: TSpeedButton
    GroupIndex = 1
    Down = True
    Flat = True
  end
  object sbItalic: TSpeedButton
    GroupIndex = 1
  end
  object sbPlain: TSpeedButton
  end
end
)";

// An 8 x 8 frame per state, each of one colour, the bitmap's bottom-left pixel magenta.
void MakeGlyph(TBitmap& glyph, std::initializer_list<TColor> frames) {
    glyph.SetSize(8 * static_cast<int>(frames.size()), 8);
    int x = 0;
    for (TColor c : frames) {
        glyph.Canvas()->Brush()->SetColor(c);
        glyph.Canvas()->FillRect(Bounds(x, 0, 8, 8));
        x += 8;
    }
    glyph.Canvas()->SetPixel(0, 7, clFuchsia);
}

}  // namespace

TEST(GlyphButtons, PropertiesComeFromTheFormFileAndGoByName) {
    FormFileScene s(kForm);
    EXPECT_EQ(s.Get<TBitBtn>("btnOk")->Caption(), "OK");
    EXPECT_EQ(s.Get<TBitBtn>("btnOk")->ModalResult(), mrOk);
    EXPECT_EQ(s.Get<TBitBtn>("btnOwn")->Caption(), "&Okay");  // a kind keeps a caption of the file's own
    CheckPropsByName(s, {
                            {"btnOk", "Caption", "OK", "Go"},
                            {"btnOk", "Kind", "bkOK", "bkCancel"},
                            {"btnOk", "NumGlyphs", "2", "4"},
                            {"btnOk", "Layout", "blGlyphTop", "blGlyphRight"},
                            {"btnOk", "Margin", "3", "-1"},
                            {"btnOk", "Spacing", "4", "7"},
                            {"sbBold", "Down", "True", "False"},
                            {"sbBold", "Flat", "True", "False"},
                            {"sbBold", "GroupIndex", "1", "3"},
                            {"sbItalic", "Margin", "-1", "2"},
                            {"sbItalic", "NumGlyphs", "1", "3"},
                        });
    EXPECT_NE(GetObjectProp(*s.Get<TBitBtn>("btnOk"), "Glyph"), nullptr);
    EXPECT_NE(GetObjectProp(*s.Get<TSpeedButton>("sbPlain"), "Glyph"), nullptr);
}

TEST(GlyphButtons, TheGlyphSitsByLayoutMarginAndSpacing) {
    TButtonGlyph glyph;
    MakeGlyph(*glyph.Glyph(), {clRed});
    HDC dc = GetDC(nullptr);
    const TRect client = Rect(0, 0, 60, 30);
    struct Case {
        TButtonLayout layout;
        int margin, spacing;
        TPoint glyphAt;
    } const cases[] = {
        {blGlyphLeft, 4, 4, {4, 11}},   {blGlyphRight, 4, 4, {48, 11}}, {blGlyphLeft, -1, 4, {26, 11}},
        {blGlyphTop, 2, 4, {26, 2}},    {blGlyphBottom, 2, 4, {26, 20}},
    };
    for (const Case& c : cases) {
        const TRect g = glyph.Place(dc, client, "", c.layout, c.margin, c.spacing).glyph;
        EXPECT_EQ(g.left, c.glyphAt.x) << c.layout << " " << c.margin;
        EXPECT_EQ(g.top, c.glyphAt.y) << c.layout << " " << c.margin;
    }
    // With a caption: the spacing lies between them, and margin -1 centres the pair.
    const auto left = glyph.Place(dc, client, "Go", blGlyphLeft, -1, 5);
    EXPECT_EQ(left.text.left - left.glyph.right, 5);
    EXPECT_NEAR(left.glyph.left - client.left, client.right - left.text.right, 1);
    const auto right = glyph.Place(dc, client, "Go", blGlyphRight, 2, 3);
    EXPECT_EQ(right.glyph.right, 58);
    EXPECT_EQ(right.glyph.left - right.text.right, 3);
    ReleaseDC(nullptr, dc);
}

TEST(GlyphButtons, TheGlyphIsKeptInTheFormFileAndDrawnInTheStatesFrame) {
    FormFileScene s(kForm);
    MakeGlyph(*s.Get<TBitBtn>("btnOk")->Glyph(), {clRed, clBlue});
    FormFileScene again(WriteComponent(*s.form));
    auto* button = again.Get<TBitBtn>("btnOk");
    button->SetCaption("");
    button->SetBounds(0, 0, 40, 40);
    button->SetLayout(blGlyphLeft);
    button->SetMargin(10);
    ASSERT_EQ(button->Glyph()->Width(), 16);
    again.form->Show();
    Pump();
    EXPECT_EQ(PaintedPixel(*button, 16, 20), clRed);
    EXPECT_NE(PaintedPixel(*button, 13, 23), clFuchsia);  // the transparent colour shows the face
    button->SetEnabled(false);
    EXPECT_EQ(PaintedPixel(*button, 16, 20), clBlue);  // the second frame is the disabled one
}

TEST(SpeedButtons, AGroupKeepsOneButtonDown) {
    FormFileScene s(kForm);
    auto* bold = s.Get<TSpeedButton>("sbBold");
    auto* italic = s.Get<TSpeedButton>("sbItalic");
    auto* plain = s.Get<TSpeedButton>("sbPlain");
    auto click = [](TSpeedButton* b) {
        b->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        b->Perform(WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    };
    struct Step {
        TSpeedButton* clicked;
        bool allowAllUp;
        bool bold, italic, plain;
    } const steps[] = {
        {italic, false, false, true, false},  // another of the group goes down, the first up
        {italic, false, false, true, false},  // clicking the one that is down keeps it down
        {italic, true, false, false, false},  // unless all may be up
        {plain, false, false, false, false},  // a button of no group never stays down
        {bold, false, true, false, false},
    };
    for (const Step& step : steps) {
        bold->SetAllowAllUp(step.allowAllUp);
        italic->SetAllowAllUp(step.allowAllUp);
        int clicks = 0;
        step.clicked->OnClick = [&](TObject*) { ++clicks; };
        click(step.clicked);
        EXPECT_EQ(clicks, 1);
        EXPECT_EQ(bold->Down(), step.bold);
        EXPECT_EQ(italic->Down(), step.italic);
        EXPECT_EQ(plain->Down(), step.plain);
    }
}
