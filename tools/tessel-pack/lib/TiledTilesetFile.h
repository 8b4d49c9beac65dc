#pragma once

#include "lib/Diagnostics.h"
#include "lib/TiledTileset.h"

// Reads the external tileset file `source` (.tsx, or .tsj/.json) that a map
// names at `line` of `mapDisplay`; paths are relative to the map. A file that
// cannot be read is an error at the map's line; `tileset.loaded` is false
// then.
void ReadExternalTileset(const std::string& mapPath, const std::string& mapDisplay, int line,
                         const std::string& source, TiledTileset& tileset, Diagnostics& diagnostics);
