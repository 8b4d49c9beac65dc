// What the player may add to the plain game: recorded sessions, remapped
// keys, a gamepad, screen captures, and a zoomed or fullscreen window whose
// new OpenGL context needs the world's textures again.

#include <GL/gl.h>

#include <cstdlib>
#include <ctime>
#include <iostream>
#include <string>

#include "engine/GlDrawingState.h"
#include "game/CGame.h"
#include "game/ScreenCapture.h"

namespace {
std::string Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}
}  // namespace

bool CGame::StartSession()
{
    unsigned seed = static_cast<unsigned>(std::time(nullptr));
    const std::string replayPath = Environment("TESSEL_REPLAY");
    const std::string recordPath = Environment("TESSEL_RECORD");
    bool timed = false;
    if (!replayPath.empty()) {
        std::string error;
        if (!StartReplay(replayPath, error)) {
            std::cout << error << std::endl;
            SetExitStatus(1);
            Quit();
            return false;
        }
        seed = Replay()->seed;
        // Frames are counted, not timed: without pacing the same frames run.
        if (Environment("TESSEL_REPLAY_FAST") == "1")
            SetFramePeriod(0);
        timed = true;
    } else if (!recordPath.empty()) {
        if (StartRecording(recordPath, seed))
            timed = true;
        else
            std::cout << "Cannot record into " << recordPath << std::endl;
    }
    std::srand(seed);
    if (timed)
        scriptEngine.SetClockSource([this] { return SessionClock(); });
    return true;
}

void CGame::SetUpControls()
{
    bindings.Load("touches.txt", std::cout);
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) == 0 && SDL_NumJoysticks() > 0) {
        SDL_JoystickOpen(0);
        SDL_JoystickEventState(SDL_ENABLE);
    }
}

void CGame::OnVideoModeChanged()
{
    ApplyGlDrawingState();
    textures.ReuploadAll(scratchImage);
    ShowCursor(!FullScreen());
}

void CGame::OnFrameDrawn()
{
    if (!captureRequested)
        return;
    captureRequested = false;
    std::string error;
    const std::string name = SaveScreenCapture(Width(), Height(), error, playerFolder);
    std::cout << (name.empty() ? error : name) << std::endl;
}

void CGame::OnJoystickEvent(const SDL_Event& event)
{
    for (const GamepadInput::Change& change : gamepad.Translate(event)) {
        SDL_keysym key = {};
        key.sym = Bound(change.first);
        if (change.second)
            PressKey(key);
        else
            ReleaseKey(key.sym);
    }
}
