// The game's own time for each frame, for bench/web/frame_times.py, which
// compares it with the browser build's. Run in a game folder with a recorded
// session in TESSEL_REPLAY and TESSEL_REPLAY_FAST=1: the frames are the
// recording's, played without waiting, and each frame's milliseconds go to
// OUTPUT, one frame a line in frame order: the engine's work (poll, update,
// drawing commands), then the whole frame with the swap, where the software
// OpenGL driver draws the pixels (the browser does that after the frame).

#include <chrono>
#include <cstdio>
#include <utility>
#include <vector>

#include "game/CGame.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT (in a game folder, with TESSEL_REPLAY set)\n", argv[0]);
        return 2;
    }
    CGame game;
    game.Start();
    if (!SDL_GetVideoSurface()) {
        // Frames without a window draw nothing and would time nothing.
        std::fprintf(stderr, "%s: no window could be opened\n", argv[0]);
        return 1;
    }
    using Clock = std::chrono::steady_clock;
    using Milliseconds = std::chrono::duration<double, std::milli>;
    std::vector<std::pair<double, double>> milliseconds;
    while (!game.QuitRequested()) {
        const auto start = Clock::now();
        game.ProcessFrame();
        const auto drawn = Clock::now();
        game.EndFrame();
        milliseconds.emplace_back(Milliseconds(drawn - start).count(), Milliseconds(Clock::now() - start).count());
    }
    game.FinishRecording();
    game.OnShutdown();
    std::FILE* output = std::fopen(argv[1], "w");
    if (!output)
        return 1;
    for (const auto& frame : milliseconds)
        std::fprintf(output, "%.4f %.4f\n", frame.first, frame.second);
    std::fclose(output);
    return game.ExitStatus();
}
