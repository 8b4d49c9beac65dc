#include "lib/TiledMap.h"

// First version: the interface links; reading and writing maps follow.
bool ImportTiledMap(const std::string&, const std::string& displayPath, ImportedMap& out,
                    Diagnostics& diagnostics)
{
    out = ImportedMap();
    diagnostics.Error(displayPath, 0, 0, "Tiled maps cannot be read yet");
    return false;
}

bool ExportTiledMap(const std::vector<std::uint8_t>&, const std::string& tmxPath,
                    const std::function<std::string(const std::string&)>&, Diagnostics& diagnostics)
{
    diagnostics.Error(tmxPath, 0, 0, "Tiled maps cannot be written yet");
    return false;
}
