#pragma once

#include <string>

#include <nlohmann/json.hpp>

#include "lib/Diagnostics.h"
#include "lib/TiledSource.h"

// Reads Tiled's JSON files: maps (.tmj/.json) and tilesets (.tsj/.json).
// JSON has no line numbers to give; messages name the element instead.
class TmjReader {
public:
    // `path` is opened; `display` names the file in messages.
    TmjReader(const std::string& path, const std::string& display, Diagnostics& diagnostics);

    // False when the file cannot be read or is not a map.
    bool ReadMap(TiledSource& map);
    // An external tileset; `tileset.firstGid` is left as the caller set it.
    bool ReadTileset(TiledTileset& tileset);

private:
    bool Load(nlohmann::json& document);
    void ReadTilesetObject(const nlohmann::json& object, TiledTileset& tileset);
    void ReadLayers(const nlohmann::json& layers, TiledSource& map);
    void ReadTileLayer(const nlohmann::json& layer, TiledSource& map);
    void ReadObjectGroup(const nlohmann::json& layer, TiledSource& map);
    static TiledProperties ReadProperties(const nlohmann::json& owner);

    std::string path;
    std::string display;
    Diagnostics& diagnostics;
};
