#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "support/TempDir.h"

// A temporary working folder with a "map" folder in it, made the current
// directory for as long as the object lives, because the engine opens maps
// as "map\<name>.map" relative to the working directory.
class MapFolder {
public:
    MapFolder();
    ~MapFolder();
    MapFolder(const MapFolder&) = delete;
    MapFolder& operator=(const MapFolder&) = delete;

    // Writes map/<name>.map and returns its full path.
    std::string WriteMap(const std::string& name, const std::vector<std::uint8_t>& bytes) const;
    const TempDir& Dir() const { return dir; }

private:
    TempDir dir;
    std::string previous;
};
