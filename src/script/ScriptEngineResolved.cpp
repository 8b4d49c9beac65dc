// The interpreter's fast path: the statements loops spend their time in
// (numeric assignments, numeric conditions, `for` with a literal name, the
// jumps of `else` and of loop ends, the markers that do nothing, and
// SetGlobalNum of a literal name), run from their decoded form. Each gives
// exactly what reading it token by token gives: the decoding is worked out
// by the same scans and from the same memo, and holds only while no variable
// is created. Every other statement is left to the reading path.
#include "script/CScriptEngine.h"

#include "script/AlternatingChain.h"
#include "script/ScriptBuiltIn.h"
#include "script/ForLoopStep.h"
#include "script/ScriptComparisons.h"
#include "script/ScriptConversions.h"
#include "script/ScriptTables.h"

namespace {

using Statement = ResolvedStatements::Statement;

bool IsMarker(const ScriptToken& token)
{
    switch (token.type) {
    case TokNone:
    case TokOperator:
    case TokIntLiteral:
    case TokFloatLiteral:
    case TokStringLiteral:
        return true;  // a stray literal or operator does nothing
    case TokKeyword:
        return token.id == KwThen || token.id == KwEndif || token.id == KwTo || token.id == KwStep ||
               token.id == KwDo;
    default:
        return false;
    }
}

bool IsArithmetic(const ScriptToken& token)
{
    return token.type == TokOperator && token.id >= OpPlus && token.id <= OpPower;
}

bool IsParenthesis(const ScriptToken& token, std::int32_t which)
{
    return token.type == TokOperator && token.id == which;
}

// The `)` that closes the `(` at `open`, before `end`; kNotFound.
std::int32_t MatchingParenthesis(const std::vector<ScriptToken>& tokens, std::int32_t open, std::int32_t end)
{
    int depth = 0;
    for (std::int32_t i = open; i < end; ++i) {
        if (IsParenthesis(tokens[i], OpOpenParen))
            ++depth;
        else if (IsParenthesis(tokens[i], OpCloseParen) && --depth == 0)
            return i;
    }
    return ScriptMemo::kNotFound;
}

// Powers, then products and quotients, then sums and differences.
int PrecedenceLevel(std::int32_t code)
{
    if (code == ExprItem::kPower)
        return 0;
    return code == ExprItem::kTimes || code == ExprItem::kDivide ? 1 : 2;
}

} // namespace

inline std::int32_t CScriptEngine::CachedGlobalIndex(const std::string& name, std::int32_t& index,
                                              std::uint32_t& stamp) const
{
    const std::uint32_t now = globals.additions + 1;
    if (stamp != now) {
        index = globals.Find(name);
        stamp = now;
    }
    return index;
}

// Always inline: loops spend their time here, mostly on one operand or one
// operator; globals, string variables, groups and item lists are out of line.
[[gnu::always_inline]] inline float CScriptEngine::ResolvedValue(CScript& run, std::int32_t position) const
{
    const ResolvedStatements::Operand& operand = run.resolved.Operands()[position];
    // Tests in the order loops meet them most.
    if (operand.kind == ResolvedStatements::kIntVariable)
        return static_cast<float>(run.intVariables.entries[operand.index].second);
    if (operand.kind == ResolvedStatements::kConstant)
        return operand.value;
    if (operand.kind == ResolvedStatements::kFloatVariable)
        return run.floatVariables.entries[operand.index].second;
    return LookedUpValue(run, position);
}

[[gnu::always_inline]] inline float CScriptEngine::EvalResolved(CScript& run, std::int32_t begin, std::int32_t end, std::int8_t form)
{
    switch (form) {
    case ResolvedStatements::kSingle:
        return ResolvedValue(run, begin);
    case ResolvedStatements::kBinary:
        return ApplyOperator(run.resolved.Operands()[begin + 1].code, ResolvedValue(run, begin),
                             ResolvedValue(run, begin + 2));
    case ResolvedStatements::kLeftFold: {
        // One precedence level: the passes of the item lists come down to
        // applying the operators from left to right.
        const ResolvedStatements::Operand* operands = run.resolved.Operands();
        float value = ResolvedValue(run, begin);
        for (std::int32_t i = begin + 1; i < end; i += 2)
            value = ApplyOperator(operands[i].code, value, ResolvedValue(run, i + 1));
        return value;
    }
    case ResolvedStatements::kItems:
        return EvalItemsOfSpan(run, begin, end);
    default:
        return FoldResolved(run, begin, end);
    }
}

