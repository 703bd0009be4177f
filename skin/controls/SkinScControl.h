#pragma once
// TSkinScControl: a scrolling container's bars painted as TSkinScrollbar paints them
// (Win32). A container hears a great deal on behalf of its children (their notifications,
// colour requests, reflected messages); its painted bars follow only what can change its own
// bars: its scrolling, its place and size, its frame being painted (which is when a bar
// shows or hides), its visibility and its enabled state. The toolkit's scroll box sets its
// bars with SBM_SETSCROLLINFO through its own message hook, so a scroll from code is heard too.

#include "skin/controls/SkinScrollbar.h"

class TSkinScControl : public TSkinScrollbar {
protected:
    bool MayChangeBars(const TMessage& message) const override;
};
