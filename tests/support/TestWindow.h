#pragma once

#include "engine/Tessel_Engine.h"

// The real 640 x 480 OpenGL window with the game's drawing state (blending,
// clockwise front faces with back-face culling, pixel projection), for tests
// that draw something and read it back with FrameBuffer. Nothing of the game
// is loaded. Tests that need it run under an X server (xvfb-run).
class TestWindow : public Tessel_Engine {
public:
    TestWindow();

    bool IsOpen() const { return open; }
    // Clears the back buffer to a colour and resets the model-view matrix and
    // the drawing colour to white.
    void Clear(float r, float g, float b);

    void Init() override {}
    void Update(float) override {}
    void Draw() override {}
    void OnKeyDown(SDL_keysym) override {}

private:
    bool open = false;
};
