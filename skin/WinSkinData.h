#pragma once
// TSkinData: the non-visual component that holds one skin. It keeps the raw bytes of a skin
// file (from SkinFile, or stored with the form as SkinStream), turns them into element
// records through the skin file reader and the definition parse, and carries the settings
// that decide what gets skinned (Win32).
//
// The component creates the process's skin manager when it has been read (or first switched
// on) and hands its requests to it.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/Win.h"
#include "skin/SkinElements.h"
#include "toolkit/Classes.h"
#include "toolkit/Controls.h"
#include "toolkit/Graphics.h"
#include "toolkit/ImgList.h"
#include "toolkit/TypInfo.h"

class TSkinReader;
class TQuickIni;

enum TSkinControlType {
    xcMainMenu, xcPopupMenu, xcMenuItem, xcToolbar, xcControlbar, xcCombo, xcCheckBox,
    xcRadioButton, xcProgress, xcScrollbar, xcEdit, xcButton, xcBitBtn, xcSpeedButton, xcSpin,
    xcPanel, xcGroupBox, xcStatusBar, xcTab, xcTrackBar, xcSystemMenu, xcFastReport,
};
using TSkinControlTypes = TSet<TSkinControlType>;

enum TSkinOption {
    xoMDIScrollbar, xoMenuMerge, xoTransparent, xoPreview, xoParentBackGround, xoNoFocusRect,
    xoToolbarBK, xoToolbarButton, xoMDIChildBorder, xoMenuBG, xoFormScrollbar,
};
using TSkinOptions = TSet<TSkinOption>;

enum TSkinFormType { sfMainform, sfOnlyThisForm, sfDialog, sfDLL };

template <>
const TEnumInfo& EnumInfo<TSkinControlType>();
template <>
const TEnumInfo& EnumInfo<TSkinOption>();
template <>
const TEnumInfo& EnumInfo<TSkinFormType>();

class TSkinData;

using TOnFormSkin = TEvent<TObject*, std::string, bool&>;
// The last argument is the skinner chosen for the control; a handler may hand back another.
using TOnSkinControl = TEvent<TComponent*, TSkinData*, TControl*, TControl*, std::string, TComponent*&>;
using TOnSkinForm = TEvent<TObject*, HWND, std::string>;

// The sixteen named colours of a skin's Colours section.
struct TSkinColours {
    TColor WindowText = clWindowText;
    TColor ButtonFace = clBtnFace;
    TColor Scrollbar = clScrollBar;
    TColor HilightText = clHighlightText;
    TColor Hilight = clHighlight;
    TColor Menubar = clBtnFace;
    TColor Menu = clMenu;
    TColor MenuText = clMenuText;
    TColor ButtonText = clBtnText;
    TColor ButtonHilight = clBtnHighlight;
    TColor Buttonlight = clBtnHighlight;
    TColor ButtonShadow = clBtnShadow;
    TColor ButtonDkShadow = cl3DDkShadow;
    TColor MenuBarText = clMenuText;
    TColor TitleTextActive = clCaptionText;
    TColor TitleTextNoActive = clInactiveCaptionText;
};

class TSkinData : public TComponent {
    TOOLKIT_CLASS(TSkinData, TComponent)

public:
    static constexpr const char* kVersion = "4.81.04.30";

    explicit TSkinData(TComponent* owner);
    ~TSkinData() override;

    // Published properties.
    bool Active() const { return active_; }
    void SetActive(bool value);
    std::int32_t DisableTag() const { return disableTag_; }
    void SetDisableTag(std::int32_t tag) { disableTag_ = tag; }
    TSkinControlTypes SkinControls() const { return skinControls_; }
    void SetSkinControls(TSkinControlTypes controls) { skinControls_ = controls; }
    TSkinOptions Options() const { return options_; }
    void SetOptions(TSkinOptions options) { options_ = options; }
    TStringList* Skin3rd() const { return skin3rd_.get(); }
    void SetSkin3rd(const TStrings& list) { skin3rd_->Assign(list); }
    const std::string& SkinFile() const { return skinFile_; }
    void SetSkinFile(const std::string& path);
    std::string SkinStore() const;
    TSkinFormType SkinFormtype() const { return skinFormType_; }
    void SetSkinFormtype(TSkinFormType type) { skinFormType_ = type; }
    std::string Version() const { return kVersion; }
    bool MenuUpdate() const { return menuUpdate_; }
    void SetMenuUpdate(bool on) { menuUpdate_ = on; }
    bool MenuMerge() const { return menuMerge_; }
    void SetMenuMerge(bool on) { menuMerge_ = on; }

    TOnFormSkin OnFormSkin;
    TNotifyEvent OnSkinChanged;
    TOnSkinControl OnSkinControl;
    TOnSkinForm OnBeforeSkinForm;
    TOnSkinForm OnAfterSkinForm;

    void DefineProperties(TFiler& filer) override;
    void Loaded() override;

