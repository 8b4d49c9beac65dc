#pragma once

#include <cstdint>
#include <string>

#include "script/ScriptTables.h"

// The comparisons of `if` and `while` conditions, by operator id (38..43).
// Floats compare exactly; strings compare byte for byte and know only `==`
// and `!=`. Any other operator id gives false.
// Inline: the interpreter compares once per loop pass.
inline bool CompareNumbers(float left, std::int32_t operatorId, float right)
{
    switch (operatorId) {
    case OpEqual: return left == right;
    case OpNotEqual: return left != right;
    case OpGreaterEqual: return left >= right;
    case OpGreater: return left > right;
    case OpLessEqual: return left <= right;
    case OpLess: return left < right;
    default: return false;
    }
}
bool CompareStrings(const std::string& left, std::int32_t operatorId, const std::string& right);
