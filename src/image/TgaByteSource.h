#pragma once

#include <cstddef>
#include <cstdint>

// A read cursor over the bytes of a TGA file held in memory. Reading past the
// end gives 255 (the low byte of the stream's end-of-file value), so a short
// file decodes as a picture padded with white, opaque pixels.
class TgaByteSource {
public:
    TgaByteSource(const std::uint8_t* bytes, std::size_t size, std::size_t position)
        : bytes(bytes), size(size), position(position)
    {
    }

    // Whether the next `count` bytes all lie inside the file.
    bool Has(std::size_t count) const { return position <= size && size - position >= count; }

    // The next `count` bytes, in place; only after Has(count).
    const std::uint8_t* Take(std::size_t count)
    {
        const std::uint8_t* start = bytes + position;
        position += count;
        return start;
    }

    std::uint8_t Next()
    {
        std::uint8_t byte = position < size ? bytes[position] : 255;
        ++position;
        return byte;
    }

private:
    const std::uint8_t* bytes;
    std::size_t size;
    std::size_t position;
};
