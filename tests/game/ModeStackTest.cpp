#include <gtest/gtest.h>

#include "game/ModeStack.h"

// Pushes and pops are exercised by every game test; what they do not reach
// is the empty stack, which must neither read nor write past its end.
TEST(ModeStack, EmptyStackReadsZeroAndForgetsWrites)
{
    ModeStack modes;
    modes.Push(6, ModeOpening);
    modes.Pop();
    modes.Pop();  // nothing to pop: no effect
    EXPECT_TRUE(modes.Empty());
    modes.TopState() = ModeClosing;
    modes.TopType() = 7;
    EXPECT_EQ(modes.TopState(), 0);
    EXPECT_EQ(modes.TopType(), 0);
    EXPECT_TRUE(modes.Empty());
}
