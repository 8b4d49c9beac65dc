#include "game/SaveDecoder.h"

#include <cstring>

bool SaveDecoder::Have(std::size_t count)
{
    if (ok && size - position >= count)
        return true;
    ok = false;
    return false;
}

std::uint8_t SaveDecoder::U8()
{
    return Have(1) ? data[position++] : 0;
}

std::uint16_t SaveDecoder::U16()
{
    const std::uint16_t low = U8();
    return static_cast<std::uint16_t>(low | (U8() << 8));
}

std::uint32_t SaveDecoder::U32()
{
    const std::uint32_t low = U16();
    return low | (static_cast<std::uint32_t>(U16()) << 16);
}

float SaveDecoder::F32()
{
    const std::uint32_t bits = U32();
    float value = 0.0f;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::string SaveDecoder::Text()
{
    const std::uint32_t length = U32();
    if (!Have(length))
        return std::string();
    std::string value(reinterpret_cast<const char*>(data + position), length);
    position += length;
    return value;
}

std::uint32_t SaveDecoder::Count(std::size_t minBytes)
{
    const std::uint32_t count = U32();
    if (!ok)
        return 0;
    if (minBytes > 0 && count > (size - position) / minBytes) {
        ok = false;
        return 0;
    }
    return count;
}
