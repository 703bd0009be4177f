#pragma once
// TSkinStatusBar: a status bar composed on the skin's ButtonFace: its panels framed by their
// bevel from StatusBarEdges (frames: none, lowered, raised), their texts in the element's
// NormalColour2, and with SBARS_SIZEGRIP frame 5 of ExtraImages in the bottom-right corner
// (Win32). Owner-drawn panels get their frame, and their content from the bar's owner as the
// system would ask for it (WM_DRAWITEM), into the same off-screen picture.

#include <string>
#include <vector>

#include "skin/controls/WinSubClass.h"

class TSkinStatusBar : public TSkinControl {
public:
    struct TPanel {
        RECT rect{};
        std::wstring text;
        int bevel = 2;  // the StatusBarEdges frame: 1 none, 2 lowered, 3 raised
        bool ownerDrawn = false;
        int index = 0;
        // An owner-drawn panel's data, which the bar keeps in place of a text.
        LPARAM data = 0;
    };
    // The frame of a panel's bevel from the drawing flags SB_GETTEXT reports.
    static int BevelFrame(UINT flags);

protected:
    bool BeforeMessage(TMessage& message) override;
    void DrawControl(HDC dc, const RECT& rect) override;

private:
    std::vector<TPanel> Panels(const RECT& rect) const;
    void DrawPanel(HDC dc, const TPanel& panel) const;
    void AskOwnerToDraw(HDC dc, const TPanel& panel) const;
};
