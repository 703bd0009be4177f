// The parse of skin definitions built in the test into the component's element records.
#include <gtest/gtest.h>

#include "skin/SkinDefinitionParse.h"
#include "skin/WinSkinData.h"
#include "tests/win32/skin/TestSkins.h"

namespace {

using skintest::Bmp;
using skintest::ColumnBmp;
using skintest::PixelOf;
using skintest::SolidBmp;
using skintest::TTestSkin;

class SkinParseTest : public ::testing::Test {
protected:
    TSkinData data{nullptr};

    void Load(const TTestSkin& skin) { ASSERT_TRUE(skintest::Load(data, skin)); }
    const TDataSkinSysButton& SysButton(int index) { return *data.SysButtons().at(index); }
};

TEST_F(SkinParseTest, TitleBarButtonsAreFilteredPlacedAndGivenFrameCounts) {
    TTestSkin skin;
    skin.definition =
        "[Buttons]\n[Button.Radio]\n[BUTTON]\n[Button.CheckBox]\n"
        "[ButtonDropped]\nAction=-1\n"
        "[ButtonKept]\nAction=-1\nVisibility=0\n"
        "[ButtonHelpEarly]\nAction=4\nXcoord=7\n"
        "[ButtonClose]\nAction=0\nButtonImage=close.bmp\n"
        "[ButtonMax]\nAction=1\nVisibility=2\nXcoord=40\nYcoord=5\nButtonImage=max.bmp\n"
        "[ButtonHelp]\nAction=4\nXcoord=99\n"
        "[ButtonIcon]\nAction=3\nButtonImage=close.bmp\n"
        "[ButtonIcon2]\nAction=11\nframe=2\nButtonImage=close.bmp\n";
    skin.Image("close.bmp", SolidBmp(60, 20, clRed)).Image("max.bmp", SolidBmp(120, 20, clBlue));
    Load(skin);

    ASSERT_EQ(data.SysButtons().size(), 7u + 3u);
    EXPECT_EQ(SysButton(0).Name, "BUTTONKEPT");
    EXPECT_EQ(SysButton(0).FrameCount, 6);  // negative action: 6 whatever the image
    EXPECT_EQ(SysButton(0).Visibility1, -1);
    EXPECT_EQ(SysButton(1).Xcoord, TSkinDefinitionParse::kNoRecordedHelpPosition.x);
    EXPECT_EQ(SysButton(1).Ycoord, TSkinDefinitionParse::kNoRecordedHelpPosition.y);
    EXPECT_EQ(SysButton(2).FrameCount, 3);  // 60 × 20: ratio 3
    EXPECT_EQ(SysButton(2).CombineOp, -1);
    EXPECT_EQ(SysButton(3).FrameCount, 6);  // 120 × 20: ratio 6
    EXPECT_EQ(SysButton(4).Xcoord, 40);     // the help button goes where maximise was recorded
    EXPECT_EQ(SysButton(4).Ycoord, 5);
    EXPECT_EQ(SysButton(5).FrameCount, 3);
    EXPECT_TRUE(SysButton(5).Image.Empty());  // icon buttons without a frame key draw the icon
    EXPECT_EQ(SysButton(6).FrameCount, 2);
    EXPECT_EQ(SysButton(6).Image.Width(), 60);
}

TEST_F(SkinParseTest, MdiButtonsAreCutFromMdiControls) {
    TTestSkin skin;
    skin.definition = "[MDICONTROLS]\nImage=mdi.bmp\n";
    skin.Image("mdi.bmp", ColumnBmp(120, 10));
    Load(skin);

    ASSERT_EQ(data.SysButtons().size(), 3u);
    const int expectedX[] = {42, 28, 14};
    for (int k = 0; k < 3; ++k) {
        const TDataSkinSysButton& button = SysButton(k);
        EXPECT_EQ(button.Action, 7 + k);
        EXPECT_EQ(button.Align, 100);
        EXPECT_EQ(button.Visibility, 100);
        EXPECT_EQ(button.Visibility1, 100);
        EXPECT_EQ(button.FrameCount, 4);
        EXPECT_EQ(button.Xcoord, expectedX[k]);
        ASSERT_EQ(button.Image.Width(), 40);
        EXPECT_EQ(button.Image.Height(), 10);
        EXPECT_EQ(PixelOf(button.Image, 0, 0), 40 * k);
        EXPECT_EQ(PixelOf(button.Image, 39, 9), 40 * k + 39);
    }
}

TEST_F(SkinParseTest, WithoutMdiControlsTheMdiButtonsKeepEmptyImages) {
    TTestSkin skin;
    skin.definition = "[MDICONTROLS]\nImage=tiny.bmp\n";
    skin.Image("tiny.bmp", SolidBmp(11, 4, clRed));  // narrower than twelve frames
    Load(skin);
    ASSERT_EQ(data.SysButtons().size(), 3u);
    for (const auto& button : data.SysButtons()) EXPECT_TRUE(button->Image.Empty());
}

TEST_F(SkinParseTest, ComboImagesAreComposedFromSunkEdgeAndComboButton) {
    TTestSkin skin;
    skin.definition =
        "[SunkEdge]\nImage=sunk.bmp\nLeftWidth=2\nRightWidth=2\nTopHeight=2\nBottomHeight=2\n"
        "[ComboButton]\nImage=combo.bmp\n";
    skin.Image("sunk.bmp", SolidBmp(40, 21, clGray)).Image("combo.bmp", SolidBmp(68, 21, clBlue));
    Load(skin);
    const int s = GetSystemMetrics(SM_CXHSCROLL) + 2;

    auto* combo = data.ElementAs<TDataSkinBorder>(seComboButton);
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->Style, 2);
    EXPECT_EQ(combo->FrameCount, 4);
    EXPECT_EQ(combo->LeftWidth, 2);
    EXPECT_EQ(combo->RightWidth, s + 2);
    EXPECT_EQ(combo->TopHeight, 2);
    EXPECT_EQ(combo->Image2.Width(), 68);  // the mirrored button, made before the build
    ASSERT_EQ(combo->Image.Width(), 200);
    ASSERT_EQ(combo->Image.Height(), 21);
    EXPECT_EQ(PixelOf(combo->Image, 0, 0), clGray);
    EXPECT_EQ(PixelOf(combo->Image, 10, 10), clFuchsia);
    EXPECT_EQ(PixelOf(combo->Image, 49, 10), clBlue);
    EXPECT_EQ(PixelOf(combo->Image, 50 + 49, 10), clBlue);

