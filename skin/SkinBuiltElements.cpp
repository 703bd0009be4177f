// Elements the parse builds from others: the combo box images, the combo arrow and the
// toolbar background.
#include <algorithm>

#include "skin/ImgUtil.h"
#include "skin/SkinCompose.h"
#include "skin/SkinDefinitionParse.h"

namespace {

constexpr int kComboWidth = 50;
constexpr int kComboHeight = 21;
constexpr int kArrowSide = 17;

TDataSkinObject& CreatedOnce(std::unique_ptr<TDataSkinObject>& slot, const char* name) {
    if (!slot) slot = std::make_unique<TDataSkinObject>(name);
    return *slot;
}

}  // namespace

void TSkinDefinitionParse::BuildComboImages() {
    TDataSkinObject* sunk = data_.Element(seSunkEdge);
    TDataSkinObject* combo = data_.Element(seComboButton);
    if (!sunk || !combo) return;
    const TDataSkinObject* extra = data_.Element(seExtraImages);
    const int s = GetSystemMetrics(SM_CXHSCROLL) + 2;
    const int n = sunk->FrameCount;

    TBitmap result;
    result.SetPixelFormat(pf24bit);
    result.SetSize(kComboWidth * n, kComboHeight);
    FillBitmapRect(result, Rect(0, 0, result.Width(), kComboHeight), clFuchsia);
    TBitmap work;
    work.SetPixelFormat(pf24bit);
    work.SetSize(kComboWidth, kComboHeight);
    const TRect button = Rect(kComboWidth - s, 0, kComboWidth, kComboHeight);
    for (int i = 1; i <= n; ++i) {
        // Every frame starts from magenta, so that nothing of the previous frame shows
        // through where the sunk edge is transparent.
        FillBitmapRect(work, Rect(0, 0, kComboWidth, kComboHeight), clFuchsia);
        DrawElementFrame(work, Rect(0, 0, kComboWidth, kComboHeight), *sunk, i, sunk->Trans != 0);
        DrawElementFrame(work, button, *combo, i, true);
        if (extra && extra->Image.Height() > 0) {
            const int x = button.left + (s - FrameWidth(*extra)) / 2;
            const int y = (kComboHeight - extra->Image.Height()) / 2;
            DrawElementFrameAt(work, x, y, *extra, i);
        }
        FillBitmapRect(work, Rect(2, 2, kComboWidth - 1 - s, kComboHeight - 3), clFuchsia);
        CopyBitmapRect(work, Rect(0, 0, kComboWidth, kComboHeight), result, kComboWidth * (i - 1), 0);
    }

    combo->Style = 2;
    combo->LeftWidth = 2;
    combo->TopHeight = sunk->TopHeight;
    combo->RightWidth = s + 2;
    combo->BottomHeight = sunk->BottomHeight;
    combo->Image.Assign(result);
    MirrorBitmap(result);
    sunk->Image.Assign(result);
    sunk->LeftWidth = s + 2;
    sunk->RightWidth = 2;
}

void TSkinDefinitionParse::BuildComboArrow() {
    TDataSkinObject& arrow = CreatedOnce(data_.comboxArrow_, "ComboxArrow");
    const TDataSkinObject* sunk = data_.Element(seSunkEdge);
    const TDataSkinObject* combo = data_.Element(seComboButton);
    if (!combo) return;
    if (sunk && combo->Style == 2) {
        const int n = sunk->FrameCount;
        const int c = combo->Image.Width() / n;
        TBitmap image;
        image.SetPixelFormat(pf24bit);
        image.SetSize(kArrowSide * n, kArrowSide);
        for (int i = 1; i <= n; ++i)
            CopyBitmapRect(combo->Image, Bounds(i * c - 19, 2, kArrowSide, kArrowSide), image, kArrowSide * (i - 1), 0);
        arrow.Image.Assign(image);
        arrow.FrameCount = n;
    } else if (!sunk) {
        arrow.Image.Assign(combo->Image);
        // Resolved first: a system-colour reference taken as written would paint the
        // arrow's background nearly black.
        ReplaceMagenta(arrow.Image, ColorToRGB(data_.colours_.ButtonFace));
        arrow.FrameCount = combo->FrameCount;
    }
}

void TSkinDefinitionParse::BuildToolbar(TColor frameColour) {
    TDataSkinObject& toolbar = CreatedOnce(data_.toolbar_, "Toolbar");
    const TColor f = ColorToRGB(frameColour);
    const TColor top = BlendColours(data_.colours_.ButtonFace, clWhite, 150);
    TColor bottom = BlendColours(clGray, f, 150);
    const int saturation = ColourSaturation(f);
    if (saturation > 110) bottom = BlendColours(f, clWhite, ((225 - saturation) * 25) / 140 + 50);
    TBitmap image;
    image.SetPixelFormat(pf24bit);
    image.SetSize(10, 40);
    GradientFill(image.Canvas()->Handle(), Rect(0, 0, 10, 40), top, true, bottom);
    toolbar.Image.Assign(image);
    toolbar.FrameCount = 1;
}
