#include "skin/controls/WinSubClass.h"

#include "skin/WinSkinData.h"
#include "skin/engine/SkinMessages.h"
#include "skin/engine/SkinPaint.h"
#include "skin/engine/WinSkinForm.h"
#include "toolkit/Graphics.h"
#include "toolkit/WindowHook.h"

// What a subclassed foreign window finds under its property. A skinner that goes while
// another procedure was put on top of its own leaves the link behind as a pass-through, so
// that the chain above it keeps working; the window frees it when it is destroyed, or a new
// skinner takes it over.
struct TForeignLink {
    TSkinControl* skinner = nullptr;
    WNDPROC previous = nullptr;
    bool unicode = false;
};

namespace {

constexpr const char* kLinkProperty = "PelmarControlSkinner";

LRESULT CallLinkPrevious(const TForeignLink& link, HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    return link.unicode ? CallWindowProcW(link.previous, window, msg, wParam, lParam)
                        : CallWindowProcA(link.previous, window, msg, wParam, lParam);
}

LRESULT CALLBACK ForeignProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* link = static_cast<TForeignLink*>(GetPropA(window, kLinkProperty));
    if (!link) return DefWindowProcA(window, msg, wParam, lParam);
    if (!link->skinner) {
        const TForeignLink copy = *link;
        if (msg == WM_NCDESTROY) {
            RemovePropA(window, kLinkProperty);
            delete link;
        }
        return CallLinkPrevious(copy, window, msg, wParam, lParam);
    }
    const TForeignLink copy = *link;
    const TWndMethod previous = [&copy, window](TMessage& m) {
        m.Result = CallLinkPrevious(copy, window, m.Msg, m.WParam, m.LParam);
    };
    TMessage m{msg, wParam, lParam, 0};
    // No error may leave a window procedure: a skinner that fails leaves the system look.
    try {
        link->skinner->HandleMessage(m, previous);
    } catch (...) {
        previous(m);
    }
    return m.Result;
}

WNDPROC CurrentProc(HWND window, bool unicode) {
    return reinterpret_cast<WNDPROC>(unicode ? GetWindowLongPtrW(window, GWLP_WNDPROC)
                                             : GetWindowLongPtrA(window, GWLP_WNDPROC));
}

void SetProc(HWND window, bool unicode, WNDPROC proc) {
    const auto value = reinterpret_cast<LONG_PTR>(proc);
    if (unicode)
        SetWindowLongPtrW(window, GWLP_WNDPROC, value);
    else
        SetWindowLongPtrA(window, GWLP_WNDPROC, value);
}

std::wstring WindowTextOf(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), length + 1)));
    return text;
}

// Runs the message's previous handler for the skinner's HandleMessage, also when messages
// nest (a handler that sends its control another message).
class TPreviousScope {
public:
    TPreviousScope(const TWndMethod*& slot, const TWndMethod& previous) : slot_(slot), saved_(slot) {
        slot = &previous;
    }
    TPreviousScope(const TPreviousScope&) = delete;
    TPreviousScope& operator=(const TPreviousScope&) = delete;
    ~TPreviousScope() { slot_ = saved_; }

private:
    const TWndMethod*& slot_;
    const TWndMethod* saved_;
};

}  // namespace

TSkinControl::TSkinControl() : TComponent(nullptr) {}

TSkinControl::~TSkinControl() {
    children_.clear();
    Unhook();
}

void TSkinControl::Register(TWinSkinForm* frame, TSkinData& skin) {
    frame_ = frame;
    skin_ = &skin;
}

void TSkinControl::AttachControl(TWinSkinForm* frame, TSkinData& skin, TControl& control, bool recolour) {
    if (state_ != scCreated) return;
    Register(frame, skin);
    control_ = &control;
    if (auto* windowed = dynamic_cast<TWinControl*>(&control)) {
        window_ = windowed->Handle();
        unicode_ = IsWindowUnicode(window_) != FALSE;
    }
    control.FreeNotification(this);
    if (hooksMessages_)
        hook_ = std::make_unique<TWindowHook>(control, [this](TMessage& m, const TWndMethod& next) {
            HandleMessage(m, next);
        });
    recolour_ = recolour;
    if (recolour) {
        if (!skin.Options().Contains(xoParentBackGround) && PropIsTrue("ParentBackground")) {
            SetProp("ParentBackground", "False");
            parentBackground_ = true;
        }
        savedColour_ = control.Color();
        savedParentColour_ = control.ParentColor();
        control.SetColor(skin.Colours().ButtonFace);
    }
    state_ = scAttached;
    Attached();
    control.Invalidate();
}

