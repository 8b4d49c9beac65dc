// The statement loop of CScriptEngine, with assignments, declarations and
// commands. Control-flow statements are in ScriptEngineFlow.cpp, the
// built-in commands in ScriptEngineBuiltIns.cpp.
#include "script/CScriptEngine.h"

#include <ostream>

#include "script/ScriptConversions.h"
#include "script/ScriptTables.h"

void CScriptEngine::Execute()
{
    std::uint64_t executed = 0;
    for (;;) {
        if (runQueue.empty())
            running = false;
        if (!running)
            return;
        CScript& run = runQueue.front();
        ScriptMemo* memo = MemoOf(run);
        statementMemo = memo;
        StatementResult result = StatementResult::Continue;
        if (memo) {
            // The host may have created variables since the last statement.
            run.RefreshNames();
            const std::uint64_t budget = statementLimit == 0 ? UINT64_MAX : statementLimit - executed;
            const std::uint64_t ran = RunResolved(run, *memo, budget, result);
            executed += ran;
            if (ran > 0) {
                if (!EndStatement(result))
                    return;
                if (statementLimit != 0 && executed >= statementLimit) {
                    ReportLimit(result);
                    return;
                }
                // Unless the run has ended, it stopped before a statement
                // for the reading path.
                if (result != StatementResult::Continue)
                    continue;
            }
        }
        // Here the run stands between two statements (the resolved ones
        // never queue a command): it can wait without losing its place.
        if (commandQueueLimit != 0 && commandQueue.size() >= commandQueueLimit) {
            ReportFullQueue(run);
            return;
        }
        const ScriptTokenRef token = memo ? run.ReadTokenRemembered() : run.ReadToken();
        if (token.IsEnd()) {
            runQueue.pop_front();
            continue;
        }
        statementCutShort = false;
        result = RunStatement(run, token);
        if (statementCutShort) {
            result = StatementResult::EndRun;
            if (cutShortReport)
                cutShortReport(run.id);
        }
        if (!EndStatement(result))
            return;
        if (statementLimit != 0 && ++executed >= statementLimit) {
            ReportLimit(result);
            return;
        }
    }
}

void CScriptEngine::ReportLimit(StatementResult last)
{
    // A run that ended with the last statement is not suspended: the front
    // run then has not started yet. Nor is one with nothing left to run.
    if (last == StatementResult::EndRun || runQueue.empty())
        return;
    CScript& run = runQueue.front();
    if (run.overranFrame || !run.HasTokenAt(run.programCounter))
        return;
    run.overranFrame = true;
    if (limitReport)
        *limitReport << "Script " << run.id << " ran " << statementLimit
                     << " statements in one frame: it goes on next frame" << std::endl;
}

void CScriptEngine::ReportFullQueue(CScript& run)
{
    if (run.waitedForCommands)
        return;
    run.waitedForCommands = true;
    if (limitReport)
        *limitReport << "Script " << run.id << " queued " << commandQueueLimit
                     << " commands not yet carried out: it waits for them" << std::endl;
}

bool CScriptEngine::EndStatement(StatementResult result)
{
    if (result == StatementResult::EndRun) {
        // Its variables go with it; the next run starts in this frame.
        runQueue.pop_front();
    } else if (result == StatementResult::Pause) {
        running = false;
        return false;
    }
    return true;
}

CScriptEngine::StatementResult CScriptEngine::RunStatement(CScript& run, const ScriptTokenRef& token)
{
    switch (token.type) {
    case TokKeyword:
        return RunKeyword(run, token.Id());
    case TokIntVar:
    case TokFloatVar:
    case TokStringVar:
        return Assign(run, token);
    case TokWord:
        return Command(run, token);
    default:
        // A stray literal or operator (an extra `;`) does nothing.
        return StatementResult::Continue;
    }
}

CScriptEngine::StatementResult CScriptEngine::RunKeyword(CScript& run, std::int32_t keywordId)
{
    switch (keywordId) {
    case KwIf: return If(run);
    case KwElse: return Else(run);
    case KwWhile: return While(run);
    case KwEndwhile: return EndWhile(run);
    case KwFor: return For(run);
    case KwNext: return Next(run);
    case KwBreak: return Break(run);
    case KwContinue: return Continue(run);
    case KwStop: return StatementResult::EndRun;
    case KwBloque: return StatementResult::Pause;
    case KwInt:
    case KwFloat:
    case KwString: return Declare(run, keywordId);
    case KwLabel: return Label(run);
    case KwGoto: return Goto(run);
    default:
        // then, endif, to, step and do are only markers for the scans.
        return StatementResult::Continue;
    }
}

