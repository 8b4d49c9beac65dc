#include "ScriptDifferential.h"

#include <cstdint>
#include <sstream>

#include "script/CScriptEngine.h"
#include "script/DumpVariables.h"
#include "script/ScriptCommandText.h"
#include "script/ScriptConversions.h"
#include "script/ScriptTables.h"

namespace {

const int kFrames = 12;
const std::uint64_t kStatementsPerFrame = 400;

} // namespace

std::string RunTranscript(const std::string& script, bool memoising)
{
    InitScriptTables();
    CScriptEngine engine;
    engine.SetMemoising(memoising);
    std::ostringstream output;
    engine.SetOutput(output);
    int draws = 0;
    engine.SetRandomSource([&draws] { return (draws++ * 7919) % 32768; });
    engine.SetClockSource([] { return 1234u; });
    engine.SetStatementLimit(kStatementsPerFrame);
    engine.AddScript(1, script);
    engine.AddScript(2, script);
    engine.RunScript(1, 3, 4, 7);
    engine.RunScript(2, -1, -1, -1);
    engine.RunScript(1, -1, 5, 2);

    std::queue<ScriptCommand>& commands = engine.CommandQueue();
    for (int frame = 0; frame < kFrames; ++frame) {
        engine.Execute();
        output << "\n|frame " << frame << "\n";
        while (!commands.empty()) {
            output << ScriptCommandText(commands.front()) << '\n';
            commands.pop();
        }
        if (!engine.RunQueue().empty()) {
            output << DumpVariables(engine.RunQueue().front());
            // As a choice or an input box does: results stored in locals
            // of the waiting run, new ones shadowing globals among them.
            if (frame % 2 == 0) {
                engine.SetInt(frame % 4 == 0 ? "x" : "G1", frame);
                engine.SetString("s", "12");
                engine.SetFloat("f", 0.5f);
            }
        }
        engine.Resume();
        if (engine.RunQueue().empty() && commands.empty())
            break;
    }
    output << "|globals\n";
    for (const auto& global : engine.Globals())
        output << global.first << ' ' << global.second.kind << ' ' << global.second.intValue << ' '
               << FloatToStr(global.second.floatValue) << ' ' << global.second.stringValue << '\n';
    return output.str();
}
