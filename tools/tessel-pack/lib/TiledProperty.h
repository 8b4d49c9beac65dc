#pragma once

#include <string>

// One custom property of a Tiled map, tileset, tile, layer or object, with
// its value as text whatever its type ("12", "true", "gauche").
struct TiledProperty {
    std::string name;
    std::string type;  // "string", "int", "bool", "float", ...
    std::string value;
    int line = 0;      // 0 where the source has no lines (JSON)
};
