// A game that must end when asked: a start script that never ends, a window
// that cannot open, a signal from outside. Two of them run the real program.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

#include "support/GameHarness.h"
#include "support/PrivateDisplay.h"
#include "support/WorldFolder.h"

namespace {

const char* const kEndless = "int n = 0 ; while 1 == 1 do n = n + 1 ; endwhile";

std::string ReadText(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::string GamePath()
{
    return std::string(TESSEL_TOOLS_DIR) + "/../tessel";
}

// Waits for the child to end, at most `seconds`; its wait status, or -1
// (and the child killed) when it did not end.
int WaitFor(pid_t child, int seconds)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    int status = 0;
    while (std::chrono::steady_clock::now() < deadline) {
        if (waitpid(child, &status, WNOHANG) == child)
            return status;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    kill(child, SIGKILL);
    waitpid(child, &status, 0);
    return -1;
}

}  // namespace

TEST(RunawayScript, TheWindowKeepsDrawingAndEscapeQuits)
{
    WorldFolder folder;
    folder.World({{1, kEndless}}, 1);
    GameHarness run(folder.Path());
    run.Start();
    testing::internal::CaptureStderr();
    run.RunFrames(3);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Script 1 ran 5000000 statements in one frame: it goes on next frame\n");
    const std::int32_t counted = run.Game().scriptEngine.GetInt("n");
    EXPECT_GT(counted, 3000000) << "three frames of the budget, three statements a turn";
    EXPECT_LT(counted, 5000001);
    run.Tap(SDLK_ESCAPE);
    run.RunFrames(1);
    EXPECT_TRUE(run.Game().QuitRequested());
}

// Each turn queues a message the player has not read yet: the queue stops
// growing at its limit instead of taking all the memory.
TEST(RunawayScript, AScriptThatQueuesWithoutEndWaitsAtTheQueueLimit)
{
    WorldFolder folder;
    folder.World({{1, "while 1 == 1 do Lire \"encore\" ; endwhile"}}, 1);
    GameHarness run(folder.Path());
    run.Start();
    testing::internal::CaptureStderr();
    run.RunFrames(3);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Script 1 queued 65536 commands not yet carried out: it waits for them\n");
    const std::size_t waiting = run.Game().scriptEngine.CommandQueue().size();
    EXPECT_LE(waiting, CGame::kCommandQueueLimit);
    EXPECT_GE(waiting, CGame::kCommandQueueLimit - 1) << "the first message is on screen";
}

TEST(GameProcess, SigtermEndsARunawayGameCleanlyWithItsRecordingClosed)
{
    ASSERT_TRUE(PrivateDisplay::Use());
    WorldFolder folder;
    folder.World({{1, kEndless}}, 1);
    const std::string recording = folder.Path() + "/session.txt";
    const std::string errors = folder.Path() + "/stderr.txt";
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (chdir(folder.Path().c_str()) != 0 || !std::freopen(errors.c_str(), "w", stderr))
            _exit(99);
        setenv("TESSEL_RECORD", recording.c_str(), 1);
        // Under the sanitizers: the GL driver is unloaded before the leak
        // check, so its own allocations can no longer be told from the
        // engine's (the in-process tests check the engine for leaks).
        setenv("ASAN_OPTIONS", "detect_leaks=0", 1);
        execl(GamePath().c_str(), "tessel", static_cast<char*>(nullptr));
        _exit(98);
    }
    // Once the script has been suspended a first time, frames are running.
    for (int i = 0; i < 2000 && ReadText(errors).find("goes on next frame") == std::string::npos; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    kill(child, SIGTERM);
    const int status = WaitFor(child, 15);
    ASSERT_TRUE(WIFEXITED(status)) << "status " << status;
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(ReadText(errors), "Script 1 ran 5000000 statements in one frame: it goes on next frame\n");
    const std::string recorded = ReadText(recording);
    EXPECT_EQ(recorded.rfind("tessel-session 1\n", 0), 0u);
    const std::size_t end = recorded.rfind("\nend ");
    ASSERT_NE(end, std::string::npos) << recorded;
    EXPECT_GT(std::atoi(recorded.c_str() + end + 5), 0);
}

// (Without any display, see EngineLoop.TheGameSaysWhyNoWindowOpened...)
TEST(GameProcess, WithoutAnOpenGlWindowTheGameSaysSoAndExitsWithStatusOne)
{
    WorldFolder folder;
    folder.World({{1, kEndless}}, 1);
    // SDL's dummy driver has a display but no OpenGL.
    const std::string command = "cd '" + folder.Path() + "' && SDL_VIDEODRIVER=dummy timeout -s KILL 30 '" +
                                GamePath() + "' >out.txt 2>err.txt";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1) << "137: still running after 30 s";
    EXPECT_EQ(ReadText(folder.Path() + "/out.txt"), "\n SDL_SetVideoMode(): OpenGL not available \n");
}
