// The demo world Sylva, packed from data/sylva by tessel-pack and played on
// the real game with injected keys, as a new player would play it. Sylva
// walks tile by tile: every walk below ends with the hero on a tile.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "game/SaveSteps.h"
#include "support/GameHarness.h"
#include "support/TempDir.h"
#include "support/ToolRun.h"

namespace {

const std::string kSources = std::string(TESSEL_SOURCE_DIR) + "/data/sylva";

// What a player does on the map. Where a press names a map, the hero
// stands there, on that tile, after it.
enum class Key { Walk, Step, Act };
struct Press {
    Key what;
    SDLKey key;
    int tiles;
    const char* map = nullptr;
    int x = 0, y = 0;
};

// The game folder, packed once for every test of this file.
class SylvaDemo : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        packing = new TempDir;
        packRun = new ToolRun(ToolRun::Of("tessel-pack", "'" + kSources + "' -o game", *packing));
    }
    static void TearDownTestSuite()
    {
        delete packRun;
        delete packing;
    }

    void SetUp() override
    {
        ASSERT_EQ(packRun->status, 0) << packRun->out << packRun->err;
        EXPECT_EQ(packRun->err, "") << "the demo's sources pack without a warning";
        run = std::make_unique<GameHarness>(packing->File("game"));
        run->Start();
    }

    CGame& game() { return run->Game(); }
    const CHero& hero(int id) { return *game().map.FindHero(id); }
    const CHero& leader() { return hero(game().activeHero); }
    // Where the leading hero stands: "x,y +offsetX,offsetY".
    std::string Where()
    {
        const CHero& h = leader();
        return std::to_string(h.tileX) + "," + std::to_string(h.tileY) + " +" + std::to_string(h.offsetX) + "," +
               std::to_string(h.offsetY);
    }
    bool Exploring()
    {
        return game().modes.Size() == 1 && game().modes.TopType() == 2 && !game().fade.active &&
               game().scriptEngine.RunQueue().empty() && game().scriptEngine.CommandQueue().empty();
    }
    int Global(const char* name) { return game().scriptEngine.GetGlobal(name).AsInt(); }

    int Until(std::uint16_t type)
    {
        return run->RunUntil([&] { return game().modes.TopType() == type && game().modes.TopState() == ModeActive; },
                             600);
    }

    // Answers the box on top, if one waits for the player, as a player
    // reading on would: q turns pages and takes the first answer of a
    // choice, 3 and Return answer a question.
    void Answer()
    {
        const std::uint16_t type = game().modes.TopType();
        if (game().modes.TopState() != ModeActive || type < 5 || type > 8)
            return;
        if (type == 8) {
            run->Tap(SDLK_3);
            run->Hit(SDLK_RETURN);
            return;
        }
        lastPage = type == 5 ? Front(game().messageBox) : type == 6 ? Front(game().dialogBox) : lastPage;
        run->Hit(SDLK_q);
    }
    // Answers every box the scripts open. Ends once the map has been quiet
    // for longer than a step takes (10 frames); false if that never happens.
    bool Settle()
    {
        int quiet = 0;
        for (int frames = 0; frames < 3000 && quiet < 10; ++frames) {
            run->RunFrames(1);
            Answer();
            quiet = Exploring() ? quiet + 1 : 0;
        }
        return quiet >= 10;
    }
    static std::string Front(const CTextBox& box) { return box.pages.empty() ? "" : box.pages.front(); }

    // Holds an arrow key for `tiles` tiles (a tile takes 8 frames at 4
    // pixels a frame), or until a script takes over the screen, and lets it
    // go half-way through the last step: the hero finishes that step. Then
    // lets the scripts finish.
    bool Walk(SDLKey key, int tiles)
    {
        run->Press(key);
        for (int frame = 0; frame < 8 * tiles - 4 && game().modes.TopType() == 2 && !game().fade.active; ++frame)
            run->RunFrames(1);
        run->Release(key);
        return Settle();
    }
    // Pressed and let go before the next frame: one tile, or only a turn
    // when someone or something stands on that tile.
    bool Step(SDLKey key)
    {
        run->Tap(key);
        return Settle();
    }
    bool Act()
    {
        run->Hit(SDLK_q);
        return Settle();
    }
    bool Play(const std::vector<Press>& presses)
    {
        for (const Press& p : presses)
            if (!(p.what == Key::Walk ? Walk(p.key, p.tiles) : p.what == Key::Step ? Step(p.key) : Act()))
                return false;
        return true;
    }

    // Answers boxes as Settle does until the message box shows a page that
    // holds `text`, which is left open.
    bool AnswerUntilPage(const std::string& text)
    {
        for (int frames = 0; frames < 3000; ++frames) {
            run->RunFrames(1);
            if (game().modes.TopType() == 5 && game().modes.TopState() == ModeActive &&
                Front(game().messageBox).find(text) != std::string::npos)
                return true;
            Answer();
        }
        return false;
    }

    // From the map: Return, and the main menu's entry of `value`.
    void OpenEntry(std::int32_t value)
    {
        run->Hit(SDLK_RETURN);
        ASSERT_GT(Until(10), 0);
        HighlightWithArrows(*run, game().mainMenu, value);
        run->Hit(SDLK_q);
    }
    // The entry of `value`, then a slot of the list it opens.
    void OpenSlot(std::int32_t value, std::int32_t slot)
    {
        OpenEntry(value);
        ASSERT_GT(Until(SaveMenu::kSlotMode), 0);
        HighlightWithArrows(*run, game().saveMenu.slotList, slot);
        run->Hit(SDLK_q);
    }
    // From a screen opened by the main menu, back to the quiet map.
    void LeaveMenu()
    {
        run->Hit(SDLK_w);
        ASSERT_GT(Until(10), 0);
        run->Hit(SDLK_w);
        ASSERT_TRUE(Settle());
    }
    void MenuListsBothHeroes()
    {
        OpenEntry(1);  // the statistics, whatever Sylva's menu lists first
        ASSERT_GT(Until(11), 0);
        ASSERT_EQ(game().heroList.itemCount, 2);
        EXPECT_EQ(game().heroList.items[0], "Elian");
        EXPECT_EQ(game().heroList.items[1], "Ma\xEBlle");
        LeaveMenu();
    }

    static TempDir* packing;
    static ToolRun* packRun;
    std::unique_ptr<GameHarness> run;
    std::string lastPage;
};

