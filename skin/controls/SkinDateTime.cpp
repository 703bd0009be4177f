#include "skin/controls/SkinDateTime.h"

#include <commctrl.h>

TSkinDateTime::TSkinDateTime() = default;

TSkinDateTime::~TSkinDateTime() { RemoveArrow(); }

void TSkinDateTime::Attached() {
    TSkinEdit::Attached();
    if ((Style() & DTS_UPDOWN) || !TArrowButton::SkinHasArrow(Skin())) return;
    // The picker would paint its own button over ours.
    if (!(Style() & WS_CLIPCHILDREN)) {
        SetWindowLongA(Window(), GWL_STYLE, static_cast<LONG>(Style() | WS_CLIPCHILDREN));
        addedClipChildren_ = true;
    }
    arrow_ = std::make_unique<TArrowButton>(Window(), Skin(), [this] { DropDown(); });
    PlaceArrow();
}

void TSkinDateTime::Detach() {
    RemoveArrow();
    TSkinEdit::Detach();
}

void TSkinDateTime::RemoveArrow() {
    arrow_.reset();
    if (addedClipChildren_ && IsWindow(Window()))
        SetWindowLongA(Window(), GWL_STYLE, static_cast<LONG>(Style() & ~WS_CLIPCHILDREN));
    addedClipChildren_ = false;
}

RECT TSkinDateTime::DropDownPart() const {
    DATETIMEPICKERINFO info{};
    info.cbSize = sizeof info;
    if (SendMessageW(Window(), DTM_GETDATETIMEPICKERINFO, 0, reinterpret_cast<LPARAM>(&info)) &&
        !IsRectEmpty(&info.rcButton))
        return info.rcButton;
    // Systems that do not say keep the button at the right, a scroll bar's width.
    RECT client{};
    GetClientRect(Window(), &client);
    client.left = client.right - GetSystemMetrics(SM_CXVSCROLL);
    return client;
}

void TSkinDateTime::PlaceArrow() {
    if (arrow_) arrow_->Place(DropDownPart(), SkinEnabled());
}

void TSkinDateTime::SkinSwitched() { PlaceArrow(); }

// What the picker's own button does with a click: the press opens the calendar, the
// release ends the press.
void TSkinDateTime::DropDown() {
    const RECT part = DropDownPart();
    const LPARAM at = MAKELPARAM((part.left + part.right) / 2, (part.top + part.bottom) / 2);
    SendMessageW(Window(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(Window(), WM_LBUTTONUP, 0, at);
}

void TSkinDateTime::AfterMessage(TMessage& m) {
    switch (m.Msg) {
        case WM_SIZE:
            PlaceArrow();
            break;
        case WM_ENABLE:
            if (arrow_) InvalidateRect(arrow_->Handle(), nullptr, FALSE);
            break;
        default:
            break;
    }
    TSkinEdit::AfterMessage(m);
}
