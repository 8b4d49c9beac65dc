#include "TiledFixture.h"

namespace {

const int W = 6, H = 5;

TEST_F(TiledFixture, AVillageReadsBackAsTheMapSays)
{
    ASSERT_TRUE(Import("village.tmx", Village(W, H).Tmx())) << Messages();
    EXPECT_EQ(diagnostics.All().size(), 0u) << Messages();
    const MapFile map = Parsed();
    // The collision layer is not drawn.
    ASSERT_EQ((std::vector<int>{map.width, map.height, map.layerCount}), (std::vector<int>{W, H, 3}));
    ASSERT_EQ(map.textures.size(), 2u);
    EXPECT_EQ((std::vector<int>{map.textures[0].name, map.textures[1].name}), (std::vector<int>{7, 9}));
    EXPECT_EQ(map.textures[0].file + " " + map.textures[1].file, "grass.tga house.tga");
    ASSERT_EQ(imported.pictures.size(), 2u);
    EXPECT_EQ(imported.pictures[1].textureName, 9);
    EXPECT_EQ(imported.pictures[1].sourcePath + " " + imported.pictures[1].tgaFile,
              dir.File("art/house.png") + " house.tga");

    struct Cell { int layer, x, y, texture, cell; };
    for (const Cell& c : {Cell{0, 0, 0, 7, 0}, Cell{0, 4, 4, 7, 255}, Cell{1, 2, 1, 9, 17}, Cell{1, 0, 3, 9, 0},
                          Cell{1, 1, 1, 0, 0}, Cell{2, 2, 0, 9, 255}, Cell{2, 3, 0, 0, 0}}) {
        EXPECT_EQ(map.layers[c.layer].At(c.x, c.y).texture, c.texture) << c.layer << " " << c.x << "," << c.y;
        EXPECT_EQ(map.layers[c.layer].At(c.x, c.y).cell, c.cell) << c.layer << " " << c.x << "," << c.y;
    }
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const bool blocked = (x == 2 && y == 1) || (x == 5 && y == 4);
            EXPECT_EQ(map.walkability.At(x, y), blocked ? 0 : 1) << x << "," << y;
            const bool door = x == 2 && y == 1, mat = y == 4 && x <= 2;
            EXPECT_EQ(map.events.At(x, y).actionScript, door ? 50 : 0) << x << "," << y;
            EXPECT_EQ(map.events.At(x, y).stepOnScript, mat ? 51 : 0) << x << "," << y;
        }
    ASSERT_EQ(map.npcs.size(), 1u);
    const CNpc& npc = map.npcs[0];
    // Identifier, texture, tile, script and facing (2: droite).
    EXPECT_EQ((std::vector<int>{npc.identifier, int(npc.texture), npc.tileX, npc.tileY, npc.actionScript, npc.reserved}),
              (std::vector<int>{4, 300, 3, 2, 40, 2}));
    EXPECT_EQ(npc.name, "Cl\xE9ment");
    EXPECT_EQ(map.startScript, 12);
}

// Every encoding Tiled offers for a layer reads as CSV does.
TEST_F(TiledFixture, EveryLayerEncodingGivesTheSameMap)
{
    std::vector<std::uint32_t> gids(W * H);
    for (std::size_t i = 0; i < gids.size(); ++i)
        gids[i] = std::uint32_t(i * 37 % 300);  // empty cells, both sheets
    const auto map = [&](const std::string& encoding, const std::string& compression) {
        return TiledTestMap(W, H)
            .Tileset(1, "grass", 7, "../art/grass.png")
            .Tileset(257, "house", 9, "../art/house.png")
            .Layer("ground", gids, encoding, compression)
            .Tmx();
    };
    ASSERT_TRUE(Import("csv.tmx", map("csv", ""))) << Messages();
    const std::vector<std::uint8_t> reference = imported.mapBytes;
    EXPECT_EQ(Parsed().layers[0].At(1, 0).cell, 36);  // gid 37, first gid 1
    EXPECT_EQ(Parsed().layers[0].At(1, 1).texture, 9);  // gid 7 * 37 % 300 = 259
    EXPECT_EQ(Parsed().layers[0].At(1, 1).cell, 2);
    const std::pair<const char*, const char*> encodings[] = {
        {"base64", ""}, {"base64", "zlib"}, {"base64", "gzip"}, {"xml", ""}};
    for (const auto& encoding : encodings) {
        ASSERT_TRUE(Import("other.tmx", map(encoding.first, encoding.second))) << encoding.first << encoding.second
                                                                                << Messages();
        EXPECT_EQ(imported.mapBytes, reference) << encoding.first << " " << encoding.second;
    }
}

// Group layers are flattened in order; "class" (Tiled 1.9) works as
// "type"; a tile object hangs from its bottom-left corner; tilesets may be
// listed in any order and live in .tsx files.
TEST_F(TiledFixture, GroupsClassesTileObjectsAndExternalTilesets)
{
    dir.Write("maps/sets/house.tsx",
              "<?xml version=\"1.0\"?>\n<tileset name=\"house\" tilewidth=\"32\" tileheight=\"32\" tilecount=\"256\" "
              "columns=\"16\">\n <properties><property name=\"texture\" type=\"int\" value=\"9\"/>"
              "<property name=\"file\" value=\"maison.tga\"/></properties>\n"
              " <image source=\"../../art/house.png\" width=\"512\" height=\"512\"/>\n</tileset>\n");
    TiledTestMap map(W, H);
    map.ExternalTileset(257, "sets/house.tsx")
        .Tileset(1, "grass", 7, "../art/grass.png")
        .Layer("ground", Filled(W, H, 258))
        .Raw(" <group id=\"50\" name=\"g\">\n  <group id=\"51\" name=\"inner\">\n"
             "   <layer id=\"52\" name=\"top\" width=\"6\" height=\"5\"><data encoding=\"csv\">" +
             std::string("2,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0") +
             "</data></layer>\n  </group>\n"
             "  <objectgroup id=\"53\" name=\"o\">\n"
             "   <object id=\"60\" name=\"Bob\" class=\"npc\" gid=\"3\" x=\"64\" y=\"96\" width=\"32\" height=\"32\">"
             "<properties><property name=\"id\" type=\"int\" value=\"8\"/>"
             "<property name=\"texture\" type=\"int\" value=\"100\"/></properties></object>\n"
             "  </objectgroup>\n </group>");
    ASSERT_TRUE(Import("groups.tmx", map.Tmx())) << Messages();
    const MapFile parsed = Parsed();
    ASSERT_EQ(parsed.layerCount, 2);
    EXPECT_EQ(parsed.textures[0].name, 9);
    EXPECT_EQ(parsed.textures[0].file, "maison.tga");
    EXPECT_EQ((std::vector<int>{parsed.layers[0].At(0, 0).texture, parsed.layers[0].At(0, 0).cell,
                                parsed.layers[1].At(0, 0).texture, parsed.layers[1].At(0, 0).cell}),
              (std::vector<int>{9, 1, 7, 1}));
    ASSERT_EQ(parsed.npcs.size(), 1u);
    // y 96 is the bottom: the top is 64; facing down (1) unless told.
    EXPECT_EQ((std::vector<int>{parsed.npcs[0].tileX, parsed.npcs[0].tileY, parsed.npcs[0].reserved}),
              (std::vector<int>{2, 2, 1}));
}

}  // namespace
