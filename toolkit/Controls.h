#pragma once
// Controls over Win32 windows.
//
//   TMessage         one window message on its way: Msg, WParam, LParam, Result.
//   CM_* / CN_BASE   the toolkit's own notification numbers (fixed: the skin engine uses them).
//   TControl         parent, bounds, Align/Anchors, Visible, Enabled, Caption/Text, Color,
//                    Hint/ShowHint, Cursor, BiDiMode, mouse events, Perform, Invalidate, and
//                    the replaceable message hook WindowProc.
//   TWinControl      a real window, created on demand (Handle()) and re-creatable
//                    (CM_RECREATEWND); children in order; tab order and focus; Align layout.
//   TCustomControl   a windowed control that paints itself (Paint).
//   TGraphicControl  no window: painted by its parent, which routes mouse messages to it.
//
// A message's way: the one window procedure of all toolkit windows finds the control
// (FindControl: the window property named by the control atom), then calls
// control->WindowProc(msg) inside a guard (no C++ exception leaves a window procedure: it
// goes to ApplicationHandleException()). WindowProc starts as a call of the virtual WndProc;
// WndProc handles what the class handles and passes the rest to its base, ending in
// DefaultHandler: the superclassed system class's own procedure, or DefWindowProc.
//
// Hooking a control's messages (the skin engine does this):
//     TWndMethod previous = control->WindowProc;
//     control->WindowProc = [previous](TMessage& m) { ...; previous(m); };
//     ...
//     control->WindowProc = previous;   // hooks come off in reverse order
//
// Notifications that Win32 sends to a parent (WM_COMMAND, WM_NOTIFY, WM_CTLCOLOR…,
// WM_DRAWITEM, WM_MEASUREITEM, and WM_HSCROLL / WM_VSCROLL from a scrolling control) reach
// the child control as CN_BASE + message.
//
// Window classes: each windowed control's window class is named after its toolkit class
// (TButton, TPanel, TMainForm, …). A class that builds on a system control sets
// TCreateParams::SysClassName ("BUTTON"); its window class is then a superclass of it, and
// the system class's procedure does the default handling.

#include <functional>
#include <string>
#include <vector>

#include "platform/Win.h"
#include "toolkit/Classes.h"
#include "toolkit/Graphics.h"
#include "toolkit/TypInfo.h"

struct TMessage {
    UINT Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
};

using TWndMethod = std::function<void(TMessage&)>;

