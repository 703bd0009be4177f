#include "MenuFixture.h"

namespace menutest {

namespace {

TColor ItemFramePixel(int x, int y) {
    const int frame = x / 24 + 1, fx = x % 24;
    switch (frame) {
        case 1:
            return fx == 0 || fx == 23 || y == 0 || y == 19 ? kItemNormal : frametest::kMagenta;
        case 2:
            return y < 10 ? frametest::kMagenta : kItemSeparator;
        default:
            return kItemSelected;
    }
}

TMenuItem* AddItem(TMenuItem& parent, const std::string& caption, TShortCut shortCut = 0) {
    auto* item = new TMenuItem(parent.GetParentMenu());
    item->SetCaption(caption);
    item->SetShortCut(shortCut);
    parent.Add(item);
    return item;
}

}  // namespace

skintest::TTestSkin MenuSkin(bool withItem, bool withBackground) {
    std::string sections;
    if (withItem)
        sections += "[MenuItem]\nImage=item.bmp\nLeftWidth=2\nRightWidth=2\nTopHeight=2\nBottomHeight=2\nTrans=1\nTile=0\n";
    if (withBackground)
        sections += "[MenuBackground]\nImage=back.bmp\nLeftWidth=3\nRightWidth=3\nTopHeight=3\nBottomHeight=3\n";
    skintest::TTestSkin skin = frametest::FrameSkin("", sections);
    const std::string colours = "[Colours]\n";
    skin.definition.insert(skin.definition.find(colours) + colours.size(),
                           "Menu=200,210,220\nMenuText=10,20,30\nHilight=0,0,128\nHilightText=250,250,250\n"
                           "ButtonShadow=120,120,120\n");
    skin.Image("item.bmp", skintest::Bmp(5 * 24, 20, ItemFramePixel))
        .Image("back.bmp", skintest::Bmp(16, 16, [](int x, int y) {
                   return x < 3 || y < 3 || x >= 13 || y >= 13 ? kBackBorder : kBackCentre;
               }));
    return skin;
}

TMainMenu* AddMainMenu(TForm& form, const std::string& extra) {
    auto* menu = new TMainMenu(&form);
    TMenuItem& root = *menu->Items();
    TMenuItem* file = AddItem(root, "File");
    AddItem(*file, "Open", TextToShortCut("F9"));
    AddItem(*file, "-");
    AddItem(*file, "Close", TextToShortCut("Ctrl+F4"));
    AddItem(*AddItem(root, "Options"), "Settings");
    AddItem(*AddItem(root, "Help"), "About");
    if (!extra.empty()) AddItem(root, extra);
    form.SetMenu(menu);
    return menu;
}

int CountColour(const TBitmap& bitmap, const RECT& region, TColor colour) {
    int count = 0;
    for (int y = region.top; y < region.bottom; ++y)
        for (int x = region.left; x < region.right; ++x) count += skintest::PixelOf(bitmap, x, y) == colour;
    return count;
}

}  // namespace menutest
