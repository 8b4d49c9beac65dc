#pragma once

#include <cstdint>
#include <string>

#include "image/TgaResult.h"

// A decoded picture: width x height x bytesPerPixel bytes, rows bottom-up
// (the order OpenGL takes for texture coordinate t = 0), each pixel R, G, B
// and, for 4 bytes per pixel, A. The pixels are malloc'd and belong to the
// record; they are valid exactly while `loaded` is true.
struct TgaImage {
    unsigned char* pixels = nullptr;
    bool loaded = false;
    std::uint32_t height = 0;
    std::uint32_t width = 0;
    std::uint32_t bytesPerPixel = 0;

    TgaImage() = default;
    // Reads the file at once; the result code is stored through `result`
    // when it is not null.
    explicit TgaImage(const std::string& path, int* result = nullptr);
    ~TgaImage();

    TgaImage(const TgaImage&) = delete;
    TgaImage& operator=(const TgaImage&) = delete;
};

// Reads and decodes a TGA file (a data path, '\' separated) into `image`.
// Returns a TgaResult code. A previous picture in the record is released only
// once the new file has been opened; when it cannot be opened the record is
// left untouched.
int ReadTga(TgaImage& image, const std::string& path);

// Releases the pixels of a loaded image and sets every field to 0; does
// nothing to an image that is not loaded.
void FreeImage(TgaImage& image);
