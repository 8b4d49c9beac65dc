#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "game/PlayedWorld.h"
#include "support/TempDir.h"

namespace {

// Script 2 asks a choice and a typed name, and prints them with the clock
// and a random number; the session walks and talks to Bran too.
const std::vector<WorldFolder::Script> kScripts = {
    {2, "int a ; string s ; string c ; int h ;"
        " Choix \"Lequel ?\" , HEROS , 1 , \"a\" , \"Nord\" , \"Sud\" ; bloque"
        " Input \"Nom ?\" , HEROS , 1 , \"s\" , \"Mots\" ; bloque"
        " Clock \"c\" ; Hasard 1 , 1000000 , \"h\" ; SetGlobalNum \"fin\" , h ;"
        " Console a \"|\" s \"|\" c \"|\" h \"\\n\" ;"}};

// Everything a replay must reproduce, one line for a readable failure.
std::string StateOf(PlayedWorld& world)
{
    CGame& game = world.game();
    std::ostringstream state;
    state << world.Printed() << " hero " << 32 * world.hero().tileX + world.hero().offsetX << ","
          << 32 * world.hero().tileY + world.hero().offsetY << " facing " << world.hero().facing << " modes "
          << game.modes.Size() << "/" << game.modes.TopType() << " fin "
          << game.scriptEngine.GetGlobal("fin").AsFloat() << " frames " << game.FrameNumber();
    return state.str();
}

// Script 2 is queued by the test once the map is explored (at the same
// frame in both runs); everything else comes from the keys.
void PlayTheSession(PlayedWorld& world)
{
    ASSERT_TRUE(world.RunWhenExploring(2));
    ASSERT_GT(world.UntilActive(), 0);
    world.run().Hit(SDLK_DOWN);
    world.run().Hit(SDLK_q);
    ASSERT_GT(world.UntilActive(), 0);
    for (auto [sym, unicode] : {std::pair{SDLK_z, 'Z'}, {SDLK_o, 'o'}, {SDLK_e, 'e'}})
        world.run().Type(sym, unicode);
    world.run().RunFrames(1);
    world.run().Hit(SDLK_BACKSPACE);
    world.run().Hit(SDLK_RETURN);
    ASSERT_GT(world.UntilExploring(), 0);
    for (SDLKey walk : {SDLK_LEFT, SDLK_LEFT, SDLK_UP, SDLK_DOWN, SDLK_RIGHT, SDLK_RIGHT})
        world.run().Hit(walk);
    world.run().Hit(SDLK_q);
    world.run().RunFrames(5);
    world.run().Tap(SDLK_ESCAPE);
    world.run().RunFrames(1);
}

struct ClearedEnvironment {
    ~ClearedEnvironment()
    {
        for (const char* name : {"TESSEL_RECORD", "TESSEL_REPLAY", "TESSEL_REPLAY_FAST"})
            unsetenv(name);
    }
};

}  // namespace

TEST(SessionReplay, AReplayedSessionReachesTheRecordedState)
{
    TempDir sessions;
    const std::string file = sessions.File("session.txt");
    ClearedEnvironment cleared;
    setenv("TESSEL_RECORD", file.c_str(), 1);
    PlayedWorld world(kScripts);
    PlayTheSession(world);
    ASSERT_TRUE(world.game().QuitRequested());
    world.game().FinishRecording();
    const std::string recorded = StateOf(world);
    EXPECT_NE(recorded.find("1|Zo|"), std::string::npos) << recorded;
    EXPECT_NE(recorded.find("npc7,5,5"), std::string::npos) << recorded;

    // The replay gets no keys from the test: only the recorded ones count.
    unsetenv("TESSEL_RECORD");
    setenv("TESSEL_REPLAY", file.c_str(), 1);
    setenv("TESSEL_REPLAY_FAST", "1", 1);
    world.StartAgain();
    ASSERT_TRUE(world.game().Replaying());
    ASSERT_TRUE(world.RunWhenExploring(2));
    for (int frame = 0; frame < 2000 && !world.game().QuitRequested(); ++frame)
        world.run().RunFrames(1);
    EXPECT_TRUE(world.game().QuitRequested());
    EXPECT_EQ(world.game().ExitStatus(), 0);
    EXPECT_EQ(StateOf(world), recorded);

    // A changed map file: the replay refuses before any window opens.
    std::ofstream(world.FolderPath() + "/map/m.map", std::ios::app) << 'x';
    CGame refused;
    testing::internal::CaptureStdout();
    refused.Start();
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Replay refused: map\\m.map has changed since the recording\n");
    EXPECT_TRUE(refused.QuitRequested());
    EXPECT_EQ(refused.ExitStatus(), 1);
}

TEST(SessionReplay, TheGameExitsWithStatusOneWhenTheReplayCannotBeRead)
{
    const std::string game = std::string(TESSEL_TOOLS_DIR) + "/../tessel";
    TempDir dir;
    const std::string command = "cd '" + dir.Path() + "' && TESSEL_REPLAY=absent.txt '" + game + "'";
    std::FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string printed;
    char chunk[256];
    while (std::size_t got = std::fread(chunk, 1, sizeof chunk, pipe))
        printed.append(chunk, got);
    const int status = pclose(pipe);
    EXPECT_EQ(printed, "Replay: cannot read absent.txt\n");
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
}
