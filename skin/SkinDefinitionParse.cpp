#include "skin/SkinDefinitionParse.h"

#include <algorithm>
#include <cmath>

#include "skin/ImgUtil.h"
#include "skin/SkinCompose.h"

namespace {

const std::string kPersonality = "Personality";

// Frame counts that are not a fixed number.
constexpr int kAsRead = -1;          // the Frame key as read
constexpr int kAsReadOrFive = -2;    // as read, 5 when that is 0
constexpr int kFrameCountKey = -3;   // the section's FrameCount key, default 3
constexpr int kByProgressStyle = -4; // 2 for style 0, else 1

int CapAtOne(int value) { return value > 1 ? 1 : value; }
int ZeroAboveOne(int value) { return value > 1 ? 0 : value; }

}  // namespace

struct TSkinDefinitionParse::TElementDescription {
    const char* section;
    TVariant variant;
    const char* secondImageKey;
    int frameCount;
};

const TSkinDefinitionParse::TElementDescription TSkinDefinitionParse::kElements[kSkinElementCount] = {
    {"Progress", TVariant::Progress, nullptr, kByProgressStyle},
    {"Progress.Chunk", TVariant::Plain, nullptr, kAsRead},
    {"Personality", TVariant::MenuBar, nullptr, 2},
    {"GroupBoxEdge", TVariant::Plain, nullptr, 2},
    {"GroupBox", TVariant::GroupBox, nullptr, 1},
    {"Tabs", TVariant::SecondImage, "Border", 5},
    {"StatusBarEdges", TVariant::Plain, nullptr, 3},
    {"Tab.Pane", TVariant::Plain, nullptr, 1},
    {"ToolBars", TVariant::Plain, nullptr, 5},
    // The second key is one no definition uses: ComboButton's Image2 is built, not read.
    {"ComboButton", TVariant::SecondImage, "****", 4},
    {"SunkEdge", TVariant::Plain, nullptr, 4},
    {"ExtraImages", TVariant::Plain, nullptr, 5},
    {"Headerbar", TVariant::Plain, nullptr, kAsReadOrFive},
    {"MenuItem", TVariant::Plain, nullptr, 5},
    {"MenuBackground", TVariant::Plain, nullptr, 1},
    {"Scrollbar", TVariant::Plain, nullptr, 23},
    {"HorzScroll", TVariant::Plain, nullptr, 4},
    {"VertScroll", TVariant::Plain, nullptr, 4},
    {"HorzScrollThumb", TVariant::Plain, nullptr, kFrameCountKey},
    {"VertScrollThumb", TVariant::Plain, nullptr, kFrameCountKey},
    {"Trackbar.ThumbHorz", TVariant::Plain, nullptr, 5},
    {"Trackbar.ThumbVert", TVariant::Plain, nullptr, 5},
    {"Trackbar.ThumbLeft", TVariant::Plain, nullptr, 5},
    {"Trackbar.ThumbRight", TVariant::Plain, nullptr, 5},
    {"Trackbar.ThumbUp", TVariant::Plain, nullptr, 5},
    {"Trackbar.ThumbDown", TVariant::Plain, nullptr, 5},
    {"UpDown.Horz", TVariant::SecondImage, "GlyphImage", 8},
    {"UpDown.Vert", TVariant::SecondImage, "GlyphImage", 8},
    {"Track", TVariant::Plain, nullptr, kAsRead},
    {"TRACKVERT", TVariant::Plain, nullptr, kAsRead},
};

void TSkinDefinitionParse::Run() {
    TStringList sections;
    ini_.ReadSections(&sections);
    ReadBorders();
    ReadColours();
    ReadSysButtons(sections);
    ReadButtons();
    ReadTitle();
    ReadOptionalElements();
    SetFrameCounts();
    const TColor frameColour = SampleFrameColour();
    BuildComboImages();
    BuildComboArrow();
    BuildToolbar(frameColour);
    data_.frameColour_ = frameColour;
    data_.ReplaceButtonFaceBrush(data_.colours_.ButtonFace);
    data_.empty_ = false;
}

