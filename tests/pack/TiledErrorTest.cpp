#include "TiledFixture.h"

namespace {

const int W = 4, H = 3;

TiledTestMap Base()
{
    TiledTestMap map(W, H);
    map.Tileset(1, "grass", 7, "../art/grass.png");
    return map;
}

std::vector<std::uint32_t> WithTile(int x, int y, std::uint32_t gid)
{
    std::vector<std::uint32_t> gids = Filled(W, H, 1);
    gids[y * W + x] = gid;
    return gids;
}

std::string SmallTileset(const std::string& attributes, const std::string& image)
{
    return "<tileset firstgid=\"257\" name=\"odd\" " + attributes +
           ">\n  <properties><property name=\"texture\" type=\"int\" value=\"8\"/></properties>\n"
           "  <image source=\"" + image + "\" width=\"512\" height=\"512\"/>\n </tileset>";
}

std::string ManyTilesets()
{
    TiledTestMap map(256, 1);
    std::vector<std::uint32_t> gids;
    for (int i = 0; i < 256; ++i) {
        map.Tileset(1 + 256 * i, "t" + std::to_string(i), i + 1, "../art/grass.png");
        gids.push_back(std::uint32_t(1 + 256 * i));
    }
    return map.Layer("ground", gids).Tmx();
}

struct BadMap {
    const char* what;
    std::string text;
    const char* message;   // part of the one error expected
    const char* lineMark;  // the error is on the first line holding this; null: no line
    const char* file = "maps/bad.tmx";
};

std::vector<BadMap> BadMaps()
{
    std::string infinite = Base().Tmx();
    infinite.replace(infinite.find("infinite=\"0\""), 12, "infinite=\"1\"");
    const std::vector<std::pair<std::string, std::string>> npc = {{"id", "3"}, {"texture", "100"}};
    return {
        {"a fourth drawn layer",
         Base().Layer("a", Filled(W, H, 1)).Layer("collision", Filled(W, H, 0)).Layer("b", Filled(W, H, 1))
             .Layer("c", Filled(W, H, 1)).Layer("fourth", Filled(W, H, 1)).Tmx(),
         "layer 'fourth' is the 4th drawn tile layer: the engine draws three", "name=\"fourth\""},
        {"tiles of 16 pixels",
         Base().RawTileset(SmallTileset("tilewidth=\"16\" tileheight=\"16\"", "../art/grass.png")).Tmx(),
         "tileset 'odd': its tiles are 16 x 16 pixels; a tileset must be one 512 x 512 picture", "name=\"odd\""},
        {"a picture of 256 x 256",
         Base().RawTileset(SmallTileset("tilewidth=\"32\" tileheight=\"32\"", "../art/small.png")).Tmx(),
         "its picture 'art/small.png' is 256 x 256 pixels", "name=\"odd\""},
        {"a missing picture",
         Base().RawTileset(SmallTileset("tilewidth=\"32\" tileheight=\"32\"", "../art/none.png")).Tmx(),
         "its picture 'art/none.png' cannot be read", "name=\"odd\""},
        {"a horizontally flipped tile", Base().Layer("ground", WithTile(1, 2, 0x80000001u)).Tmx(),
         "layer 'ground': the tile at x 1, y 2 is flipped or rotated", "name=\"ground\""},
        {"a tile of no tileset", Base().Layer("ground", WithTile(0, 0, 300)).Tmx(),
         "the tile at x 0, y 0 (tile id 300) belongs to no tileset", "name=\"ground\""},
        {"256 tile sheets in use", ManyTilesets(), "the drawn layers use tiles of 256 tilesets: a map can draw from "
                                                   "at most 255", "<map"},
        {"a texture name beyond 8 bits on a drawn tile",
         TiledTestMap(W, H).Tileset(1, "big", 256, "../art/grass.png").Layer("ground", Filled(W, H, 1)).Tmx(),
         "tileset 'big' has texture 256 and layer 'ground' draws its tiles", "name=\"big\""},
        {"a map 70000 tiles wide", TiledTestMap(70000, 2).Tmx(),
         "the map is 70000 tiles wide: a map file holds 1 to 65535 tiles a side", "<map"},
        {"an npc id beyond 16 bits",
         Base().Object("npc", "Bob", 0, 0, 32, 32, {{"id", "70000"}, {"texture", "100"}}).Tmx(),
         "npc object 1 'Bob': property 'id' is '70000'; it must be a whole number from 1 to 65535",
         "name=\"id\""},
        {"an unknown facing",
         Base().Object("npc", "Bob", 0, 0, 32, 32, {{"id", "3"}, {"texture", "100"}, {"facing", "nord"}}).Tmx(),
         "property 'facing' is 'nord'; it must be gauche, bas, droite or haut", "name=\"facing\""},
        {"an npc without id", Base().Object("npc", "Bob", 0, 0, 32, 32, {{"texture", "100"}}).Tmx(),
         "npc object 1 'Bob' has no property 'id'", "<object id"},
        {"two npcs with one id",
         Base().Object("npc", "Bob", 0, 0, 32, 32, npc).Object("npc", "Ann", 32, 0, 32, 32, npc).Tmx(),
         "has id 3, as the npc 'Bob' already has", "name=\"Ann\""},
        {"overlapping step scripts",
         Base().Object("step", "", 0, 0, 64, 32, {{"script", "5"}}).Object("step", "", 32, 0, 32, 32,
                                                                             {{"script", "6"}}).Tmx(),
         "gives tile 1, 0 the script 6, but object 1 already gave it 5", "<object id=\"2\""},
        {"a missing external tileset", Base().ExternalTileset(257, "missing.tsx").Tmx(),
         "the tileset file 'missing.tsx' (maps/missing.tsx) cannot be opened", "missing.tsx"},
        {"a tileset without texture",
         TiledTestMap(W, H).RawTileset("<tileset firstgid=\"1\" name=\"plain\" tilewidth=\"32\" tileheight=\"32\">"
                                       "<image source=\"../art/grass.png\" width=\"512\" height=\"512\"/></tileset>")
             .Tmx(),
         "tileset 'plain' has no property 'texture'", "name=\"plain\""},
        {"two tilesets with one texture",
         Base().Tileset(257, "again", 7, "../art/house.png").Tmx(),
         "tileset 'again' has texture 7, as tileset 'grass' already has", "value=\"7\"/>\n  </properties>\n  "
                                                                          "<image source=\"../art/house"},
        {"a collection of images",
         Base().RawTileset("<tileset firstgid=\"257\" name=\"loose\" tilewidth=\"32\" tileheight=\"32\">"
                           "<tile id=\"0\"><image source=\"../art/grass.png\"/></tile></tileset>").Tmx(),
         "tileset 'loose': it is a collection of images", "name=\"loose\""},
        {"an object template", Base().Raw(" <objectgroup id=\"9\" name=\"o\">\n  <object id=\"4\" "
                                          "template=\"chest.tx\" x=\"0\" y=\"0\"/>\n </objectgroup>").Tmx(),
         "object 4 uses the template 'chest.tx': templates are not read", "template="},
        {"an infinite map", infinite, "the map is infinite", "<map"},
        {"zstd layers",
         Base().Raw(" <layer id=\"9\" name=\"z\" width=\"4\" height=\"3\"><data encoding=\"base64\" "
                    "compression=\"zstd\">KLUv/SAwAQAAAA==</data></layer>").Tmx(),
         "layer 'z': the compression 'zstd' is not supported", "compression=\"zstd\""},
        {"broken XML", "<?xml version=\"1.0\"?>\n<map width=\"4\">\n <layer>\n</map>\n",
         "is not well-formed XML", "</map>"},
    };
}

TEST_F(TiledFixture, EachMistakeGivesOneClearError)
{
    WritePng(dir.File("art/small.png"), 256, 256, [](int, int) { return Rgba{1, 2, 3, 255}; });
    for (const BadMap& bad : BadMaps()) {
        EXPECT_FALSE(Import("bad.tmx", bad.text)) << bad.what;
        EXPECT_TRUE(imported.mapBytes.empty()) << bad.what;
        ASSERT_EQ(diagnostics.ErrorCount(), 1u) << bad.what << "\n" << Messages();
        const Diagnostic& error = *std::find_if(diagnostics.All().begin(), diagnostics.All().end(),
                                                [](const Diagnostic& d) { return d.level == Diagnostic::Level::Error; });
        EXPECT_NE(error.message.find(bad.message), std::string::npos) << bad.what << "\n" << Messages();
        EXPECT_EQ(error.file, bad.file) << bad.what;
        const std::size_t mark = bad.text.find(bad.lineMark);
        ASSERT_NE(mark, std::string::npos) << bad.what;
        const int line = 1 + int(std::count(bad.text.begin(), bad.text.begin() + long(mark), '\n'));
        EXPECT_EQ(error.line, line) << bad.what << "\n" << Messages();
    }
}

TEST_F(TiledFixture, BrokenJsonAndUnknownFilesAreNamed)
{
    EXPECT_FALSE(Import("bad.tmj", "{\n  \"width\": 4,\n  \"layers\": [,]\n}\n"));
    ASSERT_EQ(diagnostics.ErrorCount(), 1u);
    EXPECT_EQ(diagnostics.All()[0].line, 3);
    EXPECT_NE(diagnostics.All()[0].message.find("is not valid JSON"), std::string::npos) << Messages();
    EXPECT_FALSE(Import("map.txt", "hello"));
    EXPECT_NE(Messages().find("maps/map.txt: error: is not a Tiled map"), std::string::npos) << Messages();
    EXPECT_FALSE(ImportFile("absent.tmx"));
    EXPECT_EQ(Messages(), "maps/absent.tmx: error: cannot be opened\n");
}

// JSON maps name the line of the element concerned too.
TEST_F(TiledFixture, JsonMistakesNameTheirLine)
{
    const std::string json =
        "{ \"type\": \"map\", \"orientation\": \"orthogonal\", \"width\": 2, \"height\": 1,\n"
        "  \"tilewidth\": 32, \"tileheight\": 32, \"infinite\": false,\n"
        "  \"tilesets\": [ { \"firstgid\": 1, \"name\": \"grass\", \"tilewidth\": 32, \"tileheight\": 32,\n"
        "    \"image\": \"../art/grass.png\",\n"
        "    \"properties\": [ { \"name\": \"texture\", \"type\": \"int\", \"value\": 7 } ] } ],\n"
        "  \"layers\": [ { \"type\": \"group\", \"layers\": [\n"
        "    { \"type\": \"tilelayer\", \"name\": \"ground\", \"width\": 2, \"height\": 1,\n"
        "      \"data\": [1, 2147483649] } ] },\n"
        "    { \"type\": \"objectgroup\", \"objects\": [ { \"id\": 1, \"name\": \"Bob\", \"type\": \"npc\",\n"
        "      \"x\": 0, \"y\": 0, \"properties\": [ { \"name\": \"id\", \"type\": \"int\", \"value\": 1 },\n"
        "        { \"name\": \"texture\", \"type\": \"int\", \"value\": 9 },\n"
        "        { \"name\": \"facing\", \"type\": \"string\", \"value\": \"nord\" } ] } ] } ] }\n";
    EXPECT_FALSE(Import("bad.tmj", json));
    ASSERT_EQ(diagnostics.ErrorCount(), 2u) << Messages();
    EXPECT_EQ(Messages(), "maps/bad.tmj:7: error: layer 'ground': the tile at x 1, y 0 is flipped or rotated; the "
                          "engine draws tiles only as the tileset shows them\n"
                          "maps/bad.tmj:12: error: npc object 1 'Bob': property 'facing' is 'nord'; it must be "
                          "gauche, bas, droite or haut\n");
}

// What the engine ignores is said, but does not stop the build.
TEST_F(TiledFixture, UnknownPropertiesAndClassesAreWarnings)
{
    ASSERT_TRUE(Import("warn.tmx", Base()
                                       .MapProperty("music", "string", "theme")
                                       .Raw(" <layer id=\"40\" name=\"ghost\" width=\"4\" height=\"3\" "
                                            "visible=\"0\"><data encoding=\"csv\">0,0,0,0,0,0,0,0,0,0,0,0"
                                            "</data></layer>")
                                       .Object("chest", "", 0, 0, 32, 32, {})
                                       .Object("npc", "Bob", 0, 0, 32, 32, {{"id", "3"}, {"texture", "9"}, {"hp", "4"}})
                                       .Tmx()))
        << Messages();
    EXPECT_EQ(diagnostics.WarningCount(), 4u) << Messages();
    const std::string messages = Messages();
    for (const char* part : {"the map: the property 'music' means nothing to the engine",
                             "object 1 has the class 'chest': only npc, action and step objects",
                             "npc object 2 'Bob': the property 'hp' means nothing",
                             "layer 'ghost' is hidden in Tiled; the engine draws it"})
        EXPECT_NE(messages.find(part), std::string::npos) << part << "\n" << messages;
}

}  // namespace
