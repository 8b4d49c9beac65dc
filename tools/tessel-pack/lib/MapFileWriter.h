#pragma once

#include <cstdint>
#include <vector>

#include "world/MapFile.h"

// The bytes of a .map file holding `map`, in the order the engine's reader
// takes them. The caller has checked what the format cannot hold (names of
// 0, strings over 255 bytes, more than 255 layers).
std::vector<std::uint8_t> WriteMapFile(const MapFile& map);
