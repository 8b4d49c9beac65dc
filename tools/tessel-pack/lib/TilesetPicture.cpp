#include "lib/TilesetPicture.h"

#include "shared/SourceFile.h"

// Private copy of the reader: other parts of the tool may compile their own.
#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wsign-compare"
#endif
#include <stb_image.h>
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

bool ReadTilesetPictureSize(const std::string& path, int& width, int& height)
{
    // A pipe or a device would be read from, or waited on, for ever.
    std::string error;
    if (!SourceFile::Fits(path, error))
        return false;
    int channels = 0;
    return stbi_info(path.c_str(), &width, &height, &channels) != 0;
}
