#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "lib/Diagnostics.h"
#include "lib/TiledSource.h"

// Reads Tiled's XML files: maps (.tmx) and tilesets (.tsx). Problems go to
// the diagnostics with the line of the element concerned.
class TmxReader {
public:
    // `path` is opened; `display` names the file in messages.
    TmxReader(const std::string& path, const std::string& display, Diagnostics& diagnostics);

    // False when the file cannot be read or is not a map; what could be read
    // is in `map` either way.
    bool ReadMap(TiledSource& map);
    // An external tileset; `tileset.firstGid` is left as the caller set it.
    bool ReadTileset(TiledTileset& tileset);

private:
    bool Load(pugi::xml_document& document, const char* rootName);
    int Line(const pugi::xml_node& node) const;
    void Error(const pugi::xml_node& node, const std::string& message);

    void ReadTilesetElement(const pugi::xml_node& element, TiledTileset& tileset);
    // Groups nest no deeper than kMaxGroupDepth: the reader recurses.
    static const std::size_t kMaxGroupDepth = 256;
    void ReadLayers(const pugi::xml_node& parent, TiledSource& map, std::size_t depth);
    void ReadTileLayer(const pugi::xml_node& element, TiledSource& map);
    void ReadObjectGroup(const pugi::xml_node& element, TiledSource& map);
    TiledProperties ReadProperties(const pugi::xml_node& element) const;

    std::string path;
    std::string display;
    Diagnostics& diagnostics;
    std::string text;
    std::vector<std::size_t> lineStarts;
    std::size_t cellsRead = 0;
};
