#pragma once

#include <vector>

#include "support/Rgba.h"

// Reads the back buffer (what has been drawn this frame, before the swap)
// in screen coordinates: origin top-left, y growing downwards, as the
// engine's projection draws.
namespace FrameBuffer {
Rgba ReadPixel(int x, int y);
// Row-major, top row first.
std::vector<Rgba> ReadRegion(int x, int y, int width, int height);
}
