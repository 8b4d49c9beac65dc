#include "script/ScriptComparisons.h"

#include "script/ScriptTables.h"

bool CompareStrings(const std::string& left, std::int32_t operatorId, const std::string& right)
{
    if (operatorId == OpEqual)
        return left == right;
    if (operatorId == OpNotEqual)
        return left != right;
    return false;
}
