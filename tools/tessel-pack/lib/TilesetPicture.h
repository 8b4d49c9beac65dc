#pragma once

#include <string>

// The size of a tileset's picture as its file says (PNG, TGA, BMP, ...),
// read from the header only. False when the file cannot be read as a picture.
bool ReadTilesetPictureSize(const std::string& path, int& width, int& height);
