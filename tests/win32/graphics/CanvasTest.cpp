// TCanvas drawing read back with GetPixel, the drawing tools, and their published properties.
#include <gtest/gtest.h>

#include "toolkit/Graphics.h"

namespace {

// A white 40 x 30 bitmap to draw on.
class CanvasTest : public ::testing::Test {
protected:
    TBitmap bitmap;
    TCanvas& canvas = *bitmap.Canvas();

    void SetUp() override {
        bitmap.SetSize(40, 30);
        canvas.Brush()->SetColor(clWhite);
        canvas.FillRect(Rect(0, 0, 40, 30));
    }

    int CountPixels(TColor color, const TRect& area) {
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x) count += canvas.Pixels(x, y) == color;
        return count;
    }
};

TEST(Colors, SystemColoursResolveThroughTheSystem) {
    EXPECT_EQ(ColorToRGB(clBtnFace), static_cast<TColor>(GetSysColor(COLOR_BTNFACE)));
    EXPECT_EQ(ColorToRGB(clWindowText), static_cast<TColor>(GetSysColor(COLOR_WINDOWTEXT)));
    EXPECT_EQ(ColorToRGB(0x00123456), 0x00123456);
    EXPECT_EQ(ColorToRGB(clNone), clNone);
}

TEST_F(CanvasTest, FillRectUsesTheBrushAndStopsAtTheEdge) {
    canvas.Brush()->SetColor(clBtnFace);
    canvas.FillRect(Rect(2, 3, 6, 5));
    const TColor face = ColorToRGB(clBtnFace);
    EXPECT_EQ(CountPixels(face, Rect(0, 0, 40, 30)), 8);
    EXPECT_EQ(canvas.Pixels(2, 3), face);
    EXPECT_EQ(canvas.Pixels(5, 4), face);
    EXPECT_EQ(canvas.Pixels(6, 4), clWhite);
}

TEST_F(CanvasTest, RectangleHasAPenOutlineAndBrushInside) {
    canvas.Pen()->SetColor(clRed);
    canvas.Brush()->SetColor(clBlue);
    canvas.Rectangle(5, 5, 15, 12);
    EXPECT_EQ(canvas.Pixels(5, 5), clRed);
    EXPECT_EQ(canvas.Pixels(14, 11), clRed);
    EXPECT_EQ(canvas.Pixels(10, 8), clBlue);
    EXPECT_EQ(canvas.Pixels(15, 12), clWhite);
    canvas.Brush()->SetStyle(bsClear);
    canvas.Rectangle(20, 5, 30, 12);
    EXPECT_EQ(canvas.Pixels(25, 8), clWhite);
}

TEST_F(CanvasTest, RoundRectCutsItsCorners) {
    canvas.Pen()->SetColor(clBlack);
    canvas.Brush()->SetColor(clBlack);
    canvas.RoundRect(0, 0, 20, 20, 10, 10);
    EXPECT_EQ(canvas.Pixels(0, 0), clWhite);
    EXPECT_EQ(canvas.Pixels(10, 10), clBlack);
    EXPECT_EQ(canvas.Pixels(10, 0), clBlack);
}

TEST_F(CanvasTest, LinesFollowThePenPosition) {
    canvas.Pen()->SetColor(clGreen);
    canvas.MoveTo(1, 20);
    canvas.LineTo(11, 20);
    EXPECT_EQ(canvas.PenPos().x, 11);
    EXPECT_EQ(CountPixels(clGreen, Rect(0, 20, 40, 21)), 10);  // the end point is not drawn
    canvas.Pen()->SetWidth(3);
    canvas.MoveTo(20, 25);
    canvas.LineTo(30, 25);
    EXPECT_EQ(canvas.Pixels(25, 24), clGreen);
}

