#include "toolkit/Spin.h"

#include <commctrl.h>

#include <algorithm>
#include <climits>

std::optional<int> ParseWholeNumber(std::string_view text) {
    size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) i = 1;
    if (i == text.size()) return std::nullopt;
    long long value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) return std::nullopt;
    }
    value = negative ? -value : value;
    if (value > INT_MAX) return std::nullopt;
    return static_cast<int>(value);
}

const TClassInfo& TSpinEdit::StaticClass() {
    using C = TSpinEdit;
    using P = TProps<C>;
    static const TClassInfo info("TSpinEdit", &TCustomEdit::StaticClass(), Creator<C>(),
                                 {
                                     P::Integer("MinValue", &C::MinValue, &C::SetMinValue).Default(0),
                                     P::Integer("MaxValue", &C::MaxValue, &C::SetMaxValue).Default(0),
                                     P::Integer("Increment", &C::Increment, &C::SetIncrement).Default(1),
                                     P::Integer("Value", &C::Value, &C::SetValue),
                                 });
    return info;
}

TSpinEdit::TSpinEdit(TComponent* owner) : TCustomEdit(owner) {
    SetBounds(0, 0, 121, 22);
    SetText("0");
}

void TSpinEdit::SetIncrement(int value) {
    if (value < 1) throw EPropertyError("Increment must be at least 1");
    increment_ = value;
}

int TSpinEdit::CheckValue(int value) const {
    if (minValue_ == 0 && maxValue_ == 0) return value;
    return std::clamp(value, minValue_, std::max(minValue_, maxValue_));
}

int TSpinEdit::Value() const { return ParseWholeNumber(Text()).value_or(minValue_); }

void TSpinEdit::SetValue(int value) {
    // While a form file is read the range may still be coming; Loaded checks the value.
    SetText(std::to_string(ComponentState().Contains(csLoading) ? value : CheckValue(value)));
}

void TSpinEdit::Step(int direction) {
    const long long next = static_cast<long long>(Value()) + static_cast<long long>(direction) * increment_;
    SetValue(static_cast<int>(std::clamp<long long>(next, INT_MIN, INT_MAX)));
}

void TSpinEdit::CheckText() {
    const std::string checked = std::to_string(CheckValue(Value()));
    if (Text() != checked) SetText(checked);
}

void TSpinEdit::Loaded() {
    TCustomEdit::Loaded();
    CheckText();
}

void TSpinEdit::CreateHandleExtras() {
    TCustomEdit::CreateHandleExtras();
    // The up-down only reports presses: its own position never moves (see UDN_DELTAPOS).
    upDown_ = CreateWindowExA(0, UPDOWN_CLASSA, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, Handle(), nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    if (!upDown_) throw EOutOfResources("Cannot create the spin buttons");
    SendMessageA(upDown_, UDM_SETRANGE32, 0, 2);
    SendMessageA(upDown_, UDM_SETPOS32, 0, 1);
    PlaceUpDown();
}

void TSpinEdit::PlaceUpDown() {
    if (!upDown_) return;
    RECT client;
    GetClientRect(Handle(), &client);
    const int width = std::min<int>(GetSystemMetrics(SM_CXVSCROLL), client.right / 2);
    MoveWindow(upDown_, client.right - width, 0, width, client.bottom, TRUE);
    SendMessageA(Handle(), EM_SETMARGINS, EC_RIGHTMARGIN, MAKELPARAM(0, width + 1));
}

void TSpinEdit::WndProc(TMessage& m) {
    switch (m.Msg) {
        case WM_NOTIFY: {
            auto* notify = reinterpret_cast<NMUPDOWN*>(m.LParam);
            if (notify->hdr.hwndFrom == upDown_ && notify->hdr.code == UDN_DELTAPOS) {
                Step(notify->iDelta > 0 ? 1 : -1);
                m.Result = 1;  // the up-down keeps its position
                return;
            }
            break;
        }
        case WM_KEYDOWN:
            if (m.WParam == VK_UP || m.WParam == VK_DOWN) {
                Step(m.WParam == VK_UP ? 1 : -1);
                return;
            }
            break;
        case WM_CHAR: {
            const char c = static_cast<char>(m.WParam);
            if (static_cast<unsigned char>(c) >= ' ' && !(c >= '0' && c <= '9') && c != '-' && c != '+') {
                MessageBeep(0);
                return;
            }
            break;
        }
        case WM_KILLFOCUS:
            TCustomEdit::WndProc(m);
            CheckText();
            return;
        case WM_SIZE:
            TCustomEdit::WndProc(m);
            PlaceUpDown();
            return;
        case WM_NCDESTROY:
            upDown_ = nullptr;
            break;
        default:
            break;
    }
    TCustomEdit::WndProc(m);
}

TOOLKIT_REGISTER(TSpinEdit);
