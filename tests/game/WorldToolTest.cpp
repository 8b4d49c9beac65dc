#include <gtest/gtest.h>

#include "support/ToolRun.h"
#include "support/WorldFolder.h"

TEST(WorldTool, ListsWhatTheEngineReadsOrSaysWhyItCannot)
{
    TempDir dir;
    const std::vector<std::uint8_t> world =
        WorldFolder::WorldBytes({"main.tsl", "pnj.tsl"}, {{5, "b.tga"}, {3, "a.tga"}, {5, "c.tga"}}, 12);
    const std::string path = dir.Write("Sylva.world", world);
    std::string longName(256, 'x');
    const struct {
        std::vector<std::uint8_t> bytes;
        int status;
        std::string out, err;
    } runs[] = {
        // Duplicate texture names are kept, in file order.
        {world, 0, "script 1 main.tsl\nscript 2 pnj.tsl\ntexture 5 b.tga\ntexture 3 a.tga\ntexture 5 c.tga\nstart 12\n", ""},
        {{0, 0, 1, 0}, 0, "start 1\n", ""},
        // A texture named 256 starts with a 0 byte, which ends the list: its
        // high byte and the file name's first byte become the start script.
        {WorldFolder::WorldBytes({}, {{256, "x.tga"}}, 1), 0, "start 30721\n", ""},
        {WorldFolder::WorldBytes({longName}, {}, 1), 1, "",
         "script file name 1 starting at byte 0 is 256 bytes long; at most 255 are allowed"},
        {WorldFolder::WorldBytes({"a\nscript 9 forged"}, {}, 1), 0, "script 1 a\\x0Ascript 9 forged\nstart 1\n", ""},
    };
    for (const auto& r : runs) {
        dir.Write("case.world", r.bytes);
        ToolRun run = ToolRun::Of("tessel-world", "case.world", dir);
        EXPECT_EQ(run.status, r.status) << run.out;
        EXPECT_EQ(run.out, r.out);
        EXPECT_EQ(run.err, r.err.empty() ? "" : "case.world is refused: " + r.err + ".\n");
    }

    // Cut at every length: refused, listing only the entries read whole.
    for (std::size_t length = 0; length < world.size(); ++length) {
        dir.Write("cut.world", std::vector<std::uint8_t>(world.begin(), world.begin() + length));
        ToolRun run = ToolRun::Of("tessel-world", "cut.world", dir);
        EXPECT_EQ(run.status, 1) << length;
        EXPECT_EQ(run.out.find("start"), std::string::npos) << length;
        const std::size_t lines = std::count(run.out.begin(), run.out.end(), '\n');
        EXPECT_LE(lines, length / 6) << length << ": " << run.out;
        EXPECT_NE(run.err.find("cut.world is refused: "), std::string::npos) << length;
    }
    ToolRun missing = ToolRun::Of("tessel-world", "absent.world", dir);
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("absent.world cannot be read"), std::string::npos);
}
