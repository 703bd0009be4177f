#pragma once
// The program's form files are laid out for the designer's font, which measured 13 pixels a
// line and 211 pixels across TTextMeasures' sample; a form read where its font measures
// otherwise scales its layout (and then records this machine's measures). A size the
// windows are designed with, as a form shows it here:

#include "toolkit/Forms.h"

namespace pelmar::testing {

inline int DesignedWidth(const TCustomForm& form, int pixels) { return MulDiv(pixels, form.TextWidth(), 211); }
inline int DesignedHeight(const TCustomForm& form, int pixels) { return MulDiv(pixels, form.TextHeight(), 13); }

}  // namespace pelmar::testing
