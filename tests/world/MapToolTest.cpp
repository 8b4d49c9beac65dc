#include <gtest/gtest.h>

#include <filesystem>

#include "support/MapFileBuilder.h"
#include "support/TempDir.h"
#include "support/ToolRun.h"

namespace {

class MapTool : public ::testing::Test {
protected:
    ToolRun Run(const std::string& arguments) { return ToolRun::Of("tessel-map", arguments, dir); }

    TempDir dir;
};

}  // namespace

TEST_F(MapTool, ListsHeaderTexturesAndCharactersInFileOrder)
{
    MapFileBuilder::Npc npc;
    npc.identifier = 12;
    npc.texture = 40;
    npc.tileX = 3;
    npc.tileY = 4;
    npc.actionScript = 501;
    npc.name = "Vieux sage";
    MapFileBuilder::Npc second = npc;
    second.identifier = 2;
    second.name = "Chat";
    const std::string path = dir.Write(
        "village.map",
        MapFileBuilder(20, 15, 3).Texture(9, "tiles.tga").Texture(40, "sage.tga").AddNpc(npc).AddNpc(second).StartScript(77).Bytes());
    ToolRun run = Run("'" + path + "'");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "size 20 15 layers 3\n"
              "start 77\n"
              "texture 9 tiles.tga\n"
              "texture 40 sage.tga\n"
              "npc 12 40 3 4 501 Vieux sage\n"
              "npc 2 40 3 4 501 Chat\n");
    EXPECT_EQ(run.err, "");
}

TEST_F(MapTool, GridsShowWalkabilityAndTileScripts)
{
    const std::string path = dir.Write(
        "small.map", MapFileBuilder(4, 2, 1).Block(0, 0).Block(3, 1).Event(2, 0, 0, 6).Event(1, 1, 300, 0).Bytes());
    ToolRun run = Run("'" + path + "' --grids");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "size 4 2 layers 1\n"
              "start 0\n"
              "#...\n"
              "...#\n"
              "event 2 0 0 6\n"
              "event 1 1 300 0\n");
}

TEST_F(MapTool, RefusedAndMissingFilesSayWhyOnStandardError)
{
    std::vector<std::uint8_t> bytes = MapFileBuilder(20, 15, 3).Bytes();
    bytes.resize(bytes.size() - 10);
    const std::string cut = dir.Write("cut.map", bytes);
    ToolRun refused = Run("'" + cut + "'");
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(refused.err, cut +
                               " is refused: the tiles, walkability, events and start script of a 20 x 15 map "
                               "with 3 layers need 3302 bytes after the character list, but only 3292 "
                               "remain.\n");

    ToolRun missing = Run("'" + dir.File("nothing.map") + "'");
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out, "");
    EXPECT_EQ(missing.err, dir.File("nothing.map") + " cannot be opened.\n");
}
