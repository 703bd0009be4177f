// Published properties read and written by name, as text and as ordinals.
#include <gtest/gtest.h>

#include "toolkit/Classes.h"
#include "toolkit/TypInfo.h"

namespace {

enum TShade { shLight, shMedium, shDark };
enum TMark { mkBold, mkItalic, mkUnderline };
using TMarks = TSet<TMark>;

}  // namespace

template <>
const TEnumInfo& EnumInfo<TShade>() {
    static const TEnumInfo info{"TShade", {"shLight", "shMedium", "shDark"}};
    return info;
}
template <>
const TEnumInfo& EnumInfo<TMark>() {
    static const TEnumInfo info{"TMark", {"mkBold", "mkItalic", "mkUnderline"}};
    return info;
}

namespace {

// A nested object in the manner of a font.
class TLook : public TPersistent {
    TOOLKIT_CLASS(TLook, TPersistent)

public:
    TMarks Marks() const { return marks_; }
    void SetMarks(TMarks m) { marks_ = m; }
    TColor Color() const { return color_; }
    void SetColor(TColor c) { color_ = c; }

private:
    TMarks marks_;
    TColor color_ = clWindowText;
};

class TGadget : public TComponent {
    TOOLKIT_CLASS(TGadget, TComponent)

public:
    using TComponent::TComponent;
    int Width() const { return width_; }
    void SetWidth(int w) { width_ = w; }
    bool Checked() const { return checked_; }
    void SetChecked(bool c) { checked_ = c; }
    TShade Shade() const { return shade_; }
    void SetShade(TShade s) { shade_ = s; }
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& c) { caption_ = c; }
    TLook* Look() const { return look_.get(); }
    std::string Version() const { return "1.0"; }
    TStringList* Items() const { return items_.get(); }

    TNotifyEvent OnClick;
    TEvent<TObject*, bool&> OnQuery;

private:
    int width_ = 75;
    bool checked_ = false;
    TShade shade_ = shMedium;
    std::string caption_;
    std::unique_ptr<TLook> look_ = std::make_unique<TLook>();
    std::unique_ptr<TStringList> items_ = std::make_unique<TStringList>();
};

// A derived class that publishes Width again with another default.
class TWideGadget : public TGadget {
    TOOLKIT_CLASS(TWideGadget, TGadget)

public:
    using TGadget::TGadget;
};

// A form-like class with published handlers.
class THost : public TComponent {
    TOOLKIT_CLASS(THost, TComponent)

public:
    using TComponent::TComponent;
    void GadgetClick(TObject* sender) { clicked = sender; }
    void GadgetQuery(TObject*, bool& allow) { allow = false; }
    TObject* clicked = nullptr;
    TGadget* Gadget = nullptr;
};

}  // namespace

const TClassInfo& TLook::StaticClass() {
    using C = TLook;
    using P = TProps<C>;
    static const TClassInfo info("TLook", &TPersistent::StaticClass(), nullptr,
                                 {P::Set("Marks", &C::Marks, &C::SetMarks).Default(0),
                                  P::Color("Color", &C::Color, &C::SetColor).Default(clWindowText)});
    return info;
}

const TClassInfo& TGadget::StaticClass() {
    using C = TGadget;
    using P = TProps<C>;
    static const TClassInfo info("TGadget", &TComponent::StaticClass(), Creator<C>(),
                                 {
                                     P::Integer("Width", &C::Width, &C::SetWidth),
                                     P::Boolean("Checked", &C::Checked, &C::SetChecked).Default(false),
                                     P::Enum("Shade", &C::Shade, &C::SetShade).Default(shMedium),
                                     P::String("Caption", &C::Caption, &C::SetCaption),
                                     P::Object("Look", &C::Look),
                                     P::Object("Items", &C::Items),
                                     P::String("Version", &C::Version),
                                     P::Event("OnClick", &C::OnClick),
                                     P::Event("OnQuery", &C::OnQuery),
                                 });
    return info;
}

const TClassInfo& TWideGadget::StaticClass() {
    using C = TWideGadget;
    using P = TProps<C>;
    static const TClassInfo info("TWideGadget", &TGadget::StaticClass(), Creator<C>(),
                                 {P::Integer("Width", &C::Width, &C::SetWidth).Default(75)});
    return info;
}

