#include <gtest/gtest.h>

#include <sstream>

#include "support/GameHarness.h"

// The game runs the script engine once per frame and lets a script go on
// after `bloque` only once the world commands it queued are all done.
TEST(GameScripts, ScriptRunsEachFrameAndWaitsForItsQueuedCommands)
{
    GameHarness run;
    run.Start();
    CGame& game = run.Game();
    std::ostringstream console;
    game.scriptEngine.SetOutput(console);

    game.scriptEngine.AddScript(1, "Console \"a\" ; bloque Console \"b\" ; Dire 1 , 2 , \"Salut\" ; bloque Console \"c\" ;");
    game.scriptEngine.RunScript(1, -1, -1, -1);
    // The engine starts paused; the first update finds no command waiting
    // and resumes it, so the script starts in the second frame.
    run.RunFrames(1);
    EXPECT_EQ(console.str(), "");
    run.RunFrames(1);
    EXPECT_EQ(console.str(), "a") << "the engine runs up to the first bloque";

    run.RunFrames(1);
    EXPECT_EQ(console.str(), "ab") << "nothing was queued, so the script resumed";
    ASSERT_EQ(game.scriptEngine.CommandQueue().size(), 1u);
    EXPECT_EQ(game.scriptEngine.CommandQueue().front().name, "Dire");

    run.RunFrames(5);
    EXPECT_EQ(console.str(), "ab") << "the queued command has not been carried out";
    EXPECT_FALSE(game.commandsDrained);

    game.scriptEngine.CommandQueue().pop();
    run.RunFrames(2);
    EXPECT_EQ(console.str(), "abc");
}
