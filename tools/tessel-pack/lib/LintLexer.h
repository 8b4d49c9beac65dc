#pragma once

#include <vector>

#include "lib/Diagnostics.h"
#include "lib/LintToken.h"
#include "lib/ScriptSource.h"

// Cuts a script into the tokens the game will see, word for word as the
// game's lexer does, and reports the lexical traps on the way: a string
// literal that never ends, text glued to a "//" comment (dropped with it,
// a ";" included), a word glued to a string literal (it becomes part of the
// literal) and operators glued to their operands ("a+1" is one word).
class LintLexer {
public:
    LintLexer(const SourceScript& script, const std::string& file, Diagnostics& diagnostics);

    std::vector<LintToken> Tokens();

    // A word (not a number such as -5 or 1e-3) holding operator characters.
    static bool HasGluedOperator(const std::string& word);

private:
    LintToken Next();
    void SkipSeparators();
    void CheckGluedOperators(const LintToken& token);
    void Error(std::size_t offset, const std::string& message);
    void Warning(std::size_t offset, const std::string& message);

    const SourceScript& script;
    const std::string& text;
    const std::string& file;
    Diagnostics& diagnostics;
    std::size_t position = 0;
};
