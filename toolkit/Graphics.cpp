// Colours and the drawing tools: fonts, brushes and pens.
#include "toolkit/Graphics.h"

#include <cstring>
#include <utility>

TColor ColorToRGB(TColor color) {
    if ((static_cast<std::uint32_t>(color) & 0xFF000000u) == static_cast<std::uint32_t>(clSystemColor))
        return static_cast<TColor>(GetSysColor(color & 0xFF));
    return color;
}

int ScreenPixelsPerInch() {
    static const int pixelsPerInch = [] {
        HDC screen = GetDC(nullptr);
        const int value = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
        return value > 0 ? value : 96;
    }();
    return pixelsPerInch;
}

template <>
const TEnumInfo& EnumInfo<TFontStyle>() {
    static const TEnumInfo info{"TFontStyle", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}};
    return info;
}
template <>
const TEnumInfo& EnumInfo<TBrushStyle>() {
    static const TEnumInfo info{"TBrushStyle", {"bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal",
                                                "bsBDiagonal", "bsCross", "bsDiagCross"}};
    return info;
}
template <>
const TEnumInfo& EnumInfo<TPenStyle>() {
    static const TEnumInfo info{"TPenStyle", {"psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear",
                                              "psInsideFrame"}};
    return info;
}
template <>
const TEnumInfo& EnumInfo<TPixelFormat>() {
    static const TEnumInfo info{"TPixelFormat", {"pfDevice", "pf1bit", "pf4bit", "pf8bit", "pf15bit", "pf16bit",
                                                 "pf24bit", "pf32bit", "pfCustom"}};
    return info;
}
template <>
const TEnumInfo& EnumInfo<TTransparentMode>() {
    static const TEnumInfo info{"TTransparentMode", {"tmAuto", "tmFixed"}};
    return info;
}

// ---------------------------------------------------------------------------------------
// TGraphicsObject

const TClassInfo& TGraphicsObject::StaticClass() {
    static const TClassInfo info("TGraphicsObject", &TPersistent::StaticClass());
    return info;
}

TGraphicsObject::~TGraphicsObject() {
    if (handle_) DeleteObject(handle_);
}

HGDIOBJ TGraphicsObject::ObjectHandle() const {
    if (!handle_) handle_ = CreateObject();
    return handle_;
}

void TGraphicsObject::Changed() {
    HGDIOBJ old = std::exchange(handle_, nullptr);
    OnChange(this);
    if (old) DeleteObject(old);
}

// ---------------------------------------------------------------------------------------
// TFont

const TClassInfo& TFont::StaticClass() {
    using C = TFont;
    using P = TProps<C>;
    static const TClassInfo info("TFont", &TGraphicsObject::StaticClass(), nullptr,
                                 {
                                     P::Integer("Charset", &C::Charset, &C::SetCharset).Default(DEFAULT_CHARSET),
                                     P::Color("Color", &C::Color, &C::SetColor).Default(clWindowText),
                                     P::Integer("Height", &C::Height, &C::SetHeight),
                                     P::String("Name", &C::Name, &C::SetName),
                                     P::Integer("Size", &C::Size, &C::SetSize).Stored(false),
                                     P::Set("Style", &C::Style, &C::SetStyle).Default(0),
                                 });
    return info;
}

TFont::TFont() = default;

void TFont::SetName(const std::string& name) {
    if (!name.empty()) if (ChangeField(name_, name)) Changed();
}

void TFont::SetHeight(int height) { if (ChangeField(height_, height)) Changed(); }

int TFont::Size() const { return -MulDiv(height_, 72, ScreenPixelsPerInch()); }

void TFont::SetSize(int points) { SetHeight(-MulDiv(points, ScreenPixelsPerInch(), 72)); }

void TFont::SetStyle(TFontStyles style) { if (ChangeField(style_, style)) Changed(); }

void TFont::SetColor(TColor color) { if (ChangeField(color_, color)) Changed(); }

void TFont::SetCharset(int charset) { if (ChangeField(charset_, charset)) Changed(); }

void TFont::SetHandle(HFONT font) {
    LOGFONTA lf{};
    if (!font || !GetObjectA(font, sizeof(lf), &lf)) throw EInvalidGraphic("Invalid font handle");
    DeleteObject(font);
    name_ = lf.lfFaceName;
    height_ = lf.lfHeight;
    style_ = TFontStyles();
    if (lf.lfWeight >= FW_BOLD) style_.Include(fsBold);
    if (lf.lfItalic) style_.Include(fsItalic);
    if (lf.lfUnderline) style_.Include(fsUnderline);
    if (lf.lfStrikeOut) style_.Include(fsStrikeOut);
    charset_ = lf.lfCharSet;
    Changed();
}

