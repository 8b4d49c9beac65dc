#include <gtest/gtest.h>

#include "game/CFade.h"
#include "support/FrameBuffer.h"
#include "support/TestWindow.h"

namespace {
int StepsUntilInactive(CFade& fade)
{
    int steps = 0;
    while (fade.active && steps < 1000) {
        fade.Advance();
        ++steps;
    }
    return steps;
}
}

TEST(FadeArithmetic, FadeInOvershootsBelowZeroAndStops)
{
    CFade fade;
    EXPECT_EQ(fade.step, 2);
    fade.StartIn(6);
    EXPECT_EQ(fade.level, 100);
    EXPECT_EQ(StepsUntilInactive(fade), 17);
    EXPECT_EQ(fade.level, -2);
    EXPECT_EQ(fade.Alpha(), 0.0f);

    fade.Advance();  // inactive: the level stays
    EXPECT_EQ(fade.level, -2);
}

TEST(FadeArithmetic, FadeOutReachesBlackExactly)
{
    CFade fade;
    fade.StartOut(4);
    EXPECT_EQ(fade.level, 0);
    EXPECT_EQ(StepsUntilInactive(fade), 25);
    EXPECT_EQ(fade.level, 100);
    EXPECT_EQ(fade.Alpha(), 1.0f);

    fade.StartOut(30);
    EXPECT_EQ(StepsUntilInactive(fade), 4);
    EXPECT_EQ(fade.level, 120) << "the level is not clamped";
    EXPECT_EQ(fade.Alpha(), 1.0f);
}

TEST(FadeArithmetic, ZeroSpeedEndsAtOnce)
{
    CFade fade;
    fade.StartIn(0);
    EXPECT_EQ(StepsUntilInactive(fade), 1);
    EXPECT_EQ(fade.level, 100);
}

TEST(FadeOverlay, LevelFiftyDarkensAWhiteFrameToHalf)
{
    TestWindow window;
    ASSERT_TRUE(window.IsOpen());
    CFade fade;
    fade.SetScreen(&window.Width(), &window.Height());
    fade.level = 50;

    window.Clear(1, 1, 1);
    fade.Draw();
    for (auto [x, y] : {std::pair{0, 0}, {639, 479}, {320, 240}}) {
        Rgba p = FrameBuffer::ReadPixel(x, y);
        EXPECT_TRUE(p.Near(Rgba{128, 128, 128, 255}, 2)) << p << " at " << x << "," << y;
    }

    // Level 0 draws nothing at all.
    window.Clear(1, 1, 1);
    fade.level = 0;
    fade.Draw();
    EXPECT_EQ(FrameBuffer::ReadPixel(320, 240), (Rgba{255, 255, 255, 255}));
}
