#include "script/DumpVariables.h"

#include "script/CScript.h"
#include "script/ScriptConversions.h"

namespace {

const std::string kDashes = std::string(39, '-') + "\n";

void AddHeading(std::string& text, const char* title)
{
    text += kDashes;
    text += title;
    text += "\n";
    text += kDashes;
}

void AddLine(std::string& text, const std::string& name, const std::string& value)
{
    text += name;
    text += ":\t\t";
    text += value;
    text += "\n";
}

} // namespace

std::string DumpVariables(const CScript& script)
{
    std::string text;
    AddHeading(text, "Chaines");
    for (const auto& variable : script.stringVariables.entries)
        AddLine(text, variable.first, variable.second);
    AddHeading(text, "Entiers");
    for (const auto& variable : script.intVariables.entries)
        AddLine(text, variable.first, IntToStr(variable.second));
    AddHeading(text, "Flottants");
    for (const auto& variable : script.floatVariables.entries)
        AddLine(text, variable.first, FloatToStr(variable.second));
    text += kDashes;
    text += "\n";
    return text;
}