TColor TSkinDefinitionParse::Colour(const std::string& section, const std::string& key, TColor defaultValue) const {
    const std::string text = Text(section, key);
    return text.empty() ? defaultValue : ColourFromText(text);
}

void TSkinDefinitionParse::ReadBorders() {
    for (int side = 0; side < 4; ++side) {
        TDataSkinBorder& border = data_.Border(side);
        const std::string& p = border.Name;
        const int startMargin = Integer(kPersonality, p + "TopHeight", 0);
        const int endMargin = Integer(kPersonality, p + "BotHeight", 0);
        const bool sideBorder = side < 2;
        border.LeftWidth = sideBorder ? 0 : startMargin;
        border.RightWidth = sideBorder ? 0 : endMargin;
        border.TopHeight = sideBorder ? startMargin : 0;
        border.BottomHeight = sideBorder ? endMargin : 0;
        border.FrameCount = Integer(kPersonality, p + "Frame", 1);
        border.Tile = CapAtOne(Integer(kPersonality, p + "Stretch", 1));
        border.Trans = Integer(kPersonality, p + "Trans", 1);
        Image(kPersonality, p, border.Image);
    }
}

void TSkinDefinitionParse::ReadColours() {
    TSkinColours& c = data_.colours_;
    const std::string section = "Colours";
    c.WindowText = Colour(section, "WindowText", clWindowText);
    c.ButtonFace = Colour(section, "ButtonFace", clBtnFace);
    c.Scrollbar = Colour(section, "Scrollbar", clScrollBar);
    c.HilightText = Colour(section, "HilightText", clHighlightText);
    c.Hilight = Colour(section, "Hilight", clHighlight);
    c.Menubar = Colour(section, "Menubar", c.ButtonFace);
    c.Menu = Colour(section, "Menu", clMenu);
    c.MenuText = Colour(section, "MenuText", clMenuText);
    c.ButtonText = Colour(section, "ButtonText", clBtnText);
    c.ButtonHilight = Colour(section, "ButtonHilight", clBtnHighlight);
    c.Buttonlight = Colour(section, "Buttonlight", clBtnHighlight);
    c.ButtonShadow = Colour(section, "ButtonShadow", clBtnShadow);
    c.ButtonDkShadow = Colour(section, "ButtonDkShadow", cl3DDkShadow);
    c.MenuBarText = Colour(section, "MenuBarText", clMenuText);
    c.TitleTextActive = Colour(section, "TitleTextActive", clCaptionText);
    c.TitleTextNoActive = Colour(section, "TitleTextNoActive", clInactiveCaptionText);
}

namespace {

bool IsTitleBarButtonSection(const std::string& upperName) {
    return upperName.starts_with("BUTTON") && upperName != "BUTTONS" && upperName != "BUTTON.RADIO" &&
           upperName != "BUTTON.CHECKBOX" && upperName != "BUTTON";
}

}  // namespace

void TSkinDefinitionParse::ReadSysButtons(const TStrings& sections) {
    auto& buttons = data_.sysButtons_;
    buttons.clear();
    POINT recorded = kNoRecordedHelpPosition;
    for (int i = 0; i < sections.Count(); ++i) {
        const std::string section = sections[i];
        const std::string upper = UpperCase(section);
        if (!IsTitleBarButtonSection(upper)) continue;
        const int action = Integer(section, "Action", 0);
        if (action == -1 && Integer(section, "Visibility", -1) != 0) continue;

        auto button = std::make_unique<TDataSkinSysButton>(upper);
        button->Action = action;
        button->Align = Integer(section, "Align", 0);
        button->Xcoord = Integer(section, "Xcoord", 0);
        button->Ycoord = Integer(section, "Ycoord", 0);
        button->Visibility = Integer(section, "Visibility", 0);
        button->Visibility1 = Integer(section, "Visibility1", action == -1 ? -1 : 0);
        button->CombineOp = Integer(section, "CombineOp", -1);
        button->FrameCount = Integer(section, "frame", 0);
        Image(section, "ButtonImage", button->Image);
        if (action == 1 && button->Visibility == 2) recorded = POINT{button->Xcoord, button->Ycoord};
        if (action == 4) {
            button->Xcoord = recorded.x;
            button->Ycoord = recorded.y;
        }
        if (button->FrameCount == 0) {
            button->FrameCount = 6;
            const TBitmap& image = button->Image;
            if (!image.Empty())
                button->FrameCount = static_cast<double>(image.Width()) / image.Height() <= 3.8 ? 3 : 6;
            if (action < 0) button->FrameCount = 6;
            if (action == 3 || action == 11) button->Image.Clear();
        }
        buttons.push_back(std::move(button));
    }
    ReadMdiButtons();
}

