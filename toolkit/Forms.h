#pragma once
// Forms, the application and the screen (Win32).
//
//   TCustomForm / TForm  a top-level window: border style and icons, position, window state
//                        with restore bounds, AlphaBlend, main menu, icon, Show/Hide/
//                        ShowModal/Close/Release, ModalResult, ActiveControl, Tab navigation,
//                        the default button on Enter (CM_DIALOGKEY goes to the children),
//                        menu shortcuts from the keyboard (F10 arrives as WM_SYSKEYDOWN).
//                        A form handles any other window message by overriding WndProc.
//   TFormMenu            what a form needs of its main menu (TMainMenu implements it).
//   TApplication         Application: Title, Icon, the application window (owner of all
//                        forms; its taskbar button shows Title), CreateForm (the first form
//                        made is the main form; closing it ends Run), Run, Terminate,
//                        ProcessMessages, HandleException (the default error box), idle hint
//                        tracking (Hint, OnHint, ShowHint, HintColor, HintPause,
//                        HintShortPause, HintHidePause) with a tool-tip window.
//   TScreen              Screen: the forms in the order they were created.
//   TScrollBox           a bordered box whose children may reach past it: scroll bars show
//                        while they do (or up to a Range given to a bar), and scrolling moves
//                        the children.
//   TTextMeasures        how a form's font measures: form files record the designer's, and a
//                        form read where its font measures differently scales its controls.
//
// Forms are made with Application->CreateForm(ref) or TCustomForm::Create<T>(owner): the
// object is constructed, then its form file is read from the program's RCDATA resource named
// after the class in upper case ("TMAINFORM"), then OnCreate runs, then it shows itself when
// the form file says Visible = True.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/Controls.h"

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = TSet<TBorderIcon>;
enum TPosition { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter,
                 poMainFormCenter, poOwnerFormCenter };
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
enum TCloseAction { caNone, caHide, caFree, caMinimize };

template <>
const TEnumInfo& EnumInfo<TFormBorderStyle>();
template <>
const TEnumInfo& EnumInfo<TBorderIcon>();
template <>
const TEnumInfo& EnumInfo<TPosition>();
template <>
const TEnumInfo& EnumInfo<TWindowState>();

using TModalResult = int;
constexpr TModalResult mrNone = 0, mrOk = IDOK, mrCancel = IDCANCEL, mrAbort = IDABORT, mrRetry = IDRETRY,
                       mrIgnore = IDIGNORE, mrYes = IDYES, mrNo = IDNO;

// A key with its modifiers, as menus store shortcuts: the virtual key in the low byte.
using TShortCut = std::uint16_t;
constexpr TShortCut scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000;
TShortCut ShortCut(WORD key, TShiftState shift);

// How a font measures on the screen, in pixels: the height of a line, and the width of
// kTextMeasureSample (every letter and the spaces of ordinary text, so that the width follows
// the face's proportions as captions use them).
struct TTextMeasures {
    int Height = 0;
    int Width = 0;
};
inline constexpr const char* kTextMeasureSample = "The quick brown fox jumps over the lazy dog";
TTextMeasures MeasureText(const TFont& font);

using TCloseEvent = TEvent<TObject*, TCloseAction&>;
using TCloseQueryEvent = TEvent<TObject*, bool&>;

// What a form needs of its main menu.
class TFormMenu : public TComponent {
    TOOLKIT_CLASS(TFormMenu, TComponent)

public:
    using TComponent::TComponent;
    virtual HMENU MenuHandle() = 0;
    // Runs the item with this shortcut; true when there was one.
    virtual bool IsShortCut(TShortCut shortCut) = 0;
    // Menu messages of the form's window: WM_COMMAND with lParam 0, WM_DRAWITEM and
    // WM_MEASUREITEM of ODT_MENU, WM_INITMENUPOPUP, WM_MENUCHAR. True when handled.
    virtual bool HandleMenuMessage(TMessage& message) = 0;
};

class TCustomForm : public TWinControl {
    TOOLKIT_CLASS(TCustomForm, TWinControl)

public:
    explicit TCustomForm(TComponent* owner);
    ~TCustomForm() override;

