#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "support/FileContents.h"
#include "TiledTestMap.h"
#include "lib/OutputFolder.h"
#include "lib/Picture.h"
#include "world/MapFileReader.h"
#include "support/TempDir.h"
#include "support/TestPicture.h"
#include "support/ToolRun.h"

namespace fs = std::filesystem;

namespace {

const char* const kWorld = R"({
  "name": "Sylva",
  "start_script": 3,
  "font": { "texture": 1, "file": "font.tga" },
  "scripts": [ { "source": "scripts/village.tsl.txt", "file": "village.tsl" } ],
  "textures": [ { "texture": 100, "source": "art/hero.png", "file": "hero.tga" } ]
}
)";

const char* const kScripts = "@script 3 ouverture\n"
                             "SetFont 1 ;\n"
                             "CreateHeros 1 , \"A\xC3\xABl\" , 100 ;\n"
                             "Choix \"Entrer ?\" , HEROS , 1 , \"rep\" , \"Oui\" , \"Non\" ;\n"
                             "bloque\n"
                             "if rep == 0 then\n  LoadMap CartePre ;\nendif\n"
                             "@script 2\nLire \"\xE2\x80\x9C" "Bonjour\xE2\x80\x9D\" ;";

void WriteSources(const TempDir& dir, const std::string& folder, const std::string& world = kWorld,
                  int pictureWidth = 32)
{
    const Picture hero{pictureWidth, 64, 4, TestPicture::Tiles(std::uint32_t(pictureWidth), 64, true, 7).BytesTopDown(4)};
    dir.Write(folder + "/world.json", world);
    dir.Write(folder + "/scripts/village.tsl.txt", std::string(kScripts));
    dir.Write(folder + "/art/hero.png", hero.Png());
}

// The game folder's files and their bytes, but for the list of what was written.
std::map<std::string, std::string> Contents(const std::string& folder)
{
    std::map<std::string, std::string> files;
    for (const std::string& file : FolderFiles(folder))
        if (file != OutputFolder::kManifest)
            files[file] = FileText(folder + "/" + file);
    return files;
}

} // namespace

TEST(PackTool, PacksUnpacksAndPacksAgainToTheSameBytes)
{
    TempDir dir;
    std::string world = kWorld;
    world.replace(world.rfind('}'), 1, ",\n  \"maps\": [ { \"source\": \"maps/village.tmx\" } ],\n"
                                       "  \"title\": \"Le Gu\xC3\xA9\",\n  \"movement\": \"grid\"\n}");
    WriteSources(dir, "src", world);
    // The village map of the Tiled tests, with the scripts it starts.
    // Its character drawn from the world's texture 100.
    std::string village = Village(8, 6).Tmx();
    village.replace(village.find("\"300\""), 5, "\"100\"");
    dir.Write("src/maps/village.tmx", village);
    WriteSheetPng(dir.File("src/art/grass.png"), 0);
    WriteSheetPng(dir.File("src/art/house.png"), 100, true);
    dir.Write("src/scripts/village.tsl.txt", std::string(kScripts) +
                                                 "\n@script 12\n@script 40\nDire PNJ , IDMOI , \"Salut\" ;\n"
                                                 "@script 50\n@script 51\n");
    const ToolRun pack = ToolRun::Of("tessel-pack", "src -o game", dir);
    ASSERT_EQ(pack.status, 0) << pack.err;
    EXPECT_EQ(pack.err, "");
    const auto game = Contents(dir.File("game"));
    ASSERT_EQ(game.size(), 8u);
    // The settings file names the world and its title (kept in UTF-8) for
    // the game, and the way the hero walks.
    EXPECT_EQ(game.at("game.cfg"), "# Written by tessel-pack from world.json; the game reads it at start.\n"
                                   "world = Sylva\ntitle = Le Gu\xC3\xA9\nmovement = grid\n");
    MapFile map;
    ASSERT_TRUE(ParseMapFile(std::vector<std::uint8_t>(game.at("map/village.map").begin(),
                                                       game.at("map/village.map").end()),
                             map)
                    .accepted);
    ASSERT_EQ(map.textures.size(), 2u);
    for (const auto& texture : map.textures)
        EXPECT_EQ(game.count("tga/" + texture.file), 1u) << texture.file;
    EXPECT_EQ(game.at("wor/Sylva.world"), std::string("village.tsl\0\0\1\0font.tga\0d\0hero.tga\0\0\3\0", 38));
    EXPECT_EQ(game.at("tsl/village.tsl").substr(0, 41), std::string("\3\0SetFont 1 ;\nCreateHeros 1 , \"A\xEBl\" , 100", 41));
    EXPECT_NE(game.at("tsl/village.tsl").find("\"Entrer\xA0?\""), std::string::npos) << "a no-break space";
    EXPECT_NE(game.at("tsl/village.tsl").find(std::string("\2\0Lire \"\x93" "Bonjour\x94\" ;\0", 19)),
              std::string::npos);

    const ToolRun unpack = ToolRun::Of("tessel-pack", "--unpack game -o again", dir);
    ASSERT_EQ(unpack.status, 0) << unpack.err;
    const ToolRun repack = ToolRun::Of("tessel-pack", "again -o game2", dir);
    ASSERT_EQ(repack.status, 0) << repack.err;
    EXPECT_EQ(Contents(dir.File("game2")), game);

    // Packing again over the game folder replaces it.
    EXPECT_EQ(ToolRun::Of("tessel-pack", "src -o game", dir).status, 0);
    EXPECT_EQ(Contents(dir.File("game")), game);
}

