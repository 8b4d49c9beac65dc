#pragma once

#include <map>
#include <string>
#include <utility>

#include "lib/Diagnostics.h"
#include "lib/TiledPropertyCheck.h"
#include "lib/TiledSource.h"
#include "world/MapFile.h"

// The objects and map properties of a Tiled map, by the conventions of
// docs/tiled-maps.md: objects of class npc become the map's characters,
// action and step rectangles the scripts of the tiles they cover, the map
// property start_script the map's start script. `map` has its size and
// grids already.
class TiledObjectConverter {
public:
    TiledObjectConverter(const TiledSource& source, Diagnostics& diagnostics);

    void Convert(MapFile& map);

private:
    void ConvertNpc(const TiledObject& object, MapFile& map);
    void ConvertTileScripts(const TiledObject& object, bool action, MapFile& map);
    void ConvertMapProperties(MapFile& map);
    void Error(int line, const std::string& message) { diagnostics.Error(source.file, line, 0, message); }

    const TiledSource& source;
    Diagnostics& diagnostics;
    TiledPropertyCheck check;
    std::map<std::pair<int, int>, long long> actionOwner, stepOwner;  // tile -> object id
};
