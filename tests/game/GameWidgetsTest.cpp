#include <gtest/gtest.h>

#include "support/GameHarness.h"

// Boxes pushed straight onto the mode stack of a game without a world.
TEST(GameWidgets, BoxesOpenOverTheBlackScreenTakeTypingWhenActiveAndCloseBack)
{
    GameHarness run;
    run.Start();
    CGame& game = run.Game();
    const auto active = [&] { return game.modes.TopState() == ModeActive; };
    const auto below = [&](std::size_t depth) { return [&, depth] { return game.modes.Size() < depth; }; };

    // A message before any map: the box opens, types its page and becomes
    // active; closing it pops the mode and lets world commands run again.
    game.messageBox.SetText("Bonjour");
    game.modes.Push(5, ModeOpening);
    game.commandsMayRun = false;
    int opening = run.RunUntil(active);
    ASSERT_GT(opening, 10) << "the frame grows open, then the page types out";
    EXPECT_LE(opening, 10 + 7 + 2);
    EXPECT_EQ(game.messageBox.state, WidgetState::Open);
    // Drawn above the fade (still black at level 100): the box's background.
    Rgba inside = run.Pixel(300, 420);
    EXPECT_GT(inside.r, inside.g) << inside;
    EXPECT_GT(inside.r, 60) << inside;
    EXPECT_EQ(run.Pixel(300, 200), (Rgba{0, 0, 0, 255})) << "outside the box the screen is black";
    game.modes.TopState() = ModeClosing;
    EXPECT_GT(run.RunUntil(below(2)), 0);
    EXPECT_EQ(game.modes.TopType(), 1);
    EXPECT_TRUE(game.commandsMayRun);
    EXPECT_EQ(game.messageBox.state, WidgetState::Closed);
    EXPECT_EQ(run.Pixel(300, 420), (Rgba{0, 0, 0, 255}));

    // Closing the top box raises commandsMayRun even with nothing waiting,
    // and the box below opens now that it is on top.
    game.modes.Clear();
    game.modes.Push(2, 0);
    game.dialogBox.SetText("Un");
    game.modes.Push(6, ModeOpening);
    game.messageBox.SetText("Deux");
    game.modes.Push(5, ModeOpening);
    ASSERT_GT(run.RunUntil(active), 0);
    game.commandsMayRun = false;
    game.modes.TopState() = ModeClosing;
    ASSERT_GT(run.RunUntil(below(3)), 0);
    EXPECT_TRUE(game.commandsMayRun);
    EXPECT_EQ(game.modes.TopType(), 6);
    EXPECT_EQ(game.modes.TopState(), ModeOpening);

    // Typed characters reach an active input box only.
    game.inputBox.SetText("Combien ?");
    game.inputBox.SetInputType(CInputBox::Integer);
    game.modes.Push(8, ModeOpening);
    run.Tap(SDLK_1);  // while opening: not taken
    ASSERT_GT(run.RunUntil(active), 0);
    EXPECT_EQ(game.inputBox.GetInputText(), "");
    run.Tap(SDLK_MINUS);
    run.Tap(SDLK_1);
    run.Tap(SDLK_2);
    run.RunFrames(1);
    EXPECT_EQ(game.inputBox.GetInputText(), "-12");
    // Escape quits and is never typed.
    run.Tap(SDLK_ESCAPE);
    run.RunFrames(1);
    EXPECT_TRUE(game.QuitRequested());
    EXPECT_EQ(game.inputBox.GetInputText(), "-12");
}
