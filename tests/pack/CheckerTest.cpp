// The checker's findings, each from one line an author might write.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "TiledTestMap.h"
#include "lib/GamePacker.h"
#include "lib/ScriptLinter.h"
#include "lib/ScriptSource.h"
#include "lib/WorldChecker.h"
#include "lib/WorldSource.h"
#include "pack/PackMessages.h"
#include "support/TempDir.h"

namespace {

// Checks one script "s.txt" (its text from line 2) of a world with the map
// "village" and the texture 100, as tessel-pack --check does.
std::string Check(const std::string& text)
{
    WorldSpec world;
    world.maps.push_back({"maps/village.tmx", "village", {}});
    world.textures.push_back({100, "art/hero.png", "hero.tga", {}});
    Diagnostics diagnostics;
    std::vector<ScriptFile> files = {{"s.txt", ScriptSource::Parse("@script 1\n" + text, "s.txt", diagnostics)}};
    ScriptLinter::LintWorld(files, diagnostics);
    WorldChecker checker(world, diagnostics);
    checker.CheckScripts(files);
    checker.Finish();
    return Messages(diagnostics);
}

std::string ParseWorld(const std::string& json)
{
    WorldSpec world;
    Diagnostics diagnostics;
    WorldSource::Parse(json, "world.json", world, diagnostics);
    return Messages(diagnostics);
}

} // namespace

