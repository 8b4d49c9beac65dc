#include "ReferenceTgaReader.h"

#include <cstddef>

namespace {
struct Stream {
    const std::vector<std::uint8_t>& bytes;
    std::size_t position;
    std::uint8_t Get() { return position < bytes.size() ? bytes[position++] : (position++, 255); }
};

bool PowerOfTwoUpTo512(std::uint32_t side)
{
    for (std::uint32_t legal = 1; legal <= 512; legal *= 2)
        if (side == legal)
            return true;
    return false;
}
}  // namespace

ReferenceTgaResult ReferenceReadTga(const std::vector<std::uint8_t>& file)
{
    Stream stream{file, 0};
    std::uint8_t header[18];
    for (std::uint8_t& byte : header)
        byte = stream.Get();

    ReferenceTgaResult result;
    result.width = header[12] | header[13] << 8;
    result.height = header[14] | header[15] << 8;
    result.bytesPerPixel = header[16] / 8;
    if (!PowerOfTwoUpTo512(result.width) || !PowerOfTwoUpTo512(result.height)) {
        result.code = 4;
        return result;
    }
    std::uint8_t type = header[2];
    if ((type != 2 && type != 10) || (header[16] != 24 && header[16] != 32)) {
        result.code = 2;
        return result;
    }

    const std::uint32_t bpp = result.bytesPerPixel;
    const std::size_t pixelCount = std::size_t{result.width} * result.height;
    std::vector<std::uint8_t> pixels(pixelCount * bpp);
    stream.position = 18 + header[0];
    auto readPixel = [&](std::uint8_t* to) {
        std::uint8_t b = stream.Get(), g = stream.Get(), r = stream.Get();
        to[0] = r;
        to[1] = g;
        to[2] = b;
        if (bpp == 4)
            to[3] = stream.Get();
    };
    std::size_t done = 0;
    if (type == 2) {
        for (; done < pixelCount; ++done)
            readPixel(&pixels[done * bpp]);
    } else {
        while (done < pixelCount) {
            std::uint8_t packet = stream.Get();
            unsigned count = (packet & 127) + 1;
            if (packet & 128) {
                std::uint8_t pixel[4];
                readPixel(pixel);
                for (unsigned i = 0; i < count && done < pixelCount; ++i, ++done)
                    for (std::uint32_t c = 0; c < bpp; ++c)
                        pixels[done * bpp + c] = pixel[c];
            } else {
                for (unsigned i = 0; i < count && done < pixelCount; ++i, ++done)
                    readPixel(&pixels[done * bpp]);
            }
        }
    }
    if (header[17] & 0x20) {
        std::size_t rowBytes = std::size_t{result.width} * bpp;
        for (std::uint32_t i = 0; i < result.height / 2; ++i)
            for (std::size_t k = 0; k < rowBytes; ++k) {
                std::uint8_t& a = pixels[i * rowBytes + k];
                std::uint8_t& b = pixels[(result.height - 1 - i) * rowBytes + k];
                std::uint8_t t = a;
                a = b;
                b = t;
            }
    }
    result.pixels = pixels;
    result.code = 0;
    return result;
}
