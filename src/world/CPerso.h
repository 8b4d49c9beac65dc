#pragma once

#include <cstdint>
#include <string>

// What every character on a map has in common, heroes and non-player
// characters alike: who it is, what it runs when the active hero talks to
// it, how it looks and where it stands.
//
// The sprite's top-left pixel is (32 * tileX + offsetX, 32 * tileY + offsetY);
// offsets are 0..31 once a move has finished, but scripts may place a
// character with any offset.
struct CPerso {
    // Key of every lookup; chosen by the map file or the script that creates
    // a hero. 0 never names a character of a map file.
    std::uint16_t identifier = 0;
    // Script started when the active hero interacts with this character
    // (0 = none).
    std::uint16_t actionScript = 0;
    std::string name;
    // OpenGL texture name of the four-row sprite sheet.
    std::uint32_t texture = 0;
    // Walking animation phase in [0, 3); the frame drawn is its integer part.
    float frame = 1.0f;
    // 0 left, 1 down, 2 right, 3 up.
    std::uint16_t facing = 1;
    std::uint16_t tileX = 0;
    std::uint16_t tileY = 0;
    std::int16_t offsetX = 0;
    std::int16_t offsetY = 0;
};
