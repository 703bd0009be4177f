#include <gtest/gtest.h>

#include "toolkit/Image.h"

using namespace pelmar::image;

namespace {

// A bottom-up view over memory whose first row is the bottom of the picture.
TEST(PixelView, BottomUpRowsCountFromTheTop) {
    std::vector<std::uint8_t> memory(RowStride(2, 24) * 3, 0);
    memory[0] = 0x11;                      // memory row 0 = bottom row
    memory[2 * RowStride(2, 24)] = 0x33;   // memory row 2 = top row
    const PixelView view(memory.data(), 2, 3, 24, RowOrder::BottomUp);
    EXPECT_EQ(view.Row(0), memory.data() + 2 * RowStride(2, 24));
    EXPECT_EQ(view.Pixel(0, 0), 0x33u);
    EXPECT_EQ(view.Pixel(0, 2), 0x11u);
    view.SetPixel(1, 1, 0xFF445566);  // the alpha byte has no place in 24 bits
    const std::uint8_t* middle = memory.data() + RowStride(2, 24) + 3;
    EXPECT_EQ(middle[0], 0x66);
    EXPECT_EQ(middle[2], 0x44);
    EXPECT_EQ(view.Pixel(1, 1), 0x00445566u);
}

TEST(PixelView, OutsideTheImageIsRefused) {
    PixelBuffer image(3, 2, 32);
    EXPECT_THROW(image.Row(2), std::out_of_range);
    EXPECT_THROW(image.Row(-1), std::out_of_range);
    EXPECT_THROW(image.Pixel(3, 0), std::out_of_range);
    EXPECT_THROW(image.SetPixel(-1, 0, 0), std::out_of_range);
}

TEST(PixelView, SizesAndDepthsWeCannotHoldAreRefused) {
    EXPECT_THROW(PixelBuffer(2, 2, 16), EInvalidGraphic);
    EXPECT_THROW(PixelBuffer(-1, 2, 24), EInvalidGraphic);
    EXPECT_THROW(PixelBuffer(kMaxSide + 1, 1, 24), EInvalidGraphic);
    EXPECT_THROW(PixelBuffer(20000, 20000, 24), EInvalidGraphic);
    EXPECT_THROW(PixelView(nullptr, 1, 1, 24, RowOrder::TopDown), EInvalidGraphic);
}

TEST(PixelView, CopyConvertsBetweenDepthsAndOrders) {
    PixelBuffer source(3, 2, 32, RowOrder::BottomUp);
    source.SetPixel(0, 0, 0x80102030);
    source.SetPixel(2, 1, 0x7F405060);
    PixelBuffer target(3, 2, 24);
    target.View().CopyFrom(source.View());
    EXPECT_EQ(target.Pixel(0, 0), 0x00102030u);
    EXPECT_EQ(target.Pixel(2, 1), 0x00405060u);
    EXPECT_THROW(target.View().CopyFrom(PixelBuffer(2, 3, 24).View()), EInvalidGraphic);
}

TEST(PixelBuffer, CopiesOwnTheirPixelsAndMovesLeaveEmpty) {
    PixelBuffer a(2, 2, 24);
    a.SetPixel(1, 1, 0x123456);
    PixelBuffer b = a;
    b.SetPixel(1, 1, 0x654321);
    EXPECT_EQ(a.Pixel(1, 1), 0x123456u);
    PixelBuffer c = std::move(a);
    EXPECT_EQ(c.Pixel(1, 1), 0x123456u);
    EXPECT_TRUE(a.View().Empty());  // NOLINT(bugprone-use-after-move): moved-from state is specified
    b = c;
    EXPECT_EQ(b.Pixel(1, 1), 0x123456u);
}

}  // namespace
