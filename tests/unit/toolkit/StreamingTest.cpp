// Form files: reading, writing, round trips, Loaded order and errors.
#include <gtest/gtest.h>

#include "toolkit/Classes.h"
#include "toolkit/Streaming.h"
#include "toolkit/TypInfo.h"

namespace {

enum TSide { sdNone, sdTop, sdClient };
enum TStyleFlag { sfBold, sfItalic };
using TStyleFlags = TSet<TStyleFlag>;

}  // namespace

template <>
const TEnumInfo& EnumInfo<TSide>() {
    static const TEnumInfo info{"TSide", {"sdNone", "sdTop", "sdClient"}};
    return info;
}
template <>
const TEnumInfo& EnumInfo<TStyleFlag>() {
    static const TEnumInfo info{"TStyleFlag", {"sfBold", "sfItalic"}};
    return info;
}

namespace {

std::vector<std::string> gLoaded;

class TPen2 : public TPersistent {
    TOOLKIT_CLASS(TPen2, TPersistent)

public:
    TStyleFlags Style() const { return style_; }
    void SetStyle(TStyleFlags s) { style_ = s; }
    TColor Color() const { return color_; }
    void SetColor(TColor c) { color_ = c; }

private:
    TStyleFlags style_;
    TColor color_ = clBlack;
};

class TBox;

class TRow : public TCollectionItem {
    TOOLKIT_CLASS(TRow, TCollectionItem)

public:
    using TCollectionItem::TCollectionItem;
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& c) {
        caption_ = c;
        Changed();
    }
    int Height() const { return height_; }
    void SetHeight(int h) {
        height_ = h;
        Changed();
    }

private:
    std::string caption_;
    int height_ = 20;
};

// Counts what it is told, as a control that repaints on every change would.
class TRows : public TCollectionOf<TRow> {
    TOOLKIT_CLASS(TRows, TCollection)

public:
    std::vector<int> updates;  // the index of the changed item, -1 for the whole list

protected:
    void Update(TCollectionItem* item) override { updates.push_back(item ? item->Index() : -1); }
};

// Root of the test forms: boxes are parented to it or to each other.
class TSheet : public TComponent {
    TOOLKIT_CLASS(TSheet, TComponent)

public:
    using TComponent::TComponent;
    std::vector<TBox*> boxes;  // children whose parent is the sheet
    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const override;
    void Loaded() override;
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& c) { caption_ = c; }
    TRows* Rows() const { return rows_.get(); }

    void BoxClick(TObject* sender) { clicked = sender; }
    TObject* clicked = nullptr;
    TBox* Top = nullptr;
    TBox* Inner = nullptr;
    std::string seenAtLoaded;

private:
    std::string caption_;
    std::unique_ptr<TRows> rows_ = std::make_unique<TRows>();
};

class TBox : public TComponent {
    TOOLKIT_CLASS(TBox, TComponent)

public:
    using TComponent::TComponent;
    int Width() const { return width_; }
    void SetWidth(int w) { width_ = w; }
    TSide Side() const { return side_; }
    void SetSide(TSide s) { side_ = s; }
    bool Visible() const { return visible_; }
    void SetVisible(bool v) { visible_ = v; }
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& c) { caption_ = c; }
    TPen2* Pen() const { return pen_.get(); }
    TStringList* Lines() const { return lines_.get(); }
    TBox* Buddy() const { return buddy_; }
    void SetBuddy(TBox* b) { buddy_ = b; }
    double Ratio() const { return ratio_; }
    void SetRatio(double r) { ratio_ = r; }
    TNotifyEvent OnClick;
    std::vector<std::uint8_t> blob;
    std::vector<TBox*> boxes;
    TComponent* parent = nullptr;
    std::string buddyAtLoaded;

    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override { return parent; }
    void SetParentComponent(TComponent* p) override {
        parent = p;
        if (auto* sheet = dynamic_cast<TSheet*>(p)) sheet->boxes.push_back(this);
        if (auto* box = dynamic_cast<TBox*>(p)) box->boxes.push_back(this);
    }
    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent*) const override {
        for (TBox* b : boxes) proc(b);
    }
    void DefineProperties(TFiler& filer) override {
        TComponent::DefineProperties(filer);
        // Stored as a 32-bit count followed by the bytes, always written.
        filer.DefineBinaryProperty(
            "Blob",
            [this](TStream& s) {
                const std::int32_t n = s.ReadInt32();
                if (n <= 0) return;
                blob.resize(static_cast<size_t>(n));
                s.ReadBuffer(blob.data(), n);
            },
            [this](TStream& s) {
                s.WriteInt32(static_cast<std::int32_t>(blob.size()));
                s.WriteBuffer(blob.data(), static_cast<std::int64_t>(blob.size()));
            },
            true);
    }
    void Loaded() override {
        TComponent::Loaded();
        gLoaded.push_back(Name());
        buddyAtLoaded = buddy_ ? buddy_->Name() : "";
    }

