#pragma once
// TWinSkinForm: the frame skinner of one top-level window — a toolkit form, a system dialog
// or an MDI child (Win32).
//
// It subclasses the window, makes its non-client area as wide as the skin's border bitmaps,
// paints borders, title bar, caption text and caption buttons from the skin, hit-tests and
// animates the buttons, and shapes the window with a region where the skin's borders are
// magenta. Everything it changes on the
// window it puts back when it is unskinned (Unskin) or when the window goes (Release).

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Win.h"
#include "skin/engine/FrameCache.h"
#include "skin/engine/FrameRules.h"
#include "skin/engine/LabelColours.h"
#include "skin/engine/WindowSubclass.h"
#include "toolkit/Graphics.h"

class TSkinData;
class TCustomForm;
class TTimer;
class TWindowHook;
class TNCObject;
class TWinSysButton;
class TSkinSystemMenu;
class TWinSkinMenu;
class TSkinControl;
class TMDIClientSkin;
class TMenuItem;
struct TMessage;

enum TFrameKind { fkOrdinary = 0, fkMDIFrame = 1, fkMDIChild = 2 };

// The frame skinner's life: attached, running, refreshing, the window being destroyed,
// resizing during start, dead (freed by the manager's next purge).
enum TFrameState { fsAttached = 0, fsRunning = 1, fsRefreshing = 3, fsDestroying = 4, fsResizing = 5, fsDead = 6 };

class TWinSkinForm {
public:
    TWinSkinForm();
    TWinSkinForm(const TWinSkinForm&) = delete;
    TWinSkinForm& operator=(const TWinSkinForm&) = delete;
    ~TWinSkinForm();

    // For a toolkit form: hooks its messages too and recolours it.
    void AttachForm(TSkinData* skin, TCustomForm* form);
    // For a bare window (a system dialog), and the common part of AttachForm.
    void Attach(TSkinData* skin, HWND window);
    void Unskin();
    void Release();
    void RebuildButtons();
    void ReleaseButtons();
    void Repaint();
    // Paints the frame into dc, or into the window's own DC when dc is null.
    void PaintFrame(HDC dc = nullptr);
    void MDIChildMaximizedChanged(bool maximized);
    // Skins one child window by its window class (children of system dialogs, size grips).
    void SkinChild(HWND child);
    // Keeps a control skinner until the frame skinner stops.
    void AddControlSkinner(std::unique_ptr<TSkinControl> skinner);
    TSkinControl* FindControlSkinner(HWND window) const;
    const std::vector<std::unique_ptr<TSkinControl>>& ControlSkinners() const { return controlSkinners_; }
    // The window's menu was replaced (an MDI child's menu came or went): the painted bar
    // takes it and the native bar goes.
    void MenuChanged();