void TSkinDefinitionParse::ReadMdiButtons() {
    TBitmap source;
    Image("MDICONTROLS", "Image", source);
    const int w = source.Width() / 12;
    for (int k = 0; k < 3; ++k) {
        auto button = std::make_unique<TDataSkinSysButton>("MDICONTROLS");
        button->Action = 7 + k;
        button->Align = 100;
        button->Visibility = 100;
        button->Visibility1 = 100;
        button->FrameCount = 4;
        button->Image.SetPixelFormat(pf24bit);
        if (w > 0) {
            CropBitmap(source, Rect(4 * k * w, 0, 4 * (k + 1) * w, source.Height()), button->Image);
            button->Xcoord = (w + 4) * (3 - k);
        }
        data_.sysButtons_.push_back(std::move(button));
    }
}

void TSkinDefinitionParse::ReadButtons() {
    TDataSkinButton& b = data_.Button();
    const std::string section = "Buttons";
    b.LeftWidth = Integer(section, "LeftWidth", 0);
    b.RightWidth = Integer(section, "RightWidth", 0);
    b.TopHeight = Integer(section, "TopHeight", 0);
    b.BottomHeight = Integer(section, "BottomHeight", 0);
    b.Trans = Integer(section, "Trans", 0);
    Image(section, "Bitmap", b.Image);
    b.Tile = ZeroAboveOne(Integer(section, "Tile", 0));
    Image(section, "CheckButton", b.CheckImage);
    Image(section, "RadioButton", b.RadioImage);
    b.NormalColour = Integer(section, "NormalColour", -1);
    b.MouseOverColour = Integer(section, "MouseOverColour", -1);
    b.PressedColour = Integer(section, "PressedColour", -1);
    b.RadioButtonFrame = Integer(section, "RadioButtonFrame", 0);
    b.CheckButtonFrame = Integer(section, "CheckButtonFrame", 0);
    const TColor buttonText = data_.colours_.ButtonText;
    b.HasNormalColour2 = !Text(section, "NormalColour2").empty();
    b.HasMouseOverColour2 = !Text(section, "MouseOverColour2").empty();
    b.HasPressedColour2 = !Text(section, "PressedColour2").empty();
    b.NormalColour2 = Colour(section, "NormalColour2", buttonText);
    b.MouseOverColour2 = Colour(section, "MouseOverColour2", buttonText);
    b.PressedColour2 = Colour(section, "PressedColour2", buttonText);
}

void TSkinDefinitionParse::ReadTitle() {
    TDataSkinTitle& t = data_.Title();
    Image(kPersonality, "TextBack", t.Image);
    t.LeftWidth = Integer(kPersonality, "TextShift", 0);
    t.TopHeight = Integer(kPersonality, "TextShiftVert", 0);
    t.RightWidth = Integer(kPersonality, "TextRightClip", 0);
    t.BottomHeight = 0;
    t.TextAlignment = Integer(kPersonality, "TextAlignment", 0);
    t.Textbackground = Integer(kPersonality, "Textbackground", 0);
    t.TXTBackleft = Integer(kPersonality, "TXTBackleft", 0);
    t.TXTBackRight = Integer(kPersonality, "TXTBackRight", 0);
    t.FontHeight = Integer("Fonts", "FontHeight", 14);
    auto rgb = [this](const std::string& prefix) -> TColor {
        const int r = Integer(kPersonality, prefix + "R", -1);
        const int g = Integer(kPersonality, prefix + "G", -1);
        const int b = Integer(kPersonality, prefix + "B", -1);
        if (r < 0 || g < 0 || b < 0) return clNone;
        return (r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16);
    };
    t.ActiveText = rgb("ActiveText");
    t.InActiveText = rgb("InActiveText");
}

