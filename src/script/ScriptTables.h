#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>

// Keyword ids 11..30 and operator ids 31..47 never overlap, so an id alone
// says what a token is.
enum ScriptKeywordId : std::int32_t {
    KwIf = 11,
    KwThen = 12,
    KwElse = 13,
    KwEndif = 14,
    KwFor = 15,
    KwTo = 16,
    KwStep = 17,
    KwNext = 18,
    KwWhile = 19,
    KwEndwhile = 20,
    KwDo = 21,
    KwBreak = 22,
    KwContinue = 23,
    KwStop = 24,
    KwBloque = 25,
    KwInt = 26,
    KwFloat = 27,
    KwString = 28,
    KwLabel = 29,
    KwGoto = 30,
};

enum ScriptOperatorId : std::int32_t {
    OpPlus = 31,
    OpMinus = 32,
    OpTimes = 33,
    OpDivide = 34,
    OpPower = 35,
    OpOpenParen = 36,
    OpCloseParen = 37,
    OpEqual = 38,
    OpNotEqual = 39,
    OpGreaterEqual = 40,
    OpGreater = 41,
    OpLessEqual = 42,
    OpLess = 43,
    OpAssign = 44,
    OpComma = 45,
    OpSemicolon = 46,
    OpColon = 47,
};

// Means "no terminator" wherever an expression takes terminator ids.
const std::int32_t kNoTerminator = -1;

// The language's fixed vocabulary: the keyword table, the operator table and
// the separator characters. Built once and never changed; every lookup is by
// exact text or by id.
class ScriptTables {
public:
    static const ScriptTables& Get();

    // Keyword or operator id of a word, 0 when the word is not one.
    std::int32_t KeywordId(const std::string& word) const;
    std::int32_t OperatorId(const std::string& word) const;
    // Text of a keyword or operator id, "" for an unknown id.
    const std::string& TextOf(std::int32_t id) const;
    bool IsSeparator(char c) const { return separators[static_cast<unsigned char>(c)]; }

    static bool IsKeywordId(std::int32_t id) { return id >= KwIf && id <= KwGoto; }
    static bool IsOperatorId(std::int32_t id) { return id >= OpPlus && id <= OpColon; }
    static bool IsComparisonId(std::int32_t id) { return id >= OpEqual && id <= OpLess; }

private:
    ScriptTables();

    std::unordered_map<std::string, std::int32_t> keywords;
    std::unordered_map<std::string, std::int32_t> operators;
    std::string texts[OpColon + 1];
    bool separators[256] = {};
};

// Builds the tables; the game calls it once at start-up, before any script is
// compiled. Calling it again changes nothing.
void InitScriptTables();
