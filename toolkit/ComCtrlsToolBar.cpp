#include "toolkit/ComCtrls.h"

#include <commctrl.h>

#include <algorithm>

#include "toolkit/Menus.h"

template <>
const TEnumInfo& EnumInfo<TToolButtonStyle>() {
    static const TEnumInfo info{"TToolButtonStyle", {"tbsButton", "tbsCheck", "tbsDropDown", "tbsSeparator", "tbsDivider"}};
    return info;
}

// ---------------------------------------------------------------------------------------
// TToolButton

const TClassInfo& TToolButton::StaticClass() {
    using C = TToolButton;
    using P = TProps<C>;
    static const TClassInfo info("TToolButton", &TGraphicControl::StaticClass(), Creator<C>(),
                                 {
                                     P::String("Caption", &C::Caption, &C::SetCaption),
                                     P::Integer("ImageIndex", &C::ImageIndex, &C::SetImageIndex).Default(-1),
                                     P::Enum("Style", &C::Style, &C::SetStyle).Default(tbsButton),
                                     P::Boolean("Down", &C::Down, &C::SetDown).Default(false),
                                     P::Boolean("Grouped", &C::Grouped, &C::SetGrouped).Default(false),
                                     P::Component("DropdownMenu", &C::DropdownMenu, &C::SetDropdownMenu),
                                 });
    return info;
}

TToolButton::TToolButton(TComponent* owner) : TGraphicControl(owner) { SetBounds(0, 0, 23, 22); }

TToolBar* TToolButton::ToolBar() const { return dynamic_cast<TToolBar*>(Parent()); }

int TToolButton::Index() const {
    if (!ToolBar()) return -1;
    const std::vector<TToolButton*> buttons = ToolBar()->Buttons();
    const auto it = std::find(buttons.begin(), buttons.end(), this);
    return it == buttons.end() ? -1 : static_cast<int>(it - buttons.begin());
}

void TToolButton::Changed() {
    if (TToolBar* bar = ToolBar()) bar->UpdateButtons();
}

void TToolButton::SetImageIndex(int index) {
    if (ChangeField(imageIndex_, index)) Changed();
}

void TToolButton::SetStyle(TToolButtonStyle style) {
    if (ChangeField(style_, style)) Changed();
}

void TToolButton::SetDown(bool on) {
    if (ChangeField(down_, on)) Changed();
}

void TToolButton::SetGrouped(bool on) {
    if (ChangeField(grouped_, on)) Changed();
}

void TToolButton::SetDropdownMenu(TPopupMenu* menu) {
    if (menu == dropdownMenu_) return;
    if (dropdownMenu_) dropdownMenu_->RemoveFreeNotification(this);
    dropdownMenu_ = menu;
    if (dropdownMenu_) dropdownMenu_->FreeNotification(this);
}

void TToolButton::Notification(TComponent* component, TOperation operation) {
    TGraphicControl::Notification(component, operation);
    if (operation == opRemove && component == dropdownMenu_) dropdownMenu_ = nullptr;
}

void TToolButton::DropDown() {
    if (!dropdownMenu_ || !ToolBar()) return;
    POINT below{Left(), Top() + Height()};
    ::ClientToScreen(ToolBar()->Handle(), &below);
    dropdownMenu_->SetPopupComponent(this);
    dropdownMenu_->Popup(below.x, below.y);
}

void TToolButton::SetParent(TWinControl* parent) {
    TToolBar* before = ToolBar();
    TGraphicControl::SetParent(parent);
    if (before && before != ToolBar()) before->UpdateButtons();
    Changed();
}

void TToolButton::WndProc(TMessage& m) {
    TGraphicControl::WndProc(m);
    if (m.Msg == CM_TEXTCHANGED || m.Msg == CM_ENABLEDCHANGED || m.Msg == CM_VISIBLECHANGED) Changed();
}

// ---------------------------------------------------------------------------------------
// TToolBar

const TClassInfo& TToolBar::StaticClass() {
    using C = TToolBar;
    using P = TProps<C>;
    static const TClassInfo info("TToolBar", &TWinControl::StaticClass(), Creator<C>(),
                                 {
                                     P::Boolean("Flat", &C::Flat, &C::SetFlat).Default(false),
                                     P::Boolean("ShowCaptions", &C::ShowCaptions, &C::SetShowCaptions).Default(false),
                                     P::Component("Images", &C::Images, &C::SetImages),
                                     P::Integer("ButtonWidth", &C::ButtonWidth, &C::SetButtonWidth).Default(23),
                                     P::Integer("ButtonHeight", &C::ButtonHeight, &C::SetButtonHeight).Default(22),
                                 });
    return info;
}

TToolBar::TToolBar(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 150, 29); }

std::vector<TToolButton*> TToolBar::Buttons() const {
    std::vector<TToolButton*> buttons;
    for (int i = 0; i < ControlCount(); ++i)
        if (auto* button = dynamic_cast<TToolButton*>(Controls(i))) buttons.push_back(button);
    return buttons;
}

void TToolBar::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SysClassName = TOOLBARCLASSNAMEA;
    // The toolkit places the bar: the window keeps the bounds it is given.
    p.Style |= CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;
    if (flat_) p.Style |= TBSTYLE_FLAT | TBSTYLE_TRANSPARENT;
}

