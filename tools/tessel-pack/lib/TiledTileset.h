#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "lib/TiledProperties.h"

// A tileset as a Tiled map or tileset file describes it.
struct TiledTileset {
    std::string file;  // the file it was read from, as messages name it
    int line = 0;
    std::uint32_t firstGid = 0;
    bool loaded = true;  // false when its external file could not be read (already reported)
    std::string name;
    int tileWidth = 0;
    int tileHeight = 0;
    int margin = 0;
    int spacing = 0;
    bool hasImage = false;  // false for a collection of images
    std::string imagePath;     // the picture, as the tool opens it
    std::string imageDisplay;  // the picture, as messages name it
    TiledProperties properties;
    std::map<int, TiledProperties> tileProperties;  // by local tile id
};
