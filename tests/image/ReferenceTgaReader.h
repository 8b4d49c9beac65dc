#pragma once

#include <cstdint>
#include <vector>

// The reading algorithm done the slow, obvious way: one byte at a time from a
// stream whose reads past the end give 255, one pixel at a time into the
// buffer, the row order fixed afterwards. The engine's reader must give the
// same bytes for every file.
struct ReferenceTgaResult {
    int code = -1;
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint32_t bytesPerPixel = 0;
    std::vector<std::uint8_t> pixels;  // empty unless code is 0
};

ReferenceTgaResult ReferenceReadTga(const std::vector<std::uint8_t>& file);
