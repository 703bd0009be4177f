#include "skin/controls/SkinGroupBox.h"

#include "skin/WinSkinData.h"

namespace {

constexpr int kCaptionIndent = 8;
constexpr int kCorner = 5;

}  // namespace

bool TSkinGroupBox::BeforeMessage(TMessage& m) { return !PaintsItself(m, true) && TSkinControl::BeforeMessage(m); }

void TSkinGroupBox::DrawControl(HDC dc, const RECT& rect) {
    const TOffscreen off(dc, rect);
    FillFace(off.DC(), rect);
    const std::wstring caption = Caption();
    RECT text{0, 0, rect.right, rect.bottom};
    DrawCaptionText(off.DC(), caption.empty() ? L"0" : caption, text, DT_CALCRECT | DT_SINGLELINE, clBtnText);
    const int textHeight = text.bottom - text.top;
    const int textWidth = caption.empty() ? 0 : text.right - text.left;

    HPEN pen = CreatePen(PS_SOLID, 1, static_cast<COLORREF>(ColorToRGB(Skin().Colours().ButtonShadow)));
    const HGDIOBJ oldPen = SelectObject(off.DC(), pen);
    const HGDIOBJ oldBrush = SelectObject(off.DC(), GetStockObject(NULL_BRUSH));
    RoundRect(off.DC(), rect.left, rect.top + textHeight / 2, rect.right, rect.bottom, kCorner, kCorner);
    SelectObject(off.DC(), oldBrush);
    SelectObject(off.DC(), oldPen);
    DeleteObject(pen);
    if (caption.empty()) return;

    const bool right = (GetWindowLongA(Window(), GWL_EXSTYLE) & WS_EX_RIGHT) != 0;
    const int left = right ? rect.right - kCaptionIndent - textWidth : rect.left + kCaptionIndent;
    RECT label{left - 1, rect.top, left + textWidth + 1, rect.top + textHeight};
    FillFace(off.DC(), label);
    label = {left, rect.top, left + textWidth, rect.top + textHeight};
    const TColor colour = Available() ? Skin().Colours().ButtonText : clBtnShadow;
    DrawCaptionText(off.DC(), caption, label, DT_SINGLELINE, colour);
}
