#include <gtest/gtest.h>

#include "MapFolder.h"
#include "support/MapFileBuilder.h"
#include "world/CMap.h"
#include "world/MapFileReader.h"

namespace {

MapFileBuilder::Npc MakeNpc(std::uint16_t id, std::uint16_t x, std::uint16_t y, const std::string& name)
{
    MapFileBuilder::Npc npc;
    npc.identifier = id;
    npc.texture = std::uint16_t(100 + id);
    npc.tileX = x;
    npc.tileY = y;
    npc.actionScript = std::uint16_t(200 + id);
    npc.reserved = std::uint16_t(300 + id);
    npc.name = name;
    return npc;
}

}  // namespace

TEST(MapFileFormat, TwentyByFifteenWithThreeLayersIs3311Bytes)
{
    const std::vector<std::uint8_t> bytes = MapFileBuilder(20, 15, 3).StartScript(9).Bytes();
    ASSERT_EQ(bytes.size(), 3311u);
    MapFile map;
    MapFileResult result = ParseMapFile(bytes, map);
    ASSERT_TRUE(result.accepted) << result.reason;
    EXPECT_EQ(map.width, 20);
    EXPECT_EQ(map.height, 15);
    EXPECT_EQ(map.layerCount, 3);
    EXPECT_EQ(map.layers.size(), 3u);
    EXPECT_EQ(map.startScript, 9);
    EXPECT_TRUE(map.textures.empty());
    EXPECT_TRUE(map.npcs.empty());
}

TEST(MapFileFormat, ListsAndGridsComeBackInFileOrder)
{
    MapFileBuilder builder(4, 3, 2);
    builder.Texture(7, "tiles.tga").Texture(7, "tiles2.tga").Texture(300, "hero.tga");
    builder.AddNpc(MakeNpc(5, 1, 2, "Garde")).AddNpc(MakeNpc(3, 3, 0, "Marchande"));
    builder.Tile(0, 3, 0, 7, 17).Tile(1, 0, 2, 9, 255).Block(2, 1).Walk(0, 0, 42);
    builder.Event(3, 2, 0x1234, 0xbeef).StartScript(4242);
    MapFile map;
    MapFileResult result = ParseMapFile(builder.Bytes(), map);
    ASSERT_TRUE(result.accepted) << result.reason;

    ASSERT_EQ(map.textures.size(), 3u) << "a name listed twice is kept twice";
    EXPECT_EQ(map.textures[0].name, 7);
    EXPECT_EQ(map.textures[0].file, "tiles.tga");
    EXPECT_EQ(map.textures[1].file, "tiles2.tga");
    EXPECT_EQ(map.textures[2].name, 300);

    ASSERT_EQ(map.npcs.size(), 2u);
    const CNpc& guard = map.npcs[0];
    EXPECT_EQ(guard.identifier, 5);
    EXPECT_EQ(guard.texture, 105u);
    EXPECT_EQ(guard.tileX, 1);
    EXPECT_EQ(guard.tileY, 2);
    EXPECT_EQ(guard.actionScript, 205);
    EXPECT_EQ(guard.reserved, 305);
    EXPECT_EQ(guard.name, "Garde");
    EXPECT_EQ(guard.facing, 1) << "new characters face down";
    EXPECT_FLOAT_EQ(guard.frame, 1.0f);
    EXPECT_EQ(map.npcs[1].name, "Marchande");

    // The file is row by row; the grids are indexed [x][y].
    EXPECT_EQ(map.layers[0].At(3, 0).texture, 7);
    EXPECT_EQ(map.layers[0].At(3, 0).cell, 17);
    EXPECT_EQ(map.layers[0].At(0, 3 - 1).texture, 0);
    EXPECT_EQ(map.layers[1].At(0, 2).texture, 9);
    EXPECT_EQ(map.layers[1].At(0, 2).cell, 255);
    EXPECT_EQ(map.walkability.At(2, 1), 0);
    EXPECT_EQ(map.walkability.At(1, 2), 1);
    EXPECT_EQ(map.walkability.At(0, 0), 42);
    EXPECT_EQ(map.events.At(3, 2).actionScript, 0x1234);
    EXPECT_EQ(map.events.At(3, 2).stepOnScript, 0xbeef);
    EXPECT_EQ(map.events.At(2, 3 - 1).actionScript, 0);
    EXPECT_EQ(map.startScript, 4242);
}

