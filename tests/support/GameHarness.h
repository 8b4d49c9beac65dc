#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <SDL/SDL.h>

#include "game/CGame.h"
#include "support/Rgba.h"

// Runs the real game frame by frame, the way its main loop does, without
// frame pacing. Key and window events are injected into SDL's queue between
// frames; after each RunFrames the last frame's picture (as drawn, before the
// swap) can be read back.
class GameHarness {
public:
    // `worldFolder`: the working directory while the game runs (where it
    // finds "wor\Sylva.world"); empty keeps the current one. `game` lets a
    // test run a subclass of CGame.
    explicit GameHarness(const std::string& worldFolder = "",
                         std::unique_ptr<CGame> game = std::make_unique<CGame>());
    ~GameHarness();
    GameHarness(const GameHarness&) = delete;
    GameHarness& operator=(const GameHarness&) = delete;

    // Initialises the game (opens the window) with no frame pacing, and
    // starts from an empty event queue and no key held.
    void Start();

    // Runs `count` whole frames; keeps the picture of the last one.
    void RunFrames(int count = 1);
    // Runs frames until `condition` holds after one: how many it took, or -1
    // after `limit` frames.
    int RunUntil(const std::function<bool()>& condition, int limit = 300);

    void Press(SDLKey sym);
    void Release(SDLKey sym);
    // Pressed and released before the next frame: OnKeyDown sees it, and
    // the key table shows it held through that frame only.
    void Tap(SDLKey sym) { Press(sym); Release(sym); }
    // A tap that types `unicode` (0: a key that types nothing).
    void Type(SDLKey sym, Uint16 unicode);
    // Held through one frame, then released: the keyboard handler sees it.
    void Hit(SDLKey sym) { Press(sym); RunFrames(1); Release(sym); }
    void MoveMouse(int x, int y);

    CGame& Game() { return *game; }
    // A pixel of the last frame, origin top-left.
    Rgba Pixel(int x, int y) const;
    const std::vector<Rgba>& Frame() const { return lastFrame; }
    // Off: frames are not read back (reading costs processor time, which
    // timing tests measure).
    bool captureFrames = true;

private:
    void Capture();

    std::unique_ptr<CGame> game;
    std::string previousFolder;
    std::vector<Rgba> lastFrame;
    int width = 0;
    int height = 0;
};
