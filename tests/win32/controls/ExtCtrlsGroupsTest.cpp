// Radio groups, bevels and images: from a form file, by name, and what each is for.
#include <gtest/gtest.h>

#include "PaintedPixel.h"
#include "PropertyTable.h"
#include "toolkit/ExtCtrls.h"

namespace {

const char* const kForm = R"(object Probe: TForm
  object grpSize: TRadioGroup
    Width = 300
    Height = 100
    Caption = 'Size'
    Columns = 2
    ItemIndex = 2
    Items.Strings = (
      'Small'
      'Medium'
      'Large')
  end
  object Line: TBevel
    Width = 40
    Height = 10
    Shape = bsTopLine
    Style = bsRaised
  end
  object Picture: TImage
    Width = 40
    Height = 20
    Center = True
    Proportional = True
  end
end
)";

}  // namespace

TEST(RadioGroups, PropertiesComeFromTheFormFileAndGoByName) {
    FormFileScene s(kForm);
    CheckPropsByName(s, {
                            {"grpSize", "ItemIndex", "2", "1"},  // given before its items
                            {"grpSize", "Items.Strings", "Small\r\nMedium\r\nLarge\r\n", "One\r\nTwo\r\n"},
                            {"grpSize", "Columns", "2", "1"},
                            {"grpSize", "Caption", "Size", "Choice"},
                            {"Line", "Shape", "bsTopLine", "bsFrame"},
                            {"Line", "Style", "bsRaised", "bsLowered"},
                            {"Picture", "Center", "True", "False"},
                            {"Picture", "Proportional", "True", "False"},
                            {"Picture", "Stretch", "False", "True"},
                            {"Picture", "Transparent", "False", "True"},
                        });
}

TEST(RadioGroups, ItsButtonsAreRealChildrenThatSelectTheItem) {
    FormFileScene s(kForm);
    auto* group = s.Get<TRadioGroup>("grpSize");
    ASSERT_EQ(group->ControlCount(), 3);
    EXPECT_TRUE(group->Buttons(2)->Checked());
    EXPECT_EQ(group->Buttons(1)->Caption(), "Medium");
    EXPECT_EQ(group->Buttons(0)->Left(), group->Buttons(1)->Left());  // two rows in the first column
    EXPECT_GT(group->Buttons(2)->Left(), group->Buttons(0)->Left());
    int clicks = 0;
    group->OnClick = [&](TObject*) { ++clicks; };
    SendMessageA(group->Buttons(0)->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(group->ItemIndex(), 0);
    EXPECT_FALSE(group->Buttons(2)->Checked());
    EXPECT_EQ(clicks, 1);
    group->Items()->Delete(0);
    EXPECT_EQ(group->ControlCount(), 2);
    EXPECT_EQ(group->Buttons(0)->Caption(), "Medium");
    EXPECT_EQ(WriteComponent(*s.form).find("TRadioButton"), std::string::npos);  // the items are stored, not the buttons
    EXPECT_THROW(group->SetItemIndex(2), EPropertyError);
}

TEST(Bevels, LinesAreLoweredOrRaised) {
    FormFileScene s(kForm);
    auto* bevel = s.Get<TBevel>("Line");
    struct Case {
        TBevelShape shape;
        TBevelStyle style;
        int x, y;
        TColor color;
    } const cases[] = {
        {bsTopLine, bsLowered, 5, 0, clBtnShadow},    {bsTopLine, bsRaised, 5, 0, clBtnHighlight},
        {bsBottomLine, bsLowered, 5, 9, clBtnHighlight}, {bsLeftLine, bsLowered, 0, 5, clBtnShadow},
        {bsRightLine, bsRaised, 39, 5, clBtnShadow},
    };
    for (const Case& c : cases) {
        bevel->SetShape(c.shape);
        bevel->SetStyle(c.style);
        EXPECT_EQ(PaintedPixel(*bevel, c.x, c.y), ColorToRGB(c.color)) << c.shape << " " << c.style;
    }
}

TEST(Images, ThePictureIsKeptInTheFormFileAndPlacedAsAsked) {
    FormFileScene s(kForm);
    TBitmap bitmap;
    bitmap.SetSize(10, 5);
    bitmap.Canvas()->Brush()->SetColor(clRed);
    bitmap.Canvas()->FillRect(Rect(0, 0, 10, 5));
    s.Get<TImage>("Picture")->Picture()->Assign(bitmap);
    FormFileScene again(WriteComponent(*s.form));
    auto* image = again.Get<TImage>("Picture");
    ASSERT_EQ(image->Picture()->Bitmap()->Width(), 10);
    struct Case {
        bool center, stretch, proportional;
        TRect dest;
    } const cases[] = {
        {false, false, false, Rect(0, 0, 10, 5)},  {true, false, false, Rect(15, 7, 25, 12)},
        {false, true, false, Rect(0, 0, 40, 20)},  {true, true, true, Rect(0, 0, 40, 20)},
        {false, false, true, Rect(0, 0, 10, 5)},   // proportional alone only shrinks
    };
    for (const Case& c : cases) {
        image->SetCenter(c.center);
        image->SetStretch(c.stretch);
        image->SetProportional(c.proportional);
        const TRect d = image->DestRect();
        EXPECT_TRUE(EqualRect(&d, &c.dest)) << c.center << c.stretch << c.proportional << ": " << d.left << "," << d.top
                                            << "," << d.right << "," << d.bottom;
    }
    image->SetStretch(false);
    image->SetCenter(true);
    EXPECT_EQ(PaintedPixel(*image, 20, 10), clRed);
    image->SetBounds(0, 0, 20, 40);
    image->SetStretch(true);
    EXPECT_EQ(image->DestRect().top, 15);  // 20 wide at 2:1 is 10 high, centred in 40
    image->SetAutoSize(true);
    EXPECT_EQ(image->Width(), 10);
}
