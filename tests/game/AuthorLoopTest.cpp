// The author's loop on the real game: a world of any name packed by
// tessel-pack and started from elsewhere with the command line, test-play
// of a chosen map, preset globals, and developer mode's reload, overlay and
// on-screen errors.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <sstream>

#include "game/LaunchOptions.h"
#include "game/PlayedWorld.h"
#include "support/TempDir.h"
#include "support/TgaFileBuilder.h"
#include "support/ToolRun.h"

namespace {

const Rgba kMeadow{30, 150, 70, 255};
const Rgba kSand{220, 200, 120, 255};
const char* const kTitle = "Glimmerford, the Ford of Lights";

std::vector<std::uint8_t> SolidTga(int side, const Rgba& colour)
{
    TestPicture picture;
    picture.width = picture.height = static_cast<std::uint32_t>(side);
    picture.pixels.assign(side * side, PicturePixel{colour.r, colour.g, colour.b, 255});
    return TgaFileBuilder(2, side, side, 24).RawPicture(picture).Build();
}

// The sources of the world "Glimmerford": one 20 x 15 map "field" of one
// ground tile whose start script puts the hero on (9, 9), and a step-on
// script on (4, 7).
class GlimmerfordSources {
public:
    GlimmerfordSources()
    {
        sources.Write("world.json",
                      "{\n  \"name\": \"Glimmerford\",\n  \"title\": \"Glimmerford, the Ford of Lights\",\n"
                      "  \"start_script\": 1,\n"
                      "  \"scripts\": [ { \"source\": \"scripts/main.tsl.txt\", \"file\": \"main.tsl\" } ],\n"
                      "  \"textures\": [ { \"texture\": 100, \"source\": \"art/hero.tga\", \"file\": \"hero.tga\" } ],\n"
                      "  \"maps\": [ { \"source\": \"maps/field.tmx\", \"name\": \"field\" } ]\n}\n");
        sources.Write("scripts/main.tsl.txt",
                      "@script 1\nCreateHeros 1 , \"Aline\" , 100 ;\nSetHerosActif 1 ;\n"
                      "SetHeros 1 , BAS , 2 , 2 , 0 , 0 ;\n"
                      "Console \"start \" GREETING \" \" GOLD \" \" RATE \"\\n\" ;\n"
                      "LoadMap \"field\" ;\nFadeIn ;\n"
                      "@script 35 the map's start places the hero itself\nSetHeros 1 , HAUT , 9 , 9 , 0 , 0 ;\n"
                      "@script 30\nConsole \"step\" TILEX \",\" TILEY \"\\n\" ;\n"
                      "@script 40 the rest of the game sets them\n"
                      "SetGlobalString \"GREETING\" , \"salut\" ;\nSetGlobalNum \"GOLD\" , 0 ;\n"
                      "SetGlobalNum \"RATE\" , 1 ;\n");
        sources.Write("art/hero.tga", SolidTga(32, PlayedWorld::kHero));
        Ground(kMeadow);
        std::string csv;
        for (int i = 0; i < 20 * 15; ++i)
            csv += std::string("1") + (i + 1 < 20 * 15 ? "," : "") + ((i + 1) % 20 ? "" : "\n");
        sources.Write("maps/field.tmx",
                      "<map orientation=\"orthogonal\" width=\"20\" height=\"15\" tilewidth=\"32\" tileheight=\"32\">\n"
                      " <properties><property name=\"start_script\" type=\"int\" value=\"35\"/></properties>\n"
                      " <tileset firstgid=\"1\" name=\"ground\" tilewidth=\"32\" tileheight=\"32\" columns=\"16\">\n"
                      "  <properties><property name=\"texture\" type=\"int\" value=\"10\"/></properties>\n"
                      "  <image source=\"../art/ground.tga\" width=\"512\" height=\"512\"/>\n </tileset>\n"
                      " <layer name=\"ground\" width=\"20\" height=\"15\"><data encoding=\"csv\">\n" +
                          csv + "</data></layer>\n"
                      " <objectgroup name=\"events\"><object type=\"step\" x=\"128\" y=\"224\" width=\"32\" height=\"32\">\n"
                      "  <properties><property name=\"script\" type=\"int\" value=\"30\"/></properties>\n"
                      " </object></objectgroup>\n</map>\n");
    }

