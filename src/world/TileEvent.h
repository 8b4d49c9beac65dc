#pragma once

#include <cstdint>

// The two scripts of a tile (0 = none): one for the action key pressed
// while facing it, one for stepping onto it or turning on it.
struct TileEvent {
    std::uint16_t actionScript = 0;
    std::uint16_t stepOnScript = 0;
};
