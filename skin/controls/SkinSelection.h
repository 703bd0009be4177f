#pragma once
// Which control skinner a child of a skinned window gets: the rules as tables that read like
// the rules themselves (Win32).
//
//   - toolkit controls: the skin component's OnSkinControl event, then its Skin3rd map of
//     class names to kinds, then the toolkit-class table (first matching row);
//   - foreign windows (children of system dialogs, a size grip): the window-class table.
// Every row names the SkinControls member it needs; a row whose member is not set does not
// match. Kinds whose skinner is not built yet have their rows, and make no skinner.
// Edits and combo boxes keep their own colour: their text is drawn in the control's font
// colour, which a dark skin's face would swallow.

#include <memory>
#include <optional>
#include <string>

#include "platform/Win.h"
#include "skin/WinSkinData.h"

class TSkinControl;
class TWinSkinForm;
class TControl;
class TWinControl;

enum TSkinnerKind {
    skNone,
    skButton, skBitButton, skMenuButton, skSpeedButton,
    skCheckBox, skRadioButton, skObjImage,
    skComBox, skEdit, skUpDown, skDateTime,
    skGroupBox, skBox, skBoxH, skSizer,
    skTab, skTabBtn, skTab31, skTabSheet, skAdvPage,
    skProgress, skTrackBar, skStatusBar,
    skScrollbar, skScrollbarH, skMediaPlayer,
    skHeader, skListView, skScControl,
};

// A new skinner of that kind; null for kinds whose skinner comes later.
std::unique_ptr<TSkinControl> MakeSkinner(TSkinnerKind kind);

// What a row does with a control's children.
enum TChildStep { csNone, csBefore, csAfter, csOnly };

struct TSkinChoice {
    TSkinnerKind kind = skNone;
    int mode = 0;
    bool recolour = true;
    TChildStep children = csNone;
    // Sets the control's "Transparent" property to "True" first.
    bool transparent = false;
    // For groups: what each child gets, under which member (radio and check groups).
    TSkinnerKind childKind = skNone;
    std::optional<TSkinControlType> childRequires = std::nullopt;
    // For groups: the member the group's own skinner needs besides the row's.
    std::optional<TSkinControlType> selfRequires = std::nullopt;
    // Attached as to a foreign window, by subclassing.
    bool asWindow = false;
};

// The Skin3rd map: the kind after "=" of the first line (lower-cased) that starts with the
// lower-cased class name and "="; nothing when the class is not in the map.
std::optional<std::string> Skin3rdKind(const TStrings& map, const std::string& className);
// What a Skin3rd kind gives a control of class className (skNone when its member is not set).
TSkinChoice ChoiceForKind(const std::string& kind, const std::string& className, TSkinData& skin,
                          TControl& control);
// The first toolkit-class row that matches; nothing when none does.
std::optional<TSkinChoice> ChoiceForToolkitControl(TControl& control, TSkinData& skin);
// The window-class rules for a foreign window.
TSkinChoice ChoiceForForeignWindow(const std::string& lowerClassName, DWORD style, TSkinData& skin);

// What the low bits of a "button" window's style make of it.
enum TButtonStyleKind { bkNoSkin, bkCheck, bkRadio, bkPush };
TButtonStyleKind ButtonStyleKind(DWORD style);

// The walk of a frame skinner over its window's children.
class TSkinSelection {
public:
    TSkinSelection(TWinSkinForm& frame, TSkinData& skin) : frame_(frame), skin_(skin) {}
    // Every control of a toolkit form: its components, then its controls in tab order.
    void SkinForm(TWinControl& form);
    // One toolkit control, and its children as its row says. A windowless control (a speed
    // button) gets only a skinner that paints on what its parent hands it.
    void DispatchControl(TControl& control);
    // The children of a window, in z-order, by their window classes.
    void DispatchWindows(HWND parent);
    // One foreign window by its window class.
    void DispatchWindow(HWND window);

private:
    bool AlreadySkinned(HWND window) const;
    bool AlreadySkinned(TControl& control) const;
    void Apply(const TSkinChoice& choice, TControl& control);
    void Attach(TSkinnerKind kind, int mode, bool recolour, TControl& control);
    void DispatchChildren(TControl& control);
    void SkinChildrenAs(const TSkinChoice& choice, TControl& group);
    bool RunEvent(TControl& control);
    void AttachForeign(TSkinnerKind kind, HWND window);

    TWinSkinForm& frame_;
    TSkinData& skin_;
};
