#pragma once

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "script/CScriptEngine.h"

// A fresh script engine driven frame by frame the way the game drives it,
// with the game's command executor replaced by a printer: each frame runs
// Execute, then prints every queued world command as a line
// "@Name<TAB>arg..." and removes it, then calls Resume. Console output and
// the command lines go to one stream, in the order they happen.
class ScriptHarness {
public:
    explicit ScriptHarness(bool memoising = true);

    void Add(std::uint16_t id, const std::string& text) { engine.AddScript(id, text); }
    void Start(std::uint16_t id, std::int32_t tileX = -1, std::int32_t tileY = -1, std::int32_t owner = -1)
    {
        engine.RunScript(id, tileX, tileY, owner);
    }
    void Frame();
    // Runs frames until both queues are empty, at most `maxFrames`.
    void RunToEnd(int maxFrames = 100);
    // Everything printed since the last call.
    std::string TakeOutput();
    // Adds `text` as script 1, runs it to its end and returns what it printed.
    std::string Run(const std::string& text);

    CScriptEngine engine;

private:
    std::ostringstream output;
};

// Compiles `text` as script 1, runs it to its end and returns its output.
std::string RunText(const std::string& text, bool memoising = true);

// A script and the output its run must give.
struct ScriptCase {
    std::string script;
    std::string output;
};

// Runs every case with RunText, memoising on and off; a mismatch names its
// script.
void ExpectOutputs(const std::vector<ScriptCase>& cases);

// The text ListeVariables prints for these string, int and float lines.
std::string Listing(const std::string& strings, const std::string& ints, const std::string& floats);
