#pragma once
// TImageList: equally sized images drawn with a transparent colour, kept in a comctl32
// image list (Win32).

#include "platform/Win.h"
// After <windows.h>: the image list functions and HIMAGELIST.
#include <commctrl.h>

#include "toolkit/Classes.h"
#include "toolkit/Graphics.h"
#include "toolkit/TypInfo.h"

class TImageList : public TComponent {
    TOOLKIT_CLASS(TImageList, TComponent)

public:
    explicit TImageList(TComponent* owner);
    ~TImageList() override;

    // Changing the image size empties the list.
    int Width() const { return width_; }
    void SetWidth(int width) { SetSize(width, height_); }
    int Height() const { return height_; }
    void SetHeight(int height) { SetSize(width_, height); }
    void SetSize(int width, int height);

    int Count() const;
    // Adds the bitmap cut into images of Width pixels (a strip adds several), with `mask`
    // (a monochrome bitmap, white where transparent) when given. Returns the first index.
    int Add(const TBitmap& image, const TBitmap* mask = nullptr);
    // Adds the bitmap with every pixel of `transparentColor` left transparent; the bitmap
    // itself is not changed.
    int AddMasked(const TBitmap& image, TColor transparentColor);
    void Delete(int index);
    void Clear();

    // Draws image `index` at (x, y); a disabled image is drawn blended with the highlight
    // colour. An index outside the list draws nothing: painting never fails on a glyph.
    void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true) const;
    // Copies image `index` into `image`, resized to the image size; its transparent parts
    // become black.
    void GetBitmap(int index, TBitmap& image) const;

    HIMAGELIST Handle() const { return list_; }
    TNotifyEvent OnChange;

private:
    void CheckIndex(int index) const;
    void CheckAdded(int index) const;
    void Changed() { OnChange(this); }

    int width_ = 16;
    int height_ = 16;
    HIMAGELIST list_ = nullptr;
};
