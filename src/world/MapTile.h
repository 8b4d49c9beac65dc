#pragma once

#include <cstdint>

// One cell of a tile layer: which tile sheet (an OpenGL texture name, 0 for
// an empty cell) and which of its 16 x 16 cells, row-major from the top-left.
struct MapTile {
    std::uint8_t texture = 0;
    std::uint8_t cell = 0;
};
