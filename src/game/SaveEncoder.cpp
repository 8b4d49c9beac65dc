#include "game/SaveEncoder.h"

#include <cstring>

void SaveEncoder::U16(std::uint16_t value)
{
    U8(static_cast<std::uint8_t>(value));
    U8(static_cast<std::uint8_t>(value >> 8));
}

void SaveEncoder::U32(std::uint32_t value)
{
    U16(static_cast<std::uint16_t>(value));
    U16(static_cast<std::uint16_t>(value >> 16));
}

void SaveEncoder::F32(float value)
{
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    U32(bits);
}

void SaveEncoder::Text(const std::string& value)
{
    U32(static_cast<std::uint32_t>(value.size()));
    bytes.insert(bytes.end(), value.begin(), value.end());
}