    void Ground(const Rgba& colour) const { sources.Write("art/ground.tga", SolidTga(512, colour)); }
    ToolRun Pack() const { return ToolRun::Of("tessel-pack", "'" + sources.Path() + "' -o game", packing); }
    std::string GameFolder() const { return packing.File("game"); }

private:
    TempDir sources;
    TempDir packing;
};

// The game as `tessel ARGUMENTS` starts it, run from another folder: the
// command line is parsed and the game folder entered before the game is
// made, as the program does.
class LaunchedGame {
public:
    explicit LaunchedGame(std::vector<const char*> arguments)
        : before(std::filesystem::current_path().string())
    {
        std::filesystem::current_path(elsewhere.Path());
        arguments.insert(arguments.begin(), "tessel");
        std::ostringstream out, err;
        launched = options.Parse(static_cast<int>(arguments.size()), arguments.data(), out, err) &&
                   options.EnterGameFolder(err);
        EXPECT_TRUE(launched) << err.str();
        auto made = std::make_unique<CGame>();
        options.ApplyTo(*made);
        harness = std::make_unique<GameHarness>("", std::move(made));
        harness->Start();
        game().scriptEngine.SetOutput(console);
    }
    ~LaunchedGame()
    {
        harness.reset();
        std::filesystem::current_path(before);
    }

    CGame& game() { return harness->Game(); }
    GameHarness& run() { return *harness; }
    int UntilExploring()
    {
        return harness->RunUntil([&] {
            return game().modes.Size() == 1 && game().modes.TopType() == 2 && !game().fade.active &&
                   game().scriptEngine.RunQueue().empty() && game().scriptEngine.CommandQueue().empty() &&
                   !game().developer.TestPlayPending();
        });
    }
    std::string Printed()
    {
        std::string text = console.str();
        console.str("");
        return text;
    }
    bool launched = false;

private:
    std::string before;
    TempDir elsewhere;
    LaunchOptions options;
    std::unique_ptr<GameHarness> harness;
    std::ostringstream console;
};

// Whether any pixel of the square of side 2 * radius + 1 around (x, y) has
// the colour: lines are drawn one pixel wide, wherever rasterising puts them.
bool ColourAround(const GameHarness& run, int x, int y, const Rgba& colour, int radius = 1)
{
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx)
            if (run.Pixel(x + dx, y + dy).Near(colour, 6))
                return true;
    return false;
}

} // namespace

TEST(AuthorLoop, AWorldOfAnyNameStartsFromAnotherFolderUnderItsTitle)
{
    GlimmerfordSources world;
    const ToolRun pack = world.Pack();
    ASSERT_EQ(pack.status, 0) << pack.out << pack.err;
    EXPECT_EQ(pack.err.find("not started"), std::string::npos) << pack.err;

    const std::string folder = world.GameFolder();
    LaunchedGame launched({folder.c_str(), "--set", "GREETING=bonjour", "--set", "GOLD=12", "--set", "RATE=0.5"});
    ASSERT_TRUE(launched.launched);
    EXPECT_STREQ(launched.game().Caption(), kTitle);
    EXPECT_EQ(launched.game().world.fileName, "wor\\Glimmerford.world");
    ASSERT_GT(launched.UntilExploring(), 0);
    // The start script saw the globals of the command line, of their kinds.
    EXPECT_EQ(launched.Printed(), "start bonjour 12 0.5\n");
    EXPECT_EQ(launched.game().scriptEngine.GetGlobal("GOLD").kind, CScriptValue::kInt);
    EXPECT_EQ(launched.game().scriptEngine.GetGlobal("RATE").kind, CScriptValue::kFloat);
    EXPECT_EQ(launched.game().map.Name(), "field");
    launched.run().RunFrames(1);
    EXPECT_TRUE(launched.run().Pixel(450, 100).Near(kMeadow, 3)) << "the packed ground is drawn";
    EXPECT_TRUE(launched.run().Pixel(9 * 32 + 16, 9 * 32 + 16).Near(PlayedWorld::kHero, 3)) << "and the hero on it";
}