TempDir* SylvaDemo::packing = nullptr;
ToolRun* SylvaDemo::packRun = nullptr;

// The demo's sources are clean even for the strict check, and the world
// asks the game to walk tile by tile.
TEST_F(SylvaDemo, SourcesPassTheStrictCheckAndAskForGridWalking)
{
    TempDir dir;
    const ToolRun strict = ToolRun::Of("tessel-pack", "'" + kSources + "' --check --werror", dir);
    EXPECT_EQ(strict.status, 0) << strict.out << strict.err;
    EXPECT_EQ(strict.err, "");
    EXPECT_TRUE(game().settings.GridMovement());
}

// Two side encounters off the story's path.
TEST_F(SylvaDemo, TomAnswersWithTheNumberGivenAndTheSignIsRead)
{
    run->captureFrames = false;
    ASSERT_TRUE(Settle());
    // From the start, down to the row of Tom, and a tap that turns to him.
    ASSERT_TRUE(Play({{Key::Walk, SDLK_DOWN, 4}, {Key::Step, SDLK_LEFT, 0}}));
    EXPECT_EQ(Where(), "6,14 +0,0") << "Tom stands on the tile to the left";
    ASSERT_TRUE(Act());
    EXPECT_NE(lastPage.find(" 3"), std::string::npos) << lastPage;

    // Back up, right along the square, then up until the sign stops the hero.
    ASSERT_TRUE(Play({{Key::Walk, SDLK_UP, 4}, {Key::Walk, SDLK_RIGHT, 6}, {Key::Walk, SDLK_UP, 6}}));
    EXPECT_EQ(Where(), "12,5 +0,0") << "below the sign";
    lastPage.clear();
    ASSERT_TRUE(Act());
    EXPECT_EQ(lastPage.rfind("\xAB\xA0SYLVA\xA0\xBB", 0), 0u) << lastPage;
}

