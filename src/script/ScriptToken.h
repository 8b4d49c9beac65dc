#pragma once

#include <cstdint>
#include <string>

// Kinds of token. The numbers are part of the language's tooling output
// (tessel-script --tokens), so they never change.
enum ScriptTokenType : std::int32_t {
    TokNone = 0,
    TokOperator = 1,
    TokKeyword = 2,
    TokIntVar = 3,
    TokFloatVar = 4,
    TokStringVar = 5,
    TokIntLiteral = 6,
    TokFloatLiteral = 7,
    TokStringLiteral = 8,
    TokWord = 9,
    TokEnd = 10,
};

// One token of a compiled script. `id` is the keyword or operator id and 0
// for every other type, so terminators can be recognised by id alone.
struct ScriptToken {
    std::string text;
    std::int32_t type = TokNone;
    std::int32_t id = 0;
};
