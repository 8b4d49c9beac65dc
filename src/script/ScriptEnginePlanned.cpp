// The interpreter's remembered paths: expressions and statements whose shape
// the memo of the script already knows are evaluated straight from the token
// positions, without reading and classifying token after token. Each path
// gives exactly what the reading path gives; the reading path remains for
// everything else and whenever memoising is off.
#include "script/CScriptEngine.h"

#include "script/EvalItems.h"
#include "script/ScriptComparisons.h"
#include "script/ForLoopStep.h"
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

float CScriptEngine::EvalAlternating(const CScript& run, std::int32_t begin, std::int32_t end) const
{
    // The three passes of EvalItems (powers, then products, then sums, each
    // left to right) folded into one: the same operations on the same
    // operands in the same order, so the same float results.
    const ScriptMemo& memo = *run.memo;
    float power = OperandAt(run, begin);
    if (end == begin + 1)
        return power;
    float product = 0.0f;
    float sum = 0.0f;
    std::int32_t productCode = 0;
    std::int32_t sumCode = 0;
    for (std::int32_t i = begin + 1; i < end; i += 2) {
        const std::int32_t code = memo.Facts(i).item.code;
        const float operand = OperandAt(run, i + 1);
        if (code == ExprItem::kPower) {
            power = ApplyOperator(code, power, operand);
            continue;
        }
        product = productCode != 0 ? ApplyOperator(productCode, product, power) : power;
        if (code == ExprItem::kTimes || code == ExprItem::kDivide) {
            productCode = code;
        } else {
            sum = sumCode != 0 ? ApplyOperator(sumCode, sum, product) : product;
            sumCode = code;
            productCode = 0;
        }
        power = operand;
    }
    product = productCode != 0 ? ApplyOperator(productCode, product, power) : power;
    return sumCode != 0 ? ApplyOperator(sumCode, sum, product) : product;
}

inline float CScriptEngine::EvalSpan(const CScript& run, std::int32_t begin, std::int32_t end, bool alternating)
{
    // Most conditions compare a variable with a literal: one operand each;
    // most assignments have one operator, which the passes apply alone.
    if (end == begin + 1 && alternating)
        return OperandAt(run, begin);
    if (end == begin + 3 && alternating)
        return ApplyOperator(run.memo->Facts(begin + 1).item.code, OperandAt(run, begin), OperandAt(run, begin + 2));
    if (alternating)
        return EvalAlternating(run, begin, end);
    return EvalItemsOfSpan(run, begin, end);
}

float CScriptEngine::EvalItemsOfSpan(const CScript& run, std::int32_t begin, std::int32_t end)
{
    scratchItems.clear();
    for (std::int32_t i = begin; i < end; ++i)
        scratchItems.push_back(ItemOf(&run, run.TokenAtRemembered(i)));
    return EvalItemsInPlace(scratchItems, scratchInner);
}

bool CScriptEngine::RunPlanned(CScript& run, ScriptMemo& memo, const ScriptTokenRef& token, StatementResult& result,
                               bool mayFuse)
{
    if (token.position < 0)
        return false;
    if (token.type == TokIntVar || token.type == TokFloatVar)
        return PlannedAssign(run, memo, token, result);
    if (token.type != TokKeyword)
        return false;
    switch (token.Id()) {
    case KwEndwhile:
    case KwNext:
        return mayFuse && PlannedLoopEnd(run, memo, token.Id(), result);
    case KwIf:
    case KwWhile:
        return PlannedCondition(run, memo, token, result);
    case KwFor:
        return PlannedFor(run, memo, token, result);
    default:
        return false;
    }
}

bool CScriptEngine::PlannedAssign(CScript& run, ScriptMemo& memo, const ScriptTokenRef& token,
                                  StatementResult& result)
{
    using Plan = ScriptMemo::StatementPlan;
    const std::int32_t start = token.position;
    const Plan& plan = memo.Statement(run.tokens, start);
    if (plan.kind != Plan::kAssign)
        return false;
    const float value = EvalSpan(run, start + 2, plan.first, plan.firstAlternating);
    lastTerminator = OpSemicolon;
    run.programCounter = plan.first + 1;
    if (token.type == TokIntVar)
        run.intVariables.entries[token.variableIndex].second = TruncateToInt32(value);
    else
        run.floatVariables.entries[token.variableIndex].second = value;
    result = StatementResult::Continue;
    return true;
}

bool CScriptEngine::PlannedLoopEnd(CScript& run, ScriptMemo& memo, std::int32_t keyword, StatementResult& result)
{
    // The loop end goes back to its head, and the head is the next
    // statement the loop of Execute would run: run it from here.
    const std::int32_t head = ScanTarget(
        run, keyword == KwEndwhile ? ScriptMemo::kBackToWhile : ScriptMemo::kBackToFor, run.programCounter);
    if (head == ScriptMemo::kNotFound)
        return false;
    run.programCounter = head + 1;
    ++fusedStatements;
    const ScriptTokenRef headToken = run.TokenAtRemembered(head);
    if (!RunPlanned(run, memo, headToken, result, false))
        result = RunStatement(run, headToken);
    return true;
}

bool CScriptEngine::PlannedCondition(CScript& run, ScriptMemo& memo, const ScriptTokenRef& token,
                                     StatementResult& result)
{
    using Plan = ScriptMemo::StatementPlan;
    const std::int32_t start = token.position;
    const Plan& plan = memo.Statement(run.tokens, start);
    if (plan.kind != Plan::kCondition)
        return false;
    const float left = EvalSpan(run, start + 1, plan.first, plan.firstAlternating);
    const float right = EvalSpan(run, plan.first + 1, plan.second, plan.secondAlternating);
    lastTerminator = run.tokens[plan.second].id;
    run.programCounter = plan.second + 1;
    bool going = CompareNumbers(left, run.tokens[plan.first].id, right);
    if (!going)
        going = token.Id() == KwIf ? SkipToBranchEnd(run, true) : SkipPastMatching(run, KwWhile, KwEndwhile);
    result = going ? StatementResult::Continue : StatementResult::EndRun;
    return true;
}

bool CScriptEngine::PlannedFor(CScript& run, ScriptMemo& memo, const ScriptTokenRef& token, StatementResult& result)
{
    using Plan = ScriptMemo::StatementPlan;
    const std::int32_t start = token.position;
    const Plan& plan = memo.Statement(run.tokens, start);
    if (plan.kind != Plan::kFor)
        return false;
    const std::int32_t limit = TruncateToInt32(EvalSpan(run, start + 3, plan.first, plan.firstAlternating));
    std::int32_t increment = 1;
    if (plan.second != plan.first)
        increment = TruncateToInt32(EvalSpan(run, plan.first + 1, plan.second, plan.secondAlternating));
    lastTerminator = KwDo;
    run.programCounter = plan.second + 1;
    // The loop variable counts every time the `for` runs, the first included.
    const int index = run.IntVariableIndexAt(start + 1);
    const ForLoopStep step = StepForLoop(index < 0 ? 0 : run.intVariables.entries[index].second, increment, limit);
    const std::int32_t value = step.counter;
    if (index < 0)
        run.intVariables.Append(run.tokens[start + 1].text, value);
    else
        run.intVariables.entries[index].second = value;
    const bool ended = step.ended;
    result = !ended || SkipPastMatching(run, KwFor, KwNext) ? StatementResult::Continue : StatementResult::EndRun;
    return true;
}
