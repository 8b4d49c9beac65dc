#include "lib/TiledMapConverter.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <set>

#include "lib/PathCheck.h"
#include "lib/TiledLayerData.h"
#include "lib/TiledObjectConverter.h"
#include "lib/TiledPath.h"
#include "lib/TilesetPicture.h"

namespace {

const int kTile = 32;
const int kSheetSide = 512;
const int kCellsPerSheet = 256;
const long long kMaxU16 = 65535;
const std::size_t kDrawnLayers = 3;
const std::uint32_t kFlipBits = 0xF0000000u;  // horizontal, vertical, diagonal, hexagonal turn

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

bool IsCollisionLayer(const TiledTileLayer& layer) { return Lower(layer.name) == "collision"; }

}  // namespace

TiledMapConverter::TiledMapConverter(const TiledSource& source, Diagnostics& diagnostics)
    : source(source), diagnostics(diagnostics), check(diagnostics)
{
}

bool TiledMapConverter::Convert(MapFile& map, std::vector<MapPicture>& pictures)
{
    const std::size_t errorsBefore = diagnostics.ErrorCount();
    map = MapFile();
    pictures.clear();
    if (!CheckMapShape())
        return false;
    map.width = std::uint16_t(source.width);
    map.height = std::uint16_t(source.height);
    map.walkability = Grid<std::uint8_t>(map.width, map.height);
    map.events = Grid<TileEvent>(map.width, map.height);
    for (std::uint16_t x = 0; x < map.width; ++x)
        for (std::uint16_t y = 0; y < map.height; ++y)
            map.walkability.At(x, y) = 1;
    ConvertTilesets(map, pictures);
    ConvertLayers(map);
    TiledObjectConverter(source, diagnostics).Convert(map);
    return diagnostics.ErrorCount() == errorsBefore;
}

bool TiledMapConverter::CheckMapShape()
{
    bool good = true;
    if (source.orientation != "orthogonal") {
        Error(source.line, "the map is " + (source.orientation.empty() ? std::string("of no orientation")
                                                                       : source.orientation) +
                               ": the engine draws orthogonal maps only");
        good = false;
    }
    if (source.infinite) {
        Error(source.line, "the map is infinite: the engine needs a fixed size (untick Infinite in the map's "
                           "properties)");
        good = false;
    }
    if (source.tileWidth != kTile || source.tileHeight != kTile) {
        Error(source.line, "the map's tiles are " + std::to_string(source.tileWidth) + " x " +
                               std::to_string(source.tileHeight) + " pixels: the engine's are 32 x 32");
        good = false;
    }
    for (const auto& side : {std::make_pair("wide", source.width), std::make_pair("high", source.height)}) {
        if (side.second < 1 || side.second > kMaxU16) {
            Error(source.line, "the map is " + std::to_string(side.second) + " tiles " + side.first +
                                   ": a map file holds 1 to 65535 tiles a side (16 bits)");
            good = false;
        }
    }
    if (good && source.width * source.height > TiledLayerData::kMaxCells) {
        Error(source.line, "the map is " + std::to_string(source.width) + " x " + std::to_string(source.height) +
                               " tiles: a map may have at most " + std::to_string(TiledLayerData::kMaxCells) +
                               " tiles (4096 x 4096), as the game holds it whole in memory");
        good = false;
    }
    return good;
}

// ---- Tilesets ----

bool TiledMapConverter::CheckTilesetShape(const TiledTileset& tileset)
{
    const std::string name = "tileset " + Quoted(tileset.name) + ": ";
    const std::string needed = "a tileset must be one 512 x 512 picture of 16 x 16 tiles of 32 x 32";
    if (!tileset.hasImage) {
        diagnostics.Error(tileset.file, tileset.line, 0,
                          name + "it is a collection of images; " + needed);
        return false;
    }
    if (tileset.imagePath.empty())
        return false;  // its picture's name was refused when read
    bool good = true;
    if (tileset.tileWidth != kTile || tileset.tileHeight != kTile) {
        diagnostics.Error(tileset.file, tileset.line, 0,
                          name + "its tiles are " + std::to_string(tileset.tileWidth) + " x " +
                              std::to_string(tileset.tileHeight) + " pixels; " + needed);
        good = false;
    }
    if (tileset.margin != 0 || tileset.spacing != 0) {
        diagnostics.Error(tileset.file, tileset.line, 0,
                          name + "it has a margin of " + std::to_string(tileset.margin) + " and a spacing of " +
                              std::to_string(tileset.spacing) + " pixels; " + needed + " with neither");
        good = false;
    }
    int width = 0, height = 0;
    if (!ReadTilesetPictureSize(tileset.imagePath, width, height)) {
        diagnostics.Error(tileset.file, tileset.line, 0,
                          name + "its picture " + Quoted(tileset.imageDisplay) + " cannot be read");
        good = false;
    } else if (width != kSheetSide || height != kSheetSide) {
        diagnostics.Error(tileset.file, tileset.line, 0,
                          name + "its picture " + Quoted(tileset.imageDisplay) + " is " + std::to_string(width) +
                              " x " + std::to_string(height) + " pixels; " + needed);
        good = false;
    }
    return good;
}

