// The seven commands that the interpreter carries out itself, at once,
// instead of queuing them for the world.
#include "script/CScriptEngine.h"

#include <cstdlib>
#include <ostream>

#include "script/DumpVariables.h"
#include "script/ScriptBuiltIn.h"
#include "script/ScriptConversions.h"
#include "script/ScriptTables.h"

CScriptEngine::StatementResult CScriptEngine::BuiltIn(CScript& run, const ScriptTokenRef& word, bool& handled)
{
    const Terminators comma{OpComma, kNoTerminator, false};
    const Terminators semicolon{OpSemicolon, kNoTerminator, false};
    const ScriptMemo* memo = MemoOf(run);
    const ScriptBuiltIn builtIn = memo && word.position >= 0 ? static_cast<ScriptBuiltIn>(memo->Facts(word.position).builtIn)
                                                             : BuiltInOf(word.Text());
    handled = true;
    if (builtIn == BuiltInConsole) {
        scratchText.clear();
        EvalStringInto(run, semicolon, scratchText);
        if (!statementCutShort)
            *output << scratchText;
    } else if (builtIn == BuiltInSetGlobalString) {
        const std::string name = EvalStringOn(run, comma);
        const std::string text = EvalStringOn(run, semicolon);
        if (!statementCutShort)
            SetGlobal(name, CScriptValue(text));
    } else if (builtIn == BuiltInSetGlobalNum) {
        const std::string name = EvalStringOn(run, comma);
        const float number = EvalNumberOn(run, semicolon);
        if (!statementCutShort)
            SetGlobal(name, CScriptValue(number));
    } else if (builtIn == BuiltInNumToStr) {
        const float number = EvalNumberOn(run, comma);
        const std::string name = EvalStringOn(run, semicolon);
        if (!statementCutShort)
            run.stringVariables.Set(name, FloatToStr(number));
    } else if (builtIn == BuiltInClock) {
        const std::string name = EvalStringOn(run, semicolon);
        if (!statementCutShort)
            run.stringVariables.Set(name, IntToStr(static_cast<std::int32_t>(clockSource())));
    } else if (builtIn == BuiltInHasard) {
        return Hasard(run);
    } else if (builtIn == BuiltInListeVariables) {
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
