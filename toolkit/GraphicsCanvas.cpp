// TCanvas: drawing on a device context with the canvas's own font, brush and pen.
#include "toolkit/Graphics.h"

const TClassInfo& TCanvas::StaticClass() {
    static const TClassInfo info("TCanvas", &TPersistent::StaticClass());
    return info;
}

TCanvas::TCanvas()
    : font_(std::make_unique<TFont>()), brush_(std::make_unique<TBrush>()), pen_(std::make_unique<TPen>()) {
    // A changed tool is remade by its owner: take the old one out of the context first, as
    // GDI does not delete an object that is still selected.
    const auto toolChanged = [this](TObject*) { DeselectTools(); };
    font_->OnChange = toolChanged;
    brush_->OnChange = toolChanged;
    pen_->OnChange = toolChanged;
}

TCanvas::~TCanvas() { DeselectTools(); }

HDC TCanvas::Handle() {
    if (!dc_) CreateHandle();
    return dc_;
}

void TCanvas::SetHandle(HDC dc) {
    if (dc == dc_) return;
    DeselectTools();
    dc_ = dc;
}

void TCanvas::SelectTools() {
    oldFont_ = SelectObject(dc_, font_->Handle());
    oldBrush_ = SelectObject(dc_, brush_->Handle());
    oldPen_ = SelectObject(dc_, pen_->Handle());
    SetTextColor(dc_, static_cast<COLORREF>(ColorToRGB(font_->Color())));
    SetBkColor(dc_, static_cast<COLORREF>(ColorToRGB(brush_->Color())));
    SetBkMode(dc_, brush_->Style() == bsClear ? TRANSPARENT : OPAQUE);
    toolsSelected_ = true;
}

void TCanvas::DeselectTools() {
    if (!toolsSelected_) return;
    SelectObject(dc_, oldFont_);
    SelectObject(dc_, oldBrush_);
    SelectObject(dc_, oldPen_);
    toolsSelected_ = false;
}

HDC TCanvas::DrawingHandle() {
    if (!Handle()) throw EInvalidGraphicOperation("Canvas does not allow drawing");
    if (!toolsSelected_) SelectTools();
    return dc_;
}

void TCanvas::FillRect(const TRect& rect) {
    HDC dc = DrawingHandle();
    ::FillRect(dc, &rect, brush_->Handle());
}

void TCanvas::FrameRect(const TRect& rect) {
    HDC dc = DrawingHandle();
    ::FrameRect(dc, &rect, brush_->Handle());
}

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
    ::Rectangle(DrawingHandle(), left, top, right, bottom);
}

void TCanvas::RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) {
    ::RoundRect(DrawingHandle(), left, top, right, bottom, cornerWidth, cornerHeight);
}

void TCanvas::Ellipse(int left, int top, int right, int bottom) {
    ::Ellipse(DrawingHandle(), left, top, right, bottom);
}

void TCanvas::Polyline(const std::vector<TPoint>& points) {
    ::Polyline(DrawingHandle(), points.data(), static_cast<int>(points.size()));
}

void TCanvas::Polygon(const std::vector<TPoint>& points) {
    ::Polygon(DrawingHandle(), points.data(), static_cast<int>(points.size()));
}

void TCanvas::MoveTo(int x, int y) { MoveToEx(DrawingHandle(), x, y, nullptr); }

void TCanvas::LineTo(int x, int y) { ::LineTo(DrawingHandle(), x, y); }

TPoint TCanvas::PenPos() {
    TPoint p{};
    GetCurrentPositionEx(DrawingHandle(), &p);
    return p;
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
    TextOutA(DrawingHandle(), x, y, text.data(), static_cast<int>(text.size()));
}

void TCanvas::TextRect(const TRect& rect, int x, int y, const std::string& text) {
    HDC dc = DrawingHandle();
    const UINT options = ETO_CLIPPED | (brush_->Style() == bsClear ? 0 : ETO_OPAQUE);
    ExtTextOutA(dc, x, y, options, &rect, text.data(), static_cast<UINT>(text.size()), nullptr);
}

SIZE TCanvas::TextExtent(const std::string& text) {
    SIZE size{};
    GetTextExtentPoint32A(DrawingHandle(), text.data(), static_cast<int>(text.size()), &size);
    return size;
}

int TCanvas::DrawText(const std::string& text, TRect& rect, UINT flags) {
    return DrawTextA(DrawingHandle(), text.data(), static_cast<int>(text.size()), &rect, flags);
}

void TCanvas::Draw(int x, int y, const TGraphic& graphic) {
    if (!graphic.Empty()) graphic.Draw(*this, Bounds(x, y, graphic.Width(), graphic.Height()));
}

void TCanvas::StretchDraw(const TRect& rect, const TGraphic& graphic) {
    if (!graphic.Empty()) graphic.Draw(*this, rect);
}

void TCanvas::CopyRect(const TRect& dest, TCanvas& source, const TRect& sourceRect) {
    HDC target = DrawingHandle();
    HDC from = source.DrawingHandle();
    StretchBlt(target, dest.left, dest.top, RectWidth(dest), RectHeight(dest), from, sourceRect.left,
               sourceRect.top, RectWidth(sourceRect), RectHeight(sourceRect), copyMode_);
}

TRect TCanvas::ClipRect() {
    TRect rect{};
    GetClipBox(DrawingHandle(), &rect);
    return rect;
}

TColor TCanvas::Pixels(int x, int y) { return static_cast<TColor>(GetPixel(DrawingHandle(), x, y)); }

void TCanvas::SetPixel(int x, int y, TColor color) {
    ::SetPixel(DrawingHandle(), x, y, static_cast<COLORREF>(ColorToRGB(color)));
}
