// Control flow of CScriptEngine. There are no compiled jump targets: every
// statement here finds where to go by scanning the run's tokens for keywords
// (which are never re-typed, so the stored tokens are read directly). A scan
// depends on the token list and its start alone, so when memoising its
// answer is remembered per script and start position.
#include "script/CScriptEngine.h"

#include "script/ForLoopStep.h"
#include "script/ScriptConversions.h"
#include "script/ScriptTables.h"

namespace {

bool IsKeyword(const CScript& run, std::int32_t index, std::int32_t keywordId)
{
    const ScriptToken& token = run.tokens[index];
    return token.type == TokKeyword && token.id == keywordId;
}

std::int32_t TokenCount(const CScript& run)
{
    return static_cast<std::int32_t>(run.tokens.size());
}

// Forward from `start` to the `endif` (or, with stopAtElse, the `else`) of
// the current branch; the position after it.
std::int32_t BranchEnd(const CScript& run, std::int32_t start, bool stopAtElse)
{
    int depth = 0;
    for (std::int32_t i = start; i < TokenCount(run); ++i) {
        if (IsKeyword(run, i, KwIf)) {
            ++depth;
        } else if (stopAtElse && depth == 0 && IsKeyword(run, i, KwElse)) {
            return i + 1;
        } else if (IsKeyword(run, i, KwEndif)) {
            if (depth == 0)
                return i + 1;
            --depth;
        }
    }
    return ScriptMemo::kNotFound;
}

// Forward from `start` to the closer that matches, the position after it.
std::int32_t PastMatching(const CScript& run, std::int32_t start, std::int32_t opener, std::int32_t closer)
{
    int depth = 0;
    for (std::int32_t i = start; i < TokenCount(run); ++i) {
        if (IsKeyword(run, i, opener)) {
            ++depth;
        } else if (IsKeyword(run, i, closer)) {
            if (depth == 0)
                return i + 1;
            --depth;
        }
    }
    return ScriptMemo::kNotFound;
}

// Backwards from the closer just read (the counter is after it) to its
// opener, the position of the opener.
std::int32_t LoopHead(const CScript& run, std::int32_t counter, std::int32_t opener, std::int32_t closer)
{
    int depth = 0;
    for (std::int32_t i = counter - 2; i >= 0 && i < TokenCount(run); --i) {
        if (IsKeyword(run, i, closer)) {
            ++depth;
        } else if (IsKeyword(run, i, opener)) {
            if (depth == 0)
                return i;
            --depth;
        }
    }
    return ScriptMemo::kNotFound;
}

std::int32_t NextLoopEnd(const CScript& run, std::int32_t start)
{
    for (std::int32_t i = start; i < TokenCount(run); ++i)
        if (IsKeyword(run, i, KwEndwhile) || IsKeyword(run, i, KwNext))
            return i;
    return ScriptMemo::kNotFound;
}

std::int32_t PrevLoopHead(const CScript& run, std::int32_t counter)
{
    for (std::int32_t i = counter - 1; i >= 0 && i < TokenCount(run); --i)
        if (IsKeyword(run, i, KwWhile) || IsKeyword(run, i, KwFor))
            return i;
    return ScriptMemo::kNotFound;
}

std::int32_t PastColon(const CScript& run, std::int32_t start)
{
    for (std::int32_t i = start < 0 ? 0 : start; i < TokenCount(run); ++i) {
        const ScriptToken& token = run.tokens[i];
        if (token.type == TokOperator && token.id == OpColon)
            return i + 1;
    }
    return ScriptMemo::kNotFound;
}

std::int32_t NextLabel(const CScript& run, std::int32_t start)
{
    for (std::int32_t i = start < 0 ? 0 : start; i < TokenCount(run); ++i)
        if (IsKeyword(run, i, KwLabel))
            return i;
    return ScriptMemo::kNotFound;
}

std::int32_t Scan(const CScript& run, ScriptMemo::Scan scan, std::int32_t start)
{
    switch (scan) {
    case ScriptMemo::kToElseOrEndif: return BranchEnd(run, start, true);
    case ScriptMemo::kToEndif: return BranchEnd(run, start, false);
    case ScriptMemo::kPastEndwhile: return PastMatching(run, start, KwWhile, KwEndwhile);
    case ScriptMemo::kPastNext: return PastMatching(run, start, KwFor, KwNext);
    case ScriptMemo::kBackToWhile: return LoopHead(run, start, KwWhile, KwEndwhile);
    case ScriptMemo::kBackToFor: return LoopHead(run, start, KwFor, KwNext);
    case ScriptMemo::kNextLoopEnd: return NextLoopEnd(run, start);
    case ScriptMemo::kPrevLoopHead: return PrevLoopHead(run, start);
    case ScriptMemo::kNextColon: return PastColon(run, start);
    case ScriptMemo::kNextLabel: return NextLabel(run, start);
    default: return ScriptMemo::kNotFound;
    }
}

} // namespace

std::int32_t CScriptEngine::ScanTarget(const CScript& run, ScriptMemo::Scan scan, std::int32_t start) const
{
    // Scans run only inside statements, whose memo Execute has looked up.
    ScriptMemo* memo = statementMemo;
    if (memo == nullptr || memo != run.memo.get())
        return Scan(run, scan, start);
    std::int32_t target = ScriptMemo::kNotFound;
    if (memo->FindScan(scan, start, target))
        return target;
    target = Scan(run, scan, start);
    memo->RememberScan(scan, start, target);
    return target;
}

