#include "BenchPicture.h"

#include <cstring>
#include <random>

namespace {
void Put(std::vector<std::uint8_t>& rgba, std::uint32_t x, std::uint32_t y, std::uint8_t r,
         std::uint8_t g, std::uint8_t b, std::uint8_t a)
{
    std::uint8_t* p = &rgba[(std::size_t{y} * BenchPicture::kSide + x) * 4];
    p[0] = r;
    p[1] = g;
    p[2] = b;
    p[3] = a;
}

// One pixel as the file stores it.
void AppendPixel(std::vector<std::uint8_t>& out, const std::uint8_t* rgba, unsigned bytesPerPixel)
{
    out.push_back(rgba[2]);
    out.push_back(rgba[1]);
    out.push_back(rgba[0]);
    if (bytesPerPixel == 4)
        out.push_back(rgba[3]);
}

bool SamePixel(const std::uint8_t* a, const std::uint8_t* b, unsigned bytesPerPixel)
{
    return std::memcmp(a, b, bytesPerPixel == 4 ? 4 : 3) == 0;
}
}  // namespace

BenchPicture BenchPicture::TileSheet()
{
    BenchPicture picture;
    picture.rgba.resize(std::size_t{kSide} * kSide * 4);
    std::mt19937 random(512);
    for (std::uint32_t y = 0; y < kSide; ++y) {
        for (std::uint32_t x = 0; x < kSide; ++x) {
            std::uint32_t tile = (x / 32 * 7 + y / 32 * 3) % 5;
            std::uint32_t u = x % 32, v = y % 32;
            switch (tile) {
            case 0:  // grass: flat, a speck now and then
                if (random() % 23 == 0)
                    Put(picture.rgba, x, y, 60, 140, 40, 255);
                else
                    Put(picture.rgba, x, y, 70, 160, 50, 255);
                break;
            case 1:  // stone: noise
                Put(picture.rgba, x, y, static_cast<std::uint8_t>(110 + random() % 40),
                    static_cast<std::uint8_t>(110 + random() % 40),
                    static_cast<std::uint8_t>(120 + random() % 30), 255);
                break;
            case 2:  // water: a gradient, every pixel a little different
                Put(picture.rgba, x, y, 20, static_cast<std::uint8_t>(60 + u * 3 + v),
                    static_cast<std::uint8_t>(150 + v * 3), 255);
                break;
            case 3: {  // sprite on a transparent background
                int dx = static_cast<int>(u) - 16, dy = static_cast<int>(v) - 16;
                if (dx * dx + dy * dy < 100)
                    Put(picture.rgba, x, y, static_cast<std::uint8_t>(200 + dx * 3),
                        static_cast<std::uint8_t>(120 + dy * 4),
                        static_cast<std::uint8_t>(random() % 64), 255);
                else
                    Put(picture.rgba, x, y, 0, 0, 0, 0);
                break;
            }
            default:  // wall: bricks of flat colour with mortar lines
                if (v % 8 == 0 || (u + (v / 8) * 4) % 16 == 0)
                    Put(picture.rgba, x, y, 90, 90, 90, 255);
                else
                    Put(picture.rgba, x, y, 150, 60, 40, 255);
                break;
            }
        }
    }
    return picture;
}

std::vector<std::uint8_t> BenchPicture::EncodeTga(unsigned depth, bool runLength) const
{
    const unsigned bytesPerPixel = depth / 8;
    std::vector<std::uint8_t> out(18, 0);
    out[2] = runLength ? 10 : 2;
    out[12] = kSide & 0xFF;
    out[13] = kSide >> 8;
    out[14] = kSide & 0xFF;
    out[15] = kSide >> 8;
    out[16] = static_cast<std::uint8_t>(depth);
    out[17] = depth == 32 ? 8 : 0;

    // Bottom row first.
    std::vector<const std::uint8_t*> order;
    for (std::uint32_t y = kSide; y-- > 0;)
        for (std::uint32_t x = 0; x < kSide; ++x)
            order.push_back(&rgba[(std::size_t{y} * kSide + x) * 4]);

    if (!runLength) {
        for (const std::uint8_t* p : order)
            AppendPixel(out, p, bytesPerPixel);
        return out;
    }
    std::size_t i = 0;
    while (i < order.size()) {
        std::size_t same = 1;
        while (i + same < order.size() && same < 128 &&
               SamePixel(order[i + same], order[i], bytesPerPixel))
            ++same;
        if (same >= 2) {
            out.push_back(static_cast<std::uint8_t>(0x80 | (same - 1)));
            AppendPixel(out, order[i], bytesPerPixel);
            i += same;
            continue;
        }
        std::size_t start = i, count = 0;
        while (i < order.size() && count < 128 &&
               !(i + 1 < order.size() && SamePixel(order[i + 1], order[i], bytesPerPixel))) {
            ++i;
            ++count;
        }
        out.push_back(static_cast<std::uint8_t>(count - 1));
        for (std::size_t k = start; k < start + count; ++k)
            AppendPixel(out, order[k], bytesPerPixel);
    }
    return out;
}