// The elder says his speech once, the guard stops the hero level with him
// before the quest, and the traveller at the inn turns to whoever speaks,
// from below as from his side.
TEST_F(SylvaDemo, ElderGuardAndTravellerAnswerAsPeopleWould)
{
    run->captureFrames = false;
    ASSERT_TRUE(Settle());
    ASSERT_TRUE(Play({{Key::Walk, SDLK_RIGHT, 2}, {Key::Walk, SDLK_UP, 1}, {Key::Step, SDLK_RIGHT, 0}}));
    ASSERT_EQ(Where(), "8,9 +0,0");
    ASSERT_TRUE(Act());
    ASSERT_EQ(Global("Aubin"), 1);
    ASSERT_TRUE(Act());
    EXPECT_EQ(lastPage.rfind("Odile t'attend", 0), 0u) << "no second recruiting speech: " << lastPage;

    // Up the road to the forest before Odile has asked for anything.
    ASSERT_TRUE(Play({{Key::Walk, SDLK_DOWN, 1}, {Key::Walk, SDLK_RIGHT, 7}, {Key::Walk, SDLK_UP, 8}}));
    EXPECT_EQ(lastPage.rfind("Halte-l\xE0", 0), 0u) << lastPage;
    EXPECT_EQ(game().map.Name(), "village");
    EXPECT_EQ(Where(), "15,3 +0,0") << "sent back from the guard's row, not from beyond him";

    // Into the inn, and round the table to just below Bastien: a tap up
    // only turns the hero to him, and he turns down to Elian.
    ASSERT_TRUE(Play({{Key::Walk, SDLK_DOWN, 7}, {Key::Walk, SDLK_RIGHT, 6}, {Key::Walk, SDLK_UP, 2}}));
    ASSERT_EQ(game().map.Name(), "auberge");
    ASSERT_TRUE(Play({{Key::Walk, SDLK_DOWN, 1}, {Key::Walk, SDLK_RIGHT, 4}, {Key::Step, SDLK_UP, 0},
                      {Key::Step, SDLK_UP, 0}}));
    EXPECT_EQ(Where(), "9,7 +0,0") << "Bastien stands on the tile above";
    EXPECT_EQ(game().map.FindNpc(9)->facing, 0) << "Bastien starts facing left";
    ASSERT_TRUE(Act());
    EXPECT_EQ(game().map.FindNpc(9)->facing, 1) << "Bastien turned down, to the hero below him";
    EXPECT_NE(lastPage.find("Q pour agir"), std::string::npos) << lastPage;

    // Round to his right, a tap left, and he turns right.
    ASSERT_TRUE(Play({{Key::Step, SDLK_RIGHT, 0}, {Key::Step, SDLK_UP, 0}, {Key::Step, SDLK_LEFT, 0}}));
    EXPECT_EQ(Where(), "10,6 +0,0");
    lastPage.clear();
    ASSERT_TRUE(Act());
    EXPECT_EQ(game().map.FindNpc(9)->facing, 2) << "Bastien turned right, to the hero";
    EXPECT_NE(lastPage.find("Q pour agir"), std::string::npos) << lastPage;
}

// Doors, signs and the inn's counter answer the action key from the tile
// in front of them, as characters do.
TEST_F(SylvaDemo, ActionTilesAnswerFromTheTileInFront)
{
    run->captureFrames = false;
    ASSERT_TRUE(Settle());
    // Up beside Elian's house, a tap left, and a tap up only turns to the door.
    ASSERT_TRUE(Play({{Key::Walk, SDLK_UP, 2}, {Key::Step, SDLK_LEFT, 0}, {Key::Step, SDLK_UP, 0}}));
    EXPECT_EQ(Where(), "5,8 +0,0");
    lastPage.clear();
    ASSERT_TRUE(Act());
    EXPECT_EQ(lastPage.rfind("La maison d'Elian", 0), 0u) << lastPage;

    // To the inn, and across the counter from Rosalie: the soup is accepted.
    ASSERT_TRUE(Play({{Key::Step, SDLK_DOWN, 0}, {Key::Walk, SDLK_DOWN, 1}, {Key::Walk, SDLK_RIGHT, 16},
                      {Key::Walk, SDLK_UP, 2}}));
    ASSERT_EQ(game().map.Name(), "auberge");
    ASSERT_TRUE(Play({{Key::Walk, SDLK_UP, 2}, {Key::Walk, SDLK_LEFT, 3}, {Key::Step, SDLK_UP, 0}}));
    EXPECT_EQ(Where(), "2,5 +0,0") << "the counter stops the hero";
    ASSERT_EQ(Global("Soupe"), 0);
    ASSERT_TRUE(Act());
    EXPECT_EQ(Global("Soupe"), 1);
}