    // Constructs a form of class T, reads its form file and runs OnCreate.
    template <class T>
    static T* Create(TComponent* owner) {
        std::unique_ptr<T, void (*)(T*)> form(new T(owner), [](T* f) { f->Free(); });
        form->InitForm();
        return form.release();
    }
    // Reads the form file resource (if the program has one) and runs OnCreate.
    void InitForm();

    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle style);
    TBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TBorderIcons icons);
    TPosition Position() const { return position_; }
    void SetPosition(TPosition position) { position_ = position; }
    TWindowState WindowState() const;
    void SetWindowState(TWindowState state);
    // The bounds the window has when not maximised or minimised.
    RECT RestoredBounds() const;
    bool AlphaBlend() const { return alphaBlend_; }
    void SetAlphaBlend(bool on);
    int AlphaBlendValue() const { return alphaBlendValue_; }
    void SetAlphaBlendValue(int value);
    TFormMenu* Menu() const { return menu_; }
    void SetMenu(TFormMenu* menu);
    TIcon* Icon() const { return icon_.get(); }

    TWinControl* ActiveControl() const { return activeControl_; }
    // Focus rectangles show once the keyboard has been used in the form (Tab, an arrow key,
    // Alt), as on the system's own dialogs; until then a click never shows them.
    bool FocusCuesShown() const { return focusCuesShown_; }
    void ShowFocusCues();
    void SetActiveControl(TWinControl* control);
    // Focuses the next (or previous) control in tab order after `current`.
    void SelectNext(TWinControl* current, bool forward, bool checkTabStop);

    void Show();
    void Hide() { SetVisible(false); }
    TModalResult ShowModal();
    bool Modal() const { return modal_; }
    void Close();
    bool CloseQuery();
    // Frees the form once the messages now queued have been handled.
    void Release();
    void BringToFront();
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult result) { modalResult_ = result; }
    bool Active() const;
    // The form's key handlers see its controls' key messages before the controls do.
    bool KeyPreview() const { return keyPreview_; }
    void SetKeyPreview(bool on) { keyPreview_ = on; }

    // Menu shortcuts: the main menu gets the first chance.
    virtual bool IsShortCut(TShortCut shortCut);

    // The measures of the form's font that its form file was laid out for (TextHeight,
    // TextWidth; 0: not recorded). A form read where its font measures differently scales
    // the positions and sizes of its controls and its client size, each axis by the ratio of
    // its own measure, so that every text keeps the room the designer gave it; the recorded
    // measures are then this machine's. Raise EPropertyError below 0.
    int TextHeight() const { return designed_.Height; }
    void SetTextHeight(int pixels);
    int TextWidth() const { return designed_.Width; }
    void SetTextWidth(int pixels);

    void SetVisible(bool visible) override;
    RECT ClientRect() const override;

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TCloseQueryEvent OnCloseQuery;
    TCloseEvent OnClose;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleExtras() override;
    void DestroyWnd() override;
    void WndProc(TMessage& message) override;
    void BeforeDestruction() override;
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    virtual void DoClose(TCloseAction& action);

private:
    void ApplyAlphaBlend();
    void PlaceOnScreen();
    void FocusFirstControl();
    void ShowWindowNow();
    void DialogKey(TMessage& message);
    bool PreviewsKeys() const override { return keyPreview_; }
    int ClientWidthProp() const { return ClientWidth(); }
    int ClientHeightProp() const { return ClientHeight(); }
    // While the form file is read the client size waits for Loaded: the menu bar, which
    // takes its height from the client area, is only known once the whole file is read.
    void SetClientWidthProp(int w);
    void SetClientHeightProp(int h);
    // Scales the controls (and the client size read from the file) from the recorded
    // measures to the font's measures here.
    void ScaleToFont(int& clientWidth, int& clientHeight);

    TFormBorderStyle borderStyle_ = bsSizeable;
    TBorderIcons borderIcons_{biSystemMenu, biMinimize, biMaximize};
    TPosition position_ = poDesigned;
    TWindowState windowState_ = wsNormal;
    bool alphaBlend_ = false;
    bool keyPreview_ = false;
    int alphaBlendValue_ = 255;
    TFormMenu* menu_ = nullptr;
    std::unique_ptr<TIcon> icon_;
    TWinControl* activeControl_ = nullptr;
    bool focusCuesShown_ = false;
    TModalResult modalResult_ = mrNone;
    bool modal_ = false;
    bool shownOnce_ = false;
    bool destroyed_ = false;
    int loadedClientWidth_ = -1;
    int loadedClientHeight_ = -1;
    TTextMeasures designed_;
};

