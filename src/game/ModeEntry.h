#pragma once

#include <cstdint>

// Mode states of the widgets' modes; modes without a widget use 0.
enum : std::uint16_t {
    ModeActive = 1,   // open, takes input
    ModeOpening = 2,  // the widget plays its opening animation
    ModeClosing = 3,  // the widget plays its closing animation
};

// What the player is looking at: one entry of the game's mode stack.
struct ModeEntry {
    std::uint16_t type = 0;
    std::uint16_t state = 0;
    std::uint16_t parameter = 0;
};
