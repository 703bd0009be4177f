// Other libraries' check boxes and radio buttons, which draw their marks from glyph
// properties of their own: the frame skinner picks them by class name, hands them the skin's
// glyph and takes it back when skinning ends.
#include <string>
#include <typeinfo>

#include "ControlFixture.h"
#include "skin/controls/SkinObjImage.h"

using namespace controltest;

namespace {

// What such a check box or radio button publishes for its glyphs.
class TGlyphCheck : public TCustomControl {
    TOOLKIT_CLASS(TGlyphCheck, TCustomControl)

public:
    using TCustomControl::TCustomControl;
    TBitmap* CustomGlyphs() const { return glyphs_.get(); }
    bool UseCustomGlyphs() const { return useCustomGlyphs_; }
    void SetUseCustomGlyphs(bool on) { useCustomGlyphs_ = on; }
    TColor TransparentColor() const { return transparentColor_; }
    void SetTransparentColor(TColor colour) { transparentColor_ = colour; }

private:
    std::unique_ptr<TBitmap> glyphs_ = std::make_unique<TBitmap>();
    bool useCustomGlyphs_ = false;
    TColor transparentColor_ = clOlive;
};

class TRzCheckBox : public TGlyphCheck {
    TOOLKIT_CLASS(TRzCheckBox, TGlyphCheck)

public:
    using TGlyphCheck::TGlyphCheck;
};

class TRzRadioButton : public TGlyphCheck {
    TOOLKIT_CLASS(TRzRadioButton, TGlyphCheck)

public:
    using TGlyphCheck::TGlyphCheck;
};

// The other kind keeps its glyph among its "Properties".
class TCheckProperties : public TPersistent {
    TOOLKIT_CLASS(TCheckProperties, TPersistent)

public:
    TBitmap* Glyph() const { return glyph_.get(); }

private:
    std::unique_ptr<TBitmap> glyph_ = std::make_unique<TBitmap>();
};

class TcxCheckBox : public TCustomControl {
    TOOLKIT_CLASS(TcxCheckBox, TCustomControl)

public:
    using TCustomControl::TCustomControl;
    TCheckProperties* Properties() const { return properties_.get(); }

private:
    std::unique_ptr<TCheckProperties> properties_ = std::make_unique<TCheckProperties>();
};

}  // namespace

const TClassInfo& TGlyphCheck::StaticClass() {
    using C = TGlyphCheck;
    using P = TProps<C>;
    static const TClassInfo info("TGlyphCheck", &TCustomControl::StaticClass(), nullptr,
                                 {P::Object("CustomGlyphs", &C::CustomGlyphs),
                                  P::Boolean("UseCustomGlyphs", &C::UseCustomGlyphs, &C::SetUseCustomGlyphs),
                                  P::Color("TransparentColor", &C::TransparentColor, &C::SetTransparentColor)});
    return info;
}

const TClassInfo& TRzCheckBox::StaticClass() {
    static const TClassInfo info("TRzCheckBox", &TGlyphCheck::StaticClass(), Creator<TRzCheckBox>());
    return info;
}

const TClassInfo& TRzRadioButton::StaticClass() {
    static const TClassInfo info("TRzRadioButton", &TGlyphCheck::StaticClass(), Creator<TRzRadioButton>());
    return info;
}

const TClassInfo& TCheckProperties::StaticClass() {
    static const TClassInfo info("TCheckProperties", &TPersistent::StaticClass(), nullptr,
                                 {TProps<TCheckProperties>::Object("Glyph", &TCheckProperties::Glyph)});
    return info;
}

const TClassInfo& TcxCheckBox::StaticClass() {
    static const TClassInfo info("TcxCheckBox", &TCustomControl::StaticClass(), Creator<TcxCheckBox>(),
                                 {TProps<TcxCheckBox>::Object("Properties", &TcxCheckBox::Properties)});
    return info;
}

TOOLKIT_REGISTER(TRzCheckBox);
TOOLKIT_REGISTER(TRzRadioButton);
TOOLKIT_REGISTER(TcxCheckBox);

TEST(ObjImageSkin, HandsTheSkinsGlyphToTheControlAndTakesItBack) {
    struct Case {
        const char* className;
        const char* glyphProperty;
        int mode;
        TPart part;
    };
    const Case cases[] = {
        {"TRzCheckBox", "CustomGlyphs", 1, kCheck},
        {"TRzRadioButton", "CustomGlyphs", 2, kRadio},
        {"TcxCheckBox", "Properties.Glyph", 3, kCheck},
    };
    for (const Case& c : cases) {
        frametest::SkinnedForm form(ControlSkin());
        form.SetSkinned(false);
        auto* control = static_cast<TWinControl*>(FindClass(c.className)->Factory(&form.Form()));
        control->SetParent(&form.Form());
        auto* glyph = dynamic_cast<TBitmap*>(GetObjectProp(*control, c.glyphProperty));
        ASSERT_TRUE(glyph) << c.className;
        glyph->SetSize(2, 2);
        glyph->Canvas()->Brush()->SetColor(PartColour(kGlyph, 1));
        glyph->Canvas()->FillRect(Bounds(0, 0, 2, 2));
        // The glyph the control had and its settings, as text.
        const auto settings = [&] {
            return std::to_string(glyph->Width()) + " " + ColorToString(skintest::PixelOf(*glyph, 0, 0)) + " " +
                   GetPropText(*control, "UseCustomGlyphs").value_or("-") + " " +
                   GetPropText(*control, "TransparentColor").value_or("-");
        };
        const std::string own = settings();

        form.SetSkinned(true);
        const TSkinControl* skinner = SkinnerFor(form, *control);
        ASSERT_TRUE(skinner && typeid(*skinner) == typeid(TSkinObjImage)) << c.className;
        EXPECT_EQ(skinner->Mode(), c.mode);
        EXPECT_EQ(skintest::PixelOf(*glyph, kGlyphSize + 1, 1), PartColour(c.part, 2)) << c.className;
        EXPECT_EQ(glyph->TransparentColor(), clFuchsia) << c.className;
        if (c.mode != 3) {
            EXPECT_EQ(GetPropText(*control, "UseCustomGlyphs"), "True");
            EXPECT_EQ(GetPropText(*control, "TransparentColor"), "clFuchsia");
        }

        form.SetSkinned(false);
        EXPECT_EQ(settings(), own) << c.className;
    }
}