void TSkinDefinitionParse::ReadOptionalElements() {
    for (int element = 0; element < kSkinElementCount; ++element) {
        ReadElement(static_cast<TSkinElement>(element));
        if (element == seSunkEdge) MirrorComboButton();
    }
    AddBuiltInTrack(seTrack, "TRACK");
    AddBuiltInTrack(seTrackVert, "TRACKVERT");
}

void TSkinDefinitionParse::ReadMargins(TDataSkinObject& record, const std::string& section) {
    record.Style = Integer(section, "Style", 0);
    record.LeftWidth = Integer(section, "LeftWidth", 0);
    record.RightWidth = Integer(section, "RightWidth", 0);
    record.TopHeight = Integer(section, "TopHeight", 0);
    record.BottomHeight = Integer(section, "BottomHeight", 0);
}

void TSkinDefinitionParse::ReadPlainKeys(TDataSkinObject& record, const std::string& section, bool withFrame) {
    ReadMargins(record, section);
    if (withFrame) record.FrameCount = Integer(section, "Frame", 0);
    record.Trans = Integer(section, "Trans", 0);
    record.Tile = ZeroAboveOne(Integer(section, "Tile", 0));
    record.NormalColour = Integer(section, "NormalColour", -1);
    record.MouseOverColour = Integer(section, "MouseOverColour", -1);
    record.PressedColour = Integer(section, "PressedColour", -1);
    const TColor buttonText = data_.colours_.ButtonText;
    record.NormalColour2 = Colour(section, "NormalColour2", buttonText);
    record.MouseOverColour2 = Colour(section, "MouseOverColour2", buttonText);
    record.PressedColour2 = Colour(section, "PressedColour2", buttonText);
}

void TSkinDefinitionParse::ReadElement(TSkinElement element) {
    const TElementDescription& d = kElements[element];
    auto& slot = data_.elements_[element];
    slot.reset();
    const std::string section = d.section;
    const std::string imageSection = d.variant == TVariant::MenuBar ? kPersonality : section;
    const char* imageKey = d.variant == TVariant::MenuBar ? "menuBar" : d.variant == TVariant::Progress ? "Bitmap" : "Image";
    const std::string imageName = Text(imageSection, imageKey);
    if (imageName.empty()) return;

    std::unique_ptr<TDataSkinObject> record;
    if (d.variant == TVariant::SecondImage || d.variant == TVariant::Progress)
        record = std::make_unique<TDataSkinBorder>(section);
    else if (d.variant == TVariant::GroupBox)
        record = std::make_unique<TDataSkinBoxLabel>(section);
    else
        record = std::make_unique<TDataSkinObject>(section);
    data_.LoadImage(record->Image, imageName);

    switch (d.variant) {
    case TVariant::Plain:
        ReadPlainKeys(*record, section, true);
        break;
    case TVariant::SecondImage: {
        auto& border = static_cast<TDataSkinBorder&>(*record);
        if (!Text(section, d.secondImageKey).empty()) Image(section, d.secondImageKey, border.Image2);
        ReadPlainKeys(*record, section, false);
        break;
    }
    case TVariant::Progress:
        ReadMargins(*record, section);
        record->Trans = Integer(section, "Trans", 0);
        record->Tile = CapAtOne(Integer(section, "Tile", 0));
        break;
    case TVariant::GroupBox: {
        ReadPlainKeys(*record, section, false);
        auto& label = static_cast<TDataSkinBoxLabel&>(*record);
        label.BackgroundAlignment = Integer(section, "BackgroundAlignment", 0);
        label.BackgroundLeftShift = Integer(section, "BackgroundLeftShift", 0);
        label.BackgroundRightShift = Integer(section, "BackgroundRightShift", 0);
        break;
    }
    case TVariant::MenuBar:
        record->Name = kPersonality;
        record->TopHeight = 0;
        record->BottomHeight = 0;
        record->Tile = CapAtOne(Integer(kPersonality, "TileMenu", 1));
        record->LeftWidth = Integer(kPersonality, "TileLeftMenu", 1);
        record->RightWidth = Integer(kPersonality, "TileRightMenu", 1);
        break;
    }
    if (element == seTabPane) {
        record->LeftWidth = std::min(record->LeftWidth, 4);
        record->TopHeight = std::min(record->TopHeight, 4);
        record->RightWidth = std::min(record->RightWidth, 4);
        record->BottomHeight = std::min(record->BottomHeight, 4);
    }
    slot = std::move(record);
}

