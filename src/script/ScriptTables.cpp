#include "script/ScriptTables.h"

namespace {

struct NamedId {
    const char* text;
    std::int32_t id;
};

const NamedId kKeywords[] = {
    {"if", KwIf},       {"then", KwThen},         {"else", KwElse},   {"endif", KwEndif},
    {"for", KwFor},     {"to", KwTo},             {"step", KwStep},   {"next", KwNext},
    {"while", KwWhile}, {"endwhile", KwEndwhile}, {"do", KwDo},       {"break", KwBreak},
    {"continue", KwContinue}, {"stop", KwStop},   {"bloque", KwBloque}, {"int", KwInt},
    {"float", KwFloat}, {"string", KwString},     {"label", KwLabel}, {"goto", KwGoto},
};

const NamedId kOperators[] = {
    {"+", OpPlus},   {"-", OpMinus},       {"*", OpTimes},         {"/", OpDivide},
    {"^", OpPower},  {"(", OpOpenParen},   {")", OpCloseParen},    {"==", OpEqual},
    {"!=", OpNotEqual}, {">=", OpGreaterEqual}, {">", OpGreater},  {"<=", OpLessEqual},
    {"<", OpLess},   {"=", OpAssign},      {",", OpComma},         {";", OpSemicolon},
    {":", OpColon},
};

const char kSeparators[] = {' ', '\t', '\r', '\n'};

} // namespace

ScriptTables::ScriptTables()
{
    for (const NamedId& k : kKeywords) {
        keywords.emplace(k.text, k.id);
        texts[k.id] = k.text;
    }
    for (const NamedId& o : kOperators) {
        operators.emplace(o.text, o.id);
        texts[o.id] = o.text;
    }
    for (char c : kSeparators)
        separators[static_cast<unsigned char>(c)] = true;
}

const ScriptTables& ScriptTables::Get()
{
    // Built on first use as well, so a tool or a test that compiles a script
    // without the game's start-up still sees the same vocabulary.
    static const ScriptTables tables;
    return tables;
}

std::int32_t ScriptTables::KeywordId(const std::string& word) const
{
    auto found = keywords.find(word);
    return found == keywords.end() ? 0 : found->second;
}

std::int32_t ScriptTables::OperatorId(const std::string& word) const
{
    auto found = operators.find(word);
    return found == operators.end() ? 0 : found->second;
}

const std::string& ScriptTables::TextOf(std::int32_t id) const
{
    static const std::string none;
    if (id < 0 || id > OpColon)
        return none;
    return texts[id];
}

void InitScriptTables()
{
    ScriptTables::Get();
}
