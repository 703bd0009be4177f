#include "skin/controls/SkinButton.h"

#include "skin/WinSkinData.h"
#include "skin/engine/SkinManage.h"

namespace {

constexpr std::int64_t kTransparentTag = 5555;

bool StartsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

}  // namespace

int TSkinButton::FrameOf(const TButtonState& s) {
    return StateFrame(s.focusedOrDefault ? 5 : 1, s.pressed, s.hot, s.available);
}

std::wstring TSkinButton::CaptionLines(std::wstring caption) {
    if (const size_t at = caption.find(L"||"); at != std::wstring::npos) caption.replace(at, 2, L"\r\n");
    return caption;
}

void TSkinButton::Attached() {
    if (Control()) {
        const std::string name = LowerCase(Control()->ClassName());
        forwardMouse_ = !StartsWith(name, "trz") && !StartsWith(name, "tel");
    } else {
        forwardMouse_ = false;
    }
    transparent_ = Skin().Options().Contains(xoTransparent) || (Control() && Control()->Tag() == kTransparentTag);
}

bool TSkinButton::Skinnable() const { return !Skin().Button().Image.Empty(); }

bool TSkinButton::Transparent() const { return transparent_; }

bool TSkinButton::BeforeMessage(TMessage& m) {
    if (!Skinnable()) return TSkinControl::BeforeMessage(m);
    if (PaintsItself(m)) return false;
    switch (m.Msg) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            MouseDown(m);
            return false;
        case WM_LBUTTONUP:
            MouseUp();
            if (forwardMouse_) return true;
            m.Result = 0;
            return false;
        case BM_SETSTATE:
        case BM_SETSTYLE:
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_ENABLE:
        case WM_SETTEXT:
        case WM_UPDATEUISTATE:
            CallPreviousQuietly(m);
            AfterMessage(m);
            return false;
        default:
            return TSkinControl::BeforeMessage(m);
    }
}

void TSkinButton::MouseDown(TMessage& m) {
    if (GetFocus() != Window()) SetFocus(Window());
    pressed_ = true;
    PaintNow();
    if (forwardMouse_)
        CallPreviousQuietly(m);
    else
        SetCapture(Window());
    m.Result = 0;
}

// With the mouse-down handed on, the system's button makes the click itself when the button
// is released over it; otherwise the skinner does, under the same condition.
void TSkinButton::MouseUp() {
    if (!pressed_) return;
    pressed_ = false;
    Invalidate();
    if (forwardMouse_) return;
    if (GetCapture() == Window()) ReleaseCapture();
    POINT p{};
    GetCursorPos(&p);
    RECT r{};
    GetWindowRect(Window(), &r);
    if (PtInRect(&r, p)) Click();
}

void TSkinButton::Click() {
    if (Control()) {
        Control()->Perform(CN_BASE + WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(Window()));
        return;
    }
    const bool toolkitClass = LowerClassNameOfWindow(Window()) == "tbutton";
    const WPARAM id = toolkitClass ? 0 : static_cast<WPARAM>(GetDlgCtrlID(Window()));
    PostMessageA(GetParent(Window()), WM_COMMAND, id, reinterpret_cast<LPARAM>(Window()));
}

void TSkinButton::PaintNow() { PaintControl(nullptr); }

void TSkinButton::AfterMessage(TMessage& m) {
    switch (m.Msg) {
        case WM_KEYDOWN:
        case WM_KEYUP:
            if (m.WParam != VK_SPACE) break;
            pressed_ = m.Msg == WM_KEYDOWN;
            Invalidate();
            return;
        case WM_MOUSEMOVE:
            if (Available() && !hot_) {
                hot_ = true;
                Invalidate();
            }
            RequestMouseLeave(Window());
            return;
        case WM_MOUSELEAVE:
            hot_ = false;
            pressed_ = false;
            Invalidate();
            return;
        case CM_DIALOGKEY:
        case CM_FOCUSCHANGED:
            Invalidate();
            return;
        default:
            break;
    }
    TSkinControl::AfterMessage(m);
}

int TSkinButton::CurrentFrame() const {
    return FrameOf({HasFocus() || PropIsTrue("Default"), pressed_, hot_, Available()});
}

void TSkinButton::DrawFace(HDC dc, const RECT& rect, int frame) const {
    if (Transparent())
        FillParentFace(dc, rect);
    else
        FillFace(dc, rect);
    DrawElement(dc, rect, Skin().Button(), frame);
}

RECT TSkinButton::DrawContent(HDC dc, const RECT& area, int frame) const {
    const std::wstring caption = CaptionLines(Caption());
    constexpr UINT format = DT_CENTER | DT_WORDBREAK | DT_EXPANDTABS;
    RECT text = area;
    const TColor colour = ButtonTextColour(frame);
    DrawCaptionText(dc, caption, text, format | DT_CALCRECT, colour);
    OffsetRect(&text, (area.right - text.right + area.left - text.left) / 2,
               (area.bottom - text.bottom + area.top - text.top) / 2);
    DrawCaptionText(dc, caption, text, format, colour);
    return text;
}

void TSkinButton::DrawControl(HDC dc, const RECT& rect) {
    if (!Skinnable()) return;
    const int frame = CurrentFrame();
    const TOffscreen off(dc, rect);
    DrawFace(off.DC(), rect, frame);
    RECT area = rect;
    InflateRect(&area, -2, -2);
    RECT text = DrawContent(off.DC(), area, frame);
    if (HasFocus() && !Skin().Options().Contains(xoNoFocusRect)) {
        InflateRect(&text, 2, 2);
        IntersectRect(&text, &text, &rect);
        DrawFocusRect(off.DC(), &text);
    }
}
