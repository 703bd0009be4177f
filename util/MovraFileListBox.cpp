#include "util/MovraFileListBox.h"

const TClassInfo& TMovraFileList::StaticClass() {
    static const TClassInfo info("TMovraFileList", &TFileListBox::StaticClass(), Creator<TMovraFileList>());
    return info;
}
TOOLKIT_REGISTER(TMovraFileList);

void TMovraFileList::KeyUp(WORD& key, TShiftState shift) {
    if (key == VK_DELETE) {
        int index = ItemIndex();
        DeleteSelected();
        if (index >= Count()) index = Count() - 1;
        if (index >= 0) SetItemIndex(index);
    }
    TFileListBox::KeyUp(key, shift);
}
