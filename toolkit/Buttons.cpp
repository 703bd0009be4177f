#include "toolkit/Buttons.h"

#include <algorithm>

template <>
const TEnumInfo& EnumInfo<TButtonLayout>() {
    static const TEnumInfo info{"TButtonLayout", {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"}};
    return info;
}
template <>
const TEnumInfo& EnumInfo<TBitBtnKind>() {
    static const TEnumInfo info{"TBitBtnKind", {"bkCustom", "bkOK", "bkCancel", "bkHelp", "bkYes", "bkNo", "bkClose",
                                                "bkAbort", "bkRetry", "bkIgnore", "bkAll"}};
    return info;
}

// ---------------------------------------------------------------------------------------
// TButtonGlyph

TButtonGlyph::TButtonGlyph() : glyph_(std::make_unique<TBitmap>()) {}

void TButtonGlyph::SetNumGlyphs(int count) {
    if (count < 1 || count > 4) throw EPropertyError("NumGlyphs must be between 1 and 4");
    numGlyphs_ = count;
}

SIZE TButtonGlyph::FrameSize() const {
    if (glyph_->Empty()) return SIZE{0, 0};
    return SIZE{glyph_->Width() / numGlyphs_, glyph_->Height()};
}

namespace {

// Where a glyph of `glyph` and a text of `text` go along one axis of `room` pixels.
struct AxisPlace {
    int glyph;
    int text;
};

AxisPlace PlaceOnAxis(int room, int glyph, int text, int margin, int spacing, bool glyphFirst) {
    if (glyph == 0 || text == 0) spacing = 0;
    if (margin < 0) {
        if (spacing < 0) {
            spacing = (room - glyph - text) / 3;
            margin = spacing;
        } else {
            margin = (room - glyph - spacing - text) / 2;
        }
    } else if (spacing < 0) {
        spacing = (room - margin - glyph - text) / 2;
    }
    if (glyphFirst) return {margin, margin + glyph + spacing};
    const int glyphAt = room - margin - glyph;
    return {glyphAt, glyphAt - spacing - text};
}

}  // namespace

TButtonGlyph::TPlacement TButtonGlyph::Place(HDC dc, const TRect& client, const std::string& caption,
                                             TButtonLayout layout, int margin, int spacing) const {
    TRect measured{0, 0, RectWidth(client), 0};
    if (!caption.empty()) ::DrawTextA(dc, caption.c_str(), -1, &measured, DT_CALCRECT | DT_SINGLELINE);
    const SIZE t{caption.empty() ? 0 : RectWidth(measured), caption.empty() ? 0 : RectHeight(measured)};
    return Place(client, FrameSize(), t, layout, margin, spacing);
}

TButtonGlyph::TPlacement TButtonGlyph::Place(const TRect& client, SIZE g, SIZE t, TButtonLayout layout, int margin,
                                             int spacing) {
    const bool across = layout == blGlyphLeft || layout == blGlyphRight;
    const bool glyphFirst = layout == blGlyphLeft || layout == blGlyphTop;
    const AxisPlace along = across ? PlaceOnAxis(RectWidth(client), g.cx, t.cx, margin, spacing, glyphFirst)
                                   : PlaceOnAxis(RectHeight(client), g.cy, t.cy, margin, spacing, glyphFirst);
    TPlacement p;
    if (across) {
        const int gy = (RectHeight(client) - g.cy) / 2, ty = (RectHeight(client) - t.cy) / 2;
        p.glyph = Bounds(client.left + along.glyph, client.top + gy, g.cx, g.cy);
        p.text = Bounds(client.left + along.text, client.top + ty, t.cx, t.cy);
    } else {
        const int gx = (RectWidth(client) - g.cx) / 2, tx = (RectWidth(client) - t.cx) / 2;
        p.glyph = Bounds(client.left + gx, client.top + along.glyph, g.cx, g.cy);
        p.text = Bounds(client.left + tx, client.top + along.text, t.cx, t.cy);
    }
    return p;
}

void TButtonGlyph::Draw(TCanvas& canvas, const TRect& client, const std::string& caption, TButtonLayout layout,
                        int margin, int spacing, TButtonState state, UINT textFlags) const {
    const TPlacement p = Place(canvas.Handle(), client, caption, layout, margin, spacing);
    if (!glyph_->Empty()) {
        const SIZE g = FrameSize();
        const int frame = static_cast<int>(state) < numGlyphs_ ? static_cast<int>(state) : 0;
        const auto key = static_cast<UINT>(ColorToRGB(glyph_->TransparentColor()) & 0xFFFFFF);
        GdiTransparentBlt(canvas.Handle(), p.glyph.left, p.glyph.top, g.cx, g.cy, glyph_->Canvas()->Handle(),
                          frame * g.cx, 0, g.cx, g.cy, key);
    }
    if (caption.empty()) return;
    TRect text = p.text;
    canvas.Brush()->SetStyle(bsClear);
    if (state == bsDisabled) {
        // Etched: a light copy one pixel down and right under the grey text.
        OffsetRect(&text, 1, 1);
        canvas.Font()->SetColor(clBtnHighlight);
        canvas.DrawText(caption, text, DT_SINGLELINE | DT_CENTER | textFlags);
        OffsetRect(&text, -1, -1);
        canvas.Font()->SetColor(clBtnShadow);
    }
    canvas.DrawText(caption, text, DT_SINGLELINE | DT_CENTER | textFlags);
}

void TButtonGlyph::ReadData(TStream& stream) {
    const std::int32_t size = stream.ReadInt32();
    if (size <= 0) {
        glyph_->Clear();
        return;
    }
    TMemoryStream bytes;
    bytes.CopyFrom(stream, size);
    bytes.SetPosition(0);
    glyph_->LoadFromStream(bytes);
}

void TButtonGlyph::WriteData(TStream& stream) const {
    TMemoryStream bytes;
    glyph_->SaveToStream(bytes);
    stream.WriteInt32(static_cast<std::int32_t>(bytes.Size()));
    stream.WriteBuffer(bytes.Bytes().data(), bytes.Size());
}

// ---------------------------------------------------------------------------------------
// TGlyphProps

void TGlyphProps::SetGlyph(const TBitmap& glyph) {
    glyph_.Glyph()->Assign(glyph);
    changed_();
}

void TGlyphProps::SetNumGlyphs(int count) {
    glyph_.SetNumGlyphs(count);
    changed_();
}

void TGlyphProps::SetLayout(TButtonLayout layout) {
    if (ChangeField(layout_, layout)) changed_();
}

void TGlyphProps::SetMargin(int margin) {
    if (margin < -1) throw EPropertyError("Margin must be -1 or more");
    if (ChangeField(margin_, margin)) changed_();
}

void TGlyphProps::SetSpacing(int spacing) {
    if (spacing < -1) throw EPropertyError("Spacing must be -1 or more");
    if (ChangeField(spacing_, spacing)) changed_();
}

void TGlyphProps::DefineGlyph(TFiler& filer) {
    filer.DefineBinaryProperty(
        "Glyph.Data",
        [this](TStream& s) {
            glyph_.ReadData(s);
            changed_();
        },
        [this](TStream& s) { glyph_.WriteData(s); }, !glyph_.Glyph()->Empty());
}

void TGlyphProps::DrawGlyph(TCanvas& canvas, const TRect& client, const std::string& caption, TButtonState state,
                            UINT textFlags) const {
    glyph_.Draw(canvas, client, caption, layout_, margin_, spacing_, state, textFlags);
}

// ---------------------------------------------------------------------------------------
// TBitBtn

namespace {

struct KindLook {
    const char* caption;
    TModalResult result;
    bool isDefault;
    bool isCancel;
};

const KindLook& LookOf(TBitBtnKind kind) {
    static const KindLook looks[] = {
        {"", mrNone, false, false},        {"OK", mrOk, true, false},          {"Cancel", mrCancel, false, true},
        {"&Help", mrNone, false, false},   {"&Yes", mrYes, true, false},       {"&No", mrNo, false, true},
        {"&Close", mrNone, false, false},  {"Abort", mrAbort, false, true},    {"&Retry", mrRetry, false, false},
        {"&Ignore", mrIgnore, false, false}, {"&All", mrNone, false, false},
    };
    return looks[kind];
}

// A temporary canvas over a device context that someone else owns.
struct BorrowedCanvas {
    TCanvas canvas;
    BorrowedCanvas(HDC dc, const TFont& font) {
        canvas.SetHandle(dc);
        canvas.SetFont(font);
    }
    ~BorrowedCanvas() { canvas.SetHandle(nullptr); }
};

}  // namespace

const TClassInfo& TBitBtn::StaticClass() {
    using C = TBitBtn;
    using P = TProps<C>;
    static const TClassInfo info("TBitBtn", &TButton::StaticClass(), Creator<C>(),
                                 {
                                     P::Object("Glyph", &C::Glyph),
                                     P::Integer("NumGlyphs", &C::NumGlyphs, &C::SetNumGlyphs).Default(1),
                                     P::Enum("Layout", &C::Layout, &C::SetLayout).Default(blGlyphLeft),
                                     P::Integer("Margin", &C::Margin, &C::SetMargin).Default(-1),
                                     P::Integer("Spacing", &C::Spacing, &C::SetSpacing).Default(4),
                                     P::Enum("Kind", &C::Kind, &C::SetKind).Default(bkCustom),
                                 });
    return info;
}

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner), TGlyphProps([this] { Invalidate(); }) {}

// A kind's caption and result replace only what the previous kind had put there, so a form
// file's own caption (read before the kind) stays.
void TBitBtn::SetKind(TBitBtnKind kind) {
    const KindLook& before = LookOf(kind_);
    const KindLook& after = LookOf(kind);
    kind_ = kind;
    if (Caption().empty() || Caption() == before.caption) SetCaption(after.caption);
    if (ModalResult() == mrNone || ModalResult() == before.result) SetModalResult(after.result);
    if (after.isDefault) SetDefault(true);
    if (after.isCancel) SetCancel(true);
}

void TBitBtn::DefineProperties(TFiler& filer) {
    TButton::DefineProperties(filer);
    DefineGlyph(filer);
}

void TBitBtn::CreateParams(TCreateParams& p) {
    TButton::CreateParams(p);
    p.Style = (p.Style & ~BS_TYPEMASK) | BS_OWNERDRAW;
}

void TBitBtn::WndProc(TMessage& m) {
    switch (m.Msg) {
        case BM_SETSTYLE:
            // The default-button look is drawn here; the window must stay owner-drawn.
            m.WParam = (m.WParam & ~BS_TYPEMASK) | BS_OWNERDRAW;
            break;
        case CN_BASE + WM_DRAWITEM:
            DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam));
            m.Result = TRUE;
            return;
        default:
            break;
    }
    TButton::WndProc(m);
}

