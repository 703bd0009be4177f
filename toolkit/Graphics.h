#pragma once
// Drawing: colours, fonts, brushes, pens, canvases over device contexts, and bitmaps held
// in DIB sections (Win32).
//
//   TColor       0x00BBGGRR, or 0xFF0000nn for system colour nn (ColorToRGB resolves it);
//                the colour constants (clBtnFace, …) live with the property machinery.
//   TFont, TBrush, TPen   descriptions with published properties; the GDI object behind
//                each (Handle) is made on first use and remade after a change; OnChange.
//   TCanvas      drawing on a device context it does not own; its font, brush and pen are
//                selected into the context before each drawing call.
//   TBitmap      a top-down DIB section of 24 or 32 bits per pixel, ScanLine rows, its own
//                canvas, transparency, BMP files through the portable codec.
//   TIcon        an icon handle, drawn with its mask.

#include <memory>
#include <span>
#include <string>
#include <vector>

#include "platform/Win.h"
#include "toolkit/Classes.h"
#include "toolkit/BmpCodec.h"
#include "toolkit/Image.h"
#include "toolkit/TypInfo.h"

TOOLKIT_EXCEPTION(EInvalidGraphic, Exception);            // a bitmap that cannot be used
TOOLKIT_EXCEPTION(EInvalidGraphicOperation, Exception);   // drawing where it cannot be done
TOOLKIT_EXCEPTION(EResNotFound, Exception);               // "Resource %s not found"

using TRect = RECT;
using TPoint = POINT;
inline TRect Rect(int left, int top, int right, int bottom) { return TRect{left, top, right, bottom}; }
inline TRect Bounds(int left, int top, int width, int height) {
    return TRect{left, top, left + width, top + height};
}
inline TPoint Point(int x, int y) { return TPoint{x, y}; }
inline int RectWidth(const TRect& r) { return r.right - r.left; }
inline int RectHeight(const TRect& r) { return r.bottom - r.top; }

// The RGB value of a colour: system colours through GetSysColor, others unchanged.
TColor ColorToRGB(TColor color);
// Logical pixels per inch of the screen (font sizes in points convert through it).
int ScreenPixelsPerInch();

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;
enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };
enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };
enum TTransparentMode { tmAuto, tmFixed };

template <>
const TEnumInfo& EnumInfo<TFontStyle>();
template <>
const TEnumInfo& EnumInfo<TBrushStyle>();
template <>
const TEnumInfo& EnumInfo<TPenStyle>();
template <>
const TEnumInfo& EnumInfo<TPixelFormat>();
template <>
const TEnumInfo& EnumInfo<TTransparentMode>();

// A font, brush or pen: a description plus the GDI object made from it on demand.
class TGraphicsObject : public TPersistent {
    TOOLKIT_CLASS(TGraphicsObject, TPersistent)

public:
    ~TGraphicsObject() override;
    // The GDI object for the current description; owned by this object.
    HGDIOBJ ObjectHandle() const;
    TNotifyEvent OnChange;

protected:
    // Tells the listener, who may already ask for the new object (a window given the font);
    // the old object is deleted only afterwards, once a canvas has taken it out of its
    // context, as GDI does not delete an object that is still selected.
    void Changed();
    virtual HGDIOBJ CreateObject() const = 0;

private:
    mutable HGDIOBJ handle_ = nullptr;
};

class TFont : public TGraphicsObject {
    TOOLKIT_CLASS(TFont, TGraphicsObject)

public:
    TFont();
    HFONT Handle() const { return static_cast<HFONT>(ObjectHandle()); }
    // Takes the description of `font` (face, height, style, charset) and frees the handle:
    // the font then owns an equal one of its own.
    void SetHandle(HFONT font);

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name);
    // Height in pixels: negative for the character height, positive for the cell height.
    int Height() const { return height_; }
    void SetHeight(int height);
    // Size in points, derived from Height and the screen's pixels per inch.
    int Size() const;
    void SetSize(int points);
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles style);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    int Charset() const { return charset_; }
    void SetCharset(int charset);

    void Assign(const TPersistent& source) override;

protected:
    HGDIOBJ CreateObject() const override;

private:
    std::string name_ = "MS Sans Serif";
    int height_ = -11;
    TFontStyles style_;
    TColor color_ = clWindowText;
    int charset_ = DEFAULT_CHARSET;
};

