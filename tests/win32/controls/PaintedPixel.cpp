#include "PaintedPixel.h"

TColor PaintedPixel(TControl& control, int x, int y) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, control.Width(), control.Height());
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    const auto target = reinterpret_cast<WPARAM>(dc);
    if (auto* windowed = dynamic_cast<TWinControl*>(&control)) {
        SendMessageA(windowed->Handle(), WM_PRINTCLIENT, target, PRF_CLIENT | PRF_ERASEBKGND);
    } else {
        control.Perform(WM_PAINT, target);
    }
    const auto pixel = static_cast<TColor>(GetPixel(dc, x, y));
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return pixel;
}
