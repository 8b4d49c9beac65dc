#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writes map files in the engine's binary format for tests, field by field,
// so that a test says what the map holds rather than spelling out bytes.
// A new map has empty tiles, every tile walkable and no tile scripts.
class MapFileBuilder {
public:
    struct Npc {
        std::uint16_t identifier = 0;
        std::uint16_t texture = 0;
        std::uint16_t tileX = 0;
        std::uint16_t tileY = 0;
        std::uint16_t actionScript = 0;
        std::uint16_t reserved = 0;
        std::string name;
    };

    MapFileBuilder(std::uint16_t width, std::uint16_t height, std::uint8_t layers);

    MapFileBuilder& Texture(std::uint16_t name, const std::string& file);
    MapFileBuilder& AddNpc(const Npc& npc);
    MapFileBuilder& Tile(int layer, int x, int y, std::uint8_t texture, std::uint8_t cell);
    MapFileBuilder& Walk(int x, int y, std::uint8_t value);
    MapFileBuilder& Block(int x, int y) { return Walk(x, y, 0); }
    MapFileBuilder& Event(int x, int y, std::uint16_t action, std::uint16_t stepOn);
    MapFileBuilder& StartScript(std::uint16_t script);

    // The whole file.
    std::vector<std::uint8_t> Bytes() const;
    // The part up to and including the character list's terminator.
    std::vector<std::uint8_t> HeaderAndLists() const;

private:
    std::size_t TileIndex(int x, int y) const { return std::size_t(y) * width + x; }

    std::uint16_t width;
    std::uint16_t height;
    std::uint8_t layers;
    std::vector<std::pair<std::uint16_t, std::string>> textures;
    std::vector<Npc> npcs;
    // Row by row, as in the file.
    std::vector<std::vector<std::uint8_t>> tiles;
    std::vector<std::uint8_t> walk;
    std::vector<std::uint16_t> actions;
    std::vector<std::uint16_t> stepOns;
    std::uint16_t startScript = 0;
};

// Little-endian helpers for tests that need a few raw bytes.
void PutU16(std::vector<std::uint8_t>& out, std::uint16_t value);
void PutString(std::vector<std::uint8_t>& out, const std::string& text);
