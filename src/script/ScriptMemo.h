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
        // Which of the interpreter's own commands the word names, 0 for none.
        std::int8_t builtIn = 0;
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

    explicit ScriptMemo(const std::vector<ScriptToken>& tokens);

    const TokenFacts& Facts(std::int32_t index) const { return facts[index]; }
    std::size_t TokenCount() const { return facts.size(); }

    // The remembered target of `scan` from `start`, or false when it has not
    // been worked out yet.
    bool FindScan(Scan scan, std::int32_t start, std::int32_t& target) const;
    void RememberScan(Scan scan, std::int32_t start, std::int32_t target);

    // The plan of the expression that starts at `start` and ends at the
    // first token whose id `isStop` accepts. `stopsKey` (non-zero) names the
    // set of terminators.
    template <typename IsStop>
    const ExprPlan& Plan(const std::vector<ScriptToken>& tokens, std::int32_t start, std::int32_t stopsKey,
                         IsStop isStop);

private:
    void MakePlan(const std::vector<ScriptToken>& tokens, std::int32_t start, std::int32_t end, ExprPlan& plan);

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
