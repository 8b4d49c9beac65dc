#include <gtest/gtest.h>

#include "support/MapFileBuilder.h"
#include "support/TempDir.h"
#include "support/ToolRun.h"

TEST(MapTool, ListsWhatTheEngineReadsOrSaysWhyItCannot)
{
    TempDir dir;
    const MapFileBuilder::Npc sage{12, 40, 3, 4, 501, 0, "Vieux sage"};
    const std::string path =
        dir.Write("village.map", MapFileBuilder(4, 2, 3).Texture(9, "tiles.tga").Texture(40, "sage.tga").AddNpc(sage)
                                     .Block(0, 0).Block(3, 1).Event(2, 0, 0, 6).Event(1, 1, 300, 0).StartScript(77).Bytes());
    const std::string listing = "size 4 2 layers 3\nstart 77\ntexture 9 tiles.tga\ntexture 40 sage.tga\n"
                                "npc 12 40 3 4 501 Vieux sage\n";
    std::vector<std::uint8_t> bytes = MapFileBuilder(20, 15, 3).Bytes();
    bytes.resize(bytes.size() - 10);
    const std::string cut = dir.Write("cut.map", bytes), missing = dir.File("nothing.map");
    const std::string forged = dir.Write("forged.map", MapFileBuilder(1, 1, 0).AddNpc({3, 0, 0, 0, 0, 0, "a\nnpc 9"}).Bytes());
    const struct {
        std::string arguments;
        int status;
        std::string out, err;
    } runs[] = {
        {"'" + path + "'", 0, listing, ""},
        {"'" + path + "' --grids", 0, listing + "#...\n...#\nevent 2 0 0 6\nevent 1 1 300 0\n", ""},
        {"'" + cut + "'", 1, "",
         cut + " is refused: the tiles, walkability, events and start script of a 20 x 15 map with 3 layers need "
               "3302 bytes after the character list, but only 3292 remain.\n"},
        {"'" + missing + "'", 1, "", missing + " is refused: the file " + missing + " cannot be opened.\n"},
        // An endless file is refused once it passes what its header allows.
        {"/dev/zero", 1, "", "/dev/zero is refused: the file /dev/zero holds more than the 16777223 bytes that a "
                             "map with its header can need, or cannot be read.\n"},
        // A name cannot forge lines of the listing.
        {"'" + forged + "'", 0, "size 1 1 layers 0\nstart 0\nnpc 3 0 0 0 0 a\\x0Anpc 9\n", ""},
    };
    for (const auto& r : runs) {
        ToolRun run = ToolRun::Of("tessel-map", r.arguments, dir);
        EXPECT_EQ(run.status, r.status) << r.arguments;
        EXPECT_EQ(run.out, r.out) << r.arguments;
        EXPECT_EQ(run.err, r.err) << r.arguments;
    }
}
