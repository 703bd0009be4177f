// The controls as form files describe them: created by class name with their properties,
// written back, and read by name as a skin engine reads them.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "ControlsTestSupport.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/Spin.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/Streaming.h"

namespace {

const char* const kForm = R"(object Probe: TForm
  ClientWidth = 524
  ClientHeight = 335
  object PageControl: TPageControl
    Align = alClient
    HotTrack = True
    ActivePage = tabHelp
    object tabGeneral: TTabSheet
      Caption = 'General'
      object chkSkins: TCheckBox
        Left = 41
        Top = 73
        Caption = 'Use skins'
        Checked = True
      end
      object GroupHelp: TGroupBox
        Left = 234
        Top = 35
        Width = 231
        Height = 113
        Caption = 'Help'
        object radHintsOff: TRadioButton
          Left = 38
          Top = 26
          Caption = 'Turn off'
        end
        object radHintsTooltips: TRadioButton
          Left = 38
          Top = 45
          Caption = 'Show help as tool-tips'
          Checked = True
        end
        object spnHideHint: TSpinEdit
          Left = 109
          Top = 85
          MaxValue = 20000
          MinValue = 800
          Increment = 50
          Value = 4000
        end
      end
    end
    object tabHelp: TTabSheet
      Caption = 'Help'
      object MmoHelp: TMemo
        Align = alClient
        ScrollBars = ssVertical
        WordWrap = False
        Lines.Strings = (
          'first line'
          'second line')
      end
    end
    object tabLicense: TTabSheet
      Caption = 'License'
      TabVisible = False
      object edtPath: TEdit
        BorderStyle = bsNone
        BevelKind = bkSoft
        Text = 'C:\'
      end
    end
  end
  object Splitter: TSplitter
    Width = 4
    Beveled = True
    Color = clMaroon
    ResizeStyle = rsUpdate
  end
  object StatBar: TStatusBar
    SimplePanel = True
    SimpleText = 'ready'
  end
  object lblVersion: TLabel
    Caption = 'Version 1.0.0.19'
    Transparent = True
  end
  object Panel1: TPanel
    BevelOuter = bvLowered
    Caption = 'panel'
  end
  object mmOutput: TRichEdit
    Color = clBlack
    Font.Color = clLime
    PlainText = True
    MaxLength = 100
  end
  object Timer: TTimer
    Enabled = False
    Interval = 250
  end
end
)";