void TToolBar::CreateHandleExtras() {
    SendMessageA(Handle(), TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    UpdateButtons();
}

namespace {

BYTE ButtonState(const TToolButton& button) {
    BYTE state = 0;
    if (button.Enabled()) state |= TBSTATE_ENABLED;
    if (button.Down()) state |= TBSTATE_CHECKED;
    if (!button.Visible()) state |= TBSTATE_HIDDEN;
    return state;
}

BYTE ButtonStyle(const TToolButton& button) {
    switch (button.Style()) {
        case tbsCheck:
            return static_cast<BYTE>(BTNS_CHECK | (button.Grouped() ? BTNS_GROUP : 0));
        case tbsDropDown:
            return BTNS_DROPDOWN;
        case tbsSeparator:
        case tbsDivider:
            return BTNS_SEP;
        case tbsButton:
            break;
    }
    return BTNS_BUTTON;
}

}  // namespace

void TToolBar::UpdateButtons() {
    if (!HandleAllocated() || updating_ || ComponentState().Contains(csLoading) ||
        ComponentState().Contains(csDestroying))
        return;
    HWND h = Handle();
    while (SendMessageA(h, TB_BUTTONCOUNT, 0, 0) > 0) SendMessageA(h, TB_DELETEBUTTON, 0, 0);
    SendMessageA(h, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_ ? images_->Handle() : nullptr));
    // Without images the buttons keep no room for them.
    SendMessageA(h, TB_SETBITMAPSIZE, 0, images_ ? MAKELPARAM(images_->Width(), images_->Height()) : 0);
    const std::vector<TToolButton*> buttons = Buttons();
    for (size_t i = 0; i < buttons.size(); ++i) {
        const TToolButton& b = *buttons[i];
        const std::string caption = b.Caption();
        TBBUTTON button{};
        const bool separator = b.Style() == tbsSeparator || b.Style() == tbsDivider;
        // A separator's image index is its width.
        button.iBitmap = separator ? b.Width() : (b.ImageIndex() >= 0 ? b.ImageIndex() : I_IMAGENONE);
        button.idCommand = static_cast<int>(i);
        button.fsState = ButtonState(b);
        // Captions take the room they need; without them the buttons share one size.
        button.fsStyle = static_cast<BYTE>(ButtonStyle(b) | (showCaptions_ ? BTNS_AUTOSIZE : 0));
        button.iString = showCaptions_ && !separator ? reinterpret_cast<INT_PTR>(caption.c_str()) : -1;
        SendMessageA(h, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&button));
    }
    if (!showCaptions_) SendMessageA(h, TB_SETBUTTONSIZE, 0, MAKELPARAM(buttonWidth_, buttonHeight_));
    SendMessageA(h, TB_AUTOSIZE, 0, 0);
    updating_ = true;
    for (size_t i = 0; i < buttons.size(); ++i) {
        RECT r{};
        SendMessageA(h, TB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&r));
        buttons[i]->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
    }
    updating_ = false;
}

void TToolBar::SetFlat(bool on) {
    if (ChangeField(flat_, on)) RecreateWnd();
}

void TToolBar::SetShowCaptions(bool on) {
    if (ChangeField(showCaptions_, on)) UpdateButtons();
}

void TToolBar::SetImages(TImageList* images) {
    if (images == images_) return;
    if (images_) images_->RemoveFreeNotification(this);
    images_ = images;
    if (images_) images_->FreeNotification(this);
    UpdateButtons();
}

void TToolBar::SetButtonWidth(int width) {
    if (ChangeField(buttonWidth_, width)) UpdateButtons();
}

void TToolBar::SetButtonHeight(int height) {
    if (ChangeField(buttonHeight_, height)) UpdateButtons();
}

void TToolBar::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation == opRemove && component == images_) SetImages(nullptr);
}

void TToolBar::Loaded() {
    TWinControl::Loaded();
    UpdateButtons();
}

void TToolBar::ButtonClicked(int index) {
    const std::vector<TToolButton*> buttons = Buttons();
    if (index < 0 || index >= static_cast<int>(buttons.size())) return;
    TToolButton* clicked = buttons[static_cast<size_t>(index)];
    // The window has moved the check marks (a group's other button comes up): the buttons
    // take them over without telling the window back.
    for (size_t i = 0; i < buttons.size(); ++i)
        buttons[i]->down_ = SendMessageA(Handle(), TB_ISBUTTONCHECKED, i, 0) != 0;
    clicked->Click();
}

void TToolBar::WndProc(TMessage& m) {
    // The window itself presses its buttons: the toolkit must not hand the mouse to them.
    if (m.Msg >= WM_MOUSEFIRST && m.Msg <= WM_MOUSELAST) {
        DefaultHandler(m);
        return;
    }
    if (m.Msg == CN_BASE + WM_COMMAND) {
        ButtonClicked(LOWORD(m.WParam));
        return;
    }
    if (m.Msg == CN_BASE + WM_NOTIFY && reinterpret_cast<NMHDR*>(m.LParam)->code == TBN_DROPDOWN) {
        const std::vector<TToolButton*> buttons = Buttons();
        const int index = reinterpret_cast<NMTOOLBARA*>(m.LParam)->iItem;
        if (index >= 0 && index < static_cast<int>(buttons.size())) buttons[static_cast<size_t>(index)]->DropDown();
        m.Result = TBDDRET_DEFAULT;
        return;
    }
    TWinControl::WndProc(m);
}

TOOLKIT_REGISTER(TToolBar);
TOOLKIT_REGISTER(TToolButton);
