#include <gtest/gtest.h>

#include <chrono>
#include <ctime>

#include "support/GameHarness.h"
#include "support/TempDir.h"

// Without a world the game opens black in mode 1, takes keys and quits. (How
// a fade's mode leaves the stack is timed by the world tests.)
TEST(GameStart, OpensBlackWithNoMapAndTakesKeys)
{
    TempDir empty;
    GameHarness run(empty.Path());
    run.Start();
    CGame& game = run.Game();

    EXPECT_FALSE(game.world.loaded);
    ASSERT_EQ(game.modes.Size(), 1u);
    EXPECT_EQ(game.modes.TopType(), 1);
    EXPECT_TRUE(game.commandsMayRun);

    // In mode 1 nothing is drawn, so the fade does not advance either.
    game.fade.StartIn(6);
    run.RunFrames(5);
    EXPECT_EQ(game.fade.level, 100);
    EXPECT_EQ(run.Pixel(0, 0), (Rgba{0, 0, 0, 255}));
    EXPECT_EQ(run.Pixel(639, 479), (Rgba{0, 0, 0, 255}));

    // Space prints the mouse position; with no hero, the keyboard handler's
    // lookup also reports once a frame.
    run.MoveMouse(100, 50);
    run.Tap(SDLK_SPACE);
    testing::internal::CaptureStdout();
    run.RunFrames(1);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Click en (100, 50)\nNULL returned: 0\n");
    EXPECT_FALSE(game.QuitRequested());

    run.Tap(SDLK_ESCAPE);
    run.RunFrames(1);
    EXPECT_TRUE(game.QuitRequested());
}

TEST(GamePacing, FramesAreAtLeastOnePeriodApartWithoutSpinning)
{
    GameHarness run;
    run.Start();
    run.Game().SetFramePeriod(30);
    run.captureFrames = false;
    run.RunFrames(1);

    const int frames = 10;
    std::clock_t cpuBefore = std::clock();
    auto wallBefore = std::chrono::steady_clock::now();
    for (int i = 0; i < frames; ++i) {
        const std::uint64_t previousPacing = run.Game().lastTickMicros;
        run.RunFrames(1);
        EXPECT_GE(run.Game().lastTickMicros - previousPacing, 30000u) << "frame " << i;
    }
    double wallMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - wallBefore).count();
    double cpuMs = 1000.0 * double(std::clock() - cpuBefore) / CLOCKS_PER_SEC;

    // A busy-wait would use about as much processor time as wall time.
    EXPECT_LT(cpuMs, wallMs * 0.5) << "cpu " << cpuMs << " ms over " << wallMs << " ms";
}
