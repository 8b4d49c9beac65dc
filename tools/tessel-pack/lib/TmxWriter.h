#pragma once

#include <functional>
#include <string>

#include "lib/Diagnostics.h"
#include "world/MapFile.h"

// Writes `map` as a TMX map that Tiled opens and that the import turns
// back into the same map file: one embedded tileset per texture of the
// texture table (properties texture and file), the drawn layers, a
// "collision" layer for blocked tiles, npc objects and action/step
// rectangles. `pictureForTga` gives the picture of a texture's file,
// relative to the TMX file. What the TMX conventions cannot say is
// reported; false when something was lost.
bool WriteTmxMap(const MapFile& map, const std::string& tmxPath,
                 const std::function<std::string(const std::string& tgaFile)>& pictureForTga,
                 Diagnostics& diagnostics);
