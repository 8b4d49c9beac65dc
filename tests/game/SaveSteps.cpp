#include "game/SaveSteps.h"

#include <gtest/gtest.h>

#include <string>

#include "game/GameSnapshot.h"
#include "game/SaveGameWriter.h"

void HighlightWithArrows(GameHarness& run, CChoiceBox& list, std::int32_t value)
{
    for (int i = 0; i < 12 && list.GetResult() != value; ++i)
        run.Hit(list.GetResult() < value ? SDLK_DOWN : SDLK_UP);
    ASSERT_EQ(list.GetResult(), value);
}

std::vector<std::uint8_t> StateAsSaved(CGame& game)
{
    SavedGame saved;
    std::string why;
    EXPECT_TRUE(GameSnapshot::Capture(game, &game.saveMenu.WaitingCommand(), saved, why)) << why;
    saved.playFrames = 0;
    return SaveGameWriter::Payload(saved);
}
