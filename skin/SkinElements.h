#pragma once
// The element records of a skin: an image with its margins, frame count and colours, as
// the definition parse fills them and the painters read them (Win32). Every record owns its
// bitmaps, created empty with the record.

#include <cstdint>
#include <string>

#include "toolkit/Graphics.h"

class TDataSkinObject {
public:
    TDataSkinObject() = default;
    explicit TDataSkinObject(std::string name) : Name(std::move(name)) {}
    TDataSkinObject(const TDataSkinObject&) = delete;
    TDataSkinObject& operator=(const TDataSkinObject&) = delete;
    virtual ~TDataSkinObject() = default;

    // The widths of the image's edges that the painters keep unstretched.
    std::int32_t LeftWidth = 0;
    std::int32_t TopHeight = 0;
    std::int32_t RightWidth = 0;
    std::int32_t BottomHeight = 0;
    TBitmap Image;  // FrameCount frames of equal width side by side
    std::int32_t Trans = 0;
    std::int32_t Tile = 0;
    std::string Name;
    std::int32_t FrameCount = 0;
    std::int32_t Style = 0;
    std::int32_t NormalColour = -1;
    std::int32_t MouseOverColour = -1;
    std::int32_t PressedColour = -1;
    TColor NormalColour2 = clBtnText;
    TColor MouseOverColour2 = clBtnText;
    TColor PressedColour2 = clBtnText;
};

class TDataSkinBorder : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    TBitmap Image2;
};

class TDataSkinTitle : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    std::int32_t TextAlignment = 0;
    std::int32_t Textbackground = 0;
    std::int32_t FontHeight = 14;
    std::int32_t TXTBackleft = 0;
    std::int32_t TXTBackRight = 0;
    TColor ActiveText = clNone;
    TColor InActiveText = clNone;
};

class TDataSkinButton : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    TBitmap CheckImage;
    TBitmap RadioImage;
    std::int32_t RadioButtonFrame = 0;
    std::int32_t CheckButtonFrame = 0;
    bool HasNormalColour2 = false;
    bool HasMouseOverColour2 = false;
    bool HasPressedColour2 = false;
};

class TDataSkinSysButton : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    std::int32_t Action = 0;
    std::int32_t Align = 0;
    std::int32_t Xcoord = 0;
    std::int32_t Ycoord = 0;
    std::int32_t CombineOp = -1;
    std::int32_t Visibility = 0;
    std::int32_t Visibility1 = 0;
};

class TDataSkinBoxLabel : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    std::int32_t BackgroundLeftShift = 0;
    std::int32_t BackgroundRightShift = 0;
    std::int32_t BackgroundAlignment = 0;
};

// The optional elements, in the order the parse reads them; each has a slot in the skin
// component that is null when the skin does not define it.
enum TSkinElement {
    seProgress,
    seProgressChunk,
    seMenuBar,  // section Personality, key menuBar
    seGroupBoxEdge,
    seGroupBox,
    seTabs,
    seStatusBarEdges,
    seTabPane,
    seToolBars,
    seComboButton,
    seSunkEdge,
    seExtraImages,
    seHeaderbar,
    seMenuItem,
    seMenuBackground,
    seScrollbar,
    seHorzScroll,
    seVertScroll,
    seHorzScrollThumb,
    seVertScrollThumb,
    seTrackbarThumbHorz,
    seTrackbarThumbVert,
    seTrackbarThumbLeft,
    seTrackbarThumbRight,
    seTrackbarThumbUp,
    seTrackbarThumbDown,
    seUpDownHorz,
    seUpDownVert,
    seTrack,
    seTrackVert,
};
constexpr int kSkinElementCount = seTrackVert + 1;