void TiledMapConverter::ConvertTilesets(MapFile& map, std::vector<MapPicture>& pictures)
{
    std::map<long long, const TiledTileset*> byTexture;
    std::map<std::string, const TiledTileset*> byFile;
    for (const TiledTileset& tileset : source.tilesets) {
        Sheet sheet;
        sheet.tileset = &tileset;
        if (tileset.loaded && CheckTilesetShape(tileset)) {
            const std::string owner = "tileset " + Quoted(tileset.name);
            check.WarnUnknown(tileset.properties, {"texture", "file"}, tileset.file, tileset.line, owner);
            long long texture = 0;
            const TiledProperty* property = tileset.properties.Find("texture");
            if (property == nullptr)
                diagnostics.Error(tileset.file, tileset.line, 0,
                                  owner + " has no property 'texture' (int, 1-255): the texture name its "
                                          "picture is loaded under");
            else if (check.Number(*property, tileset.file, tileset.line, owner, 1, kMaxU16, texture)) {
                const auto taken = byTexture.find(texture);
                if (taken != byTexture.end())
                    diagnostics.Error(tileset.file, property->line ? property->line : tileset.line, 0,
                                      owner + " has texture " + std::to_string(texture) + ", as tileset " +
                                          Quoted(taken->second->name) +
                                          " already has: each tileset needs its own texture name");
                else
                    byTexture[texture] = &tileset;
            }
            std::string file = TiledPath::Stem(tileset.imagePath) + ".tga";
            int fileLine = tileset.line;
            if (const TiledProperty* fileProperty = tileset.properties.Find("file")) {
                file = fileProperty->value;
                fileLine = fileProperty->line ? fileProperty->line : tileset.line;
            }
            std::string encoded;
            bool fileGood = check.Text(file, owner + "'s picture file name", tileset.file, tileset.line, encoded);
            const std::string refusal = PathCheck::FileNameRefusal(file);
            if (fileGood && !refusal.empty()) {
                diagnostics.Error(tileset.file, fileLine, 0,
                                  owner + ": the picture file name " + Quoted(file) + " " + refusal);
                fileGood = false;
            }
            if (fileGood && (encoded.empty() || encoded.size() > 255))
                diagnostics.Error(tileset.file, tileset.line, 0,
                                  owner + ": the picture file name " + Quoted(file) + " must be 1 to 255 bytes");
            else if (fileGood && byFile.count(encoded) && byFile[encoded]->imagePath != tileset.imagePath)
                diagnostics.Error(tileset.file, tileset.line, 0,
                                  owner + " would be written as tga\\" + file + ", as tileset " +
                                      Quoted(byFile[encoded]->name) +
                                      " with another picture: rename a picture or give a 'file' property");
            else if (fileGood && texture != 0 && byTexture[texture] == &tileset) {
                byFile[encoded] = &tileset;
                sheet.texture = std::uint16_t(texture);
                map.textures.push_back(MapTexture{sheet.texture, encoded});
                pictures.push_back(MapPicture{sheet.texture, tileset.imagePath, encoded});
            }
        }
        sheets.push_back(sheet);
    }
    std::stable_sort(sheets.begin(), sheets.end(),
                     [](const Sheet& a, const Sheet& b) { return a.tileset->firstGid < b.tileset->firstGid; });
}

TiledMapConverter::Sheet* TiledMapConverter::SheetOf(std::uint32_t gid, int& localId)
{
    // The tileset with the highest first gid not above `gid`.
    const auto after = std::upper_bound(sheets.begin(), sheets.end(), gid, [](std::uint32_t id, const Sheet& sheet) {
        return id < sheet.tileset->firstGid;
    });
    if (after == sheets.begin() || std::prev(after)->tileset->firstGid == 0)
        return nullptr;
    Sheet& found = *std::prev(after);
    localId = int(gid - found.tileset->firstGid);
    return &found;
}

bool TiledMapConverter::IsWalkable(const Sheet& sheet, int localId)
{
    const auto key = std::make_pair(sheet.tileset, localId);
    const auto cached = walkableCache.find(key);
    if (cached != walkableCache.end())
        return cached->second;
    bool walkable = true;
    const auto tile = sheet.tileset->tileProperties.find(localId);
    if (tile != sheet.tileset->tileProperties.end())
        if (const TiledProperty* property = tile->second.Find("walkable")) {
            if (property->value == "false")
                walkable = false;
            else if (property->value != "true")
                diagnostics.Error(sheet.tileset->file, property->line ? property->line : sheet.tileset->line, 0,
                                  "tileset " + Quoted(sheet.tileset->name) + ", tile " + std::to_string(localId) +
                                      ": property 'walkable' must be true or false (a bool), not " +
                                      Quoted(property->value));
        }
    walkableCache[key] = walkable;
    return walkable;
}

// ---- Layers ----