class TBrush : public TGraphicsObject {
    TOOLKIT_CLASS(TBrush, TGraphicsObject)

public:
    HBRUSH Handle() const { return static_cast<HBRUSH>(ObjectHandle()); }
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle style);
    void Assign(const TPersistent& source) override;

protected:
    HGDIOBJ CreateObject() const override;

private:
    TColor color_ = clWhite;
    TBrushStyle style_ = bsSolid;
};

class TPen : public TGraphicsObject {
    TOOLKIT_CLASS(TPen, TGraphicsObject)

public:
    HPEN Handle() const { return static_cast<HPEN>(ObjectHandle()); }
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    int Width() const { return width_; }
    void SetWidth(int width);
    TPenStyle Style() const { return style_; }
    void SetStyle(TPenStyle style);
    void Assign(const TPersistent& source) override;

protected:
    HGDIOBJ CreateObject() const override;

private:
    TColor color_ = clBlack;
    int width_ = 1;
    TPenStyle style_ = psSolid;
};

class TCanvas;

// Something that draws itself into a rectangle of a canvas (bitmaps, icons).
class TGraphic : public TPersistent {
    TOOLKIT_CLASS(TGraphic, TPersistent)

public:
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    bool Empty() const { return Width() == 0 || Height() == 0; }
    virtual void Draw(TCanvas& canvas, const TRect& rect) const = 0;

    TNotifyEvent OnChange;

protected:
    void Changed() { OnChange(this); }
};

class TCanvas : public TPersistent {
    TOOLKIT_CLASS(TCanvas, TPersistent)

public:
    TCanvas();
    ~TCanvas() override;

    // The device context drawn on; the canvas does not own it. Setting another (or null)
    // first takes the canvas's font, brush and pen out of the old one.
    HDC Handle();
    void SetHandle(HDC dc);
    bool HandleAllocated() const { return dc_ != nullptr; }

    TFont* Font() const { return font_.get(); }
    TBrush* Brush() const { return brush_.get(); }
    TPen* Pen() const { return pen_.get(); }
    void SetFont(const TFont& font) { font_->Assign(font); }
    void SetBrush(const TBrush& brush) { brush_->Assign(brush); }
    void SetPen(const TPen& pen) { pen_->Assign(pen); }
    // The raster operation of Draw, StretchDraw and CopyRect (SRCCOPY unless set).
    DWORD CopyMode() const { return copyMode_; }
    void SetCopyMode(DWORD mode) { copyMode_ = mode; }

    void FillRect(const TRect& rect);
    void FrameRect(const TRect& rect);
    void Rectangle(int left, int top, int right, int bottom);
    void Rectangle(const TRect& rect) { Rectangle(rect.left, rect.top, rect.right, rect.bottom); }
    void RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
    void Ellipse(int left, int top, int right, int bottom);
    void Polyline(const std::vector<TPoint>& points);
    // A closed shape outlined with the pen and filled with the brush.
    void Polygon(const std::vector<TPoint>& points);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    TPoint PenPos();

    void TextOut(int x, int y, const std::string& text);
    // Text clipped to `rect`, its background filled unless the brush is clear.
    void TextRect(const TRect& rect, int x, int y, const std::string& text);
    SIZE TextExtent(const std::string& text);
    int TextWidth(const std::string& text) { return TextExtent(text).cx; }
    int TextHeight(const std::string& text) { return TextExtent(text).cy; }
    // DrawText with its DT_… flags; with DT_CALCRECT `rect` receives the size. Returns the
    // height of the text.
    int DrawText(const std::string& text, TRect& rect, UINT flags);

    void Draw(int x, int y, const TGraphic& graphic);
    void StretchDraw(const TRect& rect, const TGraphic& graphic);
    void CopyRect(const TRect& dest, TCanvas& source, const TRect& sourceRect);

    // The part of the context that drawing can reach.
    TRect ClipRect();

    TColor Pixels(int x, int y);
    void SetPixel(int x, int y, TColor color);

protected:
    // Called when drawing needs a context and none is set (a bitmap makes a memory context).
    virtual void CreateHandle() {}

private:
    HDC DrawingHandle();  // the context with the canvas's current tools selected
    void SelectTools();
    void DeselectTools();

