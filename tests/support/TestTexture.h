#pragma once

#include <GL/gl.h>

#include <vector>

#include "support/Rgba.h"

// Uploads RGBA pixels, given top row first as a picture is seen, under a
// chosen texture name with nearest filtering. Texture memory holds the bottom
// row first, as the engine's picture reader stores it.
void UploadTestTexture(GLuint name, int width, int height, const std::vector<Rgba>& topDown);
