#pragma once

#include <SDL/SDL.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/InputRecorder.h"
#include "engine/InputReplay.h"
#include "engine/PixelScale.h"
#include "engine/ScaledPresenter.h"
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
    // A new window (zoom, fullscreen) may come with a new OpenGL context:
    // the game uploads its textures again and restores its drawing state.
    virtual void OnVideoModeChanged() {}
    // After Draw, before the picture is scaled and shown.
    virtual void OnFrameDrawn() {}
    // Gamepad events; the game turns them into key presses.
    virtual void OnJoystickEvent(const SDL_Event&) {}

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

    // ---- Window scaling ----
    // The game keeps drawing its Width() x Height() picture; the window
    // shows it enlarged by a whole factor. F5: the next factor that fits the
    // desktop (back to 1 after the largest); F11 / Alt+Return: fullscreen.
    void CycleZoom();
    void ToggleFullScreen();
    // Opens the window again for the zoom and fullscreen asked for. False
    // (and back to 640 x 480 in a window) when that mode cannot be had.
    bool ChangeWindowMode(int zoomFactor, bool fullscreen);
    // Enlarges the drawn picture over the window (zoomed or fullscreen);
    // EndFrame does it before the swap when it has not been done yet.
    void PresentFrame();
    int Zoom() const { return zoom; }
    const PixelScale& Scale() const { return scale; }
    // Desktop size the zoom factors are fitted to (found when the window
    // first opens; tests set it).
    void SetDesktopSize(int width, int height);

    // ---- Keys ----
    // What a key-down or key-up event does: the key-down handler, the key
    // table and the session recording. A key released in the same batch of
    // events it was pressed in stays held until the next batch, so that a
    // tap shorter than a frame still counts as one press.
    void PressKey(const SDL_keysym& key);
    void ReleaseKey(SDLKey sym);
    // Called from OnKeyDown: this press stays out of the key table.
    void IgnoreKeyPress() { ignorePress = true; }

    // ---- Recorded sessions ----
    // Frames processed since Start.
    std::uint32_t FrameNumber() const { return frameNumber; }
    bool StartRecording(const std::string& path, unsigned seed);
    // Plays the session back: key events come from it, not the keyboard, and
    // the loop quits after its last frame. False with a one-line reason.
    bool StartReplay(const std::string& path, std::string& error);
    bool Replaying() const { return replay != nullptr; }
    const InputReplay* Replay() const { return replay.get(); }
    // The milliseconds the script's clock reads: recorded while recording,
    // the recorded value of this frame while replaying, the real time otherwise.
    std::uint32_t SessionClock();
    void FinishRecording();
    int ExitStatus() const { return exitStatus; }
    void SetExitStatus(int status) { exitStatus = status; }

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
    void ApplyGameProjection();
    // Clears the back buffer for the next frame's picture.
    void ClearForNextFrame();
    void ReplayFrameKeys();

    SDL_Event event;
    bool quit = false;
    Uint8* keyStates = nullptr;
    std::vector<Uint8> privateKeyTable;
    float mouseX = 0.0f;
    float mouseY = 0.0f;
    char caption[kCaptionSize + 1] = {};
    VideoSettings video;
    float currentTime = 0.0f;
    float previousTime = 0.0f;

    bool ignorePress = false;
    bool presented = false;
    int zoom = 1;
    int desktopWidth = 0;
    int desktopHeight = 0;
    PixelScale scale;
    ScaledPresenter presenter;
    std::vector<SDLKey> pressedThisBatch;
    std::vector<SDLKey> releaseNextBatch;

    std::uint32_t frameNumber = 0;
    std::unique_ptr<InputRecorder> recorder;
    std::unique_ptr<InputReplay> replay;
    bool clockReadThisFrame = false;
    std::uint32_t frameClock = 0;
    int exitStatus = 0;
};
