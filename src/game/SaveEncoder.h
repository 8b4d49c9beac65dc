#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Appends little-endian numbers and length-prefixed strings to a block of
// bytes: the encoding of save files.
class SaveEncoder {
public:
    void U8(std::uint8_t value) { bytes.push_back(value); }
    void U16(std::uint16_t value);
    void U32(std::uint32_t value);
    void I32(std::int32_t value) { U32(static_cast<std::uint32_t>(value)); }
    // The bits of the float, so that it reads back exactly.
    void F32(float value);
    // A 32-bit length, then the bytes.
    void Text(const std::string& value);
    void Raw(const std::uint8_t* data, std::size_t size) { bytes.insert(bytes.end(), data, data + size); }

    std::vector<std::uint8_t> bytes;
};
