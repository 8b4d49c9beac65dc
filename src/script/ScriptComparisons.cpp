#include "script/ScriptComparisons.h"

#include "script/ScriptTables.h"

bool CompareNumbers(float left, std::int32_t operatorId, float right)
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

bool CompareStrings(const std::string& left, std::int32_t operatorId, const std::string& right)
{
    if (operatorId == OpEqual)
        return left == right;
    if (operatorId == OpNotEqual)
        return left != right;
    return false;
}
