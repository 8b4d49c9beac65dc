#include "MapListing.h"

#include "shared/Printable.h"

void WriteMapListing(std::ostream& out, const MapFile& map, bool grids)
{
    out << "size " << map.width << ' ' << map.height << " layers " << int(map.layerCount) << '\n';
    out << "start " << map.startScript << '\n';
    for (const MapTexture& texture : map.textures)
        out << "texture " << texture.name << ' ' << Printable(texture.file) << '\n';
    for (const CNpc& npc : map.npcs)
        out << "npc " << npc.identifier << ' ' << npc.texture << ' ' << npc.tileX << ' ' << npc.tileY
            << ' ' << npc.actionScript << ' ' << Printable(npc.name) << '\n';
    if (!grids)
        return;

    for (std::uint16_t y = 0; y < map.height; ++y) {
        std::string row(map.width, '.');
        for (std::uint16_t x = 0; x < map.width; ++x)
            if (map.walkability.At(x, y) == 0)
                row[x] = '#';
        out << row << '\n';
    }
    for (std::uint16_t y = 0; y < map.height; ++y)
        for (std::uint16_t x = 0; x < map.width; ++x) {
            const TileEvent& event = map.events.At(x, y);
            if (event.actionScript != 0 || event.stepOnScript != 0)
                out << "event " << x << ' ' << y << ' ' << event.actionScript << ' '
                    << event.stepOnScript << '\n';
        }
}
