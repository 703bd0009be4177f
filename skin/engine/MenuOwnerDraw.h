#pragma once
// Switching menus to owner drawing so that the skin engine draws their items: the toolkit's
// menus through its draw and measure handlers on each item, native menus through the
// owner-draw type of each item (Win32).

#include <utility>
#include <vector>

#include "platform/Win.h"

class TCanvas;
class TCustomForm;
class TMenu;
class TMenuItem;
class TSkinData;

// Every item below `root`, at every depth, gets the engine's draw handler and, unless it has
// a measure handler of its own, the engine's; `on` false takes the engine's handlers off
// again. `popupMenu` sizes the glyph room as a pop-up menu component's.
void UseEnginePainters(TMenuItem& root, TSkinData& skin, bool popupMenu, bool on);
// A toolkit item's size with the engine's room added (once: the engine's own measure
// handler adds it itself).
void MeasureWithEngine(TMenuItem& item, TCanvas& canvas, const TSkinData& skin, int& width, int& height);
// The form's pop-up menu components (not those whose Tag is the skin's DisableTag).
void MakeMenusOwnerDrawn(TCustomForm& form, TSkinData& skin, bool on);
// The form's main menus: the items below the top level that draw no other way.
void MakeMainMenuOwnerDrawn(TCustomForm& form, TSkinData& skin, bool on);

// The items of a native menu, at every depth, switched to owner drawing while this lives;
// the types it changed are put back when it goes.
class TNativeOwnerDraw {
public:
    TNativeOwnerDraw() = default;
    TNativeOwnerDraw(const TNativeOwnerDraw&) = delete;
    TNativeOwnerDraw& operator=(const TNativeOwnerDraw&) = delete;
    ~TNativeOwnerDraw();
    void Add(HMENU menu);

private:
    std::vector<std::pair<HMENU, UINT>> switched_;  // menu and item position
};