private:
    int width_ = 10;
    TSide side_ = sdNone;
    bool visible_ = true;
    std::string caption_;
    std::unique_ptr<TPen2> pen_ = std::make_unique<TPen2>();
    std::unique_ptr<TStringList> lines_ = std::make_unique<TStringList>();
    TBox* buddy_ = nullptr;
    double ratio_ = 0;
};

// A non-visual component: listed by the root after its boxes.
class TTicker : public TComponent {
    TOOLKIT_CLASS(TTicker, TComponent)

public:
    using TComponent::TComponent;
    int Interval() const { return interval_; }
    void SetInterval(int i) { interval_ = i; }
    void Loaded() override {
        TComponent::Loaded();
        gLoaded.push_back(Name());
    }

private:
    int interval_ = 1000;
};

void TSheet::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const {
    for (TBox* b : boxes) proc(b);
    TComponent::GetChildren(proc, root);
}

void TSheet::Loaded() {
    TComponent::Loaded();
    gLoaded.push_back(Name());
    seenAtLoaded = Inner ? Inner->Caption() : "";
}

}  // namespace

const TClassInfo& TPen2::StaticClass() {
    using C = TPen2;
    using P = TProps<C>;
    static const TClassInfo info("TPen2", &TPersistent::StaticClass(), nullptr,
                                 {P::Set("Style", &C::Style, &C::SetStyle).Default(0),
                                  P::Color("Color", &C::Color, &C::SetColor).Default(clBlack)});
    return info;
}

const TClassInfo& TRow::StaticClass() {
    using C = TRow;
    using P = TProps<C>;
    static const TClassInfo info("TRow", &TCollectionItem::StaticClass(), nullptr,
                                 {P::String("Caption", &C::Caption, &C::SetCaption),
                                  P::Integer("Height", &C::Height, &C::SetHeight).Default(20)});
    return info;
}

const TClassInfo& TRows::StaticClass() {
    static const TClassInfo info("TRows", &TCollection::StaticClass());
    return info;
}

const TClassInfo& TSheet::StaticClass() {
    using C = TSheet;
    using P = TProps<C>;
    static const TClassInfo info("TSheet", &TComponent::StaticClass(), Creator<C>(),
                                 {P::String("Caption", &C::Caption, &C::SetCaption), P::Collection("Rows", &C::Rows)},
                                 {P::Method("BoxClick", &C::BoxClick)},
                                 {P::Field("Top", &C::Top), P::Field("Inner", &C::Inner)});
    return info;
}

const TClassInfo& TBox::StaticClass() {
    using C = TBox;
    using P = TProps<C>;
    static const TClassInfo info("TBox", &TComponent::StaticClass(), Creator<C>(),
                                 {
                                     P::Integer("Width", &C::Width, &C::SetWidth).Default(10),
                                     P::Enum("Side", &C::Side, &C::SetSide).Default(sdNone),
                                     P::Boolean("Visible", &C::Visible, &C::SetVisible).Default(true),
                                     P::String("Caption", &C::Caption, &C::SetCaption),
                                     P::Object("Pen", &C::Pen),
                                     P::Object("Lines", &C::Lines),
                                     P::Component("Buddy", &C::Buddy, &C::SetBuddy),
                                     P::Float("Ratio", &C::Ratio, &C::SetRatio),
                                     P::Event("OnClick", &C::OnClick),
                                 });
    return info;
}

const TClassInfo& TTicker::StaticClass() {
    using C = TTicker;
    using P = TProps<C>;
    static const TClassInfo info("TTicker", &TComponent::StaticClass(), Creator<C>(),
                                 {P::Integer("Interval", &C::Interval, &C::SetInterval).Default(1000)});
    return info;
}

