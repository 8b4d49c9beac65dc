#include <gtest/gtest.h>

#include "pack/PackMessages.h"
#include "lib/WorldFile.h"
#include "lib/WorldSource.h"

TEST(WorldSource, ReadsEveryKeyAndGivesDefaults)
{
    WorldSpec world;
    Diagnostics diagnostics;
    EXPECT_TRUE(WorldSource::Parse(R"({"name": "Sylva", "start_script": 3,
        "font": {"texture": 1},
        "scripts": [{"source": "scripts/v.tsl.txt"}],
        "textures": [{"texture": 300, "source": "art/hero.png", "file": "h.tga"}],
        "maps": [{"source": "maps/village.tmx"}, {"source": "m.tmj", "name": "bois"}]})",
                                   "world.json", world, diagnostics));
    EXPECT_EQ(Messages(diagnostics), "");
    EXPECT_TRUE(world.font.wanted);
    EXPECT_EQ(world.font.ttf, WorldSource::kDefaultFont);
    EXPECT_EQ(world.font.file, "font.tga");
    ASSERT_EQ(world.scripts.size() + world.textures.size() + world.maps.size(), 4u);
    EXPECT_EQ(world.scripts[0].file, "v.tsl");
    EXPECT_EQ(world.textures[0].texture, 300);
    EXPECT_EQ(world.textures[0].file, "h.tga");
    EXPECT_EQ(world.maps[0].name + " " + world.maps[1].name, "village bois");
    EXPECT_EQ(world.maps[1].place.line, 5);
}

TEST(WorldSource, ListsEveryProblemAtItsLineAndColumn)
{
    const struct {
        const char* json;
        const char* messages;
    } cases[] = {
        {"{\"name\": \"Sylva\",\n \"start_script\": 1,\n \"scripts\": [}\n",
         "world.json:3:14: error: broken JSON: syntax error while parsing value - unexpected '}'; expected '[', '{', "
         "or a literal\n"},
        {"{\"name\": \"Sylva\", \"start_script\": 70000,\n"
         " \"textures\": [{\"texture\": 512, \"source\": \"a.png\"},\n"
         "   {\"texture\": 5, \"source\": \"b.png\", \"file\": \"x/y.tga\"}],\n"
         " \"maps\": [{\"name\": \"m\"}], \"script\": []}\n",
         "world.json:4:37: warning: unknown key \"script\" is ignored\n"
         "world.json:1:35: error: \"start_script\" must be a whole number from 0 to 65535\n"
         "world.json:2:27: error: texture 512 cannot be listed: the world file takes a name whose low byte is 0 "
         "(256, 512, ...) for the end of its list\n"
         "world.json:3:46: error: \"x/y.tga\" cannot be a file name of the game: use 1 to 255 plain ASCII "
         "characters without '/', '\\' or quotes\n"
         "world.json:4:11: error: \"source\" is missing\n"},
        {"{\"name\": \"Autre\", \"start_script\": 1, \"scripts\": [{\"source\": \"a\", \"file\": \"t\"}, "
         "{\"source\": \"b\", \"file\": \"t\"}]}",
         "world.json:1:80: error: the script file \"t\" is listed twice\n"},
        {"[1, 2]", "world.json:1:1: error: world.json must be an object ({...})\n"},
        // A number beyond every type is refused, not thrown (found by fuzzing).
        {"{\"name\": 1e600}", "world.json: error: broken JSON: number overflow parsing '1e600'\n"},
    };
    for (const auto& c : cases) {
        WorldSpec world;
        Diagnostics diagnostics;
        EXPECT_FALSE(WorldSource::Parse(c.json, "world.json", world, diagnostics)) << c.json;
        EXPECT_EQ(Messages(diagnostics), c.messages);
    }
}

TEST(WorldSource, MovementGridGoesToTheSettingsAndBackIntoWorldJson)
{
    const struct {
        const char* movement;  // the JSON value, or null for no key
        const char* settings;
        const char* messages;
    } cases[] = {
        {nullptr, "", ""},
        {"\"free\"", "", ""},
        {"\"grid\"", "movement=grid;", ""},
        {"\"Grid\"", "", "world.json:1:50: error: \"movement\" must be \"free\" or \"grid\"\n"},
        {"1", "", "world.json:1:50: error: \"movement\" must be a non-empty string\n"},
    };
    for (const auto& c : cases) {
        std::string json = "{\"name\": \"Sylva\", \"start_script\": 1";
        if (c.movement)
            json += ", \"movement\": " + std::string(c.movement);
        json += "}";
        WorldSpec world;
        Diagnostics diagnostics;
        WorldSource::Parse(json, "world.json", world, diagnostics);
        EXPECT_EQ(Messages(diagnostics), c.messages) << json;
        std::string settings;
        for (const auto& setting : world.settings)
            settings += setting.first + "=" + setting.second + ";";
        EXPECT_EQ(settings, c.settings) << json;

        WorldSpec again;
        Diagnostics quiet;
        EXPECT_TRUE(WorldSource::Parse(WorldSource::Write(world), "world.json", again, quiet));
        EXPECT_EQ(again.settings, world.settings) << WorldSource::Write(world);
    }
}

TEST(WorldFile, WritesTheListsTheGameReadsAndReadsThemBack)
{
    WorldFile file;
    file.scripts = {"a.tsl", "b.tsl"};
    file.textures = {{1, "font.tga"}, {0x0102, "hero.tga"}};
    file.startScript = 0x0304;
    const std::vector<std::uint8_t> bytes = file.Bytes();
    const std::string expected = std::string("a.tsl\0b.tsl\0\0", 13) + std::string("\1\0font.tga\0", 11) +
                                 std::string("\2\1hero.tga\0\0\4\3", 14);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), expected);
    WorldFile back;
    ASSERT_TRUE(back.Parse(bytes));
    EXPECT_EQ(back.Bytes(), bytes);
    EXPECT_FALSE(back.Parse({0, 0, 1}));
    EXPECT_EQ(WorldFile().Bytes(), (std::vector<std::uint8_t>{0, 0, 0, 0}));
}
