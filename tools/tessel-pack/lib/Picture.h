#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A picture in memory: rows from the top, each pixel R, G, B and, with four
// channels, A.
struct Picture {
    int width = 0;
    int height = 0;
    int channels = 0;  // 3 or 4
    std::vector<std::uint8_t> pixels;

    // The largest side a TGA file (16-bit sides) can hold, and the largest
    // the game takes.
    static const int kMaxSide = 65535;
    static const int kLargestGameSide = 512;

    // Reads a PNG or TGA file (or any picture stb_image reads). Grey
    // pictures become RGB, grey with alpha RGBA. A picture whose header
    // declares a side above `maxSide` is refused before it is decoded. On
    // failure `error` says why.
    static bool Load(const std::string& path, Picture& picture, std::string& error, int maxSide = kMaxSide);

    // The game takes sides of 1, 2, 4, ... 512 pixels.
    static bool IsGameSide(int side);

    // A TGA file as the game reads it: run-length encoded true colour
    // (type 10), 24 or 32 bits, rows from the bottom, no packet crossing a
    // row.
    std::vector<std::uint8_t> Tga() const;

    // A PNG file of the picture.
    std::vector<std::uint8_t> Png() const;
};