const TClassInfo& THost::StaticClass() {
    using C = THost;
    using P = TProps<C>;
    static const TClassInfo info("THost", &TComponent::StaticClass(), Creator<C>(), {},
                                 {P::Method("GadgetClick", &C::GadgetClick), P::Method("GadgetQuery", &C::GadgetQuery)},
                                 {P::Field("Gadget", &C::Gadget)});
    return info;
}

TEST(TypInfo, FindsPropertiesIgnoringCaseAndReportsMissingOnes) {
    TGadget g(nullptr);
    EXPECT_TRUE(IsPublishedProp(g, "caption"));
    EXPECT_TRUE(IsPublishedProp(g, "TAG"));  // from TComponent
    EXPECT_FALSE(IsPublishedProp(g, "ParentBackground"));
    EXPECT_EQ(GetOrdProp(g, "ParentBackground"), std::nullopt);
    EXPECT_FALSE(SetOrdProp(g, "ParentBackground", 1));
    EXPECT_EQ(GetPropText(g, "NoSuch"), std::nullopt);
    EXPECT_FALSE(SetPropText(g, "NoSuch", "x"));
    EXPECT_FALSE(SetPropText(g, "Look.NoSuch", "x"));
    EXPECT_FALSE(SetPropText(g, "Caption.Deeper", "x"));  // not an object property
    EXPECT_EQ(GetObjectProp(g, "Caption"), nullptr);
}

TEST(TypInfo, OrdinalsAndTheirTextForms) {
    TGadget g(nullptr);
    EXPECT_TRUE(SetPropText(g, "Width", "$10"));
    EXPECT_EQ(g.Width(), 16);
    EXPECT_TRUE(SetPropText(g, "width", "-3"));
    EXPECT_EQ(GetOrdProp(g, "Width"), -3);

    EXPECT_TRUE(SetPropText(g, "Checked", "true"));
    EXPECT_TRUE(g.Checked());
    EXPECT_EQ(GetPropText(g, "Checked"), "True");
    EXPECT_TRUE(SetOrdProp(g, "Checked", 0));
    EXPECT_FALSE(g.Checked());

    EXPECT_TRUE(SetPropText(g, "Shade", "SHDARK"));
    EXPECT_EQ(g.Shade(), shDark);
    EXPECT_EQ(GetOrdProp(g, "Shade"), 2);
    EXPECT_EQ(GetPropText(g, "Shade"), "shDark");

    EXPECT_TRUE(SetPropText(g, "Look.Marks", "[mkBold, mkUnderline]"));
    EXPECT_EQ(g.Look()->Marks(), (TMarks{mkBold, mkUnderline}));
    EXPECT_EQ(GetOrdProp(g, "Look.Marks"), 5);
    EXPECT_EQ(GetPropText(g, "look.marks"), "[mkBold,mkUnderline]");
    EXPECT_TRUE(SetPropText(g, "Look.Marks", "[]"));
    EXPECT_TRUE(g.Look()->Marks().Empty());

    EXPECT_TRUE(SetPropText(g, "Look.Color", "clBtnFace"));
    EXPECT_EQ(g.Look()->Color(), clBtnFace);
    EXPECT_EQ(GetPropText(g, "Look.Color"), "clBtnFace");
    EXPECT_TRUE(SetPropText(g, "Look.Color", "12632208"));
    EXPECT_EQ(GetPropText(g, "Look.Color"), "$00C0C090");
    EXPECT_EQ(GetObjectProp(g, "Look"), g.Look());
}

TEST(TypInfo, BadTextRaisesAndChangesNothing) {
    TGadget g(nullptr);
    EXPECT_THROW(SetPropText(g, "Width", "12px"), EPropertyError);
    EXPECT_THROW(SetPropText(g, "Width", ""), EPropertyError);
    EXPECT_THROW(SetPropText(g, "Checked", "yes"), EPropertyError);
    EXPECT_THROW(SetPropText(g, "Shade", "shPink"), EPropertyError);
    EXPECT_THROW(SetPropText(g, "Look.Marks", "[mkBold,mkStrike]"), EPropertyError);
    EXPECT_THROW(SetPropText(g, "Look.Marks", "[mkBold"), EPropertyError);
    EXPECT_THROW(SetPropText(g, "Version", "2.0"), EPropertyError);  // read-only
    EXPECT_EQ(g.Width(), 75);
    EXPECT_FALSE(g.Checked());
    EXPECT_EQ(g.Shade(), shMedium);
    EXPECT_TRUE(g.Look()->Marks().Empty());
}