    const TDataSkinObject* sunk = data.Element(seSunkEdge);
    EXPECT_EQ(sunk->LeftWidth, s + 2);
    EXPECT_EQ(sunk->RightWidth, 2);
    EXPECT_EQ(PixelOf(sunk->Image, 0, 10), clBlue);  // mirrored: the button on the left
    EXPECT_EQ(PixelOf(sunk->Image, 199, 0), clGray);

    const TDataSkinObject* arrow = data.ComboxArrow();
    ASSERT_NE(arrow, nullptr);
    EXPECT_EQ(arrow->Name, "ComboxArrow");
    EXPECT_EQ(arrow->FrameCount, 4);
    EXPECT_EQ(arrow->Image.Width(), 68);
    EXPECT_EQ(arrow->Image.Height(), 17);
    EXPECT_EQ(PixelOf(arrow->Image, 16, 0), clBlue);
}

TEST_F(SkinParseTest, WithoutSunkEdgeTheArrowIsTheButtonOnTheButtonFace) {
    TTestSkin skin;
    skin.definition = "[Colours]\nButtonFace=10 20 30\n[ComboButton]\nImage=combo.bmp\n";
    skin.Image("combo.bmp", Bmp(2, 1, [](int x, int) { return x == 0 ? clFuchsia : clRed; }));
    Load(skin);
    const TDataSkinObject* combo = data.Element(seComboButton);
    EXPECT_EQ(combo->Style, 0);
    EXPECT_EQ(combo->Image.Width(), 2);  // no combo box images without a sunk edge
    const TDataSkinObject* arrow = data.ComboxArrow();
    EXPECT_EQ(PixelOf(arrow->Image, 0, 0), 0x1E140A);
    EXPECT_EQ(PixelOf(arrow->Image, 1, 0), clRed);
    EXPECT_EQ(arrow->FrameCount, 4);
}

