// tessel-script: lets a game author try scripts in a terminal.
//
//   tessel-script [--seed N] [--frames N] [--run ID] [--tokens] FILE...
//
// Files ending in .tsl are script containers (every record is loaded); any
// other file is one source text, numbered 1, 2, ... among the plain files.
// The scripts run frame by frame as in the game, except that queued world
// commands are printed ("@Name<TAB>arg...") instead of carried out.
#include <CLI/CLI.hpp>

#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "script/CScriptEngine.h"
#include "script/ScriptCommandText.h"
#include "script/ScriptTables.h"
#include "shared/SourceFile.h"

namespace {

const int kCannotLoad = 2;

bool EndsWith(const std::string& text, const std::string& ending)
{
    return text.size() >= ending.size() && text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

bool LoadFiles(CScriptEngine& engine, const std::vector<std::string>& files)
{
    std::uint16_t plainFiles = 0;
    for (const std::string& file : files) {
        // A file of gigabytes (or /dev/zero) is refused before it is read.
        std::string error;
        if (!SourceFile::Fits(file, error) && error != "cannot be opened") {
            std::cerr << "tessel-script: " << file << ' ' << error << std::endl;
            return false;
        }
        bool loaded = false;
        if (EndsWith(file, ".tsl")) {
            loaded = engine.LoadScriptFile(file);
        } else {
            std::string text;
            loaded = SourceFile::Read(file, text, error);
            if (loaded)
                engine.AddScript(++plainFiles, text);
        }
        if (!loaded) {
            std::cerr << "tessel-script: cannot open " << file << std::endl;
            return false;
        }
    }
    return true;
}

void PrintTokens(const CScriptEngine& engine)
{
    for (const CScript& script : engine.LoadedScripts())
        for (const ScriptToken& token : script.tokens)
            std::cout << script.id << '\t' << token.type << '\t' << token.id << '\t' << token.text << '\n';
}

void RunFrames(CScriptEngine& engine, int frames)
{
    std::queue<ScriptCommand>& commands = engine.CommandQueue();
    for (int frame = 0; frame < frames; ++frame) {
        engine.Execute();
        while (!commands.empty()) {
            std::cout << ScriptCommandText(commands.front()) << '\n';
            commands.pop();
        }
        engine.Resume();
        if (engine.RunQueue().empty() && commands.empty())
            break;
    }
}

} // namespace

int main(int argc, char** argv)
{
    CLI::App app{"Runs or lists script files of the game engine"};
    unsigned int seed = 0;
    int frames = 10000;
    int runId = -1;
    bool tokens = false;
    std::vector<std::string> files;
    CLI::Option* seedOption = app.add_option("--seed", seed, "seed of the random generator (srand)");
    app.add_option("--frames", frames, "the most frames to run")->check(CLI::NonNegativeNumber);
    CLI::Option* runOption =
        app.add_option("--run", runId, "id of the script to start (default: the first loaded)")
            ->check(CLI::Range(0, 65535));
    app.add_flag("--tokens", tokens, "print the compiled tokens instead of running");
    app.add_option("files", files, "script containers (.tsl) and plain script texts")->required();
    CLI11_PARSE(app, argc, argv);

    InitScriptTables();
    CScriptEngine engine;
    if (!LoadFiles(engine, files))
        return kCannotLoad;

    if (tokens) {
        PrintTokens(engine);
        return 0;
    }

    if (*seedOption)
        std::srand(seed);
    if (!*runOption) {
        if (engine.LoadedScripts().empty()) {
            std::cerr << "tessel-script: no script to run" << std::endl;
            return kCannotLoad;
        }
        runId = engine.LoadedScripts().front().id;
    }
    engine.RunScript(static_cast<std::uint16_t>(runId), -1, -1, -1);
    if (engine.RunQueue().empty()) {
        std::cerr << "tessel-script: no script with id " << runId << std::endl;
        return kCannotLoad;
    }
    RunFrames(engine, frames);
    std::cout.flush();
    return 0;
}
