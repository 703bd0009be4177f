#include "skin/controls/SkinProgress.h"

#include <algorithm>
#include <commctrl.h>

#include "skin/ImgUtil.h"
#include "skin/WinSkinData.h"

namespace {

// Where chunks start inside the trough: its edge and a pixel of space, as the system's own
// bar keeps them.
constexpr int kChunkInset = 2;

const TDataSkinObject* ProgressElement(const TSkinData& skin) {
    const TDataSkinObject* bar = skin.Element(seProgress);
    return bar && !bar->Image.Empty() ? bar : nullptr;
}

}  // namespace

int TSkinProgress::FilledLength(int position, int min, int max, int length) {
    if (max <= min || length <= 0) return 0;
    return MulDiv(std::clamp(position, min, max) - min, length, max - min);
}

bool TSkinProgress::BeforeMessage(TMessage& m) {
    if (ProgressElement(Skin()) && PaintsItself(m)) return false;
    return TSkinControl::BeforeMessage(m);
}

void TSkinProgress::DrawControl(HDC dc, const RECT& rect) {
    if (!ProgressElement(Skin())) return;
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    const bool vertical = (Style() & PBS_VERTICAL) != 0;
    TBitmap bar;
    ComposeLyingDown(bar, vertical ? height : width, vertical ? width : height);
    if (vertical) RotateLeft(bar);
    BitBlt(dc, rect.left, rect.top, width, height, bar.Canvas()->Handle(), 0, 0, SRCCOPY);
}

void TSkinProgress::ComposeLyingDown(TBitmap& bar, int length, int thickness) const {
    bar.SetPixelFormat(pf24bit);
    bar.SetSize(length, thickness);
    const HDC dc = bar.Canvas()->Handle();
    const RECT whole{0, 0, length, thickness};
    const TDataSkinObject& element = *ProgressElement(Skin());
    const HWND window = Window();
    PBRANGE range{};
    SendMessageW(window, PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
    const int position = static_cast<int>(SendMessageW(window, PBM_GETPOS, 0, 0));
    FillParentFace(dc, whole);
    DrawElement(dc, whole, element, 1);
    if (element.Style != 0) {
        DrawChunks(dc, whole, position, range.iLow, range.iHigh);
        return;
    }
    const RECT fill{0, 0, FilledLength(position, range.iLow, range.iHigh, length), thickness};
    if (fill.right > 0) DrawElement(dc, fill, element, 2);
}

void TSkinProgress::DrawChunks(HDC dc, const RECT& trough, int position, int min, int max) const {
    const TDataSkinObject* chunk = Skin().Element(seProgressChunk);
    if (!chunk || chunk->Image.Empty() || chunk->FrameCount <= 0) return;
    const int chunkWidth = chunk->Image.Width() / chunk->FrameCount;
    if (chunkWidth <= 0) return;
    RECT inner = trough;
    InflateRect(&inner, -kChunkInset, -kChunkInset);
    const int end = inner.left + FilledLength(position, min, max, inner.right - inner.left);
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, inner.left, inner.top, inner.right, inner.bottom);
    for (int x = inner.left; x < end; x += chunkWidth)
        DrawElement(dc, RECT{x, inner.top, x + chunkWidth, inner.bottom}, *chunk, 1);
    RestoreDC(dc, saved);
}
