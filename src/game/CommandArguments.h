#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "script/CScriptValue.h"

// Reads a world command's arguments from the front, in written order. A
// command given fewer arguments than it takes reads each missing one as an
// empty text and 0, so no command ever reads past its list.
class CommandArguments {
public:
    explicit CommandArguments(const std::vector<CScriptValue>& values) : values(values) {}

    std::size_t Remaining() const { return values.size() - next; }

    // The next argument truncated toward zero; a string reads 0.
    std::int32_t Int() { return Take().AsInt(); }
    float Float() { return Take().AsFloat(); }
    // The next argument's string; a numeric argument has an empty text.
    std::string Text();
    // How many arguments were read past the end of the list.
    std::size_t MissingReads() const { return missingReads; }

private:
    const CScriptValue& Take();

    const std::vector<CScriptValue>& values;
    std::size_t next = 0;
    std::size_t missingReads = 0;
    CScriptValue missing;
};