std::uint64_t CScriptEngine::RunResolved(CScript& run, ScriptMemo& memo, std::uint64_t budget,
                                         StatementResult& result)
{
    result = StatementResult::Continue;
    ResolvedStatements& resolved = run.resolved;
    resolved.Fit(run.tokens.size());
    const std::uint32_t count = static_cast<std::uint32_t>(run.tokens.size());
    std::uint32_t epoch = run.NamesEpoch();
    std::uint64_t ran = 0;
    for (; ran < budget; ++ran) {
        const std::int32_t pc = run.programCounter;
        // Negative counters too: the host may have stepped back before 0.
        if (static_cast<std::uint32_t>(pc) >= count)
            return ran;
        Statement& statement = resolved.StatementAt(pc);
        if (statement.epoch != epoch)
            Resolve(run, memo, pc, statement);
        switch (statement.kind) {
        case Statement::kAssignInt:
        case Statement::kAssignFloat: {
            const float value = EvalResolved(run, pc + 2, statement.first, statement.firstForm);
            if (statement.kind == Statement::kAssignInt)
                run.intVariables.entries[statement.variable].second = TruncateToInt32(value);
            else
                run.floatVariables.entries[statement.variable].second = value;
            lastTerminator = OpSemicolon;
            run.programCounter = statement.first + 1;
            break;
        }
        case Statement::kCondition: {
            const float left = EvalResolved(run, pc + 1, statement.first, statement.firstForm);
            const float right =
                EvalResolved(run, statement.first + 1, statement.second, statement.secondForm);
            lastTerminator = statement.closing;
            run.programCounter = statement.second + 1;
            if (!CompareNumbers(left, statement.comparison, right)) {
                if (statement.jump == ScriptMemo::kNotFound) {
                    result = StatementResult::EndRun;
                    return ran + 1;
                }
                run.programCounter = statement.jump;
            }
            break;
        }
        case Statement::kJump:
            if (statement.jump == ScriptMemo::kNotFound) {
                run.programCounter = pc + 1;
                result = StatementResult::EndRun;
                return ran + 1;
            }
            run.programCounter = statement.jump;
            break;
        case Statement::kMarker:
            run.programCounter = pc + 1;
            break;
        case Statement::kFor: {
            const std::int32_t limit =
                TruncateToInt32(EvalResolved(run, pc + 3, statement.first, statement.firstForm));
            std::int32_t increment = 1;
            if (statement.second != statement.first)
                increment = TruncateToInt32(
                    EvalResolved(run, statement.first + 1, statement.second, statement.secondForm));
            lastTerminator = KwDo;
            run.programCounter = statement.second + 1;
            // The loop variable counts every time the `for` runs, the first
            // included; the first run may create it.
            const std::int32_t index = statement.variable;
            const ForLoopStep step =
                StepForLoop(index < 0 ? 0 : run.intVariables.entries[index].second, increment, limit);
            if (index < 0) {
                run.intVariables.Append(run.tokens[pc + 1].text, step.counter);
                run.RefreshNames();
                epoch = run.NamesEpoch();
            } else {
                run.intVariables.entries[index].second = step.counter;
            }
            if (step.ended) {
                if (statement.jump == ScriptMemo::kNotFound) {
                    result = StatementResult::EndRun;
                    return ran + 1;
                }
                run.programCounter = statement.jump;
            }
            break;
        }
        case Statement::kSetGlobalNum: {
            const float value = EvalResolved(run, pc + 3, statement.first, statement.firstForm);
            lastTerminator = OpSemicolon;
            run.programCounter = statement.first + 1;
            const std::string& name = run.tokens[pc + 1].text;
            const std::int32_t global = CachedGlobalIndex(name, statement.variable, statement.globalsStamp);
            if (global < 0)
                globals.Append(name, CScriptValue(value));
            else
                globals.entries[global].second = CScriptValue(value);
            break;
        }
        default:
            return ran;
        }
    }
    return ran;
}

