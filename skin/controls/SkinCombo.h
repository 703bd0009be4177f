#pragma once
// TSkinComBox: a combo box's edge and drop-down button from the skin (Win32). The skin's
// reader composes ComboButton (Style 2) into a picture of the whole control: its frame n
// is laid over the combo box, mirrored (SunkEdge) for a combo box with its button at the
// left; a ComboButton of another style is drawn as the button alone, over the SunkEdge
// field, with its arrow from ExtraImages. The item or edit part keeps the control's own
// painting. Frames: 1 normal, 2 dropped down, 3 disabled, 4 focused or hot.

#include <memory>

#include "skin/controls/WinSubClass.h"

class TSkinComBox : public TSkinControl {
public:
    struct TComboState {
        bool available = true;
        bool dropped = false;
        bool focused = false;
        bool hot = false;
    };
    static int FrameOf(const TComboState& state);

protected:
    // The list, dropped down or always shown, gets its scroll bar from the skin; a drop-down
    // box's edit part is watched for focus.
    void Attached() override;
    void AfterMessage(TMessage& message) override;
    void DrawControl(HDC dc, const RECT& rect) override;

private:
    bool Focused() const;
    void AttachPart(std::unique_ptr<TSkinControl> part, HWND window);
    void DrawButtonAlone(HDC dc, const RECT& rect, int frame, bool left);

    RECT button_{};
};