// One full play-through, the keys a player presses, every box answered as
// Settle does.

const std::size_t kAubinHasSpoken = 3;
const std::size_t kFlowerPicked = 21;
const std::size_t kBackInTheVillage = 24;
const std::vector<Press> kPlayThrough = {
    // Village: to the elder at the well, who asks for help.
    {Key::Walk, SDLK_RIGHT, 2}, {Key::Walk, SDLK_UP, 1, "village", 8, 9}, {Key::Step, SDLK_RIGHT, 0, "village", 8, 9},
    {Key::Act, SDLK_q, 0},
    // Along the square to the inn's door step, in and out again.
    {Key::Walk, SDLK_DOWN, 1}, {Key::Walk, SDLK_RIGHT, 13, "village", 21, 10},
    {Key::Walk, SDLK_UP, 2, "auberge", 5, 7}, {Key::Walk, SDLK_DOWN, 3, "village", 21, 9},
    // Down to Odile, who asks for the moonflower.
    {Key::Walk, SDLK_DOWN, 1}, {Key::Walk, SDLK_LEFT, 3}, {Key::Walk, SDLK_DOWN, 4}, {Key::Step, SDLK_RIGHT, 0, "village", 18, 14},
    {Key::Act, SDLK_q, 0},
    // Back up the road and north into the forest.
    {Key::Walk, SDLK_UP, 4}, {Key::Walk, SDLK_LEFT, 3}, {Key::Walk, SDLK_UP, 11, "foret", 14, 21},
    // Up the forest path, where Maëlle waits and joins, then left to the
    // ford: she takes the lead.
    {Key::Walk, SDLK_UP, 8, "foret", 14, 18}, {Key::Walk, SDLK_UP, 5}, {Key::Walk, SDLK_LEFT, 2}, {Key::Walk, SDLK_UP, 3},
    // Over the stones to the island, and the flower in front of her.
    {Key::Walk, SDLK_UP, 5}, {Key::Act, SDLK_q, 0},
    // Back over the stones: Elian, waiting on the bank, leads again. Down the
    // path to the village.
    {Key::Walk, SDLK_DOWN, 7, "foret", 11, 12}, {Key::Walk, SDLK_RIGHT, 3}, {Key::Walk, SDLK_DOWN, 12, "village", 15, 1},
    // Down the road to Odile with the flower: the ending.
    {Key::Walk, SDLK_DOWN, 9}, {Key::Walk, SDLK_RIGHT, 3}, {Key::Walk, SDLK_DOWN, 4, "village", 18, 14},
    {Key::Step, SDLK_RIGHT, 0, "village", 18, 14},
};