void CScriptEngine::Resolve(CScript& run, ScriptMemo& memo, std::int32_t position, Statement& statement)
{
    using Plan = ScriptMemo::StatementPlan;
    statement = Statement();
    statement.epoch = run.NamesEpoch();
    const ScriptToken& token = run.tokens[position];
    if (IsMarker(token)) {
        statement.kind = Statement::kMarker;
        return;
    }
    std::int32_t keyword = token.type == TokKeyword ? token.id : 0;
    if (token.type == TokWord) {
        const ScriptNameCache::Entry& word = run.WordAt(position);
        if (word.type == TokWord && memo.Facts(position).builtIn == BuiltInSetGlobalNum) {
            ResolveSetGlobalNum(run, memo, position, statement);
            return;
        }
        if (word.type != TokIntVar && word.type != TokFloatVar)
            return;
        const Plan& plan = memo.Statement(run.tokens, position);
        if (plan.kind != Plan::kAssign)
            return;
        statement.kind = word.type == TokIntVar ? Statement::kAssignInt : Statement::kAssignFloat;
        statement.variable = word.variableIndex;
        statement.first = plan.first;
        statement.firstForm = DecodeExpression(run, memo, position + 2, plan.first, plan.firstAlternating);
        return;
    }
    switch (keyword) {
    case KwElse:
    case KwEndwhile:
    case KwNext: {
        const ScriptMemo::Scan scan = keyword == KwElse       ? ScriptMemo::kToEndif
                                      : keyword == KwEndwhile ? ScriptMemo::kBackToWhile
                                                              : ScriptMemo::kBackToFor;
        statement.kind = Statement::kJump;
        statement.jump = ScanTarget(run, scan, position + 1);
        return;
    }
    case KwIf:
    case KwWhile:
    case KwFor: {
        const Plan& plan = memo.Statement(run.tokens, position);
        if (plan.kind != Plan::kCondition && plan.kind != Plan::kFor)
            return;
        statement.first = plan.first;
        statement.second = plan.second;
        if (plan.kind == Plan::kFor) {
            statement.kind = Statement::kFor;
            statement.variable = run.IntVariableIndexAt(position + 1);
            statement.jump = ScanTarget(run, ScriptMemo::kPastNext, plan.second + 1);
            statement.firstForm = DecodeExpression(run, memo, position + 3, plan.first, plan.firstAlternating);
            if (plan.second != plan.first)
                statement.secondForm =
                    DecodeExpression(run, memo, plan.first + 1, plan.second, plan.secondAlternating);
            return;
        }
        statement.kind = Statement::kCondition;
        statement.comparison = run.tokens[plan.first].id;
        statement.closing = run.tokens[plan.second].id;
        statement.jump = ScanTarget(run, keyword == KwIf ? ScriptMemo::kToElseOrEndif : ScriptMemo::kPastEndwhile,
                                    plan.second + 1);
        statement.firstForm = DecodeExpression(run, memo, position + 1, plan.first, plan.firstAlternating);
        statement.secondForm = DecodeExpression(run, memo, plan.first + 1, plan.second, plan.secondAlternating);
        return;
    }
    default:
        return;
    }
}

void CScriptEngine::ResolveSetGlobalNum(CScript& run, ScriptMemo& memo, std::int32_t position,
                                       Statement& statement)
{
    // `SetGlobalNum "NAME" , expression ;`: the name is the literal's text
    // and the number runs to the first `;`, as the command reads them.
    const std::vector<ScriptToken>& tokens = run.tokens;
    const std::int32_t count = static_cast<std::int32_t>(tokens.size());
    if (position + 3 > count || tokens[position + 1].type != TokStringLiteral ||
        tokens[position + 2].type != TokOperator || tokens[position + 2].id != OpComma)
        return;
    const Terminators semicolon{OpSemicolon, kNoTerminator, false};
    const ScriptMemo::ExprPlan& plan = memo.Plan(tokens, position + 3, semicolon.Key(),
                                                 [&semicolon](std::int32_t id) { return semicolon.Match(id); });
    if (plan.end == ScriptMemo::kNotFound)
        return;
    statement.kind = Statement::kSetGlobalNum;
    statement.first = plan.end;
    statement.firstForm = DecodeExpression(run, memo, position + 3, plan.end, plan.alternating);
}

