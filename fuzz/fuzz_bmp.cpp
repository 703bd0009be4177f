// Feeds arbitrary bytes to the BMP reader, as a file and as a bitmap resource. Whatever it
// accepts must survive a write and a second read unchanged.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "toolkit/BmpCodec.h"

using namespace pelmar::image;

static void RoundTrip(const PixelBuffer& image) {
    const PixelBuffer again = DecodeBmp(EncodeBmp(image.View()));
    if (again.Width() != image.Width() || again.Height() != image.Height()) std::abort();
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            if (again.Pixel(x, y) != image.Pixel(x, y)) std::abort();
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    for (BmpContainer container : {BmpContainer::File, BmpContainer::PackedDib}) {
        try {
            RoundTrip(DecodeBmp(bytes, container));
        } catch (const EInvalidGraphic&) {
        }
    }
    return 0;
}