TEST_F(CanvasTest, PolygonsCloseAndFillPolylinesDoNot) {
    canvas.Pen()->SetColor(clBlack);
    canvas.Brush()->SetColor(clBlue);
    canvas.Polygon({Point(0, 0), Point(20, 0), Point(0, 20)});
    EXPECT_EQ(canvas.Pixels(4, 4), clBlue);
    EXPECT_EQ(canvas.Pixels(15, 15), clWhite);
    canvas.Polyline({Point(25, 5), Point(35, 5), Point(35, 15)});
    EXPECT_EQ(canvas.Pixels(30, 5), clBlack);
    EXPECT_EQ(canvas.Pixels(30, 10), clWhite);  // not closed, not filled
}

TEST_F(CanvasTest, ClipRectIsTheWholeBitmapUntilClipped) {
    TRect clip = canvas.ClipRect();
    EXPECT_EQ(RectWidth(clip), 40);
    EXPECT_EQ(RectHeight(clip), 30);
    IntersectClipRect(canvas.Handle(), 5, 5, 10, 10);
    clip = canvas.ClipRect();
    EXPECT_EQ(clip.left, 5);
    EXPECT_EQ(clip.bottom, 10);
    canvas.Brush()->SetColor(clBlack);
    canvas.FillRect(Rect(0, 0, 40, 30));
    EXPECT_EQ(CountPixels(clBlack, Rect(0, 0, 40, 30)), 25);
}

TEST_F(CanvasTest, TextUsesTheFontColourAndTheBrushBackground) {
    canvas.Font()->SetColor(clRed);
    canvas.Brush()->SetColor(clYellow);
    canvas.TextOut(1, 1, "Hg");
    const SIZE size = canvas.TextExtent("Hg");
    const TRect cell = Bounds(1, 1, size.cx, size.cy);
    EXPECT_GT(CountPixels(clRed, cell), 0);
    EXPECT_GT(CountPixels(clYellow, cell), 0);
    EXPECT_EQ(CountPixels(clRed, Rect(0, 0, 40, 30)), CountPixels(clRed, cell));

    canvas.Brush()->SetStyle(bsClear);
    canvas.Font()->SetColor(clBlue);
    canvas.TextOut(1, 15, "Hg");
    EXPECT_EQ(CountPixels(clYellow, Bounds(1, 15, size.cx, size.cy)), 0);
    EXPECT_GT(CountPixels(clBlue, Bounds(1, 15, size.cx, size.cy)), 0);
}

TEST_F(CanvasTest, TextMeasuresGrowWithTextAndFont) {
    const int narrow = canvas.TextWidth("iii");
    EXPECT_GT(narrow, 0);
    EXPECT_GT(canvas.TextWidth("iiiiii"), narrow);
    const int height = canvas.TextHeight("X");
    canvas.Font()->SetHeight(-30);
    EXPECT_GT(canvas.TextHeight("X"), height);
}

TEST_F(CanvasTest, TextRectClipsToItsRectangle) {
    canvas.Font()->SetColor(clBlack);
    canvas.Brush()->SetColor(clAqua);
    canvas.TextRect(Rect(0, 0, 6, 30), 0, 0, "WWWWWWWW");
    EXPECT_EQ(canvas.Pixels(5, 25), clAqua);  // the rectangle's background, below the text
    EXPECT_EQ(CountPixels(clBlack, Rect(6, 0, 40, 30)), 0);
}

