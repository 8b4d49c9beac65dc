#pragma once

#include <cstdint>
#include <string>

// The seven command words the interpreter carries out itself.
enum ScriptBuiltIn : std::int8_t {
    BuiltInNone = 0,
    BuiltInConsole,
    BuiltInSetGlobalString,
    BuiltInSetGlobalNum,
    BuiltInNumToStr,
    BuiltInClock,
    BuiltInHasard,
    BuiltInListeVariables,
};

// Which built-in command `word` names (exact, case-sensitive), BuiltInNone
// for any other word.
ScriptBuiltIn BuiltInOf(const std::string& word);
