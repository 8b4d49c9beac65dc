#pragma once

#include <memory>
#include <string>

#include <nlohmann/json.hpp>

#include "lib/Diagnostics.h"
#include "lib/JsonPositions.h"
#include "lib/TiledSource.h"

// Reads Tiled's JSON files: maps (.tmj/.json) and tilesets (.tsj/.json).
// Elements keep the line they start on, for messages.
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
    // `pointer` is the element's JSON pointer ("/layers/2"), for its line.
    int LineOf(const std::string& pointer) const;
    void ReadTilesetObject(const nlohmann::json& object, const std::string& pointer, TiledTileset& tileset);
    void ReadLayers(const nlohmann::json& layers, const std::string& pointer, TiledSource& map);
    void ReadTileLayer(const nlohmann::json& layer, const std::string& pointer, TiledSource& map);
    void ReadObjectGroup(const nlohmann::json& layer, const std::string& pointer, TiledSource& map);
    TiledProperties ReadProperties(const nlohmann::json& owner, const std::string& pointer) const;

    std::string path;
    std::string display;
    Diagnostics& diagnostics;
    std::string text;
    std::unique_ptr<JsonPositions> positions;  // null for files too large to index
    std::size_t cellsRead = 0;
};