TEST_F(CanvasTest, DrawTextFlags) {
    TRect measured = Rect(0, 0, 0, 0);
    canvas.DrawText("Wide text", measured, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(RectWidth(measured), canvas.TextWidth("Wide text"));
    EXPECT_EQ(CountPixels(ColorToRGB(clWindowText), Rect(0, 0, 40, 30)), 0);  // measuring draws nothing

    canvas.Font()->SetColor(clBlack);
    canvas.Brush()->SetStyle(bsClear);
    TRect right = Rect(0, 0, 40, 30);
    canvas.DrawText("i", right, DT_RIGHT | DT_BOTTOM | DT_SINGLELINE);
    EXPECT_EQ(CountPixels(clBlack, Rect(0, 0, 30, 30)), 0);
    EXPECT_GT(CountPixels(clBlack, Rect(30, 0, 40, 30)), 0);
}

// Magenta parts of a transparent bitmap leave what was below them.
TEST_F(CanvasTest, TransparentDrawKeepsTheBackground) {
    TBitmap glyph;
    glyph.SetSize(4, 4);
    glyph.Canvas()->Brush()->SetColor(clFuchsia);
    glyph.Canvas()->FillRect(Rect(0, 0, 4, 4));
    glyph.Canvas()->Brush()->SetColor(clRed);
    glyph.Canvas()->FillRect(Rect(1, 1, 3, 3));
    canvas.Draw(0, 0, glyph);
    EXPECT_EQ(canvas.Pixels(0, 0), clFuchsia);

    glyph.SetTransparent(true);  // automatic colour: the bottom-left pixel, magenta
    canvas.Draw(10, 0, glyph);
    EXPECT_EQ(canvas.Pixels(10, 0), clWhite);
    EXPECT_EQ(canvas.Pixels(11, 1), clRed);
    canvas.StretchDraw(Rect(20, 0, 28, 8), glyph);
    EXPECT_EQ(canvas.Pixels(20, 0), clWhite);
    EXPECT_EQ(canvas.Pixels(22, 2), clRed);
    EXPECT_EQ(canvas.Pixels(25, 5), clRed);
}

TEST_F(CanvasTest, StretchDrawAndCopyRectScale) {
    TBitmap quarters;
    quarters.SetSize(2, 2);
    quarters.Canvas()->SetPixel(0, 0, clRed);
    quarters.Canvas()->SetPixel(1, 0, clLime);
    quarters.Canvas()->SetPixel(0, 1, clBlue);
    quarters.Canvas()->SetPixel(1, 1, clYellow);
    canvas.StretchDraw(Rect(0, 0, 8, 8), quarters);
    EXPECT_EQ(CountPixels(clRed, Rect(0, 0, 4, 4)), 16);
    EXPECT_EQ(CountPixels(clYellow, Rect(4, 4, 8, 8)), 16);

    canvas.CopyRect(Rect(10, 10, 14, 12), *quarters.Canvas(), Rect(0, 1, 2, 2));
    EXPECT_EQ(canvas.Pixels(10, 10), clBlue);
    EXPECT_EQ(canvas.Pixels(13, 11), clYellow);
}

TEST_F(CanvasTest, ACanvasWithoutAContextRefusesToDraw) {
    TCanvas bare;
    EXPECT_THROW(bare.FillRect(Rect(0, 0, 1, 1)), EInvalidGraphicOperation);
    TBitmap empty;
    EXPECT_GT(empty.Canvas()->TextWidth("measure"), 0);  // an empty bitmap still measures text
}

// A canvas on a context of its own: taking the context away puts the original tools back.
TEST(Canvas, GivesTheContextBackAsItFoundIt) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ originalFont = GetCurrentObject(dc, OBJ_FONT);
    {
        TCanvas canvas;
        canvas.SetHandle(dc);
        canvas.Font()->SetStyle({fsBold});
        canvas.TextWidth("x");
        EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), canvas.Font()->Handle());
        canvas.SetHandle(nullptr);
        EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), originalFont);
    }
    DeleteDC(dc);
}

TEST(Font, SizeAndHeightFollowTheScreen) {
    TFont font;
    font.SetSize(12);
    EXPECT_EQ(font.Height(), -MulDiv(12, ScreenPixelsPerInch(), 72));
    EXPECT_EQ(font.Size(), 12);
}