constexpr UINT CM_BASE = 0xB000;
constexpr UINT CM_ACTIVATE = CM_BASE + 0x00;
constexpr UINT CM_DEACTIVATE = CM_BASE + 0x01;
constexpr UINT CM_DIALOGKEY = CM_BASE + 0x05;
constexpr UINT CM_DIALOGCHAR = CM_BASE + 0x06;
constexpr UINT CM_FOCUSCHANGED = CM_BASE + 0x07;
constexpr UINT CM_PARENTFONTCHANGED = CM_BASE + 0x08;
constexpr UINT CM_PARENTCOLORCHANGED = CM_BASE + 0x09;
constexpr UINT CM_VISIBLECHANGED = CM_BASE + 0x0B;
constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 0x0C;
constexpr UINT CM_COLORCHANGED = CM_BASE + 0x0D;
constexpr UINT CM_FONTCHANGED = CM_BASE + 0x0E;
constexpr UINT CM_CURSORCHANGED = CM_BASE + 0x0F;
constexpr UINT CM_TEXTCHANGED = CM_BASE + 0x12;
constexpr UINT CM_MOUSEENTER = CM_BASE + 0x13;
constexpr UINT CM_MOUSELEAVE = CM_BASE + 0x14;
constexpr UINT CM_MENUCHANGED = CM_BASE + 0x15;
constexpr UINT CM_ENTER = CM_BASE + 0x1A;
constexpr UINT CM_EXIT = CM_BASE + 0x1B;
constexpr UINT CM_ICONCHANGED = CM_BASE + 0x1D;
constexpr UINT CM_WANTSPECIALKEY = CM_BASE + 0x1E;
constexpr UINT CM_RELEASE = CM_BASE + 0x21;
constexpr UINT CM_SHOWHINTCHANGED = CM_BASE + 0x22;
constexpr UINT CM_PARENTSHOWHINTCHANGED = CM_BASE + 0x23;
constexpr UINT CM_TABSTOPCHANGED = CM_BASE + 0x28;
constexpr UINT CM_CHILDKEY = CM_BASE + 0x2E;
constexpr UINT CM_HINTSHOW = CM_BASE + 0x30;
constexpr UINT CM_RECREATEWND = CM_BASE + 0x33;
constexpr UINT CM_PARENTBIDIMODECHANGED = CM_BASE + 0x3C;
constexpr UINT CN_BASE = 0xBC00;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = TSet<TAnchorKind>;
enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };
enum TMouseButton { mbLeft, mbRight, mbMiddle };
enum TShiftStateFlag { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateFlag>;
using TCursor = std::int16_t;
constexpr TCursor crDefault = 0, crArrow = -2, crIBeam = -4, crHourGlass = -11, crHSplit = -14, crVSplit = -15,
                  crHandPoint = -21;

template <>
const TEnumInfo& EnumInfo<TAlign>();
template <>
const TEnumInfo& EnumInfo<TAnchorKind>();
template <>
const TEnumInfo& EnumInfo<TBiDiMode>();

using TMouseEvent = TEvent<TObject*, TMouseButton, TShiftState, int, int>;
using TMouseMoveEvent = TEvent<TObject*, TShiftState, int, int>;
using TKeyEvent = TEvent<TObject*, WORD&, TShiftState>;
using TKeyPressEvent = TEvent<TObject*, char&>;

// The shift state of key and mouse messages.
TShiftState KeysToShiftState(WPARAM keys);
// The shift state of the keyboard now (key messages carry only Alt).
TShiftState KeyboardShiftState();

class TWinControl;

// ---------------------------------------------------------------------------------------

class TControl : public TComponent {
    TOOLKIT_CLASS(TControl, TComponent)

public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    // The message hook: every message of the control passes through it.
    TWndMethod WindowProc;
    // Sends a message through WindowProc and returns its Result.
    LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
    void SetTop(int v) { SetBounds(left_, v, width_, height_); }
    // Left and Top as form files keep them: from the parent's unscrolled origin, so that a
    // form written while a scroll box is scrolled reads back as it was designed.
    int StoredLeft() const;
    int StoredTop() const;
    void SetStoredLeft(int v);
    void SetStoredTop(int v);
    void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
    void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
    virtual void SetBounds(int left, int top, int width, int height);
    RECT BoundsRect() const { return RECT{left_, top_, left_ + width_, top_ + height_}; }
    virtual RECT ClientRect() const;
    int ClientWidth() const;
    int ClientHeight() const;
    virtual void SetClientSize(int width, int height);
    void SetClientWidth(int w) { SetClientSize(w, ClientHeight()); }
    void SetClientHeight(int h) { SetClientSize(ClientWidth(), h); }
    // Converts between this control's client coordinates and the screen's.
    POINT ClientToScreen(POINT p) const;
    POINT ScreenToClient(POINT p) const;

    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);
    TAnchors Anchors() const { return anchors_; }
    void SetAnchors(TAnchors anchors);

    bool Visible() const { return visible_; }
    virtual void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible, and so are all its parents.
    bool Showing() const;
    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool enabled);

    std::string Caption() const { return GetText(); }
    void SetCaption(const std::string& text) { SetText(text); }
    std::string Text() const { return GetText(); }
    void SetTextProp(const std::string& text) { SetText(text); }
    virtual std::string GetText() const;
    virtual void SetText(const std::string& text);

    TColor Color() const { return color_; }
    void SetColor(TColor color);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool on);
    // The control's font; changing it clears ParentFont.
    TFont* Font() const { return font_.get(); }
    void SetFont(const TFont& font) { font_->Assign(font); }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool on);

    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint) { hint_ = hint; }
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool on);
    bool ParentShowHint() const { return parentShowHint_; }
    void SetParentShowHint(bool on);

    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor);
    TBiDiMode BiDiMode() const { return bidiMode_; }
    void SetBiDiMode(TBiDiMode mode);
    bool UseRightToLeftReading() const { return bidiMode_ != bdLeftToRight; }
    bool UseRightToLeftAlignment() const { return bidiMode_ == bdRightToLeft; }
    bool UseRightToLeftScrollBar() const { return bidiMode_ == bdRightToLeft || bidiMode_ == bdRightToLeftNoAlign; }
    // The extended window styles of the mode: right-to-left reading, right alignment, and the
    // scroll bar on the left.
    DWORD BiDiExStyle() const;

    // Repaints the control's area soon / now.
    virtual void Invalidate();
    void Repaint();
    void Update();
    void BringToFront();

    // Whether the point (client coordinates of the parent) is on this control.
    bool HitTest(POINT inParent) const;

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* parent) override;

    // Used by the parent's Align layout.
    void UpdateAnchorRules();

