#include "support/TestPicture.h"

#include <random>

TestPicture TestPicture::Tiles(std::uint32_t width, std::uint32_t height, bool withAlpha,
                               std::uint32_t seed)
{
    TestPicture picture;
    picture.width = width;
    picture.height = height;
    picture.pixels.resize(std::size_t{width} * height);
    std::mt19937 random(seed);
    for (std::uint32_t y = 0; y < height; ++y) {
        for (std::uint32_t x = 0; x < width; ++x) {
            PicturePixel p;
            std::uint32_t tile = (x / 8 + y / 8) % 4;
            if (tile == 0) {
                p = {30, 90, 160, 255};
            } else if (tile == 1) {
                p = {static_cast<std::uint8_t>(x * 7), static_cast<std::uint8_t>(y * 5), 40, 255};
            } else if (tile == 2) {
                p = {static_cast<std::uint8_t>(random()), static_cast<std::uint8_t>(random()),
                     static_cast<std::uint8_t>(random()), 255};
            } else {
                p = {200, 180, static_cast<std::uint8_t>(x / 4 * 9), 255};
            }
            if (withAlpha)
                p.a = static_cast<std::uint8_t>(tile == 2 ? random() : 255 - y);
            picture.pixels[std::size_t{y} * width + x] = p;
        }
    }
    return picture;
}

namespace {
void AppendPixel(std::vector<std::uint8_t>& bytes, const PicturePixel& p,
                 std::uint32_t bytesPerPixel)
{
    bytes.push_back(p.r);
    bytes.push_back(p.g);
    bytes.push_back(p.b);
    if (bytesPerPixel == 4)
        bytes.push_back(p.a);
}
}  // namespace

std::vector<std::uint8_t> TestPicture::MemoryBottomUp(std::uint32_t bytesPerPixel) const
{
    std::vector<std::uint8_t> bytes;
    for (std::uint32_t y = height; y-- > 0;)
        for (std::uint32_t x = 0; x < width; ++x)
            AppendPixel(bytes, At(x, y), bytesPerPixel);
    return bytes;
}

std::vector<std::uint8_t> TestPicture::BytesTopDown(std::uint32_t bytesPerPixel) const
{
    std::vector<std::uint8_t> bytes;
    for (const PicturePixel& p : pixels)
        AppendPixel(bytes, p, bytesPerPixel);
    return bytes;
}