TEST(Font, HandleIsRemadeAfterAChange) {
    TFont font;
    int changes = 0;
    font.OnChange = [&](TObject*) { ++changes; };
    LOGFONTA lf{};
    GetObjectA(font.Handle(), sizeof(lf), &lf);
    EXPECT_EQ(lf.lfWeight, FW_NORMAL);
    EXPECT_STREQ(lf.lfFaceName, "MS Sans Serif");
    font.SetStyle({fsBold, fsUnderline});
    font.SetStyle({fsBold, fsUnderline});  // no change, no notice
    font.SetName("Arial");
    EXPECT_EQ(changes, 2);
    GetObjectA(font.Handle(), sizeof(lf), &lf);
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
    EXPECT_TRUE(lf.lfUnderline);
    EXPECT_FALSE(lf.lfItalic);
    EXPECT_STREQ(lf.lfFaceName, "Arial");
}

TEST(Font, TakesItsDescriptionFromAHandle) {
    LOGFONTA lf{};
    lf.lfHeight = -17;
    lf.lfWeight = FW_BOLD;
    lf.lfItalic = TRUE;
    lf.lfCharSet = ANSI_CHARSET;
    lstrcpyA(lf.lfFaceName, "Tahoma");
    TFont font;
    int changes = 0;
    font.OnChange = [&](TObject*) { ++changes; };
    font.SetHandle(CreateFontIndirectA(&lf));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(font.Name(), "Tahoma");
    EXPECT_EQ(font.Height(), -17);
    EXPECT_EQ(font.Style(), (TFontStyles{fsBold, fsItalic}));
    EXPECT_EQ(font.Charset(), ANSI_CHARSET);
    EXPECT_THROW(font.SetHandle(nullptr), EInvalidGraphic);
}

// A window that is handed the font again from OnChange must get the new font, and the one it
// had before must be gone only after that.
TEST(Font, OnChangeAlreadySeesTheNewFont) {
    TFont font;
    HFONT before = font.Handle();
    LOGFONTA seen{};
    bool oldStillThere = false;
    font.OnChange = [&](TObject*) {
        oldStillThere = GetObjectType(before) == OBJ_FONT;
        GetObjectA(font.Handle(), sizeof(seen), &seen);
    };
    font.SetStyle({fsBold});
    EXPECT_EQ(seen.lfWeight, FW_BOLD);
    EXPECT_TRUE(oldStillThere);
    EXPECT_EQ(GetObjectType(before), 0u);  // deleted once the listeners were told
}

TEST(Font, PublishedPropertiesByName) {
    TFont font;
    EXPECT_TRUE(SetPropText(font, "style", "[fsBold, fsStrikeOut]"));
    EXPECT_EQ(font.Style(), (TFontStyles{fsBold, fsStrikeOut}));
    EXPECT_EQ(GetPropText(font, "Style"), "[fsBold,fsStrikeOut]");
    EXPECT_TRUE(SetPropText(font, "Color", "clBtnText"));
    EXPECT_EQ(font.Color(), clBtnText);
    EXPECT_TRUE(SetOrdProp(font, "Height", -20));
    EXPECT_EQ(GetPropText(font, "Name"), "MS Sans Serif");
    EXPECT_FALSE(IsStoredProp(font, *GetPropInfo(font, "Size")));
    EXPECT_FALSE(GetPropText(font, "Weight").has_value());

    TFont copy;
    copy.Assign(font);
    EXPECT_EQ(copy.Height(), -20);
    EXPECT_EQ(copy.Style(), font.Style());
}

TEST(Tools, BrushAndPenPublishTheirProperties) {
    TBrush brush;
    EXPECT_TRUE(SetPropText(brush, "Style", "bsClear"));
    EXPECT_EQ(brush.Style(), bsClear);
    EXPECT_EQ(GetPropText(brush, "Color"), "clWhite");
    TPen pen;
    EXPECT_TRUE(SetOrdProp(pen, "Width", 4));
    EXPECT_TRUE(SetPropText(pen, "Style", "psDot"));
    LOGPEN lp{};
    GetObjectA(pen.Handle(), sizeof(lp), &lp);
    EXPECT_EQ(lp.lopnWidth.x, 4);
    EXPECT_EQ(lp.lopnStyle, static_cast<UINT>(PS_DOT));
}

}  // namespace