TEST_F(SkinParseTest, TheArrowOnASystemButtonFaceTakesTheSystemColour) {
    TTestSkin skin;
    skin.definition = "[ComboButton]\nImage=combo.bmp\n";
    skin.Image("combo.bmp", SolidBmp(1, 1, clFuchsia));
    Load(skin);
    EXPECT_EQ(PixelOf(data.ComboxArrow()->Image, 0, 0), ColorToRGB(clBtnFace));
}

TEST_F(SkinParseTest, MissingTracksComeFromTheBuiltInBitmaps) {
    TTestSkin skin;
    Load(skin);
    const TDataSkinObject* track = data.Element(seTrack);
    ASSERT_NE(track, nullptr);
    EXPECT_EQ(track->Name, "Track");
    EXPECT_EQ(track->Image.Width(), 16);
    EXPECT_EQ(track->Image.Height(), 4);
    EXPECT_EQ(track->LeftWidth, 3);
    EXPECT_EQ(track->BottomHeight, 3);
    EXPECT_EQ(track->FrameCount, 1);
    EXPECT_EQ(PixelOf(track->Image, 0, 0), clSilver);
    EXPECT_EQ(PixelOf(track->Image, 2, 0), clGray);
    EXPECT_EQ(PixelOf(track->Image, 14, 0), clWhite);
    EXPECT_EQ(PixelOf(track->Image, 0, 2), clGray);
    EXPECT_EQ(PixelOf(track->Image, 5, 3), clWhite);

    const TDataSkinObject* vertical = data.Element(seTrackVert);
    ASSERT_NE(vertical, nullptr);
    EXPECT_EQ(vertical->Image.Width(), 4);
    EXPECT_EQ(vertical->Image.Height(), 16);
    EXPECT_EQ(PixelOf(vertical->Image, 2, 0), clGray);
    EXPECT_EQ(PixelOf(vertical->Image, 3, 1), clSilver);
    EXPECT_EQ(PixelOf(vertical->Image, 0, 13), clGray);
    EXPECT_EQ(PixelOf(vertical->Image, 1, 13), clWhite);
    EXPECT_EQ(PixelOf(vertical->Image, 0, 14), clWhite);
}

TEST_F(SkinParseTest, ASkinsOwnTrackKeepsItsFrames) {
    TTestSkin skin;
    skin.definition = "[Track]\nImage=track.bmp\nFrame=2\nLeftWidth=1\n";
    skin.Image("track.bmp", SolidBmp(20, 4, clRed));
    Load(skin);
    const TDataSkinObject* track = data.Element(seTrack);
    EXPECT_EQ(track->FrameCount, 2);
    EXPECT_EQ(track->LeftWidth, 1);
    EXPECT_EQ(PixelOf(track->Image, 0, 0), clRed);
}

TEST_F(SkinParseTest, ColoursFallBackInOrderAndFeedTheFrameColourAndBrush) {
    TTestSkin skin;
    skin.definition = "[Colours]\nWindowText=255 128 0\nButtonFace=10,20,30\nButtonText=\n";
    Load(skin);
    const TSkinColours& c = data.Colours();
    EXPECT_EQ(c.WindowText, 0x0080FF);
    EXPECT_EQ(c.ButtonFace, 0x1E140A);
    EXPECT_EQ(c.Menubar, 0x1E140A);  // falls back to the skin's own button face
    EXPECT_EQ(c.Menu, clMenu);
    EXPECT_EQ(c.ButtonText, clBtnText);  // an empty value gives the default
    EXPECT_EQ(c.Buttonlight, clBtnHighlight);
    EXPECT_EQ(data.FrameColour(), 0x1E140A);  // no top border: the button face
    LOGBRUSH brush{};
    ASSERT_NE(GetObjectA(data.ButtonFaceBrush(), sizeof brush, &brush), 0);
    EXPECT_EQ(brush.lbColor, 0x1E140Au);
}

