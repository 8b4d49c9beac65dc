#pragma once

#include <cstdint>
#include <vector>

#include "support/TestPicture.h"

// Writes TGA files byte by byte, so that tests can craft exactly the file
// they need, well-formed or not.
class TgaFileBuilder {
public:
    TgaFileBuilder(std::uint8_t imageType, std::uint16_t width, std::uint16_t height,
                   std::uint8_t pixelDepth, std::uint8_t descriptor = 0);

    // An image ID field of these bytes (and its length in the header).
    TgaFileBuilder& Id(const std::vector<std::uint8_t>& id);
    TgaFileBuilder& Bytes(const std::vector<std::uint8_t>& bytes);
    // One pixel as the file stores it: B, G, R and, at 32 bits, A.
    TgaFileBuilder& Pixel(const PicturePixel& p);
    // A run-length packet repeating one pixel `count` (1..128) times.
    TgaFileBuilder& Run(unsigned count, const PicturePixel& p);
    // A literal packet of 1..128 pixels.
    TgaFileBuilder& Literal(const std::vector<PicturePixel>& pixels);

    // The whole picture, uncompressed, in the row order the descriptor gives.
    TgaFileBuilder& RawPicture(const TestPicture& picture);
    // The whole picture run-length encoded (runs of equal pixels, literals
    // elsewhere, packets crossing rows), in the descriptor's row order.
    TgaFileBuilder& RunLengthPicture(const TestPicture& picture);

    std::vector<std::uint8_t> Build() const;

private:
    std::vector<PicturePixel> InFileOrder(const TestPicture& picture) const;

    std::vector<std::uint8_t> header;
    std::vector<std::uint8_t> id;
    std::vector<std::uint8_t> body;
};
