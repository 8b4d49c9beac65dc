// Expression evaluation of CScriptEngine: string expressions are the
// concatenation of their tokens' texts; numeric expressions are item lists
// handed to EvalItems.
#include "script/CScriptEngine.h"

#include "script/EvalItems.h"
#include "script/ScriptComparisons.h"
#include "script/ScriptConversions.h"
#include "script/ScriptTables.h"

bool CScriptEngine::Terminators::Match(std::int32_t id) const
{
    if (id == 0)
        return false;
    return id == first || id == second || (comparisons && ScriptTables::IsComparisonId(id));
}

ScriptTokenRef CScriptEngine::Read(CScript& run)
{
    ScriptTokenRef token = MemoOf(run) ? run.ReadTokenRemembered() : run.ReadToken();
    if (token.IsEnd())
        statementCutShort = true;
    return token;
}

void CScriptEngine::Unread(CScript& run, const ScriptTokenRef& token)
{
    // Reading the end does not advance, so there is nothing to step back over.
    if (!token.IsEnd())
        --run.programCounter;
}

ScriptTokenRef CScriptEngine::RefOf(const CScript* run, const ScriptToken& token) const
{
    ScriptTokenRef ref;
    ref.token = &token;
    ref.type = token.type;
    if (run == nullptr)
        return ref;
    if (token.type == TokIntVar)
        ref.variableIndex = run->intVariables.Find(token.text);
    else if (token.type == TokFloatVar)
        ref.variableIndex = run->floatVariables.Find(token.text);
    else if (token.type == TokStringVar)
        ref.variableIndex = run->stringVariables.Find(token.text);
    return ref;
}

void CScriptEngine::AppendText(const CScript* run, const ScriptTokenRef& token, std::string& text) const
{
    const int index = token.variableIndex;
    switch (token.type) {
    case TokIntVar:
        text += IntToStr(run && index >= 0 ? run->intVariables.entries[index].second : 0);
        break;
    case TokFloatVar:
        text += FloatToStr(run && index >= 0 ? run->floatVariables.entries[index].second : 0.0f);
        break;
    case TokStringVar:
        if (run && index >= 0)
            text += run->stringVariables.entries[index].second;
        break;
    case TokIntLiteral:
    case TokFloatLiteral:
    case TokStringLiteral:
        text += token.Text();
        break;
    case TokWord: {
        const int global = GlobalIndexOf(run, token);
        if (global < 0) {
            text += FloatToStr(0.0f);
            break;
        }
        const CScriptValue& value = globals.entries[global].second;
        text += value.kind == CScriptValue::kString ? value.stringValue : FloatToStr(value.AsFloat());
        break;
    }
    default:
        // Operators and keywords contribute nothing: `"a" + "b"` is "ab".
        break;
    }
}

int CScriptEngine::GlobalIndexOf(const CScript* run, const ScriptTokenRef& token) const
{
    if (run == nullptr || token.position < 0 || MemoOf(*run) == nullptr)
        return globals.Find(token.Text());
    return run->GlobalIndexAt(token.position, globals.additions,
                              [this](const std::string& name) { return globals.Find(name); });
}

ExprItem CScriptEngine::ItemOf(const CScript* run, const ScriptTokenRef& token) const
{
    const int index = token.variableIndex;
    const bool resolvedByName = token.type == TokWord || (token.type >= TokIntVar && token.type <= TokStringVar);
    if (!resolvedByName && run && token.position >= 0) {
        // Literals, operators and keywords: decided when compiling.
        if (const ScriptMemo* memo = MemoOf(*run))
            return memo->Facts(token.position).item;
    }
    switch (token.type) {
    case TokIntVar:
        return ExprItem::Int(run && index >= 0 ? run->intVariables.entries[index].second : 0);
    case TokFloatVar:
        return ExprItem::Float(run && index >= 0 ? run->floatVariables.entries[index].second : 0.0f);
    case TokStringVar:
        return ExprItem::Float(run && index >= 0 ? StrToFloat(run->stringVariables.entries[index].second) : 0.0f);
    case TokWord: {
        const int global = GlobalIndexOf(run, token);
        return ExprItem::Float(global < 0 ? 0.0f : globals.entries[global].second.AsFloat());
    }
    default:
        // Retyping changes only words, so the stored token tells.
        return ScriptMemo::StaticItem(*token.token);
    }
}

float CScriptEngine::EvalNumberOn(CScript& run, Terminators stops)
{
    bool alternating = false;
    const std::int32_t end = PlannedEnd(run, stops, alternating);
    if (end != ScriptMemo::kNotFound) {
        lastTerminator = run.tokens[end].id;
        return EvalPlanned(run, end, alternating);
    }
    scratchItems.clear();
    for (;;) {
        const ScriptTokenRef token = Read(run);
        if (token.IsEnd()) {
            lastTerminator = kNoTerminator;
            break;
        }
        if (stops.Match(token.Id())) {
            lastTerminator = token.Id();
            break;
        }
        scratchItems.push_back(ItemOf(&run, token));
    }
    return EvalItemsInPlace(scratchItems, scratchInner);
}

