#include "ScriptHarness.h"

#include <gtest/gtest.h>

#include "script/ScriptCommandText.h"
#include "script/ScriptTables.h"

ScriptHarness::ScriptHarness()
{
    InitScriptTables();
    engine.SetOutput(output);
}

void ScriptHarness::Frame()
{
    engine.Execute();
    std::queue<ScriptCommand>& commands = engine.CommandQueue();
    while (!commands.empty()) {
        output << ScriptCommandText(commands.front()) << '\n';
        commands.pop();
    }
    engine.Resume();
}

void ScriptHarness::RunToEnd(int maxFrames)
{
    for (int frame = 0; frame < maxFrames; ++frame) {
        Frame();
        if (engine.RunQueue().empty() && engine.CommandQueue().empty())
            return;
    }
}

std::string ScriptHarness::TakeOutput()
{
    std::string text = output.str();
    output.str("");
    return text;
}

std::string RunText(const std::string& text, bool memoising)
{
    ScriptHarness harness;
    harness.engine.SetMemoising(memoising);
    harness.Add(1, text);
    harness.Start(1);
    harness.RunToEnd();
    return harness.TakeOutput();
}

void ExpectOutputs(const std::vector<ScriptCase>& cases)
{
    for (const ScriptCase& c : cases)
        for (bool memoising : {true, false})
            EXPECT_EQ(RunText(c.script, memoising), c.output) << "memoising " << memoising << ", script: " << c.script;
}

std::string Listing(const std::string& strings, const std::string& ints, const std::string& floats)
{
    const std::string dashes(39, '-');
    auto section = [&](const char* title) { return dashes + "\n" + title + "\n" + dashes + "\n"; };
    return section("Chaines") + strings + section("Entiers") + ints + section("Flottants") + floats + dashes + "\n\n";
}