TEST(Checker, KnowsTheArgumentsOfEveryCommandAndTheWorldsNames)
{
    const struct {
        const char* line;
        const char* finding;  // "" for a line that is right
    } cases[] = {
        {"Dire HEROS , 1 , \"Bonjour\" , \"Au revoir\" ;\n", ""},
        {"Dire HEROS , 1 ;\n",
         "s.txt:2:1: error: 'Dire' takes at least 3 arguments (Dire kind, id, text, ...), not 2; the game reads the "
         "missing ones as 0 or an empty text\n"},
        {"SetDirPNJ 4 , HAUT , 2 ;\n",
         "s.txt:2:22: error: 'SetDirPNJ' takes 2 arguments (SetDirPNJ character id, direction), not 3; the game "
         "passes over this one and any after it\n"},
        {"FadeIn ;\n", ""},
        {"FadeOut 4 , 8 ;\n",
         "s.txt:2:13: error: 'FadeOut' takes at most 1 argument (FadeOut [speed]), not 2; the game passes over this "
         "one and any after it\n"},
        {"Input \"Nom ?\" , HEROS , 1 , \"nom\" ;\n",
         "s.txt:2:1: error: 'Input' takes 5 arguments (Input prompt, kind, id, variable name, type), not 4; the game "
         "reads the missing ones as 0 or an empty text\n"},
        {"Dire \"Odile\" , 4 , \"Bonjour\" ;\n",
         "s.txt:2:6: error: argument 1 of 'Dire' (kind) is a number; the text \"Odile\" reads as 0\n"},
        {"Choix \"Q\" , PNJ , 4 , \"r\" , \"Oui\" , 2 ;\nbloque\n",
         "s.txt:2:37: error: argument 6 of 'Choix' (item) is a text; the number 2 gives an empty text (write it in "
         "quotes)\n"},
        {"LoadMap \"village\" ;\n", ""},
        {"LoadMap \"vilage\" ;\n",
         "s.txt:2:9: error: LoadMap of the map \"vilage\", which world.json does not list (its maps: village); the "
         "game would show an empty map\n"},
        {"LoadMap CartePre , 1 ;\n", ""},
        {"CreateHeros 1 , \"Elian\" , 100 ;\n", ""},
        {"CreateHeros 2 , \"Ma\xC3\xABlle\" , 102 ;\n",
         "s.txt:2:28: error: hero 2 'Ma\xC3\xABlle' is drawn from the texture 102, which no picture provides "
         "(world.json's textures: 100; the maps' tilesets: none)\n"},
        // One finding for an unclosed string, at its start, and none of
        // what it would make of the lines after it.
        {"Lire \"Bonjour ;\nDire HEROS , 1 , \"Oui\" ;\n",
         "s.txt:2:6: error: this string literal never ends on its line: its closing '\"' is missing (write \\n for a "
         "line break in a text)\n"},
        {"int n = 1 ;\nDire PNJ , n , \"Tu as \" + \"dit \n",
         "s.txt:3:27: error: this string literal never ends: its closing '\"' is missing\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Check(c.line), c.finding) << c.line;
}

TEST(Checker, SaysMissingCommaWhereJsonBreaksBetweenTwoValues)
{
    const struct {
        const char* json;
        const char* finding;
    } cases[] = {
        {"{\n  \"name\": \"A\"\n  \"start_script\": 1\n}",
         "world.json:3:16: error: broken JSON: syntax error while parsing object - unexpected string literal; "
         "expected '}' (missing comma?)\n"},
        {"{\"name\": \"A\", \"maps\": [{\"source\": \"a.tmx\"} {\"source\": \"b.tmx\"}]}",
         "world.json:1:44: error: broken JSON: syntax error while parsing array - unexpected '{'; expected ']' "
         "(missing comma?)\n"},
        {"{\"name\": \"A\", \"start_script\": 1 2}",
         "world.json:1:33: error: broken JSON: syntax error while parsing object - unexpected number literal; "
         "expected '}' (missing comma?)\n"},
        {"{\"name\": \"A\",, \"start_script\": 1}",
         "world.json:1:14: error: broken JSON: syntax error while parsing object key - unexpected ','; expected "
         "string literal\n"},
        {"{\"name\" \"A\"}",
         "world.json:1:11: error: broken JSON: syntax error while parsing object separator - unexpected string "
         "literal; expected ':'\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseWorld(c.json), c.finding) << c.json;
}

// Two maps share a tileset whose picture is missing; one map's character
// is drawn from a texture nothing provides; objects run scripts that no
// source defines.
TEST(Checker, NamesTheMapObjectsAndTellsASharedProblemOnce)
{
    TempDir dir;
    dir.Write("src/world.json", R"({ "name": "Glimmerford", "start_script": 1,
  "scripts": [ { "source": "s.txt", "file": "s.tsl" } ],
  "textures": [ { "texture": 100, "source": "hero.png", "file": "hero.tga" } ],
  "maps": [ { "source": "maps/a.tmx", "name": "a" }, { "source": "maps/b.tmx", "name": "b" },
            { "source": "maps/c.tmx", "name": "c" } ] }
)");
    dir.Write("src/s.txt", "@script 1\nSetFont 100 ;\nLoadMap \"a\" ;\n@script 40\n@script 12\n@script 51\n");
    WriteSheetPng(dir.Write("src/hero.png", std::string()));
    WriteSheetPng(dir.Write("src/art/grass.png", std::string()));
    WriteSheetPng(dir.Write("src/art/house.png", std::string()));
    dir.Write("src/maps/lost.tsx", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                   "<tileset version=\"1.10\" name=\"lost\" tilewidth=\"32\" tileheight=\"32\" "
                                   "tilecount=\"256\" columns=\"16\">\n <properties>\n  <property name=\"texture\" "
                                   "type=\"int\" value=\"7\"/>\n </properties>\n <image source=\"../art/lost.png\" "
                                   "width=\"512\" height=\"512\"/>\n</tileset>\n");
    const TiledTestMap missing = TiledTestMap(6, 5).ExternalTileset(1, "lost.tsx").Layer("g", Filled(6, 5, 1));
    dir.Write("src/maps/a.tmx", missing.Tmx());
    dir.Write("src/maps/b.tmx", missing.Tmx());
    std::string village = Village(8, 6).Tmx();  // its character has the texture 300
    village.replace(village.find("\"50\""), 4, "\"60\"");  // the door's script
    dir.Write("src/maps/c.tmx", village);

    Diagnostics diagnostics;
    GamePacker packer(dir.File("src"), diagnostics);
    EXPECT_FALSE(packer.Build());
    const std::string found = Messages(diagnostics);
    const std::string villageText = village;
    const auto lineOf = [&](const std::string& text) {
        return std::to_string(1 + std::count(villageText.begin(), villageText.begin() + long(villageText.find(text)), '\n'));
    };
    EXPECT_EQ(found,
              "maps/c.tmx:" + lineOf("name=\"Cl") +
                  ": error: npc object 5 'Cl\xC3\xA9ment' is drawn from the texture 300, which no picture provides "
                  "(world.json's textures: 100; this map's tilesets: 7, 9)\n"
                  "maps/c.tmx:" + lineOf("name=\"door\"") +
                  ": warning: action object 6 'door' gives its tiles the script 60, which no script source defines\n"
                  "maps/lost.tsx:2: error: tileset 'lost': its picture 'art/lost.png' cannot be read (used by "
                  "maps/a.tmx and maps/b.tmx)\n");
}
