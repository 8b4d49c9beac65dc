// The game's command line: what it accepts, what it refuses, and that the
// real program refuses before any window opens.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "game/CGame.h"
#include "game/LaunchOptions.h"
#include "game/MessageLog.h"
#include "support/TempDir.h"
#include "support/WorldFolder.h"

namespace {

struct Parsed {
    bool play = false;
    int status = -1;
    std::string out;
    std::string err;
    LaunchOptions options;
};

Parsed ParseLine(std::vector<const char*> arguments)
{
    arguments.insert(arguments.begin(), "tessel");
    Parsed parsed;
    std::ostringstream out, err;
    parsed.play = parsed.options.Parse(static_cast<int>(arguments.size()), arguments.data(), out, err);
    parsed.status = parsed.options.ExitStatus();
    parsed.out = out.str();
    parsed.err = err.str();
    return parsed;
}

struct ProcessRun {
    int status = -1;
    std::string out;
    std::string err;
};

// The real game, without a display: anything that opened a window would
// fail and say so.
ProcessRun RunGame(const std::string& arguments, const TempDir& dir)
{
    const std::string command = "cd '" + dir.Path() + "' && env -u DISPLAY '" TESSEL_TOOLS_DIR "/../tessel' " +
                                arguments + " >.out 2>.err";
    const int raw = std::system(command.c_str());
    const auto read = [&](const char* name) {
        std::ostringstream text;
        text << std::ifstream(dir.File(name)).rdbuf();
        return text.str();
    };
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, read(".out"), read(".err")};
}

} // namespace

TEST(LaunchOptions, SettingsTakeTheKindTheirValueIsWrittenIn)
{
    const struct {
        const char* text;
        bool accepted;
        const char* name;
        std::int32_t kind;
        const char* value;  // as the kind reads it
    } cases[] = {
        {"GOLD=12", true, "GOLD", CScriptValue::kInt, "12"},
        {"DEBT=-7", true, "DEBT", CScriptValue::kInt, "-7"},
        {"Speed=1.5", true, "Speed", CScriptValue::kFloat, "1.5"},
        {"tiny=-2e-1", true, "tiny", CScriptValue::kFloat, "-0.2"},
        {"name=Aline", true, "name", CScriptValue::kString, "Aline"},
        {"motto=deux mots", true, "motto", CScriptValue::kString, "deux mots"},
        {"v=1.2.3", true, "v", CScriptValue::kString, "1.2.3"},
        {"big=99999999999", true, "big", CScriptValue::kFloat, "99999999999"},
        {"empty=", true, "empty", CScriptValue::kString, ""},
        {"x_1=a=b", true, "x_1", CScriptValue::kString, "a=b"},
        {"NOEQUALS", false, "", 0, ""},
        {"=3", false, "", 0, ""},
        {"2fast=3", false, "", 0, ""},
        {"a b=3", false, "", 0, ""},
    };
    for (const auto& c : cases) {
        std::pair<std::string, CScriptValue> setting;
        ASSERT_EQ(LaunchOptions::ParseSetting(c.text, setting), c.accepted) << c.text;
        if (!c.accepted)
            continue;
        EXPECT_EQ(setting.first, c.name) << c.text;
        EXPECT_EQ(setting.second.kind, c.kind) << c.text;
        if (c.kind == CScriptValue::kInt)
            EXPECT_EQ(std::to_string(setting.second.intValue), c.value) << c.text;
        else if (c.kind == CScriptValue::kFloat)
            EXPECT_FLOAT_EQ(setting.second.floatValue, std::stof(c.value)) << c.text;
        else
            EXPECT_EQ(setting.second.stringValue, c.value) << c.text;
    }
}

TEST(LaunchOptions, TilesAreTwoNumbers)
{
    const struct {
        const char* text;
        bool accepted;
        std::int32_t x, y;
    } cases[] = {
        {"3,7", true, 3, 7}, {"0,0", true, 0, 0}, {"65535,2", true, 65535, 2}, {"65536,2", false, 0, 0},
        {"-1,2", false, 0, 0}, {"3", false, 0, 0}, {"3,", false, 0, 0}, {"a,b", false, 0, 0}, {"1,2,3", false, 0, 0},
    };
    for (const auto& c : cases) {
        std::int32_t x = -1, y = -1;
        ASSERT_EQ(LaunchOptions::ParseTile(c.text, x, y), c.accepted) << c.text;
        if (c.accepted) {
            EXPECT_EQ(x, c.x) << c.text;
            EXPECT_EQ(y, c.y) << c.text;
        }
    }
}

TEST(LaunchOptions, CommandLinesAndWhatTheyLeadTo)
{
    const struct {
        std::vector<const char*> arguments;
        bool play;
        int status;
        const char* errorStart;  // "" : no error
    } cases[] = {
        {{}, true, 0, ""},
        {{"folder", "--dev", "--map", "m", "--at", "3,4", "--set", "A=1", "--set", "B=x"}, true, 0, ""},
        {{"a", "b"}, false, 2, "tessel: The following argument was not expected: b"},
        {{"--at", "3,4"}, false, 2, "tessel: --at requires --map"},
        {{"--map", "m", "--at", "3;4"}, false, 2, "tessel: --at 3;4: expected a tile X,Y"},
        {{"--set", "oops"}, false, 2, "tessel: --set oops: expected NAME=VALUE"},
        {{"--set"}, false, 2, "tessel: "},
        {{"--record", "a", "--replay", "b"}, false, 2, "tessel: "},
        {{"--help"}, false, 0, ""},
    };
    for (const auto& c : cases) {
        const Parsed parsed = ParseLine(c.arguments);
        const std::string line = c.arguments.empty() ? "(none)" : c.arguments[0];
        EXPECT_EQ(parsed.play, c.play) << line;
        EXPECT_EQ(parsed.status, c.status) << line;
        EXPECT_EQ(parsed.err.rfind(c.errorStart, 0), 0u) << line << ": " << parsed.err;
        if (*c.errorStart) {
            // One line, nothing else.
            EXPECT_EQ(std::count(parsed.err.begin(), parsed.err.end(), '\n'), 1) << parsed.err;
            EXPECT_EQ(parsed.out, "");
        } else {
            EXPECT_EQ(parsed.err, "");
        }
    }
    const Parsed help = ParseLine({"--help"});
    for (const char* flag : {"GAME_DIR", "--map", "--at", "--set", "--dev", "--record", "--replay"})
        EXPECT_NE(help.out.find(flag), std::string::npos) << flag;
}

