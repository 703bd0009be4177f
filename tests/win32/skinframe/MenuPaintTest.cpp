// One drop-down item painted into a memory bitmap, compared with the colours of the skin's
// own MenuItem frames, MenuBackground and menu colours.
#include "MenuFixture.h"
#include "skin/engine/MenuItemPaint.h"

using namespace menutest;

namespace {

constexpr int kWidth = 140, kHeight = 20, kSeparatorHeight = 8;

struct Painted {
    explicit Painted(bool withItem) : form(MenuSkin(withItem)) {}
    std::unique_ptr<TBitmap> Paint(const TMenuItemLook& look, bool selected, int height = kHeight,
                                   const TMenuItemBackdrop& backdrop = {}, bool rightToLeft = false) {
        auto bitmap = std::make_unique<TBitmap>();
        skintest::FillBitmap(*bitmap, kWidth, height, [](int, int) { return TColor(0); });
        PaintMenuItem(bitmap->Canvas()->Handle(), RECT{0, 0, kWidth, height}, look, selected, form.Skin(), backdrop,
                      rightToLeft);
        return bitmap;
    }
    frametest::SkinnedForm form;
};

TMenuItemLook Item(const wchar_t* caption, const wchar_t* shortCut = L"") {
    TMenuItemLook look;
    look.caption = caption;
    look.shortCut = shortCut;
    return look;
}

TColor Sys(int index) { return static_cast<TColor>(GetSysColor(index)); }

}  // namespace

TEST(MenuPaint, BackgroundsComeFromTheItemFramesOrTheSkinsColours) {
    struct Case {
        const char* name;
        bool withItem;
        const wchar_t* caption;
        bool selected;
        int height;
        POINT probe;
        TColor expected;
    };
    const int right = kWidth - 12;
    const Case cases[] = {
        {"normal: frame 1's outline", true, L"Open", false, kHeight, {right, 0}, kItemNormal},
        {"normal: the menu colour through frame 1's magenta", true, L"Open", false, kHeight, {right, 10}, kMenu},
        {"selected: frame 4", true, L"Open", true, kHeight, {right, 10}, kItemSelected},
        {"separator: frame 2's line", true, L"-", false, kSeparatorHeight, {kWidth / 2, 6}, kItemSeparator},
        {"separator: the menu colour through its magenta", true, L"-", false, kSeparatorHeight, {kWidth / 2, 1}, kMenu},
        {"plain normal: the menu colour", false, L"Open", false, kHeight, {right, 10}, kMenu},
        {"plain selected: the highlight colour", false, L"Open", true, kHeight, {right, 10}, kHilight},
        {"plain separator: an etched line", false, L"-", false, kSeparatorHeight, {kWidth / 2, 4}, Sys(COLOR_BTNSHADOW)},
        {"plain separator: its light half", false, L"-", false, kSeparatorHeight, {kWidth / 2, 5},
         Sys(COLOR_BTNHIGHLIGHT)},
    };
    for (bool withItem : {true, false}) {
        Painted painter(withItem);
        for (const Case& c : cases) {
            if (c.withItem != withItem) continue;
            const auto bitmap = painter.Paint(Item(c.caption), c.selected, c.height);
            EXPECT_EQ(skintest::PixelOf(*bitmap, c.probe.x, c.probe.y), c.expected) << c.name;
        }
    }
}

TEST(MenuPaint, ThePopupsBackgroundShowsUnderTheItemAtItsPlace) {
    Painted painter(true);
    TBitmap background;
    skintest::FillBitmap(background, 200, 100, [](int x, int y) { return static_cast<TColor>(x + 256 * y); });
    const auto bitmap = painter.Paint(Item(L"Open"), false, kHeight, TMenuItemBackdrop{&background, POINT{3, 40}});
    EXPECT_EQ(skintest::PixelOf(*bitmap, kWidth - 12, 10), static_cast<TColor>(3 + kWidth - 12 + 256 * 50));
}

TEST(MenuPaint, CaptionShortcutAndStatesInTheSkinsTextColours) {
    Painted painter(false);
    const RECT caption{20, 0, 70, kHeight}, shortCutEnd{kWidth - 40, 0, kWidth - 11, kHeight},
        pastShortCut{kWidth - 10, 0, kWidth, kHeight}, glyph{1, 1, 17, 17};
    auto count = [&](const TMenuItemLook& look, bool selected, const RECT& region, TColor colour,
                     bool rightToLeft = false) {
        return CountColour(*painter.Paint(look, selected, kHeight, {}, rightToLeft), region, colour);
    };
    const TMenuItemLook open = Item(L"Open", L"F9");
    EXPECT_GT(count(open, false, caption, kMenuText), 0);
    EXPECT_GT(count(open, false, shortCutEnd, kMenuText), 0) << "the shortcut ends 11 pixels before the right";
    EXPECT_EQ(count(open, false, pastShortCut, kMenuText), 0);
    EXPECT_GT(count(open, true, caption, kHilightText), 0);
    EXPECT_EQ(count(open, true, caption, kMenuText), 0);

    TMenuItemLook disabled = open;
    disabled.enabled = false;
    EXPECT_GT(count(disabled, false, caption, kShadow), 0);
    EXPECT_EQ(count(disabled, false, caption, kMenuText), 0);

    TMenuItemLook checked = open;
    checked.checked = true;
    EXPECT_GT(count(checked, false, glyph, Sys(COLOR_BTNTEXT)), 0) << "the check mark";
    EXPECT_EQ(count(open, false, glyph, Sys(COLOR_BTNTEXT)), 0);

    TMenuItemLook bold = open;
    bold.isDefault = true;
    EXPECT_GT(count(bold, false, caption, kMenuText), count(open, false, caption, kMenuText));

    // Mirrored: the caption at the right, the shortcut from 11 pixels after the left.
    const RECT mirroredCaption{kWidth - 70, 0, kWidth - 20, kHeight}, mirroredShortCut{11, 0, 40, kHeight};
    EXPECT_GT(count(open, false, mirroredCaption, kMenuText, true), 0);
    EXPECT_GT(count(open, false, mirroredShortCut, kMenuText, true), 0);
    EXPECT_EQ(count(open, false, RECT{30, 0, 70, kHeight}, kMenuText, true), 0);
}