TEST_F(SkinParseTest, TheButtonFaceBrushResolvesTheSystemColour) {
    Load(TTestSkin{});
    LOGBRUSH brush{};
    ASSERT_NE(GetObjectA(data.ButtonFaceBrush(), sizeof brush, &brush), 0);
    EXPECT_EQ(brush.lbColor, GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(data.Colours().ButtonFace, clBtnFace);
}

TEST_F(SkinParseTest, FrameColourSamplesTheTopBorder) {
    // Pixel (x, y) holds y in red and x in green.
    auto top = Bmp(30, 20, [](int x, int y) { return y | (x << 8); });
    TTestSkin skin;
    skin.definition = "[Personality]\nTop=top.bmp\nTopFrame=2\nTopTopHeight=6\nTopBotHeight=7\nTopStretch=4\n";
    skin.Image("top.bmp", top);
    Load(skin);
    EXPECT_EQ(data.FrameColour(), 3 | (10 << 8));
    const TDataSkinBorder& border = data.Border(2);
    EXPECT_EQ(border.LeftWidth, 6);  // a top border keeps its left and right ends
    EXPECT_EQ(border.RightWidth, 7);
    EXPECT_EQ(border.TopHeight, 0);
    EXPECT_EQ(border.Tile, 1);
    EXPECT_EQ(border.Trans, 1);

    skin.definition = "[Personality]\nTop=top.bmp\nTopFrame=0\nLeftTopHeight=5\n";
    Load(skin);
    EXPECT_EQ(data.FrameColour(), 0 | (10 << 8));  // no frame count: row 0
    EXPECT_EQ(data.Border(0).TopHeight, 5);
    EXPECT_EQ(data.Border(0).LeftWidth, 0);
}

TEST_F(SkinParseTest, OptionalElementsFollowTheirVariants) {
    TTestSkin skin;
    skin.definition =
        "[Colours]\nButtonText=1 2 3\n"
        "[Tab.Pane]\nImage=p.bmp\nLeftWidth=9\nTopHeight=2\n"
        "[Tabs]\nImage=p.bmp\nBorder=p.bmp\nFrame=9\n"
        "[Progress]\nBitmap=p.bmp\nTile=5\n"
        "[Progress.Chunk]\nImage=p.bmp\nFrame=3\nTile=5\n"
        "[Personality]\nmenuBar=p.bmp\nTileMenu=3\n"
        "[HorzScrollThumb]\nImage=p.bmp\nFrameCount=4\n"
        "[VertScrollThumb]\nImage=p.bmp\n"
        "[Headerbar]\nImage=p.bmp\n"
        "[MenuItem]\nImage=p.bmp ; the selection\n"
        "[GroupBox]\nImage=p.bmp\nBackgroundLeftShift=7\n"
        "[SunkEdge]\nImage=\n";
    skin.Image("p.bmp", SolidBmp(8, 8, clRed));
    Load(skin);

    EXPECT_EQ(data.Element(seTabPane)->LeftWidth, 4);
    EXPECT_EQ(data.Element(seTabPane)->TopHeight, 2);
    auto* tabs = data.ElementAs<TDataSkinBorder>(seTabs);
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->Image2.Width(), 8);
    EXPECT_EQ(tabs->FrameCount, 5);
    EXPECT_EQ(data.Element(seProgress)->Tile, 1);
    EXPECT_EQ(data.Element(seProgress)->FrameCount, 2);
    EXPECT_EQ(data.Element(seProgressChunk)->Tile, 0);
    EXPECT_EQ(data.Element(seProgressChunk)->FrameCount, 3);
    EXPECT_EQ(data.Element(seProgressChunk)->NormalColour2, 0x030201);  // the skin's button text
    EXPECT_EQ(data.Element(seProgressChunk)->NormalColour, -1);
    const TDataSkinObject* menuBar = data.Element(seMenuBar);
    EXPECT_EQ(menuBar->Name, "Personality");
    EXPECT_EQ(menuBar->Tile, 1);
    EXPECT_EQ(menuBar->LeftWidth, 1);
    EXPECT_EQ(menuBar->FrameCount, 2);
    EXPECT_EQ(data.Element(seHorzScrollThumb)->FrameCount, 4);
    EXPECT_EQ(data.Element(seVertScrollThumb)->FrameCount, 3);
    EXPECT_EQ(data.Element(seHeaderbar)->FrameCount, 5);
    ASSERT_NE(data.Element(seMenuItem), nullptr);
    EXPECT_TRUE(data.Element(seMenuItem)->Image.Empty());  // the note spoils the name
    auto* groupBox = data.ElementAs<TDataSkinBoxLabel>(seGroupBox);
    ASSERT_NE(groupBox, nullptr);
    EXPECT_EQ(groupBox->BackgroundLeftShift, 7);
    EXPECT_EQ(data.Element(seSunkEdge), nullptr);
    EXPECT_EQ(data.Element(seScrollbar), nullptr);
}

