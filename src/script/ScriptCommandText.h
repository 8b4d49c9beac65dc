#pragma once

#include <string>

struct ScriptCommand;

// One line describing a queued world command, as the authoring tool prints
// it: "@", the name, then per argument a tab and either the string between
// double quotes (bytes as they are) or the number in FloatToStr form. No
// line end.
std::string ScriptCommandText(const ScriptCommand& command);
