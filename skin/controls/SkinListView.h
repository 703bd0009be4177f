#pragma once
// TSkinListView: a list view's scroll bars painted as TSkinScrollbar paints them, and its
// column header drawn by a TSkinHeader (Win32).

#include "skin/controls/SkinScrollbar.h"

class TSkinListView : public TSkinScrollbar {
protected:
    void Attached() override;
};