TEST(TypInfo, StringsAndStringLists) {
    TGadget g(nullptr);
    EXPECT_TRUE(SetPropText(g, "Caption", "  It's me "));
    EXPECT_EQ(g.Caption(), "  It's me ");
    EXPECT_TRUE(SetPropText(g, "Items.Strings", "a\r\nb"));
    EXPECT_EQ(g.Items()->Count(), 2);
    EXPECT_EQ(GetPropText(g, "Items.Strings"), "a\r\nb\r\n");
    EXPECT_EQ(GetPropText(g, "Version"), "1.0");
}

TEST(TypInfo, DerivedClassRepublishesWithItsOwnDefault) {
    TWideGadget w(nullptr);
    const auto list = w.ClassType().PropList();
    std::vector<std::string> names;
    for (const TPropInfo* p : list) names.push_back(p->Name);
    EXPECT_EQ(names, (std::vector<std::string>{"Name", "Tag", "Width", "Checked", "Shade", "Caption", "Look",
                                               "Items", "Version", "OnClick", "OnQuery"}));
    const TPropInfo* width = w.ClassType().FindProp("Width");
    EXPECT_FALSE(IsStoredProp(w, *width));  // 75 is the default here
    TGadget g(nullptr);
    EXPECT_TRUE(IsStoredProp(g, *g.ClassType().FindProp("Width")));  // no default: always stored
    EXPECT_FALSE(IsStoredProp(g, *g.ClassType().FindProp("Name")));  // never stored
    EXPECT_FALSE(IsStoredProp(g, *g.ClassType().FindProp("Caption")));  // empty string
}

TEST(TypInfo, EventsBindToPublishedHandlersByName) {
    THost host(nullptr);
    TGadget g(&host);
    EXPECT_TRUE(SetMethodProp(g, "onclick", host, "gadgetclick"));
    g.OnClick(&g);
    EXPECT_EQ(host.clicked, &g);
    EXPECT_EQ(GetPropText(g, "OnClick"), "GadgetClick");

    bool allow = true;
    EXPECT_TRUE(SetMethodProp(g, "OnQuery", host, "GadgetQuery"));
    g.OnQuery(&g, allow);
    EXPECT_FALSE(allow);

    // Wrong signature, unknown handler: errors; the event keeps its handler.
    EXPECT_THROW(SetMethodProp(g, "OnClick", host, "GadgetQuery"), EPropertyError);
    EXPECT_THROW(SetMethodProp(g, "OnClick", host, "Nothing"), EPropertyError);
    EXPECT_EQ(GetPropText(g, "OnClick"), "GadgetClick");
    EXPECT_FALSE(SetMethodProp(g, "OnMissing", host, "GadgetClick"));

    // Assigning code replaces the binding.
    g.OnClick = [](TObject*) {};
    EXPECT_EQ(GetPropText(g, "OnClick"), "");
}

TEST(TypInfo, FieldsAcceptOnlyFittingClasses) {
    THost host(nullptr);
    const TFieldInfo* field = host.ClassType().FindField("GADGET");
    ASSERT_NE(field, nullptr);
    TGadget g(nullptr);
    TComponent plain(nullptr);
    EXPECT_TRUE(field->Set(host, &g));
    EXPECT_EQ(host.Gadget, &g);
    EXPECT_FALSE(field->Set(host, &plain));
    EXPECT_EQ(host.Gadget, &g);
}

TEST(TypInfo, Colours) {
    EXPECT_EQ(StringToColor("clRed"), 0x0000FF);
    EXPECT_EQ(StringToColor("0x00FF00"), 0x00FF00);
    EXPECT_EQ(StringToColor("$FF00000F"), clBtnFace);
    EXPECT_EQ(StringToColor("-16777201"), clBtnFace);
    EXPECT_EQ(ColorToString(clBtnFace), "clBtnFace");
    EXPECT_EQ(ColorToString(0x123456), "$00123456");
    EXPECT_THROW(StringToColor("reddish"), EConvertError);
}
