#include "image/TgaDecoder.h"

#include <algorithm>
#include <cstdlib>

#include "image/TgaPixels.h"
#include "image/TgaRowOrder.h"

int TgaDecoder::Prepare(TgaImage& image) const
{
    FreeImage(image);
    image.loaded = false;
    image.width = header.width;
    image.height = header.height;
    image.bytesPerPixel = header.BytesPerPixel();
    if (!header.HasLegalWidth() || !header.HasLegalHeight())
        return TgaBadSize;
    // Refused before any allocation: a picture of an unsupported kind needs
    // no buffer.
    if (!header.HasReadableFormat())
        return TgaUnsupportedType;
    return TgaOk;
}

int TgaDecoder::Allocate(TgaImage& image) const
{
    std::size_t byteCount = std::size_t{image.width} * image.height * image.bytesPerPixel;
    image.pixels = static_cast<unsigned char*>(std::malloc(byteCount));
    return image.pixels ? TgaOk : TgaNoMemory;
}

void TgaDecoder::Decode(TgaImage& image, TgaByteSource source) const
{
    if (header.imageType == TgaHeader::kTrueColorRle)
        DecodeRunLength(image, source);
    else
        DecodeRaw(image, source);
    image.loaded = true;
}

void TgaDecoder::DecodeRaw(TgaImage& image, TgaByteSource& source) const
{
    // Each row goes straight to its place, so a top-first file needs no
    // reversal afterwards.
    std::size_t rowBytes = std::size_t{image.width} * image.bytesPerPixel;
    for (std::uint32_t row = 0; row < image.height; ++row) {
        std::uint32_t target = header.TopRowFirst() ? image.height - 1 - row : row;
        TgaPixels::Read(source, image.pixels + target * rowBytes, image.width,
                        image.bytesPerPixel);
    }
}

void TgaDecoder::DecodeRunLength(TgaImage& image, TgaByteSource& source) const
{
    const std::uint32_t bytesPerPixel = image.bytesPerPixel;
    std::size_t pixelsLeft = std::size_t{image.width} * image.height;
    std::uint8_t* to = image.pixels;
    while (pixelsLeft > 0) {
        std::uint8_t packet = source.Next();
        // Packets may cross rows; one that reaches past the end of the
        // picture (a corrupt stream) is cut at the end of the buffer.
        std::size_t count = std::min<std::size_t>((packet & 0x7F) + 1u, pixelsLeft);
        if (packet & 0x80) {
            std::uint8_t pixel[4];
            TgaPixels::Read(source, pixel, 1, bytesPerPixel);
            TgaPixels::Fill(pixel, to, count, bytesPerPixel);
        } else {
            TgaPixels::Read(source, to, count, bytesPerPixel);
        }
        to += count * bytesPerPixel;
        pixelsLeft -= count;
    }
    if (header.TopRowFirst())
        ReverseRows(image.pixels, std::size_t{image.width} * bytesPerPixel, image.height);
}

int DecodeTga(TgaImage& image, const std::uint8_t* bytes, std::size_t size)
{
    TgaHeader header = TgaHeader::Parse(bytes, size);
    TgaDecoder decoder(header);
    int code = decoder.Prepare(image);
    if (code == TgaOk)
        code = decoder.Allocate(image);
    if (code != TgaOk)
        return code;
    decoder.Decode(image, TgaByteSource(bytes, size, header.PixelDataOffset()));
    return TgaOk;
}
