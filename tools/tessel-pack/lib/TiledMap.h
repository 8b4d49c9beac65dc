#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "lib/Diagnostics.h"

// A picture that a packed map's texture table names: the tool converts the
// source picture to "tga\<tgaFile>" of the game folder.
struct MapPicture {
    std::uint16_t textureName = 0;
    std::string sourcePath;  // the tileset's picture, as a path the tool can open
    std::string tgaFile;     // file name in the game's tga folder
};

// A map read from Tiled, ready to be written as "map\<name>.map".
struct ImportedMap {
    std::vector<std::uint8_t> mapBytes;  // the whole .map file
    std::vector<MapPicture> pictures;    // in the order of the map's texture table
};

// Reads a Tiled map (.tmx, or .tmj/.json as Tiled exports it) and builds the
// engine's map file. Every problem found goes to `diagnostics` with the
// source file and, where there is one, the line; false when any was an error.
// `displayPath` is how messages name the file.
bool ImportTiledMap(const std::string& path, const std::string& displayPath, ImportedMap& out,
                    Diagnostics& diagnostics);

// Writes a game's map file back as a TMX map that Tiled opens (with its
// tilesets beside it), so that existing worlds can be edited.
// `pictureForTga` answers, for a file name of the map's texture table, the
// path of the PNG that the unpacking wrote for it, relative to the TMX file.
bool ExportTiledMap(const std::vector<std::uint8_t>& mapBytes, const std::string& tmxPath,
                    const std::function<std::string(const std::string& tgaFile)>& pictureForTga,
                    Diagnostics& diagnostics);