void TSkinControl::AttachWindow(HWND window, TSkinData& skin, TWinSkinForm* frame) {
    if (state_ != scCreated) return;
    auto* left = static_cast<TForeignLink*>(GetPropA(window, kLinkProperty));
    // One skinner paints a window: a second would find its own link where it looks for its
    // predecessor's.
    if (left && left->skinner) return;
    Register(frame, skin);
    window_ = window;
    unicode_ = IsWindowUnicode(window) != FALSE;
    if (left) {
        link_ = left;
    } else {
        link_ = new TForeignLink{nullptr, nullptr, unicode_};
        SetPropA(window, kLinkProperty, link_);
        link_->previous = CurrentProc(window, unicode_);
        SetProc(window, unicode_, &ForeignProc);
    }
    link_->skinner = this;
    state_ = scAttached;
    Attached();
    InvalidateRect(window, nullptr, TRUE);
}

void TSkinControl::Unhook() {
    if (control_) control_->RemoveFreeNotification(this);
    hook_.reset();
    control_ = nullptr;
    if (!link_) return;
    if (IsWindow(window_) && GetPropA(window_, kLinkProperty) == link_) {
        if (CurrentProc(window_, unicode_) == &ForeignProc) {
            SetProc(window_, unicode_, link_->previous);
            RemovePropA(window_, kLinkProperty);
            delete link_;
        } else {
            link_->skinner = nullptr;
        }
    } else {
        delete link_;
    }
    link_ = nullptr;
}

// The control is being freed, perhaps past the point where its WindowProc could be touched.
void TSkinControl::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation != opRemove || component != control_) return;
    if (hook_) hook_->Forget();
    hook_.reset();
    control_ = nullptr;
    state_ = scDead;
}

void TSkinControl::Detach() {
    if (!recolour_ || !control_) return;
    if (savedParentColour_)
        control_->SetParentColor(true);
    else
        control_->SetColor(savedColour_);
    if (parentBackground_) SetProp("ParentBackground", "True");
    parentBackground_ = false;
    recolour_ = false;
}

void TSkinControl::Refresh() {
    if (recolour_ && control_) control_->SetColor(skin_->Colours().ButtonFace);
    Invalidate();
}

bool TSkinControl::Holds(HWND window) const {
    if (window_ && window == window_) return true;
    for (const auto& child : children_)
        if (child->Holds(window)) return true;
    return false;
}

void TSkinControl::HandleMessage(TMessage& m, const TWndMethod& previous) {
    const TPreviousScope scope(previous_, previous);
    if (m.Msg == SKM_CONTROLSKIN) {
        enabled_ = static_cast<LONG_PTR>(m.WParam) > 0;
        SkinSwitched();
        // Either look needs a repaint: the skin's, or the control's own.
        Invalidate();
        return;
    }
    if (!enabled_) {
        previous(m);
        return;
    }
    if (BeforeMessage(m)) {
        previous(m);
        AfterMessage(m);
    }
}

bool TSkinControl::PaintsItself(TMessage& m, bool graphicChildren) {
    switch (m.Msg) {
        case WM_PAINT:
        case WM_PRINTCLIENT: {
            PAINTSTRUCT ps;
            const bool own = m.Msg == WM_PAINT && !m.WParam;
            const HDC dc = own ? BeginPaint(window_, &ps) : reinterpret_cast<HDC>(m.WParam);
            PaintControl(dc);
            if (graphicChildren) PaintGraphicChildren(dc);
            if (own) EndPaint(window_, &ps);
            m.Result = 0;
            return true;
        }
        case WM_ERASEBKGND:
            m.Result = 1;
            return true;
        default:
            return false;
    }
}

void TSkinControl::CallPrevious(TMessage& m) {
    if (previous_) (*previous_)(m);
}

void TSkinControl::CallPreviousQuietly(TMessage& m) {
    const bool visible = (Style() & WS_VISIBLE) != 0;
    if (visible) DefWindowProcW(window_, WM_SETREDRAW, FALSE, 0);
    CallPrevious(m);
    if (visible && IsWindow(window_)) DefWindowProcW(window_, WM_SETREDRAW, TRUE, 0);
    Invalidate();
}