void TiledMapConverter::ConvertLayers(MapFile& map)
{
    std::vector<const TiledTileLayer*> drawn;
    for (const TiledTileLayer& layer : source.layers) {
        if (layer.width != source.width || layer.height != source.height) {
            Error(layer.line, "layer " + Quoted(layer.name) + " is " + std::to_string(layer.width) + " x " +
                                  std::to_string(layer.height) + " tiles, the map " + std::to_string(source.width) +
                                  " x " + std::to_string(source.height) + ": give it the map's size");
            continue;
        }
        if (IsCollisionLayer(layer))
            continue;
        drawn.push_back(&layer);
        if (!layer.visible || layer.opacity < 1.0)
            diagnostics.Warning(source.file, layer.line, 0,
                                "layer " + Quoted(layer.name) + " is " +
                                    (layer.visible ? "partly transparent" : "hidden") +
                                    " in Tiled; the engine draws it as it is in the tileset");
    }
    if (drawn.size() > kDrawnLayers) {
        const TiledTileLayer& extra = *drawn[kDrawnLayers];
        Error(extra.line, "layer " + Quoted(extra.name) + " is the " + std::to_string(kDrawnLayers + 1) +
                              "th drawn tile layer" +
                              (drawn.size() > kDrawnLayers + 1
                                   ? " (of " + std::to_string(drawn.size()) + ")"
                                   : std::string()) +
                              ": the engine draws three, the first two under the characters and the third over "
                              "them; merge layers, or name a layer 'collision' to use it for walkability only");
        drawn.resize(kDrawnLayers);
    }
    std::set<const TiledTileset*> used;
    for (const TiledTileLayer* layer : drawn)
        for (std::uint32_t gid : layer->gids) {
            int localId = 0;
            if ((gid & kFlipBits) == 0 && gid != 0)
                if (const Sheet* sheet = SheetOf(gid, localId))
                    used.insert(sheet->tileset);
        }
    if (used.size() > 255) {
        Error(source.line, "the drawn layers use tiles of " + std::to_string(used.size()) +
                               " tilesets: a map can draw from at most 255 (texture names 1 to 255)");
        for (Sheet& sheet : sheets)
            sheet.reportedRange = true;
    }
    map.layerCount = std::uint8_t(drawn.size());
    map.layers.assign(drawn.size(), MapLayer(map.width, map.height));
    for (std::size_t i = 0; i < drawn.size(); ++i)
        ConvertLayer(*drawn[i], &map.layers[i], map);
    for (const TiledTileLayer& layer : source.layers)
        if (IsCollisionLayer(layer) && layer.width == source.width && layer.height == source.height)
            ConvertLayer(layer, nullptr, map);
}

void TiledMapConverter::ConvertLayer(const TiledTileLayer& layer, MapLayer* drawn, MapFile& map)
{
    const std::string name = "layer " + Quoted(layer.name);
    long long flipped = 0, unknown = 0;
    std::string firstFlipped, firstUnknown;
    for (std::size_t i = 0; i < layer.gids.size() && i < std::size_t(map.width) * map.height; ++i) {
        const std::uint32_t gid = layer.gids[i];
        const std::uint16_t x = std::uint16_t(i % map.width), y = std::uint16_t(i / map.width);
        if (gid == 0)
            continue;
        if (drawn == nullptr) {  // the collision layer: any tile blocks
            map.walkability.At(x, y) = 0;
            continue;
        }
        const std::string where = "x " + std::to_string(x) + ", y " + std::to_string(y);
        if (gid & kFlipBits) {
            if (flipped++ == 0)
                firstFlipped = where;
            continue;
        }
        int localId = 0;
        Sheet* sheet = SheetOf(gid, localId);
        if (sheet == nullptr || localId >= kCellsPerSheet) {
            if (unknown++ == 0)
                firstUnknown = where + " (tile id " + std::to_string(gid) + ")";
            continue;
        }
        if (!IsWalkable(*sheet, localId))
            map.walkability.At(x, y) = 0;
        if (sheet->texture == 0)
            continue;  // the tileset's own error says why
        if (sheet->texture > 255) {
            if (!sheet->reportedRange)
                diagnostics.Error(sheet->tileset->file, sheet->tileset->line, 0,
                                  "tileset " + Quoted(sheet->tileset->name) + " has texture " +
                                      std::to_string(sheet->texture) + " and " + name +
                                      " draws its tiles: tiles can only be drawn with textures 1 to 255");
            sheet->reportedRange = true;
            continue;
        }
        drawn->At(x, y) = MapTile{std::uint8_t(sheet->texture), std::uint8_t(localId)};
    }
    const auto more = [](long long count) {
        return count > 1 ? " (and " + std::to_string(count - 1) + " more)" : std::string();
    };
    if (flipped > 0)
        Error(layer.line, name + ": the tile at " + firstFlipped + more(flipped) +
                              " is flipped or rotated; the engine draws tiles only as the tileset shows them");
    if (unknown > 0)
        Error(layer.line, name + ": the tile at " + firstUnknown + more(unknown) +
                              " belongs to no tileset of the map (or lies beyond its 256 tiles)");
}
