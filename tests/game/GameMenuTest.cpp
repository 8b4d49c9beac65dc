#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "support/GameHarness.h"
#include "support/MapFileBuilder.h"
#include "support/TempDir.h"
#include "support/TestTexture.h"
#include "widgets/DefaultFontTexture.h"

namespace {

const GLuint kGroundTexture = 1;
const GLuint kCodedGlyphs = 903;
const Rgba kRed{255, 0, 0, 255};

// Stands in for the game's keyboard handler: its map and menu branches.
class MenuKeysGame : public CGame {
public:
    void Update(float elapsedMs) override
    {
        Uint8* keys = KeyStates();
        auto take = [keys](SDLKey sym) {
            const bool held = keys[sym] != 0;
            keys[sym] = 0;
            return held;
        };
        const std::uint16_t type = modes.TopType();
        const bool menuList = type == 10 || type == 11 || type == 13 || type == 14;
        if (type == 2 && take(SDLK_RETURN)) {
            modes.Push(10, ModeOpening);
            FadeOut(6);
        } else {
            if (menuList)
                MenuCursorKeys();
            if (take(SDLK_q)) {
                if (modes.TopState() == ModeActive && menuList)
                    ConfirmMenu();
                else if (modes.TopState() == ModeOpening && WidgetForMode(type))
                    WidgetForMode(type)->ShowInstantly();
            }
            if (take(SDLK_w))
                BackOutOfMenu();
        }
        CGame::Update(elapsedMs);
    }
};

// The menu on a map of red ground, with text drawn from a glyph sheet in
// which every cell is one flat colour that names its byte: red = the byte,
// green and blue full. Reading a glyph's centre pixel reads the character.
class GameMenu : public ::testing::Test {
protected:
    void SetUp() override
    {
        MapFileBuilder field(20, 15, 1);
        field.Texture(kGroundTexture, "ground.tga");
        for (int y = 0; y < 15; ++y)
            for (int x = 0; x < 20; ++x)
                field.Tile(0, x, y, kGroundTexture, 0);
        world.Write("map/field.map", field.Bytes());

        run = std::make_unique<GameHarness>(world.Path(), std::make_unique<MenuKeysGame>());
        run->Start();
        ASSERT_TRUE(game().map.LoadMap("field"));
        UploadTestTexture(kGroundTexture, 64, [](int, int) { return kRed; });
        UploadTestTexture(kCodedGlyphs, 256, [](int x, int y) {
            return Rgba{std::uint8_t((y / 16) * 16 + x / 16), 255, 255, 255};
        });
        defaultFontTexture = kCodedGlyphs;
        game().modes.Clear();
        game().modes.Push(2, 0);
        game().fade.level = 0;
    }

    void TearDown() override { defaultFontTexture = 0; }

    CGame& game() { return run->Game(); }

    // One press, seen by the next frame's handler, released after it.
    void Key(SDLKey sym)
    {
        run->Press(sym);
        run->RunFrames(1);
        run->Release(sym);
    }

    // Runs frames until the condition holds; false after `limit` frames.
    bool RunUntil(const std::function<bool()>& condition, int limit = 200)
    {
        for (int i = 0; i < limit; ++i) {
            if (condition())
                return true;
            run->RunFrames(1);
        }
        return condition();
    }
    bool RunUntilActive(std::uint16_t type)
    {
        return RunUntil([&] {
            return game().modes.TopType() == type && game().modes.TopState() == ModeActive;
        });
    }

    // Up to `count` characters of the line whose pen starts at (x, baseline),
    // with trailing spaces removed; stops at the first pixel that is not a
    // glyph.
    std::string Text(int x, int baseline, int count = 40)
    {
        std::string text;
        for (int i = 0; i < count && x + 12 * i + 8 < game().Width(); ++i) {
            const Rgba p = run->Pixel(x + 12 * i + 8, baseline - 8);
            if (p.g != 255 || p.b != 255)
                break;
            text += static_cast<char>(p.r);
        }
        return text.substr(0, text.find_last_not_of(' ') + 1);
    }

    // The value column of a statistics row.
    std::string Stat(int row) { return Text(10 + 12 * 12, 27 + 22 * row, 6); }
    // A row of the conversion list; of the main menu.
    std::string ListItem(int row) { return Text(277, 110 + 22 * row); }
    std::string MainMenuItem(int row) { return Text(475, 49 + 22 * row); }

