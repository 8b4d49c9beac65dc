#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "image/BgrConversion.h"
#include "image/TgaByteSource.h"

// Conversions from the file's pixel order (B, G, R[, A]) to the order held in
// memory (R, G, B[, A]), for 3 and 4 bytes per pixel.
namespace TgaPixels {

// Literal packets are mostly short; long stretches go to the bulk conversion.
inline void ConvertBgr(const std::uint8_t* from, std::uint8_t* to, std::size_t count)
{
    if (count >= 16) {
        ConvertBgrPixels(from, to, count);
        return;
    }
    for (std::size_t i = 0; i < count; ++i, from += 3, to += 3) {
        to[0] = from[2];
        to[1] = from[1];
        to[2] = from[0];
    }
}

inline void ConvertBgra(const std::uint8_t* from, std::uint8_t* to, std::size_t count)
{
    if (count >= 4) {
        ConvertBgraPixels(from, to, count);
        return;
    }
    for (std::size_t i = 0; i < count; ++i, from += 4, to += 4) {
        to[0] = from[2];
        to[1] = from[1];
        to[2] = from[0];
        to[3] = from[3];
    }
}

inline void Convert(const std::uint8_t* from, std::uint8_t* to, std::size_t count,
                    std::uint32_t bytesPerPixel)
{
    if (bytesPerPixel == 3)
        ConvertBgr(from, to, count);
    else
        ConvertBgra(from, to, count);
}

// One pixel read byte by byte, for the pixels that reach past the end of the
// file.
inline void ReadOne(TgaByteSource& source, std::uint8_t* to, std::uint32_t bytesPerPixel)
{
    std::uint8_t blue = source.Next();
    std::uint8_t green = source.Next();
    std::uint8_t red = source.Next();
    to[0] = red;
    to[1] = green;
    to[2] = blue;
    if (bytesPerPixel == 4)
        to[3] = source.Next();
}

// `count` pixels from the source, converted.
inline void Read(TgaByteSource& source, std::uint8_t* to, std::size_t count,
                 std::uint32_t bytesPerPixel)
{
    std::size_t byteCount = count * bytesPerPixel;
    if (source.Has(byteCount)) {
        Convert(source.Take(byteCount), to, count, bytesPerPixel);
        return;
    }
    for (std::size_t i = 0; i < count; ++i, to += bytesPerPixel)
        ReadOne(source, to, bytesPerPixel);
}

// Repeats one converted pixel `count` times.
inline void Fill(const std::uint8_t* pixel, std::uint8_t* to, std::size_t count,
                 std::uint32_t bytesPerPixel)
{
    if (bytesPerPixel == 4) {
        std::uint32_t word;
        std::memcpy(&word, pixel, 4);
        for (std::size_t i = 0; i < count; ++i, to += 4)
            std::memcpy(to, &word, 4);
        return;
    }
    for (std::size_t i = 0; i < count; ++i, to += 3) {
        to[0] = pixel[0];
        to[1] = pixel[1];
        to[2] = pixel[2];
    }
}

}  // namespace TgaPixels
