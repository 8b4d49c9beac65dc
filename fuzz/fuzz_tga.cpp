// TGA decoding: a picture is either refused with nothing loaded, or read with
// the header's legal sizes and a pixel buffer of exactly that many pixels.
#include "FuzzCheck.h"
#include "image/TgaDecoder.h"
#include "image/TgaHeader.h"
#include "image/TgaImage.h"
#include "image/TgaResult.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TgaImage image;
    const int code = DecodeTga(image, data, size);
    const TgaHeader header = TgaHeader::Parse(data, size);
    if (code == TgaOk) {
        FUZZ_CHECK(image.loaded && image.pixels);
        FUZZ_CHECK(image.width == header.width && image.height == header.height);
        FUZZ_CHECK(TgaHeader::IsLegalSide(image.width) && TgaHeader::IsLegalSide(image.height));
        FUZZ_CHECK(image.bytesPerPixel == header.BytesPerPixel());
        // Touch every byte, so that a short buffer is found by the sanitizer.
        volatile std::uint8_t sum = 0;
        for (std::size_t i = 0; i < std::size_t(image.width) * image.height * image.bytesPerPixel; ++i)
            sum = static_cast<std::uint8_t>(sum + image.pixels[i]);
    } else {
        FUZZ_CHECK(!image.loaded);
    }
    FreeImage(image);
    return 0;
}
