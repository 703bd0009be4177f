#pragma once
// TSkinBitButton: glyph buttons, drawn as the push button is but with the control's own glyph
// beside its caption, laid out by the control's "Layout", "Margin" and "Spacing" as the
// toolkit's glyph buttons lay theirs out (Win32).
//
// The glyph is the control's "Glyph" strip of "NumGlyphs" frames (up, disabled, down, stuck
// down), else image "ImageIndex" of its "Images" list; in mode 1 the picture in "PngImage".

#include "skin/controls/SkinButton.h"
#include "toolkit/Buttons.h"

class TGraphic;
class TImageList;

class TSkinBitButton : public TSkinButton {
protected:
    RECT DrawContent(HDC dc, const RECT& area, int frame) const override;
    // Which frame of a glyph strip shows for the element's frame.
    virtual ::TButtonState GlyphState(int frame) const;

private:
    // Where the glyph comes from: one of the three is set, or none.
    struct TGlyphSource {
        TBitmap* strip = nullptr;
        int frames = 1;
        TImageList* images = nullptr;
        int index = -1;
        TGraphic* picture = nullptr;

        SIZE Size() const;
        void Draw(HDC dc, POINT at, ::TButtonState state) const;
    };
    TGlyphSource Glyph() const;
    TButtonLayout Layout() const;
};
