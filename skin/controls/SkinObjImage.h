#pragma once
// TSkinObjImage: check boxes and radio buttons of other libraries, which draw their marks
// from glyph properties of their own (Win32).
//
// The skinner paints nothing itself: it hands the skin's check glyph (modes 1 and 3) or radio
// glyph (mode 2) to the control, with magenta as its transparent colour, and on Detach gives
// the control back the glyph and the settings it had.
//   modes 1 and 2: "CustomGlyphs", switched on by "UseCustomGlyphs" and "TransparentColor";
//   mode 3:        "Glyph" of the control's "Properties".

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "skin/controls/WinSubClass.h"

class TSkinObjImage : public TSkinControl {
public:
    void Detach() override;

protected:
    void Attached() override;

private:
    TBitmap* ControlGlyph() const;
    TBitmap& SkinGlyph() const;

    std::unique_ptr<TBitmap> savedGlyph_;
    std::vector<std::pair<std::string, std::string>> savedSettings_;
};