    // From the map to the statistics of the hero in the hero list's row.
    void OpenStatistics(int heroRow = 0)
    {
        Key(SDLK_RETURN);
        ASSERT_TRUE(RunUntilActive(10));
        while (game().mainMenu.selected > 1)
            Key(SDLK_UP);
        while (game().mainMenu.selected < 1)
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
        while (game().conversionChoice.selected < poolRow)
            Key(SDLK_DOWN);
        while (game().conversionChoice.selected > poolRow)
            Key(SDLK_UP);
        Key(SDLK_q);
        ASSERT_TRUE(RunUntilActive(14));
    }

    TempDir world;
    std::unique_ptr<GameHarness> run;
};

}  // namespace

TEST_F(GameMenu, ReturnFadesTheMapOutAndOpensTheMainMenuWhoseOtherEntriesDoNothing)
{
    game().map.AddHero(1, "Ayla", 0);
    run->RunFrames(1);
    EXPECT_EQ(run->Pixel(100, 300), kRed);

    Key(SDLK_RETURN);
    EXPECT_EQ(game().modes.Size(), 3u) << "the menu waits under the fade";
    ASSERT_TRUE(RunUntilActive(10));
    EXPECT_EQ(run->Pixel(100, 300), (Rgba{0, 0, 0, 255})) << "the map has faded to black";
    EXPECT_EQ(Text(450, 27, 14), "MENU PRINCIPAL");
    EXPECT_EQ(MainMenuItem(0), "Carte");
    EXPECT_EQ(MainMenuItem(2), "\xC9quipement");
    EXPECT_EQ(MainMenuItem(10), "Quitter");

    for (int entry : {0, 6, 7, 8, 9, 10}) {
        while (game().mainMenu.selected < entry)
            Key(SDLK_DOWN);
        Key(SDLK_q);
        run->RunFrames(2);
        EXPECT_EQ(game().modes.Size(), 2u) << "entry " << entry;
        EXPECT_EQ(game().modes.TopState(), ModeActive) << "entry " << entry;
    }
    Key(SDLK_DOWN);
    EXPECT_EQ(game().mainMenu.selected, 10) << "the cursor stops on the last entry";
}