void TSkinControl::GiveBack() {
    if (hook_) hook_->Remove();
    enabled_ = false;
    state_ = scDead;
    Detach();
}

bool TSkinControl::BeforeMessage(TMessage& m) {
    switch (m.Msg) {
        case WM_NCDESTROY:
            CallPrevious(m);
            enabled_ = false;
            state_ = scDead;
            Detach();
            return false;
        case SKM_QUERYSKINNED:
            m.Result = 1;
            return false;
        default:
            return true;
    }
}

void TSkinControl::AfterMessage(TMessage& m) {
    switch (m.Msg) {
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_ENABLE:
        case WM_SETTEXT:
        case CM_ENABLEDCHANGED:
            Invalidate();
            break;
        case WM_PAINT:
            PaintControl(reinterpret_cast<HDC>(m.WParam));
            break;
        default:
            break;
    }
}

void TSkinControl::PaintControl(HDC dc) {
    RECT r{};
    if (window_) {
        if (!GetWindowRect(window_, &r)) return;
        OffsetRect(&r, -r.left, -r.top);
    } else {
        if (!dc || !control_) return;
        r = RECT{0, 0, control_->Width(), control_->Height()};
    }
    const HDC windowDC = dc ? nullptr : GetWindowDC(window_);
    try {
        DrawControl(dc ? dc : windowDC, r);
    } catch (...) {
        // The control keeps the image it had.
    }
    if (windowDC) ReleaseDC(window_, windowDC);
}

void TSkinControl::DrawControl(HDC, const RECT&) {}

int TSkinControl::StateFrame(int resting, bool pressed, bool hot, bool available) {
    if (!available) return 3;
    if (pressed) return 2;
    return hot ? 4 : resting;
}

TColor TSkinControl::ButtonTextColour(int frame) const {
    const TDataSkinButton& element = Skin().Button();
    TColor colour = Skin().Colours().ButtonText;
    // A toolkit button's own font colour wins where it was chosen rather than left as it came.
    if (Control()) {
        const TColor own = Control()->Font()->Color();
        if (own != clWindowText && own != clBtnText) colour = own;
    }
    if (frame == 1 && element.NormalColour >= 0) colour = element.NormalColour;
    if (frame == 4 && element.MouseOverColour >= 0) colour = element.MouseOverColour;
    if (frame == 2 && element.PressedColour >= 0) colour = element.PressedColour;
    if (frame == 3) colour = clBtnShadow;
    return colour;
}

void TSkinControl::Invalidate() {
    if (control_) {
        control_->Invalidate();
        return;
    }
    if (!IsWindow(window_)) return;
    InvalidateRect(window_, nullptr, TRUE);
    UpdateWindow(window_);
}

void TSkinControl::TrackHot(const TMessage& m, const RECT& area) {
    const POINT p = MousePoint(m.LParam);
    const bool over = m.Msg == WM_MOUSEMOVE && PtInRect(&area, p);
    if (m.Msg == WM_MOUSEMOVE) RequestMouseLeave(window_);
    if (over == hot_) return;
    hot_ = over;
    Invalidate();
}

void TSkinControl::FillFace(HDC dc, const RECT& rect) const {
    HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(skin_->Colours().ButtonFace)));
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

void TSkinControl::FillParentFace(HDC dc, const RECT& rect) const {
    const TColor colour = control_ && control_->Parent() ? control_->Parent()->Color() : skin_->Colours().ButtonFace;
    HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(colour)));
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

void TSkinControl::DrawFlatBorder(HDC dc, const RECT& rect, int innerRings, TColor inner) const {
    RECT frame = rect;
    HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(skin_->Colours().ButtonShadow)));
    FrameRect(dc, &frame, brush);
    DeleteObject(brush);
    brush = CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(inner)));
    for (int i = 0; i < innerRings; ++i) {
        InflateRect(&frame, -1, -1);
        FrameRect(dc, &frame, brush);
    }
    DeleteObject(brush);
}

void TSkinControl::DrawFocus(HDC dc, const std::wstring& text, const RECT& rect, int align) const {
    RECT box = rect;
    DrawTextWide(dc, text, box, DT_CALCRECT | DT_NOCLIP | DT_WORDBREAK | ReadingFlags());
    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    int left = rect.left;
    if (align == 1) left = rect.left + (rect.right - rect.left - width) / 2;
    if (align == 2) left = rect.right - width;
    const int top = rect.top + (rect.bottom - rect.top - height) / 2;
    RECT focus{left, top, left + width, top + height};
    InflateRect(&focus, 2, 1);
    IntersectRect(&focus, &focus, &rect);
    DrawFocusRect(dc, &focus);
}

