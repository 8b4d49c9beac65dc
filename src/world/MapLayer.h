#pragma once

#include <cstdint>

#include "world/Grid.h"
#include "world/MapTile.h"

// One tile layer of a map, indexed [x][y]; layer 0 is drawn first.
class MapLayer : public Grid<MapTile> {
public:
    MapLayer() = default;
    MapLayer(std::uint16_t width, std::uint16_t height) : Grid<MapTile>(width, height) {}
};
