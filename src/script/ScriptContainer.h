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
    // The same records handed one at a time to `use(const Record&)`, so
    // that a file of many tiny records is never held twice over.
    template <typename Use>
    static void ForEach(const std::vector<std::uint8_t>& bytes, Use&& use);
};

template <typename Use>
void ScriptContainer::ForEach(const std::vector<std::uint8_t>& bytes, Use&& use)
{
    Record record;
    std::size_t position = 0;
    while (position + 2 <= bytes.size()) {
        record.id = static_cast<std::uint16_t>(bytes[position] | (bytes[position + 1] << 8));
        position += 2;
        std::size_t end = position;
        while (end < bytes.size() && bytes[end] != 0)
            ++end;
        record.text.assign(bytes.begin() + position, bytes.begin() + end);
        position = end + 1;
        use(static_cast<const Record&>(record));
    }
}
