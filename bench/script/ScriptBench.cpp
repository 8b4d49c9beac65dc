// Loop-heavy scripts run by the engine's interpreter and, in the same
// process, the equivalent Lua 5.4 programs. After the measurements the
// program prints how many times slower the interpreter is for each case.
#include <benchmark/benchmark.h>

#include <lua.hpp>

#include <iostream>
#include <map>
#include <sstream>
#include <string>

#include "script/CScriptEngine.h"
#include "script/ScriptTables.h"

namespace {

struct BenchCase {
    const char* name;
    const char* script;
    const char* lua;
};

const BenchCase kCases[] = {
    {"while_1M",
     "int i = 0 ;\n"
     "while i < 1000000 do i = i + 1 ; endwhile\n"
     "Console i ;",
     "local i = 0\n"
     "while i < 1000000 do i = i + 1 end\n"
     "return tostring(i)"},
    {"nested_for_300x300",
     "int s = 0 ; int b ;\n"
     "for \"a\" to 300 do\n"
     "  b = 0 ;\n"
     "  for \"b\" to 300 do s = s + a - b + 1 ; next\n"
     "next\n"
     "Console s ;",
     "local s = 0\n"
     "for a = 1, 300 do for b = 1, 300 do s = s + a - b + 1 end end\n"
     "return tostring(s)"},
    {"string_build_5000",
     "string s = \"\" ; int i = 0 ;\n"
     "while i < 5000 do s = s \"x\" i ; i = i + 1 ; endwhile\n"
     "Console s ;",
     "local s = \"\" local i = 0\n"
     "while i < 5000 do s = s .. \"x\" .. i i = i + 1 end\n"
     "return s"},
};

std::string RunOnce(CScriptEngine& engine, std::ostringstream& output)
{
    output.str("");
    engine.RunScript(1, -1, -1, -1);
    engine.Resume();
    engine.Execute();
    return output.str();
}

void BM_Script(benchmark::State& state, const BenchCase& benchCase)
{
    InitScriptTables();
    CScriptEngine engine;
    std::ostringstream output;
    engine.SetOutput(output);
    engine.AddScript(1, benchCase.script);
    std::string result;
    for (auto _ : state)
        result = RunOnce(engine, output);
    state.counters["result_chars"] = static_cast<double>(result.size());
    state.SetLabel(result.substr(0, 12));
}

void BM_Lua(benchmark::State& state, const BenchCase& benchCase)
{
    lua_State* lua = luaL_newstate();
    luaL_openlibs(lua);
    if (luaL_loadstring(lua, benchCase.lua) != LUA_OK) {
        state.SkipWithError(lua_tostring(lua, -1));
        lua_close(lua);
        return;
    }
    std::string result;
    for (auto _ : state) {
        lua_pushvalue(lua, -1);
        if (lua_pcall(lua, 0, 1, 0) != LUA_OK) {
            state.SkipWithError(lua_tostring(lua, -1));
            break;
        }
        result = lua_tostring(lua, -1);
        lua_pop(lua, 1);
    }
    lua_close(lua);
    state.counters["result_chars"] = static_cast<double>(result.size());
    state.SetLabel(result.substr(0, 12));
}

// Prints as usual and keeps each run's real time for the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (!run.error_occurred)
                seconds[run.benchmark_name()] = run.GetAdjustedRealTime();
    }

    void PrintRatios() const
    {
        std::cout << "\nInterpreter time / Lua 5.4 time:\n";
        for (const BenchCase& benchCase : kCases) {
            const auto script = seconds.find(std::string("script/") + benchCase.name);
            const auto lua = seconds.find(std::string("lua/") + benchCase.name);
            if (script == seconds.end() || lua == seconds.end() || lua->second <= 0)
                continue;
            std::cout << "  " << benchCase.name << ": " << script->second / lua->second << "\n";
        }
    }

private:
    std::map<std::string, double> seconds;
};

} // namespace

int main(int argc, char** argv)
{
    for (const BenchCase& benchCase : kCases) {
        benchmark::RegisterBenchmark((std::string("script/") + benchCase.name).c_str(), BM_Script, benchCase)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((std::string("lua/") + benchCase.name).c_str(), BM_Lua, benchCase)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}
