#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The binary world file: the script containers' names (each ending in a 0
// byte, the list ended by one more 0 byte), the texture entries {name u16
// little-endian, file name ending in 0} ended by one 0 byte, and the start
// script u16.
struct WorldFile {
    struct Texture {
        std::uint16_t name = 0;
        std::string file;
    };
    std::vector<std::string> scripts;
    std::vector<Texture> textures;
    std::uint16_t startScript = 0;

    // The bytes of the file. Names must be 1 to 255 bytes and texture names
    // must not end in a 0 byte (the caller checks both).
    std::vector<std::uint8_t> Bytes() const;

    // Reads a world file as the game does; false when it is cut short.
    bool Parse(const std::vector<std::uint8_t>& bytes);
};
