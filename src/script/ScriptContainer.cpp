#include "script/ScriptContainer.h"

std::vector<ScriptContainer::Record> ScriptContainer::Parse(const std::vector<std::uint8_t>& bytes)
{
    std::vector<Record> records;
    std::size_t position = 0;
    while (position + 2 <= bytes.size()) {
        Record record;
        record.id = static_cast<std::uint16_t>(bytes[position] | (bytes[position + 1] << 8));
        position += 2;
        std::size_t end = position;
        while (end < bytes.size() && bytes[end] != 0)
            ++end;
        record.text.assign(bytes.begin() + position, bytes.begin() + end);
        position = end + 1;
        records.push_back(std::move(record));
    }
    return records;
}
