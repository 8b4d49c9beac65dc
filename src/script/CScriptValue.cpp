#include "script/CScriptValue.h"

#include "script/ScriptConversions.h"

std::int32_t CScriptValue::AsInt() const
{
    return kind == kInt ? intValue : TruncateToInt32(floatValue);
}