TOOLKIT_REGISTER(TTicker);
TOOLKIT_REGISTER(TSheet);
TOOLKIT_REGISTER(TBox);
TOOLKIT_REGISTER(TPen2);

namespace {

const char* const kForm =
    "object Sheet1: TSheet\r\n"
    "  Caption = 'It''s'#13#10'here' +\r\n"
    "    ' and there'\r\n"
    "  Tag = -7\r\n"
    "  object Top: TBox\r\n"
    "    Width = $20\r\n"
    "    Side = sdTop\r\n"
    "    Pen.Style = [sfBold, sfItalic]\r\n"
    "    Pen.Color = clBtnFace\r\n"
    "    Lines.Strings = (\r\n"
    "      'first'\r\n"
    "      ''\r\n"
    "      'third')\r\n"
    "    Buddy = Inner\r\n"
    "    OnClick = BoxClick\r\n"
    "    Blob = {03000000 0A0B0C}\r\n"
    "    object Inner: TBox\r\n"
    "      Visible = False\r\n"
    "      Caption = 'inside'\r\n"
    "    end\r\n"
    "  end\r\n"
    "  object Clock: TTicker\r\n"
    "    Interval = 250\r\n"
    "  end\r\n"
    "end\r\n";

}  // namespace

TEST(Streaming, ReadsObjectsPropertiesAndBindings) {
    TSheet sheet(nullptr);
    ReadComponent(sheet, kForm);
    EXPECT_EQ(sheet.Name(), "Sheet1");
    EXPECT_EQ(sheet.Caption(), "It's\r\nhere and there");
    EXPECT_EQ(sheet.Tag(), -7);
    ASSERT_NE(sheet.Top, nullptr);
    ASSERT_NE(sheet.Inner, nullptr);
    EXPECT_EQ(sheet.ComponentCount(), 3);  // all owned by the root
    EXPECT_EQ(sheet.Top->Owner(), &sheet);
    EXPECT_EQ(sheet.Inner->parent, sheet.Top);
    EXPECT_EQ(sheet.Top->parent, &sheet);
    EXPECT_EQ(sheet.Top->Width(), 32);
    EXPECT_EQ(sheet.Top->Side(), sdTop);
    EXPECT_EQ(sheet.Top->Pen()->Style(), (TStyleFlags{sfBold, sfItalic}));
    EXPECT_EQ(sheet.Top->Pen()->Color(), clBtnFace);
    EXPECT_EQ(sheet.Top->Lines()->Lines(), (std::vector<std::string>{"first", "", "third"}));
    EXPECT_EQ(sheet.Top->Buddy(), sheet.Inner);
    EXPECT_EQ(sheet.Top->blob, (std::vector<std::uint8_t>{10, 11, 12}));
    EXPECT_FALSE(sheet.Inner->Visible());
    auto* clock = dynamic_cast<TTicker*>(sheet.FindComponent("clock"));
    ASSERT_NE(clock, nullptr);
    EXPECT_EQ(clock->Interval(), 250);
    sheet.Top->OnClick(sheet.Inner);
    EXPECT_EQ(sheet.clicked, sheet.Inner);
    EXPECT_FALSE(sheet.ComponentState().Contains(csLoading));
    EXPECT_FALSE(sheet.Inner->ComponentState().Contains(csLoading));
}

TEST(Streaming, LoadedRunsOnceEverythingIsReadInReadingOrder) {
    gLoaded.clear();
    TSheet sheet(nullptr);
    ReadComponent(sheet, kForm);
    EXPECT_EQ(gLoaded, (std::vector<std::string>{"Sheet1", "Top", "Inner", "Clock"}));
    // The root's Loaded already sees a property of a component read after it started,
    EXPECT_EQ(sheet.seenAtLoaded, "inside");
    // and a forward reference is resolved before any Loaded.
    EXPECT_EQ(sheet.Top->buddyAtLoaded, "Inner");
}

