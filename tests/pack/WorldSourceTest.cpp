#include <gtest/gtest.h>

#include <sstream>

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
    EXPECT_EQ(world.font.size, 16) << "the size that fills the cell, as the sheet was always drawn";
    EXPECT_EQ(world.font.width, 100);
    ASSERT_EQ(world.scripts.size() + world.textures.size() + world.maps.size(), 4u);
    EXPECT_EQ(world.scripts[0].file, "v.tsl");
    EXPECT_EQ(world.textures[0].texture, 300);
    EXPECT_EQ(world.textures[0].file, "h.tga");
    EXPECT_EQ(world.maps[0].name + " " + world.maps[1].name, "village bois");
    EXPECT_EQ(world.maps[1].place.line, 5);
}

TEST(WorldSource, FontSizeAndWidthAreReadWithinTheirRanges)
{
    const struct {
        const char* font;
        int size, width;
        const char* messages;
    } cases[] = {
        {R"({"texture": 1, "size": 8, "width": 50})", 8, 50, ""},
        {R"({"texture": 1, "size": 32, "width": 200})", 32, 200, ""},
        {R"({"texture": 1, "size": 7})", 16, 100, "error: \"size\" must be a whole number from 8 to 32\n"},
        {R"({"texture": 1, "size": 16.5})", 16, 100, "error: \"size\" must be a whole number from 8 to 32\n"},
        {R"({"texture": 1, "width": 201})", 16, 100, "error: \"width\" must be a whole number from 50 to 200\n"},
        {R"({"texture": 1, "width": "wide"})", 16, 100, "error: \"width\" must be a whole number from 50 to 200\n"},
    };
    for (const auto& c : cases) {
        WorldSpec world;
        Diagnostics diagnostics;
        const std::string json = std::string(R"({"font": )") + c.font + "}";
        WorldSource::Parse(json, "world.json", world, diagnostics);
        // Only the font's own messages: this world lacks a name and scripts.
        std::string fontMessages;
        std::istringstream lines(Messages(diagnostics));
        for (std::string line; std::getline(lines, line);)
            if (line.find("\"size\"") != std::string::npos || line.find("\"width\"") != std::string::npos)
                fontMessages += line.substr(line.find(": ", line.find("world.json:") + 11) + 2) + "\n";
        EXPECT_EQ(fontMessages, c.messages) << json;
        EXPECT_EQ(world.font.size, c.size) << json;
        EXPECT_EQ(world.font.width, c.width) << json;
    }
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
