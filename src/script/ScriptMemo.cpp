#include "script/ScriptMemo.h"

#include "script/ScriptBuiltIn.h"
#include "script/ScriptConversions.h"
#include "script/ScriptTables.h"

namespace {

// The item a token gives in a numeric expression when it is not a word: the
// same table as the interpreter's, decided once.
ExprItem StaticItem(const ScriptToken& token)
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

bool IsArithmetic(const ScriptToken& token)
{
    return token.type == TokOperator && token.id >= OpPlus && token.id <= OpPower;
}

bool IsParenthesis(const ScriptToken& token)
{
    return token.type == TokOperator && (token.id == OpOpenParen || token.id == OpCloseParen);
}

} // namespace

ScriptMemo::ScriptMemo(const std::vector<ScriptToken>& tokens)
    : facts(tokens.size()), plans(tokens.size() + 1)
{
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        facts[i].item = StaticItem(tokens[i]);
        if (tokens[i].type == TokWord)
            facts[i].builtIn = BuiltInOf(tokens[i].text);
    }
}

bool ScriptMemo::FindScan(Scan scan, std::int32_t start, std::int32_t& target) const
{
    const std::vector<std::int32_t>& remembered = scans[scan];
    if (start < 0 || static_cast<std::size_t>(start) >= remembered.size() || remembered[start] == 0)
        return false;
    target = remembered[start] - 2;
    return true;
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

void ScriptMemo::MakePlan(const std::vector<ScriptToken>& tokens, std::int32_t start, std::int32_t end,
                          ExprPlan& plan)
{
    plan.end = end;
    plan.alternating = false;
    if (end == kNotFound || end == start || (end - start) % 2 == 0)
        return;
    for (std::int32_t i = start; i < end; ++i) {
        const ScriptToken& token = tokens[i];
        const bool operandPlace = (i - start) % 2 == 0;
        if (operandPlace ? (IsArithmetic(token) || IsParenthesis(token)) : !IsArithmetic(token))
            return;
    }
    plan.alternating = true;
}
