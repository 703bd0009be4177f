// Painting a skinned window's frame under Wine: the four border parts of an 800 x 600
// window from our default skin, and the whole frame of such a skinned window (borders, title
// bar, caption, buttons), composed into a memory device context, against the
// baseline of one BitBlt of the whole window's area between two memory contexts. A frame
// that costs no more than that one copy never makes a repaint feel slower than an
// unskinned window's double buffer.
//
// Usage: bench_paint [skin file]; without one, the default skin the build packed.

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "bench/bench_win32_measure.h"
#include "skin/WinSkinData.h"
#include "skin/engine/SkinManage.h"
#include "skin/engine/SkinPaint.h"
#include "skin/engine/WinSkinForm.h"
#include "toolkit/Forms.h"

using namespace pelmar::bench;

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;

int FrameSize(const TBitmap& image, int frames, bool stacked) {
    if (frames <= 0) return 0;
    return (stacked ? image.Height() : image.Width()) / frames;
}

void PaintBorderParts(HDC dc, TSkinData& skin, bool active) {
    TDataSkinBorder& left = skin.Border(0);
    TDataSkinBorder& right = skin.Border(1);
    TDataSkinBorder& title = skin.Border(2);
    TDataSkinBorder& bottom = skin.Border(3);
    const int l = FrameSize(left.Image, left.FrameCount, false);
    const int r = FrameSize(right.Image, right.FrameCount, false);
    const int t = FrameSize(title.Image, title.FrameCount, true);
    const int b = FrameSize(bottom.Image, bottom.FrameCount, true);
    DrawBorderPart(dc, Rect(0, 0, l, kHeight), left, bpLeft, active);
    DrawBorderPart(dc, Rect(kWidth - r, 0, kWidth, kHeight), right, bpRight, active);
    DrawBorderPart(dc, Rect(l, kHeight - b, kWidth - r, kHeight), bottom, bpBottom, active);
    DrawBorderPart(dc, Rect(l, 0, kWidth - r, t), title, bpTitle, active);
}

// The window's size in the screen's own format, as a window's off-screen buffer is.
void MakeScreenLike(TBitmap& bitmap) {
    bitmap.SetPixelFormat(pf32bit);
    bitmap.SetSize(kWidth, kHeight);
}

// A form of the window's size, skinned by the manager as the program's windows are.
TWinSkinForm* SkinnedWindow(const std::string& path) {
    auto* form = new TForm(nullptr);
    form->SetCaption("Pelmar - Tarvik 2006");
    form->SetBounds(0, 0, kWidth, kHeight);
    auto* data = new TSkinData(form);
    data->Loaded();
    data->SetSkinFile(path);
    form->Show();
    Application->ProcessMessages();
    data->SetActive(true);
    SkinManager()->CommandTimer();
    Application->ProcessMessages();
    SetWindowPos(form->Handle(), nullptr, 0, 0, kWidth, kHeight, SWP_NOMOVE | SWP_NOZORDER);
    Application->ProcessMessages();
    return SkinManager()->FindFormSkinner(form->Handle());
}

// Milliseconds from the skin file to element records, the best of a few loads.
double LoadMilliseconds(const std::string& path) {
    double best = 1e30;
    for (int i = 0; i < 5; ++i) {
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        TSkinData data(nullptr);
        data.SetSkinFile(path);
        QueryPerformanceCounter(&end);
        best = std::min(best, Seconds(start, end) * 1000);
    }
    return best;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string path = argc > 1 ? argv[1] : PELMAR_DEFAULT_SKIN;
    TSkinData skin(nullptr);
    skin.SetSkinFile(path);
    if (skin.Empty()) {
        std::fprintf(stderr, "bench_paint: cannot load the skin \"%s\"\n", path.c_str());
        return 1;
    }
    TBitmap window, buffer;
    MakeScreenLike(window);
    MakeScreenLike(buffer);
    HDC windowDc = window.Canvas()->Handle();
    HDC bufferDc = buffer.Canvas()->Handle();

    TWinSkinForm* frame = SkinnedWindow(path);
    if (!frame) {
        std::fprintf(stderr, "bench_paint: the test window was not skinned\n");
        return 1;
    }
    std::vector<Line> lines = {
        {"one BitBlt of 800 x 600", [&] { BitBlt(windowDc, 0, 0, kWidth, kHeight, bufferDc, 0, 0, SRCCOPY); }},
        {"four border parts, active", [&] { PaintBorderParts(windowDc, skin, true); }},
        {"four border parts, inactive", [&] { PaintBorderParts(windowDc, skin, false); }},
        {"PaintFrame, frame unchanged", [&] { frame->PaintFrame(windowDc); }},
        // Every call composes twice: the window goes inactive and active again, and each
        // message paints the window's own frame too, so this line counts four paints.
        {"deactivated and reactivated", [&] {
             SendMessageA(frame->Handle(), WM_NCACTIVATE, FALSE, 0);
             frame->PaintFrame(windowDc);
             SendMessageA(frame->Handle(), WM_NCACTIVATE, TRUE, 0);
             frame->PaintFrame(windowDc);
         }},
    };
    Measure(lines);
    std::printf("800 x 600 window, ratio to one BitBlt of its whole area (goal: at most 1):\n");
    for (std::size_t i = 1; i < lines.size(); ++i)
        std::printf("  %-30s %6.2f\n", lines[i].what, lines[i].best / lines[0].best);
    std::printf("Loading the skin file to element records: %.1f ms (goal: under 30 ms)\n", LoadMilliseconds(path));
    DestroySkinManager();
    return 0;
}
