#pragma once

#include <cstdint>
#include <string>

// A picture a map needs: the OpenGL texture name it is uploaded under and
// its file in the picture folder.
struct MapTexture {
    std::uint16_t name = 0;
    std::string file;
};
