#pragma once
// TSkinProgress: a progress bar from the skin's Progress element (Win32). A Progress of
// Style 0 holds two frames, the trough and the fill, and the fill is laid over as much of
// the trough as the position reaches; another style holds the trough alone, and chunks of
// Progress.Chunk, each as wide as its image, fill it from the start, kept 2 pixels inside
// the trough's edge. Everything is composed lying down, left to right, and a vertical bar
// (PBS_VERTICAL) is that picture turned a quarter anticlockwise, so that it fills upwards.
// Without a Progress bitmap the bar paints itself.

#include "skin/controls/WinSubClass.h"

class TSkinProgress : public TSkinControl {
public:
    // How many of `length` pixels a bar at `position` within min..max fills.
    static int FilledLength(int position, int min, int max, int length);

protected:
    bool BeforeMessage(TMessage& message) override;
    void DrawControl(HDC dc, const RECT& rect) override;

private:
    // The bar lying down, filling from the left, in a bitmap of length x thickness.
    void ComposeLyingDown(TBitmap& bar, int length, int thickness) const;
    void DrawChunks(HDC dc, const RECT& trough, int position, int min, int max) const;
};
