#pragma once

#include <string>
#include <vector>

#include "lib/TiledObject.h"
#include "lib/TiledProperties.h"
#include "lib/TiledTileLayer.h"
#include "lib/TiledTileset.h"

// What a Tiled map says, whichever file format it came in: the readers of
// TMX and JSON maps fill it, the conversion to a map file reads it.
struct TiledSource {
    std::string file;  // as messages name it
    int line = 0;      // of the map element
    std::string orientation;
    bool infinite = false;
    long long width = 0;
    long long height = 0;
    long long tileWidth = 0;
    long long tileHeight = 0;
    TiledProperties properties;
    std::vector<TiledTileset> tilesets;
    // Every tile layer, group layers flattened, bottom layer first.
    std::vector<TiledTileLayer> layers;
    // The objects of every object layer, in file order.
    std::vector<TiledObject> objects;
};
