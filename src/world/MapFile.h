#pragma once

#include <cstdint>
#include <vector>

#include "world/CNpc.h"
#include "world/Grid.h"
#include "world/MapLayer.h"
#include "world/MapTexture.h"
#include "world/TileEvent.h"

// Everything a .map file holds, as read from it, before it becomes the
// current map. Reading a file needs no window or OpenGL: the pictures are
// only named here.
struct MapFile {
    std::uint16_t width = 0;
    std::uint16_t height = 0;
    std::uint8_t layerCount = 0;
    std::vector<MapTexture> textures;
    std::vector<CNpc> npcs;
    std::vector<MapLayer> layers;
    // 0 = blocked, anything else = walkable.
    Grid<std::uint8_t> walkability;
    Grid<TileEvent> events;
    std::uint16_t startScript = 0;
};
