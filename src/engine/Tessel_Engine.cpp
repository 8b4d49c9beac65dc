#include "engine/Tessel_Engine.h"

#include <SDL/SDL_opengl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

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

Tessel_Engine::~Tessel_Engine() = default;

bool Tessel_Engine::SetVideoMode(VideoSettings& s, int width, int height, int bpp, bool fullscreen)
{
    if (SDL_Init(SDL_INIT_VIDEO) < 0) {
        std::printf("Couldn't Loadialize SDL: %s\n", SDL_GetError());
        // With the output piped this is the only word on why no window came.
        std::fflush(stdout);
        return false;
    }
    std::atexit(SDL_Quit);

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
    Reshape(s, width, height);
    return true;
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
    SDL_GL_SwapBuffers();
    glClear(GL_COLOR_BUFFER_BIT);
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

void Tessel_Engine::PollEvents()
{
    while (SDL_PollEvent(&event)) {
        switch (event.type) {
        case SDL_KEYDOWN:
            // The handler runs before the table is written, so it still sees
            // the key's state from before this press.
            OnKeyDown(event.key.keysym);
            if (keyStates)
                keyStates[event.key.keysym.sym] = 1;
            break;
        case SDL_KEYUP:
            if (keyStates)
                keyStates[event.key.keysym.sym] = 0;
            break;
        case SDL_MOUSEMOTION:
            mouseX = static_cast<float>(event.motion.x);
            mouseY = static_cast<float>(event.motion.y);
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
    PollEvents();
    previousTime = currentTime;
    currentTime = static_cast<float>(SDL_GetTicks());
    Update(currentTime - previousTime);
    Draw();
}

void Tessel_Engine::Run()
{
    Start();
    while (!quit)
        RunFrame();
    OnShutdown();
}
