#include "image/TgaImage.h"

#include <cstdlib>

TgaImage::TgaImage(const std::string& path, int* result)
{
    int code = ReadTga(*this, path);
    if (result)
        *result = code;
}

TgaImage::~TgaImage()
{
    // A record that is not loaded never holds pixels, so this frees exactly
    // what FreeImage would.
    std::free(pixels);
}

void FreeImage(TgaImage& image)
{
    if (!image.loaded)
        return;
    std::free(image.pixels);
    image.pixels = nullptr;
    image.loaded = false;
    image.height = 0;
    image.width = 0;
    image.bytesPerPixel = 0;
}
