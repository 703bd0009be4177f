// The skins the build draws (skins/generate.py) read back the way the engine reads them:
// the definition through TQuickIni, images through our own BMP reader, from the drawn
// folder and from the packed skin file through TSkinReader. Every image the definition
// names must load, split into the frames the engine will cut and cut the window corners
// away; the second skin must differ from the default in the ways that keep the engine
// from being tuned to one skin.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "skin/SkinRead.h"
#include "skin/WinSkinIni.h"
#include "toolkit/BmpCodec.h"
#include "toolkit/Classes.h"

#ifndef PELMAR_SKINS_DIR
#error "PELMAR_SKINS_DIR names the folder the build draws the skins into (skins/CMakeLists.txt)"
#endif

namespace {

namespace fs = std::filesystem;
using pelmar::image::PixelBuffer;
using Bytes = std::vector<std::uint8_t>;

constexpr std::uint32_t kMagenta = 0xFF00FF;
const std::vector<std::string> kSkinNames = {"default", "graphite"};

Bytes FileBytes(const fs::path& path) {
    TMemoryStream stream;
    stream.LoadFromFile(path.string());
    return stream.Bytes();
}

Bytes StreamBytes(const TMemoryStream& stream) { return stream.Bytes(); }

// One skin as the engine sees it: its definition and a way to fetch an entry by name.
struct Skin {
    TQuickIni ini;
    std::vector<std::string> entries;  // every entry besides the definition
    std::function<Bytes(const std::string&)> entry;

    std::string Value(const std::string& section, const std::string& key) const {
        return ini.ReadString(section, key, "");
    }
    int Integer(const std::string& section, const std::string& key, int fallback) const {
        return ini.ReadInteger(section, key, fallback);
    }

    PixelBuffer Image(const std::string& section, const std::string& key) const {
        const std::string name = Value(section, key);
        if (name.empty()) throw std::runtime_error("[" + section + "] " + key + " names no image");
        const Bytes bytes = entry(name);
        if (bytes.empty()) throw std::runtime_error(name + " is not in the skin");
        return pelmar::image::DecodeBmp(bytes);
    }

