#pragma once
// TSkinDateTime: a date-time picker with the edit's border (a ButtonShadow frame) and, over
// its drop-down part, a TArrowButton from the skin's combo arrow; a click on that opens the
// picker's calendar as the picker's own button does (Win32). Pickers that step their value
// with an up-down instead keep that, skinned as an edit's up-down is.

#include <memory>

#include "skin/controls/ArrowButton.h"
#include "skin/controls/SkinEdit.h"

class TSkinDateTime : public TSkinEdit {
public:
    TSkinDateTime();
    ~TSkinDateTime() override;
    void Detach() override;
    // The arrow button's window; null when the picker has none.
    HWND ArrowWindow() const { return arrow_ ? arrow_->Handle() : nullptr; }

protected:
    void Attached() override;
    void AfterMessage(TMessage& message) override;
    void SkinSwitched() override;

private:
    // The picker's drop-down part in its client area.
    RECT DropDownPart() const;
    void PlaceArrow();
    // Takes the arrow button off and gives the picker its style back.
    void RemoveArrow();
    void DropDown();

    std::unique_ptr<TArrowButton> arrow_;
    bool addedClipChildren_ = false;
};
