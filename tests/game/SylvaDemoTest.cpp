// The demo world Sylva, packed from data/sylva by tessel-pack and played on
// the real game with injected keys, as a new player would play it.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/GameHarness.h"
#include "support/TempDir.h"
#include "support/ToolRun.h"

namespace {

const std::string kSources = std::string(TESSEL_SOURCE_DIR) + "/data/sylva";

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

    // Answers every box the scripts open, as a player reading on would:
    // q turns pages and takes the first answer of a choice, 3 and Return
    // answer a question. Ends once the map has been quiet for a few frames;
    // false if that never happens.
    bool Settle(int limit = 3000)
    {
        int quiet = 0;
        for (int frames = 0; frames < limit && quiet < 4; ++frames) {
            run->RunFrames(1);
            const std::uint16_t type = game().modes.TopType();
            const bool active = game().modes.TopState() == ModeActive;
            if (active && type >= 5 && type <= 7) {
                lastPage = type == 5 ? Front(game().messageBox) : type == 6 ? Front(game().dialogBox) : lastPage;
                run->Hit(SDLK_q);
            } else if (active && type == 8) {
                run->Tap(SDLK_3);
                run->Hit(SDLK_RETURN);
            }
            quiet = Exploring() ? quiet + 1 : 0;
        }
        return quiet >= 4;
    }
    static std::string Front(const CTextBox& box) { return box.pages.empty() ? "" : box.pages.front(); }

    // Holds an arrow key for `tiles` tiles (8 frames each, 4 pixels a frame)
    // or until a script takes over the screen, then lets the scripts finish.
    bool Walk(SDLKey key, int tiles)
    {
        run->Press(key);
        for (int frame = 0; frame < 8 * tiles && game().modes.TopType() == 2 && !game().fade.active; ++frame)
            run->RunFrames(1);
        run->Release(key);
        return Settle();
    }
    // Held for one frame: turns the hero and moves it at most 4 pixels.
    bool Nudge(SDLKey key)
    {
        run->Hit(key);
        return Settle();
    }
    bool Act() { return Nudge(SDLK_q); }

    // Answers boxes as Settle does until the message box shows a page that
    // holds `text`, which is left open.
    bool AnswerUntilPage(const std::string& text, int limit = 3000)
    {
        for (int frames = 0; frames < limit; ++frames) {
            run->RunFrames(1);
            const std::uint16_t type = game().modes.TopType();
            if (game().modes.TopState() != ModeActive || type < 5 || type > 7)
                continue;
            if (type == 5 && Front(game().messageBox).find(text) != std::string::npos)
                return true;
            lastPage = type == 5 ? Front(game().messageBox) : type == 6 ? Front(game().dialogBox) : lastPage;
            run->Hit(SDLK_q);
        }
        return false;
    }

    // Both heroes are in the menu's hero list: Return, "Statistiques", q;
    // then w twice back to the map.
    void MenuListsBothHeroes()
    {
        // Return, then down to "Statistiques" (whatever Sylva's menu lists first), q.
        run->Hit(SDLK_RETURN);
        ASSERT_GT(Until(10), 0);
        for (int i = 0; i < 11 && game().mainMenu.GetResult() != 1; ++i)
            run->Hit(SDLK_DOWN);
        run->Hit(SDLK_q);
        ASSERT_GT(Until(11), 0);
        ASSERT_EQ(game().heroList.itemCount, 2);
        EXPECT_EQ(game().heroList.items[0], "Elian");
        EXPECT_EQ(game().heroList.items[1], "Ma\xEBlle");
        run->Hit(SDLK_w);
        ASSERT_GT(Until(10), 0);
        run->Hit(SDLK_w);
        ASSERT_TRUE(Settle());
    }

    static TempDir* packing;
    static ToolRun* packRun;
    std::unique_ptr<GameHarness> run;
    std::string lastPage;
};

TempDir* SylvaDemo::packing = nullptr;
ToolRun* SylvaDemo::packRun = nullptr;

// Two side encounters off the story's path.
TEST_F(SylvaDemo, TomAnswersWithTheNumberGivenAndTheSignIsRead)
{
    run->captureFrames = false;
    ASSERT_TRUE(Settle());
    // From the start, down to the row of Tom, and left until facing him.
    ASSERT_TRUE(Walk(SDLK_DOWN, 4));
    ASSERT_TRUE(Nudge(SDLK_LEFT));
    ASSERT_TRUE(Act());
    EXPECT_NE(lastPage.find(" 3"), std::string::npos) << lastPage;

    // Back up, right along the square, then up until the sign stops the hero.
    ASSERT_TRUE(Walk(SDLK_UP, 4));
    ASSERT_TRUE(Walk(SDLK_RIGHT, 6));
    ASSERT_TRUE(Walk(SDLK_UP, 6));
    EXPECT_EQ(hero(1).tileY, 4);
    lastPage.clear();
    ASSERT_TRUE(Act());
    EXPECT_EQ(lastPage.rfind("\xAB\xA0SYLVA\xA0\xBB", 0), 0u) << lastPage;
}