// In the forest with Maëlle: the campfire hands her the lead on the tile
// Elian stood on, and the fisherman turns down to her when she speaks from
// below him.
TEST_F(SylvaDemo, TheCampfireHandsTheLeadOnItsTileAndYvesAnswersFromBelow)
{
    run->captureFrames = false;
    ASSERT_TRUE(Settle());
    const std::size_t kMaelleJoined = 16;
    ASSERT_TRUE(Play({kPlayThrough.begin(), kPlayThrough.begin() + kMaelleJoined + 1}));
    ASSERT_EQ(Global("MaelleAvec"), 1);
    ASSERT_EQ(Where(), "14,18 +0,0");

    // Round the rocks to the fire's right: a tap left walks beside it, a
    // second only turns to it. The second answer: Maëlle.
    ASSERT_TRUE(Play({{Key::Walk, SDLK_UP, 4}, {Key::Walk, SDLK_RIGHT, 9}, {Key::Walk, SDLK_UP, 2},
                      {Key::Step, SDLK_LEFT, 0}, {Key::Step, SDLK_LEFT, 0}}));
    ASSERT_EQ(Where(), "22,12 +0,0") << "the fire stops the hero";
    run->Hit(SDLK_q);
    ASSERT_GT(Until(7), 0);
    run->Hit(SDLK_DOWN);
    run->Hit(SDLK_q);
    ASSERT_TRUE(Settle());
    EXPECT_EQ(game().activeHero, 2);
    EXPECT_EQ(Where(), "22,12 +0,0");
    EXPECT_EQ(leader().facing, 0) << "facing the fire";
    EXPECT_GE(hero(1).tileX, 100) << "Elian walks with her, out of sight";

    ASSERT_TRUE(Play({{Key::Walk, SDLK_UP, 3}, {Key::Walk, SDLK_LEFT, 3}, {Key::Step, SDLK_UP, 0}}));
    EXPECT_EQ(Where(), "19,9 +0,0");
    ASSERT_TRUE(Act());
    EXPECT_EQ(game().map.FindNpc(8)->facing, 1) << "Yves turned down, to the heroine below him";
    EXPECT_NE(lastPage.find("pierres du gu\xE9"), std::string::npos) << lastPage;
}

