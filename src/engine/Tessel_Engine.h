#pragma once

#include <SDL/SDL.h>

#include "engine/VideoSettings.h"

// The abstract base of the program: it owns the SDL window with its OpenGL
// context, the pixel-exact projection, the event pump, the key-state table,
// the mouse position and the frame loop. The concrete game fills in the
// virtual operations.
class Tessel_Engine {
public:
    static const int kCaptionSize = 64;

    Tessel_Engine();
    virtual ~Tessel_Engine();

    Tessel_Engine(const Tessel_Engine&) = delete;
    Tessel_Engine& operator=(const Tessel_Engine&) = delete;

    virtual void Init() = 0;
    virtual void Update(float elapsedMs) = 0;
    virtual void Draw() = 0;
    virtual void OnShutdown() {}
    virtual void OnKeyDown(SDL_keysym key) = 0;

    // Init, then frames until the quit flag is seen, then OnShutdown.
    void Run();

    // The pieces of Run, so that a caller (a test) can drive the loop one
    // frame at a time: Start runs Init and fetches the key-state table;
    // RunFrame is ProcessFrame (poll events, update, draw into the back
    // buffer) followed by EndFrame (swap, clear).
    void Start();
    void RunFrame();
    void ProcessFrame();

    bool SetVideoMode(VideoSettings& s, int width, int height, int bpp, bool fullscreen);
    void Reshape(VideoSettings& s, int width, int height);
    void EndFrame();
    void SetCaption(const char* text);
    void ShowCursor(bool show);
    void Quit() { quit = true; }
    void ResetTimer();
    void PollEvents();

    bool QuitRequested() const { return quit; }
    const char* Caption() const { return caption; }
    std::int32_t& Width() { return video.width; }
    std::int32_t& Height() { return video.height; }
    bool FullScreen() const { return video.fullScreen; }
    float MouseX() const { return mouseX; }
    float MouseY() const { return mouseY; }

    // 1 while the key with this SDL key symbol is held, 0 otherwise.
    Uint8* KeyStates() { return keyStates; }
    bool KeyHeld(SDLKey sym) const { return keyStates && keyStates[sym]; }

protected:
    SDL_Event event;
    bool quit = false;
    Uint8* keyStates = nullptr;
    float mouseX = 0.0f;
    float mouseY = 0.0f;
    char caption[kCaptionSize + 1] = {};
    VideoSettings video;
    float currentTime = 0.0f;
    float previousTime = 0.0f;
};
