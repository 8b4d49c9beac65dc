// The seven commands that the interpreter carries out itself, at once,
// instead of queuing them for the world.
#include "script/CScriptEngine.h"

#include <cstdlib>
#include <ostream>

#include "script/DumpVariables.h"
#include "script/ScriptConversions.h"
#include "script/ScriptTables.h"

CScriptEngine::StatementResult CScriptEngine::BuiltIn(CScript& run, const std::string& word, bool& handled)
{
    const Terminators comma{OpComma, kNoTerminator, false};
    const Terminators semicolon{OpSemicolon, kNoTerminator, false};
    handled = true;
    if (word == "Console") {
        const std::string text = EvalStringOn(run, semicolon);
        if (!statementCutShort)
            *output << text;
    } else if (word == "SetGlobalString") {
        const std::string name = EvalStringOn(run, comma);
        const std::string text = EvalStringOn(run, semicolon);
        if (!statementCutShort)
            SetGlobal(name, CScriptValue(text));
    } else if (word == "SetGlobalNum") {
        const std::string name = EvalStringOn(run, comma);
        const float number = EvalNumberOn(run, semicolon);
        if (!statementCutShort)
            SetGlobal(name, CScriptValue(number));
    } else if (word == "NumToStr") {
        const float number = EvalNumberOn(run, comma);
        const std::string name = EvalStringOn(run, semicolon);
        if (!statementCutShort)
            run.stringVariables.Set(name, FloatToStr(number));
    } else if (word == "Clock") {
        const std::string name = EvalStringOn(run, semicolon);
        if (!statementCutShort)
            run.stringVariables.Set(name, IntToStr(static_cast<std::int32_t>(clockSource())));
    } else if (word == "Hasard") {
        return Hasard(run);
    } else if (word == "ListeVariables") {
        // Takes no arguments: a `;` after it is an empty statement.
        *output << DumpVariables(run);
    } else {
        handled = false;
    }
    return statementCutShort ? StatementResult::EndRun : StatementResult::Continue;
}

CScriptEngine::StatementResult CScriptEngine::Hasard(CScript& run)
{
    const Terminators comma{OpComma, kNoTerminator, false};
    const std::int32_t a = TruncateToInt32(EvalNumberOn(run, comma));
    const std::int32_t b = TruncateToInt32(EvalNumberOn(run, comma));
    const std::string name = EvalStringOn(run, Terminators{OpSemicolon, kNoTerminator, false});
    if (statementCutShort)
        return StatementResult::EndRun;
    // In 64 bits: the width of bounds far apart does not fit 32.
    const std::int64_t low = a < b ? a : b;
    const std::int64_t width = std::llabs(static_cast<std::int64_t>(a) - b) + 1;
    std::int64_t offset = static_cast<std::int64_t>(randomSource()) % width;
    if (offset < 0)
        offset += width;
    run.intVariables.Set(name, static_cast<std::int32_t>(low + offset));
    return StatementResult::Continue;
}