void TBitBtn::Click() {
    TButton::Click();
    if (kind_ == bkClose)
        if (TCustomForm* form = GetParentForm(this)) form->Close();
}

void TBitBtn::DrawItem(const DRAWITEMSTRUCT& item) {
    BorrowedCanvas borrowed(item.hDC, *Font());
    TCanvas& canvas = borrowed.canvas;
    TRect r = item.rcItem;
    const bool pressed = item.itemState & ODS_SELECTED;
    const bool focused = item.itemState & ODS_FOCUS;
    if (Default() || focused) {
        canvas.Brush()->SetColor(clWindowFrame);
        FrameRect(canvas.Handle(), &r, canvas.Brush()->Handle());
        InflateRect(&r, -1, -1);
    }
    DrawFrameControl(canvas.Handle(), &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
    TRect content = r;
    InflateRect(&content, -2, -2);
    if (pressed) OffsetRect(&content, 1, 1);
    const TButtonState state = !Enabled() ? bsDisabled : pressed ? bsDown : bsUp;
    DrawGlyph(canvas, content, Caption(), state, UseRightToLeftReading() ? DT_RTLREADING : 0);
    if (focused) {
        InflateRect(&r, -2, -2);
        DrawFocusRect(canvas.Handle(), &r);
    }
}

// ---------------------------------------------------------------------------------------
// TSpeedButton

const TClassInfo& TSpeedButton::StaticClass() {
    using C = TSpeedButton;
    using P = TProps<C>;
    static const TClassInfo info("TSpeedButton", &TGraphicControl::StaticClass(), Creator<C>(),
                                 {
                                     P::String("Caption", &C::Caption, &C::SetCaption),
                                     P::Integer("GroupIndex", &C::GroupIndex, &C::SetGroupIndex).Default(0),
                                     P::Boolean("AllowAllUp", &C::AllowAllUp, &C::SetAllowAllUp).Default(false),
                                     P::Boolean("Down", &C::Down, &C::SetDown).Default(false),
                                     P::Boolean("Flat", &C::Flat, &C::SetFlat).Default(false),
                                     P::Object("Glyph", &C::Glyph),
                                     P::Integer("NumGlyphs", &C::NumGlyphs, &C::SetNumGlyphs).Default(1),
                                     P::Enum("Layout", &C::Layout, &C::SetLayout).Default(blGlyphLeft),
                                     P::Integer("Margin", &C::Margin, &C::SetMargin).Default(-1),
                                     P::Integer("Spacing", &C::Spacing, &C::SetSpacing).Default(4),
                                 });
    return info;
}

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner), TGlyphProps([this] { Invalidate(); }) {
    SetBounds(0, 0, 23, 22);
}

