#pragma once

#include <cstdint>
#include <vector>

#include "script/ExprItem.h"
#include "script/ScriptToken.h"

// What a compiled script's token list decides by itself, remembered so that
// the interpreter does not work it out again on every pass through a loop.
// A token list never changes once compiled, so an answer found once holds
// for every run of the script: the runs copied from one compiled script share
// one ScriptMemo.
//
// Two parts: the facts of each token, worked out when the script is compiled
// (literal values, which built-in command a word names), and answers found
// while running (where a scan lands, where an expression ends), filled in the
// first time the interpreter asks and read back afterwards.
class ScriptMemo {
public:
    // The scans of the control flow. Each one is a pure function of the token
    // list and its start position.
    enum Scan {
        kToElseOrEndif,   // false `if`: to after the matching `else` or `endif`
        kToEndif,         // `else` reached: to after the matching `endif`
        kPastEndwhile,    // false `while`: to after the matching `endwhile`
        kPastNext,        // ended `for`: to after the matching `next`
        kBackToWhile,     // `endwhile`: back to its `while`
        kBackToFor,       // `next`: back to its `for`
        kNextLoopEnd,     // `break`: the next `endwhile` or `next`, any nesting
        kPrevLoopHead,    // `continue`: the nearest `while` or `for` before
        kNextColon,       // `label`: the next `:`
        kNextLabel,       // `goto`: the next `label` keyword
        kScanCount
    };
    // A scan that found nothing.
    static constexpr std::int32_t kNotFound = -1;

    // The static facts of one token.
    struct TokenFacts {
        // The numeric item of a literal, operator or keyword (a word's value
        // depends on the variables and is looked up when read).
        ExprItem item;
        float value = 0.0f;  // item.Value()
        // Which of the interpreter's own commands the word names, 0 for none.
        std::int8_t builtIn = 0;
        // A word: its value depends on the variables.
        bool word = false;
    };

    // Where an expression that starts at some position ends, for one set of
    // terminators.
    struct ExprPlan {
        std::int32_t stopsKey = 0;       // 0: not worked out yet
        std::int32_t end = kNotFound;    // index of the terminator
        // Number, operator, number, ... with only + - * / ^ as operators:
        // evaluated in one pass instead of building an item list.
        bool alternating = false;
    };

    // The shape of a whole statement that starts at some position, for the
    // statements a loop runs most: `variable = expression ;`, the condition
    // of `if` and `while`, and `for` with a string literal as the name.
    // Positions are token indices; a statement that the end of the tokens
    // cuts short has no plan (kind kNone) and is read token by token.
    struct StatementPlan {
        enum Kind : std::int8_t { kUnknown = 0, kNone, kAssign, kCondition, kFor };
        std::int8_t kind = kUnknown;
        // kAssign: expression [start + 2, first), `;` at first.
        // kCondition: left [start + 1, first), comparison at first, right
        //   [first + 1, second), `then` or `do` at second.
        // kFor: name at start + 1, `to` at start + 2, limit
        //   [start + 3, first), `step` or `do` at first; with `step` the
        //   increment is [first + 1, second) and `do` at second, else
        //   second = first.
        std::int32_t first = 0;
        std::int32_t second = 0;
        bool firstAlternating = false;
        bool secondAlternating = false;
    };

    explicit ScriptMemo(const std::vector<ScriptToken>& tokens);

    // The item a literal, operator or keyword gives in a numeric expression
    // (a word's depends on the variables): Invalid for anything that is no
    // number, arithmetic operator or parenthesis.
    static ExprItem StaticItem(const ScriptToken& token);

    const StatementPlan& Statement(const std::vector<ScriptToken>& tokens, std::int32_t start)
    {
        StatementPlan& plan = statements[start];
        if (plan.kind == StatementPlan::kUnknown)
            MakeStatementPlan(tokens, start, plan);
        return plan;
    }

    const TokenFacts& Facts(std::int32_t index) const { return facts[index]; }
    std::size_t TokenCount() const { return tokenCount; }

    // The remembered target of `scan` from `start`, or false when it has not
    // been worked out yet.
    bool FindScan(Scan scan, std::int32_t start, std::int32_t& target) const
    {
        const std::vector<std::int32_t>& remembered = scans[scan];
        if (start < 0 || static_cast<std::size_t>(start) >= remembered.size() || remembered[start] == 0)
            return false;
        target = remembered[start] - 2;
        return true;
    }
    void RememberScan(Scan scan, std::int32_t start, std::int32_t target);

    // The plan of the expression that starts at `start` and ends at the
    // first token whose id `isStop` accepts. `stopsKey` (non-zero) names the
    // set of terminators.
    template <typename IsStop>
    const ExprPlan& Plan(const std::vector<ScriptToken>& tokens, std::int32_t start, std::int32_t stopsKey,
                         IsStop isStop);

private:
    void MakePlan(const std::vector<ScriptToken>& tokens, std::int32_t start, std::int32_t end, ExprPlan& plan);
    static bool IsAlternating(const std::vector<ScriptToken>& tokens, std::int32_t start, std::int32_t end);
    void MakeStatementPlan(const std::vector<ScriptToken>& tokens, std::int32_t start, StatementPlan& plan);

    std::size_t tokenCount = 0;
    std::vector<StatementPlan> statements;

    std::vector<TokenFacts> facts;
    // Per scan, per start position: target + 2, 1 for not found, 0 unknown.
    std::vector<std::int32_t> scans[kScanCount];
    std::vector<ExprPlan> plans;
};

template <typename IsStop>
const ScriptMemo::ExprPlan& ScriptMemo::Plan(const std::vector<ScriptToken>& tokens, std::int32_t start,
                                             std::int32_t stopsKey, IsStop isStop)
{
    ExprPlan& plan = plans[start];
    if (plan.stopsKey == stopsKey)
        return plan;
    // The same scan as reading the tokens one by one: terminators are
    // recognised by id, and ids never depend on the variables.
    const std::int32_t count = static_cast<std::int32_t>(tokens.size());
    std::int32_t end = start;
    while (end < count && !isStop(tokens[end].id))
        ++end;
    plan.stopsKey = stopsKey;
    MakePlan(tokens, start, end < count ? end : kNotFound, plan);
    return plan;
}
