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
    // Back up the road and north into the forest, where Maëlle joins.
    {Key::Nudge, SDLK_LEFT, 0}, {Key::Walk, SDLK_UP, 4}, {Key::Walk, SDLK_LEFT, 3}, {Key::Walk, SDLK_UP, 11},
    // Up the forest path, left to the ford: Maëlle takes the lead.
    {Key::Walk, SDLK_UP, 8}, {Key::Walk, SDLK_LEFT, 2}, {Key::Walk, SDLK_UP, 3},
    // Over the stones to the island, and the flower in front of her.
    {Key::Walk, SDLK_UP, 5}, {Key::Act, SDLK_q, 0},
    // Back over the stones and down the path to the village.
    {Key::Walk, SDLK_DOWN, 7}, {Key::Walk, SDLK_RIGHT, 2}, {Key::Walk, SDLK_DOWN, 11},
    // Down the road to Odile with the flower: the ending.
    {Key::Walk, SDLK_DOWN, 9}, {Key::Walk, SDLK_RIGHT, 3}, {Key::Walk, SDLK_DOWN, 4}, {Key::Nudge, SDLK_RIGHT, 0},
    {Key::Act, SDLK_q, 0},
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
    for (int page = 0; page < 3; ++page) {
        run->Hit(SDLK_q);
        if (page < 2) {
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
    }
    EXPECT_EQ(Global("MaelleAvec"), 1);
    EXPECT_EQ(Global("Fleur"), 1);
    EXPECT_EQ(Global("Fin"), 1);
    EXPECT_EQ(game().map.Name(), "village");
    EXPECT_NE(game().map.FindHero(2), nullptr);
    EXPECT_NE(lastPage.find("Merci d'avoir jou\xE9 \xE0 \xAB\xA0Sylva\xA0\xBB"), std::string::npos) << lastPage;

    // Both heroes are in the menu's hero list: Return, "Statistiques", q.
    run->Hit(SDLK_RETURN);
    ASSERT_GT(Until(10), 0);
    run->Hit(SDLK_DOWN);
    run->Hit(SDLK_q);
    ASSERT_GT(Until(11), 0);
    ASSERT_EQ(game().heroList.itemCount, 2);
    EXPECT_EQ(game().heroList.items[0], "Elian");
    EXPECT_EQ(game().heroList.items[1], "Ma\xEBlle");
}

} // namespace