void TFont::Assign(const TPersistent& source) {
    const auto* font = dynamic_cast<const TFont*>(&source);
    if (!font) return TGraphicsObject::Assign(source);
    name_ = font->name_;
    height_ = font->height_;
    style_ = font->style_;
    color_ = font->color_;
    charset_ = font->charset_;
    Changed();
}

HGDIOBJ TFont::CreateObject() const {
    LOGFONTA lf{};
    lf.lfHeight = height_;
    lf.lfWeight = style_.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = style_.Contains(fsItalic);
    lf.lfUnderline = style_.Contains(fsUnderline);
    lf.lfStrikeOut = style_.Contains(fsStrikeOut);
    lf.lfCharSet = static_cast<BYTE>(charset_);
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH;
    std::strncpy(lf.lfFaceName, name_.c_str(), LF_FACESIZE - 1);
    return CreateFontIndirectA(&lf);
}

// ---------------------------------------------------------------------------------------
// TBrush

const TClassInfo& TBrush::StaticClass() {
    using C = TBrush;
    using P = TProps<C>;
    static const TClassInfo info("TBrush", &TGraphicsObject::StaticClass(), nullptr,
                                 {
                                     P::Color("Color", &C::Color, &C::SetColor).Default(clWhite),
                                     P::Enum("Style", &C::Style, &C::SetStyle).Default(bsSolid),
                                 });
    return info;
}

void TBrush::SetColor(TColor color) { if (ChangeField(color_, color)) Changed(); }

void TBrush::SetStyle(TBrushStyle style) { if (ChangeField(style_, style)) Changed(); }

void TBrush::Assign(const TPersistent& source) {
    const auto* brush = dynamic_cast<const TBrush*>(&source);
    if (!brush) return TGraphicsObject::Assign(source);
    color_ = brush->color_;
    style_ = brush->style_;
    Changed();
}

HGDIOBJ TBrush::CreateObject() const {
    static constexpr LONG kHatches[] = {0, 0, HS_HORIZONTAL, HS_VERTICAL, HS_FDIAGONAL, HS_BDIAGONAL, HS_CROSS,
                                        HS_DIAGCROSS};
    LOGBRUSH lb{};
    lb.lbColor = static_cast<COLORREF>(ColorToRGB(color_));
    lb.lbStyle = style_ == bsSolid ? BS_SOLID : style_ == bsClear ? BS_HOLLOW : BS_HATCHED;
    lb.lbHatch = static_cast<ULONG_PTR>(kHatches[style_]);
    return CreateBrushIndirect(&lb);
}

// ---------------------------------------------------------------------------------------
// TPen

const TClassInfo& TPen::StaticClass() {
    using C = TPen;
    using P = TProps<C>;
    static const TClassInfo info("TPen", &TGraphicsObject::StaticClass(), nullptr,
                                 {
                                     P::Color("Color", &C::Color, &C::SetColor).Default(clBlack),
                                     P::Enum("Style", &C::Style, &C::SetStyle).Default(psSolid),
                                     P::Integer("Width", &C::Width, &C::SetWidth).Default(1),
                                 });
    return info;
}

void TPen::SetColor(TColor color) { if (ChangeField(color_, color)) Changed(); }

void TPen::SetWidth(int width) {
    if (width >= 0) if (ChangeField(width_, width)) Changed();
}

void TPen::SetStyle(TPenStyle style) { if (ChangeField(style_, style)) Changed(); }

void TPen::Assign(const TPersistent& source) {
    const auto* pen = dynamic_cast<const TPen*>(&source);
    if (!pen) return TGraphicsObject::Assign(source);
    color_ = pen->color_;
    width_ = pen->width_;
    style_ = pen->style_;
    Changed();
}

HGDIOBJ TPen::CreateObject() const {
    static constexpr int kStyles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT, PS_NULL, PS_INSIDEFRAME};
    return CreatePen(kStyles[style_], width_, static_cast<COLORREF>(ColorToRGB(color_)));
}

// ---------------------------------------------------------------------------------------
// TGraphic

const TClassInfo& TGraphic::StaticClass() {
    static const TClassInfo info("TGraphic", &TPersistent::StaticClass());
    return info;
}
