// tessel-pack --watch run as the author runs it: a process that packs
// again after every save until it is told to end.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <functional>

#include "support/FileContents.h"
#include "platform/Clock.h"
#include "support/TempDir.h"

namespace {

const char* const kWorld = "{ \"name\": \"Glimmerford\", \"start_script\": 1,\n"
                           "  \"scripts\": [ { \"source\": \"s.txt\", \"file\": \"s.tsl\" } ] }\n";

// Waits, at most a generous minute, until `done` holds.
bool WaitFor(const std::function<bool()>& done)
{
    for (int waited = 0; waited < 60000; waited += 50) {
        if (done())
            return true;
        SleepMilliseconds(50);
    }
    return done();
}

ino_t FolderId(const std::string& path)
{
    struct stat status {};
    return stat(path.c_str(), &status) == 0 ? status.st_ino : 0;
}

bool Holds(const std::string& path, const std::string& text)
{
    return FileText(path).find(text) != std::string::npos;
}

} // namespace

TEST(PackWatch, PacksAgainAfterEachSaveKeepsTheLastGoodGameAndEndsOnSigterm)
{
    TempDir dir;
    dir.Write("src/world.json", kWorld);
    dir.Write("src/s.txt", "@script 1\nLire \"un\" ;\n");
    const std::string tool = std::string(TESSEL_TOOLS_DIR) + "/tessel-pack";
    const std::string out = dir.File("watch.out"), err = dir.File("watch.err"), game = dir.File("game/tsl/s.tsl");
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        if (chdir(dir.Path().c_str()) != 0 || !std::freopen(out.c_str(), "w", stdout) ||
            !std::freopen(err.c_str(), "w", stderr))
            _exit(127);
        execl(tool.c_str(), "tessel-pack", "src", "-o", "game", "--watch", static_cast<char*>(nullptr));
        _exit(127);
    }
    const auto stop = [&]() {
        kill(pid, SIGTERM);
        int status = -1;
        const bool ended = WaitFor([&]() { return waitpid(pid, &status, WNOHANG) == pid; });
        if (!ended) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
        }
        return ended && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };

    EXPECT_TRUE(WaitFor([&]() { return Holds(game, "Lire \"un\""); })) << FileText(err);
    // The player's files in the game folder, and the folder itself, stay:
    // a game running in it keeps reading the folder that is updated.
    const ino_t folder = FolderId(dir.File("game"));
    dir.Write("game/touches.txt", "act = e\n");
    dir.Write("src/s.txt", "@script 1\nLire \"deux\" ;\n");
    EXPECT_TRUE(WaitFor([&]() { return Holds(game, "Lire \"deux\""); })) << FileText(err);

    // A broken world.json is reported; the game folder keeps the last pass.
    dir.Write("src/world.json", std::string(kWorld).insert(24, "\"title\": \"G\" "));
    EXPECT_TRUE(WaitFor([&]() { return Holds(out, "not packed"); })) << FileText(out);
    EXPECT_TRUE(Holds(err, "world.json:1:52: error: broken JSON")) << FileText(err);
    EXPECT_TRUE(Holds(err, "(missing comma?)")) << FileText(err);
    EXPECT_TRUE(Holds(game, "Lire \"deux\""));

    // It keeps watching: mended, the next save is packed.
    dir.Write("src/world.json", kWorld);
    dir.Write("src/s.txt", "@script 1\nLire \"trois\" ;\n");
    EXPECT_TRUE(WaitFor([&]() { return Holds(game, "Lire \"trois\""); })) << FileText(err);

    // A container that the world no longer names leaves the game folder.
    dir.Write("src/world.json", std::string(kWorld).replace(std::string(kWorld).find("s.tsl"), 5, "t.tsl"));
    // (The new file is written before the old one goes: wait for both.)
    EXPECT_TRUE(WaitFor([&]() { return Holds(dir.File("game/tsl/t.tsl"), "trois"); })) << FileText(err);
    EXPECT_TRUE(WaitFor([&]() { return !std::ifstream(game).good(); })) << FileText(err);
    EXPECT_EQ(FolderId(dir.File("game")), folder);
    EXPECT_EQ(FileText(dir.File("game/touches.txt")), "act = e\n");

    EXPECT_EQ(stop(), 0);
    EXPECT_TRUE(Holds(out, "changed: s.txt\n")) << FileText(out);
    EXPECT_TRUE(Holds(out, "stopped watching\n")) << FileText(out);
}