TEST_F(GameMenu, StatisticsShowTheHeroAndConvertExperience)
{
    game().map.AddHero(1, "Ayla", 0);
    OpenStatistics();
    const char* newHero[] = {"500", "12", "15", "", "1200", "700", "", "10", "12", "3",
                             "8",   "",   "14", "7", "2",   "",    "5", "3",  "1"};
    for (int row = 0; row < 19; ++row)
        EXPECT_EQ(Stat(row), newHero[row]) << "row " << row;
    EXPECT_EQ(Text(10, 27 + 22 * 8, 8), "Ma\xEEtrise");
    EXPECT_EQ(Text(252, 27), "Convertir:");
    EXPECT_EQ(Text(277, 49), "XP Physique");
    EXPECT_EQ(Text(277, 71), "XP Magique");
    EXPECT_EQ(Text(252, 369, 31), "A partir de ce panneau vous");

    OpenList(1);
    const char* magical[] = {"HPMax (1000)", "MPMax (145)", "Magie (197)",
                             "Aura  (50)",   "Rang  (784)", "MAPT  (6400)"};
    for (int row = 0; row < 6; ++row)
        EXPECT_EQ(ListItem(row), magical[row]) << "row " << row;
    EXPECT_EQ(ListItem(6), "") << "six rows only";
    Key(SDLK_UP);
    EXPECT_EQ(Text(252, 369, 31), "Augmente votre maximum de") << "help even where the cursor stood still";

    // Rang costs 784 of 700: refused, nothing changes, the list closes.
    for (int i = 0; i < 4; ++i)
        Key(SDLK_DOWN);
    EXPECT_EQ(game().menuTextBox.pages.front().substr(0, 25), "Augmente votre Rang de 1.");
    Key(SDLK_q);
    EXPECT_EQ(game().menuTextBox.pages.front(),
              "Vous n'avez pas assez\nd'exp\xE9rience magique pour\naugmenter cette statistique. ");
    ASSERT_TRUE(RunUntilActive(13));
    EXPECT_EQ(Stat(5), "700");
    EXPECT_EQ(Stat(14), "2");

    OpenList(0);
    const char* physical[] = {"HPMax (1000)", "EPMax (226)", "Att.  (101)", "Ma\xEEt. (145)",
                              "Esqu. (10)",   "R\xE9si. (65)", "MAPT  (6400)"};
    for (int row = 0; row < 7; ++row)
        EXPECT_EQ(ListItem(row), physical[row]) << "row " << row;

    // The cursor kept row 4 of the magical list: Esquive.
    Key(SDLK_DOWN);
    Key(SDLK_UP);
    EXPECT_EQ(Text(252, 369, 31), "Augmente votre statistique");
    Key(SDLK_q);
    run->RunFrames(1);
    EXPECT_EQ(Text(252, 369, 31), "Esquive major\xE9" "e de 1!");
    EXPECT_EQ(Stat(9), "4");
    EXPECT_EQ(Stat(4), "1190");
    ASSERT_TRUE(RunUntilActive(13));
    OpenList(0);
    EXPECT_EQ(ListItem(4), "Esqu. (17)");

    // Back out: the text box goes at once, then screen by screen to the map.
    Key(SDLK_w);
    EXPECT_EQ(game().menuTextBox.state, WidgetState::Closed);
    EXPECT_EQ(run->Pixel(300, 400), (Rgba{0, 0, 0, 255}));
    for (std::uint16_t below : {13, 12, 11, 10}) {
        ASSERT_TRUE(RunUntilActive(below));
        Key(SDLK_w);
    }
    ASSERT_TRUE(RunUntil([&] { return game().modes.TopType() == 3; }));
    EXPECT_EQ(game().modes.Size(), 2u) << "the fade over the map";
    ASSERT_TRUE(RunUntil([&] { return game().modes.TopType() == 2; }));
    EXPECT_EQ(run->Pixel(100, 300), kRed) << "the map has faded back in";
}

TEST_F(GameMenu, ScreensThatDoNotExistYetSaySoAndCanBeLeft)
{
    game().map.AddHero(1, "Ayla", 0);
    Key(SDLK_RETURN);
    ASSERT_TRUE(RunUntilActive(10));
    Key(SDLK_DOWN);
    for (std::uint16_t mode = 15; mode <= 18; ++mode) {
        Key(SDLK_DOWN);
        Key(SDLK_q);
        ASSERT_TRUE(RunUntilActive(11));
        EXPECT_EQ(Text(450, 308), "Quel h\xE9ros?");
        EXPECT_EQ(Text(475, 330), "Ayla");
        Key(SDLK_q);
        ASSERT_TRUE(RunUntilActive(mode)) << mode;
        EXPECT_EQ(Text(252, 369, 31), "Cet \xE9" "cran n'est pas encore");
        Key(SDLK_w);
        ASSERT_TRUE(RunUntilActive(11)) << mode;
        Key(SDLK_w);
        ASSERT_TRUE(RunUntilActive(10)) << mode;
    }
}

// No hero: the hero list is empty and confirming it does nothing. Two heroes
// sharing an identifier: both are listed, and either shows the first.
TEST_F(GameMenu, HeroListWithoutHeroesOrWithASharedIdentifier)
{
    Key(SDLK_RETURN);
    ASSERT_TRUE(RunUntilActive(10));
    Key(SDLK_DOWN);
    Key(SDLK_q);
    ASSERT_TRUE(RunUntilActive(11));
    Key(SDLK_q);
    run->RunFrames(3);
    EXPECT_EQ(game().modes.TopType(), 11);
    EXPECT_EQ(game().modes.Size(), 3u);
    Key(SDLK_w);
    ASSERT_TRUE(RunUntilActive(10));
    Key(SDLK_w);
    ASSERT_TRUE(RunUntil([&] { return game().modes.TopType() == 2; }));

    game().map.AddHero(4, "Premier", 0).stats.dodge = 9;
    game().map.AddHero(4, "Second", 0);
    OpenStatistics(1);
    EXPECT_EQ(game().heroList.selected, 1);
    EXPECT_EQ(Stat(9), "9");
    OpenList(0);
    EXPECT_EQ(ListItem(4), "Esqu. (82)");
}
