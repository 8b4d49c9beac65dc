#pragma once

#include <cstddef>
#include <cstdint>

// The fields of the 18-byte TGA header that the engine reads. The colour-map
// fields and the origin fields are not used.
struct TgaHeader {
    static const std::size_t kSize = 18;
    static const std::uint8_t kTrueColor = 2;
    static const std::uint8_t kTrueColorRle = 10;

    std::uint8_t idLength = 0;
    std::uint8_t imageType = 0;
    std::uint16_t width = 0;
    std::uint16_t height = 0;
    std::uint8_t pixelDepth = 0;
    std::uint8_t descriptor = 0;

    // Takes the header from the first bytes of a file of `size` bytes. A
    // file shorter than the header reads as if it went on with bytes of 255,
    // as every read past the end of a TGA file does.
    static TgaHeader Parse(const std::uint8_t* bytes, std::size_t size);

    std::uint32_t BytesPerPixel() const { return pixelDepth / 8u; }
    // Bit 5 of the descriptor: the file stores the top row first.
    bool TopRowFirst() const { return (descriptor & 0x20) != 0; }
    // The pixel data is taken to follow the ID field directly.
    std::size_t PixelDataOffset() const { return kSize + idLength; }

    bool HasLegalWidth() const { return IsLegalSide(width); }
    bool HasLegalHeight() const { return IsLegalSide(height); }
    // Uncompressed or run-length true colour of 24 or 32 bits.
    bool HasReadableFormat() const;

    // The most bytes of the file, header included, that decoding a picture
    // with this header can use: nothing past this needs reading. Only
    // meaningful for a header with legal sides and a readable format.
    std::size_t EncodedSizeLimit() const;

    // 1, 2, 4, ... 512.
    static bool IsLegalSide(std::uint32_t side);
};
