#include "image/TgaRowOrder.h"

#include <algorithm>

void ReverseRows(std::uint8_t* pixels, std::size_t rowBytes, std::size_t height)
{
    if (height < 2)
        return;
    std::uint8_t* top = pixels;
    std::uint8_t* bottom = pixels + (height - 1) * rowBytes;
    for (; top < bottom; top += rowBytes, bottom -= rowBytes)
        std::swap_ranges(top, top + rowBytes, bottom);
}