TEST(MapFileFormat, EmptyTextureListIsFollowedDirectlyByTheCharacters)
{
    // width, height, layers, the two zero bytes of the texture list, then
    // one character entry right away.
    std::vector<std::uint8_t> bytes = MapFileBuilder(1, 1, 1).AddNpc(MakeNpc(8, 0, 0, "Z")).Bytes();
    ASSERT_EQ(bytes[5], 0);
    ASSERT_EQ(bytes[6], 0);
    ASSERT_EQ(bytes[7], 8);
    MapFile map;
    ASSERT_TRUE(ParseMapFile(bytes, map).accepted);
    ASSERT_EQ(map.npcs.size(), 1u);
    EXPECT_EQ(map.npcs[0].identifier, 8);
}

TEST(MapFileFormat, TrailingBytesAreIgnored)
{
    std::vector<std::uint8_t> bytes = MapFileBuilder(2, 2, 1).StartScript(3).Bytes();
    bytes.push_back(0xff);
    MapFile map;
    ASSERT_TRUE(ParseMapFile(bytes, map).accepted);
    EXPECT_EQ(map.startScript, 3);
}

TEST(MapFileRefusal, ShortHeader)
{
    MapFile map;
    MapFileResult result = ParseMapFile({20, 0, 15}, map);
    EXPECT_FALSE(result.accepted);
    EXPECT_NE(result.reason.find("header"), std::string::npos) << result.reason;
    EXPECT_NE(result.reason.find("5 bytes"), std::string::npos) << result.reason;
    EXPECT_NE(result.reason.find("only 3 bytes"), std::string::npos) << result.reason;
}

TEST(MapFileRefusal, ListsCutShort)
{
    const std::vector<std::uint8_t> full =
        MapFileBuilder(2, 2, 1).Texture(4, "a.tga").AddNpc(MakeNpc(6, 0, 0, "Bob")).HeaderAndLists();
    // Cut after every possible byte of the lists: every cut is refused with
    // a reason, and nothing is left in the map.
    for (std::size_t length = 5; length < full.size(); ++length) {
        MapFile map;
        MapFileResult result =
            ParseMapFile(std::vector<std::uint8_t>(full.begin(), full.begin() + length), map);
        EXPECT_FALSE(result.accepted) << "cut at " << length;
        EXPECT_FALSE(result.reason.empty()) << "cut at " << length;
        EXPECT_TRUE(map.textures.empty() && map.npcs.empty()) << "cut at " << length;
    }
    MapFile map;
    MapFileResult inName = ParseMapFile(std::vector<std::uint8_t>(full.begin(), full.begin() + 9), map);
    EXPECT_NE(inName.reason.find("texture entry 1"), std::string::npos) << inName.reason;
    // 5 header + 2 + 6 ("a.tga\0") + 2 terminator + identifier 2 + 4 bytes.
    MapFileResult inNpc = ParseMapFile(std::vector<std::uint8_t>(full.begin(), full.begin() + 21), map);
    EXPECT_NE(inNpc.reason.find("character entry 1"), std::string::npos) << inNpc.reason;
    EXPECT_NE(inNpc.reason.find("10 bytes"), std::string::npos) << inNpc.reason;
}

TEST(MapFileRefusal, GridsOneByteShort)
{
    std::vector<std::uint8_t> bytes = MapFileBuilder(20, 15, 3).Bytes();
    bytes.pop_back();
    MapFile map;
    MapFileResult result = ParseMapFile(bytes, map);
    EXPECT_FALSE(result.accepted);
    EXPECT_EQ(result.reason,
              "the tiles, walkability, events and start script of a 20 x 15 map with 3 layers need "
              "3302 bytes after the character list, but only 3301 remain");
    EXPECT_EQ(map.width, 0);
    EXPECT_TRUE(map.layers.empty());
}

TEST(MapFileRefusal, HugeHeaderOnATinyFileAllocatesNothing)
{
    // 65535 x 65535 tiles in 255 layers would be terabytes; the file holds a
    // few bytes, so it is refused before any grid is made.
    std::vector<std::uint8_t> bytes = {0xff, 0xff, 0xff, 0xff, 0xff, 0, 0, 0, 0, 1, 2, 3};
    MapFile map;
    MapFileResult result = ParseMapFile(bytes, map);
    EXPECT_FALSE(result.accepted);
    EXPECT_NE(result.reason.find("65535 x 65535 map with 255 layers"), std::string::npos) << result.reason;
    EXPECT_NE(result.reason.find("only 3 remain"), std::string::npos) << result.reason;
}

class MapLoading : public ::testing::Test {
protected:
    MapFolder folder;
    CMap map;
};

