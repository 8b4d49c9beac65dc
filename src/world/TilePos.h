#pragma once

#include <cstdint>

// A tile of the map as answered by the tile queries. `valid` is false when
// the question has no tile for an answer (outside the map, no such kind).
struct TilePos {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool valid = false;

    // Positions are compared by their coordinates only.
    bool operator==(const TilePos& o) const { return x == o.x && y == o.y; }
    bool operator!=(const TilePos& o) const { return !(*this == o); }
};
