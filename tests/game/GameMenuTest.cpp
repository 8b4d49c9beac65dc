#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "game/PlayedWorld.h"
#include "support/TestTexture.h"
#include "widgets/DefaultFontTexture.h"

namespace {

const GLuint kCodedGlyphs = 903;
const Rgba kBlack{0, 0, 0, 255};

// The menu played with the keyboard, over the played world or, without any
// hero, over an empty map. Text is drawn from a glyph sheet in which every
// cell is one flat colour that names its byte: red = the byte, green and blue
// full; reading a glyph's centre pixel reads the character.
class GameMenu : public ::testing::Test {
protected:
    void StartWorld()
    {
        world = std::make_unique<PlayedWorld>();
        harness = &world->run();
        ASSERT_GT(world->UntilExploring(), 0);
        UseCodedGlyphs();
    }
    void StartWithoutHero()
    {
        empty = std::make_unique<GameHarness>();
        harness = empty.get();
        harness->Start();
        game().modes.Clear();
        game().modes.Push(2, 0);
        game().fade.level = 0;
        UseCodedGlyphs();
    }
    void UseCodedGlyphs()
    {
        UploadTestTexture(kCodedGlyphs, 256, [](int x, int y) {
            return Rgba{std::uint8_t((y / 16) * 16 + x / 16), 255, 255, 255};
        });
        defaultFontTexture = kCodedGlyphs;
    }
    void TearDown() override { defaultFontTexture = 0; }

    CGame& game() { return harness->Game(); }
    void Key(SDLKey sym) { harness->Hit(sym); }

    bool RunUntil(const std::function<bool()>& condition) { return condition() || harness->RunUntil(condition, 200) > 0; }
    bool RunUntilActive(std::uint16_t type)
    {
        return RunUntil([&] { return game().modes.TopType() == type && game().modes.TopState() == ModeActive; });
    }

    // Up to `count` characters of the line whose pen starts at (x, baseline),
    // trailing spaces removed; it stops at the first pixel that is no glyph.
    std::string Text(int x, int baseline, int count = 40)
    {
        std::string text;
        for (int i = 0; i < count && x + 12 * i + 8 < game().Width(); ++i) {
            const Rgba p = harness->Pixel(x + 12 * i + 8, baseline - 8);
            if (p.g != 255 || p.b != 255)
                break;
            text += static_cast<char>(p.r);
        }
        return text.substr(0, text.find_last_not_of(' ') + 1);
    }
    std::string Stat(int row) { return Text(10 + 12 * 12, 27 + 22 * row, 6); }
    std::string ListItem(int row) { return Text(277, 110 + 22 * row); }

    // From the map to the statistics of the hero in the hero list's row.
    void OpenStatistics(int heroRow)
    {
        Key(SDLK_RETURN);
        ASSERT_TRUE(RunUntilActive(10));
        Key(SDLK_DOWN);
        Key(SDLK_q);
        ASSERT_TRUE(RunUntilActive(11));
        for (int i = 0; i < heroRow; ++i)
            Key(SDLK_DOWN);
        Key(SDLK_q);
        ASSERT_TRUE(RunUntilActive(13));
    }
    // Confirms the pool in the conversion choice's row and waits for the list.
    void OpenList(int poolRow)
    {
        while (game().conversionChoice.selected != poolRow)
            Key(game().conversionChoice.selected < poolRow ? SDLK_DOWN : SDLK_UP);
        Key(SDLK_q);
        ASSERT_TRUE(RunUntilActive(14));
    }

    std::unique_ptr<PlayedWorld> world;
    std::unique_ptr<GameHarness> empty;
    GameHarness* harness = nullptr;
};

}  // namespace

TEST_F(GameMenu, ReturnOpensTheMainMenuWhoseOtherEntriesDoNothing)
{
    StartWithoutHero();
    testing::internal::CaptureStdout();  // "NULL returned: 0" every frame
    Key(SDLK_RETURN);
    EXPECT_EQ(game().modes.Size(), 3u) << "the menu waits under the fade";
    ASSERT_TRUE(RunUntilActive(10));
    EXPECT_EQ(game().fade.level, 100 + 2) << "the map fades out by 6 a frame";
    EXPECT_EQ(harness->Pixel(100, 300), kBlack);
    EXPECT_EQ(Text(450, 27, 14), "MENU PRINCIPAL");
    EXPECT_EQ(Text(475, 49 + 22 * 2), "\xC9quipement");

    // Saving, loading and quitting too: no settings ask for them.
    for (int entry : {0, 6, 7, 8, 9, 10, 1}) {
        for (int i = 0; i < 11 && game().mainMenu.selected != entry; ++i)
            Key(game().mainMenu.selected < entry ? SDLK_DOWN : SDLK_UP);
        Key(SDLK_q);
        harness->RunFrames(2);
        EXPECT_EQ(game().modes.Size(), entry == 1 ? 3u : 2u) << "entry " << entry;
    }
    EXPECT_FALSE(game().QuitRequested());
    ASSERT_TRUE(RunUntilActive(11));
    EXPECT_EQ(Text(450, 308), "Quel h\xE9ros?");
    Key(SDLK_q);
    harness->RunFrames(2);
    EXPECT_EQ(game().modes.Size(), 3u) << "no hero, no statistics";
    Key(SDLK_w);
    EXPECT_TRUE(RunUntilActive(10));
    Key(SDLK_w);
    EXPECT_TRUE(RunUntil([&] { return game().modes.Size() == 1 && game().modes.TopType() == 2; }));
    testing::internal::GetCapturedStdout();
}

