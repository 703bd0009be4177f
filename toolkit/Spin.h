#pragma once
// TSpinEdit: an edit for a whole number with an up-down beside its text (Win32).
//
// Value is the whole number in the text; text that is no whole number counts as MinValue.
// While the user types, the value is taken as typed. The arrows (the up-down's and the arrow
// keys) step by Increment within MinValue..MaxValue; a value set by the program, and the
// text left behind when the focus leaves, are pulled into that range. A range of 0..0 means
// no range. The up-down is a child window of the edit of the system class msctls_updown32,
// so that code holding the edit's window finds it.

#include <optional>
#include <string_view>

#include "toolkit/StdCtrls.h"

// The whole number `text` holds (optional sign, decimal digits, nothing else), or nothing.
std::optional<int> ParseWholeNumber(std::string_view text);

class TSpinEdit : public TCustomEdit {
    TOOLKIT_CLASS(TSpinEdit, TCustomEdit)

public:
    explicit TSpinEdit(TComponent* owner);

    int MinValue() const { return minValue_; }
    void SetMinValue(int value) { minValue_ = value; }
    int MaxValue() const { return maxValue_; }
    void SetMaxValue(int value) { maxValue_ = value; }
    int Increment() const { return increment_; }
    void SetIncrement(int value);
    int Value() const;
    void SetValue(int value);

    // Steps the value by Increment up (+1) or down (-1), within the range.
    void Step(int direction);
    // The value pulled into the range.
    int CheckValue(int value) const;
    HWND UpDownHandle() const { return upDown_; }

protected:
    void CreateHandleExtras() override;
    void WndProc(TMessage& message) override;
    void Loaded() override;

private:
    // Replaces text that is no number or out of range by the value pulled into the range.
    void CheckText();
    void PlaceUpDown();

    int minValue_ = 0;
    int maxValue_ = 0;
    int increment_ = 1;
    HWND upDown_ = nullptr;
};