template <class T>
T* Find(TComponent& root, const char* name) {
    auto* found = dynamic_cast<T*>(root.FindComponent(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

}  // namespace

TEST(FormFile, CreatesTheControlsWithTheirPropertiesInPlace) {
    TForm* form = new TForm(nullptr);
    ReadComponent(*form, kForm);
    auto* pages = Find<TPageControl>(*form, "PageControl");
    auto* help = Find<TTabSheet>(*form, "tabHelp");
    EXPECT_EQ(pages->ActivePage(), help);
    EXPECT_EQ(pages->PageCount(), 3);
    EXPECT_EQ(pages->VisibleTabs().size(), 2u);
    EXPECT_TRUE(pages->HotTrack());
    EXPECT_TRUE(Find<TCheckBox>(*form, "chkSkins")->Checked());
    EXPECT_TRUE(Find<TRadioButton>(*form, "radHintsTooltips")->Checked());
    EXPECT_EQ(Find<TRadioButton>(*form, "radHintsOff")->Parent(), Find<TGroupBox>(*form, "GroupHelp"));
    auto* spin = Find<TSpinEdit>(*form, "spnHideHint");
    EXPECT_EQ(spin->Value(), 4000);
    EXPECT_EQ(spin->MinValue(), 800);
    EXPECT_EQ(Find<TMemo>(*form, "MmoHelp")->Lines()->Lines(), (std::vector<std::string>{"first line", "second line"}));
    EXPECT_EQ(Find<TEdit>(*form, "edtPath")->Text(), "C:\\");
    EXPECT_EQ(Find<TSplitter>(*form, "Splitter")->Color(), clMaroon);
    EXPECT_EQ(Find<TStatusBar>(*form, "StatBar")->SimpleText(), "ready");
    EXPECT_EQ(Find<TRichEdit>(*form, "mmOutput")->MaxLength(), 100);
    EXPECT_FALSE(Find<TTimer>(*form, "Timer")->Enabled());
    auto* label = Find<TLabel>(*form, "lblVersion");
    EXPECT_GT(label->Width(), 20);  // sized to its caption once the form was read

    // The windows follow when they are made.
    form->HandleNeeded();
    EXPECT_EQ(SendMessageA(Find<TCheckBox>(*form, "chkSkins")->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_TRUE(help->Visible());
    EXPECT_EQ(Find<TMemo>(*form, "MmoHelp")->Text(), "first line\r\nsecond line\r\n");
    form->Free();
}

TEST(FormFile, WrittenControlsReadBackTheSame) {
    TForm* form = new TForm(nullptr);
    ReadComponent(*form, kForm);
    Find<TSpinEdit>(*form, "spnHideHint")->SetValue(1000);
    Find<TRadioButton>(*form, "radHintsOff")->SetChecked(true);
    const std::string text = WriteComponent(*form);
    form->Free();

    TForm* again = new TForm(nullptr);
    ReadComponent(*again, text);
    EXPECT_EQ(Find<TSpinEdit>(*again, "spnHideHint")->Value(), 1000);
    EXPECT_TRUE(Find<TRadioButton>(*again, "radHintsOff")->Checked());
    EXPECT_FALSE(Find<TRadioButton>(*again, "radHintsTooltips")->Checked());
    auto* pages = Find<TPageControl>(*again, "PageControl");
    EXPECT_EQ(pages->ActivePage(), Find<TTabSheet>(*again, "tabHelp"));
    EXPECT_EQ(pages->Pages(2), Find<TTabSheet>(*again, "tabLicense"));  // page order kept
    EXPECT_FALSE(pages->Pages(2)->TabVisible());
    EXPECT_EQ(Find<TEdit>(*again, "edtPath")->BevelKind(), bkSoft);
    EXPECT_EQ(text.find("PageIndex"), std::string::npos);
    again->Free();
}

TEST(FormFile, PropertiesByNameAsTheSkinEngineReadsThem) {
    TForm* form = new TForm(nullptr);
    ReadComponent(*form, kForm);
    TComponent& chk = *form->FindComponent("chkSkins");
    EXPECT_EQ(GetPropText(chk, "checked"), "True");
    EXPECT_EQ(GetPropText(chk, "State"), "cbChecked");
    EXPECT_EQ(GetPropText(chk, "Caption"), "Use skins");
    EXPECT_EQ(GetPropText(*form->FindComponent("radHintsOff"), "Checked"), "False");
    EXPECT_EQ(GetPropText(*form->FindComponent("StatBar"), "SimpleText"), "ready");
    EXPECT_EQ(GetPropText(*form->FindComponent("mmOutput"), "BorderStyle"), "bsSingle");
    EXPECT_EQ(GetPropText(*form->FindComponent("Panel1"), "ParentBackground"), "False");
    EXPECT_TRUE(SetPropText(*form->FindComponent("Panel1"), "ParentBackground", "True"));
    EXPECT_TRUE(SetPropText(*form->FindComponent("Panel1"), "Color", "clBtnFace"));
    EXPECT_EQ(GetOrdProp(*form->FindComponent("MmoHelp"), "ScrollBars"), ssVertical);
    EXPECT_NE(GetObjectProp(*form->FindComponent("lblVersion"), "Font"), nullptr);
    // What a control does not have is missing, not an error.
    EXPECT_EQ(GetPropText(*form->FindComponent("Panel1"), "Checked"), std::nullopt);
    EXPECT_FALSE(SetPropText(*form->FindComponent("lblVersion"), "MultiLine", "True"));
    EXPECT_EQ(GetPropText(*form->FindComponent("PageControl"), "MultiLine"), "False");
    form->Free();
}

namespace {

// A form laid out for a font that measured `height` and `width` (0: not recorded).
std::string ScaledForm(int height, int width) {
    return "object Scaled: TForm\n  ClientWidth = 400\n  ClientHeight = 300\n  TextHeight = " + std::to_string(height) +
           "\n  TextWidth = " + std::to_string(width) + R"(
  object Box: TGroupBox
    Left = 20
    Top = 10
    Width = 201
    Height = 100
    object Inner: TButton
      Left = 10
      Top = 20
      Width = 75
      Height = 25
    end
  end
  object Corner: TButton
    Left = 300
    Top = 250
    Width = 80
    Height = 30
    Anchors = [akRight, akBottom]
  end
end
)";
}

}  // namespace

TEST(FormFile, AFontThatMeasuresOtherwiseScalesTheLayoutByEachAxisRatio) {
    const TTextMeasures here = MeasureText(TFont());
    using Edges = std::array<LONG, 4>;  // left, top, right, bottom
    struct Case {
        const char* what;
        int height, width;  // recorded
        Edges box, inner, corner;
        SIZE client;
    };
    const Edges box{20, 10, 221, 110}, inner{10, 20, 85, 45}, corner{300, 250, 380, 280};
    const Case cases[] = {
        {"recorded as here", here.Height, here.Width, box, inner, corner, {400, 300}},
        {"nothing recorded", 0, 0, box, inner, corner, {400, 300}},
        // Edges are scaled, so a right edge rounds as a left edge does (110.5 to 111).
        {"twice as wide there", here.Height, 2 * here.Width, {10, 10, 111, 110}, {5, 20, 43, 45}, {150, 250, 190, 280},
         {200, 300}},
        {"twice as tall there", 2 * here.Height, here.Width, {20, 5, 221, 55}, {10, 10, 85, 23}, {300, 125, 380, 140},
         {400, 150}},
    };
    auto edges = [](TForm& form, const char* name) {
        const RECT r = Find<TControl>(form, name)->BoundsRect();
        return Edges{r.left, r.top, r.right, r.bottom};
    };
    for (const Case& c : cases) {
        TForm* form = new TForm(nullptr);
        ReadComponent(*form, ScaledForm(c.height, c.width));
        EXPECT_EQ(edges(*form, "Box"), c.box) << c.what;
        EXPECT_EQ(edges(*form, "Inner"), c.inner) << c.what;
        EXPECT_EQ(edges(*form, "Corner"), c.corner) << c.what;
        EXPECT_EQ(form->ClientWidth(), c.client.cx) << c.what;
        EXPECT_EQ(form->ClientHeight(), c.client.cy) << c.what;
        // The recorded measures are this machine's now, as the layout is.
        EXPECT_EQ(form->TextWidth(), c.width ? here.Width : 0) << c.what;
        EXPECT_EQ(form->TextHeight(), c.height ? here.Height : 0) << c.what;
        form->Free();
    }
    TForm* form = new TForm(nullptr);
    EXPECT_THROW(ReadComponent(*form, ScaledForm(13, -1)), EReadError);
    form->Free();
}
