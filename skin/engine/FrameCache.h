#pragma once
// TFrameCache: the last composition of a skinned frame, kept as four strips (Win32).
//
// Windows repaint their frames far more often than the frames change: every expose, every
// activation round trip, every move of another window over them. Composing a frame means
// nine-slicing four border bitmaps and drawing the caption text; showing a composed one is
// four copies of thin strips. The cache says whether the frame would look the same as the
// composition it holds, so the skinner composes only when something visible has changed.

#include <string>
#include <vector>

#include "platform/Win.h"
#include "skin/engine/FrameRules.h"
#include "toolkit/Graphics.h"

// Everything a frame's pixels depend on besides the skin itself (a new skin forgets the
// cache). The sides depend on the first four fields only.
struct TFrameLook {
    int width = 0;
    int height = 0;
    bool active = false;
    TShowState show = ssNormal;
    bool rightToLeft = false;
    std::wstring caption;
    std::vector<int> buttonFrames;  // the frame each caption button shows, -1 when hidden

    bool SameSides(const TFrameLook& other) const {
        return width == other.width && height == other.height && active == other.active && show == other.show;
    }
    bool operator==(const TFrameLook& other) const = default;
};

enum TFrameStrip { fsTitle = 0, fsLeft = 1, fsRight = 2, fsBottom = 3 };

class TFrameCache {
public:
    TFrameCache();

    bool HoldsSides(const TFrameLook& look) const { return sidesValid_ && sides_.SameSides(look); }
    bool HoldsTitle(const TFrameLook& look) const { return titleValid_ && title_ == look; }
    void RememberSides(const TFrameLook& look);
    void RememberTitle(const TFrameLook& look);
    void Forget() { sidesValid_ = titleValid_ = false; }

    // The strip's bitmap at the given size, for composing into.
    HDC Strip(TFrameStrip strip, int width, int height);
    // Copies the strips onto the window's frame; the sides only when withSides.
    void Show(HDC dc, const RECT& borders, int width, int height, bool withSides);

private:
    void Copy(HDC dc, TFrameStrip strip, const RECT& target, int sourceTop);

    TBitmap strips_[4];
    TFrameLook sides_;
    TFrameLook title_;
    bool sidesValid_ = false;
    bool titleValid_ = false;
};