class TForm : public TCustomForm {
    TOOLKIT_CLASS(TForm, TCustomForm)

public:
    using TCustomForm::TCustomForm;
};

// The form that contains `control`, or null.
TCustomForm* GetParentForm(const TControl* control);

// ---------------------------------------------------------------------------------------

// When the tool-tip shows and hides, given where the pointer is and what time it is. The
// delays are settings; time is passed in, so the rules can be followed step by step.
class THintTimer {
public:
    enum Action { None, ShowTip, HideTip };
    int Pause = 500;        // before the first tip shows
    int ShortPause = 50;    // before the next tip shows while one is up
    int HidePause = 2500;   // how long a tip stays up

    // The pointer is now over `control` (null: nothing with a tip). Returns HideTip when a
    // tip that was up must go.
    Action Track(const void* control, std::uint32_t now);
    // Time passes: returns ShowTip when the tip is due, HideTip when its time is over.
    Action Tick(std::uint32_t now);
    const void* Control() const { return control_; }
    bool Showing() const { return state_ == Shown; }
    // Milliseconds until the next Tick can change anything, or -1.
    int NextDue(std::uint32_t now) const;

private:
    enum State { Inactive, Waiting, Shown, Expired };
    State state_ = Inactive;
    const void* control_ = nullptr;
    std::uint32_t due_ = 0;
};

class TApplication : public TComponent {
    TOOLKIT_CLASS(TApplication, TComponent)

public:
    explicit TApplication(TComponent* owner);
    ~TApplication() override;

    void Initialize() {}
    HWND Handle();
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title);
    TIcon* Icon() const { return icon_.get(); }
    // Shows the icon on the application window (after Icon() changed).
    void IconChanged();

    TCustomForm* MainForm() const { return mainForm_; }
    bool ShowMainForm() const { return showMainForm_; }
    void SetShowMainForm(bool on) { showMainForm_ = on; }
    // Creates a form of class T owned by the application; `ref` holds it already while its
    // form file is read and OnCreate runs. The first form created is the main form.
    template <class T>
    void CreateForm(T*& ref) {
        T* form = new T(this);
        ref = form;
        if (!mainForm_) mainForm_ = form;
        try {
            form->InitForm();
        } catch (...) {
            if (mainForm_ == form) mainForm_ = nullptr;
            ref = nullptr;
            form->Free();
            throw;
        }
    }

    void Run();
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Handles every message now queued, then returns.
    void ProcessMessages();
    // Waits for and handles one message (idle work first when none is queued).
    void HandleMessage();
    // Shows the error in a message box with the title and goes on (or OnException).
    void HandleException(const std::exception& error);
    void ShowException(const std::exception& error);

    // The long form of the hint of the control under the pointer (see GetLongHint).
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint);
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool on);
    TColor HintColor() const { return hintColor_; }
    void SetHintColor(TColor color);
    int HintPause() const { return hintTimer_.Pause; }
    void SetHintPause(int ms) { hintTimer_.Pause = ms; }
    int HintShortPause() const { return hintTimer_.ShortPause; }
    void SetHintShortPause(int ms) { hintTimer_.ShortPause = ms; }
    int HintHidePause() const { return hintTimer_.HidePause; }
    void SetHintHidePause(int ms) { hintTimer_.HidePause = ms; }
    // The tool-tip window while ShowHint is on, else null.
    HWND HintWindow() const { return tipWindow_; }
    // The text the tool-tip shows now (empty when hidden).
    const std::string& HintShowing() const { return tipText_; }
    // Follows the pointer: mouse enter/leave notifications, Hint and the tool-tip. Runs when
    // the program is idle; `screenPoint` is where the pointer is.
    void TrackPointer(POINT screenPoint, std::uint32_t now);

    TNotifyEvent OnHint;
    TNotifyEvent OnIdle;
    TEvent<TObject*, const std::exception&> OnException;

