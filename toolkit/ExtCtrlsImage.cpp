#include <algorithm>

#include "toolkit/ExtCtrls.h"

template <>
const TEnumInfo& EnumInfo<TBevelShape>() {
    static const TEnumInfo info{"TBevelShape",
                                {"bsBox", "bsFrame", "bsTopLine", "bsBottomLine", "bsLeftLine", "bsRightLine", "bsSpacer"}};
    return info;
}
template <>
const TEnumInfo& EnumInfo<TBevelStyle>() {
    static const TEnumInfo info{"TBevelStyle", {"bsLowered", "bsRaised"}};
    return info;
}

// ---------------------------------------------------------------------------------------
// TBevel

const TClassInfo& TBevel::StaticClass() {
    using C = TBevel;
    using P = TProps<C>;
    static const TClassInfo info("TBevel", &TGraphicControl::StaticClass(), Creator<C>(),
                                 {
                                     P::Enum("Shape", &C::Shape, &C::SetShape).Default(bsBox),
                                     P::Enum("Style", &C::Style, &C::SetStyle).Default(bsLowered),
                                 });
    return info;
}

TBevel::TBevel(TComponent* owner) : TGraphicControl(owner) { SetBounds(0, 0, 50, 50); }

void TBevel::SetShape(TBevelShape shape) {
    if (ChangeField(shape_, shape)) Invalidate();
}

void TBevel::SetStyle(TBevelStyle style) {
    if (ChangeField(style_, style)) Invalidate();
}

// A lowered line is a shadow with a highlight after it; a raised one the other way round.
void TBevel::Paint() {
    TCanvas& canvas = *Canvas();
    const TColor first = style_ == bsLowered ? clBtnShadow : clBtnHighlight;
    const TColor second = style_ == bsLowered ? clBtnHighlight : clBtnShadow;
    const int w = Width(), h = Height();
    auto line = [&](TColor color, int x1, int y1, int x2, int y2) {
        canvas.Pen()->SetColor(color);
        canvas.MoveTo(x1, y1);
        canvas.LineTo(x2, y2);
    };
    switch (shape_) {
        case bsBox:
        case bsFrame: {
            TRect r = Rect(0, 0, w, h);
            const UINT box = style_ == bsLowered ? BDR_SUNKENOUTER : BDR_RAISEDINNER;
            const UINT frame = style_ == bsLowered ? EDGE_ETCHED : EDGE_BUMP;
            DrawEdge(canvas.Handle(), &r, shape_ == bsBox ? box : frame, BF_RECT);
            break;
        }
        case bsTopLine:
            line(first, 0, 0, w, 0), line(second, 0, 1, w, 1);
            break;
        case bsBottomLine:
            line(first, 0, h - 2, w, h - 2), line(second, 0, h - 1, w, h - 1);
            break;
        case bsLeftLine:
            line(first, 0, 0, 0, h), line(second, 1, 0, 1, h);
            break;
        case bsRightLine:
            line(first, w - 2, 0, w - 2, h), line(second, w - 1, 0, w - 1, h);
            break;
        case bsSpacer:
            break;
    }
}

// ---------------------------------------------------------------------------------------
// TPicture

const TClassInfo& TPicture::StaticClass() {
    static const TClassInfo info("TPicture", &TPersistent::StaticClass());
    return info;
}

TPicture::TPicture(std::function<void()> changed)
    : bitmap_(std::make_unique<TBitmap>()), changed_(std::move(changed)) {}

void TPicture::Assign(const TPersistent& source) {
    if (const auto* picture = dynamic_cast<const TPicture*>(&source))
        bitmap_->Assign(*picture->bitmap_);
    else if (const auto* bitmap = dynamic_cast<const TBitmap*>(&source))
        bitmap_->Assign(*bitmap);
    else
        return TPersistent::Assign(source);
    Changed();
}

void TPicture::LoadFromFile(const std::string& fileName) {
    bitmap_->LoadFromFile(fileName);
    Changed();
}

