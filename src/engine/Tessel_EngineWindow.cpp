// The window: the first one the game opens, and the zoomed and fullscreen
// ones that replace it, where the game's picture is shown enlarged.

#include "engine/Tessel_Engine.h"

#include <SDL/SDL_opengl.h>

#include <cstdio>
#include <cstdlib>
#include <initializer_list>

#include "platform/FramePresentation.h"

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
    if (!SDL_GetVideoSurface() || kPageSizesPicture)
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

void Tessel_Engine::PresentFrame()
{
    if (presented || scale.Identity() || !SDL_GetVideoSurface())
        return;
    presenter.Present(scale);
    presented = true;
}