    HWND Handle() const { return window_; }
    TCustomForm* Form() const { return form_; }
    TSkinData* Skin() const { return skin_; }
    TFrameState State() const { return state_; }
    bool Dead() const { return state_ == fsDead; }
    bool IsMDIChild() const { return frameKind_ == fkMDIChild; }
    bool FrameSkinning() const { return frameSkinning_; }
    TBorderKind BorderKind() const { return borderKind_; }
    TShowState ShowState() const { return showState_; }
    bool IsActive() const { return active_; }
    int CaptionFlags() const { return captionFlags_; }
    bool RightToLeft() const { return rightToLeft_; }
    bool IsDialog() const { return dialog_; }
    // Border thickness in pixels: left, top (the title), right, bottom.
    RECT Borders() const { return borders_; }
    int MenuBarHeight() const { return menuBarHeight_; }
    RECT CaptionRect() const { return captionRect_; }
    const TBitmap& IconBitmap() const { return iconBitmap_; }
    const std::vector<std::unique_ptr<TWinSysButton>>& Buttons() const { return buttons_; }
    TNCObject* HotObject() const { return hot_; }
    void SetHotObject(TNCObject* object) { hot_ = object; }
    TCaptionState CaptionState() const;
    // The window's rectangle with its top-left corner at the origin.
    RECT WindowBox() const;
    // Draws one caption button (the title bar when it is being composed, else the window).
    void PaintObject(TNCObject& object);
    // Runs draw on the title bar being composed, or else on the window's own DC.
    void DrawOnFrame(const std::function<void(HDC)>& draw);
    // Before the window is minimised: the taskbar restores only windows with a system menu.
    void PrepareMinimise() { RestoreSystemMenuStyle(); }
    void StopHoverTimer();
    void StartHoverTimer();
    TWinSkinMenu* MenuBar() const { return menuBar_.get(); }
    // The skinned system menu at a screen point (right-click, Alt+Space, the icon button).
    void ShowSystemMenu(POINT screen);

private:
    static LRESULT CALLBACK SubclassProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    bool HandleAlways(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool HandleFrameMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool HandleStartedMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
    LRESULT NcCalcSize(WPARAM wParam, LPARAM lParam);
    LRESULT NcActivate(WPARAM wParam, LPARAM lParam);
    LRESULT SysCommand(WPARAM wParam, LPARAM lParam);
    LRESULT SetText(WPARAM wParam, LPARAM lParam);
    // Items of the skinned bar's drop-downs.
    TMenuItem* ToolkitMenuItem(UINT command) const;
    bool MeasureMenuItem(LPARAM lParam, LRESULT& result);
    bool DrawMenuItem(LPARAM lParam, LRESULT& result);
    bool MenuCommand(WPARAM wParam, LRESULT& result);
    void Destroying(WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool Started() const { return state_ == fsRunning || state_ == fsRefreshing || state_ == fsResizing; }
    bool PlainChild() const { return child_ && frameKind_ != fkMDIChild; }
    bool MaximisedMDIChild() const { return frameKind_ == fkMDIChild && showState_ == ssMaximised; }
    // Mouse on the frame.
    TNCObject* ObjectAt(POINT inWindow) const;
    POINT ToWindow(LPARAM screenPoint) const;
    bool NcMouseMove(LPARAM lParam);
    bool NcLeftButtonDown(WPARAM hit, LPARAM lParam, LRESULT& result);
    bool NcLeftButtonUp(LPARAM lParam);
    bool NcLeftDoubleClick(WPARAM hit, LPARAM lParam, LRESULT& result);
    bool NcRightButtonDown(WPARAM hit, LPARAM lParam);
    LRESULT CallPrevious(UINT msg, WPARAM wParam, LPARAM lParam);
    void ReadStyles();
    void ComputeBorders();
    void Start();
    void ResizeToSkin(bool starting);
    void BuildRegion(bool force);
    void RemoveRegion();
    void ChangeFrame();
    void UpdateShowState();
    void CaptureIcon();
    void SkinChildren();
    void ReleaseControlSkinners();
    void ReskinChild(HWND child);
    void StripSystemMenuStyle();
    void RestoreSystemMenuStyle();
    void StopCommon(bool destroying);
    // The form's menus drawn by the engine (as the skin's SkinControls ask), or not.
    void OwnerDrawMenus(bool on);
    void OnHoverTimer();
    void FormHook(TMessage& message, const std::function<void(TMessage&)>& next);
    void DialogChar(TMessage& message);
    TFrameLook CurrentLook();
    void ComposeSides(const TFrameLook& look);
    void ComposeTitleBar(const TFrameLook& look);
    void PaintCaptionText(HDC dc, int width);
    RECT MenuBand(int width) const;
    void RestoreMenuBar();
    void LayoutButtons(int width);
    int RightButtonReach() const;
    std::wstring WindowText() const;

    HWND window_ = nullptr;
    TCustomForm* form_ = nullptr;
    TSkinData* skin_ = nullptr;
    std::string className_;
    TWindowSubclass subclass_;
    std::unique_ptr<TWindowHook> formHook_;
    DWORD style_ = 0;
    DWORD exStyle_ = 0;
    HWND owner_ = nullptr;
    bool child_ = false;
    TFrameKind frameKind_ = fkOrdinary;
    TBorderKind borderKind_ = bkSizeable;
    bool dialog_ = false;
    TShowState showState_ = ssNormal;
    bool active_ = true;
    int captionFlags_ = 0;
    bool rightToLeft_ = false;
    bool frameSkinning_ = false;
    RECT borders_{};
    int menuBarHeight_ = 0;
    SIZE nativeFrame_{};
    HMENU nativeMenu_ = nullptr;
    HMENU systemMenu_ = nullptr;
    TFrameCache frameCache_;
    TLabelColours labelColours_;
    HDC composing_ = nullptr;  // the title strip's DC while the title bar is composed
    TBitmap iconBitmap_;
    HFONT captionFont_ = nullptr;
    std::unique_ptr<TSkinSystemMenu> systemMenuSkin_;
    std::unique_ptr<TWinSkinMenu> menuBar_;
    std::unique_ptr<TMDIClientSkin> mdiClient_;
    std::unique_ptr<TTimer> hoverTimer_;
    HRGN region_ = nullptr;
    SIZE regionSize_{};
    RECT captionRect_{};
    DWORD rightClickTime_ = 0;
    DWORD doubleClickTime_ = 0;
    TColor formColour_ = clBtnFace;
    std::vector<std::unique_ptr<TWinSysButton>> buttons_;
    std::vector<std::unique_ptr<TSkinControl>> controlSkinners_;
    TNCObject* hot_ = nullptr;
    TFrameState state_ = fsAttached;
    bool sysMenuStripped_ = false;
};
