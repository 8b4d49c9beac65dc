#pragma once

#include <string>

#include <GL/gl.h>

#include "image/TextureFilter.h"
#include "image/TgaImage.h"

// Texture operations on TgaImage records. `mode` is a TextureFilter value.

// A new texture name (glGenTextures) holding the loaded image; 0 when the
// image is not loaded.
GLuint CreateTexture(TgaImage& image, unsigned mode);

// Binds `name` to GL_TEXTURE_2D and uploads the loaded image into it with
// the filters of `mode`. Does nothing when the image is not loaded.
void UploadTexture(TgaImage& image, GLuint name, unsigned mode);

// Reads the file, uploads it into a new texture name (stored through `name`
// when it is not null) and frees the pixels. Returns ReadTga's code; nothing
// is uploaded when it is not TgaOk.
int LoadTexture(TgaImage& image, const std::string& path, GLuint* name, unsigned mode);

// Reads the file, uploads it into the texture name the caller chose and
// frees the pixels. Returns ReadTga's code; nothing is uploaded when it is
// not TgaOk.
int LoadTextureInto(TgaImage& image, const std::string& path, GLuint name, unsigned mode);
