#include "skin/engine/FrameCache.h"

TFrameCache::TFrameCache() {
    for (TBitmap& strip : strips_) strip.SetPixelFormat(pf32bit);
}

void TFrameCache::RememberSides(const TFrameLook& look) {
    sides_ = look;
    sidesValid_ = true;
}

void TFrameCache::RememberTitle(const TFrameLook& look) {
    title_ = look;
    titleValid_ = true;
}

HDC TFrameCache::Strip(TFrameStrip strip, int width, int height) {
    TBitmap& bitmap = strips_[strip];
    if (bitmap.Width() != width || bitmap.Height() != height) bitmap.SetSize(width, height);
    return bitmap.Canvas()->Handle();
}

void TFrameCache::Show(HDC dc, const RECT& borders, int width, int height, bool withSides) {
    Copy(dc, fsTitle, RECT{0, 0, width, borders.top}, 0);
    if (!withSides) return;
    // The sides' top rows are in the title strip already.
    Copy(dc, fsLeft, RECT{0, borders.top, borders.left, height}, borders.top);
    Copy(dc, fsRight, RECT{width - borders.right, borders.top, width, height}, borders.top);
    Copy(dc, fsBottom, RECT{borders.left, height - borders.bottom, width - borders.right, height}, 0);
}

void TFrameCache::Copy(HDC dc, TFrameStrip strip, const RECT& target, int sourceTop) {
    const int width = target.right - target.left;
    const int height = target.bottom - target.top;
    if (width > 0 && height > 0)
        BitBlt(dc, target.left, target.top, width, height, strips_[strip].Canvas()->Handle(), 0, sourceTop, SRCCOPY);
}
