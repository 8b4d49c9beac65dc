#include "script/ScriptLexer.h"

#include "script/ScriptConversions.h"
#include "script/ScriptTables.h"

namespace {

bool IsIntLiteral(const std::string& word)
{
    std::int32_t asInt = 0;
    float asFloat = 0.0f;
    if (!ReadInt32Prefix(word, asInt) || !ReadFloatPrefix(word, asFloat))
        return false;
    // Compared exactly: 16777217 reads as the float 16777216 and is
    // therefore a float literal.
    return static_cast<double>(asFloat) == static_cast<double>(asInt);
}

bool IsFloatLiteral(const std::string& word)
{
    float asFloat = 0.0f;
    return ReadFloatPrefix(word, asFloat);
}

} // namespace

ScriptToken ScriptLexer::Classify(std::string word)
{
    const ScriptTables& tables = ScriptTables::Get();
    ScriptToken token;
    if (std::int32_t id = tables.KeywordId(word)) {
        token.type = TokKeyword;
        token.id = id;
    } else if (std::int32_t opId = tables.OperatorId(word)) {
        token.type = TokOperator;
        token.id = opId;
    } else if (IsIntLiteral(word)) {
        token.type = TokIntLiteral;
    } else if (IsFloatLiteral(word)) {
        token.type = TokFloatLiteral;
    } else {
        token.type = TokWord;
    }
    // Local variables are not looked up here: compilation starts without
    // any, and words are re-typed when they are read at run time.
    token.text = std::move(word);
    return token;
}

void ScriptLexer::SkipSeparators()
{
    const ScriptTables& tables = ScriptTables::Get();
    while (position < text.size() && tables.IsSeparator(text[position]))
        ++position;
}

void ScriptLexer::SkipComment()
{
    while (position < text.size() && text[position] != '\n')
        ++position;
}

bool ScriptLexer::ReadStringLiteral(const std::string& text, std::size_t& position, std::string& word)
{
    while (position < text.size()) {
        const char c = text[position];
        if (c == '"') {
            ++position;
            return true;
        }
        if (c == '\\' && position + 1 < text.size()) {
            const char escaped = text[position + 1];
            if (escaped == 'n' || escaped == '"' || escaped == '\\') {
                word += escaped == 'n' ? '\n' : escaped;
                position += 2;
                continue;
            }
        }
        // Any other backslash stays, and the character after it is read
        // normally on the next pass.
        word += c;
        ++position;
    }
    return false;
}

ScriptToken ScriptLexer::Next()
{
    const ScriptTables& tables = ScriptTables::Get();
    std::string word;
    SkipSeparators();
    while (position < text.size() && !tables.IsSeparator(text[position])) {
        const char c = text[position];
        if (c == '/' && position + 1 < text.size() && text[position + 1] == '/') {
            // The comment takes the word gathered before it along.
            SkipComment();
            word.clear();
            SkipSeparators();
            continue;
        }
        if (c == '"') {
            ++position;
            if (ReadStringLiteral(text, position, word)) {
                ScriptToken literal;
                literal.text = std::move(word);
                literal.type = TokStringLiteral;
                return literal;
            }
            break;
        }
        word += c;
        ++position;
    }
    // Only a text that ends in separators or in a comment leaves the word
    // empty; such an ending reads as the end of the script.
    if (word.empty())
        word = tables.TextOf(KwStop);
    return Classify(std::move(word));
}
