// The skins the build draws (skins/generate.py) read back through our own BMP reader:
// every image the definition names must load, split into the frames the engine will cut,
// and cut its window corners away; the second skin must differ from the default in the
// ways that keep the engine from being tuned to one skin.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "toolkit/BmpCodec.h"
#include "toolkit/Classes.h"

#ifndef PELMAR_SKINS_DIR
#error "PELMAR_SKINS_DIR names the folder the build draws the skins into (skins/CMakeLists.txt)"
#endif

namespace {

namespace fs = std::filesystem;
using pelmar::image::PixelBuffer;

constexpr std::uint32_t kMagenta = 0xFF00FF;

std::vector<std::uint8_t> ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot open " + path.string());
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Sections and keys in lower case, first occurrences winning, as the engine looks them up.
class Definition {
public:
    explicit Definition(const fs::path& file) {
        const auto bytes = ReadFile(file);
        std::string text(bytes.begin(), bytes.end());
        std::map<std::string, std::string>* section = nullptr;
        std::size_t start = 0;
        while (start < text.size()) {
            std::size_t end = text.find_first_of("\r\n", start);
            if (end == std::string::npos) end = text.size();
            const std::string line = Trim(text.substr(start, end - start));
            start = end + 1;
            if (line.empty() || line[0] == ';') continue;
            if (line.front() == '[' && line.back() == ']') {
                const std::string name = LowerCase(line.substr(1, line.size() - 2));
                section = sections_.count(name) ? nullptr : &sections_[name];
            } else if (section && line.find('=') != std::string::npos) {
                const auto eq = line.find('=');
                section->emplace(LowerCase(Trim(line.substr(0, eq))), Trim(line.substr(eq + 1)));
            }
        }
    }

    std::string Value(const std::string& section, const std::string& key) const {
        const auto s = sections_.find(LowerCase(section));
        if (s == sections_.end()) return "";
        const auto k = s->second.find(LowerCase(key));
        return k == s->second.end() ? "" : k->second;
    }

    int Integer(const std::string& section, const std::string& key, int fallback) const {
        const std::string text = Value(section, key);
        return text.empty() ? fallback : std::stoi(text, nullptr, 0);
    }

    std::set<std::string> ImageNames() const {
        std::set<std::string> names;
        for (const auto& [section, keys] : sections_)
            for (const auto& [key, value] : keys)
                if (value.size() > 4 && value.ends_with(".bmp")) names.insert(value);
        return names;
    }

private:
    std::map<std::string, std::map<std::string, std::string>> sections_;
};

struct SkinFolder {
    explicit SkinFolder(const std::string& name)
        : path(fs::path(PELMAR_SKINS_DIR) / name), definition(path / "skin.ini") {}

    PixelBuffer Image(const std::string& section, const std::string& key) const {
        const std::string name = definition.Value(section, key);
        if (name.empty()) throw std::runtime_error("[" + section + "] " + key + " names no image");
        const auto bytes = ReadFile(path / name);
        return pelmar::image::DecodeBmp(bytes);
    }

    fs::path path;
    Definition definition;
};

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

class GeneratedSkin : public ::testing::TestWithParam<std::string> {
protected:
    SkinFolder skin{GetParam()};
};

TEST_P(GeneratedSkin, EveryImageIsNamedAndLoadsThroughOurReader) {
    const auto named = skin.definition.ImageNames();
    ASSERT_FALSE(named.empty());
    for (const auto& name : named) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(fs::exists(skin.path / name));
        const auto info = pelmar::image::ReadBmpInfo(ReadFile(skin.path / name));
        EXPECT_EQ(info.sourceBitsPerPixel, 24);
        EXPECT_EQ(name, LowerCase(name)) << "the container lower-cases entry names";
    }
    // Whatever lies in the folder is packed: an image nothing names is a stale leftover.
    for (const auto& entry : fs::directory_iterator(skin.path)) {
        const std::string file = entry.path().filename().string();
        if (file != "skin.ini") {
            EXPECT_TRUE(named.count(file)) << file << " is not named by the definition";
        }
    }
}