    std::set<std::string> ImageNames() const {
        std::set<std::string> names;
        for (const auto& line : ini.Lines()) {
            const auto eq = line.find('=');
            if (eq == std::string::npos || TQuickIni::IsSection(line)) continue;
            const std::string value = Trim(line.substr(eq + 1));
            if (value.size() > 4 && value.ends_with(".bmp")) names.insert(value);
        }
        return names;
    }
};

fs::path FolderOf(const std::string& name) { return fs::path(PELMAR_SKINS_DIR) / name; }

void LoadDefinition(Skin& skin, const Bytes& text) {
    TMemoryStream stream;
    stream.Write(text.data(), static_cast<std::int64_t>(text.size()));
    stream.Seek(0, soBeginning);
    skin.ini.LoadFromStream(&stream);
}

Skin DrawnFolder(const std::string& name) {
    Skin skin;
    const fs::path folder = FolderOf(name);
    LoadDefinition(skin, FileBytes(folder / "skin.ini"));
    for (const auto& file : fs::directory_iterator(folder))
        if (file.path().filename() != "skin.ini") skin.entries.push_back(file.path().filename().string());
    skin.entry = [folder](const std::string& entry) {
        return fs::exists(folder / entry) ? FileBytes(folder / entry) : Bytes{};
    };
    return skin;
}

#ifdef PELMAR_SKINS_PACKED
fs::path PackedFileOf(const std::string& name) {
    return fs::path(PELMAR_SKINS_DIR) / (name == "default" ? "skin.skn" : name + ".skn");
}

Skin PackedFile(const std::string& name) {
    auto reader = std::make_shared<TSkinReader>();
    reader->SetWarning([](const std::string& message) { throw std::runtime_error(message); });
    TMemoryStream raw;
    raw.LoadFromFile(PackedFileOf(name).string());
    if (!reader->LoadFromStream(raw)) throw std::runtime_error("the skin reader refused " + name);
    Skin skin;
    TMemoryStream definition;
    std::string definitionName;
    reader->FindEntry(".ini", definition, definitionName);
    LoadDefinition(skin, StreamBytes(definition));
    for (const auto& entry : reader->Names())
        if (entry != definitionName) skin.entries.push_back(entry);
    skin.entry = [reader](const std::string& entry) {
        TMemoryStream target;
        reader->GetEntry(entry, target);
        return StreamBytes(target);
    };
    return skin;
}
#endif

bool IsMagenta(const PixelBuffer& image, int x, int y) {
    return (image.Pixel(x, y) & 0xFFFFFF) == kMagenta;
}

// Optional elements whose frame count the engine fixes, whatever the definition says.
const std::vector<std::pair<std::string, int>> kFixedFrames = {
    {"GroupBoxEdge", 2}, {"GroupBox", 1}, {"Tabs", 5}, {"StatusBarEdges", 3}, {"Tab.Pane", 1},
    {"ToolBars", 5}, {"ComboButton", 4}, {"SunkEdge", 4}, {"ExtraImages", 5}, {"MenuItem", 5},
    {"MenuBackground", 1}, {"Scrollbar", 23}, {"HorzScroll", 4}, {"VertScroll", 4},
    {"Trackbar.ThumbHorz", 5}, {"Trackbar.ThumbVert", 5}, {"Trackbar.ThumbLeft", 5},
    {"Trackbar.ThumbRight", 5}, {"Trackbar.ThumbUp", 5}, {"Trackbar.ThumbDown", 5},
    {"UpDown.Horz", 8}, {"UpDown.Vert", 8}};

// Elements whose count the definition gives (or the engine derives from a key).
const std::vector<std::string> kReadFrames = {"Progress.Chunk", "Headerbar", "HorzScrollThumb",
                                              "VertScrollThumb", "Track", "TRACKVERT"};

enum class Source { Folder, Packed };

class GeneratedSkin : public ::testing::TestWithParam<std::tuple<std::string, Source>> {
protected:
    static Skin Load(const std::string& name, Source source) {
#ifdef PELMAR_SKINS_PACKED
        if (source == Source::Packed) return PackedFile(name);
#endif
        (void)source;
        return DrawnFolder(name);
    }
    Skin skin = Load(std::get<0>(GetParam()), std::get<1>(GetParam()));
};

TEST_P(GeneratedSkin, EveryImageIsNamedAndLoadsThroughOurReader) {
    const auto named = skin.ImageNames();
    ASSERT_GT(named.size(), 40u);
    for (const auto& name : named) {
        SCOPED_TRACE(name);
        const Bytes bytes = skin.entry(name);
        ASSERT_FALSE(bytes.empty());
        EXPECT_EQ(pelmar::image::ReadBmpInfo(bytes).sourceBitsPerPixel, 24);
        EXPECT_EQ(name, LowerCase(name)) << "the container lower-cases entry names";
    }
    // Whatever lies in the folder is packed: an image nothing names is a stale leftover.
    for (const auto& entry : skin.entries) EXPECT_TRUE(named.count(entry)) << entry << " is not named";
}

TEST_P(GeneratedSkin, EveryElementHasAnImageThatSplitsIntoItsFrames) {
    for (const auto& [section, frames] : kFixedFrames) {
        SCOPED_TRACE(section);
        EXPECT_EQ(skin.Image(section, "Image").Width() % frames, 0);
    }
    for (const auto& section : kReadFrames) {
        SCOPED_TRACE(section);
        const int frames = section.find("Thumb") != std::string::npos
                               ? skin.Integer(section, "FrameCount", 3)
                               : skin.Integer(section, "Frame", section == "Headerbar" ? 5 : 0);
        ASSERT_GT(frames, 0);
        EXPECT_EQ(skin.Image(section, "Image").Width() % frames, 0);
    }
    const int progressFrames = skin.Integer("Progress", "Style", 0) == 0 ? 2 : 1;
    EXPECT_EQ(skin.Image("Progress", "Bitmap").Width() % progressFrames, 0);
    EXPECT_EQ(skin.Image("MDICONTROLS", "Image").Width() % 12, 0);
    EXPECT_EQ(skin.Image("Personality", "menuBar").Height() % 2, 0);
    EXPECT_EQ(skin.Image("Personality", "TextBack").Width() % 2, 0);
    EXPECT_EQ(skin.Image("Buttons", "Bitmap").Width() % 5, 0);
    for (const std::string key : {"CheckButton", "RadioButton"}) {
        const auto glyph = skin.Image("Buttons", key);
        int frames = skin.Integer("Buttons", key + "Frame", 0);
        if (frames == 0) frames = std::max(glyph.Width() / (glyph.Height() < 16 ? 13 : 16), 4);
        EXPECT_EQ(glyph.Width() % frames, 0) << key;
        EXPECT_EQ(glyph.Width() / frames, glyph.Height()) << key << " frames are square";
    }
    EXPECT_NO_THROW(skin.Image("Tabs", "Border"));
    EXPECT_NO_THROW(skin.Image("UpDown.Horz", "GlyphImage"));
    EXPECT_NO_THROW(skin.Image("UpDown.Vert", "GlyphImage"));
}

TEST_P(GeneratedSkin, WindowCornersAreCutAwayAndBordersMeet) {
    const auto top = skin.Image("Personality", "Top");
    const int titleHeight = top.Height() / skin.Integer("Personality", "TopFrame", 1);
    for (const std::string side : {"Left", "Right"}) {
        SCOPED_TRACE(side);
        const auto image = skin.Image("Personality", side);
        const int frames = skin.Integer("Personality", side + "Frame", 1);
        const int width = image.Width() / frames;
        EXPECT_EQ(skin.Integer("Personality", side + "Trans", 1), 1);
        EXPECT_GE(skin.Integer("Personality", side + "TopHeight", 0), titleHeight)
            << "the side's top end carries the title's end and must not stretch";
        for (int frame = 0; frame < frames; ++frame) {
            const int outer = side == "Left" ? frame * width : frame * width + width - 1;
            EXPECT_TRUE(IsMagenta(image, outer, 0));
            EXPECT_TRUE(IsMagenta(image, outer, image.Height() - 1));
            EXPECT_FALSE(IsMagenta(image, frame * width + width / 2, image.Height() / 2));
        }
    }
    // The title runs on from the side borders: the first title column continues the
    // last column of the left border's top end, row by row (below the rounded or cut
    // corner, above the accents a skin may draw along the title's lower edge).
    const auto left = skin.Image("Personality", "Left");
    const int leftWidth = left.Width() / skin.Integer("Personality", "LeftFrame", 1);
    for (int y = titleHeight / 3; y < titleHeight - 4; ++y)
        EXPECT_EQ(left.Pixel(leftWidth - 1, y) & 0xFFFFFF, top.Pixel(0, y) & 0xFFFFFF) << "row " << y;
}

TEST_P(GeneratedSkin, CaptionButtonsSurviveTheEnginesFilter) {
    TStringList sections;
    skin.ini.ReadSections(&sections);
    std::set<int> actions;
    for (int i = 0; i < sections.Count(); ++i) {
        const std::string name = sections[i];
        const std::string upper = UpperCase(name);
        if (!upper.starts_with("BUTTON") || upper == "BUTTONS") continue;
        const int action = skin.Integer(name, "Action", 0);
        if (action == -1 && skin.Integer(name, "Visibility", -1) != 0) continue;
        actions.insert(action);
        if (action == 1 && skin.Integer(name, "Visibility", 0) == 2) {
            EXPECT_GT(skin.Integer(name, "Xcoord", 0), 0) << "help takes its place from maximise";
        }
    }
    // Close, maximise or restore, minimise, context help and the icon.
    for (const int action : {0, 1, 2, 4}) EXPECT_TRUE(actions.count(action)) << "action " << action;
    EXPECT_TRUE(actions.count(3) || actions.count(11)) << "an icon button";
}

std::vector<std::tuple<std::string, Source>> Cases() {
    std::vector<std::tuple<std::string, Source>> cases;
    for (const auto& name : kSkinNames) {
        cases.emplace_back(name, Source::Folder);
#ifdef PELMAR_SKINS_PACKED
        cases.emplace_back(name, Source::Packed);
#endif
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Skins, GeneratedSkin, ::testing::ValuesIn(Cases()), [](const auto& info) {
    return std::get<0>(info.param) + (std::get<1>(info.param) == Source::Folder ? "Folder" : "Packed");
});

TEST(GeneratedSkins, SecondSkinDiffersWhereTheEngineMustAdapt) {
    const Skin first = DrawnFolder("default");
    const Skin second = DrawnFolder("graphite");
    const auto widthOf = [](const Skin& s) {
        return s.Image("Personality", "Left").Width() / s.Integer("Personality", "LeftFrame", 1);
    };
    const auto glyphRatio = [](const Skin& s) {
        const auto glyph = s.Image("Buttons", "CheckButton");
        return glyph.Width() / glyph.Height();
    };
    EXPECT_NE(widthOf(first), widthOf(second));
    for (const auto& [section, key] : std::vector<std::pair<std::string, std::string>>{
             {"Personality", "LeftFrame"}, {"Personality", "LeftStretch"}, {"Personality", "TextAlignment"},
             {"Tabs", "Style"}, {"Progress", "Style"}}) {
        EXPECT_NE(first.Integer(section, key, -99), second.Integer(section, key, -99)) << section << " " << key;
    }
    EXPECT_NE(glyphRatio(first), glyphRatio(second));
    // One skin states its caption buttons' frame count, the other leaves it to the engine.
    EXPECT_NE(first.Value("ButtonClose", "Frame").empty(), second.Value("ButtonClose", "Frame").empty());
}

}  // namespace