std::int8_t CScriptEngine::DecodeExpression(CScript& run, const ScriptMemo& memo, std::int32_t begin,
                                            std::int32_t end, bool alternating)
{
    if (!alternating)
        return DecodeChain(run, memo, begin, end, 0) ? ResolvedStatements::kNested : ResolvedStatements::kItems;
    DecodeChain(run, memo, begin, end, 0);
    if (end == begin + 1)
        return ResolvedStatements::kSingle;
    if (end == begin + 3)
        return ResolvedStatements::kBinary;
    const std::int32_t level = PrecedenceLevel(memo.Facts(begin + 1).item.code);
    for (std::int32_t i = begin + 3; i < end; i += 2)
        if (PrecedenceLevel(memo.Facts(i).item.code) != level)
            return ResolvedStatements::kChain;
    return ResolvedStatements::kLeftFold;
}

bool CScriptEngine::DecodeChain(CScript& run, const ScriptMemo& memo, std::int32_t begin, std::int32_t end,
                                int depth)
{
    // Deeper nests are left to the item lists, which need no call stack.
    const int kDeepest = 16;
    std::int32_t i = begin;
    for (;;) {
        if (i >= end)
            return false;
        const ScriptToken& token = run.tokens[i];
        ResolvedStatements::Operand& operand = run.resolved.OperandAt(i);
        operand = ResolvedStatements::Operand();
        if (IsArithmetic(token) || IsParenthesis(token, OpCloseParen))
            return false;
        if (IsParenthesis(token, OpOpenParen)) {
            // A group evaluates like the number it gives, as when the item
            // lists work out the innermost parentheses first.
            const std::int32_t close = MatchingParenthesis(run.tokens, i, end);
            if (depth >= kDeepest || close == ScriptMemo::kNotFound || !DecodeChain(run, memo, i + 1, close, depth + 1))
                return false;
            operand.kind = ResolvedStatements::kGroup;
            operand.index = close;
            i = close + 1;
        } else {
            DecodeOperand(run, memo, i, operand);
            ++i;
        }
        if (i == end)
            return true;
        if (!IsArithmetic(run.tokens[i]))
            return false;
        ResolvedStatements::Operand& sign = run.resolved.OperandAt(i);
        sign = ResolvedStatements::Operand();
        sign.code = static_cast<std::int8_t>(memo.Facts(i).item.code);
        ++i;
    }
}

void CScriptEngine::DecodeOperand(CScript& run, const ScriptMemo& memo, std::int32_t position,
                                  ResolvedStatements::Operand& operand)
{
    const ScriptMemo::TokenFacts& facts = memo.Facts(position);
    operand.value = facts.value;
    if (!facts.word)
        return;
    const ScriptNameCache::Entry& word = run.WordAt(position);
    operand.index = word.variableIndex;
    operand.kind = word.type == TokIntVar     ? ResolvedStatements::kIntVariable
                   : word.type == TokFloatVar ? ResolvedStatements::kFloatVariable
                   : word.type == TokWord     ? ResolvedStatements::kGlobal
                                              : ResolvedStatements::kLookedUp;
}

float CScriptEngine::LookedUpValue(CScript& run, std::int32_t position) const
{
    ResolvedStatements::Operand& operand = run.resolved.Operands()[position];
    if (operand.kind == ResolvedStatements::kGlobal) {
        const std::int32_t global =
            CachedGlobalIndex(run.tokens[position].text, operand.index, operand.globalsStamp);
        return global < 0 ? 0.0f : globals.entries[global].second.AsFloat();
    }
    // String variables: as the reading path finds them.
    return WordValue(run, position, run.WordAt(position));
}

float CScriptEngine::FoldResolved(CScript& run, std::int32_t begin, std::int32_t end)
{
    // Decoded operand, operator, operand, ...; a group is folded where it
    // stands.
    struct Chain {
        CScriptEngine& engine;
        CScript& run;
        std::int32_t position;
        std::int32_t end;
        float NextOperand()
        {
            const ResolvedStatements::Operand& operand = run.resolved.Operands()[position];
            if (operand.kind != ResolvedStatements::kGroup)
                return engine.ResolvedValue(run, position++);
            const std::int32_t open = position;
            position = operand.index + 1;
            return engine.FoldResolved(run, open + 1, operand.index);
        }
        std::int32_t NextOperator() { return position < end ? run.resolved.Operands()[position++].code : 0; }
    } chain{*this, run, begin, end};
    return FoldChain(chain);
}
