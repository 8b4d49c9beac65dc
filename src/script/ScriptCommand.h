#pragma once

#include <string>
#include <vector>

#include "script/CScriptValue.h"

// A statement that acts on the world, queued by the interpreter for the
// game's command executor: the command word as written and its arguments in
// written order (a string argument has kind 3, a numeric one kind 2).
struct ScriptCommand {
    std::string name;
    std::vector<CScriptValue> arguments;
};
