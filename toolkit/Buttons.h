#pragma once
// Buttons with glyphs (Win32).
//
//   TButtonGlyph  a glyph strip of NumGlyphs frames (up, disabled, down, stuck down) and how
//                 it sits beside a caption: Layout names the glyph's side, Margin its distance
//                 from that edge (-1 centres glyph and caption together), Spacing the gap to
//                 the caption (-1 centres the caption in the room left). The glyph's
//                 bottom-left pixel is its transparent colour.
//   TBitBtn       a push button that draws a glyph beside its caption (an owner-drawn BUTTON
//                 window, so it clicks, focuses and takes Enter as any button). Kind gives
//                 the usual dialog buttons their caption, modal result and Default/Cancel.
//   TSpeedButton  a windowless button, painted by its parent. With a GroupIndex it stays
//                 down once clicked and releases the others of its group (of the same parent);
//                 AllowAllUp lets a click release the one that is down. Flat shows its edge
//                 only while the pointer is over it.

#include <functional>
#include <memory>
#include <string>

#include "toolkit/Controls.h"
#include "toolkit/StdCtrls.h"

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };
enum TBitBtnKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };

template <>
const TEnumInfo& EnumInfo<TButtonLayout>();
template <>
const TEnumInfo& EnumInfo<TBitBtnKind>();

class TButtonGlyph {
public:
    TButtonGlyph();
    TBitmap* Glyph() const { return glyph_.get(); }
    int NumGlyphs() const { return numGlyphs_; }
    // Raises EPropertyError outside 1..4.
    void SetNumGlyphs(int count);
    // One frame's size (0 x 0 without a glyph).
    SIZE FrameSize() const;

    struct TPlacement {
        TRect glyph;
        TRect text;
    };
    // Where the glyph and the caption (measured in `dc`'s font) go in `client`.
    TPlacement Place(HDC dc, const TRect& client, const std::string& caption, TButtonLayout layout, int margin,
                     int spacing) const;
    // The same for any glyph and caption sizes (0 x 0 for none): glyph buttons that take
    // their glyph from elsewhere lay it out as these do.
    static TPlacement Place(const TRect& client, SIZE glyph, SIZE text, TButtonLayout layout, int margin,
                            int spacing);
    // Draws the frame of `state` and the caption; `textFlags` adds DT_RTLREADING and such.
    void Draw(TCanvas& canvas, const TRect& client, const std::string& caption, TButtonLayout layout, int margin,
              int spacing, TButtonState state, UINT textFlags) const;
    // The glyph as form files keep it ("Glyph.Data"): its byte count, then a bitmap file.
    void ReadData(TStream& stream);
    void WriteData(TStream& stream) const;

private:
    std::unique_ptr<TBitmap> glyph_;
    int numGlyphs_ = 1;
};

// The glyph properties both glyph buttons publish.
class TGlyphProps {
public:
    explicit TGlyphProps(std::function<void()> changed) : changed_(std::move(changed)) {}
    virtual ~TGlyphProps() = default;
    TBitmap* Glyph() const { return glyph_.Glyph(); }
    void SetGlyph(const TBitmap& glyph);
    int NumGlyphs() const { return glyph_.NumGlyphs(); }
    void SetNumGlyphs(int count);
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout layout);
    int Margin() const { return margin_; }
    void SetMargin(int margin);
    int Spacing() const { return spacing_; }
    void SetSpacing(int spacing);

protected:
    void DefineGlyph(TFiler& filer);
    void DrawGlyph(TCanvas& canvas, const TRect& client, const std::string& caption, TButtonState state,
                   UINT textFlags) const;

private:
    TButtonGlyph glyph_;
    TButtonLayout layout_ = blGlyphLeft;
    int margin_ = -1;
    int spacing_ = 4;
    std::function<void()> changed_;
};

class TBitBtn : public TButton, public TGlyphProps {
    TOOLKIT_CLASS(TBitBtn, TButton)

public:
    explicit TBitBtn(TComponent* owner);

    TBitBtnKind Kind() const { return kind_; }
    void SetKind(TBitBtnKind kind);
    void DefineProperties(TFiler& filer) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;
    void Click() override;

private:
    void DrawItem(const DRAWITEMSTRUCT& item);

    TBitBtnKind kind_ = bkCustom;
};

class TSpeedButton : public TGraphicControl, public TGlyphProps {
    TOOLKIT_CLASS(TSpeedButton, TGraphicControl)

public:
    explicit TSpeedButton(TComponent* owner);

    bool Down() const { return down_; }
    // Putting a grouped button down releases the others of its group.
    void SetDown(bool on);
    bool Flat() const { return flat_; }
    void SetFlat(bool on);
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int index);
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool on) { allowAllUp_ = on; }
    void DefineProperties(TFiler& filer) override;

protected:
    void Paint() override;
    void WndProc(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void Click() override;

private:
    void ReleaseGroup();

    bool down_ = false;
    bool flat_ = false;
    int groupIndex_ = 0;
    bool allowAllUp_ = false;
    bool pressed_ = false;  // the left button went down on it and is still held
};
