#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "script/ScriptToken.h"

// A token of a script as the game's lexer makes it, with the place in the
// script's text where it starts.
struct LintToken {
    std::string text;
    std::int32_t type = TokNone;
    std::int32_t id = 0;
    std::size_t offset = 0;
    // The keyword "stop" that the lexer makes of a text ending in
    // separators or in a comment.
    bool synthetic = false;
    // A string literal whose closing quote is missing on its line: it is
    // read as ending with the line, and a ";" is supposed after it.
    bool unclosed = false;

    bool Is(std::int32_t keywordOrOperatorId) const { return id == keywordOrOperatorId; }
};