TEST(Streaming, WriteThenReadGivesTheSameForm) {
    TSheet first(nullptr);
    ReadComponent(first, kForm);
    const std::string written = WriteComponent(first);
    TSheet second(nullptr);
    ReadComponent(second, written);
    EXPECT_EQ(WriteComponent(second), written);
    EXPECT_EQ(second.Caption(), first.Caption());
    EXPECT_EQ(second.Top->Lines()->Lines(), first.Top->Lines()->Lines());
    EXPECT_EQ(second.Top->blob, first.Top->blob);
    EXPECT_EQ(second.Top->Buddy(), second.Inner);
    second.Top->OnClick(second.Top);
    EXPECT_EQ(second.clicked, second.Top);
}

TEST(Streaming, WriterStoresOnlyNonDefaultValuesInItsOwnFormat) {
    TSheet sheet(nullptr);
    sheet.SetName("S");
    auto* box = new TBox(&sheet);
    box->SetName("B");
    box->SetParentComponent(&sheet);
    box->SetCaption("a'b\tc");
    box->Pen()->SetStyle({sfItalic});
    box->Lines()->Add("x");
    box->blob.assign(40, 0xAB);
    auto* ticker = new TTicker(&sheet);
    ticker->SetName("T");
    const std::string expected =
        "object S: TSheet\r\n"
        "  object B: TBox\r\n"
        "    Caption = 'a''b'#9'c'\r\n"
        "    Pen.Style = [sfItalic]\r\n"
        "    Lines.Strings = (\r\n"
        "      'x')\r\n"
        "    Blob = {\r\n"
        "      28000000ABABABABABABABABABABABABABABABABABABABABABABABABABABABAB\r\n"
        "      ABABABABABABABABABABABAB}\r\n"
        "  end\r\n"
        "  object T: TTicker\r\n"
        "  end\r\n"
        "end\r\n";
    EXPECT_EQ(WriteComponent(sheet), expected);
}

TEST(Streaming, ASecondRootOfTheSameNameGetsANumber) {
    TComponent owner(nullptr);
    auto* first = new TSheet(&owner);
    auto* second = new TSheet(&owner);
    ReadComponent(*first, "object Sheet: TSheet end");
    ReadComponent(*second, "object Sheet: TSheet end");
    EXPECT_EQ(first->Name(), "Sheet");
    EXPECT_EQ(second->Name(), "Sheet_1");
    ReadComponent(*first, "object Sheet: TSheet end");  // its own name is no clash
    EXPECT_EQ(first->Name(), "Sheet");
}

TEST(Streaming, ReadNewComponentCreatesByClassName) {
    TComponent owner(nullptr);
    TComponent* made = ReadNewComponent("object Lone: TTicker Interval = 5 end", &owner);
    ASSERT_NE(dynamic_cast<TTicker*>(made), nullptr);
    EXPECT_EQ(static_cast<TTicker*>(made)->Interval(), 5);
    EXPECT_EQ(made->Owner(), &owner);
    // A failure leaves nothing behind in the owner.
    EXPECT_THROW(ReadNewComponent("object Bad: TTicker Interval = 'x' end", &owner), EReadError);
    EXPECT_EQ(owner.ComponentCount(), 1);
}

namespace {
std::string ReadError(const std::string& text) {
    TSheet sheet(nullptr);
    try {
        ReadComponent(sheet, text);
    } catch (const Exception& e) {
        return e.Message();
    }
    return "no error";
}
}  // namespace

