#include "script/ScriptMemo.h"

#include "script/ScriptBuiltIn.h"
#include "script/ScriptConversions.h"
#include "script/ScriptTables.h"

namespace {

bool IsArithmetic(const ScriptToken& token)
{
    return token.type == TokOperator && token.id >= OpPlus && token.id <= OpPower;
}

bool IsParenthesis(const ScriptToken& token)
{
    return token.type == TokOperator && (token.id == OpOpenParen || token.id == OpCloseParen);
}

} // namespace

ExprItem ScriptMemo::StaticItem(const ScriptToken& token)
{
    switch (token.type) {
    case TokOperator:
        switch (token.id) {
        case OpPlus: return ExprItem::Operator(ExprItem::kPlus);
        case OpMinus: return ExprItem::Operator(ExprItem::kMinus);
        case OpTimes: return ExprItem::Operator(ExprItem::kTimes);
        case OpDivide: return ExprItem::Operator(ExprItem::kDivide);
        case OpPower: return ExprItem::Operator(ExprItem::kPower);
        case OpOpenParen: return ExprItem::Parenthesis(ExprItem::kOpen);
        case OpCloseParen: return ExprItem::Parenthesis(ExprItem::kClose);
        default: return ExprItem::Invalid();
        }
    case TokIntLiteral:
        return ExprItem::Int(StrToInt(token.text));
    case TokFloatLiteral:
    case TokStringLiteral:
        return ExprItem::Float(StrToFloat(token.text));
    default:
        return ExprItem::Invalid();
    }
}

ScriptMemo::ScriptMemo(const std::vector<ScriptToken>& tokens)
    : facts(tokens.size()), plans(tokens.size() + 1)
{
    tokenCount = tokens.size();
    statements.resize(tokens.size() + 1);
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        facts[i].item = StaticItem(tokens[i]);
        facts[i].value = facts[i].item.Value();
        facts[i].word = tokens[i].type == TokWord;
        if (facts[i].word)
            facts[i].builtIn = BuiltInOf(tokens[i].text);
    }
}

void ScriptMemo::RememberScan(Scan scan, std::int32_t start, std::int32_t target)
{
    if (start < 0 || static_cast<std::size_t>(start) > facts.size())
        return;
    std::vector<std::int32_t>& remembered = scans[scan];
    // Sized once per scan kind, the first time that kind is used.
    if (remembered.empty())
        remembered.assign(facts.size() + 1, 0);
    remembered[start] = target + 2;
}

bool ScriptMemo::IsAlternating(const std::vector<ScriptToken>& tokens, std::int32_t start, std::int32_t end)
{
    if (end <= start || (end - start) % 2 == 0)
        return false;
    for (std::int32_t i = start; i < end; ++i) {
        const ScriptToken& token = tokens[i];
        const bool operandPlace = (i - start) % 2 == 0;
        if (operandPlace ? (IsArithmetic(token) || IsParenthesis(token)) : !IsArithmetic(token))
            return false;
    }
    return true;
}

void ScriptMemo::MakePlan(const std::vector<ScriptToken>& tokens, std::int32_t start, std::int32_t end,
                          ExprPlan& plan)
{
    plan.end = end;
    plan.alternating = end != kNotFound && IsAlternating(tokens, start, end);
}

namespace {

// The first index from `start` whose token id is `a` or `b`; kNotFound.
std::int32_t FindId(const std::vector<ScriptToken>& tokens, std::int32_t start, std::int32_t a, std::int32_t b)
{
    for (std::size_t i = start < 0 ? 0 : start; i < tokens.size(); ++i)
        if (tokens[i].id != 0 && (tokens[i].id == a || tokens[i].id == b))
            return static_cast<std::int32_t>(i);
    return ScriptMemo::kNotFound;
}

std::int32_t FindComparison(const std::vector<ScriptToken>& tokens, std::int32_t start)
{
    for (std::size_t i = start; i < tokens.size(); ++i)
        if (tokens[i].type == TokOperator && ScriptTables::IsComparisonId(tokens[i].id))
            return static_cast<std::int32_t>(i);
    return ScriptMemo::kNotFound;
}

} // namespace

void ScriptMemo::MakeStatementPlan(const std::vector<ScriptToken>& tokens, std::int32_t start, StatementPlan& plan)
{
    plan.kind = StatementPlan::kNone;
    const std::int32_t count = static_cast<std::int32_t>(tokens.size());
    if (start < 0 || start >= count)
        return;
    const ScriptToken& head = tokens[start];
    if (head.type == TokWord) {
        // Whatever follows the name is passed over as the `=`.
        const std::int32_t end = start + 2 <= count ? FindId(tokens, start + 2, OpSemicolon, OpSemicolon) : kNotFound;
        if (end == kNotFound)
            return;
        plan.first = end;
        plan.firstAlternating = IsAlternating(tokens, start + 2, end);
        plan.kind = StatementPlan::kAssign;
    } else if (head.type == TokKeyword && (head.id == KwIf || head.id == KwWhile)) {
        // A condition that starts with a string literal compares strings.
        if (start + 1 >= count || tokens[start + 1].type == TokStringLiteral)
            return;
        const std::int32_t comparison = FindComparison(tokens, start + 1);
        if (comparison == kNotFound)
            return;
        const std::int32_t closing = head.id == KwIf ? KwThen : KwDo;
        const std::int32_t end = FindId(tokens, comparison + 1, closing, closing);
        if (end == kNotFound)
            return;
        plan.first = comparison;
        plan.second = end;
        plan.firstAlternating = IsAlternating(tokens, start + 1, comparison);
        plan.secondAlternating = IsAlternating(tokens, comparison + 1, end);
        plan.kind = StatementPlan::kCondition;
    } else if (head.type == TokKeyword && head.id == KwFor) {
        if (start + 2 >= count || tokens[start + 1].type != TokStringLiteral || tokens[start + 2].id != KwTo)
            return;
        const std::int32_t limitEnd = FindId(tokens, start + 3, KwStep, KwDo);
        if (limitEnd == kNotFound)
            return;
        std::int32_t end = limitEnd;
        if (tokens[limitEnd].id == KwStep) {
            end = FindId(tokens, limitEnd + 1, KwDo, KwDo);
            if (end == kNotFound)
                return;
            plan.secondAlternating = IsAlternating(tokens, limitEnd + 1, end);
        }
        plan.first = limitEnd;
        plan.second = end;
        plan.firstAlternating = IsAlternating(tokens, start + 3, limitEnd);
        plan.kind = StatementPlan::kFor;
    }
}