int TSkinControl::DrawCaptionText(HDC dc, const std::wstring& text, RECT& rect, UINT format, TColor colour) const {
    const HGDIOBJ oldFont = SelectObject(dc, CaptionFont());
    const COLORREF oldColour = SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(colour)));
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const int height = DrawTextWide(dc, text, rect, format | ReadingFlags());
    SetBkMode(dc, oldMode);
    SetTextColor(dc, oldColour);
    SelectObject(dc, oldFont);
    return height;
}

void TSkinControl::DrawGlyph(HDC dc, TBitmap& glyph, int frame, int frames, int x, int y, COLORREF key) {
    if (frames <= 0 || glyph.Empty()) return;
    const int width = glyph.Width() / frames;
    TransparentBlt(dc, x, y, width, glyph.Height(), glyph.Canvas()->Handle(), (frame - 1) * width, 0, width,
                   glyph.Height(), key);
}

void TSkinControl::PaintGraphicChildren(HDC dc) const {
    auto* windowed = dynamic_cast<TWinControl*>(control_);
    if (!windowed) return;
    for (int i = 0; i < windowed->ControlCount(); ++i) {
        TControl* child = windowed->Controls(i);
        if (dynamic_cast<TWinControl*>(child) || !child->Visible()) continue;
        const int saved = SaveDC(dc);
        OffsetViewportOrgEx(dc, child->Left(), child->Top(), nullptr);
        IntersectClipRect(dc, 0, 0, child->Width(), child->Height());
        child->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
        RestoreDC(dc, saved);
    }
}

void TSkinControl::DrawElement(HDC dc, const RECT& rect, const TDataSkinObject& element, int frame) {
    ::DrawElement(dc, TRect(rect), element, frame);
}

std::optional<std::string> TSkinControl::Prop(std::string_view name) const {
    if (!control_) return std::nullopt;
    return GetPropText(*control_, name);
}

std::optional<std::int64_t> TSkinControl::OrdProp(std::string_view name) const {
    if (!control_) return std::nullopt;
    return GetOrdProp(*control_, name);
}

bool TSkinControl::PropIsTrue(std::string_view name) const {
    const std::optional<std::string> text = Prop(name);
    return text && SameText(*text, "true");
}

void TSkinControl::SetProp(std::string_view name, std::string_view text) {
    if (control_) SetPropText(*control_, name, text);
}

std::wstring TSkinControl::Caption() const {
    if (const std::optional<std::string> caption = Prop("Caption")) return AnsiToWide(*caption);
    return WindowTextOf(window_);
}

HFONT TSkinControl::CaptionFont() const {
    if (control_) return control_->Font()->Handle();
    return reinterpret_cast<HFONT>(SendMessageA(window_, WM_GETFONT, 0, 0));
}

bool TSkinControl::Available() const {
    if (!window_) return !control_ || control_->Enabled();
    return (Style() & WS_DISABLED) == 0;
}

DWORD TSkinControl::Style() const { return static_cast<DWORD>(GetWindowLongA(window_, GWL_STYLE)); }

bool TSkinControl::RightToLeft() const {
    if (control_) return control_->UseRightToLeftReading();
    return (GetWindowLongA(window_, GWL_EXSTYLE) & WS_EX_RTLREADING) != 0;
}

void TSkinControl::AdoptChild(std::unique_ptr<TSkinControl> child) {
    if (frame_)
        frame_->AddControlSkinner(std::move(child));
    else
        children_.push_back(std::move(child));
}

TOffscreen::TOffscreen(HDC target, const RECT& rect)
    : target_(target), rect_(rect), dc_(CreateCompatibleDC(target)),
      bitmap_(CreateCompatibleBitmap(target, rect.right - rect.left, rect.bottom - rect.top)),
      old_(SelectObject(dc_, bitmap_)) {
    SetWindowOrgEx(dc_, rect.left, rect.top, nullptr);
}

TOffscreen::~TOffscreen() {
    SetWindowOrgEx(dc_, 0, 0, nullptr);
    BitBlt(target_, rect_.left, rect_.top, rect_.right - rect_.left, rect_.bottom - rect_.top, dc_, 0, 0, SRCCOPY);
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}
