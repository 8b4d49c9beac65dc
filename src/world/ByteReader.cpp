#include "world/ByteReader.h"

#include <cstring>

bool ByteReader::ReadU8(std::uint8_t& value)
{
    const std::uint8_t* bytes = Take(1);
    if (!bytes)
        return false;
    value = bytes[0];
    return true;
}

bool ByteReader::ReadU16(std::uint16_t& value)
{
    const std::uint8_t* bytes = Take(2);
    if (!bytes)
        return false;
    value = std::uint16_t(bytes[0] | (bytes[1] << 8));
    return true;
}

bool ByteReader::ReadString(std::string& value)
{
    const void* end = Remaining() ? std::memchr(data + position, 0, Remaining()) : nullptr;
    if (!end)
        return false;
    std::size_t length = static_cast<const std::uint8_t*>(end) - (data + position);
    value.assign(reinterpret_cast<const char*>(data + position), length);
    position += length + 1;
    return true;
}

const std::uint8_t* ByteReader::Take(std::size_t count)
{
    if (count > Remaining())
        return nullptr;
    const std::uint8_t* bytes = data + position;
    position += count;
    return bytes;
}
