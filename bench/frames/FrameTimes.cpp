// The game's own time for each frame, for bench/web/frame_times.py, which
// compares it with the browser build's. Run in a game folder with a recorded
// session in TESSEL_REPLAY and TESSEL_REPLAY_FAST=1: the frames are the
// recording's, played without waiting, and each frame's milliseconds (poll,
// update, draw, swap) go to OUTPUT, one a line, in frame order.

#include <chrono>
#include <cstdio>
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
    std::vector<double> milliseconds;
    while (!game.QuitRequested()) {
        const auto start = std::chrono::steady_clock::now();
        game.RunFrame();
        const std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - start;
        milliseconds.push_back(spent.count());
    }
    game.FinishRecording();
    game.OnShutdown();
    std::FILE* output = std::fopen(argv[1], "w");
    if (!output)
        return 1;
    for (double ms : milliseconds)
        std::fprintf(output, "%.4f\n", ms);
    std::fclose(output);
    return game.ExitStatus();
}