void TPicture::ReadData(TStream& stream) {
    std::uint8_t nameLength = 0;
    stream.ReadBuffer(&nameLength, 1);
    std::string className(nameLength, '\0');
    stream.ReadBuffer(className.data(), nameLength);
    if (className != "TBitmap") throw EInvalidGraphic(Format("Unknown picture format %s", className.c_str()));
    const std::int32_t size = stream.ReadInt32();
    TMemoryStream bytes;
    bytes.CopyFrom(stream, size);
    bytes.SetPosition(0);
    bitmap_->LoadFromStream(bytes);
    Changed();
}

void TPicture::WriteData(TStream& stream) const {
    static const std::string className = "TBitmap";
    const auto nameLength = static_cast<std::uint8_t>(className.size());
    stream.WriteBuffer(&nameLength, 1);
    stream.WriteBuffer(className.data(), static_cast<std::int64_t>(className.size()));
    TMemoryStream bytes;
    bitmap_->SaveToStream(bytes);
    stream.WriteInt32(static_cast<std::int32_t>(bytes.Size()));
    stream.WriteBuffer(bytes.Bytes().data(), bytes.Size());
}

// ---------------------------------------------------------------------------------------
// TImage

const TClassInfo& TImage::StaticClass() {
    using C = TImage;
    using P = TProps<C>;
    static const TClassInfo info("TImage", &TGraphicControl::StaticClass(), Creator<C>(),
                                 {
                                     P::Object("Picture", &C::Picture),
                                     P::Boolean("AutoSize", &C::AutoSize, &C::SetAutoSize).Default(false),
                                     P::Boolean("Center", &C::Center, &C::SetCenter).Default(false),
                                     P::Boolean("Stretch", &C::Stretch, &C::SetStretch).Default(false),
                                     P::Boolean("Proportional", &C::Proportional, &C::SetProportional).Default(false),
                                     P::Boolean("Transparent", &C::Transparent, &C::SetTransparent).Default(false),
                                 });
    return info;
}

TImage::TImage(TComponent* owner)
    : TGraphicControl(owner), picture_(std::make_unique<TPicture>([this] { PictureChanged(); })) {
    SetBounds(0, 0, 105, 105);
}

TImage::~TImage() = default;

void TImage::DefineProperties(TFiler& filer) {
    TGraphicControl::DefineProperties(filer);
    filer.DefineBinaryProperty(
        "Picture.Data", [this](TStream& s) { picture_->ReadData(s); },
        [this](TStream& s) { picture_->WriteData(s); }, !picture_->Bitmap()->Empty());
}

void TImage::PictureChanged() {
    picture_->Bitmap()->SetTransparent(transparent_);
    if (autoSize_ && !picture_->Bitmap()->Empty())
        SetBounds(Left(), Top(), picture_->Bitmap()->Width(), picture_->Bitmap()->Height());
    Invalidate();
}

void TImage::SetAutoSize(bool on) {
    autoSize_ = on;
    PictureChanged();
}

void TImage::SetCenter(bool on) {
    if (ChangeField(center_, on)) Invalidate();
}

void TImage::SetStretch(bool on) {
    if (ChangeField(stretch_, on)) Invalidate();
}

void TImage::SetProportional(bool on) {
    if (ChangeField(proportional_, on)) Invalidate();
}

void TImage::SetTransparent(bool on) {
    transparent_ = on;
    PictureChanged();
}

TRect TImage::DestRect() const {
    const TBitmap& b = *picture_->Bitmap();
    int w = b.Width(), h = b.Height();
    if (stretch_ || (proportional_ && (w > Width() || h > Height()))) {
        if (proportional_ && w > 0 && h > 0) {
            // The larger scale that still fits both sides.
            const bool widthBound = static_cast<long long>(Width()) * h <= static_cast<long long>(Height()) * w;
            const int fitW = widthBound ? Width() : w * Height() / h;
            const int fitH = widthBound ? h * Width() / w : Height();
            w = fitW, h = fitH;
        } else {
            w = Width(), h = Height();
        }
    }
    if (!center_) return Bounds(0, 0, w, h);
    return Bounds((Width() - w) / 2, (Height() - h) / 2, w, h);
}

void TImage::Paint() {
    if (picture_->Bitmap()->Empty()) return;
    Canvas()->StretchDraw(DestRect(), *picture_->Bitmap());
}

TOOLKIT_REGISTER(TBevel);
TOOLKIT_REGISTER(TImage);
