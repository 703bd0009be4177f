#include "PaintedPixel.h"

TColor PaintedPixel(TControl& control, int x, int y) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, control.Width(), control.Height());
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    if (auto* windowed = dynamic_cast<TWinControl*>(&control))
        SendMessageA(windowed->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    else
        control.Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc));
    const auto pixel = static_cast<TColor>(GetPixel(dc, x, y));
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return pixel;
}