TEST_F(MapLoading, LoadsNamedFileFromTheMapFolder)
{
    folder.WriteMap("village", MapFileBuilder(20, 15, 3)
                                   .Texture(12, "village.tga")
                                   .AddNpc(MakeNpc(4, 2, 3, "Ancien"))
                                   .StartScript(77)
                                   .Bytes());
    ASSERT_TRUE(map.LoadMap("village"));
    EXPECT_EQ(map.Name(), "village");
    EXPECT_EQ(map.LayerCount(), 3);
    EXPECT_EQ(map.StartScript(), 77);
    ASSERT_EQ(map.Textures().size(), 1u);
    ASSERT_EQ(map.Npcs().size(), 1u);
    EXPECT_EQ(map.Npcs()[0]->name, "Ancien");

    CMap constructed("village");
    EXPECT_EQ(constructed.Name(), "village");
    EXPECT_EQ(constructed.Npcs().size(), 1u);
}

TEST_F(MapLoading, ReloadingGivesTheStateOfOneLoad)
{
    folder.WriteMap("a", MapFileBuilder(3, 3, 1).AddNpc(MakeNpc(1, 0, 0, "x")).AddNpc(MakeNpc(2, 1, 1, "y")).Bytes());
    ASSERT_TRUE(map.LoadMap("a"));
    map.FindNpc(1)->tileX = 2;
    ASSERT_TRUE(map.LoadMap("a"));
    ASSERT_EQ(map.Npcs().size(), 2u);
    EXPECT_EQ(map.FindNpc(1)->tileX, 0) << "the NPCs of the first load are discarded";
}

TEST_F(MapLoading, MissingFileAfterAValidOneLeavesNoMapButKeepsHeroes)
{
    folder.WriteMap("a", MapFileBuilder(30, 30, 2).AddNpc(MakeNpc(1, 0, 0, "x")).Texture(3, "t.tga").StartScript(5).Bytes());
    CHero& hero = map.AddHero(1, "Alia", 20);
    ASSERT_TRUE(map.LoadMap("a"));
    map.CenterOn(400, 400);
    const std::int32_t scrollX = map.ScrollX();

    std::string why;
    EXPECT_FALSE(map.LoadMap("nowhere", &why));
    EXPECT_NE(why.find("map\\nowhere.map"), std::string::npos) << why;
    EXPECT_EQ(map.Name(), "");
    EXPECT_EQ(map.Width(), 0);
    EXPECT_EQ(map.Height(), 0);
    EXPECT_EQ(map.LayerCount(), 0);
    EXPECT_TRUE(map.Layers().empty());
    EXPECT_TRUE(map.Npcs().empty());
    EXPECT_TRUE(map.Textures().empty());
    EXPECT_FALSE(map.IsWalkable(0, 0));
    ASSERT_EQ(map.Heroes().size(), 1u);
    EXPECT_EQ(map.Heroes()[0].get(), &hero);
    EXPECT_EQ(map.ScrollX(), scrollX) << "the scroll is kept";
    EXPECT_EQ(map.StartScript(), 5) << "the start-script field is kept";
}

TEST_F(MapLoading, RefusedFileLeavesNoMapAndSaysWhy)
{
    folder.WriteMap("good", MapFileBuilder(5, 5, 1).AddNpc(MakeNpc(1, 0, 0, "x")).Bytes());
    std::vector<std::uint8_t> bad = MapFileBuilder(20, 15, 3).Bytes();
    bad.resize(bad.size() - 100);
    folder.WriteMap("bad", bad);
    ASSERT_TRUE(map.LoadMap("good"));
    std::string why;
    EXPECT_FALSE(map.LoadMap("bad", &why));
    EXPECT_NE(why.find("3302 bytes"), std::string::npos) << why;
    EXPECT_EQ(map.Width(), 0);
    EXPECT_TRUE(map.Npcs().empty());
}

TEST_F(MapLoading, MapWithoutLayersIsReplacedCompletely)
{
    // A map with no tile layers still brings characters; loading the next
    // map must not keep them.
    folder.WriteMap("bare", MapFileBuilder(4, 4, 0).AddNpc(MakeNpc(1, 0, 0, "x")).Bytes());
    folder.WriteMap("next", MapFileBuilder(4, 4, 1).AddNpc(MakeNpc(2, 0, 0, "y")).Bytes());
    ASSERT_TRUE(map.LoadMap("bare"));
    CHero& hero = map.AddHero(1, "Alia", 0);
    hero.tileX = 3;
    ASSERT_TRUE(map.LoadMap("next"));
    ASSERT_EQ(map.Npcs().size(), 1u);
    EXPECT_EQ(map.Npcs()[0]->identifier, 2);
    ASSERT_EQ(map.Heroes().size(), 1u);
    EXPECT_EQ(map.Heroes()[0].get(), &hero);
    EXPECT_EQ(hero.tileX, 3) << "heroes keep their places across maps";
}
