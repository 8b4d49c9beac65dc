#pragma once

#include <cstdint>

// Texture name of the glyph sheet used by every font that has none of its
// own. 0 at start; the script's font command sets it.
extern std::uint32_t defaultFontTexture;
