#pragma once

#include <GL/gl.h>

#include <functional>

#include "support/Rgba.h"

// Uploads a size x size RGBA texture under a chosen name, with nearest
// filtering. `texel(x, y)` gives the colour at column x and row y counted
// from the top, as a picture is seen; texture memory holds the bottom row
// first, as the engine's picture reader stores it.
void UploadTestTexture(GLuint name, int size, const std::function<Rgba(int x, int y)>& texel);
