#include "image/TgaHeader.h"

namespace {
std::uint8_t ByteAt(const std::uint8_t* bytes, std::size_t size, std::size_t offset)
{
    return offset < size ? bytes[offset] : 255;
}

std::uint16_t WordAt(const std::uint8_t* bytes, std::size_t size, std::size_t offset)
{
    return static_cast<std::uint16_t>(ByteAt(bytes, size, offset) |
                                      ByteAt(bytes, size, offset + 1) << 8);
}
}  // namespace

TgaHeader TgaHeader::Parse(const std::uint8_t* bytes, std::size_t size)
{
    TgaHeader header;
    header.idLength = ByteAt(bytes, size, 0);
    header.imageType = ByteAt(bytes, size, 2);
    header.width = WordAt(bytes, size, 12);
    header.height = WordAt(bytes, size, 14);
    header.pixelDepth = ByteAt(bytes, size, 16);
    header.descriptor = ByteAt(bytes, size, 17);
    return header;
}

bool TgaHeader::HasReadableFormat() const
{
    // The depth itself must be 24 or 32: a depth such as 28 would give 3
    // bytes per pixel, but it does not describe a picture stored that way.
    return (imageType == kTrueColor || imageType == kTrueColorRle) &&
           (pixelDepth == 24 || pixelDepth == 32);
}

std::size_t TgaHeader::EncodedSizeLimit() const
{
    std::size_t pixelCount = std::size_t{width} * height;
    // Run-length data is largest when every packet is a one-pixel literal:
    // one header byte per pixel on top of the pixel itself.
    std::size_t bytesPerEncodedPixel = BytesPerPixel() + (imageType == kTrueColorRle ? 1 : 0);
    return PixelDataOffset() + pixelCount * bytesPerEncodedPixel;
}

bool TgaHeader::IsLegalSide(std::uint32_t side)
{
    return side >= 1 && side <= 512 && (side & (side - 1)) == 0;
}