    // Turns the raw bytes into element records; false when the skin file reader refused them
    // (it has told the user why).
    bool LoadSkin();
    // After a reload: the manager, when connected, refreshes the windows that use this skin.
    void ApplySkin();
    // The per-window filter the manager applies for its default component.
    void DoFormSkin(HWND window, const std::string& className, bool& doSkin);
    void DoSkinChanged() { OnSkinChanged(this); }
    // Fills bitmap from the skin's image entry `imageName` (".bmp" names only); clears it
    // when there is no such image. Only while a skin is being loaded.
    void LoadImage(TBitmap& bitmap, const std::string& imageName);

    // The raw skin bytes (the content of SkinStream).
    const TMemoryStream& SkinBytes() const { return rawSkin_; }
    void SetSkinBytes(const std::vector<std::uint8_t>& bytes);

    // The loaded skin.
    bool Empty() const { return empty_; }
    TDataSkinTitle& Title() { return *title_; }
    TDataSkinButton& Button() { return *button_; }
    TDataSkinBorder& Border(int side) { return *borders_.at(side); }  // 0 Left, 1 Right, 2 Top, 3 Bottom
    const std::vector<std::unique_ptr<TDataSkinSysButton>>& SysButtons() const { return sysButtons_; }
    TDataSkinObject* Element(TSkinElement element) const { return elements_[element].get(); }
    template <class T>
    T* ElementAs(TSkinElement element) const { return dynamic_cast<T*>(Element(element)); }
    TDataSkinObject* ComboxArrow() const { return comboxArrow_.get(); }
    TDataSkinObject* Toolbar() const { return toolbar_.get(); }
    const TSkinColours& Colours() const { return colours_; }
    TColor FrameColour() const { return frameColour_; }
    HBRUSH ButtonFaceBrush() const { return buttonFaceBrush_; }
    TImageList& MenuGlyphs() { return *menuGlyphs_; }
    TBitmap& AppIcon() { return appIcon_; }

private:
    friend class TSkinDefinitionParse;

    bool Designing() const { return ComponentState().Contains(csDesigning); }
    bool Reading() const { return ComponentState().Contains(csReading) || ComponentState().Contains(csLoading); }
    // Registration with the manager, which is created when there is none.
    void Register();
    void ReadSkinStream(TStream& stream);
    void WriteSkinStream(TStream& stream) const;
    void CaptureAppIcon();
    void ReplaceButtonFaceBrush(TColor colour);

    bool active_ = false;
    std::int32_t disableTag_ = 99;
    TSkinControlTypes skinControls_;
    TSkinOptions options_;
    std::unique_ptr<TStringList> skin3rd_;
    std::string skinFile_;
    TSkinFormType skinFormType_ = sfMainform;
    bool menuUpdate_ = true;
    bool menuMerge_ = false;

    TMemoryStream rawSkin_;
    bool empty_ = true;
    // Set only while LoadSkin runs: where LoadImage takes its entries from.
    TSkinReader* reader_ = nullptr;

    std::unique_ptr<TDataSkinTitle> title_;
    std::unique_ptr<TDataSkinButton> button_;
    std::array<std::unique_ptr<TDataSkinBorder>, 4> borders_;
    std::vector<std::unique_ptr<TDataSkinSysButton>> sysButtons_;
    std::array<std::unique_ptr<TDataSkinObject>, kSkinElementCount> elements_;
    std::unique_ptr<TDataSkinObject> comboxArrow_;
    std::unique_ptr<TDataSkinObject> toolbar_;
    TSkinColours colours_;
    TColor frameColour_ = clBtnFace;
    HBRUSH buttonFaceBrush_ = nullptr;
    std::unique_ptr<TImageList> menuGlyphs_;
    TBitmap appIcon_;
};

// The default list of other vendors' control classes and the control kind that skins them.
std::vector<std::string> DefaultSkin3rd();

// "255 128 0", "255,128,0": the first three numbers as red, green, blue (each cut to
// 8 bits); a last number counts as blue only after exactly two others.
TColor ColourFromText(const std::string& text);
std::wstring AnsiToWide(const std::string& text);
// The first count characters, or the whole text when count is −1.
std::wstring WideCopy(const std::wstring& text, int count);
// Draws wide text: DrawTextW on NT systems, the ANSI conversion through DrawTextA elsewhere.
int DrawTextWide(HDC dc, const std::wstring& text, RECT& rect, UINT format);
// GetScrollBarInfo where user32 has it; false where it does not.
bool GuardedGetScrollBarInfo(HWND window, LONG objectId, SCROLLBARINFO* info);
bool HasGetScrollBarInfo();
// Asks for WM_MOUSELEAVE on window where user32 can track the mouse; nothing elsewhere.
void RequestMouseLeave(HWND window);
// The point a mouse message carries in lParam (signed: it may lie left of or above the window).
POINT MousePoint(LPARAM lParam);
