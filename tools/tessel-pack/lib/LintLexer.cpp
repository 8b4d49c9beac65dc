#include "lib/LintLexer.h"

#include <algorithm>

#include "lib/Cp1252.h"
#include "script/ScriptLexer.h"
#include "script/ScriptTables.h"

namespace {

const std::string kOperatorCharacters = "+-*/^()=!<>,;:";

bool IsSeparator(char c)
{
    return ScriptTables::Get().IsSeparator(c);
}

// True when all of a word reads as a number (-5, 1e-3, 2.5), so that its
// signs are part of the number and not glued operators.
bool IsWholeNumber(const std::string& word)
{
    if (word.empty())
        return false;
    std::size_t used = 0;
    try {
        std::stod(word, &used);
    } catch (...) {
        return false;
    }
    return used == word.size();
}

} // namespace

LintLexer::LintLexer(const SourceScript& script, const std::string& file, Diagnostics& diagnostics)
    : script(script), text(script.text), file(file), diagnostics(diagnostics)
{
}

std::vector<LintToken> LintLexer::Tokens()
{
    std::vector<LintToken> tokens;
    while (position < text.size()) {
        tokens.push_back(Next());
        if (tokens.back().unclosed) {
            LintToken end;
            end.text = ";";
            end.type = TokOperator;
            end.id = OpSemicolon;
            end.offset = tokens.back().offset;
            end.synthetic = true;
            tokens.push_back(end);
        }
    }
    return tokens;
}

void LintLexer::SkipSeparators()
{
    while (position < text.size() && IsSeparator(text[position]))
        ++position;
}

LintToken LintLexer::Next()
{
    std::string word;
    SkipSeparators();
    std::size_t start = position;
    while (position < text.size() && !IsSeparator(text[position])) {
        const char c = text[position];
        if (c == '/' && position + 1 < text.size() && text[position + 1] == '/') {
            if (!word.empty()) {
                if (word.find(';') != std::string::npos)
                    Error(start, (word == ";" ? std::string("the ';'") : "the ';' of \"" + word + "\"") +
                                     " is glued to \"//\" and is lost with the comment; put a space before \"//\"");
                else
                    Warning(start, "\"" + word + "\" is glued to \"//\" and is dropped with the comment");
            }
            while (position < text.size() && text[position] != '\n')
                ++position;
            word.clear();
            SkipSeparators();
            start = position;
            continue;
        }
        if (c == '"') {
            if (!word.empty())
                Error(start, "\"" + word + "\" is glued to the string literal after it and becomes part of "
                             "the literal; put a space between them");
            const std::size_t quote = position;
            const std::size_t lineEnd = std::min(text.find('\n', quote), text.size());
            std::size_t end = quote + 1;
            LintToken literal;
            literal.type = TokStringLiteral;
            literal.offset = start;
            literal.text = word;
            const bool closed = ScriptLexer::ReadStringLiteral(text, end, literal.text);
            if (closed && end <= lineEnd) {
                position = end;
                return literal;
            }
            // The game would read on to the next quote, whatever lines lie
            // between, and every statement after it would be misread. One
            // finding here, and the lines after it read as they are written.
            Error(quote, closed ? "this string literal never ends on its line: its closing '\"' is missing (write "
                                  "\\n for a line break in a text)"
                                : "this string literal never ends: its closing '\"' is missing");
            literal.text = word + text.substr(quote + 1, lineEnd - quote - 1);
            literal.unclosed = true;
            position = lineEnd;
            return literal;
        }
        word += c;
        ++position;
    }
    LintToken token;
    if (word.empty()) {
        token.synthetic = true;
        word = ScriptTables::Get().TextOf(KwStop);
    }
    const ScriptToken classified = ScriptLexer::Classify(word);
    token.text = classified.text;
    token.type = classified.type;
    token.id = classified.id;
    token.offset = start;
    if (!token.synthetic)
        CheckGluedOperators(token);
    return token;
}

bool LintLexer::HasGluedOperator(const std::string& word)
{
    const ScriptTables& tables = ScriptTables::Get();
    return !tables.KeywordId(word) && !tables.OperatorId(word) && !IsWholeNumber(word) &&
           word.find_first_of(kOperatorCharacters) != std::string::npos;
}

void LintLexer::CheckGluedOperators(const LintToken& token)
{
    const std::size_t glued = token.text.find_first_of(kOperatorCharacters);
    if (HasGluedOperator(token.text))
        Error(token.offset, "\"" + token.text + "\" is one word: operators need spaces around them (write \"" +
                                token.text.substr(0, glued) + " " + token.text.substr(glued, 1) + " ...\")");
    else if ((token.type == TokIntLiteral || token.type == TokFloatLiteral) && !IsWholeNumber(token.text))
        Error(token.offset, "\"" + token.text + "\" reads as the number at its start; letters glued to a "
                                                "number are ignored");
}

void LintLexer::Error(std::size_t offset, const std::string& message)
{
    int line = 0, column = 0;
    script.PositionOf(offset, line, column);
    diagnostics.Error(file, line, column, Cp1252::ToUtf8(message));
}

void LintLexer::Warning(std::size_t offset, const std::string& message)
{
    int line = 0, column = 0;
    script.PositionOf(offset, line, column);
    diagnostics.Warning(file, line, column, Cp1252::ToUtf8(message));
}
