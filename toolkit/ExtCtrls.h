#pragma once
// Panels, splitters and timers (Win32).
//
//   TCustomPanel  a painted box: outer and inner bevels with a border between, a caption;
//                 aligned children sit inside the bevels.
//   TSplitter     a windowless bar between an aligned control and the rest; dragging it
//                 resizes that neighbour (live with rsUpdate, at the release otherwise),
//                 keeping MinSize on both sides.
//   TTimer        OnTimer every Interval ms while Enabled, dispatched by the message loop.
//   TRadioGroup   a group box of radio buttons, one per line of Items, in Columns columns;
//                 ItemIndex is the selected one (-1: none). The buttons are the group's own
//                 (not the form's) and real radio buttons, so they can be reached as children.
//   TBevel        a windowless line or frame, lowered or raised.
//   TImage        a windowless picture: at its natural size (AutoSize fits the control to
//                 it), centred, or stretched over the control (keeping its proportions with
//                 Proportional); Transparent leaves the bitmap's transparent colour unpainted.
//                 Form files keep the picture as "Picture.Data".

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/Controls.h"
#include "toolkit/StdCtrls.h"

enum TResizeStyle { rsNone, rsLine, rsUpdate, rsPattern };
enum TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
enum TBevelStyle { bsLowered, bsRaised };

template <>
const TEnumInfo& EnumInfo<TResizeStyle>();
template <>
const TEnumInfo& EnumInfo<TBevelShape>();
template <>
const TEnumInfo& EnumInfo<TBevelStyle>();

class TCustomPanel : public TCustomControl, public TBevels {
    TOOLKIT_CLASS(TCustomPanel, TCustomControl)

public:
    explicit TCustomPanel(TComponent* owner);

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int width);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle style);

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
    void AdjustClientRect(RECT& rect) const override;

private:
    void FrameChanged() override;

    TAlignment alignment_ = taCenter;
    int borderWidth_ = 0;
    TBorderStyle borderStyle_ = bsNone;
};

class TPanel : public TCustomPanel {
    TOOLKIT_CLASS(TPanel, TCustomPanel)

public:
    using TCustomPanel::TCustomPanel;
};

class TSplitter : public TGraphicControl {
    TOOLKIT_CLASS(TSplitter, TGraphicControl)

public:
    explicit TSplitter(TComponent* owner);

    bool Beveled() const { return beveled_; }
    void SetBeveled(bool on);
    int MinSize() const { return minSize_; }
    void SetMinSize(int size);
    TResizeStyle ResizeStyle() const { return resizeStyle_; }
    void SetResizeStyle(TResizeStyle style) { resizeStyle_ = style; }

    // The control the splitter resizes: the one aligned like it that it touches, or null.
    TControl* Neighbour() const;

    TNotifyEvent OnMoved;

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void Loaded() override;

private:
    void FollowAlignWithCursor();
    bool Vertical() const { return Align() == alLeft || Align() == alRight; }
    int PointerPos() const;
    int SizeOf(const TControl* control) const;
    // Room between the splitter's far edge and whatever the parent aligns on the other side.
    int RoomBeyond() const;
    void ResizeTo(int size);

    bool beveled_ = false;
    int minSize_ = 30;
    TResizeStyle resizeStyle_ = rsPattern;
    TControl* dragged_ = nullptr;
    int startPos_ = 0;
    int startSize_ = 0;
    int maxSize_ = 0;
    int pendingSize_ = -1;
};

class TTimer : public TComponent {
    TOOLKIT_CLASS(TTimer, TComponent)

public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on);
    int Interval() const { return interval_; }
    void SetInterval(int ms);

    TNotifyEvent OnTimer;

protected:
    void Loaded() override;

private:
    void UpdateTimer();
    static void CALLBACK TimerProc(HWND, UINT, UINT_PTR id, DWORD);

    bool enabled_ = true;
    int interval_ = 1000;
    UINT_PTR id_ = 0;
};

// ---------------------------------------------------------------------------------------

class TRadioGroup : public TCustomGroupBox {
    TOOLKIT_CLASS(TRadioGroup, TCustomGroupBox)

public:
    explicit TRadioGroup(TComponent* owner);
    ~TRadioGroup() override;

    TStrings* Items() const { return items_.get(); }
    int ItemIndex() const { return itemIndex_; }
    // -1 selects none; raises EPropertyError past the items.
    void SetItemIndex(int index);
    int Columns() const { return columns_; }
    // Raises EPropertyError outside 1..16.
    void SetColumns(int columns);
    int ButtonCount() const { return static_cast<int>(buttons_.size()); }
    TRadioButton* Buttons(int index) const { return buttons_.at(static_cast<size_t>(index)); }

protected:
    void Resize() override;
    void Loaded() override;

private:
    // One button per item, captions from the items, then placed.
    void UpdateButtons();
    void ArrangeButtons();
    void ButtonClick(TObject* sender);

    std::unique_ptr<TStringList> items_;
    std::vector<TRadioButton*> buttons_;
    int itemIndex_ = -1;
    int columns_ = 1;
};

class TBevel : public TGraphicControl {
    TOOLKIT_CLASS(TBevel, TGraphicControl)

public:
    explicit TBevel(TComponent* owner);

    TBevelShape Shape() const { return shape_; }
    void SetShape(TBevelShape shape);
    TBevelStyle Style() const { return style_; }
    void SetStyle(TBevelStyle style);

protected:
    void Paint() override;

private:
    TBevelShape shape_ = bsBox;
    TBevelStyle style_ = bsLowered;
};

// A picture a control shows: a bitmap (empty until one is given).
class TPicture : public TPersistent {
    TOOLKIT_CLASS(TPicture, TPersistent)

public:
    explicit TPicture(std::function<void()> changed);
    TBitmap* Bitmap() const { return bitmap_.get(); }
    // Tells the picture's owner that the bitmap has changed.
    void Changed() { changed_(); }
    void Assign(const TPersistent& source) override;
    void LoadFromFile(const std::string& fileName);
    // The form file's form of the picture: its class name as a counted string, then the
    // bitmap's byte count and its bitmap file.
    void ReadData(TStream& stream);
    void WriteData(TStream& stream) const;

private:
    std::unique_ptr<TBitmap> bitmap_;
    std::function<void()> changed_;
};

class TImage : public TGraphicControl {
    TOOLKIT_CLASS(TImage, TGraphicControl)

public:
    explicit TImage(TComponent* owner);
    ~TImage() override;

    TPicture* Picture() const { return picture_.get(); }
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool on);
    bool Center() const { return center_; }
    void SetCenter(bool on);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool on);
    bool Proportional() const { return proportional_; }
    void SetProportional(bool on);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool on);
    // Where the picture is drawn, in the control's coordinates.
    TRect DestRect() const;
    void DefineProperties(TFiler& filer) override;

protected:
    void Paint() override;

private:
    void PictureChanged();

    std::unique_ptr<TPicture> picture_;
    bool autoSize_ = false;
    bool center_ = false;
    bool stretch_ = false;
    bool proportional_ = false;
    bool transparent_ = false;
};