TEST_P(GeneratedSkin, EveryElementHasAnImageThatSplitsIntoItsFrames) {
    const auto& d = skin.definition;
    for (const auto& [section, frames] : kFixedFrames) {
        SCOPED_TRACE(section);
        const auto image = skin.Image(section, "Image");
        EXPECT_EQ(image.Width() % frames, 0);
    }
    for (const auto& section : kReadFrames) {
        SCOPED_TRACE(section);
        const auto image = skin.Image(section, "Image");
        const int frames = section.find("Thumb") != std::string::npos
                               ? d.Integer(section, "FrameCount", 3)
                               : d.Integer(section, "Frame", section == "Headerbar" ? 5 : 0);
        ASSERT_GT(frames, 0);
        EXPECT_EQ(image.Width() % frames, 0);
    }
    const auto progress = skin.Image("Progress", "Bitmap");
    EXPECT_EQ(progress.Width() % (d.Integer("Progress", "Style", 0) == 0 ? 2 : 1), 0);
    EXPECT_EQ(skin.Image("MDICONTROLS", "Image").Width() % 12, 0);
    EXPECT_EQ(skin.Image("Personality", "menuBar").Height() % 2, 0);
    EXPECT_EQ(skin.Image("Personality", "TextBack").Width() % 2, 0);
    EXPECT_EQ(skin.Image("Buttons", "Bitmap").Width() % 5, 0);
    for (const std::string key : {"CheckButton", "RadioButton"}) {
        const auto glyph = skin.Image("Buttons", key);
        int frames = d.Integer("Buttons", key + "Frame", 0);
        if (frames == 0) frames = std::max(glyph.Width() / (glyph.Height() < 16 ? 13 : 16), 4);
        EXPECT_EQ(glyph.Width() % frames, 0) << key;
        EXPECT_EQ(glyph.Width() / frames, glyph.Height()) << key << " frames are square";
    }
    for (const std::string second : {"Border", "GlyphImage"}) {
        const std::string section = second == "Border" ? "Tabs" : "UpDown.Vert";
        EXPECT_NO_THROW(skin.Image(section, second));
    }
}

TEST_P(GeneratedSkin, WindowCornersAreCutAwayAndBordersMeet) {
    const auto& d = skin.definition;
    const auto top = skin.Image("Personality", "Top");
    const int titleHeight = top.Height() / d.Integer("Personality", "TopFrame", 1);
    for (const std::string side : {"Left", "Right"}) {
        SCOPED_TRACE(side);
        const auto image = skin.Image("Personality", side);
        const int frames = d.Integer("Personality", side + "Frame", 1);
        const int width = image.Width() / frames;
        EXPECT_EQ(d.Integer("Personality", side + "Trans", 1), 1);
        EXPECT_GE(d.Integer("Personality", side + "TopHeight", 0), titleHeight)
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
    const int leftWidth = left.Width() / d.Integer("Personality", "LeftFrame", 1);
    for (int y = titleHeight / 3; y < titleHeight - 4; ++y)
        EXPECT_EQ(left.Pixel(leftWidth - 1, y) & 0xFFFFFF, top.Pixel(0, y) & 0xFFFFFF) << "row " << y;
}

INSTANTIATE_TEST_SUITE_P(Skins, GeneratedSkin, ::testing::Values("default", "graphite"));

TEST(GeneratedSkins, SecondSkinDiffersWhereTheEngineMustAdapt) {
    const SkinFolder first("default");
    const SkinFolder second("graphite");
    const auto widthOf = [](const SkinFolder& s) {
        return s.Image("Personality", "Left").Width() / s.definition.Integer("Personality", "LeftFrame", 1);
    };
    EXPECT_NE(widthOf(first), widthOf(second));
    EXPECT_NE(first.definition.Integer("Personality", "LeftFrame", 1),
              second.definition.Integer("Personality", "LeftFrame", 1));
    EXPECT_NE(first.definition.Integer("Personality", "LeftStretch", 1),
              second.definition.Integer("Personality", "LeftStretch", 1));
    EXPECT_NE(first.definition.Integer("Tabs", "Style", 0), second.definition.Integer("Tabs", "Style", 0));
    EXPECT_NE(first.definition.Integer("Progress", "Style", 0), second.definition.Integer("Progress", "Style", 0));
    EXPECT_NE(first.Image("Buttons", "CheckButton").Width() / first.Image("Buttons", "CheckButton").Height(),
              second.Image("Buttons", "CheckButton").Width() / second.Image("Buttons", "CheckButton").Height());
    // One skin states its caption buttons' frame count, the other leaves it to the engine.
    EXPECT_NE(first.definition.Value("ButtonClose", "Frame").empty(),
              second.definition.Value("ButtonClose", "Frame").empty());
}

}  // namespace
