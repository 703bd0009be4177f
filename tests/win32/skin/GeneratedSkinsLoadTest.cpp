// Our own two skins, packed by the build, loaded into the skin component.
#include <gtest/gtest.h>

#include "skin/WinSkinData.h"
#include "tests/win32/skin/TestSkins.h"

#ifdef PELMAR_SKINS_PACKED

namespace {

class GeneratedSkinsLoadTest : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        data_.SetSkinFile(std::string(PELMAR_SKINS_DIR) + "/" + GetParam());
        ASSERT_FALSE(data_.Empty()) << GetParam();
    }
    const TDataSkinSysButton* ButtonWithAction(int action) const {
        for (const auto& button : data_.SysButtons())
            if (button->Action == action) return button.get();
        return nullptr;
    }
    TSkinData data_{nullptr};
};

TEST_P(GeneratedSkinsLoadTest, EveryElementIsPresentWithItsFrames) {
    for (int element = 0; element < kSkinElementCount; ++element) {
        const TDataSkinObject* record = data_.Element(static_cast<TSkinElement>(element));
        ASSERT_NE(record, nullptr) << element;
        EXPECT_FALSE(record->Image.Empty()) << record->Name;
        EXPECT_GT(record->FrameCount, 0) << record->Name;
        EXPECT_EQ(record->Image.Width() % record->FrameCount, 0) << record->Name;
    }
    for (int side = 0; side < 4; ++side) EXPECT_FALSE(data_.Border(side).Image.Empty());
    EXPECT_FALSE(data_.Title().Image.Empty());
    EXPECT_EQ(data_.ComboxArrow()->FrameCount, 4);
    EXPECT_EQ(data_.Element(seComboButton)->Style, 2);
}

TEST_P(GeneratedSkinsLoadTest, TitleBarAndMdiButtons) {
    const TDataSkinSysButton* close = ButtonWithAction(0);
    const TDataSkinSysButton* maximise = ButtonWithAction(1);
    ASSERT_NE(close, nullptr);
    ASSERT_NE(maximise, nullptr);
    EXPECT_GE(close->FrameCount, 3);
    EXPECT_EQ(close->Image.Width() % close->FrameCount, 0);
    // The help button stands where the maximise button stands on a window that is not
    // maximised, whatever its own section says.
    const TDataSkinSysButton* help = ButtonWithAction(4);
    ASSERT_NE(help, nullptr);
    const TDataSkinSysButton* recorded = nullptr;
    for (const auto& button : data_.SysButtons()) {
        if (button.get() == help) break;
        if (button->Action == 1 && button->Visibility == 2) recorded = button.get();
    }
    ASSERT_NE(recorded, nullptr);
    EXPECT_EQ(help->Xcoord, recorded->Xcoord);
    EXPECT_EQ(help->Ycoord, recorded->Ycoord);
    const auto& buttons = data_.SysButtons();
    ASSERT_GE(buttons.size(), 3u);
    for (int k = 0; k < 3; ++k) {
        const TDataSkinSysButton& mdi = *buttons[buttons.size() - 3 + k];
        EXPECT_EQ(mdi.Action, 7 + k);
        ASSERT_FALSE(mdi.Image.Empty());
        const int w = mdi.Image.Width() / 4;
        EXPECT_EQ(mdi.Xcoord, (w + 4) * (3 - k));
    }
}

INSTANTIATE_TEST_SUITE_P(OurSkins, GeneratedSkinsLoadTest, ::testing::Values("skin.skn", "graphite.skn"));

}  // namespace

#endif