TEST(Streaming, BadFilesGiveClearErrorsWithLineNumbers) {
    EXPECT_EQ(ReadError("object S: TSheet\n  object X: TNoSuch\n  end\nend"), "Line 2: Class TNoSuch not found");
    EXPECT_EQ(ReadError("object S: TSheet\n  Colour = 3\nend"), "Line 2: Property Colour does not exist in TSheet");
    EXPECT_EQ(ReadError("object S: TSheet\n  Tag = 'x'\nend"), "Line 2: Invalid value for property Tag");
    EXPECT_EQ(ReadError("object S: TBox\nend"), "Line 1: The form file describes a TBox, not a TSheet");
    EXPECT_EQ(ReadError("object S: TSheet\n  Caption = 'open\nend"), "Line 2: Unterminated string");
    EXPECT_EQ(ReadError("object S: TSheet\n  Caption = 'x'\n"), "Line 3: 'end' expected");
    EXPECT_EQ(ReadError("object S: TSheet\nend\nend"), "Line 3: Text after the final 'end'");
    EXPECT_EQ(ReadError("object S: TSheet\n object B: TBox\n  Side = sdLeft\n end\nend"),
              "Line 3: Invalid value for property Side: 'sdLeft' is not a valid value");
    EXPECT_EQ(ReadError("object S: TSheet\n object B: TBox\n  OnClick = Nowhere\n end\nend"),
              "Line 3: TSheet has no handler named Nowhere");
    EXPECT_EQ(ReadError("object S: TSheet\n object B: TBox\n  Buddy = Ghost\n end\nend"),
              "Line 3: No component named Ghost");
    EXPECT_EQ(ReadError("object S: TSheet\n object B: TBox\n end\n object B: TBox\n end\nend"),
              "Line 4: A component named B already exists");
    EXPECT_EQ(ReadError("object S: TSheet\n object Top: TTicker\n end\nend"), "Line 2: Field Top is not a TTicker");
    EXPECT_EQ(ReadError("object S: TSheet\n object B: TBox\n  Blob = {0A0}\n end\nend"),
              "Line 3: Odd number of hexadecimal digits in binary data");
    EXPECT_EQ(ReadError("object S: TSheet\n object B: TBox\n  Width = 1.5\n end\nend"),
              "Line 3: Invalid value for property Width");
    EXPECT_EQ(ReadError("object S: TSheet\n  Caption = #999\nend"), "Line 2: Invalid character code in string");
}

TEST(Streaming, BinaryPropertyShorterThanItsCountIsAnError) {
    // The count promises 8 bytes but only 2 follow: the component's reader meets the end.
    EXPECT_EQ(ReadError("object S: TSheet\n object B: TBox\n  Blob = {08000000 0102}\n end\nend"),
              "Line 3: Stream read error");
}

TEST(Streaming, QuotesStrings) {
    EXPECT_EQ(QuoteFormString(""), "''");
    EXPECT_EQ(QuoteFormString("\r\n"), "#13#10");
    EXPECT_EQ(QuoteFormString("a\rb"), "'a'#13'b'");
    EXPECT_EQ(QuoteFormString("''"), "''''''");
}

namespace {
TBox* FirstBox(TSheet& sheet, const std::string& boxBody) {
    ReadComponent(sheet, "object S: TSheet\n object B: TBox\n" + boxBody + "\n end\nend");
    return sheet.boxes.at(0);
}
}  // namespace

TEST(Streaming, FractionalNumbersReadAsWrittenAndWriteBackExactly) {
    for (const auto& [text, value] : std::vector<std::pair<std::string, double>>{
             {"8.5", 8.5}, {"-1.25E3", -1250.0}, {"+2e-2", 0.02}, {"3", 3.0}, {"0.1", 0.1}}) {
        TSheet sheet(nullptr);
        EXPECT_EQ(FirstBox(sheet, "  Ratio = " + text)->Ratio(), value) << text;
    }
    TSheet sheet(nullptr);
    TBox* box = FirstBox(sheet, "  Ratio = 0.1");
    EXPECT_EQ(GetPropText(*box, "ratio"), "0.1");
    EXPECT_TRUE(SetPropText(*box, "Ratio", " 1e300 "));
    EXPECT_EQ(box->Ratio(), 1e300);
    EXPECT_THROW(SetPropText(*box, "Ratio", "1,5"), EPropertyError);
    EXPECT_THROW(SetPropText(*box, "Ratio", "inf"), EPropertyError);
    const std::string written = WriteComponent(sheet);
    EXPECT_NE(written.find("    Ratio = 1e+300\r\n"), std::string::npos) << written;
    TSheet again(nullptr);
    ReadComponent(again, written);
    EXPECT_EQ(again.boxes.at(0)->Ratio(), 1e300);
    // Zero is the default and is not written.
    box->SetRatio(0);
    EXPECT_EQ(WriteComponent(sheet).find("Ratio"), std::string::npos);

    EXPECT_EQ(ReadError("object S: TSheet\n object B: TBox\n  Ratio = 1.\n end\nend"),
              "Line 3: Digits expected after '.'");
    EXPECT_EQ(ReadError("object S: TSheet\n object B: TBox\n  Ratio = 2E+\n end\nend"),
              "Line 3: Digits expected in the exponent");
    EXPECT_EQ(ReadError("object S: TSheet\n object B: TBox\n  Ratio = 1e999\n end\nend"),
              "Line 3: Number out of range");
    EXPECT_EQ(ReadError("object S: TSheet\n object B: TBox\n  Ratio = $1.5\n end\nend"),
              "Line 3: Invalid number");
    EXPECT_EQ(ReadError("object S: TSheet\n object B: TBox\n  Ratio = 1.5x\n end\nend"),
              "Line 3: Invalid number");
    EXPECT_EQ(ReadError("object S: TSheet\n object B: TBox\n  Ratio = 'x'\n end\nend"),
              "Line 3: Invalid value for property Ratio");
}

