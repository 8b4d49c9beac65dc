#include "game/LaunchOptions.h"

#include <CLI/CLI.hpp>

#include <cctype>
#include <cstdlib>
#include <ostream>

#include "game/CGame.h"
#include "game/GameSettings.h"
#include "platform/FileStamp.h"
#include "platform/WorkingDirectory.h"

namespace {

bool IsVariableName(const std::string& name)
{
    if (name.empty() || std::isdigit(static_cast<unsigned char>(name[0])))
        return false;
    for (char c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_')
            return false;
    return true;
}

// A whole decimal number of the given form, as strtol / strtof read it.
bool WholeInt(const std::string& text, std::int32_t& value)
{
    if (text.empty() || text.find_first_not_of("+-0123456789") != std::string::npos)
        return false;
    char* end = nullptr;
    const long long number = std::strtoll(text.c_str(), &end, 10);
    if (*end != '\0' || number < INT32_MIN || number > INT32_MAX)
        return false;
    value = static_cast<std::int32_t>(number);
    return true;
}

bool WholeFloat(const std::string& text, float& value)
{
    if (text.empty() || text.find_first_not_of("+-.0123456789eE") != std::string::npos)
        return false;
    char* end = nullptr;
    value = std::strtof(text.c_str(), &end);
    return *end == '\0';
}

} // namespace

bool LaunchOptions::ParseSetting(const std::string& text, std::pair<std::string, CScriptValue>& setting)
{
    const std::size_t equals = text.find('=');
    if (equals == std::string::npos || !IsVariableName(text.substr(0, equals)))
        return false;
    setting.first = text.substr(0, equals);
    const std::string value = text.substr(equals + 1);
    std::int32_t whole = 0;
    float real = 0.0f;
    if (WholeInt(value, whole))
        setting.second = CScriptValue(whole);
    else if (WholeFloat(value, real))
        setting.second = CScriptValue(real);
    else
        setting.second = CScriptValue(value);
    return true;
}

bool LaunchOptions::ParseTile(const std::string& text, std::int32_t& x, std::int32_t& y)
{
    const std::size_t comma = text.find(',');
    if (comma == std::string::npos)
        return false;
    const std::string first = text.substr(0, comma);
    const std::string second = text.substr(comma + 1);
    if (first.find_first_not_of("0123456789") != std::string::npos ||
        second.find_first_not_of("0123456789") != std::string::npos)
        return false;
    return WholeInt(first, x) && WholeInt(second, y) && x <= 65535 && y <= 65535;
}

bool LaunchOptions::Parse(int argc, const char* const* argv, std::ostream& out, std::ostream& err)
{
    CLI::App app{"Plays a game made with the Tessel engine.\n\n"
                 "  tessel [GAME_DIR] [--map NAME --at X,Y] [--set NAME=VALUE]... [--dev]\n\n"
                 "Developer mode keys: F3 shows the overlay, F8 reloads scripts, pictures and the map.\n"
                 "Exit status: 0 played, 1 game folder refused, 2 wrong command line.",
                 "tessel"};
    std::vector<std::string> settings;
    std::string at;
    app.add_option("GAME_DIR", gameFolder, "Game folder to play (default: the current folder)");
    CLI::Option* map = app.add_option("--map", mapName,
                                      "Test-play: once the world has started, load this map as LoadMap does");
    app.add_option("--at", at, "With --map: put the active hero on this tile (X,Y), facing down")->needs(map);
    app.add_option("--set", settings, "Set a global before the start script runs (int, float or text by its form)")
        ->type_name("NAME=VALUE")
        ->allow_extra_args(false);
    app.add_flag("--dev", developer, "Developer mode: F3 overlay, F8 and automatic reload, errors on screen");
    CLI::Option* record = app.add_option("--record", recordPath, "Record the session into FILE (as TESSEL_RECORD)");
    app.add_option("--replay", replayPath, "Replay the session of FILE (as TESSEL_REPLAY)")->excludes(record);

    // The library reports through exceptions; they end here, as a status.
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        out << app.help();
        exitStatus = 0;
        return false;
    } catch (const CLI::ParseError& error) {
        err << "tessel: " << error.what() << " (see --help)\n";
        exitStatus = kBadCommandLine;
        return false;
    }
    for (const std::string& text : settings) {
        std::pair<std::string, CScriptValue> setting;
        if (!ParseSetting(text, setting)) {
            err << "tessel: --set " << text << ": expected NAME=VALUE (see --help)\n";
            exitStatus = kBadCommandLine;
            return false;
        }
        globals.push_back(setting);
    }
    if (!at.empty()) {
        if (!ParseTile(at, tileX, tileY)) {
            err << "tessel: --at " << at << ": expected a tile X,Y such as 3,7 (see --help)\n";
            exitStatus = kBadCommandLine;
            return false;
        }
        placeHero = true;
    }
    return true;
}

bool LaunchOptions::EnterGameFolder(std::ostream& err)
{
    if (gameFolder.empty())
        return true;
    if (!IsDirectory(gameFolder) || !ChangeWorkingDirectory(gameFolder)) {
        err << "tessel: " << gameFolder << ": no such game folder\n";
        exitStatus = kRefusedFolder;
        return false;
    }
    GameSettings settings;
    std::vector<std::string> problems;
    settings.Read(GameSettings::kFileName, problems);
    if (!FileStamp::Of(settings.WorldPath()).exists) {
        err << "tessel: " << gameFolder << " holds no world (" << settings.WorldPath()
            << " is missing): pack one with tessel-pack SOURCE -o " << gameFolder << "\n";
        exitStatus = kRefusedFolder;
        return false;
    }
    return true;
}

void LaunchOptions::ApplyTo(CGame& game) const
{
    if (!recordPath.empty())
        SetEnvironmentVariable("TESSEL_RECORD", recordPath);
    if (!replayPath.empty())
        SetEnvironmentVariable("TESSEL_REPLAY", replayPath);
    game.developer.enabled = developer;
    game.developer.presetGlobals = globals;
    if (!mapName.empty())
        game.developer.TestPlay(mapName, placeHero, tileX, tileY);
}
