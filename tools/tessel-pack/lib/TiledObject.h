#pragma once

#include <cstdint>
#include <string>

#include "lib/TiledProperties.h"

// An object of an object layer. Positions are in pixels; a tile object
// (gid not 0) is anchored at its bottom-left corner, any other at its
// top-left corner.
struct TiledObject {
    int line = 0;
    long long id = 0;
    std::string name;
    std::string cls;  // "type" up to Tiled 1.8, "class" in 1.9
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
    std::uint32_t gid = 0;
    TiledProperties properties;
};
