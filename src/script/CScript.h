#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "script/ScriptToken.h"
#include "script/ScriptTokenRef.h"
#include "script/ScriptVariableList.h"

// One compiled script, and also one run of it: the interpreter works on a
// copy with its own program counter and local variables. Copying a CScript
// copies its tokens and variables.
class CScript {
public:
    // Resets the script, then compiles `text` under `scriptId`.
    void Tokenize(const std::string& text, std::uint16_t scriptId);
    void Reset();

    // The token at the program counter, re-typed against the variables the
    // script has now; the counter then advances. At the end of the list:
    // {"", TokEnd, 0} and the counter stays.
    ScriptToken NextToken();
    // The token at the program counter (re-typed), then the counter goes
    // back by one. {"", TokEnd, 0} when there is no token there; a negative
    // counter stays where it is.
    ScriptToken PrevToken();
    void Rewind() { programCounter = 0; }

    // NextToken without the copy, for the interpreter.
    ScriptTokenRef ReadToken();
    // What NextToken would make of the stored token at `index`.
    ScriptTokenRef TokenAt(std::int32_t index) const;
    bool HasTokenAt(std::int32_t index) const
    {
        return index >= 0 && static_cast<std::size_t>(index) < tokens.size();
    }

    std::uint16_t id = 0;
    std::int32_t programCounter = 0;
    std::string source;
    std::vector<ScriptToken> tokens;
    ScriptVariableList<std::int32_t> intVariables;
    ScriptVariableList<float> floatVariables;
    ScriptVariableList<std::string> stringVariables;

private:
    static ScriptToken ToCopy(const ScriptTokenRef& ref);
};
