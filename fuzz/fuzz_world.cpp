// World files: a refused world starts nothing; an accepted one names files
// of at most 255 bytes, numbered from 1, with texture names that do not end
// the list.
#include <vector>

#include "FuzzCheck.h"
#include "game/CWorld.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::uint8_t> bytes(data, data + size);
    CWorld world;
    std::string why;
    const bool accepted = world.ParseWorld(bytes, &why);
    FUZZ_CHECK(accepted == world.loaded);
    if (!accepted) {
        FUZZ_CHECK(world.startScript == 0 && !why.empty());
    }
    for (std::size_t i = 0; i < world.scripts.size(); ++i) {
        FUZZ_CHECK(world.scripts[i].number == i + 1);
        FUZZ_CHECK(!world.scripts[i].file.empty() && world.scripts[i].file.size() <= CWorld::kMaxStringLength);
    }
    for (const CWorld::TextureEntry& texture : world.textures)
        FUZZ_CHECK((texture.name & 0xFF) != 0 && texture.file.size() <= CWorld::kMaxStringLength);
    return 0;
}