TEST_F(SkinParseTest, ButtonsAndTitleText) {
    TTestSkin skin;
    skin.definition =
        "[Buttons]\nBitmap=p.bmp\nTile=3\nCheckButton=check.bmp\nRadioButton=radio.bmp\nNormalColour2=1 2 3\n"
        "NormalColour=0x1F\n"
        "[Personality]\nActiveTextR=1\nActiveTextG=2\nActiveTextB=3\nInActiveTextR=5\nTextShift=4\n";
    skin.Image("p.bmp", SolidBmp(8, 8, clRed))
        .Image("check.bmp", SolidBmp(52, 13, clRed))
        .Image("radio.bmp", SolidBmp(192, 16, clRed));
    Load(skin);
    TDataSkinButton& button = data.Button();
    EXPECT_EQ(button.FrameCount, 5);
    EXPECT_EQ(button.Tile, 0);
    EXPECT_EQ(button.CheckButtonFrame, 4);
    EXPECT_EQ(button.RadioButtonFrame, 12);
    EXPECT_EQ(button.NormalColour, 31);
    EXPECT_TRUE(button.HasNormalColour2);
    EXPECT_EQ(button.NormalColour2, 0x030201);
    EXPECT_FALSE(button.HasPressedColour2);
    EXPECT_EQ(button.PressedColour2, clBtnText);
    TDataSkinTitle& title = data.Title();
    EXPECT_EQ(title.ActiveText, 0x030201);
    EXPECT_EQ(title.InActiveText, clNone);
    EXPECT_EQ(title.LeftWidth, 4);
    EXPECT_EQ(title.FontHeight, 14);
    EXPECT_EQ(title.FrameCount, 2);
}

TEST_F(SkinParseTest, ToolbarBackgroundRunsFromLightFaceToShadedFrameColour) {
    TTestSkin skin;
    skin.definition = "[Colours]\nButtonFace=200 200 200\n";
    Load(skin);
    const TDataSkinObject* toolbar = data.Toolbar();
    ASSERT_NE(toolbar, nullptr);
    EXPECT_EQ(toolbar->Image.Width(), 10);
    EXPECT_EQ(toolbar->Image.Height(), 40);
    EXPECT_EQ(PixelOf(toolbar->Image, 0, 0), 0xF7F7F7);
    EXPECT_EQ(PixelOf(toolbar->Image, 9, 39), 0xBDBDBD);
}

TEST_F(SkinParseTest, ImagesAreFoundByFileNameAndOnlyAsBmp) {
    TTestSkin skin;
    skin.definition =
        "[Personality]\nLeft=..\\art\\Left.bmp\nRight=c:right.bmp\nTop=top.BMP\nBottom=bottom\n";
    skin.Image("Left.bmp", SolidBmp(4, 4, clRed))
        .Image("right.bmp", SolidBmp(4, 4, clRed))
        .Image("top.bmp", SolidBmp(4, 4, clRed))
        .Image("bottom", SolidBmp(4, 4, clRed));
    Load(skin);
    EXPECT_EQ(data.Border(0).Image.Width(), 4);
    EXPECT_EQ(data.Border(1).Image.Width(), 4);
    EXPECT_TRUE(data.Border(2).Image.Empty());
    EXPECT_TRUE(data.Border(3).Image.Empty());
}

TEST_F(SkinParseTest, ADamagedImageCountsAsMissing) {
    TTestSkin skin;
    skin.definition = "[Personality]\nLeft=left.bmp\n";
    std::vector<std::uint8_t> damaged = SolidBmp(4, 4, clRed);
    damaged.resize(30);
    skin.Image("left.bmp", damaged);
    Load(skin);
    EXPECT_TRUE(data.Border(0).Image.Empty());
    EXPECT_FALSE(data.Empty());
}

}  // namespace
