#pragma once

#include <string>

// F12: the game's picture, as drawn in the bottom-left width x height corner
// of the back buffer (not the enlarged window), saved as the next free
// "captures\NNNN.tga" (24-bit, uncompressed). The folder is made when
// missing. Returns the data path written, or an empty string with `error`
// saying why.
// `folder` is a PlayerFolder prefix put before "captures".
std::string SaveScreenCapture(int width, int height, std::string& error, const std::string& folder = "");

// The first "captures\NNNN.tga" (from 0001) under `folder` that does not
// exist yet; empty when all are taken.
std::string NextCaptureName(const std::string& folder = "");