void TSpeedButton::DefineProperties(TFiler& filer) {
    TGraphicControl::DefineProperties(filer);
    DefineGlyph(filer);
}

// Only a grouped button stays down.
void TSpeedButton::SetDown(bool on) {
    if (groupIndex_ == 0) on = false;
    if (!ChangeField(down_, on)) return;
    if (down_) ReleaseGroup();
    Invalidate();
}

void TSpeedButton::SetFlat(bool on) {
    if (ChangeField(flat_, on)) Invalidate();
}

void TSpeedButton::SetGroupIndex(int index) {
    groupIndex_ = index;
    if (down_) ReleaseGroup();
}

void TSpeedButton::ReleaseGroup() {
    if (!Parent() || groupIndex_ == 0) return;
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
        auto* other = dynamic_cast<TSpeedButton*>(Parent()->Controls(i));
        if (other && other != this && other->groupIndex_ == groupIndex_ && other->down_) {
            other->down_ = false;
            other->Invalidate();
        }
    }
}

void TSpeedButton::WndProc(TMessage& m) {
    TGraphicControl::WndProc(m);
    if (m.Msg == CM_MOUSEENTER || m.Msg == CM_MOUSELEAVE || m.Msg == CM_ENABLEDCHANGED) Invalidate();
}

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TGraphicControl::MouseDown(button, shift, x, y);
    if (button != mbLeft || !Enabled()) return;
    pressed_ = true;
    Repaint();
}

