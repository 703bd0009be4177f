#pragma once
// What the menu-skinning tests share: the frame test skin with a MenuItem element, a
// MenuBackground and menu colours of its own, and a form whose main menu has "File",
// "Options" and "Help" drop-downs.

#include <string>
#include <vector>

#include "FrameFixture.h"
#include "toolkit/Menus.h"

namespace menutest {

// Menu colours of the skin.
constexpr TColor kMenu = 0xDCD2C8, kMenuText = 0x1E140A, kHilight = 0x800000, kHilightText = 0xFAFAFA,
                 kShadow = 0x787878;
// MenuItem frames: 1 an outline round a magenta centre, 2 a separator (magenta top half),
// 4 solid; 24 x 20 each, margins of 2.
constexpr TColor kItemNormal = 0x28A028, kItemSeparator = 0x2828A0, kItemSelected = 0xA02828;
constexpr int kItemMargin = 2;
// MenuBackground: a 3-pixel border round a plain centre.
constexpr TColor kBackBorder = 0x5A005A, kBackCentre = 0xB4E6E6;

// withItem: the MenuItem element; withBackground: the MenuBackground element.
skintest::TTestSkin MenuSkin(bool withItem = true, bool withBackground = true);

// Gives the form a main menu of three drop-downs (File: "Open" F9, "-", "Close" Ctrl+F4;
// Options: "Settings"; Help: "About") and, when extra is not empty, a fourth top-level item
// of that caption without sub-items. Returns the menu.
TMainMenu* AddMainMenu(TForm& form, const std::string& extra = "");

// The number of pixels of that colour in the region of the bitmap.
int CountColour(const TBitmap& bitmap, const RECT& region, TColor colour);

}  // namespace menutest