TEST_F(SylvaDemo, FullPlayThroughEndsTheStory)
{
    // The story is told over the black screen first. Frames are read back
    // only where pixels are looked at.
    run->captureFrames = false;
    ASSERT_GT(Until(5), 0);
    run->captureFrames = true;
    run->RunFrames(1);
    EXPECT_EQ(Front(game().messageBox).rfind("Sylva, petit village", 0), 0u);
    EXPECT_EQ(game().map.Name(), "");
    EXPECT_EQ(run->Pixel(320, 100), (Rgba{0, 0, 0, 255}));
    run->captureFrames = false;
    for (int page = 0; page < 4; ++page) {
        run->Hit(SDLK_q);
        if (page < 3) {
            ASSERT_GT(Until(5), 0);
        }
    }
    // Then the village fades in around Elian, who says where to go.
    ASSERT_GT(Until(6), 0);
    run->captureFrames = true;
    run->RunFrames(1);
    EXPECT_EQ(game().map.Name(), "village");
    EXPECT_EQ(game().activeHero, 1);
    EXPECT_EQ(hero(1).tileX, 6);
    EXPECT_EQ(hero(1).tileY, 10);
    EXPECT_LE(game().fade.level, 0);
    EXPECT_NE(run->Pixel(320, 100), (Rgba{0, 0, 0, 255}));
    EXPECT_EQ(game().dialogBox.prefix, "Elian: ");
    run->captureFrames = false;
    ASSERT_TRUE(Settle());

    for (std::size_t i = 0; i < kPlayThrough.size(); ++i) {
        const Press& p = kPlayThrough[i];
        ASSERT_TRUE(Play({p})) << "step " << i;
        EXPECT_EQ(leader().offsetX, 0) << "on a tile, step " << i;
        EXPECT_EQ(leader().offsetY, 0) << "on a tile, step " << i;
        if (p.map) {
            EXPECT_EQ(game().map.Name(), p.map) << "step " << i;
            EXPECT_EQ(Where(), std::to_string(p.x) + "," + std::to_string(p.y) + " +0,0") << "step " << i;
        }
        if (i == kAubinHasSpoken) {
            EXPECT_EQ(game().map.FindNpc(3)->facing, 0) << "the elder turned to face the hero";
            EXPECT_EQ(Global("Aubin"), 1);
            EXPECT_EQ(Global("Courage"), 0);
        }
        if (i == kFlowerPicked) {
            EXPECT_EQ(Global("Fleur"), 1);
            EXPECT_EQ(game().map.FindNpc(10)->facing, 3) << "the moonflower's sheet shows only leaves facing up";
        }
        if (i == kBackInTheVillage) {
            EXPECT_EQ(game().activeHero, 1) << "Elian leads again after the ford";
            EXPECT_GE(hero(2).tileX, 100) << "Maëlle walks with him, out of sight, not left standing";
            MenuListsBothHeroes();
        }
    }
    EXPECT_EQ(Global("MaelleAvec"), 1);
    EXPECT_EQ(Global("Fleur"), 1);
    EXPECT_EQ(Global("Fin"), 0);
    EXPECT_EQ(game().map.Name(), "village");

    // Odile takes the flower and Maëlle steps up beside Elian.
    run->Hit(SDLK_q);
    ASSERT_GT(Until(6), 0);
    EXPECT_EQ(hero(2).tileX, hero(1).tileX);
    EXPECT_EQ(hero(2).tileY, hero(1).tileY + 1) << "side by side for the closing scene";
    // The epilogue is told and the screen goes black for good under the title.
    const std::string kEndCard = "FIN\nMerci d'avoir jou\xE9";
    ASSERT_TRUE(AnswerUntilPage(kEndCard));
    EXPECT_EQ(Global("Fin"), 1);
    EXPECT_EQ(lastPage.rfind("Au matin, la fi\xE8vre des brumes", 0), 0u) << lastPage;
    EXPECT_NE(Front(game().messageBox).find("SYLVA"), std::string::npos);
    EXPECT_NE(Front(game().messageBox).find("Appuie sur \xC9" "chap pour quitter le jeu."), std::string::npos);
    run->captureFrames = true;
    run->RunFrames(1);
    EXPECT_GE(game().fade.level, 100);
    EXPECT_EQ(run->Pixel(320, 100), (Rgba{0, 0, 0, 255})) << "the map is gone";
    run->captureFrames = false;

    // The card stays: read on, and it comes back, again and again; the
    // story's last script never ends, and the heroes have left the map, so
    // that no key reaches anything on it.
    for (int round = 0; round < 10; ++round) {
        run->Hit(SDLK_q);
        run->Press(SDLK_LEFT);
        for (int frame = 0; frame < 40; ++frame) {
            run->RunFrames(1);
            ASSERT_FALSE(game().scriptEngine.RunQueue().empty()) << "round " << round << ", frame " << frame;
        }
        run->Release(SDLK_LEFT);
        ASSERT_GT(Until(5), 0) << "round " << round;
        EXPECT_NE(Front(game().messageBox).find(kEndCard), std::string::npos);
        EXPECT_GE(game().fade.level, 100);
    }
    EXPECT_GE(hero(1).tileX, 90);
    EXPECT_GE(hero(2).tileX, 90);
    EXPECT_FALSE(game().QuitRequested());
    run->Hit(SDLK_ESCAPE);
    EXPECT_TRUE(game().QuitRequested()) << "Escape quits, as the card says";
}

// Sylva asks for saving: a player saves from its menu, walks on, and loads
// the save back, all with the keyboard.
TEST_F(SylvaDemo, SavedFromTheMenuAndLoadedBack)
{
    // Sylva's menu shows only what it uses.
    ASSERT_EQ(game().mainMenu.itemCount, 4);
    EXPECT_EQ(game().mainMenu.items[0] + "," + game().mainMenu.items[1] + "," + game().mainMenu.items[2] + "," +
                  game().mainMenu.items[3],
              "Statistiques,Sauver,Charger,Quitter");
    run->captureFrames = false;
    ASSERT_TRUE(Settle());
    const std::vector<std::uint8_t> before = StateAsSaved(game());

    OpenSlot(MenuLayout::kSaveEntry, 0);
    EXPECT_EQ(game().saveMenu.slotList.items[0].substr(0, 10), "1 village ");
    LeaveMenu();
    ASSERT_TRUE(Walk(SDLK_DOWN, 1));
    ASSERT_NE(StateAsSaved(game()), before);

    OpenSlot(MenuLayout::kLoadEntry, 0);
    ASSERT_TRUE(Settle());
    EXPECT_EQ(StateAsSaved(game()), before);
}

} // namespace
