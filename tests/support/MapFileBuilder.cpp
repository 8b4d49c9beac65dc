#include "support/MapFileBuilder.h"

void PutU16(std::vector<std::uint8_t>& out, std::uint16_t value)
{
    out.push_back(std::uint8_t(value & 0xff));
    out.push_back(std::uint8_t(value >> 8));
}

void PutString(std::vector<std::uint8_t>& out, const std::string& text)
{
    out.insert(out.end(), text.begin(), text.end());
    out.push_back(0);
}

MapFileBuilder::MapFileBuilder(std::uint16_t width, std::uint16_t height, std::uint8_t layers)
    : width(width),
      height(height),
      layers(layers),
      tiles(layers, std::vector<std::uint8_t>(std::size_t(width) * height * 2, 0)),
      walk(std::size_t(width) * height, 1),
      actions(std::size_t(width) * height, 0),
      stepOns(std::size_t(width) * height, 0)
{
}

MapFileBuilder& MapFileBuilder::Texture(std::uint16_t name, const std::string& file)
{
    textures.emplace_back(name, file);
    return *this;
}

MapFileBuilder& MapFileBuilder::AddNpc(const Npc& npc)
{
    npcs.push_back(npc);
    return *this;
}

MapFileBuilder& MapFileBuilder::Tile(int layer, int x, int y, std::uint8_t texture, std::uint8_t cell)
{
    tiles.at(layer).at(TileIndex(x, y) * 2) = texture;
    tiles.at(layer).at(TileIndex(x, y) * 2 + 1) = cell;
    return *this;
}

MapFileBuilder& MapFileBuilder::Walk(int x, int y, std::uint8_t value)
{
    walk.at(TileIndex(x, y)) = value;
    return *this;
}

MapFileBuilder& MapFileBuilder::Event(int x, int y, std::uint16_t action, std::uint16_t stepOn)
{
    actions.at(TileIndex(x, y)) = action;
    stepOns.at(TileIndex(x, y)) = stepOn;
    return *this;
}

MapFileBuilder& MapFileBuilder::StartScript(std::uint16_t script)
{
    startScript = script;
    return *this;
}

std::vector<std::uint8_t> MapFileBuilder::HeaderAndLists() const
{
    std::vector<std::uint8_t> out;
    PutU16(out, width);
    PutU16(out, height);
    out.push_back(layers);
    for (const auto& texture : textures) {
        PutU16(out, texture.first);
        PutString(out, texture.second);
    }
    PutU16(out, 0);
    for (const Npc& npc : npcs) {
        PutU16(out, npc.identifier);
        PutU16(out, npc.texture);
        PutU16(out, npc.tileX);
        PutU16(out, npc.tileY);
        PutU16(out, npc.actionScript);
        PutU16(out, npc.reserved);
        PutString(out, npc.name);
    }
    PutU16(out, 0);
    return out;
}

std::vector<std::uint8_t> MapFileBuilder::Bytes() const
{
    std::vector<std::uint8_t> out = HeaderAndLists();
    for (const auto& layer : tiles)
        out.insert(out.end(), layer.begin(), layer.end());
    out.insert(out.end(), walk.begin(), walk.end());
    for (std::size_t i = 0; i < actions.size(); ++i) {
        PutU16(out, actions[i]);
        PutU16(out, stepOns[i]);
    }
    PutU16(out, startScript);
    return out;
}
