// Control flow of CScriptEngine. There are no compiled jump targets: every
// statement here finds where to go by scanning the run's tokens for keywords
// (which are never re-typed, so the stored tokens are read directly).
#include "script/CScriptEngine.h"

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

// Adds in 32-bit two's complement: a loop counter that passes the int range
// wraps around instead of being undefined.
std::int32_t WrappingAdd(std::int32_t a, std::int32_t b)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

} // namespace

bool CScriptEngine::SkipToBranchEnd(CScript& run, bool stopAtElse)
{
    int depth = 0;
    for (std::int32_t i = run.programCounter; i < TokenCount(run); ++i) {
        if (IsKeyword(run, i, KwIf)) {
            ++depth;
        } else if (stopAtElse && depth == 0 && IsKeyword(run, i, KwElse)) {
            run.programCounter = i + 1;
            return true;
        } else if (IsKeyword(run, i, KwEndif)) {
            if (depth == 0) {
                run.programCounter = i + 1;
                return true;
            }
            --depth;
        }
    }
    return false;
}

bool CScriptEngine::SkipPastMatching(CScript& run, std::int32_t opener, std::int32_t closer)
{
    int depth = 0;
    for (std::int32_t i = run.programCounter; i < TokenCount(run); ++i) {
        if (IsKeyword(run, i, opener)) {
            ++depth;
        } else if (IsKeyword(run, i, closer)) {
            if (depth == 0) {
                run.programCounter = i + 1;
                return true;
            }
            --depth;
        }
    }
    return false;
}

bool CScriptEngine::ReturnToLoopHead(CScript& run, std::int32_t opener, std::int32_t closer)
{
    // The closer was just read: start with the token before it.
    int depth = 0;
    for (std::int32_t i = run.programCounter - 2; i >= 0; --i) {
        if (IsKeyword(run, i, closer)) {
            ++depth;
        } else if (IsKeyword(run, i, opener)) {
            if (depth == 0) {
                // The head runs again: it tests (and for `for`, counts).
                run.programCounter = i;
                return true;
            }
            --depth;
        }
    }
    return false;
}

CScriptEngine::StatementResult CScriptEngine::If(CScript& run)
{
    const bool holds = EvalCondition(run, KwThen);
    if (statementCutShort)
        return StatementResult::EndRun;
    if (holds || SkipToBranchEnd(run, true))
        return StatementResult::Continue;
    return StatementResult::EndRun;
}

CScriptEngine::StatementResult CScriptEngine::Else(CScript& run)
{
    // Reached only after the `then` branch ran: skip the `else` branch.
    return SkipToBranchEnd(run, false) ? StatementResult::Continue : StatementResult::EndRun;
}

CScriptEngine::StatementResult CScriptEngine::While(CScript& run)
{
    const bool holds = EvalCondition(run, KwDo);
    if (statementCutShort)
        return StatementResult::EndRun;
    if (holds || SkipPastMatching(run, KwWhile, KwEndwhile))
        return StatementResult::Continue;
    return StatementResult::EndRun;
}

CScriptEngine::StatementResult CScriptEngine::EndWhile(CScript& run)
{
    return ReturnToLoopHead(run, KwWhile, KwEndwhile) ? StatementResult::Continue : StatementResult::EndRun;
}

CScriptEngine::StatementResult CScriptEngine::For(CScript& run)
{
    const std::string name = EvalStringOn(run, Terminators{KwTo, kNoTerminator, false});
    const std::int32_t limit = TruncateToInt32(EvalNumberOn(run, Terminators{KwStep, KwDo, false}));
    std::int32_t increment = 1;
    if (lastTerminator != KwDo)
        increment = TruncateToInt32(EvalNumberOn(run, Terminators{KwDo, kNoTerminator, false}));
    if (statementCutShort)
        return StatementResult::EndRun;

    // The loop variable counts every time the `for` runs, the first included.
    const std::int32_t value = WrappingAdd(run.intVariables.Get(name), increment);
    run.intVariables.Set(name, value);
    const bool ended = increment == 0 || (increment > 0 && value > limit) || (increment < 0 && value < limit);
    if (!ended || SkipPastMatching(run, KwFor, KwNext))
        return StatementResult::Continue;
    return StatementResult::EndRun;
}

CScriptEngine::StatementResult CScriptEngine::Next(CScript& run)
{
    return ReturnToLoopHead(run, KwFor, KwNext) ? StatementResult::Continue : StatementResult::EndRun;
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
        while (position < TokenCount(run) && !IsKeyword(run, position, KwEndwhile) &&
               !IsKeyword(run, position, KwNext))
            ++position;
        if (position >= TokenCount(run))
            return StatementResult::EndRun;
        ++position;
    }
    run.programCounter = position;
    return StatementResult::Continue;
}

CScriptEngine::StatementResult CScriptEngine::Continue(CScript& run)
{
    // The nearest loop head before `continue`, without regard to nesting.
    for (std::int32_t i = run.programCounter - 1; i >= 0; --i) {
        if (IsKeyword(run, i, KwWhile) || IsKeyword(run, i, KwFor)) {
            run.programCounter = i;
            return StatementResult::Continue;
        }
    }
    return StatementResult::EndRun;
}

CScriptEngine::StatementResult CScriptEngine::Label(CScript& run)
{
    for (std::int32_t i = run.programCounter; i < TokenCount(run); ++i) {
        const ScriptToken& token = run.tokens[i];
        if (token.type == TokOperator && token.id == OpColon) {
            run.programCounter = i + 1;
            return StatementResult::Continue;
        }
    }
    return StatementResult::EndRun;
}

CScriptEngine::StatementResult CScriptEngine::Goto(CScript& run)
{
    const std::string target = EvalStringOn(run, Terminators{OpSemicolon, kNoTerminator, false});
    if (statementCutShort)
        return StatementResult::EndRun;
    run.Rewind();
    const Terminators colon{OpColon, kNoTerminator, false};
    for (;;) {
        while (run.HasTokenAt(run.programCounter) && !IsKeyword(run, run.programCounter, KwLabel))
            ++run.programCounter;
        if (!run.HasTokenAt(run.programCounter))
            return StatementResult::EndRun; // no such label: the run ends
        ++run.programCounter;
        // Label names are expressions, evaluated with today's variables.
        const std::string name = EvalStringOn(run, colon);
        if (statementCutShort)
            return StatementResult::EndRun;
        if (name == target)
            return StatementResult::Continue;
    }
}