// The click (raised before this by the toolkit when the button is released over the
// control) has already put a grouped button down.
void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft && pressed_) {
        pressed_ = false;
        Invalidate();
    }
    TGraphicControl::MouseUp(button, shift, x, y);
}

void TSpeedButton::Click() {
    if (groupIndex_ != 0) SetDown(!down_ || !allowAllUp_);
    TGraphicControl::Click();
}

void TSpeedButton::Paint() {
    TCanvas& canvas = *Canvas();
    TRect r = ClientRect();
    const bool sunk = pressed_ || down_;
    if (!flat_) {
        DrawFrameControl(canvas.Handle(), &r, DFC_BUTTON,
                         DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (sunk ? DFCS_PUSHED : 0) | (down_ && !pressed_ ? DFCS_CHECKED : 0));
    } else {
        canvas.Brush()->SetColor(clBtnFace);
        canvas.FillRect(r);
        if (sunk || (mouseInControl_ && Enabled())) DrawEdge(canvas.Handle(), &r, sunk ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
        InflateRect(&r, -1, -1);
    }
    if (sunk) OffsetRect(&r, 1, 1);
    const TButtonState state = !Enabled() ? bsDisabled : down_ && !pressed_ ? bsExclusive : sunk ? bsDown : bsUp;
    DrawGlyph(canvas, r, Caption(), state, UseRightToLeftReading() ? DT_RTLREADING : 0);
}

TOOLKIT_REGISTER(TBitBtn);
TOOLKIT_REGISTER(TSpeedButton);
