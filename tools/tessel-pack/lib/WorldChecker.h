#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "lib/Diagnostics.h"
#include "lib/ScriptFile.h"
#include "lib/WorldSpec.h"

// The checks that need the whole world, beyond what one script or one map
// shows: a LoadMap of a map that world.json does not list, a hero or map
// character drawn from a texture that no picture provides, and a map object
// whose script no source defines. Each finding names the place the author
// wrote it: the script's line and column, the map object's line.
class WorldChecker {
public:
    WorldChecker(const WorldSpec& world, Diagnostics& diagnostics);

    // LoadMap names; the heroes' textures are checked by Finish. Call it
    // first: it also takes the world's textures from world.json.
    void CheckScripts(const std::vector<ScriptFile>& files);
    // The characters' textures and the scripts of a packed map's objects,
    // read again from its Tiled source at `path` (named `display`).
    void CheckMap(const std::string& path, const std::string& display, const std::vector<std::uint8_t>& mapBytes,
                  const std::set<std::uint16_t>& scriptIds);
    // The heroes' textures, once every map's tilesets are known.
    void Finish();

private:
    struct HeroTexture {
        std::string file;
        int line = 0;
        int column = 0;
        std::string hero;
        long long texture = 0;
    };

    void CollectWorldTextures();
    static std::string List(const std::set<std::uint16_t>& names);

    const WorldSpec& world;
    Diagnostics& diagnostics;
    std::set<std::uint16_t> worldTextures;
    std::set<std::uint16_t> mapTextures;  // of every map
    std::vector<HeroTexture> heroTextures;
};
