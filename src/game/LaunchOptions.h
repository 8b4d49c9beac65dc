#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <utility>
#include <vector>

#include "script/CScriptValue.h"

class CGame;

// The game's command line, read before any window opens:
//
//   tessel [GAME_DIR] [--map NAME [--at X,Y]] [--set NAME=VALUE]... [--dev]
//          [--record FILE | --replay FILE]
//
// Without arguments the game plays the current folder exactly as it always
// has. Parsing, entering the folder and handing the choices to the game are
// separate steps so that each can be tried without a window.
class LaunchOptions {
public:
    // Exit statuses of a launch that stops before playing.
    static const int kRefusedFolder = 1;
    static const int kBadCommandLine = 2;

    // False when the game must not start: `--help` (usage on `out`, status
    // 0) or a command line that cannot be used (one line on `err`, status
    // kBadCommandLine). `ExitStatus` then says how to end.
    bool Parse(int argc, const char* const* argv, std::ostream& out, std::ostream& err);
    // Makes GAME_DIR the working directory when one was given, and checks
    // that it holds the world its settings file names. False with one line
    // on `err` naming the folder (status kRefusedFolder) otherwise.
    bool EnterGameFolder(std::ostream& err);
    // Developer mode, the globals to set, the map to test-play, and the
    // session to record or replay (through the environment variables the
    // game already reads).
    void ApplyTo(CGame& game) const;

    int ExitStatus() const { return exitStatus; }

    // "NAME=VALUE": an int when VALUE is written as one (-12), a float when
    // it is a decimal number (1.5, -2e3), text otherwise. False when there
    // is no '=' or the name is not a variable name.
    static bool ParseSetting(const std::string& text, std::pair<std::string, CScriptValue>& setting);
    // "X,Y" with two non-negative tile numbers.
    static bool ParseTile(const std::string& text, std::int32_t& x, std::int32_t& y);

    std::string gameFolder;
    std::string mapName;
    bool placeHero = false;
    std::int32_t tileX = 0;
    std::int32_t tileY = 0;
    std::vector<std::pair<std::string, CScriptValue>> globals;
    bool developer = false;
    std::string recordPath;
    std::string replayPath;

private:
    int exitStatus = 0;
};
