#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Reads what SaveEncoder wrote, from bytes that may be damaged. A read past
// the end fails and every later read fails too, so that a decoder can read a
// whole record and look at Ok() once. Lengths and counts are checked against
// the bytes left before anything is allocated for them.
class SaveDecoder {
public:
    SaveDecoder(const std::uint8_t* data, std::size_t size) : data(data), size(size) {}

    std::uint8_t U8();
    std::uint16_t U16();
    std::uint32_t U32();
    std::int32_t I32() { return static_cast<std::int32_t>(U32()); }
    float F32();
    std::string Text();
    bool Flag() { return U8() != 0; }
    // A count of records that each take at least `minBytes`: 0 and a failure
    // when so many cannot be in the bytes left.
    std::uint32_t Count(std::size_t minBytes);
    // Fails the decoder from the outside (a value out of its range).
    void Fail() { ok = false; }

    bool Ok() const { return ok; }
    std::size_t Remaining() const { return ok ? size - position : 0; }

private:
    bool Have(std::size_t count);

    const std::uint8_t* data;
    std::size_t size;
    std::size_t position = 0;
    bool ok = true;
};
