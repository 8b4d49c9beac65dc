#pragma once

#include <cstdint>
#include <string>

#include "script/ScriptToken.h"

// A token as read by the interpreter, without copying it: the stored token,
// its type after re-typing against the script's variables and, for a
// variable, its index in the matching variable list.
struct ScriptTokenRef {
    const ScriptToken* token = nullptr;
    std::int32_t type = TokEnd;
    int variableIndex = -1;
    // Index of the token in its run's list when it was read from there
    // through the remembered path; -1 otherwise.
    std::int32_t position = -1;

    const std::string& Text() const { return token->text; }
    std::int32_t Id() const { return token->id; }
    bool IsEnd() const { return type == TokEnd; }
    bool IsOperator(std::int32_t operatorId) const { return type == TokOperator && token->id == operatorId; }
};
