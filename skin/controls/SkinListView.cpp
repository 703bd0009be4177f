#include "skin/controls/SkinListView.h"

#include <commctrl.h>

#include "skin/controls/SkinHeader.h"

void TSkinListView::Attached() {
    TSkinScrollbar::Attached();
    const auto header = reinterpret_cast<HWND>(SendMessageW(Window(), LVM_GETHEADER, 0, 0));
    if (!header) return;
    auto skinner = std::make_unique<TSkinHeader>();
    skinner->AttachWindow(header, Skin(), FrameSkinner());
    AdoptChild(std::move(skinner));
}
