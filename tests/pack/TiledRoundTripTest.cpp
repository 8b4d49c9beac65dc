#include "TiledFixture.h"

#include "support/MapFileBuilder.h"

namespace {

const int W = 7, H = 6;

std::string PictureOf(const std::string& tga)
{
    return "../art/" + tga.substr(0, tga.size() - 4) + ".png";
}

class TiledRoundTrip : public TiledFixture {
protected:
    bool ExportAndImport(const std::vector<std::uint8_t>& bytes, const std::string& name = "again")
    {
        diagnostics = Diagnostics();
        if (!ExportTiledMap(bytes, dir.File("maps/" + name + ".tmx"), PictureOf, diagnostics))
            return false;
        exportWarnings = diagnostics.WarningCount();
        return ImportFile(name + ".tmx");
    }
    // Real Tiled's JSON export of maps/<tmx> as maps/<json>; false when Tiled
    // failed.
    bool TiledExport(const std::string& tmx, const std::string& json)
    {
        return RunQuietly("QT_QPA_PLATFORM=offscreen tiled --export-map json '" +
                          dir.File("maps/" + tmx) + "' '" + dir.File("maps/" + json) + "'");
    }
    std::size_t exportWarnings = 0;
};

// What Tiled's own JSON export of a map says packs to the TMX map's bytes,
// with a tileset kept in a .tsx file, in every layer encoding (embedded
// tilesets come with the exported map's round trip below).
TEST_F(TiledRoundTrip, RealTiledJsonExportGivesTheSameBytes)
{
    if (!HaveProgram("tiled"))
        GTEST_SKIP() << "tiled is not installed: the JSON export cross-check is skipped";
    dir.Write("maps/grass.tsx",
              "<?xml version=\"1.0\"?>\n<tileset version=\"1.8\" name=\"grass\" tilewidth=\"32\" tileheight=\"32\" "
              "tilecount=\"256\" columns=\"16\">\n <properties><property name=\"texture\" type=\"int\" value=\"11\"/>"
              "</properties>\n <image source=\"../art/grass.png\" width=\"512\" height=\"512\"/>\n"
              " <tile id=\"5\"><properties><property name=\"walkable\" type=\"bool\" value=\"false\"/></properties>"
              "</tile>\n</tileset>\n");
    std::vector<std::uint32_t> gids(W * H);
    for (std::size_t i = 0; i < gids.size(); ++i) {
        const std::uint32_t spread = std::uint32_t(i * 41 % 768);  // empty cells and all three sheets
        gids[i] = spread < 512 ? spread : 600 + spread - 512;
    }
    gids[6] = 605;  // not walkable
    const std::pair<const char*, const char*> encodings[] = {
        {"csv", ""}, {"base64", ""}, {"base64", "zlib"}, {"base64", "gzip"}};
    for (const auto& encoding : encodings) {
        const std::string what = std::string(encoding.first) + " " + encoding.second;
        TiledTestMap map = Village(W, H);
        map.ExternalTileset(600, "grass.tsx").Layer("mixed", gids, encoding.first, encoding.second);
        // The village's three drawn layers and this fourth one would be too many.
        std::string tmx = map.Tmx();
        const std::string roofs = "name=\"roofs\"";
        tmx.replace(tmx.find(roofs), roofs.size(), "name=\"collision\"");
        ASSERT_TRUE(Import("v.tmx", tmx)) << what << Messages();
        const std::vector<std::uint8_t> fromTmx = imported.mapBytes;
        ASSERT_TRUE(TiledExport("v.tmx", "v.tmj")) << what;
        ASSERT_TRUE(ImportFile("v.tmj")) << what << Messages();
        EXPECT_EQ(imported.mapBytes, fromTmx) << what;
    }
    const MapFile parsed = Parsed();
    EXPECT_EQ(parsed.layers[2].At(1, 0).texture, 7);  // gid 41
    EXPECT_EQ(parsed.layers[2].At(6, 0).texture, 11);
    EXPECT_EQ(parsed.layers[2].At(6, 0).cell, 5);
    EXPECT_EQ(parsed.walkability.At(6, 0), 0);
}

// A packed map written as TMX and read again gives its bytes back.
TEST_F(TiledRoundTrip, ExportThenImportGivesTheSameBytes)
{
    MapFileBuilder built(W, H, 3);
    built.Texture(7, "grass.tga").Texture(9, "house.tga").StartScript(77);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            built.Tile(0, x, y, 7, std::uint8_t(x + 16 * y));
            if ((x + y) % 3 == 0)
                built.Tile(2, x, y, 9, std::uint8_t(255 - x));
        }
    built.Tile(1, 6, 5, 7, 255).Block(0, 0).Block(6, 5).Block(3, 2);
    built.Event(1, 1, 10, 0).Event(2, 1, 10, 0).Event(3, 1, 11, 0).Event(6, 5, 0, 12).Event(5, 5, 13, 12);
    for (std::uint16_t facing = 0; facing < 4; ++facing)
        built.AddNpc({std::uint16_t(20 + facing), 300, facing, std::uint16_t(5 - facing), std::uint16_t(facing * 3),
                      facing, "\xC9lise \x80" + std::to_string(facing)});
    const std::vector<std::uint8_t> bytes = built.Bytes();
    ASSERT_TRUE(ExportAndImport(bytes)) << Messages();
    EXPECT_EQ(exportWarnings, 0u) << Messages();
    EXPECT_TRUE(imported.mapBytes == bytes);
    EXPECT_EQ(imported.pictures[1].sourcePath, dir.File("art/house.png"));