protected:
    virtual void WndProc(TMessage& message);
    // The end of every message's way.
    virtual void DefaultHandler(TMessage& message);
    virtual void Click();
    virtual void DblClick();
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    // Called after bounds change (also from the window's own moves and sizes).
    virtual void Resize() {}
    virtual void BiDiModeChanged();
    void SetBoundsFields(int left, int top, int width, int height);
    void Loaded() override;
    void BeforeDestruction() override;

    bool IsColorStored() const { return !parentColor_; }
    bool IsFontStored() const { return !parentFont_; }
    bool IsShowHintStored() const { return !parentShowHint_; }

    bool mouseInControl_ = false;
    // Whether a left click on the control raises Click (controls whose system class reports
    // clicks itself, like buttons, turn it off and click on their notification).
    bool clickOnMouseUp_ = true;

private:
    friend class TWinControl;
    void HandleMouse(TMessage& message);
    void FontChanged();
    void ApplyAnchorRules(int parentWidth, int parentHeight);

    TWinControl* parent_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    TAlign align_ = alNone;
    TAnchors anchors_{akLeft, akTop};
    // Distances kept by anchors: right and bottom gaps at the last explicit placement.
    int anchorRight_ = 0, anchorBottom_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    std::string text_;
    TColor color_ = clWindow;
    bool parentColor_ = false;
    std::unique_ptr<TFont> font_;
    bool parentFont_ = true;
    bool fontFromParent_ = false;  // the font is being copied from the parent
    std::string hint_;
    bool showHint_ = false;
    bool parentShowHint_ = true;
    TCursor cursor_ = crDefault;
    TBiDiMode bidiMode_ = bdLeftToRight;
    bool clicked_ = false;
};

// ---------------------------------------------------------------------------------------

struct TCreateParams {
    std::string Caption;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    int X = 0, Y = 0, Width = 0, Height = 0;
    HWND WndParent = nullptr;
    std::string WinClassName;  // the toolkit class name by default
    std::string SysClassName;  // a system class to superclass, or empty
    UINT ClassStyle = CS_DBLCLKS;
};

class TWinControl : public TControl {
    TOOLKIT_CLASS(TWinControl, TControl)

public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    // The window, created (with its parents') on first use.
    HWND Handle();
    bool HandleAllocated() const { return handle_ != nullptr; }
    void HandleNeeded() { Handle(); }
    // How far the control has scrolled its children from where they were designed.
    virtual POINT ChildScroll() const { return {0, 0}; }
    // Destroys and creates the window again, keeping the control's state.
    void RecreateWnd();
    // A window of another toolkit (or none) to parent a top-level control to.
    HWND ParentWindow() const { return parentWindow_; }
    void SetParentWindow(HWND window) { parentWindow_ = window; }

    int ControlCount() const { return static_cast<int>(controls_.size()); }
    TControl* Controls(int index) const { return controls_.at(static_cast<size_t>(index)); }
    bool ContainsControl(const TControl* control) const;
    // The child (windowed or not) at a point of the client area, or null.
    TControl* ControlAtPos(POINT p, bool allowDisabled) const;

    int TabOrder() const;
    void SetTabOrder(int order);
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool on);
    // Windowed children in tab order, recursively (the order Tab walks).
    std::vector<TWinControl*> TabOrderList() const;
    TWinControl* FindNextControl(TWinControl* current, bool forward, bool checkTabStop) const;
    bool CanFocus() const;
    bool Focused() const;
    virtual void SetFocus();

    bool DoubleBuffered() const { return doubleBuffered_; }
    void SetDoubleBuffered(bool on);
    bool ParentBackground() const { return parentBackground_; }
    void SetParentBackground(bool on);

    // Lays out the aligned and anchored children in the client area.
    void Realign();

    void SetBounds(int left, int top, int width, int height) override;
    RECT ClientRect() const override;
    void SetVisible(bool visible) override;
    void SetEnabled(bool enabled) override;
    std::string GetText() const override;
    void SetText(const std::string& text) override;
    void Invalidate() override;

    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TNotifyEvent OnResize;

    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const override;

