#pragma once

#include <cstdint>

// A rectangle in screen pixels: origin at the top-left, y growing downwards.
struct CRect {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t w = 0;
    std::int32_t h = 0;

    CRect() = default;
    CRect(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height)
        : x(left), y(top), w(width), h(height)
    {
    }
};