TEST(AuthorLoop, TestPlayPutsTheHeroOnTheTileAndStepsStartScripts)
{
    GlimmerfordSources world;
    ASSERT_EQ(world.Pack().status, 0);
    const std::string folder = world.GameFolder();
    LaunchedGame launched({folder.c_str(), "--map", "field", "--at", "3,7"});
    ASSERT_GT(launched.UntilExploring(), 0);
    const CHero* hero = launched.game().map.FindHero(1);
    ASSERT_NE(hero, nullptr);
    EXPECT_EQ((std::vector<int>{hero->tileX, hero->tileY, hero->facing}), (std::vector<int>{3, 7, 1})) << "facing down";
    EXPECT_FALSE(launched.game().developer.TestPlayPending());
    launched.Printed();

    // One step right reaches the step-on tile (4, 7).
    launched.run().Press(SDLK_RIGHT);
    const int frames = launched.run().RunUntil([&] { return hero->tileX == 4; }, 60);
    launched.run().Release(SDLK_RIGHT);
    ASSERT_GT(frames, 0);
    launched.run().RunFrames(2);
    EXPECT_EQ(launched.Printed(), "step4,7\n");
}

TEST(AuthorLoop, TestPlayWithoutAHeroSaysSo)
{
    PlayedWorld world;
    world.Folder().World({{1, "LoadMap \"m\" ;"}}, 1);
    world.beforeStart = [](CGame& game) { game.developer.TestPlay("n", true, 1, 1); };
    testing::internal::CaptureStderr();
    world.StartAgain();
    world.run().RunUntil([&] { return !world.game().developer.TestPlayPending(); }, 50);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "--at 1,1: the world has no active hero to place\n");
    EXPECT_EQ(world.game().map.Name(), "n") << "the map is loaded all the same";
}

TEST(AuthorLoop, F8ReloadsARepackedGroundWithoutARestart)
{
    GlimmerfordSources world;
    ASSERT_EQ(world.Pack().status, 0);
    const std::string folder = world.GameFolder();
    LaunchedGame launched({folder.c_str(), "--dev", "--set", "GOLD=3"});
    ASSERT_GT(launched.UntilExploring(), 0);
    CGame& game = launched.game();
    game.developer.watchPeriodMs = 3600 * 1000;  // only F8 reloads
    game.scriptEngine.SetGlobal("GOLD", CScriptValue(std::int32_t(40)));
    // The hero walks a little, so that its place is not the map's.
    launched.run().Press(SDLK_RIGHT);
    launched.run().RunFrames(5);
    launched.run().Release(SDLK_RIGHT);
    launched.run().RunFrames(1);
    const auto place = [&] {
        const CHero* hero = game.map.FindHero(1);
        return hero ? std::vector<int>{hero->tileX, hero->offsetX, hero->tileY, hero->facing} : std::vector<int>{};
    };
    const std::vector<int> before = place();
    EXPECT_TRUE(launched.run().Pixel(450, 100).Near(kMeadow, 3));

    // The packer replaces the whole game folder.
    world.Ground(kSand);
    ASSERT_EQ(world.Pack().status, 0);
    launched.run().RunFrames(1);
    EXPECT_TRUE(launched.run().Pixel(450, 100).Near(kMeadow, 3)) << "nothing changes before F8";
    launched.run().Tap(SDLK_F8);
    launched.run().RunFrames(1);
    EXPECT_TRUE(launched.run().Pixel(450, 100).Near(kSand, 3)) << "the new ground tile is shown";
    EXPECT_EQ(place(), before) << "the hero stays where it walked";
    EXPECT_EQ(game.scriptEngine.GetGlobal("GOLD").AsInt(), 40) << "globals stay";
    EXPECT_EQ(game.map.Name(), "field");
    EXPECT_EQ(game.modes.TopType(), 2);
    EXPECT_FALSE(game.KeyHeld(SDLK_F8)) << "developer keys stay out of the game's key table";
}

TEST(AuthorLoop, WithoutDeveloperModeF3AndF8DoNothing)
{
    PlayedWorld world;
    ASSERT_GT(world.UntilExploring(), 0);
    world.Folder().SolidPicture("grass.tga", 0, 0, 255);
    for (SDLKey key : {SDLK_F3, SDLK_F8}) {
        world.run().Tap(key);
        world.run().RunFrames(1);
        EXPECT_TRUE(world.run().Pixel(5, 5).Near(PlayedWorld::kGrass, 3)) << key;
    }
    EXPECT_FALSE(world.game().developer.overlayShown);
    EXPECT_FALSE(world.game().developer.WatchedFilesChanged()) << "nothing is watched";
}

