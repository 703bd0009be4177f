#pragma once
// The folder's file list with one addition: Delete removes the selected names from the
// list, so that a current-folder run leaves those files out. Nothing on disk changes, and
// the list shows every matching file again whenever it reads its folder.

#include "toolkit/FileCtrl.h"

class TMovraFileList : public TFileListBox {
    TOOLKIT_CLASS(TMovraFileList, TFileListBox)

public:
    using TFileListBox::TFileListBox;

protected:
    // Delete: drops the selected names and selects the name that took the focused one's
    // place (or the new last one), so that repeated presses walk on through the list.
    void KeyUp(WORD& key, TShiftState shift) override;
};
