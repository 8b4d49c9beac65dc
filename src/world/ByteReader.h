#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Reads little-endian numbers and zero-terminated strings from a block of
// bytes held in memory. Every read checks that the bytes are there: a read
// that would pass the end returns false and leaves the position unchanged.
class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size) : data(data), size(size) {}

    std::size_t Position() const { return position; }
    std::size_t Remaining() const { return size - position; }

    bool ReadU8(std::uint8_t& value);
    bool ReadU16(std::uint16_t& value);
    // The bytes up to the next 0 byte, which is consumed; false when no 0
    // byte follows before the end.
    bool ReadString(std::string& value);
    // Views the next `count` bytes and moves past them; null (and no move)
    // when fewer remain.
    const std::uint8_t* Take(std::size_t count);
    // Steps back over bytes already read (at most to the start).
    void Unread(std::size_t count) { position -= count < position ? count : position; }

private:
    const std::uint8_t* data;
    std::size_t size;
    std::size_t position = 0;
};
