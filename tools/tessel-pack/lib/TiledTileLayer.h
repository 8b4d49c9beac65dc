#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A tile layer: global tile ids row by row, flip bits still set.
struct TiledTileLayer {
    std::string name;
    int line = 0;
    long long width = 0;
    long long height = 0;
    bool visible = true;
    double opacity = 1.0;
    std::vector<std::uint32_t> gids;
};
