#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The records of a script container file: each is a 16-bit little-endian id
// followed by the script text and a 0x00 byte. There is no header or count.
class ScriptContainer {
public:
    struct Record {
        std::uint16_t id = 0;
        std::string text;
    };

    // Splits a container's bytes into records, in file order. A last record
    // cut short before its 0x00 keeps the text up to the end of the file; a
    // single byte left over after the last record (half an id) is ignored.
    static std::vector<Record> Parse(const std::vector<std::uint8_t>& bytes);
};