// The elder says his speech once, the guard stops the hero level with him
// before the quest, and the traveller at the inn turns to whoever speaks.
TEST_F(SylvaDemo, ElderGuardAndTravellerAnswerAsPeopleWould)
{
    run->captureFrames = false;
    ASSERT_TRUE(Settle());
    ASSERT_TRUE(Walk(SDLK_RIGHT, 2));
    ASSERT_TRUE(Walk(SDLK_UP, 1));
    ASSERT_TRUE(Nudge(SDLK_RIGHT));
    ASSERT_TRUE(Act());
    ASSERT_EQ(Global("Aubin"), 1);
    ASSERT_TRUE(Act());
    EXPECT_EQ(lastPage.rfind("Odile t'attend", 0), 0u) << "no second recruiting speech: " << lastPage;

    // Up the road to the forest before Odile has asked for anything.
    ASSERT_TRUE(Nudge(SDLK_LEFT));
    ASSERT_TRUE(Walk(SDLK_DOWN, 1));
    ASSERT_TRUE(Walk(SDLK_RIGHT, 7));
    ASSERT_TRUE(Walk(SDLK_UP, 8));
    EXPECT_EQ(lastPage.rfind("Halte-l\xE0", 0), 0u) << lastPage;
    EXPECT_EQ(game().map.Name(), "village");
    EXPECT_EQ(hero(1).tileY, 3) << "sent back from the guard's row, not from beyond him";

    // Into the inn, and round the table to Bastien's right: he turns to Elian.
    ASSERT_TRUE(Walk(SDLK_DOWN, 7));
    ASSERT_TRUE(Walk(SDLK_RIGHT, 6));
    ASSERT_TRUE(Walk(SDLK_UP, 2));
    ASSERT_EQ(game().map.Name(), "auberge");
    ASSERT_TRUE(Walk(SDLK_DOWN, 1));
    ASSERT_TRUE(Walk(SDLK_RIGHT, 4));
    ASSERT_TRUE(Walk(SDLK_UP, 1));
    ASSERT_TRUE(Walk(SDLK_RIGHT, 1));
    ASSERT_TRUE(Walk(SDLK_UP, 1));
    ASSERT_TRUE(Nudge(SDLK_LEFT));
    EXPECT_EQ(game().map.FindNpc(9)->facing, 0) << "Bastien starts facing left";
    ASSERT_TRUE(Act());
    EXPECT_EQ(game().map.FindNpc(9)->facing, 2) << "Bastien turned right, to the hero";
    EXPECT_NE(lastPage.find("Q pour agir"), std::string::npos) << lastPage;
}

// One full play-through, the keys a player presses. Every box is answered
// with q (a choice with its first answer, a number with 3 and Return). Where
// a step names a map, the hero stands there, on that tile, after it.
enum class Key { Walk, Nudge, Act };
struct Press {
    Key what;
    SDLKey key;
    int tiles;
    const char* map = nullptr;
    int x = 0, y = 0;
};

const std::size_t kAubinHasSpoken = 3;
const std::size_t kFlowerPicked = 23;
const std::size_t kBackInTheVillage = 26;
const std::vector<Press> kPlayThrough = {
    // Village: to the elder at the well, who asks for help.
    {Key::Walk, SDLK_RIGHT, 2}, {Key::Walk, SDLK_UP, 1, "village", 8, 9}, {Key::Nudge, SDLK_RIGHT, 0},
    {Key::Act, SDLK_q, 0},
    // Along the square to the inn's door step, in and out again.
    {Key::Nudge, SDLK_LEFT, 0}, {Key::Walk, SDLK_DOWN, 1}, {Key::Walk, SDLK_RIGHT, 13, "village", 21, 10},
    {Key::Walk, SDLK_UP, 2, "auberge", 5, 7}, {Key::Walk, SDLK_DOWN, 3, "village", 21, 9},
    // Down to Odile, who asks for the moonflower.
    {Key::Walk, SDLK_DOWN, 1}, {Key::Walk, SDLK_LEFT, 3}, {Key::Walk, SDLK_DOWN, 4}, {Key::Nudge, SDLK_RIGHT, 0},
    {Key::Act, SDLK_q, 0},
    // Back up the road and north into the forest.
    {Key::Nudge, SDLK_LEFT, 0}, {Key::Walk, SDLK_UP, 4}, {Key::Walk, SDLK_LEFT, 3}, {Key::Walk, SDLK_UP, 11, "foret", 14, 21},
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
    {Key::Nudge, SDLK_RIGHT, 0},
};

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
        bool settled = p.what == Key::Walk ? Walk(p.key, p.tiles) : Nudge(p.key);
        ASSERT_TRUE(settled) << "step " << i;
        if (p.map) {
            EXPECT_EQ(game().map.Name(), p.map) << "step " << i;
            EXPECT_EQ(hero(1).tileX, p.x) << "step " << i;
            EXPECT_EQ(hero(1).tileY, p.y) << "step " << i;
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

} // namespace
