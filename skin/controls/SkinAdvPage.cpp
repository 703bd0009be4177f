#include "skin/controls/SkinAdvPage.h"

#include <algorithm>

#include "skin/WinSkinData.h"

namespace {

struct TBackgroundFrame {
    const char* property;
    int frame;
};
constexpr TBackgroundFrame kBackgrounds[] = {{"TabBackGround", 1}, {"TabBackGroundActive", 2}};

// Frame `frame` of the element's frames side by side, as a bitmap of its own.
void CopyFrame(const TDataSkinObject& element, int frame, TBitmap& target) {
    const int width = element.Image.Width() / std::max(1, element.FrameCount);
    const int height = element.Image.Height();
    target.SetPixelFormat(pf24bit);
    target.SetSize(width, height);
    BitBlt(target.Canvas()->Handle(), 0, 0, width, height, element.Image.Canvas()->Handle(), (frame - 1) * width, 0,
           SRCCOPY);
}

}  // namespace

TSkinAdvPage::~TSkinAdvPage() = default;

TBitmap* TSkinAdvPage::Background(const std::string& property) const {
    if (!Control()) return nullptr;
    return dynamic_cast<TBitmap*>(GetObjectProp(*Control(), property));
}

void TSkinAdvPage::Attached() {
    const TDataSkinObject* tabs = Skin().Element(seTabs);
    if (!tabs || tabs->Image.Empty()) return;
    for (const TBackgroundFrame& background : kBackgrounds) {
        TBitmap* target = Background(background.property);
        if (!target) continue;
        auto original = std::make_unique<TBitmap>();
        original->Assign(*target);
        saved_.push_back({background.property, std::move(original)});
        CopyFrame(*tabs, background.frame, *target);
    }
}

void TSkinAdvPage::Detach() {
    for (const TSavedBackground& saved : saved_)
        if (TBitmap* target = Background(saved.property)) target->Assign(*saved.bitmap);
    saved_.clear();
    Invalidate();
    TSkinControl::Detach();
}
