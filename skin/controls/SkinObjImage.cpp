#include "skin/controls/SkinObjImage.h"

#include "skin/WinSkinData.h"

namespace {

constexpr int kCellMode = 3;
constexpr int kRadioMode = 2;

}  // namespace

TBitmap* TSkinObjImage::ControlGlyph() const {
    if (!Control()) return nullptr;
    return dynamic_cast<TBitmap*>(GetObjectProp(*Control(), Mode() == kCellMode ? "Properties.Glyph" : "CustomGlyphs"));
}

TBitmap& TSkinObjImage::SkinGlyph() const {
    return Mode() == kRadioMode ? Skin().Button().RadioImage : Skin().Button().CheckImage;
}

void TSkinObjImage::Attached() {
    TBitmap* glyph = ControlGlyph();
    if (!glyph || SkinGlyph().Empty()) return;
    savedGlyph_ = std::make_unique<TBitmap>();
    savedGlyph_->Assign(*glyph);
    glyph->Assign(SkinGlyph());
    glyph->SetTransparentColor(clFuchsia);
    if (Mode() == kCellMode) return;
    const std::pair<const char*, const char*> settings[] = {{"UseCustomGlyphs", "True"},
                                                            {"TransparentColor", "clFuchsia"}};
    for (const auto& [name, value] : settings)
        if (const std::optional<std::string> previous = Prop(name)) {
            savedSettings_.emplace_back(name, *previous);
            SetProp(name, value);
        }
}

void TSkinObjImage::Detach() {
    TSkinControl::Detach();
    for (const auto& [name, previous] : savedSettings_) SetProp(name, previous);
    savedSettings_.clear();
    if (!savedGlyph_) return;
    if (TBitmap* glyph = ControlGlyph()) glyph->Assign(*savedGlyph_);
    savedGlyph_.reset();
    Invalidate();
}
