#pragma once

#include <cstdint>
#include <string>

#include "script/ScriptToken.h"

// Cuts a script's source text into tokens, one per call. Words are separated
// by space, tab, CR and LF only, so operators need separators around them;
// "//" starts a comment anywhere, even inside a word; a double quote starts
// a string literal with \n, \" and \\ escapes.
class ScriptLexer {
public:
    explicit ScriptLexer(const std::string& source) : text(source) {}

    bool AtEnd() const { return position >= text.size(); }
    std::size_t Position() const { return position; }
    ScriptToken Next();

    // Type and id of a finished word: keyword, operator, int literal, float
    // literal or plain word.
    static ScriptToken Classify(std::string word);

    // Reads a string literal's content from `position` (just after its
    // opening quote) into `word`, unescaping \n, \" and \\; true when the
    // closing quote was found (and passed). The linter reads literals with it
    // too, so both see the same text.
    static bool ReadStringLiteral(const std::string& text, std::size_t& position, std::string& word);

private:
    void SkipSeparators();
    void SkipComment();

    const std::string& text;
    std::size_t position = 0;
};