TEST(PackTool, BadInputGivesOneClearLineAndNoGameFolder)
{
    const struct {
        int pictureWidth;
        bool removeScript;
        std::string err;
    } cases[] = {
        {32, true, "world.json:5:16: error: cannot open scripts/village.tsl.txt\n"},
        {48, false,
         "world.json:6:17: error: art/hero.png is 48 x 64 pixels; the game takes sides of 1, 2, 4, 8, 16, 32, 64, "
         "128, 256 or 512 pixels\n"},
    };
    for (const auto& c : cases) {
        TempDir dir;
        WriteSources(dir, "src", kWorld, c.pictureWidth);
        if (c.removeScript)
            fs::remove(dir.File("src/scripts/village.tsl.txt"));
        const ToolRun run = ToolRun::Of("tessel-pack", "src -o game", dir);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, c.err);
        EXPECT_EQ(run.out, "");
        for (const auto& entry : fs::directory_iterator(dir.Path()))
            EXPECT_EQ(entry.path().filename().string().find("game"), std::string::npos) << entry.path();
    }
}

TEST(PackTool, CheckWritesNothingAndWerrorFailsOnWarnings)
{
    TempDir dir;
    WriteSources(dir, "src");
    dir.Write("src/scripts/village.tsl.txt", std::string(kScripts) + "\nFadeIn// fondu\n");
    const std::string warning = "scripts/village.tsl.txt:11:1: warning: \"FadeIn\" is glued to \"//\" and is "
                                "dropped with the comment\n";
    const ToolRun check = ToolRun::Of("tessel-pack", "src --check", dir);
    EXPECT_EQ(check.status, 0);
    EXPECT_EQ(check.err, warning);
    EXPECT_FALSE(fs::exists(dir.File("game")));
    const ToolRun strict = ToolRun::Of("tessel-pack", "src -o game --werror", dir);
    EXPECT_EQ(strict.status, 1);
    EXPECT_EQ(strict.err, "scripts/village.tsl.txt:11:1: error: \"FadeIn\" is glued to \"//\" and is dropped "
                          "with the comment\n");
    EXPECT_FALSE(fs::exists(dir.File("game")));

    // A folder that is not a game is never replaced.
    dir.Write("notes/letter.txt", std::string("keep me"));
    const ToolRun refused = ToolRun::Of("tessel-pack", "src -o notes", dir);
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, warning + "notes: error: is not empty and holds no \"wor\": it is no folder this tool "
                                     "made, and is not replaced\n");
    EXPECT_TRUE(fs::exists(dir.File("notes/letter.txt")));

    // Without SetFont nothing shows text.
    dir.Write("src/scripts/village.tsl.txt", std::string("@script 3\nFadeIn ;\n"));
    const ToolRun fontless = ToolRun::Of("tessel-pack", "src --check", dir);
    EXPECT_EQ(fontless.status, 0);
    EXPECT_EQ(fontless.err, "world.json:4:11: warning: no script calls SetFont, so texts have no glyph sheet to be "
                            "drawn from; start the game with \"SetFont <texture name of the font> ;\"\n");

    const ToolRun usage = ToolRun::Of("tessel-pack", "src", dir);
    EXPECT_EQ(usage.status, 2);
    EXPECT_EQ(ToolRun::Of("tessel-pack", "--help", dir).status, 0);
}