    HDC dc_ = nullptr;
    bool toolsSelected_ = false;
    HGDIOBJ oldFont_ = nullptr;
    HGDIOBJ oldBrush_ = nullptr;
    HGDIOBJ oldPen_ = nullptr;
    DWORD copyMode_ = SRCCOPY;
    std::unique_ptr<TFont> font_;
    std::unique_ptr<TBrush> brush_;
    std::unique_ptr<TPen> pen_;
};

class TBitmapCanvas;

class TBitmap : public TGraphic {
    TOOLKIT_CLASS(TBitmap, TGraphic)

public:
    TBitmap();
    ~TBitmap() override;

    int Width() const override { return view_.Width(); }
    int Height() const override { return view_.Height(); }
    void SetWidth(int width) { SetSize(width, Height()); }
    void SetHeight(int height) { SetSize(Width(), height); }
    // Keeps the pixels of the part that old and new size share; new pixels are black.
    void SetSize(int width, int height);

    // pf24bit or pf32bit (pfDevice means pf24bit); pixels are converted.
    TPixelFormat PixelFormat() const { return view_.BitsPerPixel() == 32 ? pf32bit : pf24bit; }
    void SetPixelFormat(TPixelFormat format);

    // Row y from the top (EInvalidGraphic outside 0..Height-1); finishes pending GDI drawing
    // first so that the row shows it.
    std::uint8_t* ScanLine(int y) const;
    // All pixels at once, rows from the top.
    const pelmar::image::PixelView& Pixels() const;

    TCanvas* Canvas() const;
    // The DIB section. Taking it hands the bitmap to other GDI code, so the canvas lets go
    // of it first.
    HBITMAP Handle() const;

    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    // With tmAuto, the colour of the bottom-left pixel; setting it switches to tmFixed.
    TColor TransparentColor() const;
    void SetTransparentColor(TColor color);
    TTransparentMode TransparentMode() const { return transparentMode_; }
    void SetTransparentMode(TTransparentMode mode);

    void Draw(TCanvas& canvas, const TRect& rect) const override;
    void Assign(const TPersistent& source) override;
    // Reads a bitmap file from the stream's position to its end; on a refused file the
    // bitmap stays as it was.
    void LoadFromStream(TStream& stream);
    void SaveToStream(TStream& stream) const;
    void LoadFromFile(const std::string& fileName);
    // The file is written in one piece once the whole image is encoded.
    void SaveToFile(const std::string& fileName) const;
    // A bitmap resource (RT_BITMAP) of the module.
    void LoadFromResourceName(HINSTANCE instance, const std::string& name);
    // Frees the pixels; the bitmap becomes empty.
    void Clear();

private:
    friend class TBitmapCanvas;
    class Dib;
    // Takes over `dib` as the bitmap's pixels, freeing the old ones.
    void Adopt(Dib&& dib);
    void LoadFromBytes(std::span<const std::uint8_t> bytes, pelmar::image::BmpContainer container);
    void ReleaseCanvasHandle() const;
    int BitsPerPixel() const { return view_.BitsPerPixel(); }

    HBITMAP dib_ = nullptr;
    pelmar::image::PixelView view_;
    mutable std::unique_ptr<TBitmapCanvas> canvas_;
    bool transparent_ = false;
    TColor transparentColor_ = clDefault;
    TTransparentMode transparentMode_ = tmAuto;
};

class TIcon : public TGraphic {
    TOOLKIT_CLASS(TIcon, TGraphic)

public:
    TIcon() = default;
    ~TIcon() override;

    HICON Handle() const { return icon_; }
    // Takes ownership of `icon` (the previous one is destroyed).
    void SetHandle(HICON icon);
    // Gives up ownership: the caller destroys the returned icon.
    HICON ReleaseHandle();
    int Width() const override { return width_; }
    int Height() const override { return height_; }

    void Draw(TCanvas& canvas, const TRect& rect) const override;
    void Assign(const TPersistent& source) override;
    // An icon resource (RT_GROUP_ICON) of the module, at the given size (0: the system's
    // large icon size).
    void LoadFromResourceName(HINSTANCE instance, const std::string& name, int size = 0);

private:
    HICON icon_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};
