#pragma once

#include <cstdint>
#include <vector>

// A 512 x 512 picture like the game's tile sheets: 32 x 32 tiles of flat
// colour with a few specks, dithered and noisy tiles, gradients, and sprites
// on a transparent background. Rows top-down, R G B A.
struct BenchPicture {
    static const std::uint32_t kSide = 512;
    std::vector<std::uint8_t> rgba;

    static BenchPicture TileSheet();

    // The picture as a TGA file of 24 or 32 bits, uncompressed (type 2) or
    // run-length encoded (type 10), bottom row first.
    std::vector<std::uint8_t> EncodeTga(unsigned depth, bool runLength) const;
};
