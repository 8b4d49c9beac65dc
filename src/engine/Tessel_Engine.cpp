#include "engine/Tessel_Engine.h"

#include <SDL/SDL_opengl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

#include "engine/GlDrawingState.h"
#include "platform/Clock.h"
#include "platform/FileChecksum.h"

namespace {

// Asks for an OpenGL context with the given depth buffer size and opens the
// window. Returns the surface, or null.
SDL_Surface* OpenGlWindow(int width, int height, int bpp, int depthBits, bool fullscreen)
{
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, depthBits);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_ACCUM_RED_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_ACCUM_GREEN_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_ACCUM_BLUE_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_ACCUM_ALPHA_SIZE, 0);
    return SDL_SetVideoMode(width, height, bpp, SDL_OPENGL | (fullscreen ? SDL_FULLSCREEN : 0));
}

}  // namespace

Tessel_Engine::Tessel_Engine()
{
    std::memset(&event, 0, sizeof event);
    SetCaption("Tessel Demo");
}

Tessel_Engine::~Tessel_Engine()
{
    FinishRecording();
}

bool Tessel_Engine::SetVideoMode(VideoSettings& s, int width, int height, int bpp, bool fullscreen)
{
    if (SDL_Init(SDL_INIT_VIDEO) < 0) {
        std::printf("Couldn't Loadialize SDL: %s\n", SDL_GetError());
        // With the output piped this is the only word on why no window came.
        std::fflush(stdout);
        return false;
    }
    std::atexit(SDL_Quit);
    if (desktopWidth == 0) {
        // Before the first window, SDL reports the desktop's mode.
        const SDL_VideoInfo* info = SDL_GetVideoInfo();
        if (info && info->current_w > 0)
            SetDesktopSize(info->current_w, info->current_h);
    }

    s.width = width;
    s.height = height;
    s.bitsPerPixel = bpp;
    s.fullScreen = fullscreen;

    // The depth buffer is asked for as deep as the colour depth. Nothing is
    // drawn with depth testing, so when the driver has no visual that deep
    // (common on Linux, where 24 bits is the most) fall back to shallower
    // ones rather than running without a window.
    SDL_Surface* surface = nullptr;
    for (int depthBits : {bpp, 24, 16, 0}) {
        surface = OpenGlWindow(width, height, bpp, depthBits, fullscreen);
        if (surface || depthBits == 0)
            break;
    }
    if (!surface) {
        std::printf("\n SDL_SetVideoMode(): %s \n", SDL_GetError());
        std::fflush(stdout);
        return false;
    }

    SDL_ShowCursor(SDL_DISABLE);
    zoom = 1;
    scale = PixelScale::Fit(width, height, width, height);
    Reshape(s, width, height);
    return true;
}

void Tessel_Engine::SetDesktopSize(int width, int height)
{
    desktopWidth = width;
    desktopHeight = height;
}

void Tessel_Engine::CycleZoom()
{
    const int largest = PixelScale::LargestFactor(video.width, video.height, desktopWidth, desktopHeight);
    const int next = zoom >= largest ? 1 : zoom + 1;
    if (next != zoom || video.fullScreen)
        ChangeWindowMode(next, false);
}

void Tessel_Engine::ToggleFullScreen()
{
    ChangeWindowMode(zoom, !video.fullScreen);
}