void TSkinDefinitionParse::MirrorComboButton() {
    auto* combo = data_.ElementAs<TDataSkinBorder>(seComboButton);
    if (!combo || combo->Image.Empty()) return;
    combo->Image2.Assign(combo->Image);
    combo->Image2.SetPixelFormat(pf24bit);
    MirrorBitmap(combo->Image2);
}

void TSkinDefinitionParse::AddBuiltInTrack(TSkinElement element, const char* resourceName) {
    auto& slot = data_.elements_[element];
    if (slot) return;
    auto record = std::make_unique<TDataSkinObject>(kElements[element].section);
    record->Image.LoadFromResourceName(GetModuleHandleA(nullptr), resourceName);
    record->LeftWidth = record->TopHeight = record->RightWidth = record->BottomHeight = 3;
    record->Tile = 0;
    record->FrameCount = 1;
    record->NormalColour2 = record->MouseOverColour2 = record->PressedColour2 = data_.colours_.ButtonText;
    slot = std::move(record);
}

namespace {

// Frames of a check or radio glyph strip when the definition gives none.
int GlyphFrames(const TBitmap& image) {
    const int perFrame = image.Height() < 16 ? 13 : 16;
    return std::max(image.Width() / perFrame, 4);
}

}  // namespace

void TSkinDefinitionParse::SetFrameCounts() {
    TDataSkinButton& button = data_.Button();
    button.FrameCount = 5;
    if (button.RadioButtonFrame == 0) button.RadioButtonFrame = GlyphFrames(button.RadioImage);
    if (button.CheckButtonFrame == 0) button.CheckButtonFrame = GlyphFrames(button.CheckImage);
    data_.Title().FrameCount = 2;
    for (int element = 0; element < kSkinElementCount; ++element) {
        TDataSkinObject* record = data_.elements_[element].get();
        if (!record) continue;
        const int rule = kElements[element].frameCount;
        if (rule == kAsReadOrFive) {
            if (record->FrameCount == 0) record->FrameCount = 5;
        } else if (rule == kFrameCountKey) {
            record->FrameCount = Integer(kElements[element].section, "FrameCount", 3);
        } else if (rule == kByProgressStyle) {
            record->FrameCount = record->Style == 0 ? 2 : 1;
        } else if (rule != kAsRead) {
            record->FrameCount = rule;
        }
    }
}

TColor TSkinDefinitionParse::SampleFrameColour() {
    const TDataSkinBorder& top = data_.Border(2);
    if (top.Image.Empty()) return data_.colours_.ButtonFace;
    // Without a usable frame count the whole image is one frame; row 0 is sampled.
    const int frameHeight = top.FrameCount > 0 ? top.Image.Height() / top.FrameCount : 0;
    const int y = top.FrameCount > 0 ? frameHeight / 3 : 0;
    top.Image.ScanLine(0);  // finishes pending GDI drawing
    const std::uint32_t argb = top.Image.Pixels().Pixel(top.Image.Width() / 3, y);
    return static_cast<TColor>(((argb >> 16) & 0xFF) | (argb & 0xFF00) | ((argb & 0xFF) << 16));
}
