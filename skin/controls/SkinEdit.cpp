#include "skin/controls/SkinEdit.h"

#include "skin/WinSkinData.h"
#include "skin/controls/SkinUpDown.h"
#include "skin/engine/SkinManage.h"

bool TSkinEdit::IsUpDownClass(const std::string& name) {
    return name == "msctls_updown32" || name.find("spin") != std::string::npos ||
           name.find("updown") != std::string::npos;
}

void TSkinEdit::Attached() {
    if (!Skin().SkinControls().Contains(xcSpin)) return;
    for (HWND child = GetWindow(Window(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsUpDownClass(LowerClassNameOfWindow(child))) continue;
        auto upDown = std::make_unique<TSkinUpDown>();
        upDown->AttachWindow(child, Skin(), FrameSkinner());
        AdoptChild(std::move(upDown));
    }
}

// The border is the edit's non-client area, which the system paints on these.
void TSkinEdit::AfterMessage(TMessage& m) {
    switch (m.Msg) {
        case WM_NCPAINT:
        case WM_PAINT:
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_ENABLE:
            PaintControl(nullptr);
            return;
        default:
            TSkinControl::AfterMessage(m);
    }
}

void TSkinEdit::DrawControl(HDC dc, const RECT& rect) {
    RECT window{}, client{};
    GetWindowRect(Window(), &window);
    GetClientRect(Window(), &client);
    if (window.right - window.left == client.right && window.bottom - window.top == client.bottom) return;
    DrawFlatBorder(dc, rect, 2, clWhite);
}