CScriptEngine::StatementResult CScriptEngine::Assign(CScript& run, const ScriptTokenRef& target)
{
    Read(run); // the `=`, whatever is written there
    const Terminators semicolon{OpSemicolon, kNoTerminator, false};
    const int index = target.variableIndex;
    // The expression cannot create variables, so the index stays valid.
    if (target.type == TokStringVar) {
        // Built in a kept buffer and swapped in: the variable's old buffer
        // becomes the next statement's, so nothing is allocated once both
        // have grown.
        scratchText.clear();
        EvalStringInto(run, semicolon, scratchText);
        if (!statementCutShort)
            run.stringVariables.entries[index].second.swap(scratchText);
    } else {
        const float value = EvalNumberOn(run, semicolon);
        if (statementCutShort)
            return StatementResult::EndRun;
        if (target.type == TokIntVar)
            run.intVariables.entries[index].second = TruncateToInt32(value);
        else
            run.floatVariables.entries[index].second = value;
    }
    return StatementResult::Continue;
}

CScriptEngine::StatementResult CScriptEngine::Declare(CScript& run, std::int32_t keywordId)
{
    const Terminators semicolon{OpSemicolon, kNoTerminator, false};
    // Declares one variable with the statement's value. Each name of a list
    // is declared as soon as it is read, so a later name that repeats an
    // earlier one reads as that variable: `int a , a ;` declares `a` and
    // then a variable named after the value of `a`.
    auto declare = [&run, keywordId](const std::string& name, float number, const std::string& text) {
        if (keywordId == KwInt)
            run.intVariables.Set(name, TruncateToInt32(number));
        else if (keywordId == KwFloat)
            run.floatVariables.Set(name, number);
        else
            run.stringVariables.Set(name, text);
    };
    // The name goes into a kept string: declarations inside loops allocate
    // nothing once the buffer has grown.
    NameInto(run, Read(run), declaredName);
    const ScriptTokenRef next = Read(run);
    scratchText.clear();
    if (next.IsOperator(OpAssign)) {
        float number = 0.0f;
        if (keywordId == KwString)
            EvalStringInto(run, semicolon, scratchText);
        else
            number = EvalNumberOn(run, semicolon);
        if (statementCutShort)
            return StatementResult::EndRun;
        declare(declaredName, number, scratchText);
    } else if (next.IsOperator(OpComma)) {
        declare(declaredName, 0.0f, scratchText);
        for (;;) {
            const ScriptTokenRef token = Read(run);
            if (token.IsEnd() || token.IsOperator(OpSemicolon))
                break;
            if (token.IsOperator(OpComma))
                continue;
            NameInto(run, token, declaredName);
            declare(declaredName, 0.0f, scratchText);
        }
    } else if (next.IsOperator(OpSemicolon)) {
        declare(declaredName, 0.0f, scratchText);
    }
    // Any other token after the name: not a declaration, nothing declared.
    return StatementResult::Continue;
}

CScriptEngine::StatementResult CScriptEngine::Command(CScript& run, const ScriptTokenRef& word)
{
    bool handled = false;
    const StatementResult builtIn = BuiltIn(run, word, handled);
    if (handled)
        return builtIn;

    ScriptCommand command;
    command.name = word.Text();
    const Terminators argumentEnd{OpComma, OpSemicolon, false};
    for (;;) {
        const ScriptTokenRef first = Read(run);
        if (first.IsEnd())
            return StatementResult::EndRun;
        if (first.IsOperator(OpSemicolon))
            break;
        Unread(run, first);
        // Only an argument that starts with a string is a string: a word
        // naming a string global gives a number.
        if (first.type == TokStringVar || first.type == TokStringLiteral)
            command.arguments.emplace_back(EvalStringOn(run, argumentEnd));
        else
            command.arguments.emplace_back(EvalNumberOn(run, argumentEnd));
        if (statementCutShort)
            return StatementResult::EndRun;
        if (lastTerminator == OpSemicolon)
            break;
    }
    commandQueue.push(std::move(command));
    return StatementResult::Continue;
}