std::string CScriptEngine::EvalStringOn(CScript& run, Terminators stops)
{
    std::string text;
    EvalStringInto(run, stops, text);
    return text;
}

void CScriptEngine::EvalStringInto(CScript& run, Terminators stops, std::string& text)
{
    bool alternating = false;
    const std::int32_t end = PlannedEnd(run, stops, alternating);
    if (end != ScriptMemo::kNotFound) {
        for (std::int32_t i = run.programCounter; i < end; ++i)
            AppendText(&run, run.TokenAtRemembered(i), text);
        run.programCounter = end + 1;
        lastTerminator = run.tokens[end].id;
        return;
    }
    for (;;) {
        const ScriptTokenRef token = Read(run);
        if (token.IsEnd()) {
            lastTerminator = kNoTerminator;
            return;
        }
        if (stops.Match(token.Id())) {
            lastTerminator = token.Id();
            return;
        }
        AppendText(&run, token, text);
    }
}

float CScriptEngine::EvalNumber(std::int32_t stop1, std::int32_t stop2)
{
    if (runQueue.empty()) {
        lastTerminator = kNoTerminator;
        return 0.0f;
    }
    // The host may have created variables since the last statement.
    runQueue.front().RefreshNames();
    return EvalNumberOn(runQueue.front(), Terminators{stop1, stop2, false});
}

std::string CScriptEngine::EvalString(std::int32_t stop1, std::int32_t stop2)
{
    if (runQueue.empty()) {
        lastTerminator = kNoTerminator;
        return std::string();
    }
    runQueue.front().RefreshNames();
    return EvalStringOn(runQueue.front(), Terminators{stop1, stop2, false});
}

ExprItem CScriptEngine::TokenToItem(const ScriptToken& token) const
{
    const CScript* run = runQueue.empty() ? nullptr : &runQueue.front();
    return ItemOf(run, RefOf(run, token));
}

std::string CScriptEngine::TokenToString(const ScriptToken& token) const
{
    const CScript* run = runQueue.empty() ? nullptr : &runQueue.front();
    std::string text;
    AppendText(run, RefOf(run, token), text);
    return text;
}

std::string CScriptEngine::NameFrom(const CScript& run, const ScriptTokenRef& token) const
{
    std::string name;
    NameInto(run, token, name);
    return name;
}

void CScriptEngine::NameInto(const CScript& run, const ScriptTokenRef& token, std::string& name) const
{
    name.clear();
    if (token.type == TokWord)
        name = token.Text();
    else
        AppendText(&run, token, name);
}

bool CScriptEngine::EvalCondition(CScript& run, std::int32_t closingKeyword)
{
    // The left side ends at the first comparison operator, not at the
    // closing keyword, and leaves lastTerminator alone.
    const Terminators comparisons{kNoTerminator, kNoTerminator, true};
    if (MemoOf(run) && run.HasTokenAt(run.programCounter) && run.tokens[run.programCounter].type != TokStringLiteral) {
        bool alternating = false;
        const std::int32_t end = PlannedEnd(run, comparisons, alternating);
        if (end != ScriptMemo::kNotFound) {
            const std::int32_t comparison = run.tokens[end].id;
            const float left = EvalPlanned(run, end, alternating);
            const float right = EvalNumberOn(run, Terminators{closingKeyword, kNoTerminator, false});
            return CompareNumbers(left, comparison, right);
        }
    }
    const ScriptTokenRef first = Read(run);
    Unread(run, first);
    if (first.type == TokStringLiteral) {
        // The left side also ends at an ordering operator, which compares
        // strings as false, instead of running on through the statement.
        const std::string left = EvalStringOn(run, Terminators{OpEqual, OpNotEqual, true});
        const std::int32_t comparison = lastTerminator;
        const std::string right = EvalStringOn(run, Terminators{closingKeyword, kNoTerminator, false});
        return CompareStrings(left, comparison, right);
    }
    scratchItems.clear();
    std::int32_t comparison = kNoTerminator;
    for (;;) {
        const ScriptTokenRef token = Read(run);
        if (token.IsEnd())
            return false;
        if (token.type == TokOperator && ScriptTables::IsComparisonId(token.Id())) {
            comparison = token.Id();
            break;
        }
        scratchItems.push_back(ItemOf(&run, token));
    }
    const float left = EvalItemsInPlace(scratchItems, scratchInner);
    const float right = EvalNumberOn(run, Terminators{closingKeyword, kNoTerminator, false});
    return CompareNumbers(left, comparison, right);
}
