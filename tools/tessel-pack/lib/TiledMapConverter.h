#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "lib/Diagnostics.h"
#include "lib/TiledMap.h"
#include "lib/TiledPropertyCheck.h"
#include "lib/TiledSource.h"
#include "world/MapFile.h"

// Turns what a Tiled map says into the engine's map, by the conventions of
// docs/tiled-maps.md: tile layers become drawn layers (at most three) or
// the walkability ("collision"), tilesets become the texture table; the
// objects go to TiledObjectConverter. Every mistake found is reported; the
// result is only meant to be written when there were none.
class TiledMapConverter {
public:
    TiledMapConverter(const TiledSource& source, Diagnostics& diagnostics);

    // False when any error was found.
    bool Convert(MapFile& map, std::vector<MapPicture>& pictures);

private:
    // A tileset as the map file sees it: the texture its tiles are drawn
    // with, or 0 when it cannot be used (already reported).
    struct Sheet {
        const TiledTileset* tileset = nullptr;
        std::uint16_t texture = 0;
        bool reportedRange = false;
    };

    bool CheckMapShape();
    void ConvertTilesets(MapFile& map, std::vector<MapPicture>& pictures);
    bool CheckTilesetShape(const TiledTileset& tileset);
    void ConvertLayers(MapFile& map);
    void ConvertLayer(const TiledTileLayer& layer, MapLayer* drawn, MapFile& map);
    // The tileset holding `gid` (flip bits cleared) and the tile's local id;
    // null when none does.
    Sheet* SheetOf(std::uint32_t gid, int& localId);
    bool IsWalkable(const Sheet& sheet, int localId);
    void Error(int line, const std::string& message) { diagnostics.Error(source.file, line, 0, message); }

    const TiledSource& source;
    Diagnostics& diagnostics;
    TiledPropertyCheck check;
    std::vector<Sheet> sheets;  // by ascending first gid
    std::map<std::pair<const TiledTileset*, int>, bool> walkableCache;
};
