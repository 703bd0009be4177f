#pragma once
// TSkinControl: the base of every control skinner, the painter of one child control of a
// skinned window (Win32).
//
// A skinner sees each message of its control before the control does, in one of two ways:
//   - a toolkit control: a TWindowHook in front of the control's WindowProc; a windowless
//     one (a speed button) has no window of its own and sees only what the toolkit sends it;
//   - a foreign window (a child of a system dialog): its window procedure is replaced, with
//     the wide or the ANSI call as the window is a Unicode window or not.
// HandleMessage decides: message 13574 switches the skinner off (wParam 0) and on; while off
// the control handles everything itself. Otherwise BeforeMessage runs, and when it lets the
// message through the previous handler runs and then AfterMessage.
//
// Everything a skinner changes on its control it puts back: Detach restores the colour and
// "ParentBackground"; destroying the skinner takes its hook or window procedure off, in
// whatever order the skinners of a window go.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Win.h"
#include "toolkit/Controls.h"

class TSkinData;
class TWinSkinForm;
class TWindowHook;
class TDataSkinObject;
class TBitmap;
struct TForeignLink;

// 0 = created, 1 = attached, 6 = its window was destroyed (the skinner waits to be freed).
enum TSkinControlState { scCreated = 0, scAttached = 1, scDead = 6 };

class TSkinControl : public TComponent {
public:
    TSkinControl();
    ~TSkinControl() override;

    // Attaches in front of a toolkit control's WindowProc; recolour sets its colour to the
    // skin's ButtonFace (and switches "ParentBackground" off) until Detach. A windowless
    // control leaves Window() null.
    virtual void AttachControl(TWinSkinForm* frame, TSkinData& skin, TControl& control, bool recolour);
    // Attaches to a foreign window by subclassing it.
    virtual void AttachWindow(HWND window, TSkinData& skin, TWinSkinForm* frame);
    // Undoes the recolouring.
    virtual void Detach();
    // Paints the whole control into dc, or into the window's own DC when dc is null; a
    // windowless control only into the dc its parent hands it.
    virtual void PaintControl(HDC dc);
    // After a skin reload: the colour again, and a repaint.
    virtual void Refresh();

    // The entry of every message; previous is the control's own handling.
    void HandleMessage(TMessage& message, const TWndMethod& previous);

    HWND Window() const { return window_; }
    TControl* Control() const { return control_; }
    TSkinControlState State() const { return state_; }
    bool Dead() const { return state_ == scDead; }
    bool SkinEnabled() const { return enabled_; }
    int Mode() const { return mode_; }
    void SetMode(int mode) { mode_ = mode; }
    bool Recolours() const { return recolour_; }
    // Whether this skinner or one it made for a child paints window.
    bool Holds(HWND window) const;

    // The frame of a button-like element in the order the skins keep: `resting` (1, or the
    // focused frame) unless pressed (2) or hot (4); 3 when not available.
    static int StateFrame(int resting, bool pressed, bool hot, bool available);

protected:
    // True lets the previous handler (and then AfterMessage) run.
    virtual bool BeforeMessage(TMessage& message);
    virtual void AfterMessage(TMessage& message);
    // Draws the whole control into dc; rect is the control at the origin.
    virtual void DrawControl(HDC dc, const RECT& rect);
    // The caption colour on frame `frame` of the button element: the element's colour for the
    // state where it has one, else the control's own font colour or the skin's ButtonText.
    TColor ButtonTextColour(int frame) const;
    // Called once attached, whichever way: skinners that look at children do it here.
    virtual void Attached() {}
    // After message 13574: skinners that keep windows of their own show or hide them.
    virtual void SkinSwitched() {}

