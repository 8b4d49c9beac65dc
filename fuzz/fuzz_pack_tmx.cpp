// Tiled maps in TMX: a map is either refused with an error, or packed into a
// map file that the engine's own reader accepts.
#include <unistd.h>

#include <cstdio>
#include <string>

#include "FuzzCheck.h"
#include "lib/Diagnostics.h"
#include "lib/TiledMap.h"
#include "world/MapFileReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The importer reads files (tilesets and pictures are found beside the
    // map), so each input is written to a map file of this process's own.
    static const std::string path = "/tmp/tessel-fuzz-" + std::to_string(getpid()) + ".tmx";
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return 0;
    std::fwrite(data, 1, size, file);
    std::fclose(file);

    ImportedMap map;
    Diagnostics diagnostics;
    const bool accepted = ImportTiledMap(path, "map.tmx", map, diagnostics);
    FUZZ_CHECK(accepted == !diagnostics.HasErrors());
    if (accepted) {
        MapFile read;
        FUZZ_CHECK(ParseMapFile(map.mapBytes, read).accepted);
    }
    return 0;
}