TEST(PackTool, ReportsWhatOnlyTheWholeWorldShows)
{
    const struct {
        std::string world;          // replaces kWorld's textures line when not empty
        std::string scripts;        // appended to kScripts
        int status;
        std::string err;
    } cases[] = {
        {"", "\n@script 2\nstop\n", 0,
         "scripts/village.tsl.txt:11:1: warning: script 2 is defined twice in the world; the game takes the one "
         "loaded first\n"},
        {"  \"textures\": [ { \"texture\": 100, \"source\": \"art/hero.png\", \"file\": \"font.tga\" } ]", "", 1,
         "world.json:6:17: error: art/hero.png and /usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf would both be "
         "tga/font.tga, with different contents\n"},
        {"  \"textures\": [ { \"texture\": 100, \"source\": \"art/hero.png\" } ], \"start_script\": 9", "", 1,
         "world.json:6:81: warning: \"start_script\" is given twice in one object; only the last one counts\n"
         "world.json:6:81: error: the start script 9 is in no script source\n"},
    };
    for (const auto& c : cases) {
        TempDir dir;
        std::string world = kWorld;
        if (!c.world.empty()) {
            const std::size_t line = world.find("  \"textures\"");
            world.replace(line, world.find('\n', line) - line, c.world);
        }
        WriteSources(dir, "src", world);
        dir.Write("src/scripts/village.tsl.txt", std::string(kScripts) + c.scripts);
        const ToolRun run = ToolRun::Of("tessel-pack", "src --check", dir);
        EXPECT_EQ(run.err, c.err) << c.world;
    }
}

TEST(PackTool, UnpackSaysWhatIsMissing)
{
    TempDir dir;
    WriteSources(dir, "src");
    ASSERT_EQ(ToolRun::Of("tessel-pack", "src -o game", dir).status, 0);
    fs::remove(dir.File("game/tga/hero.tga"));
    const ToolRun partial = ToolRun::Of("tessel-pack", "--unpack game -o back", dir);
    EXPECT_EQ(partial.status, 0);
    EXPECT_EQ(partial.err, "game/tga/hero.tga: warning: is missing; it is left out of the sources\n");
    EXPECT_FALSE(fs::exists(dir.File("back/art/hero.png")));
    EXPECT_TRUE(fs::exists(dir.File("back/art/font.png")));

    const struct {
        std::string arguments;
        int status;
        std::string err;
    } runs[] = {
        {"--unpack src -o other", 1, "src: error: has no wor/*.world file: it is not a game folder\n"},
        {"--unpack game -o src/scripts", 1,
         "src/scripts: error: is not empty and holds no \"world.json\": it is no folder this tool made, and is "
         "not replaced\n"},
        {"--unpack game", 2, "tessel-pack: --unpack takes a game folder and -o SOURCE_DIR, nothing else\n"},
    };
    for (const auto& r : runs) {
        const ToolRun run = ToolRun::Of("tessel-pack", r.arguments, dir);
        EXPECT_EQ(run.status, r.status) << r.arguments;
        EXPECT_EQ(run.err, r.err) << r.arguments;
    }
    EXPECT_FALSE(fs::exists(dir.File("other")));
}
