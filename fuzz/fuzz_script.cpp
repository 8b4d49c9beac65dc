// Script containers followed by a bounded run: the records cover the file,
// and compiling and running whatever they hold (with memoising on and off,
// which must agree) ends within the statement budget.
#include <sstream>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "script/CScriptEngine.h"
#include "script/ScriptContainer.h"
#include "script/ScriptTables.h"

namespace {

// What a run leaves behind that a player or the game could see.
std::string Run(const std::vector<ScriptContainer::Record>& records, bool memoising)
{
    CScriptEngine engine;
    std::ostringstream output;
    engine.SetOutput(output);
    engine.SetRandomSource([] { return 4; });
    engine.SetClockSource([] { return 1000u; });
    engine.SetMemoising(memoising);
    engine.SetStatementLimit(20000);
    for (const ScriptContainer::Record& record : records)
        engine.AddScript(record.id, record.text);
    for (std::size_t i = 0; i < records.size() && i < 3; ++i)
        engine.RunScript(records[i].id, 2, 3, 7);
    for (int frame = 0; frame < 4; ++frame) {
        engine.Resume();
        engine.Execute();
        auto& commands = engine.CommandQueue();
        for (; !commands.empty(); commands.pop())
            output << '@' << commands.front().name << '/' << commands.front().arguments.size();
    }
    for (const auto& global : engine.Globals())
        output << '|' << global.first << '=' << global.second.kind << ':' << global.second.intValue << ':'
               << global.second.floatValue << ':' << global.second.stringValue;
    return output.str();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const bool tables = (InitScriptTables(), true);
    (void)tables;
    const std::vector<std::uint8_t> bytes(data, data + size);
    const std::vector<ScriptContainer::Record> records = ScriptContainer::Parse(bytes);
    std::size_t covered = 0;
    for (const ScriptContainer::Record& record : records)
        covered += 2 + record.text.size() + 1;
    // Every byte belongs to a record, but for a cut-short last one.
    FUZZ_CHECK(covered + 1 >= size && covered <= size + 1);
    FUZZ_CHECK(Run(records, true) == Run(records, false));
    return 0;
}
