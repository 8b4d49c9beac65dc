// The game in a web browser. The page (scripts/web.sh) loads the game's
// folder into /game; the browser runs one frame at a time and must get
// control back after each, so the frame loop is the browser's timer calling
// RunFrame every 30 ms instead of the game sleeping between frames.

#include <emscripten.h>
#include <unistd.h>

#include "game/CGame.h"
#include "platform/BrowserStorage.h"

namespace {

const char* const kGameFolder = "/game";
// The folders of the game folder that the game writes into (F12's
// captures, the saves), kept in the browser's storage.
const char* const kStoredFolders[] = {"/game/captures", "/game/saves"};
const int kFramePeriodMs = static_cast<int>(CGame::kDefaultFramePeriodMs);
// Stored files are written back this often (and when the game ends).
const std::uint32_t kFramesBetweenSaves = 100;

struct BrowserGame {
    CGame game;
    bool started = false;
};

void EndGame(BrowserGame& browser)
{
    CGame& game = browser.game;
    game.FinishRecording();
    game.OnShutdown();
    SaveStoredFolders();
    emscripten_cancel_main_loop();
    // The page shows the last frame dimmed under a line saying the game ended.
    EM_ASM({ if (Module.onGameEnded) Module.onGameEnded(); });
}

void Frame(void* argument)
{
    BrowserGame& browser = *static_cast<BrowserGame*>(argument);
    CGame& game = browser.game;
    if (!browser.started) {
        if (!StoredFoldersReady())
            return;
        // The browser's timer paces the frames; the game must not sleep.
        game.SetFramePeriod(0);
        game.Start();
        browser.started = true;
    }
    if (game.QuitRequested()) {
        EndGame(browser);
        return;
    }
    const double start = emscripten_get_now();
    game.RunFrame();
    // The engine's own time for the frame, for the page and its benchmark.
    EM_ASM({ if (Module.onFrameTimed) Module.onFrameTimed($0); }, emscripten_get_now() - start);
    if (game.FrameNumber() % kFramesBetweenSaves == 0)
        SaveStoredFolders();
    if (game.QuitRequested())
        EndGame(browser);
}

}  // namespace

int main(int, char**)
{
    if (chdir(kGameFolder) != 0)
        return 1;
    for (const char* folder : kStoredFolders)
        KeepFolderStored(folder);
    LoadStoredFolders();
    // Lives as long as the page: the browser calls Frame until the game ends.
    BrowserGame* browser = new BrowserGame;
    emscripten_set_main_loop_arg(Frame, browser, 0, 0);
    emscripten_set_main_loop_timing(EM_TIMING_SETTIMEOUT, kFramePeriodMs);
    return 0;
}