    if (!HaveProgram("tiled"))
        GTEST_SKIP() << "tiled is not installed: opening the written TMX in Tiled is skipped";
    ASSERT_TRUE(TiledExport("again.tmx", "again.tmj"));
    ASSERT_TRUE(ImportFile("again.tmj")) << Messages();
    EXPECT_TRUE(imported.mapBytes == bytes);
}

// What the TMX conventions cannot say is reported, the rest is written.
TEST_F(TiledRoundTrip, WhatCannotBeWrittenIsSaid)
{
    struct Case {
        const char* what;
        MapFileBuilder map;
        const char* warning;
    };
    const Case cases[] = {
        {"a fourth layer", MapFileBuilder(2, 2, 4).Texture(7, "grass.tga"),
         "layer 4 is never drawn by the engine and is left out"},
        {"a tile of a world texture", MapFileBuilder(2, 2, 1).Texture(7, "grass.tga").Tile(0, 1, 1, 5, 0),
         "1 tiles are drawn with texture 5, which the map's texture table does not list"},
        {"blocked tiles without a tileset", MapFileBuilder(2, 2, 1).Block(1, 1),
         "the blocked tiles cannot be marked"},
        {"an odd reserved value", MapFileBuilder(2, 2, 1).AddNpc({3, 100, 0, 0, 0, 9, "x"}),
         "npc 3 has the reserved value 9, which is no facing"},
    };
    for (const Case& c : cases) {
        diagnostics = Diagnostics();
        EXPECT_TRUE(ExportTiledMap(c.map.Bytes(), dir.File("maps/lossy.tmx"), PictureOf, diagnostics)) << c.what;
        EXPECT_EQ(diagnostics.ErrorCount(), 0u) << c.what;
        ASSERT_EQ(diagnostics.WarningCount(), 1u) << c.what << Messages();
        EXPECT_NE(diagnostics.All()[0].message.find(c.warning), std::string::npos) << c.what << Messages();
    }
    diagnostics = Diagnostics();
    EXPECT_FALSE(ExportTiledMap({1, 0, 1, 0}, dir.File("maps/short.tmx"), PictureOf, diagnostics));
    EXPECT_NE(Messages().find("the map file cannot be read: the header"), std::string::npos) << Messages();
}

}  // namespace
