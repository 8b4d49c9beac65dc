#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "support/Rgba.h"
#include "support/TempDir.h"

// Writes Tiled maps for the import tests piece by piece: the test names
// what the map holds (tilesets, layers in an encoding, objects,
// properties) and gets the TMX text Tiled itself would write.
class TiledTestMap {
public:
    TiledTestMap(int width, int height);

    TiledTestMap& MapProperty(const std::string& name, const std::string& type, const std::string& value);
    // An embedded 512 x 512 tileset of 32 x 32 tiles with the property
    // texture; `extra` is inserted inside <tileset> (tile properties).
    TiledTestMap& Tileset(int firstGid, const std::string& name, int texture, const std::string& image,
                          const std::string& extra = "");
    // Any <tileset> element, written as given, or an external reference.
    TiledTestMap& RawTileset(const std::string& xml);
    TiledTestMap& ExternalTileset(int firstGid, const std::string& source);
    // encoding "csv", "base64" or "xml" (<tile> elements); compression "",
    // "zlib" or "gzip".
    TiledTestMap& Layer(const std::string& name, const std::vector<std::uint32_t>& gids,
                        const std::string& encoding = "csv", const std::string& compression = "");
    // An object of an object layer; `properties` are name=value pairs of
    // type int, except facing (string).
    TiledTestMap& Object(const std::string& type, const std::string& name, int x, int y, int width, int height,
                         const std::vector<std::pair<std::string, std::string>>& properties);
    // Written as given inside <map>, after everything else.
    TiledTestMap& Raw(const std::string& xml);

    std::string Tmx() const;

private:
    int width;
    int height;
    std::string properties;
    std::string tilesets;
    std::string layers;
    std::string objects;
    std::string raw;
    int nextId = 1;
};

// A village on a W x H map (at least 6 x 5) with both sheets of
// TiledFixture: grass everywhere on the ground (its last tile at (4, 4)),
// a house tile (cell 17, not walkable) on the details layer at (2, 1) and
// the house sheet's first tile at (0, 3), the roof cell 255 over the
// characters at (2, 0), a collision layer blocking (5, 4), the npc
// "Clément" (id 4, texture 300, script 40, facing droite) at tile (3, 2),
// a door action (script 50) on (2, 1), a step trigger (script 51) on
// (0..2, 4) and the start script 12.
TiledTestMap Village(int W, int H);

// The gids of a width x height layer with every cell `gid`.
std::vector<std::uint32_t> Filled(int width, int height, std::uint32_t gid);

// A tile sheet picture written as PNG; texel(x, y) from the top-left.
void WritePng(const std::string& path, int width, int height, const std::function<Rgba(int x, int y)>& texel);

// A 512 x 512 sheet whose cell c shows (c, 8 dy, 8 dx) at (dx, dy) and is
// opaque, or, when `holes`, transparent in the cells' upper-left quarter.
void WriteSheetPng(const std::string& path, std::uint8_t blue = 0, bool holes = false);

// Whether the Tiled programs can be run here (the tests that need them
// skip with a message otherwise).
bool HaveProgram(const std::string& name);
// Runs a shell command, its output discarded; true when it exited with 0.
bool RunQuietly(const std::string& command);
