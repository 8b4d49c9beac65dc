#include <gtest/gtest.h>

#include "game/CFade.h"

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
