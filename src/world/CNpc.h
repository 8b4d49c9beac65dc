#pragma once

#include <cstdint>

#include "world/CPerso.h"

// A non-player character, brought along by a map file and gone with it.
struct CNpc : CPerso {
    // Read from the map file and kept as it was; nothing uses it.
    std::uint16_t reserved = 0;
};