TEST(Streaming, CollectionsReadTheirItemsInOrderAndWriteThemBack) {
    TSheet sheet(nullptr);
    ReadComponent(sheet,
                  "object S: TSheet\n"
                  "  Rows = <\n"
                  "    item\n"
                  "      Caption = 'first'\n"
                  "      Height = 7\n"
                  "    end\n"
                  "    item\n"
                  "    end\n"
                  "    item Caption = 'third' end>\n"
                  "  Caption = 'after'\n"
                  "end");
    TRows& rows = *sheet.Rows();
    ASSERT_EQ(rows.Count(), 3);
    EXPECT_EQ(rows.Items(0).Caption(), "first");
    EXPECT_EQ(rows.Items(0).Height(), 7);
    EXPECT_EQ(rows.Items(1).Caption(), "");
    EXPECT_EQ(rows.Items(1).Height(), 20);
    EXPECT_EQ(rows.Items(2).Caption(), "third");
    EXPECT_EQ(rows.Items(2).Index(), 2);
    EXPECT_EQ(sheet.Caption(), "after");  // reading goes on after the collection
    // The owner is told once, when the whole collection has been read.
    EXPECT_EQ(rows.updates, (std::vector<int>{-1}));
    EXPECT_EQ(GetObjectProp(sheet, "rows"), &rows);

    const std::string written = WriteComponent(sheet);
    EXPECT_EQ(written,
              "object S: TSheet\r\n"
              "  Caption = 'after'\r\n"
              "  Rows = <\r\n"
              "    item\r\n"
              "      Caption = 'first'\r\n"
              "      Height = 7\r\n"
              "    end\r\n"
              "    item\r\n"
              "    end\r\n"
              "    item\r\n"
              "      Caption = 'third'\r\n"
              "    end>\r\n"
              "end\r\n");
    // Reading into a component that has items replaces them.
    rows.Add().SetCaption("extra");
    ReadComponent(sheet, written);
    ASSERT_EQ(rows.Count(), 3);
    EXPECT_EQ(rows.Items(2).Caption(), "third");
    EXPECT_EQ(WriteComponent(sheet), written);
    // An empty collection is not written.
    rows.Clear();
    EXPECT_EQ(WriteComponent(sheet).find("Rows"), std::string::npos);
}

TEST(Streaming, CollectionItemsTellTheirChangesAndBadItemsAreErrors) {
    TRows rows;
    rows.Add();
    rows.Add().SetHeight(3);
    EXPECT_EQ(rows.updates, (std::vector<int>{-1, -1, 1}));
    rows.updates.clear();
    rows.BeginUpdate();
    rows.Items(0).SetCaption("a");
    rows.Delete(1);
    EXPECT_TRUE(rows.updates.empty());
    rows.EndUpdate();
    EXPECT_EQ(rows.updates, (std::vector<int>{-1}));
    EXPECT_EQ(rows.Count(), 1);
    EXPECT_THROW(rows.Items(1), EListError);
    EXPECT_THROW(rows.Delete(-1), EListError);

    EXPECT_EQ(ReadError("object S: TSheet\n Rows = <\n  item\n   Width = 3\n  end>\nend"),
              "Line 4: Property Width does not exist in TRow");
    EXPECT_EQ(ReadError("object S: TSheet\n Rows = <\n  Caption = 'x'\n >\nend"), "Line 3: 'item' or '>' expected");
    EXPECT_EQ(ReadError("object S: TSheet\n Rows = <\n  item\n"), "Line 4: 'end' expected");
    EXPECT_EQ(ReadError("object S: TSheet\n Rows = 3\nend"), "Line 2: '<' expected");
}
