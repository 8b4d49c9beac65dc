#include "world/CMap.h"

#include <utility>

#include "world/MapFileReader.h"

CMap::CMap(const std::string& name)
{
    LoadMap(name);
}

std::string CMap::MapFilePath(const std::string& name)
{
    return "map\\" + name + ".map";
}

bool CMap::LoadMap(const std::string& mapName, std::string* whyRefused)
{
    UnloadMap();
    // A refused file must not leave the previous map's start script behind:
    // the LoadMap command would start it over the empty map.
    startScript = 0;

    MapFile file;
    MapFileResult result = ReadMapFile(MapFilePath(mapName), file);
    if (!result.accepted) {
        if (whyRefused)
            *whyRefused = result.reason;
        return false;
    }

    name = mapName;
    width = file.width;
    height = file.height;
    layerCount = file.layerCount;
    layers = std::move(file.layers);
    walkability = std::move(file.walkability);
    events = std::move(file.events);
    textures = std::move(file.textures);
    startScript = file.startScript;
    npcs.reserve(file.npcs.size());
    for (CNpc& npc : file.npcs)
        npcs.push_back(std::make_unique<CNpc>(std::move(npc)));
    return true;
}

void CMap::UnloadMap()
{
    // Everything that came from the file goes, whatever its sizes were: a
    // map without layers or tiles still brought characters and pictures.
    name.clear();
    layers.clear();
    walkability = Grid<std::uint8_t>();
    events = Grid<TileEvent>();
    npcs.clear();
    textures.clear();
    layerCount = 0;
    height = 0;
    width = 0;
}

bool CMap::IsWalkable(long long x, long long y) const
{
    const std::uint8_t* walk = walkability.Find(x, y);
    return walk && *walk != 0;
}

TileEvent CMap::EventAt(long long x, long long y) const
{
    const TileEvent* event = events.Find(x, y);
    return event ? *event : TileEvent();
}
