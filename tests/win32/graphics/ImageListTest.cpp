// TImageList on comctl32 image lists, drawn onto bitmaps and read back.
#include <gtest/gtest.h>

#include "toolkit/ImgList.h"

namespace {

class ImageListTest : public ::testing::Test {
protected:
    TImageList images{nullptr};
    TBitmap glyphs;    // 64 x 16: four black box outlines on white
    TBitmap target;    // red, 20 x 20

    void SetUp() override {
        glyphs.LoadFromResourceName(GetModuleHandleA(nullptr), "TESTGLYPHS");
        target.SetSize(20, 20);
        target.Canvas()->Brush()->SetColor(clRed);
        target.Canvas()->FillRect(Rect(0, 0, 20, 20));
    }
    TColor At(int x, int y) { return target.Canvas()->Pixels(x, y); }
};

TEST_F(ImageListTest, AStripAddsOneImagePerWidth) {
    EXPECT_EQ(images.Width(), 16);
    EXPECT_EQ(images.Count(), 0);
    EXPECT_EQ(images.AddMasked(glyphs, clWhite), 0);
    EXPECT_EQ(images.Count(), 4);
    EXPECT_EQ(images.AddMasked(glyphs, clWhite), 4);
    EXPECT_EQ(images.Count(), 8);
    EXPECT_EQ(glyphs.Canvas()->Pixels(0, 0), clWhite);  // the source keeps its colours
}

TEST_F(ImageListTest, MaskedImagesLeaveTheBackground) {
    images.AddMasked(glyphs, clWhite);
    images.Draw(*target.Canvas(), 2, 2, 1);
    EXPECT_EQ(At(2, 2), clRed);      // white corner of the glyph: transparent
    EXPECT_EQ(At(5, 5), clBlack);    // the box outline starts at (3, 3)
    EXPECT_EQ(At(9, 9), clRed);      // inside the box: white, transparent
}

TEST_F(ImageListTest, UnmaskedImagesAreOpaque) {
    images.Add(glyphs);
    images.Draw(*target.Canvas(), 0, 0, 0);
    EXPECT_EQ(At(0, 0), clWhite);
    EXPECT_EQ(At(3, 3), clBlack);
    EXPECT_EQ(At(16, 16), clRed);
}

TEST_F(ImageListTest, AnIndexOutsideTheListDrawsNothing) {
    images.AddMasked(glyphs, clWhite);
    images.Draw(*target.Canvas(), 0, 0, 4);
    images.Draw(*target.Canvas(), 0, 0, -1);
    EXPECT_EQ(At(3, 3), clRed);
    EXPECT_THROW(images.Delete(4), EListError);
}

TEST_F(ImageListTest, DeleteClearAndResize) {
    int changes = 0;
    images.OnChange = [&](TObject*) { ++changes; };
    images.AddMasked(glyphs, clWhite);
    images.Delete(0);
    EXPECT_EQ(images.Count(), 3);
    images.Clear();
    EXPECT_EQ(images.Count(), 0);
    images.AddMasked(glyphs, clWhite);
    images.SetSize(32, 16);
    EXPECT_EQ(images.Count(), 0);
    EXPECT_EQ(images.AddMasked(glyphs, clWhite), 0);
    EXPECT_EQ(images.Count(), 2);
    EXPECT_EQ(changes, 6);
    EXPECT_THROW(images.SetWidth(0), EInvalidOperation);
}

TEST_F(ImageListTest, GetBitmapCopiesOneImage) {
    images.AddMasked(glyphs, clWhite);
    TBitmap one;
    images.GetBitmap(2, one);
    ASSERT_EQ(one.Width(), 16);
    EXPECT_EQ(one.Canvas()->Pixels(3, 3), clBlack);
    EXPECT_EQ(one.Canvas()->Pixels(0, 0), clBlack);  // transparent parts come out black
    EXPECT_THROW(images.GetBitmap(4, one), EListError);
}

TEST(ImageList, IsAComponentWithPublishedSize) {
    TComponent owner(nullptr);
    const TClassInfo* cls = FindClass("TImageList");
    ASSERT_NE(cls, nullptr);
    TComponent* made = cls->Factory(&owner);
    EXPECT_EQ(owner.ComponentCount(), 1);
    EXPECT_TRUE(SetOrdProp(*made, "Width", 24));
    EXPECT_EQ(static_cast<TImageList*>(made)->Width(), 24);
    EXPECT_EQ(GetOrdProp(*made, "height"), 16);
}

}  // namespace
