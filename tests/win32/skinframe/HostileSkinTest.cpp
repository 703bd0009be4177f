// Skins with random and extreme definition values: loaded and their frames painted, rebuilt
// and region-cut on a live window, never crashing, reading outside a bitmap or hanging.
#include <random>

#include "FrameFixture.h"

using namespace frametest;

namespace {

std::string HostileDefinition(std::mt19937& random) {
    const int extremes[] = {0, -1, 1, 2, 7, 1000, -100000, 2147483647, -2147483647 - 1};
    auto pick = [&] {
        return random() % 3 == 0 ? std::to_string(extremes[random() % std::size(extremes)])
                                 : std::to_string(static_cast<int>(random() % 40) - 5);
    };
    std::string text = "[Personality]\n";
    for (const char* part : {"Left", "Right", "Top", "Bottom"}) {
        const std::string p = part;
        text += p + "=" + p + ".bmp\n";
        for (const char* key : {"Frame", "TopHeight", "BotHeight", "Stretch", "Trans"}) text += p + key + "=" + pick() + "\n";
    }
    for (const char* key : {"TextShift", "TextShiftVert", "TextRightClip", "TextAlignment", "TXTBackleft", "TXTBackRight"})
        text += std::string(key) + "=" + pick() + "\n";
    text += "TextBack=Left.bmp\n";
    if (random() % 2) text += "menuBar=Top.bmp\nTileMenu=" + pick() + "\nTileLeftMenu=" + pick() + "\n";
    const int buttons = static_cast<int>(random() % 4);
    for (int b = 0; b < buttons; ++b) {
        text += "[Button" + std::to_string(b) + "]\nButtonImage=Right.bmp\n";
        for (const char* key : {"Action", "Align", "Xcoord", "Ycoord", "Visibility", "Visibility1", "Frame"})
            text += std::string(key) + "=" + pick() + "\n";
    }
    return text;
}

std::vector<std::uint8_t> HostileImage(std::mt19937& random) {
    const int sizes[] = {1, 2, 3, 17, 64, 300};
    const int width = sizes[random() % std::size(sizes)], height = sizes[random() % std::size(sizes)];
    return skintest::Bmp(width, height, [&](int x, int y) { return (x + y) % 3 ? TColor(0xFF00FF) : TColor(x * 40 + y); });
}

}  // namespace

TEST(HostileSkin, FramesOfRandomAndExtremeSkinsArePaintedWithoutHarm) {
    SkinnedForm f;
    std::mt19937 random(20261209);
    for (int round = 0; round < 60; ++round) {
        skintest::TTestSkin skin;
        skin.definition = HostileDefinition(random);
        for (const char* name : {"Left.bmp", "Right.bmp", "Top.bmp", "Bottom.bmp"})
            if (random() % 6) skin.Image(name, HostileImage(random));  // sometimes missing
        ASSERT_TRUE(skintest::Load(f.Skin(), skin));
        f.Skin().ApplySkin();
        TWinSkinForm* skinner = f.Skinner();
        ASSERT_NE(skinner, nullptr);
        skinner->RebuildButtons();
        skinner->Repaint();
        SendMessageA(f.Handle(), WM_NCACTIVATE, round % 2, 0);
        const auto frame = f.PaintedFrame();
        EXPECT_GT(frame->Width(), 0) << skin.definition;
    }
}
