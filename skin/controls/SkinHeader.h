#pragma once
// TSkinHeader: header controls, alone or above a list view, with every section drawn from
// the skin's Headerbar element (Win32). Frames as the skins keep them: 1 normal, 2 pressed,
// 3 disabled, 4 hot, 5 the section the list is sorted by. The room after the last section
// is an empty normal section. Only headers whose sections are buttons (HDS_BUTTONS) show
// pressed and hot sections.
//
// The header draws a pressed or hot section at once from inside its mouse handling; that
// drawing is held back and the skinned image painted instead.

#include <string>

#include "skin/controls/WinSubClass.h"

class TSkinHeader : public TSkinControl {
public:
    struct TSectionState {
        bool sorted, pressed, hot, available;
    };
    static int FrameOf(const TSectionState& state);

protected:
    bool BeforeMessage(TMessage& message) override;
    void DrawControl(HDC dc, const RECT& rect) override;

private:
    bool Skinnable() const;
    bool SectionsAreButtons() const;
    // The section whose face (not its divider) is under a client point, or -1.
    int SectionAt(LPARAM point) const;
    // Follows the pointer; true when the hot section changed.
    bool Track(int section);
    void DrawSection(HDC dc, int index) const;
    TColor TextColour(int frame) const;

    int hotSection_ = -1;
    int pressedSection_ = -1;
};