    // Takes over the control's painting: WM_PAINT and WM_PRINTCLIENT paint the skinned image
    // (with the toolkit's windowless children on top when asked), WM_ERASEBKGND is answered
    // 1; true when the message was one of them.
    bool PaintsItself(TMessage& message, bool graphicChildren = false);
    // The previous handler of the message now being handled.
    void CallPrevious(TMessage& message);
    // Gives everything back to a control that lets the skinner go before it is destroyed
    // (a windowless control has no WM_NCDESTROY to tell): its hook first, so that its own
    // handling takes every later message; the skinner is then dead.
    void GiveBack();
    // The same with the window's drawing held back, then a repaint: system buttons draw a
    // new state at once from inside their handling, and only the skinned image is to show.
    void CallPreviousQuietly(TMessage& message);
    void Invalidate();
    // Follows the pointer for the hot flag: on over `area` (client coordinates) at
    // WM_MOUSEMOVE, asking to hear when it leaves, off at WM_MOUSELEAVE; a change repaints.
    void TrackHot(const TMessage& message, const RECT& area);
    // Fills with the skin's ButtonFace colour.
    void FillFace(HDC dc, const RECT& rect) const;
    // Fills with the toolkit parent's colour; a foreign window's with ButtonFace.
    void FillParentFace(HDC dc, const RECT& rect) const;
    // The flat border the skin gives boxes of text: a 1-pixel frame in the skin's ButtonShadow
    // around rect, with `innerRings` frames of `inner` inside it.
    void DrawFlatBorder(HDC dc, const RECT& rect, int innerRings, TColor inner) const;
    // A focus rectangle around text laid out in rect: centred (align 1), right-aligned (2)
    // or at the left.
    void DrawFocus(HDC dc, const std::wstring& text, const RECT& rect, int align) const;
    // Draws text in the caption font and colour on a transparent background; with
    // DT_CALCRECT only measures it.
    int DrawCaptionText(HDC dc, const std::wstring& text, RECT& rect, UINT format, TColor colour) const;
    // Frame `frame` of `frames` side by side in glyph, at (x, y), the key colour left out.
    static void DrawGlyph(HDC dc, TBitmap& glyph, int frame, int frames, int x, int y,
                          COLORREF key = RGB(255, 0, 255));
    // The toolkit paints the control's windowless children (labels) into dc.
    void PaintGraphicChildren(HDC dc) const;
    // Draws frame `frame` of an element into rect.
    static void DrawElement(HDC dc, const RECT& rect, const TDataSkinObject& element, int frame);

    // Published properties of the toolkit control by name; nothing for a foreign window or a
    // property the control does not have.
    std::optional<std::string> Prop(std::string_view name) const;
    std::optional<std::int64_t> OrdProp(std::string_view name) const;
    bool PropIsTrue(std::string_view name) const;
    void SetProp(std::string_view name, std::string_view text);
    // The caption: the toolkit control's "Caption", else the window text.
    std::wstring Caption() const;
    // The font to draw the caption in: the toolkit control's, else the window's.
    HFONT CaptionFont() const;
    DWORD Style() const;
    bool RightToLeft() const;
    // Enabled: a window without WS_DISABLED, a windowless control by its own flag.
    bool Available() const;
    bool HasFocus() const { return window_ && GetFocus() == window_; }
    // Text drawing flags for the control's reading order.
    UINT ReadingFlags() const { return RightToLeft() ? DT_RTLREADING : 0; }
    // A skinner for a child window, owned by the frame skinner when there is one.
    void AdoptChild(std::unique_ptr<TSkinControl> child);
    TSkinData& Skin() const { return *skin_; }
    TWinSkinForm* FrameSkinner() const { return frame_; }

    void Notification(TComponent* component, TOperation operation) override;

    bool hot_ = false;
    bool pressed_ = false;
    // Skinners that only recolour leave the control's messages alone.
    bool hooksMessages_ = true;

private:
    void Register(TWinSkinForm* frame, TSkinData& skin);
    void Unhook();

    TControl* control_ = nullptr;
    HWND window_ = nullptr;
    TSkinData* skin_ = nullptr;
    TWinSkinForm* frame_ = nullptr;
    std::unique_ptr<TWindowHook> hook_;
    TForeignLink* link_ = nullptr;
    const TWndMethod* previous_ = nullptr;
    bool unicode_ = false;
    bool enabled_ = true;
    bool recolour_ = false;
    TColor savedColour_ = clNone;
    bool savedParentColour_ = false;
    bool parentBackground_ = false;
    int mode_ = 0;
    TSkinControlState state_ = scCreated;
    std::vector<std::unique_ptr<TSkinControl>> children_;
};

// Paints with an off-screen bitmap of the target's size, copied in one block when done.
class TOffscreen {
public:
    TOffscreen(HDC target, const RECT& rect);
    TOffscreen(const TOffscreen&) = delete;
    TOffscreen& operator=(const TOffscreen&) = delete;
    ~TOffscreen();
    HDC DC() const { return dc_; }

private:
    HDC target_;
    RECT rect_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
};
