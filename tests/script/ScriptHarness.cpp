#include "ScriptHarness.h"

#include <gtest/gtest.h>

#include "script/ScriptCommandText.h"
#include "script/ScriptTables.h"

ScriptHarness::ScriptHarness(bool memoising)
{
    InitScriptTables();
    engine.SetOutput(output);
    engine.SetMemoising(memoising);
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

std::string ScriptHarness::Run(const std::string& text)
{
    Add(1, text);
    Start(1);
    RunToEnd();
    return TakeOutput();
}

std::string RunText(const std::string& text, bool memoising)
{
    return ScriptHarness(memoising).Run(text);
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
