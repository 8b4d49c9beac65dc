#include "game/CommandArguments.h"

const CScriptValue& CommandArguments::Take()
{
    if (next >= values.size()) {
        ++missingReads;
        return missing;
    }
    return values[next++];
}

std::string CommandArguments::Text()
{
    const CScriptValue& value = Take();
    return value.kind == CScriptValue::kString ? value.stringValue : std::string();
}
