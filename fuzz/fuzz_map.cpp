// Map files: accepted maps have grids and layers of the header's sizes; a
// refused one leaves nothing half-loaded.
#include <vector>

#include "FuzzCheck.h"
#include "world/MapFileReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::uint8_t> bytes(data, data + size);
    MapFile map;
    const MapFileResult result = ParseMapFile(bytes, map);
    if (result.accepted) {
        FUZZ_CHECK(map.layers.size() == map.layerCount);
        for (const MapLayer& layer : map.layers)
            FUZZ_CHECK(layer.Width() == map.width && layer.Height() == map.height);
        FUZZ_CHECK(map.walkability.Width() == map.width && map.walkability.Height() == map.height);
        FUZZ_CHECK(map.events.Width() == map.width && map.events.Height() == map.height);
        for (const MapTexture& texture : map.textures)
            FUZZ_CHECK(texture.name != 0);
        for (const CNpc& npc : map.npcs)
            FUZZ_CHECK(npc.identifier != 0);
    } else {
        FUZZ_CHECK(!result.reason.empty());
        FUZZ_CHECK(map.width == 0 && map.height == 0 && map.layers.empty() && map.npcs.empty() &&
                   map.textures.empty());
    }
    return 0;
}
