#include <gtest/gtest.h>

#include "game/ModeStack.h"

TEST(ModeStack, PushPopAndTop)
{
    ModeStack modes;
    modes.Push(1, 0);
    modes.Push({6, ModeOpening, 0});
    EXPECT_EQ(modes.TopType(), 6);
    EXPECT_EQ(modes.TopState(), ModeOpening);

    modes.TopState() = ModeActive;
    EXPECT_EQ(modes.Entries().back().state, ModeActive);

    modes.Pop();
    EXPECT_EQ(modes.TopType(), 1);
    EXPECT_EQ(modes.TopState(), 0);
    modes.Clear();
    EXPECT_TRUE(modes.Empty());
}

TEST(ModeStack, EmptyStackReadsZeroAndForgetsWrites)
{
    ModeStack modes;
    modes.Pop();  // nothing to pop: no effect
    EXPECT_TRUE(modes.Empty());
    EXPECT_EQ(modes.TopType(), 0);
    EXPECT_EQ(modes.TopState(), 0);

    modes.TopState() = ModeClosing;
    modes.TopType() = 7;
    EXPECT_EQ(modes.TopState(), 0);
    EXPECT_EQ(modes.TopType(), 0);
    EXPECT_TRUE(modes.Empty());
}
