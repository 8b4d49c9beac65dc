#pragma once

#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "support/GameHarness.h"
#include "support/WorldFolder.h"

// The small world the game tests play: a 20 x 15 map "m" of grass (and a
// second map "n"), hero 1 "Aline" standing on tile (5, 5) facing right, NPC 7
// "Bran" on (6, 5), and scripts that print who started them and where.
//
//   script 20  NPC 7's action        prints "npc<IDMOI>,<TILEX>,<TILEY>"
//   script 30  step-on of (4, 5)     prints "step<TILEX>,<TILEY>"
//   script 40  action of tile (5, 6) prints "tile<IDMOI>,<TILEX>,<TILEY>"
//
// `extraScripts` are added to the container; script 1 starts the world and
// ends by queuing script 2 when `then2` is set.
class PlayedWorld {
public:
    static const Rgba kGrass, kHero;

    explicit PlayedWorld(const std::vector<WorldFolder::Script>& extraScripts = {});

    // Frames until the top mode is active (or the limit); the count, or -1.
    int UntilActive(int limit = 300);
    // Frames until the mode stack is exactly {2} and the fade has ended.
    int UntilExploring(int limit = 300);
    // Queues a run of a script now.
    void Run(std::uint16_t script) { game().scriptEngine.RunScript(script, -1, -1, -1); }
    // Waits until exploring, then queues `script`; false if that never came.
    bool RunWhenExploring(std::uint16_t script) { return UntilExploring() > 0 && (Run(script), true); }
    // What the scripts printed since the last call.
    std::string Printed();

    // Ends the game and starts a new one in the same folder (after a test
    // changed its files or the environment).
    void StartAgain();
    // Starts again as `--dev` would, but with files looked at only when F8
    // asks: a test decides when a change is seen.
    void StartAgainForDeveloperKeys();
    // Called with the new game before it starts (by StartAgain): what the
    // command line would set.
    std::function<void(CGame&)> beforeStart;
    const std::string& FolderPath() const { return folder.Path(); }
    const WorldFolder& Folder() const { return folder; }

    CGame& game() { return harness->Game(); }
    GameHarness& run() { return *harness; }
    CHero& hero() { return *game().map.FindHero(1); }

private:
    WorldFolder folder;
    std::unique_ptr<GameHarness> harness;
    std::ostringstream console;
};