TEST(LaunchOptions, TheGameReceivesWhatTheCommandLineAsks)
{
    const Parsed parsed = ParseLine({"--dev", "--map", "n", "--at", "2,3", "--set", "A=1", "--record", "r.txt"});
    ASSERT_TRUE(parsed.play);
    CGame game;
    parsed.options.ApplyTo(game);
    EXPECT_TRUE(game.developer.enabled);
    EXPECT_TRUE(game.developer.TestPlayPending());
    // Recording goes through the variable the game has always read.
    EXPECT_STREQ(std::getenv("TESSEL_RECORD"), "r.txt");
    unsetenv("TESSEL_RECORD");

    CGame plain;
    ParseLine({}).options.ApplyTo(plain);
    EXPECT_FALSE(plain.developer.enabled);
    EXPECT_FALSE(plain.developer.TestPlayPending());
    EXPECT_TRUE(plain.developer.presetGlobals.empty());
    EXPECT_EQ(std::getenv("TESSEL_RECORD"), nullptr);
    EXPECT_EQ(std::getenv("TESSEL_REPLAY"), nullptr);
}

TEST(LaunchOptions, AGameFolderMustExistAndHoldItsWorld)
{
    const std::string before = std::filesystem::current_path().string();
    TempDir dir;
    WorldFolder named;
    named.World({{1, ""}}, 1);
    std::filesystem::rename(named.Path() + "/wor/Sylva.world", named.Path() + "/wor/Glimmerford.world");
    const struct {
        std::string folder;
        std::string config;  // written into game.cfg when not empty
        bool entered;
        std::string errorStart;
    } cases[] = {
        {dir.File("absent"), "", false, "tessel: " + dir.File("absent") + ": no such game folder"},
        {dir.Path(), "", false, "tessel: " + dir.Path() + " holds no world (wor\\Sylva.world is missing)"},
        {named.Path(), "", false, "tessel: " + named.Path() + " holds no world (wor\\Sylva.world is missing)"},
        {named.Path(), "world = Glimmerford\n", true, ""},
    };
    for (const auto& c : cases) {
        if (!c.config.empty()) {
            std::ofstream(c.folder + "/game.cfg") << c.config;
        }
        LaunchOptions options;
        options.gameFolder = c.folder;
        std::ostringstream err;
        EXPECT_EQ(options.EnterGameFolder(err), c.entered) << c.folder;
        EXPECT_EQ(options.ExitStatus(), c.entered ? 0 : 1);
        EXPECT_EQ(err.str().rfind(c.errorStart, 0), 0u) << err.str();
        if (c.entered) {
            EXPECT_EQ(std::filesystem::current_path(), std::filesystem::path(c.folder));
        }
        std::filesystem::current_path(before);
    }
}

TEST(LaunchOptions, TheGameRefusesBeforeAnyWindowOpens)
{
    TempDir dir;
    const struct {
        std::string arguments;
        int status;
        std::string err;
    } cases[] = {
        {"--frobnicate", 2, "tessel: The following argument was not expected: --frobnicate (see --help)\n"},
        {"absent", 1, "tessel: absent: no such game folder\n"},
        {"'" + dir.Path() + "'", 1,
         "tessel: " + dir.Path() + " holds no world (wor\\Sylva.world is missing): pack one with tessel-pack "
         "SOURCE -o " + dir.Path() + "\n"},
    };
    for (const auto& c : cases) {
        const ProcessRun run = RunGame(c.arguments, dir);
        EXPECT_EQ(run.status, c.status) << c.arguments;
        EXPECT_EQ(run.err, c.err) << c.arguments;
        EXPECT_EQ(run.out, "") << c.arguments;
    }
    const ProcessRun help = RunGame("--help", dir);
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("Usage: tessel"), std::string::npos) << help.out;
}

TEST(MessageLog, KeepsTheNewestLinesForAFewSeconds)
{
    MessageLog log;
    log.Add("a", 1000);
    log.Add("b", 2000);
    EXPECT_EQ(log.Current(2000), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(log.Current(1000 + MessageLog::kShownMilliseconds - 1), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(log.Current(1000 + MessageLog::kShownMilliseconds), (std::vector<std::string>{"b"}));
    EXPECT_EQ(log.Current(2000 + MessageLog::kShownMilliseconds), (std::vector<std::string>{}));
    for (std::size_t i = 0; i < MessageLog::kMostLines + 2; ++i)
        log.Add(std::to_string(i), 10000);
    const std::vector<std::string> shown = log.Current(10000);
    ASSERT_EQ(shown.size(), MessageLog::kMostLines);
    EXPECT_EQ(shown.front(), "2");
    EXPECT_EQ(shown.back(), std::to_string(MessageLog::kMostLines + 1));
}
