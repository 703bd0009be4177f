#include "toolkit/ImgList.h"

const TClassInfo& TImageList::StaticClass() {
    using C = TImageList;
    using P = TProps<C>;
    static const TClassInfo info("TImageList", &TComponent::StaticClass(), Creator<C>(),
                                 {
                                     P::Integer("Height", &C::Height, &C::SetHeight).Default(16),
                                     P::Integer("Width", &C::Width, &C::SetWidth).Default(16),
                                 });
    return info;
}

TOOLKIT_REGISTER(TImageList);

TImageList::TImageList(TComponent* owner) : TComponent(owner) {
    list_ = ImageList_Create(width_, height_, ILC_COLOR24 | ILC_MASK, 4, 4);
}

TImageList::~TImageList() {
    if (list_) ImageList_Destroy(list_);
}

void TImageList::SetSize(int width, int height) {
    if (width == width_ && height == height_) return;
    if (width <= 0 || height <= 0) throw EInvalidOperation(Format("Invalid image size %d x %d", width, height));
    HIMAGELIST list = ImageList_Create(width, height, ILC_COLOR24 | ILC_MASK, 4, 4);
    if (!list) throw EInvalidOperation("Cannot create the image list");
    ImageList_Destroy(list_);
    list_ = list;
    width_ = width;
    height_ = height;
    Changed();
}

int TImageList::Count() const { return ImageList_GetImageCount(list_); }

void TImageList::CheckIndex(int index) const {
    if (index < 0 || index >= Count()) throw EListError(Format("List index out of bounds (%d)", index));
}

// The system refuses images narrower or lower than the list's size.
void TImageList::CheckAdded(int index) const {
    if (index < 0) throw EInvalidOperation("Failed to add an image to the image list");
}

int TImageList::Add(const TBitmap& image, const TBitmap* mask) {
    const int index = ImageList_Add(list_, image.Handle(), mask ? mask->Handle() : nullptr);
    CheckAdded(index);
    Changed();
    return index;
}

int TImageList::AddMasked(const TBitmap& image, TColor transparentColor) {
    TBitmap copy;  // the system blackens the transparent pixels of what it is given
    copy.Assign(image);
    const int index =
        ImageList_AddMasked(list_, copy.Handle(), static_cast<COLORREF>(ColorToRGB(transparentColor)));
    CheckAdded(index);
    Changed();
    return index;
}

void TImageList::Delete(int index) {
    CheckIndex(index);
    ImageList_Remove(list_, index);
    Changed();
}

void TImageList::Clear() {
    ImageList_Remove(list_, -1);
    Changed();
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) const {
    if (index < 0 || index >= Count()) return;
    const UINT style = ILD_TRANSPARENT | (enabled ? 0 : ILD_BLEND50);
    ImageList_DrawEx(list_, index, canvas.Handle(), x, y, 0, 0, CLR_NONE, CLR_DEFAULT, style);
}

void TImageList::GetBitmap(int index, TBitmap& image) const {
    CheckIndex(index);
    image.SetPixelFormat(pf24bit);
    image.SetSize(width_, height_);
    image.Canvas()->Brush()->SetColor(clBlack);
    image.Canvas()->FillRect(Rect(0, 0, width_, height_));
    ImageList_Draw(list_, index, image.Canvas()->Handle(), 0, 0, ILD_TRANSPARENT);
}
