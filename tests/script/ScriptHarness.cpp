#include "ScriptHarness.h"

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

int ScriptHarness::RunToEnd(int maxFrames)
{
    int frames = 0;
    while (frames < maxFrames) {
        Frame();
        ++frames;
        if (engine.RunQueue().empty() && engine.CommandQueue().empty())
            break;
    }
    return frames;
}

std::string ScriptHarness::TakeOutput()
{
    std::string text = output.str();
    output.str("");
    return text;
}

std::string RunText(const std::string& text)
{
    ScriptHarness harness;
    harness.Add(1, text);
    harness.Start(1);
    harness.RunToEnd();
    return harness.TakeOutput();
}