bool CScriptEngine::JumpByScan(CScript& run, ScriptMemo::Scan scan)
{
    const std::int32_t target = ScanTarget(run, scan, run.programCounter);
    if (target == ScriptMemo::kNotFound)
        return false;
    run.programCounter = target;
    return true;
}

CScriptEngine::StatementResult CScriptEngine::If(CScript& run)
{
    const bool holds = EvalCondition(run, KwThen);
    if (statementCutShort)
        return StatementResult::EndRun;
    if (holds || JumpByScan(run, ScriptMemo::kToElseOrEndif))
        return StatementResult::Continue;
    return StatementResult::EndRun;
}

CScriptEngine::StatementResult CScriptEngine::Else(CScript& run)
{
    // Reached only after the `then` branch ran: skip the `else` branch.
    return JumpByScan(run, ScriptMemo::kToEndif) ? StatementResult::Continue : StatementResult::EndRun;
}

CScriptEngine::StatementResult CScriptEngine::While(CScript& run)
{
    const bool holds = EvalCondition(run, KwDo);
    if (statementCutShort)
        return StatementResult::EndRun;
    if (holds || JumpByScan(run, ScriptMemo::kPastEndwhile))
        return StatementResult::Continue;
    return StatementResult::EndRun;
}

CScriptEngine::StatementResult CScriptEngine::EndWhile(CScript& run)
{
    return JumpByScan(run, ScriptMemo::kBackToWhile) ? StatementResult::Continue : StatementResult::EndRun;
}

CScriptEngine::StatementResult CScriptEngine::For(CScript& run)
{
    loopName.clear();
    EvalStringInto(run, Terminators{KwTo, kNoTerminator, false}, loopName);
    const std::int32_t limit = TruncateToInt32(EvalNumberOn(run, Terminators{KwStep, KwDo, false}));
    std::int32_t increment = 1;
    if (lastTerminator != KwDo)
        increment = TruncateToInt32(EvalNumberOn(run, Terminators{KwDo, kNoTerminator, false}));
    if (statementCutShort)
        return StatementResult::EndRun;

    // The loop variable counts every time the `for` runs, the first included.
    const int index = run.intVariables.Find(loopName);
    const ForLoopStep step = StepForLoop(index < 0 ? 0 : run.intVariables.entries[index].second, increment, limit);
    const std::int32_t value = step.counter;
    if (index < 0)
        run.intVariables.Append(loopName, value);
    else
        run.intVariables.entries[index].second = value;
    const bool ended = step.ended;
    if (!ended || JumpByScan(run, ScriptMemo::kPastNext))
        return StatementResult::Continue;
    return StatementResult::EndRun;
}

CScriptEngine::StatementResult CScriptEngine::Next(CScript& run)
{
    return JumpByScan(run, ScriptMemo::kBackToFor) ? StatementResult::Continue : StatementResult::EndRun;
}

CScriptEngine::StatementResult CScriptEngine::Break(CScript& run)
{
    std::int32_t count = TruncateToInt32(EvalNumberOn(run, Terminators{OpSemicolon, kNoTerminator, false}));
    if (statementCutShort)
        return StatementResult::EndRun;
    if (count == 0)
        count = 1;
    // Without regard to nesting: each step goes to the next loop end of
    // either kind, whichever loop it belongs to.
    std::int32_t position = run.programCounter;
    for (std::int32_t found = 0; found < count; ++found) {
        const std::int32_t end = ScanTarget(run, ScriptMemo::kNextLoopEnd, position);
        if (end == ScriptMemo::kNotFound)
            return StatementResult::EndRun;
        position = end + 1;
    }
    run.programCounter = position;
    return StatementResult::Continue;
}

CScriptEngine::StatementResult CScriptEngine::Continue(CScript& run)
{
    // The nearest loop head before `continue`, without regard to nesting.
    const std::int32_t head = ScanTarget(run, ScriptMemo::kPrevLoopHead, run.programCounter);
    if (head == ScriptMemo::kNotFound)
        return StatementResult::EndRun;
    run.programCounter = head;
    return StatementResult::Continue;
}

CScriptEngine::StatementResult CScriptEngine::Label(CScript& run)
{
    const std::int32_t after = ScanTarget(run, ScriptMemo::kNextColon, run.programCounter);
    if (after == ScriptMemo::kNotFound)
        return StatementResult::EndRun;
    run.programCounter = after;
    return StatementResult::Continue;
}

CScriptEngine::StatementResult CScriptEngine::Goto(CScript& run)
{
    const std::string target = EvalStringOn(run, Terminators{OpSemicolon, kNoTerminator, false});
    if (statementCutShort)
        return StatementResult::EndRun;
    run.Rewind();
    const Terminators colon{OpColon, kNoTerminator, false};
    for (;;) {
        const std::int32_t label = ScanTarget(run, ScriptMemo::kNextLabel, run.programCounter);
        if (label == ScriptMemo::kNotFound)
            return StatementResult::EndRun; // no such label: the run ends
        run.programCounter = label + 1;
        // Label names are expressions, evaluated with today's variables.
        const std::string name = EvalStringOn(run, colon);
        if (statementCutShort)
            return StatementResult::EndRun;
        if (name == target)
            return StatementResult::Continue;
    }
}
