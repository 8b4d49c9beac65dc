#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <zlib.h>

#include "TiledTestMap.h"
#include "support/MapFileBuilder.h"
#include "support/TempDir.h"
#include "support/ToolRun.h"

namespace fs = std::filesystem;

// Careless or hostile source folders: each is refused with an error naming
// the file (and line where it has lines), nothing is written, and no file
// outside the folders is read or made.
namespace {

std::string World(const std::string& entries)
{
    return "{ \"name\": \"W\", \"start_script\": 0" + entries + " }\n";
}

std::string Nested(char open, char close, int depth)
{
    return std::string(std::size_t(depth), open) + std::string(std::size_t(depth), close);
}

// A PNG that declares `side` x `side` pixels of RGB but holds only the first
// rows' worth of data: readers that trust the header allocate it all.
std::string PngDeclaring(std::uint32_t side)
{
    auto u32 = [](std::uint32_t v) {
        return std::string{char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
    };
    auto chunk = [&](const std::string& type, const std::string& data) {
        const std::string body = type + data;
        const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(body.data()), uInt(body.size()));
        return u32(std::uint32_t(data.size())) + body + u32(std::uint32_t(crc));
    };
    const std::string row(1 + std::size_t(side) * 3, '\0');
    std::string packed(compressBound(uLong(row.size())), '\0');
    uLongf size = uLongf(packed.size());
    compress(reinterpret_cast<Bytef*>(&packed[0]), &size, reinterpret_cast<const Bytef*>(row.data()), uLong(row.size()));
    packed.resize(size);
    return std::string("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", u32(side) + u32(side) + std::string("\x08\x02\0\0\0", 5)) +
           chunk("IDAT", packed) + chunk("IEND", "");
}

std::string Tmx(int width, int height, const std::string& tilesetProperties, const std::string& image = "../art/grass.png")
{
    const std::string w = std::to_string(width), h = std::to_string(height);
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<map version=\"1.10\" orientation=\"orthogonal\" width=\"" + w + "\" height=\"" + h +
           "\" tilewidth=\"32\" tileheight=\"32\" infinite=\"0\">\n"
           " <tileset firstgid=\"1\" name=\"grass\" tilewidth=\"32\" tileheight=\"32\" tilecount=\"256\" columns=\"16\">\n"
           "  <properties><property name=\"texture\" type=\"int\" value=\"7\"/>" + tilesetProperties + "</properties>\n"
           "  <image source=\"" + image + "\" width=\"512\" height=\"512\"/>\n"
           " </tileset>\n"
           " <layer id=\"1\" name=\"ground\" width=\"" + w + "\" height=\"" + h + "\">\n"
           "  <data encoding=\"csv\">1</data>\n"
           " </layer>\n"
           "</map>\n";
}

const std::string kMapEntry = ", \"maps\": [ { \"source\": \"maps/m.tmx\" } ]";

} // namespace

TEST(HostileSource, IsRefusedWithItsFileAndNothingIsWritten)
{
    const struct {
        std::string what;
        std::string world;
        std::string file;      // written in the source folder when not empty
        std::string contents;
        std::string error;     // one line of the errors, exactly
    } cases[] = {
        {"a texture outside the folder", World(", \"textures\": [ { \"texture\": 5, \"source\": \"../x.png\" } ]"),
         "", "", "world.json:1:75: error: \"../x.png\" leads outside the folder (\"..\" past its top)"},
        {"an endless script", World(", \"scripts\": [ { \"source\": \"/dev/zero\" } ]"), "", "",
         "world.json:1:60: error: \"/dev/zero\" is an absolute path: name a file inside the folder"},
        {"a script linked to an endless file", World(", \"scripts\": [ { \"source\": \"s.txt\" } ]"), "s.txt",
         "->/dev/zero", "world.json:1:48: error: s.txt is not a regular file"},
        {"a world nested 50000 deep", "{ \"name\": \"W\", \"x\": " + Nested('[', ']', 50000) + " }", "", "",
         "world.json:1:276: error: lists and objects nest more than 256 deep here"},
        {"a picture declaring 16384 x 16384 pixels",
         World(", \"textures\": [ { \"texture\": 5, \"source\": \"big.png\" } ]"), "big.png", PngDeclaring(16384),
         "world.json:1:49: error: big.png: declares 16384 x 16384 pixels, more than the 512 pixels a side that "
         "are read"},
        {"a tileset written outside the game folder", World(kMapEntry), "maps/m.tmx",
         Tmx(1, 1, "<property name=\"file\" value=\"../../../x.tga\"/>"),
         "maps/m.tmx:4: error: tileset 'grass': the picture file name '../../../x.tga' holds a '/': it must be one "
         "file name, without folders"},
        {"a tileset picture outside the folder", World(kMapEntry), "maps/m.tmx", Tmx(1, 1, "", "../../grass.png"),
         "maps/m.tmx:5: error: the file name '../../grass.png' leads outside the folder (\"..\" past its top)"},
        {"a 359-byte map of 32768 x 32768 tiles", World(kMapEntry), "maps/m.tmx", Tmx(32768, 32768, ""),
         "maps/m.tmx:2: error: the map is 32768 x 32768 tiles: a map may have at most 16777216 tiles (4096 x "
         "4096), as the game holds it whole in memory"},
        {"layer groups nested 300 deep", World(kMapEntry), "maps/m.tmx",
         "<map orientation=\"orthogonal\" width=\"1\" height=\"1\" tilewidth=\"32\" tileheight=\"32\">\n" +
             [] {
                 std::string groups;
                 for (int i = 0; i < 300; ++i)
                     groups += "<group>";
                 for (int i = 0; i < 300; ++i)
                     groups += "</group>";
                 return groups;
             }() + "\n</map>\n",
         "maps/m.tmx:2: error: layer groups nest more than 256 deep here"},
        {"a Tiled JSON map nested 50000 deep", World(", \"maps\": [ { \"source\": \"m.tmj\" } ]"), "m.tmj",
         "{ \"type\": \"map\", \"x\": " + Nested('{', '}', 1) + ", \"y\": " + Nested('[', ']', 50000) + " }",
         "m.tmj:1:287: error: lists and objects nest more than 256 deep here"},
    };
    for (const auto& c : cases) {
        TempDir dir;
        dir.Write("src/world.json", c.world);
        dir.Write("src/art/grass.png", std::string());
        WriteSheetPng(dir.File("src/art/grass.png"), 0);
        if (c.contents.compare(0, 2, "->") == 0)
            fs::create_symlink(c.contents.substr(2), dir.File("src/" + c.file));
        else if (!c.file.empty())
            dir.Write("src/" + c.file, c.contents);
        for (const char* arguments : {"src --check", "src -o game/out"}) {
            const ToolRun run = ToolRun::Of("tessel-pack", arguments, dir);
            EXPECT_EQ(run.status, 1) << c.what << ": " << arguments;
            EXPECT_NE(run.err.find(c.error + "\n"), std::string::npos) << c.what << ": " << arguments << "\n"
                                                                         << run.err;
        }
        EXPECT_FALSE(fs::exists(dir.File("game"))) << c.what;
        EXPECT_FALSE(fs::exists(dir.File("x.tga"))) << c.what;
        EXPECT_FALSE(fs::exists(fs::path(dir.Path()).parent_path() / "x.tga")) << c.what;
    }
}