protected:
    virtual void CreateParams(TCreateParams& params);
    virtual void CreateWnd();
    virtual void DestroyWnd();
    // After the window exists: children's windows, font, and so on.
    virtual void CreateHandleExtras() {}
    void WndProc(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;
    // Paints what the control draws itself (own window classes) into `dc`.
    virtual void PaintWindow(HDC dc);
    // Paints the graphic (windowless) children that intersect `dc`'s clip area.
    void PaintControls(HDC dc);
    virtual void KeyDown(WORD& key, TShiftState shift);
    virtual void KeyUp(WORD& key, TShiftState shift);
    virtual void KeyPress(char& key);
    // Whether this control, as the top of a window, sees its controls' keys first (a form's
    // KeyPreview).
    virtual bool PreviewsKeys() const { return false; }
    // Where Align layout places children (the client area by default).
    virtual void AdjustClientRect(RECT& rect) const;
    void Resize() override;
    void BiDiModeChanged() override;
    void Loaded() override;
    void BeforeDestruction() override;

private:
    friend class TControl;
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    void CreateHandle();
    void DestroyHandle();
    void AlignControls();
    void PlaceAligned(TAlign align, RECT& rect);
    bool ReflectNotification(TMessage& message);
    void PaintDoubleBuffered(TMessage& message);
    void PaintHandler(TMessage& message);
    void EraseBackground(TMessage& message);
    bool HandleKey(TMessage& message);
    bool KeySwallowed(TMessage& message);
    void RouteMouse(TMessage& message);
    void UpdateBoundsFromWindow();
    void FreeChildControls();
    HBRUSH BackgroundBrush();
    static LRESULT CALLBACK InitWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

    HWND handle_ = nullptr;
    HWND parentWindow_ = nullptr;
    WNDPROC defWndProc_ = nullptr;
    std::vector<TControl*> controls_;
    std::vector<TWinControl*> tabList_;
    bool tabStop_ = false;
    bool doubleBuffered_ = false;
    bool parentBackground_ = false;
    int aligning_ = 0;
    TControl* mouseCapture_ = nullptr;  // the windowless child that has the mouse
    HBRUSH brush_ = nullptr;
    TColor brushColor_ = clNone;
};

// A windowed control that paints itself.
class TCustomControl : public TWinControl {
    TOOLKIT_CLASS(TCustomControl, TWinControl)

public:
    explicit TCustomControl(TComponent* owner);
    ~TCustomControl() override;
    TCanvas* Canvas() const { return canvas_.get(); }

protected:
    // Paints the control on Canvas, which is clipped to what needs painting.
    virtual void Paint() {}
    void PaintWindow(HDC dc) override;

private:
    std::unique_ptr<TCanvas> canvas_;
};

// A control without a window, painted by its parent.
class TGraphicControl : public TControl {
    TOOLKIT_CLASS(TGraphicControl, TControl)

public:
    explicit TGraphicControl(TComponent* owner);
    ~TGraphicControl() override;
    TCanvas* Canvas() const { return canvas_.get(); }

protected:
    // WM_PAINT with a device context in wParam paints the control on it (its parent sends
    // it, with the origin at the control's top-left corner).
    void WndProc(TMessage& message) override;
    // Paints the control on Canvas, whose origin is the control's top-left corner.
    virtual void Paint() {}

private:
    void PaintOn(HDC dc);
    std::unique_ptr<TCanvas> canvas_;
};

// ---------------------------------------------------------------------------------------
// Windows and controls.

// The name of the window property that holds a window's control: "ControlOfs%.8X%.8X"
// (module instance, thread id), and its global atom.
const std::string& ControlAtomString();
ATOM ControlAtom();
// The control of a window of this program, or null.
TWinControl* FindControl(HWND window);
// The control (windowed or not) at a screen point, or null.
TControl* FindDragTarget(POINT screenPoint, bool allowDisabled);

// Where errors raised in message handling go: a message box until Forms installs
// Application->HandleException.
std::function<void(const std::exception&)>& ApplicationHandleException();
// Runs `action` inside that guard: an error it raises goes where a message handler's would.
void GuardHandler(const std::function<void()>& action);
