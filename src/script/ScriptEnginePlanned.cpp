// The interpreter's remembered path for expressions: an expression whose end
// the memo of the script already knows is evaluated straight from the token
// positions, without reading and classifying token after token. It gives
// exactly what the reading path gives; the reading path remains for
// everything else and whenever memoising is off.
#include "script/CScriptEngine.h"

#include "script/AlternatingChain.h"
#include "script/EvalItems.h"
#include "script/ScriptConversions.h"
#include "script/ScriptTables.h"

std::int32_t CScriptEngine::PlannedEnd(CScript& run, Terminators stops, bool& alternating)
{
    ScriptMemo* memo = MemoOf(run);
    const std::int32_t start = run.programCounter;
    if (memo == nullptr || start < 0 || static_cast<std::size_t>(start) > run.tokens.size())
        return ScriptMemo::kNotFound;
    const ScriptMemo::ExprPlan& plan =
        memo->Plan(run.tokens, start, stops.Key(), [&stops](std::int32_t id) { return stops.Match(id); });
    // An expression cut short by the end of the tokens takes the reading
    // path, which marks the statement as cut short.
    alternating = plan.alternating;
    return plan.end;
}

float CScriptEngine::EvalPlanned(CScript& run, std::int32_t end, bool alternating)
{
    const std::int32_t begin = run.programCounter;
    run.programCounter = end + 1;
    return EvalSpan(run, begin, end, alternating);
}

inline float CScriptEngine::OperandAt(const CScript& run, std::int32_t position) const
{
    const ScriptMemo::TokenFacts& facts = run.memo->Facts(position);
    if (!facts.word)
        return facts.value;
    // The same numbers as ItemOf(...).Value(), without building the item.
    const ScriptNameCache::Entry& word = run.WordAt(position);
    if (word.type == TokIntVar)
        return static_cast<float>(run.intVariables.entries[word.variableIndex].second);
    if (word.type == TokFloatVar)
        return run.floatVariables.entries[word.variableIndex].second;
    return WordValue(run, position, word);
}

float CScriptEngine::WordValue(const CScript& run, std::int32_t position, const ScriptNameCache::Entry& word) const
{
    ScriptTokenRef token;
    token.token = &run.tokens[position];
    token.type = word.type;
    token.variableIndex = word.variableIndex;
    token.position = position;
    return ItemOf(&run, token).Value();
}

inline float CScriptEngine::EvalSpan(const CScript& run, std::int32_t begin, std::int32_t end, bool alternating)
{
    if (!alternating)
        return EvalItemsOfSpan(run, begin, end);
    // Token after token: operand, operator, operand, ...
    struct Chain {
        const CScriptEngine& engine;
        const CScript& run;
        std::int32_t position;
        std::int32_t end;
        float NextOperand() { return engine.OperandAt(run, position++); }
        std::int32_t NextOperator() { return position < end ? run.memo->Facts(position++).item.code : 0; }
    } chain{*this, run, begin, end};
    return FoldChain(chain);
}

float CScriptEngine::EvalItemsOfSpan(const CScript& run, std::int32_t begin, std::int32_t end)
{
    scratchItems.clear();
    for (std::int32_t i = begin; i < end; ++i)
        scratchItems.push_back(ItemOf(&run, run.TokenAtRemembered(i)));
    return EvalItemsInPlace(scratchItems, scratchInner);
}
