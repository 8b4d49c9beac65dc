#include "script/ScriptContainer.h"

std::vector<ScriptContainer::Record> ScriptContainer::Parse(const std::vector<std::uint8_t>& bytes)
{
    std::vector<Record> records;
    ForEach(bytes, [&records](const Record& record) { records.push_back(record); });
    return records;
}