TEST(HostileSource, ACharacterNameWithU0000IsRefused)
{
    TempDir dir;
    dir.Write("src/world.json", World(", \"maps\": [ { \"source\": \"maps/m.tmj\" } ]"));
    dir.Write("src/art/grass.png", std::string());
    WriteSheetPng(dir.File("src/art/grass.png"), 0);
    dir.Write("src/maps/m.tmj",
              "{ \"type\": \"map\", \"orientation\": \"orthogonal\", \"width\": 2, \"height\": 1,\n"
              "  \"tilewidth\": 32, \"tileheight\": 32, \"infinite\": false,\n"
              "  \"tilesets\": [ { \"firstgid\": 1, \"name\": \"grass\", \"tilewidth\": 32, \"tileheight\": 32,\n"
              "    \"image\": \"../art/grass.png\",\n"
              "    \"properties\": [ { \"name\": \"texture\", \"type\": \"int\", \"value\": 7 } ] } ],\n"
              "  \"layers\": [ { \"type\": \"tilelayer\", \"name\": \"ground\", \"width\": 2, \"height\": 1,\n"
              "      \"data\": [1, 2] },\n"
              "    { \"type\": \"objectgroup\", \"objects\": [ { \"id\": 1, \"name\": \"B\\u0000b\", \"type\": \"npc\",\n"
              "      \"x\": 0, \"y\": 0, \"properties\": [ { \"name\": \"id\", \"type\": \"int\", \"value\": 1 },\n"
              "        { \"name\": \"texture\", \"type\": \"int\", \"value\": 9 } ] } ] } ] }\n");
    const ToolRun run = ToolRun::Of("tessel-pack", "src -o game", dir);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "maps/m.tmj:8: error: npc object 1 'B\\x00b''s name holds the character U+0000, which no text of the "
                       "game can hold\n");
    EXPECT_FALSE(fs::exists(dir.File("game")));
}

TEST(HostileSource, AnUnpackedGameNamesNoFileOutsideItsFolders)
{
    TempDir dir;
    // A world file listing the container "../../outside" and the picture
    // "../x.tga"; both files exist where those names would lead.
    dir.Write("game/wor/W.world", std::string("../../outside\0\0\5\0../x.tga\0\0\0\0", 30));
    dir.Write("outside", std::string("\1\0Console 1 ;\0", 14));
    // A map whose texture table names "../../y.tga".
    dir.Write("game/map/m.map", MapFileBuilder(1, 1, 1).Texture(9, "../../y.tga").Bytes());
    dir.Write("game/x.tga", std::string("not read"));
    const ToolRun run = ToolRun::Of("tessel-pack", "--unpack game -o src", dir);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "game/wor/W.world: error: names the file tsl\\../../outside, which holds a '/': it must be "
                       "one file name, without folders; it is not read\n"
                       "game/wor/W.world: error: names the file tga\\../x.tga, which holds a '/': it must be one "
                       "file name, without folders; it is not read\n"
                       "game/map/m.map: error: names the file tga\\../../y.tga, which holds a '/': it must be one "
                       "file name, without folders; it is not read\n");
    EXPECT_FALSE(fs::exists(dir.File("src")));
    EXPECT_FALSE(fs::exists(dir.File("outside.txt")));
    EXPECT_FALSE(fs::exists(fs::path(dir.Path()).parent_path() / "outside.txt"));
}
