#include "script/ScriptBuiltIn.h"

ScriptBuiltIn BuiltInOf(const std::string& word)
{
    if (word == "Console")
        return BuiltInConsole;
    if (word == "SetGlobalString")
        return BuiltInSetGlobalString;
    if (word == "SetGlobalNum")
        return BuiltInSetGlobalNum;
    if (word == "NumToStr")
        return BuiltInNumToStr;
    if (word == "Clock")
        return BuiltInClock;
    if (word == "Hasard")
        return BuiltInHasard;
    if (word == "ListeVariables")
        return BuiltInListeVariables;
    return BuiltInNone;
}
