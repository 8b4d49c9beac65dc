#include "world/MapFileReader.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "platform/DataFile.h"
#include "world/ByteReader.h"

namespace {

// Width, height and layer count.
const std::size_t kHeaderBytes = 5;
// Room allowed for the texture and character lists of one map file.
const std::uint64_t kListAllowance = 16 * 1024 * 1024;
// Texture, tile x, tile y, action script and reserved, after the identifier.
const std::size_t kNpcNumberBytes = 10;

std::string Count(std::uint64_t count, const char* one, const char* many)
{
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

MapFileResult ReadTextures(ByteReader& in, MapFile& map)
{
    for (;;) {
        MapTexture texture;
        if (!in.ReadU16(texture.name))
            return MapFileResult::Refused("the texture list has no end: the file stops after " +
                                          Count(map.textures.size(), "entry", "entries") +
                                          " where 2 more bytes were expected");
        if (texture.name == 0)
            return MapFileResult::Accepted();
        if (!in.ReadString(texture.file))
            return MapFileResult::Refused("the file name of texture entry " +
                                          std::to_string(map.textures.size() + 1) +
                                          " has no terminating zero byte before the end of the file");
        map.textures.push_back(texture);
    }
}

MapFileResult ReadNpcs(ByteReader& in, MapFile& map)
{
    for (;;) {
        CNpc npc;
        if (!in.ReadU16(npc.identifier))
            return MapFileResult::Refused("the character list has no end: the file stops after " +
                                          Count(map.npcs.size(), "entry", "entries") +
                                          " where 2 more bytes were expected");
        if (npc.identifier == 0)
            return MapFileResult::Accepted();
        const std::string entry = "character entry " + std::to_string(map.npcs.size() + 1);
        if (in.Remaining() < kNpcNumberBytes)
            return MapFileResult::Refused(entry + " is cut short: " + std::to_string(kNpcNumberBytes) +
                                          " bytes expected after its identifier, " +
                                          std::to_string(in.Remaining()) + " present");
        std::uint16_t texture = 0;
        in.ReadU16(texture);
        npc.texture = texture;
        in.ReadU16(npc.tileX);
        in.ReadU16(npc.tileY);
        in.ReadU16(npc.actionScript);
        in.ReadU16(npc.reserved);
        if (!in.ReadString(npc.name))
            return MapFileResult::Refused("the name of " + entry +
                                          " has no terminating zero byte before the end of the file");
        map.npcs.push_back(npc);
    }
}

void ReadGrids(ByteReader& in, MapFile& map)
{
    const std::uint16_t w = map.width;
    const std::uint16_t h = map.height;
    map.layers.reserve(map.layerCount);
    for (int l = 0; l < map.layerCount; ++l) {
        MapLayer layer(w, h);
        const std::uint8_t* bytes = in.Take(std::size_t(2) * w * h);
        for (std::uint16_t y = 0; y < h; ++y)
            for (std::uint16_t x = 0; x < w; ++x, bytes += 2)
                layer.At(x, y) = MapTile{bytes[0], bytes[1]};
        map.layers.push_back(std::move(layer));
    }

    map.walkability = Grid<std::uint8_t>(w, h);
    const std::uint8_t* walk = in.Take(std::size_t(w) * h);
    for (std::uint16_t y = 0; y < h; ++y)
        for (std::uint16_t x = 0; x < w; ++x)
            map.walkability.At(x, y) = *walk++;

    map.events = Grid<TileEvent>(w, h);
    for (std::uint16_t y = 0; y < h; ++y)
        for (std::uint16_t x = 0; x < w; ++x) {
            TileEvent& event = map.events.At(x, y);
            in.ReadU16(event.actionScript);
            in.ReadU16(event.stepOnScript);
        }
    in.ReadU16(map.startScript);
}

MapFileResult Parse(ByteReader& in, MapFile& map)
{
    if (in.Remaining() < kHeaderBytes)
        return MapFileResult::Refused("the header (width, height, layer count) needs " +
                                      std::to_string(kHeaderBytes) + " bytes but the file holds only " +
                                      Count(in.Remaining(), "byte", "bytes"));
    in.ReadU16(map.width);
    in.ReadU16(map.height);
    in.ReadU8(map.layerCount);

    MapFileResult result = ReadTextures(in, map);
    if (result.accepted)
        result = ReadNpcs(in, map);
    if (!result.accepted)
        return result;

    // Per tile: 2 bytes in each layer, 1 walkability byte, 4 bytes of
    // scripts; then the start script. At most 255 * 65535 * 65535 * 7 + 2,
    // well inside 64 bits.
    const std::uint64_t tiles = std::uint64_t(map.width) * map.height;
    const std::uint64_t needed = tiles * (2 * std::uint64_t(map.layerCount) + 1 + 4) + 2;
    if (in.Remaining() < needed)
        return MapFileResult::Refused(
            "the tiles, walkability, events and start script of a " + std::to_string(map.width) +
            " x " + std::to_string(map.height) + " map with " + Count(map.layerCount, "layer", "layers") +
            " need " + Count(needed, "byte", "bytes") + " after the character list, but only " +
            std::to_string(in.Remaining()) + " remain");
    ReadGrids(in, map);
    return MapFileResult::Accepted();
}

}  // namespace

MapFileResult ParseMapFile(const std::vector<std::uint8_t>& bytes, MapFile& map)
{
    map = MapFile();
    ByteReader in(bytes.data(), bytes.size());
    MapFileResult result = Parse(in, map);
    if (!result.accepted)
        map = MapFile();
    return result;
}

MapFileResult ReadMapFile(const std::string& dataPath, MapFile& map)
{
    map = MapFile();
    // The header says how large the grids are; the two lists get a generous
    // allowance. A larger file is refused without being read whole.
    std::vector<std::uint8_t> bytes;
    if (!ReadDataFilePrefix(dataPath, kHeaderBytes, bytes))
        return MapFileResult::Refused("the file " + dataPath + " cannot be opened");
    std::uint64_t limit = std::uint64_t(kHeaderBytes) + kListAllowance + 2;
    if (bytes.size() == kHeaderBytes) {
        const std::uint64_t tiles = std::uint64_t(bytes[0] | bytes[1] << 8) * (bytes[2] | bytes[3] << 8);
        limit += tiles * (2 * std::uint64_t(bytes[4]) + 1 + 4);
    }
    if (!ReadDataFile(dataPath, bytes, static_cast<std::size_t>(std::min<std::uint64_t>(limit, SIZE_MAX))))
        return MapFileResult::Refused("the file " + dataPath + " holds more than the " + std::to_string(limit) +
                                      " bytes that a map with its header can need, or cannot be read");
    return ParseMapFile(bytes, map);
}
