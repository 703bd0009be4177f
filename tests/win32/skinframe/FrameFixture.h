#pragma once
// What the frame-skinning tests share: a small skin built in the test whose every border
// frame has its own colour, a toolkit form skinned with it through the process's manager, and
// pixels of the painted frame read back.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "skin/WinSkinData.h"
#include "skin/engine/SkinManage.h"
#include "skin/engine/WinSkinForm.h"
#include "tests/support/Pump.h"
#include "tests/win32/skin/TestSkins.h"
#include "toolkit/Forms.h"

namespace frametest {

// Border colours: frame 1 (active) and frame 2 (inactive) of each part.
constexpr TColor kLeftActive = 0x0000C0, kLeftInactive = 0x000060;
constexpr TColor kRightActive = 0x00C000, kRightInactive = 0x006000;
constexpr TColor kTitleActive = 0xC00000, kTitleInactive = 0x600000;
constexpr TColor kBottomActive = 0xC0C000, kBottomInactive = 0x606000;
constexpr TColor kCorner = 0x00C0C0;  // the first and last `kCornerSize` rows of side borders
constexpr int kSide = 5, kTitle = 26, kBottom = 6, kCornerSize = 3;
constexpr TColor kMagenta = 0xFF00FF;

// Two frames of a border strip, side by side (left, right) or stacked (title, bottom).
std::vector<std::uint8_t> BorderStrip(bool stacked, int across, int along, TColor active, TColor inactive,
                                      int cornerSize = 0, TColor corner = kCorner);
// A caption button image: `frames` frames of 16 x 14, frame n filled with 0x10 * n in green.
std::vector<std::uint8_t> ButtonStrip(int frames);
TColor ButtonFrameColour(int frame);

// The definition and images of the test skin; `personality` adds keys to its Personality
// section, `sections` whole sections. With cutCorners the side borders' corners are magenta
// and marked transparent, so the window region leaves them out.
skintest::TTestSkin FrameSkin(const std::string& personality = "", const std::string& sections = "",
                              bool cutCorners = false);

// Reads the colour of a device context's pixel as a TColor.
TColor PixelAt(HDC dc, int x, int y);

// A toolkit form with a skin component, skinned through the manager.
class SkinnedForm {
public:
    explicit SkinnedForm(const skintest::TTestSkin& skin = FrameSkin(), TFormBorderStyle style = bsSizeable);
    ~SkinnedForm();
    TForm& Form() { return *form_; }
    TSkinData& Skin() { return *skin_; }
    HWND Handle() { return form_->Handle(); }
    TWinSkinForm* Skinner() const;
    // Switches skinning on (or off) and carries the request out at once.
    void SetSkinned(bool on);
    // The frame as PaintFrame draws it, in a memory bitmap of the window's size.
    std::unique_ptr<TBitmap> PaintedFrame();
    // What the screen shows of the window now.
    std::unique_ptr<TBitmap> OnScreen();

private:
    TForm* form_;
    TSkinData* skin_;
};

using pelmar::testing::Pump;

}  // namespace frametest
