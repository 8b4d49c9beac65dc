// The demo world Sylva asks for saving: a player saves from its menu, walks
// on, and loads the save back, all with the keyboard.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "game/SaveSteps.h"
#include "support/GameHarness.h"
#include "support/TempDir.h"
#include "support/ToolRun.h"

namespace {

const std::string kSources = std::string(TESSEL_SOURCE_DIR) + "/data/sylva";

class SylvaSave : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(packRun.status, 0) << packRun.out << packRun.err;
        run = std::make_unique<GameHarness>(packing.File("game"));
        run->Start();
    }

    CGame& game() { return run->Game(); }
    bool Exploring()
    {
        return game().modes.Size() == 1 && game().modes.TopType() == 2 && !game().fade.active &&
               game().scriptEngine.RunQueue().empty() && game().scriptEngine.CommandQueue().empty();
    }
    bool UntilActive(std::uint16_t type)
    {
        auto active = [&] { return game().modes.TopType() == type && game().modes.TopState() == ModeActive; };
        return active() || run->RunUntil(active, 600) > 0;
    }
    // Reads on through every box the scripts open until the map is quiet.
    bool Settle()
    {
        int quiet = 0;
        for (int frame = 0; frame < 3000; ++frame) {
            const std::uint16_t type = game().modes.TopType();
            if (game().modes.TopState() == ModeActive && type >= 5 && type <= 7)
                run->Hit(SDLK_q);
            else
                run->RunFrames(1);
            quiet = Exploring() ? quiet + 1 : 0;
            if (quiet > 5)
                return true;
        }
        return false;
    }
    void Highlight(CChoiceBox& list, std::int32_t value) { HighlightWithArrows(*run, list, value); }
    void Slot(std::int32_t entry, std::int32_t slot)
    {
        run->Hit(SDLK_RETURN);
        ASSERT_TRUE(UntilActive(10));
        Highlight(game().mainMenu, entry);
        run->Hit(SDLK_q);
        ASSERT_TRUE(UntilActive(SaveMenu::kSlotMode));
        Highlight(game().saveMenu.slotList, slot);
        run->Hit(SDLK_q);
    }
    std::vector<std::uint8_t> State() { return StateAsSaved(game()); }

    TempDir packing;
    ToolRun packRun = ToolRun::Of("tessel-pack", "'" + kSources + "' -o game", packing);
    std::unique_ptr<GameHarness> run;
};

TEST_F(SylvaSave, SavedFromTheMenuAndLoadedBack)
{
    // Sylva's menu shows only what it uses.
    ASSERT_EQ(game().mainMenu.itemCount, 4);
    EXPECT_EQ(game().mainMenu.items[0] + "," + game().mainMenu.items[1] + "," + game().mainMenu.items[2] + "," +
                  game().mainMenu.items[3],
              "Statistiques,Sauver,Charger,Quitter");
    ASSERT_TRUE(Settle());
    const std::vector<std::uint8_t> before = State();
    const std::string map = game().map.Name();

    Slot(MenuLayout::kSaveEntry, 0);
    EXPECT_EQ(game().saveMenu.slotList.items[0].substr(0, 2 + map.size()), "1 " + map);
    run->Hit(SDLK_w);
    ASSERT_TRUE(UntilActive(10));
    run->Hit(SDLK_w);
    ASSERT_TRUE(Settle());

    run->Press(SDLK_DOWN);
    run->RunFrames(8);
    run->Release(SDLK_DOWN);
    ASSERT_TRUE(Settle());
    ASSERT_NE(State(), before);

    Slot(MenuLayout::kLoadEntry, 0);
    ASSERT_TRUE(Settle());
    EXPECT_EQ(State(), before);
}

} // namespace
