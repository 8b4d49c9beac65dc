#include "WorldTest.h"

#include "world/MapFileReader.h"

TEST(MapFile, ListsAndGridsComeBackInFileOrder)
{
    const MapFileBuilder::Npc guard{5, 105, 1, 2, 205, 305, "Garde"};
    MapFileBuilder builder(4, 3, 2);
    builder.Texture(7, "tiles.tga").Texture(7, "tiles2.tga").Texture(300, "hero.tga");
    builder.AddNpc(guard).AddNpc(MakeNpc(3, 3, 0, 0, "Marchande"));
    builder.Tile(0, 3, 0, 7, 17).Tile(1, 0, 2, 9, 255).Block(2, 1).Walk(0, 0, 42);
    std::vector<std::uint8_t> bytes = builder.Bytes();
    bytes.push_back(0xff);  // trailing bytes are ignored
    MapFile map;
    MapFileResult result = ParseMapFile(bytes, map);
    ASSERT_TRUE(result.accepted) << result.reason;

    ASSERT_EQ(map.textures.size(), 3u) << "a name listed twice is kept twice";
    EXPECT_EQ(map.textures[1].name, 7);
    EXPECT_EQ(map.textures[1].file, "tiles2.tga");
    EXPECT_EQ(map.textures[2].name, 300);
    ASSERT_EQ(map.npcs.size(), 2u);
    const CNpc& npc = map.npcs[0];
    EXPECT_EQ((std::vector<int>{npc.identifier, int(npc.texture), npc.tileX, npc.tileY, npc.actionScript,
                                npc.reserved, npc.facing}),
              (std::vector<int>{5, 105, 1, 2, 205, 305, 1}));
    EXPECT_EQ(npc.name, "Garde");
    EXPECT_EQ(map.npcs[1].name, "Marchande");

    // The file is row by row; the grids are indexed [x][y].
    EXPECT_EQ((std::vector<int>{map.layers[0].At(3, 0).texture, map.layers[0].At(3, 0).cell,
                                map.layers[0].At(0, 2).texture, map.layers[1].At(0, 2).cell}),
              (std::vector<int>{7, 17, 0, 255}));
    EXPECT_EQ((std::vector<int>{map.walkability.At(2, 1), map.walkability.At(1, 2), map.walkability.At(0, 0)}),
              (std::vector<int>{0, 1, 42}));
}

TEST(MapFile, RefusedWithAReasonAndNothingKept)
{
    std::vector<std::uint8_t> shortGrids = MapFileBuilder(20, 15, 3).Bytes();
    shortGrids.pop_back();
    const std::vector<std::uint8_t> lists =
        MapFileBuilder(2, 2, 1).Texture(4, "a.tga").AddNpc(MakeNpc(6, 0, 0, 0, "Bob")).HeaderAndLists();
    const struct {
        std::vector<std::uint8_t> bytes;
        std::vector<const char*> reason;
    } cases[] = {
        {{20, 0, 15}, {"header", "5 bytes", "only 3 bytes"}},
        {shortGrids, {"the tiles, walkability, events and start script of a 20 x 15 map with 3 layers need "
                      "3302 bytes after the character list, but only 3301 remain"}},
        // Terabytes of tiles announced by a tiny file: refused before any grid is made.
        {{0xff, 0xff, 0xff, 0xff, 0xff, 0, 0, 0, 0, 1, 2, 3}, {"65535 x 65535 map with 255 layers", "only 3 remain"}},
        {{lists.begin(), lists.begin() + 9}, {"texture entry 1"}},
        // 5 header + 2 + "a.tga\0" + 2 terminator + identifier 2 + 4 bytes.
        {{lists.begin(), lists.begin() + 21}, {"character entry 1", "10 bytes"}},
    };
    for (const auto& c : cases) {
        MapFile map;
        MapFileResult result = ParseMapFile(c.bytes, map);
        EXPECT_FALSE(result.accepted) << c.reason[0];
        for (const char* part : c.reason)
            EXPECT_NE(result.reason.find(part), std::string::npos) << result.reason;
        EXPECT_TRUE(map.width == 0 && map.layers.empty() && map.textures.empty()) << c.reason[0];
    }
    // Every cut inside the lists is refused with a reason.
    for (std::size_t length = 5; length < lists.size(); ++length) {
        MapFile map;
        MapFileResult result = ParseMapFile({lists.begin(), lists.begin() + length}, map);
        EXPECT_FALSE(result.accepted || result.reason.empty()) << "cut at " << length;
        EXPECT_TRUE(map.textures.empty() && map.npcs.empty()) << "cut at " << length;
    }
}

using MapLoading = MapTest;

TEST_F(MapLoading, EachLoadReplacesTheMapButNotTheHeroes)
{
    Write("a", MapFileBuilder(30, 30, 1).Texture(3, "t.tga").AddNpc(MakeNpc(1, 0, 0)).AddNpc(MakeNpc(2, 1, 1))
                   .StartScript(5).Bytes());
    // No textures and no layers, but a character: it must go as well.
    Write("bare", MapFileBuilder(4, 4, 0).AddNpc(MakeNpc(3, 2, 2)).Bytes());
    CHero& hero = Place(map.AddHero(1, "Alia", 20), 3, 2);
    CMap constructed("a");
    ASSERT_TRUE(map.LoadMap("a"));
    for (const CMap* loaded : {&constructed, &map})
        EXPECT_EQ((std::vector<int>{loaded->Width(), loaded->Height(), loaded->LayerCount(),
                                    int(loaded->Layers().size()), loaded->StartScript()}),
                  (std::vector<int>{30, 30, 1, 1, 5}));
    map.FindNpc(1)->tileX = 2;
    ASSERT_TRUE(map.LoadMap("a"));
    ASSERT_EQ(map.Npcs().size(), 2u);
    EXPECT_EQ(map.FindNpc(1)->tileX, 0) << "the NPCs of the first load are discarded";
    ASSERT_TRUE(map.LoadMap("bare"));
    ASSERT_EQ(map.Npcs().size(), 1u);
    EXPECT_TRUE(map.Npcs()[0]->tileX == 2 && map.Textures().empty());
    ASSERT_TRUE(map.LoadMap("a"));
    EXPECT_EQ(std::pair(map.Npcs().size(), map.Textures().size()), std::pair(std::size_t{2}, std::size_t{1}));

    // A missing file after a valid one leaves no map and says why.
    map.CenterOn(400, 400);
    std::string why;
    EXPECT_FALSE(map.LoadMap("nowhere", &why));
    EXPECT_NE(why.find("map\\nowhere.map"), std::string::npos) << why;
    EXPECT_EQ(map.Name(), "");
    EXPECT_EQ((std::vector<int>{map.Width(), map.Height(), map.LayerCount()}), (std::vector<int>{0, 0, 0}));
    EXPECT_TRUE(map.Layers().empty() && map.Npcs().empty() && map.Textures().empty());
    EXPECT_FALSE(map.IsWalkable(0, 0));
    EXPECT_EQ(map.ScrollX(), 320 - 400) << "the scroll is kept";
    EXPECT_EQ(map.StartScript(), 0) << "a refused map leaves no start script to run";
    EXPECT_EQ(map.Heroes().size() == 1 ? map.Heroes()[0].get() : nullptr, &hero);
    EXPECT_EQ(hero.tileX, 3) << "heroes keep their places across maps";
}
