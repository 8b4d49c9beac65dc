#include "lib/MapFileWriter.h"

#include <string>

namespace {

void PutU16(std::vector<std::uint8_t>& out, std::uint16_t value)
{
    out.push_back(std::uint8_t(value & 0xFF));
    out.push_back(std::uint8_t(value >> 8));
}

void PutString(std::vector<std::uint8_t>& out, const std::string& text)
{
    out.insert(out.end(), text.begin(), text.end());
    out.push_back(0);
}

}  // namespace

std::vector<std::uint8_t> WriteMapFile(const MapFile& map)
{
    std::vector<std::uint8_t> out;
    const std::size_t tiles = std::size_t(map.width) * map.height;
    out.reserve(64 + tiles * (2 * map.layerCount + 5));
    PutU16(out, map.width);
    PutU16(out, map.height);
    out.push_back(map.layerCount);
    for (const MapTexture& texture : map.textures) {
        PutU16(out, texture.name);
        PutString(out, texture.file);
    }
    PutU16(out, 0);
    for (const CNpc& npc : map.npcs) {
        PutU16(out, npc.identifier);
        PutU16(out, std::uint16_t(npc.texture));
        PutU16(out, npc.tileX);
        PutU16(out, npc.tileY);
        PutU16(out, npc.actionScript);
        PutU16(out, npc.reserved);
        PutString(out, npc.name);
    }
    PutU16(out, 0);
    for (const MapLayer& layer : map.layers)
        for (std::uint16_t y = 0; y < map.height; ++y)
            for (std::uint16_t x = 0; x < map.width; ++x) {
                out.push_back(layer.At(x, y).texture);
                out.push_back(layer.At(x, y).cell);
            }
    for (std::uint16_t y = 0; y < map.height; ++y)
        for (std::uint16_t x = 0; x < map.width; ++x)
            out.push_back(map.walkability.At(x, y));
    for (std::uint16_t y = 0; y < map.height; ++y)
        for (std::uint16_t x = 0; x < map.width; ++x) {
            PutU16(out, map.events.At(x, y).actionScript);
            PutU16(out, map.events.At(x, y).stepOnScript);
        }
    PutU16(out, map.startScript);
    return out;
}