private:
    friend class TCustomForm;
    bool ProcessMessage(MSG& msg);
    bool IsKeyMessage(MSG& msg);
    void Idle();
    void CreateTipWindow();
    void ShowTip(TControl* control);
    void HideTip();
    void Notification(TComponent* component, TOperation operation) override;
    static LRESULT CALLBACK AppWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

    HWND handle_ = nullptr;
    std::string title_;
    std::unique_ptr<TIcon> icon_;
    TCustomForm* mainForm_ = nullptr;
    bool showMainForm_ = true;
    bool terminated_ = false;
    std::string hint_;
    bool showHint_ = true;
    TColor hintColor_ = clInfoBk;
    THintTimer hintTimer_;
    HWND tipWindow_ = nullptr;
    std::string tipText_;
    TControl* mouseControl_ = nullptr;
};

// The hint text before the first "|" (for tool-tips) / after it (for the status line); a
// hint without "|" is both.
std::string GetShortHint(const std::string& hint);
std::string GetLongHint(const std::string& hint);

class TScreen : public TComponent {
    TOOLKIT_CLASS(TScreen, TComponent)

public:
    using TComponent::TComponent;
    int FormCount() const { return static_cast<int>(forms_.size()); }
    TCustomForm* Forms(int index) const { return forms_.at(static_cast<size_t>(index)); }
    TCustomForm* ActiveForm() const;
    int Width() const { return GetSystemMetrics(SM_CXSCREEN); }
    int Height() const { return GetSystemMetrics(SM_CYSCREEN); }

private:
    friend class TCustomForm;
    std::vector<TCustomForm*> forms_;
};

// One scroll bar of a scrolling box: Position is how far the content has moved; Range is
// the content's extent (0: as far as the children reach); Increment is one line's step.
class TControlScrollBar : public TPersistent {
    TOOLKIT_CLASS(TControlScrollBar, TPersistent)

public:
    explicit TControlScrollBar(std::function<void()> changed) : changed_(std::move(changed)) {}
    int Position() const { return position_; }
    void SetPosition(int position);
    int Range() const { return range_; }
    void SetRange(int range);
    int Increment() const { return increment_; }
    void SetIncrement(int increment);

private:
    friend class TScrollBox;
    int position_ = 0;
    int range_ = 0;
    int increment_ = 8;
    std::function<void()> changed_;
};

class TScrollBox : public TWinControl {
    TOOLKIT_CLASS(TScrollBox, TWinControl)

public:
    explicit TScrollBox(TComponent* owner);
    ~TScrollBox() override;

    TControlScrollBar* HorzScrollBar() const { return horz_.get(); }
    TControlScrollBar* VertScrollBar() const { return vert_.get(); }
    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    // bsNone or bsSingle.
    void SetBorderStyle(TFormBorderStyle style);
    // Fits the bars to the children and moves the children to the bars' positions.
    void UpdateScrollBars();
    POINT ChildScroll() const override { return {shownX_, shownY_}; }

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleExtras() override;
    void WndProc(TMessage& message) override;
    void Resize() override;
    void Loaded() override;

private:
    // How far the children reach along one axis, measured from the unscrolled origin.
    int ContentExtent(bool vertical) const;
    void UpdateBar(bool vertical);
    void Scroll(bool vertical, WORD request);

    std::unique_ptr<TControlScrollBar> horz_;
    std::unique_ptr<TControlScrollBar> vert_;
    TFormBorderStyle borderStyle_ = bsSingle;
    int shownX_ = 0, shownY_ = 0;  // the positions the children are placed for
};

extern TApplication* Application;
extern TScreen* Screen;
