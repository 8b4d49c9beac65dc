#include "engine/Tessel_Engine.h"

#include <SDL/SDL_opengl.h>

#include <cstring>

#include "platform/FramePresentation.h"
#include "platform/KeyNumbers.h"
#include "platform/QuitSignal.h"

Tessel_Engine::Tessel_Engine()
{
    std::memset(&event, 0, sizeof event);
    SetCaption("Tessel Demo");
}

Tessel_Engine::~Tessel_Engine()
{
    FinishRecording();
}

void Tessel_Engine::EndFrame()
{
    // Without a window (SetVideoMode failed) the loop still runs; SDL would
    // crash swapping the buffers of a window that does not exist.
    if (!SDL_GetVideoSurface())
        return;
    // Zoomed or fullscreen, the picture drawn in the bottom-left corner is
    // enlarged over the whole window; at 640 x 480 in a window it is shown
    // as drawn.
    PresentFrame();
    SDL_GL_SwapBuffers();
    if (!kPictureShownAfterFrame)
        ClearForNextFrame();
}

void Tessel_Engine::ClearForNextFrame()
{
    glClear(GL_COLOR_BUFFER_BIT);
    if (presented)
        ApplyGameProjection();
    presented = false;
}

void Tessel_Engine::SetCaption(const char* text)
{
    // The copy is always terminated, even for a caption of 64 characters or
    // more; the window title itself shows the whole text.
    std::strncpy(caption, text, kCaptionSize);
    caption[kCaptionSize] = '\0';
    // A caption given before there is a window (the engine's default) would
    // replace the page's title in the browser's tab for a moment.
    if (kPageCarriesTitle && !SDL_GetVideoSurface())
        return;
    SDL_WM_SetCaption(text, nullptr);
}

void Tessel_Engine::ShowCursor(bool show)
{
    SDL_ShowCursor(show ? 1 : 0);
}

void Tessel_Engine::ResetTimer()
{
    currentTime = previousTime = static_cast<float>(SDL_GetTicks());
}

void Tessel_Engine::PressKey(const SDL_keysym& key)
{
    if (recorder)
        recorder->Key({true, KeyNumberFromSym(key.sym), static_cast<int>(key.unicode)});
    // The handler runs before the table is written, so it still sees the
    // key's state from before this press.
    ignorePress = false;
    OnKeyDown(key);
    if (keyStates && !ignorePress)
        keyStates[key.sym] = 1;
    pressedThisBatch.push_back(key.sym);
}

void Tessel_Engine::ReleaseKey(SDLKey sym)
{
    if (recorder)
        recorder->Key({false, KeyNumberFromSym(sym), 0});
    for (SDLKey pressed : pressedThisBatch) {
        if (pressed == sym) {
            releaseNextBatch.push_back(sym);
            return;
        }
    }
    if (keyStates)
        keyStates[sym] = 0;
}

void Tessel_Engine::PollEvents()
{
    // Taps of the previous batch have been seen by one frame; now they end.
    if (keyStates)
        for (SDLKey sym : releaseNextBatch)
            keyStates[sym] = 0;
    releaseNextBatch.clear();
    pressedThisBatch.clear();

    while (SDL_PollEvent(&event)) {
        switch (event.type) {
        case SDL_KEYDOWN:
            if (!replay) {
                event.key.keysym.unicode = TypedCharacter(event.key.keysym.sym, event.key.keysym.unicode);
                PressKey(event.key.keysym);
            }
            break;
        case SDL_KEYUP:
            if (!replay)
                ReleaseKey(event.key.keysym.sym);
            break;
        case SDL_JOYAXISMOTION:
        case SDL_JOYHATMOTION:
        case SDL_JOYBUTTONDOWN:
        case SDL_JOYBUTTONUP:
            if (!replay)
                OnJoystickEvent(event);
            break;
        case SDL_MOUSEMOTION:
            mouseX = scale.ToGameX(event.motion.x);
            mouseY = scale.ToGameY(event.motion.y);
            break;
        case SDL_QUIT:
            quit = true;
            break;
        default:
            break;
        }
    }
    // SIGTERM and SIGINT end the game as the window's close button does.
    if (QuitSignalled())
        quit = true;
}

void Tessel_Engine::Start()
{
    Init();
#if TESSEL_PRIVATE_KEY_TABLE
    privateKeyTable.assign(kPrivateKeyTableSize, 0);
    keyStates = privateKeyTable.data();
#else
    keyStates = SDL_GetKeyState(nullptr);
#endif
}

void Tessel_Engine::RunFrame()
{
    if (kPictureShownAfterFrame && SDL_GetVideoSurface())
        ClearForNextFrame();
    ProcessFrame();
    EndFrame();
}

void Tessel_Engine::ProcessFrame()
{
    clockReadThisFrame = false;
    PollEvents();
    if (replay)
        ReplayFrameKeys();
    previousTime = currentTime;
    currentTime = static_cast<float>(SDL_GetTicks());
    Update(currentTime - previousTime);
    Draw();
    OnFrameDrawn();
    if (recorder)
        recorder->EndFrame(frameNumber);
    ++frameNumber;
    if (replay && frameNumber >= replay->endFrame)
        quit = true;
}

void Tessel_Engine::Run()
{
    Start();
    while (!quit)
        RunFrame();
    FinishRecording();
    OnShutdown();
}
