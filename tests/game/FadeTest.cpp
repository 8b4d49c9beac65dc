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

// A fade runs until its level reaches or passes its end, without clamping
// the level; only the overlay's opacity is clamped. Once inactive it stays.
TEST(FadeArithmetic, RunsUntilTheLevelPassesItsEnd)
{
    const struct {
        bool in;
        int speed, steps, level;
        float alpha;
    } cases[] = {
        {true, 6, 17, -2, 0.0f}, {false, 4, 25, 100, 1.0f}, {false, 30, 4, 120, 1.0f},
        {true, 0, 1, 100, 1.0f},  // speed 0 would never end: it ends at once
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.in ? "in at " : "out at ") << c.speed);
        CFade fade;
        c.in ? fade.StartIn(c.speed) : fade.StartOut(c.speed);
        EXPECT_EQ(StepsUntilInactive(fade), c.steps);
        EXPECT_EQ(fade.level, c.level);
        EXPECT_EQ(fade.Alpha(), c.alpha);
        fade.Advance();
        EXPECT_EQ(fade.level, c.level);
    }
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