bool Tessel_Engine::ChangeWindowMode(int zoomFactor, bool fullscreen)
{
    if (!SDL_GetVideoSurface())
        return false;
    const int gameWidth = video.width;
    const int gameHeight = video.height;
    int windowWidth = gameWidth * zoomFactor;
    int windowHeight = gameHeight * zoomFactor;
    if (fullscreen && desktopWidth >= gameWidth && desktopHeight >= gameHeight) {
        windowWidth = desktopWidth;
        windowHeight = desktopHeight;
    }
    presenter.Release();
    SDL_Surface* surface = OpenGlWindow(windowWidth, windowHeight, video.bitsPerPixel, 24, fullscreen);
    bool granted = surface != nullptr;
    if (!granted) {
        std::printf("SDL_SetVideoMode(%dx%d): %s\n", windowWidth, windowHeight, SDL_GetError());
        std::fflush(stdout);
        fullscreen = false;
        zoomFactor = 1;
        windowWidth = gameWidth;
        windowHeight = gameHeight;
        OpenGlWindow(windowWidth, windowHeight, video.bitsPerPixel, 24, false);
    }
    presenter.Forget();
    zoom = zoomFactor;
    video.fullScreen = fullscreen;
    scale = PixelScale::Fit(gameWidth, gameHeight, windowWidth, windowHeight);
    // The key table belongs to SDL and survives; the context may not.
    ApplyGameProjection();
    OnVideoModeChanged();
    glClear(GL_COLOR_BUFFER_BIT);
    return granted;
}

void Tessel_Engine::ApplyGameProjection()
{
    Reshape(video, video.width, video.height);
}

void Tessel_Engine::Reshape(VideoSettings& s, int width, int height)
{
    s.width = width;
    s.height = height;
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, width, height, 0, 0, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
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
    glClear(GL_COLOR_BUFFER_BIT);
    if (presented)
        ApplyGameProjection();
    presented = false;
}

void Tessel_Engine::PresentFrame()
{
    if (presented || scale.Identity() || !SDL_GetVideoSurface())
        return;
    presenter.Present(scale);
    presented = true;
}

void Tessel_Engine::SetCaption(const char* text)
{
    // The copy is always terminated, even for a caption of 64 characters or
    // more; the window title itself shows the whole text.
    std::strncpy(caption, text, kCaptionSize);
    caption[kCaptionSize] = '\0';
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
        recorder->Key({true, key.sym, key.unicode});
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
        recorder->Key({false, sym, 0});
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
            if (!replay)
                PressKey(event.key.keysym);
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
}

void Tessel_Engine::Start()
{
    Init();
    keyStates = SDL_GetKeyState(nullptr);
}

void Tessel_Engine::RunFrame()
{
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

void Tessel_Engine::ReplayFrameKeys()
{
    const InputReplay::Frame* frame = replay->At(frameNumber);
    if (!frame)
        return;
    for (const RecordedKey& key : frame->keys) {
        if (key.down) {
            SDL_keysym keysym = {};
            keysym.sym = static_cast<SDLKey>(key.sym);
            keysym.unicode = static_cast<Uint16>(key.unicode);
            PressKey(keysym);
        } else {
            ReleaseKey(static_cast<SDLKey>(key.sym));
        }
    }
}

bool Tessel_Engine::StartRecording(const std::string& path, unsigned seed)
{
    recorder = std::make_unique<InputRecorder>();
    if (recorder->Open(path, seed, WorldFolderChecksums()))
        return true;
    recorder.reset();
    return false;
}

bool Tessel_Engine::StartReplay(const std::string& path, std::string& error)
{
    auto session = std::make_unique<InputReplay>();
    if (!session->Load(path, error))
        return false;
    error = session->CompareFiles(WorldFolderChecksums());
    if (!error.empty())
        return false;
    replay = std::move(session);
    return true;
}

std::uint32_t Tessel_Engine::SessionClock()
{
    if (replay) {
        const InputReplay::Frame* frame = replay->At(frameNumber);
        if (frame && frame->hasTime)
            frameClock = frame->time;
        return frameClock;
    }
    // One reading a frame, so that the recording holds the value every
    // reader of this frame saw.
    if (!clockReadThisFrame) {
        clockReadThisFrame = true;
        frameClock = MillisecondsSinceStart();
        if (recorder)
            recorder->Time(frameClock);
    }
    return frameClock;
}

void Tessel_Engine::FinishRecording()
{
    if (recorder)
        recorder->Finish(frameNumber);
}

void Tessel_Engine::Run()
{
    Start();
    while (!quit)
        RunFrame();
    FinishRecording();
    OnShutdown();
}
