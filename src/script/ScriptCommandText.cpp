#include "script/ScriptCommandText.h"

#include "script/ScriptCommand.h"
#include "script/ScriptConversions.h"

std::string ScriptCommandText(const ScriptCommand& command)
{
    std::string line = "@" + command.name;
    for (const CScriptValue& argument : command.arguments) {
        line += '\t';
        if (argument.kind == CScriptValue::kString)
            line += "\"" + argument.stringValue + "\"";
        else
            line += FloatToStr(argument.AsFloat());
    }
    return line;
}
