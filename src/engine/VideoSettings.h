#pragma once

#include <cstdint>

// The window mode the engine asked for. Width and height are read by
// reference elsewhere (the fade overlay), so they live as long as the engine.
struct VideoSettings {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t bitsPerPixel = 0;
    bool fullScreen = false;
};