// Two heroes share identifier 1: whichever is chosen, the first in the hero
// list (drawn first: the one higher on the map) is shown and priced.
TEST_F(GameMenu, StatisticsShowTheHeroAndConvertExperience)
{
    StartWorld();
    EXPECT_EQ(harness->Pixel(100, 300), PlayedWorld::kGrass);
    CHero& second = game().map.AddHero(1, "Bran", 0);
    second.tileY = 10;
    second.stats.dodge = 9;
    OpenStatistics(1);
    EXPECT_EQ(game().heroList.selected, 1) << "both heroes are listed";
    EXPECT_EQ(harness->Pixel(300, 300), kBlack) << "the map has faded to black";
    const char* newHero[] = {"500", "12", "15", "", "1200", "700", "", "10", "12", "3",
                             "8",   "",   "14", "7", "2",   "",    "5", "3",  "1"};
    for (int row = 0; row < 19; ++row)
        EXPECT_EQ(Stat(row), newHero[row]) << "row " << row;
    EXPECT_EQ(Text(252, 27), "Convertir:");
    EXPECT_EQ(Text(277, 49) + "/" + Text(277, 71), "XP Physique/XP Magique");
    EXPECT_EQ(Text(252, 369, 31), "A partir de ce panneau vous");

    OpenList(1);
    const char* magical[] = {"HPMax (1000)", "MPMax (145)", "Magie (197)", "Aura  (50)",
                             "Rang  (784)",  "MAPT  (6400)", ""};
    for (int row = 0; row < 7; ++row)
        EXPECT_EQ(ListItem(row), magical[row]) << "row " << row;
    Key(SDLK_UP);
    EXPECT_EQ(Text(252, 369, 31), "Augmente votre maximum de") << "help where the cursor stood still";

    // Rang costs 784 of 700: refused, nothing changes, the list closes.
    for (int i = 0; i < 4; ++i)
        Key(SDLK_DOWN);
    Key(SDLK_q);
    ASSERT_TRUE(RunUntilActive(13));
    EXPECT_EQ(Text(252, 369, 31) + Text(252, 391, 31), "Vous n'avez pas assezd'exp\xE9rience magique pour");
    EXPECT_EQ(Stat(5) + "/" + Stat(14), "700/2");

    OpenList(0);
    const char* physical[] = {"HPMax (1000)", "EPMax (226)", "Att.  (101)", "Ma\xEEt. (145)",
                              "Esqu. (10)", "R\xE9si. (65)", "MAPT  (6400)"};
    for (int row = 0; row < 7; ++row)
        EXPECT_EQ(ListItem(row), physical[row]) << "row " << row;
    Key(SDLK_q);  // the cursor kept row 4: Esquive
    harness->RunFrames(1);
    EXPECT_EQ(Text(252, 369, 31), "Esquive major\xE9" "e de 1!");
    EXPECT_EQ(Stat(9) + "/" + Stat(4), "4/1190");
    ASSERT_TRUE(RunUntilActive(13));
    OpenList(0);
    EXPECT_EQ(ListItem(4), "Esqu. (17)");

    // Back out: the text box goes at once, then screen by screen to the map.
    Key(SDLK_w);
    EXPECT_EQ(harness->Pixel(300, 400), kBlack);
    for (std::uint16_t below : {13, 12, 11, 10}) {
        ASSERT_TRUE(RunUntilActive(below));
        Key(SDLK_w);
    }
    ASSERT_TRUE(RunUntil([&] { return game().modes.TopType() == 3; }));
    ASSERT_TRUE(RunUntil([&] { return game().modes.TopType() == 2; }));
    EXPECT_EQ(game().modes.Size(), 1u);
    EXPECT_EQ(harness->Pixel(100, 300), PlayedWorld::kGrass) << "the map has faded back in";
}

TEST_F(GameMenu, ScreensThatDoNotExistYetSaySoAndCanBeLeft)
{
    StartWorld();
    Key(SDLK_RETURN);
    ASSERT_TRUE(RunUntilActive(10));
    Key(SDLK_DOWN);
    for (std::uint16_t mode = 15; mode <= 18; ++mode) {
        Key(SDLK_DOWN);
        Key(SDLK_q);
        ASSERT_TRUE(RunUntilActive(11));
        Key(SDLK_q);
        ASSERT_TRUE(RunUntilActive(mode));
        EXPECT_EQ(Text(252, 369, 31), "Cet \xE9" "cran n'est pas encore");
        Key(SDLK_w);
        ASSERT_TRUE(RunUntilActive(11)) << mode;
        Key(SDLK_w);
        ASSERT_TRUE(RunUntilActive(10)) << mode;
    }
}
