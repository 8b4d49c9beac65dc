#include "script/CScriptValue.h"

#include "script/ScriptConversions.h"

float CScriptValue::AsFloat() const
{
    return kind == kFloat ? floatValue : static_cast<float>(intValue);
}

std::int32_t CScriptValue::AsInt() const
{
    return kind == kInt ? intValue : TruncateToInt32(floatValue);
}
