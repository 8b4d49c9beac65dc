// Loop-heavy scripts run by the engine's interpreter and, in the same
// process, the equivalent Lua 5.4 programs. Each script runs twice: as the
// game runs it (remembering what the token lists decide) and with that
// switched off, which is how the interpreter worked before. After the
// measurements the program prints how many times Lua's time each takes.
#include <benchmark/benchmark.h>

#include <lua.hpp>

#include <cstdio>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "ScriptBenchCases.h"
#include "script/CScriptEngine.h"
#include "script/ScriptTables.h"

namespace {

std::string RunOnce(CScriptEngine& engine, std::ostringstream& output)
{
    output.str("");
    engine.RunScript(1, -1, -1, -1);
    engine.Resume();
    engine.Execute();
    return output.str();
}

void BM_Script(benchmark::State& state, const BenchCase& benchCase, bool memoising)
{
    InitScriptTables();
    CScriptEngine engine;
    engine.SetMemoising(memoising);
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
    if (luaL_loadstring(lua, benchCase.lua.c_str()) != LUA_OK) {
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

// Prints as usual and keeps each run's processor time for the ratios: the
// processor time, not the wall-clock time, because the benchmark often
// shares the machine. With --benchmark_repetitions the least of the
// repetitions counts, the one least disturbed by the rest of the machine.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (!run.error_occurred && run.run_type == Run::RT_Iteration) {
                const auto kept = seconds.find(run.benchmark_name());
                if (kept == seconds.end() || run.GetAdjustedCPUTime() < kept->second)
                    seconds[run.benchmark_name()] = run.GetAdjustedCPUTime();
            }
    }

    void PrintRatios(const std::vector<BenchCase>& cases) const
    {
        std::printf("\nProcessor time per run, and how many times Lua 5.4's time it is:\n");
        std::printf("%-24s %10s %12s %8s %12s %8s\n", "case", "lua (ms)", "before (ms)", "x lua", "now (ms)",
                    "x lua");
        for (const BenchCase& benchCase : cases) {
            const double lua = Find("lua/" + benchCase.name);
            const double before = Find("script_unmemoised/" + benchCase.name);
            const double now = Find("script/" + benchCase.name);
            if (lua <= 0)
                continue;
            std::printf("%-24s %10.3f %12.3f %8.2f %12.3f %8.2f\n", benchCase.name.c_str(), lua, before,
                        before / lua, now, now / lua);
        }
    }

private:
    double Find(const std::string& name) const
    {
        const auto found = seconds.find(name);
        return found == seconds.end() ? 0.0 : found->second;
    }

    std::map<std::string, double> seconds;
};

} // namespace

int main(int argc, char** argv)
{
    const std::vector<BenchCase> cases = ScriptBenchCases();
    for (const BenchCase& benchCase : cases) {
        benchmark::RegisterBenchmark(("script/" + benchCase.name).c_str(), BM_Script, benchCase, true)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("script_unmemoised/" + benchCase.name).c_str(), BM_Script, benchCase, false)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("lua/" + benchCase.name).c_str(), BM_Lua, benchCase)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios(cases);
    benchmark::Shutdown();
    return 0;
}