TEST(AuthorLoop, TheOverlayComesAndGoesWithF3)
{
    PlayedWorld world;
    world.beforeStart = [](CGame& game) { game.developer.enabled = true; };
    world.StartAgain();
    ASSERT_GT(world.UntilExploring(), 0);
    world.game().scriptEngine.SetGlobal("Tresor", CScriptValue(std::string("or")));
    world.run().RunFrames(1);
    EXPECT_TRUE(world.run().Pixel(5, 5).Near(PlayedWorld::kGrass, 3));

    world.run().Tap(SDLK_F3);
    world.run().RunFrames(1);
    EXPECT_TRUE(world.game().developer.overlayShown);
    const Rgba shaded = world.run().Pixel(5, 5);
    EXPECT_LT(shaded.g, PlayedWorld::kGrass.g / 2) << "the overlay's panel darkens the map";
    // The hero's collision box (green) and the NPC's (yellow), and the
    // action point (red) one box width right of the hero's box centre.
    EXPECT_TRUE(ColourAround(world.run(), 5 * 32 + 16, 5 * 32 + 16, Rgba{51, 255, 51, 255}));
    EXPECT_TRUE(ColourAround(world.run(), 6 * 32 + 16, 5 * 32 + 16, Rgba{255, 255, 51, 255}));
    EXPECT_TRUE(ColourAround(world.run(), 5 * 32 + 16 + 24, 5 * 32 + 24, Rgba{255, 25, 25, 255}));
    EXPECT_FALSE(ColourAround(world.run(), 300, 400, Rgba{51, 255, 51, 255}, 3));

    const std::vector<std::string> lines = world.game().developer.OverlayLines(world.game(), 100);
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(lines[0].rfind("frame ", 0), 0u) << lines[0];
    EXPECT_EQ(lines[1], "map m");
    EXPECT_EQ(lines[2], "hero 1 tile 5,5 pixel 160,160 facing right");
    EXPECT_EQ(lines[3], "tile 5,5 action 0 step-on 0");
    EXPECT_NE(std::find(lines.begin(), lines.end(), " Tresor = \"or\""), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), " CarteEnCours = \"m\""), lines.end());
    EXPECT_EQ(world.game().developer.OverlayLines(world.game(), 6).size(), 6u) << "as many globals as fit";

    world.run().Tap(SDLK_F3);
    world.run().RunFrames(1);
    EXPECT_FALSE(world.game().developer.overlayShown);
    EXPECT_TRUE(world.run().Pixel(5, 5).Near(PlayedWorld::kGrass, 3));
    EXPECT_TRUE(world.run().Pixel(5 * 32 + 4, 5 * 32 + 16).Near(PlayedWorld::kHero, 3));
}

TEST(AuthorLoop, InDeveloperModeErrorsAreShownOnScreen)
{
    PlayedWorld world({{60, "LoadMap \"absent\" ;"}, {61, "SetHeros 9 ;"}, {62, "Console \"cut\""}});
    world.beforeStart = [](CGame& game) { game.developer.enabled = true; };
    world.StartAgain();
    ASSERT_TRUE(world.RunWhenExploring(61));
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    world.run().RunFrames(2);
    world.Run(60);
    world.run().RunFrames(2);
    world.Run(62);
    world.run().RunFrames(1);
    const std::string err = testing::internal::GetCapturedStderr();
    testing::internal::GetCapturedStdout();
    EXPECT_NE(err.find("map\\absent.map: "), std::string::npos) << err;
    EXPECT_NE(err.find("SetHeros: 5 argument(s) missing"), std::string::npos) << err;
    const std::vector<std::string> shown = world.game().developer.ShownErrors();
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(shown[0], "H\xE9ros inexistant! (id 9) dans la fonction SetHeros");
    EXPECT_EQ(shown[1].rfind("SetHeros: 5 argument(s) missing", 0), 0u) << shown[1];
    EXPECT_EQ(shown[2].rfind("map\\absent.map: ", 0), 0u) << shown[2];
    EXPECT_EQ(shown[3], "script 62 stopped: its text ends in the middle of a statement") << "newest last";
    // Their panel lies along the bottom of the window.
    const Rgba panel = world.run().Pixel(5, 475);
    EXPECT_TRUE(panel.r < 20 && panel.g < 20) << panel;
}

