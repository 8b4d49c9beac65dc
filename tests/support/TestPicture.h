#pragma once

#include <cstdint>
#include <vector>

// A picture as a test draws it: rows top-down, each pixel R, G, B, A.
struct PicturePixel {
    std::uint8_t r = 0, g = 0, b = 0, a = 255;
    bool operator==(const PicturePixel& o) const
    {
        return r == o.r && g == o.g && b == o.b && a == o.a;
    }
};

struct TestPicture {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::vector<PicturePixel> pixels;  // top row first

    const PicturePixel& At(std::uint32_t x, std::uint32_t y) const { return pixels[y * width + x]; }

    // Flat areas (long runs), horizontal gradients and noise (literal
    // packets), and, when `withAlpha`, alpha varying across the picture.
    static TestPicture Tiles(std::uint32_t width, std::uint32_t height, bool withAlpha,
                             std::uint32_t seed);

    // The bytes ReadTga should hold for this picture: rows bottom-up,
    // R G B [A].
    std::vector<std::uint8_t> MemoryBottomUp(std::uint32_t bytesPerPixel) const;
    // The same bytes as R G B A, top row first (the order a raw file for an
    // outside encoder takes).
    std::vector<std::uint8_t> BytesTopDown(std::uint32_t bytesPerPixel) const;
};
