#pragma once
// Panels, splitters and timers (Win32).
//
//   TCustomPanel  a painted box: outer and inner bevels with a border between, a caption;
//                 aligned children sit inside the bevels.
//   TSplitter     a windowless bar between an aligned control and the rest; dragging it
//                 resizes that neighbour (live with rsUpdate, at the release otherwise),
//                 keeping MinSize on both sides.
//   TTimer        OnTimer every Interval ms while Enabled, dispatched by the message loop.

#include <cstdint>

#include "toolkit/Controls.h"
#include "toolkit/StdCtrls.h"

enum TResizeStyle { rsNone, rsLine, rsUpdate, rsPattern };

template <>
const TEnumInfo& EnumInfo<TResizeStyle>();

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
