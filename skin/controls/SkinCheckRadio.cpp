#include "skin/controls/SkinCheckRadio.h"

#include <algorithm>

#include "skin/WinSkinData.h"

namespace {

constexpr std::int64_t kTransparentTag = 5555;
// The toolkit's notifications after which a check mark may have changed.
constexpr UINT kRepaintNotifications[] = {45083, 45264};

bool Contains(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

}  // namespace

int CheckGlyphFrame(const TCheckInputs& in, int frameCount) {
    if (frameCount == 12) {
        if (in.indeterminate) return in.disabled ? 12 : 9;
        const int frame = in.base + (in.disabled ? 2 : 0);
        switch (frame) {
            case 2: return 5;
            case 3: return 4;
            case 4: return 8;
            default: return frame;
        }
    }
    if (in.indeterminate) return 4;
    return in.base + (in.disabled ? 2 : 0);
}

void TSkinCheckRadio::Attached() {
    transparent_ = Skin().Options().Contains(xoTransparent) || (Control() && Control()->Tag() == kTransparentTag);
}

bool TSkinCheckRadio::Skinnable() const { return !Glyph().Empty() && GlyphFrames() > 0; }

bool TSkinCheckRadio::LeftText() const { return (Style() & BS_LEFTTEXT) != 0; }

bool TSkinCheckRadio::BeforeMessage(TMessage& m) {
    if (!Skinnable()) return TSkinControl::BeforeMessage(m);
    // Only a transparent one paints its parent's background behind it.
    if (m.Msg == WM_ERASEBKGND) {
        if (!transparent_) return true;
        RECT r{};
        GetClientRect(Window(), &r);
        FillParentFace(reinterpret_cast<HDC>(m.WParam), r);
        m.Result = 1;
        return false;
    }
    if (PaintsItself(m)) return false;
    switch (m.Msg) {
        case BM_SETCHECK:
            lastSetCheck_ = static_cast<int>(m.WParam);
            CallPreviousQuietly(m);
            return false;
        case BM_SETSTATE:
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_ENABLE:
        case WM_SETTEXT:
        case WM_UPDATEUISTATE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            CallPreviousQuietly(m);
            return false;
        case WM_LBUTTONUP:
            CallPrevious(m);
            Invalidate();
            return false;
        default:
            for (UINT notification : kRepaintNotifications)
                if (m.Msg == notification) {
                    CallPrevious(m);
                    Invalidate();
                    return false;
                }
            return TSkinControl::BeforeMessage(m);
    }
}

void TSkinCheckRadio::DrawControl(HDC dc, const RECT& rect) {
    if (!Skinnable()) return;
    TBitmap& glyph = Glyph();
    const int frames = GlyphFrames();
    const int glyphWidth = glyph.Width() / frames;
    const int glyphHeight = glyph.Height();
    const auto state = static_cast<UINT>(SendMessageA(Window(), BM_GETSTATE, 0, 0));
    const int frame = std::clamp(
        CheckGlyphFrame({BaseFrame(), !Available(), (state & BST_INDETERMINATE) != 0}, frames), 1, frames);

    const TOffscreen off(dc, rect);
    if (transparent_)
        FillParentFace(off.DC(), rect);
    else
        FillFace(off.DC(), rect);
    const bool leftText = LeftText();
    const int x = leftText ? rect.right - glyphWidth : rect.left;
    const int y = rect.top + (rect.bottom - rect.top - glyphHeight) / 2;
    DrawGlyph(off.DC(), glyph, frame, frames, x, y);

    RECT text = rect;
    if (leftText)
        text.right = x - 2;
    else
        text.left = x + glyphWidth + 2;
    const std::wstring caption = Caption();
    const TColor colour = Available() ? Skin().Colours().ButtonText : clBtnShadow;
    DrawCaptionText(off.DC(), caption, text, DT_VCENTER | DT_SINGLELINE | (leftText ? DT_RIGHT : 0), colour);
    if (HasFocus()) DrawFocus(off.DC(), caption, text, leftText ? 2 : 0);
}

TBitmap& TSkinCheckBox::Glyph() const { return Skin().Button().CheckImage; }
int TSkinCheckBox::GlyphFrames() const { return Skin().Button().CheckButtonFrame; }

int TSkinCheckBox::BaseFrame() const {
    if (!Control()) return (SendMessageA(Window(), BM_GETSTATE, 0, 0) & BST_CHECKED) ? 2 : 1;
    if (Prop("DataField")) return LastSetCheck() + 1 == 3 ? 4 : LastSetCheck() + 1;
    if (Prop("DataBinding")) return 1;
    if (const std::optional<std::string> state = Prop("State")) {
        const std::string lower = LowerCase(*state);
        if (Contains(lower, "uncheck")) return 1;
        if (Contains(lower, "check")) return 2;
        if (Contains(lower, "gray")) return 4;
        return 1;
    }
    return PropIsTrue("Checked") ? 2 : 1;
}

TBitmap& TSkinRadioButton::Glyph() const { return Skin().Button().RadioImage; }
int TSkinRadioButton::GlyphFrames() const { return Skin().Button().RadioButtonFrame; }

int TSkinRadioButton::BaseFrame() const {
    if (Control()) return PropIsTrue("Checked") ? 2 : 1;
    return (SendMessageA(Window(), BM_GETSTATE, 0, 0) & BST_CHECKED) ? 2 : 1;
}