TEST(AuthorLoop, PlayersSeeNoErrorsOnScreen)
{
    PlayedWorld world({{60, "LoadMap \"absent\" ;"}, {62, "Console \"cut\""}});
    ASSERT_TRUE(world.RunWhenExploring(60));
    world.Run(62);
    testing::internal::CaptureStderr();
    world.run().RunFrames(2);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("map\\absent.map: "), std::string::npos);
    EXPECT_EQ(err.find("script 62"), std::string::npos) << "a cut script ends quietly, as it always has";
    EXPECT_TRUE(world.game().developer.ShownErrors().empty());
}

TEST(AuthorLoop, ReloadKeepsTheRunQueueAndDropsAChangedRunningScript)
{
    const std::string changedStart = "Console \"new\\n\" ;";
    PlayedWorld world({{50, "Lire \"a\" ; bloque ; Console \"after\\n\" ;"}, {51, "Console \"old\\n\" ;"},
                       {52, "Console \"same\\n\" ;"}});
    world.StartAgainForDeveloperKeys();
    ASSERT_TRUE(world.RunWhenExploring(50));
    ASSERT_GT(world.UntilActive(), 0);
    world.Run(51);
    world.Run(52);
    world.Printed();
    // Script 50 waits in `bloque` behind its message; 51 and 52 wait their turn.
    world.Folder().World({{50, "Lire \"b\" ; bloque ; Console \"changed\\n\" ;"}, {51, changedStart},
                          {52, "Console \"same\\n\" ;"}},
                         1, {{10, "hero.tga"}});
    testing::internal::CaptureStderr();
    world.run().Tap(SDLK_F8);
    world.run().RunFrames(1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Reload: script 50 was running and has changed; it is dropped\n");
    world.run().Hit(SDLK_q);
    ASSERT_GT(world.UntilExploring(), 0);
    world.run().RunFrames(2);
    EXPECT_EQ(world.Printed(), "new\nsame\n");
}

TEST(AuthorLoop, AChangedFileIsReloadedByItself)
{
    PlayedWorld world;
    world.beforeStart = [](CGame& game) { game.developer.enabled = true; };
    world.StartAgain();
    ASSERT_GT(world.UntilExploring(), 0);
    EXPECT_FALSE(world.game().developer.WatchedFilesChanged());
    world.Folder().SolidPicture("grass.tga", 0, 0, 255);
    EXPECT_TRUE(world.game().developer.WatchedFilesChanged());
    // Real time passes between frames, as in play; the check comes about
    // once a second.
    world.game().SetFramePeriod(30);
    const int frames = world.run().RunUntil([&] { return world.run().Pixel(5, 5).Near(Rgba{0, 0, 255, 255}, 3); }, 150);
    EXPECT_GT(frames, 0) << "the new picture is shown";
    EXPECT_FALSE(world.game().developer.WatchedFilesChanged());
}

TEST(AuthorLoop, AWorldFileThatCannotBeReadReloadsNothing)
{
    PlayedWorld world;
    world.StartAgainForDeveloperKeys();
    ASSERT_GT(world.UntilExploring(), 0);
    const std::size_t scripts = world.game().scriptEngine.LoadedScripts().size();
    const std::string worldFile = world.FolderPath() + "/wor/Sylva.world";
    std::filesystem::rename(worldFile, worldFile + ".away");
    testing::internal::CaptureStderr();
    world.run().Tap(SDLK_F8);
    world.run().RunFrames(1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "wor\\Sylva.world: cannot be read; nothing is reloaded\n");
    EXPECT_EQ(world.game().scriptEngine.LoadedScripts().size(), scripts);
    EXPECT_EQ(world.game().map.Name(), "m");
    EXPECT_TRUE(world.run().Pixel(5, 5).Near(PlayedWorld::kGrass, 3));

    // Back again, it is watched and read as before.
    std::filesystem::rename(worldFile + ".away", worldFile);
    EXPECT_TRUE(world.game().developer.WatchedFilesChanged());
    world.run().Tap(SDLK_F8);
    world.run().RunFrames(1);
    EXPECT_EQ(world.game().world.textures.size(), 1u);
    EXPECT_EQ(world.game().scriptEngine.LoadedScripts().size(), scripts);
    EXPECT_FALSE(world.game().developer.WatchedFilesChanged());
}
