#include <gtest/gtest.h>


#include "support/TestPicture.h"
#include "support/TgaFileBuilder.h"
#include "platform/DataFile.h"
#include "support/TempDir.h"
#include "support/ToolRun.h"

namespace {
class TesselTgaTool : public testing::Test {
protected:
    ToolRun Run(const std::string& arguments) { return ToolRun::Of("tessel-tga", arguments, dir); }
    TempDir dir;
};
}  // namespace

TEST_F(TesselTgaTool, ReportsAReadPictureAndWritesItsPixelMemory)
{
    TestPicture picture = TestPicture::Tiles(8, 4, true, 12);
    std::string path =
        dir.Write("pic.tga", TgaFileBuilder(10, 8, 4, 32, 0x28).RunLengthPicture(picture).Build());
    ToolRun run = Run("'" + path + "' --raw '" + dir.File("pic.raw") + "'");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "code 0 width 8 height 4 bpp 4\n");
    EXPECT_EQ(run.err, "");
    std::vector<std::uint8_t> raw;
    ASSERT_TRUE(ReadDataFile(dir.File("pic.raw"), raw));
    EXPECT_EQ(raw, picture.MemoryBottomUp(4));
}

TEST_F(TesselTgaTool, ExplainsRefusalsAndWritesNoPixels)
{
    std::string big = dir.Write("big.tga", TgaFileBuilder(2, 640, 480, 24).Build());
    ToolRun run = Run("'" + big + "' --raw '" + dir.File("big.raw") + "'");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "code 4 width 640 height 480 bpp 3\n");
    EXPECT_NE(run.err.find("640 is not a power of two from 1 to 512"), std::string::npos) << run.err;
    std::vector<std::uint8_t> none;
    EXPECT_FALSE(ReadDataFile(dir.File("big.raw"), none));

    std::string tall = dir.Write("tall.tga", TgaFileBuilder(2, 8, 48, 24).Build());
    run = Run("'" + tall + "'");
    EXPECT_EQ(run.out, "code 4 width 8 height 48 bpp 3\n");
    EXPECT_NE(run.err.find("height 48"), std::string::npos) << run.err;

    std::string deep = dir.Write("deep.tga", TgaFileBuilder(2, 16, 16, 16).Build());
    run = Run("'" + deep + "'");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "code 2 width 16 height 16 bpp 2\n");
    EXPECT_NE(run.err.find("16-bit pictures are not read"), std::string::npos) << run.err;

    std::string mapped = dir.Write("mapped.tga", TgaFileBuilder(1, 16, 16, 24).Build());
    run = Run("'" + mapped + "'");
    EXPECT_EQ(run.out, "code 2 width 16 height 16 bpp 3\n");
    EXPECT_NE(run.err.find("Image type 1"), std::string::npos) << run.err;

    run = Run("'" + dir.File("missing.tga") + "'");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "code 1 width 0 height 0 bpp 0\n");
    EXPECT_NE(run.err.find("cannot be opened"), std::string::npos) << run.err;
    // Each explanation is one line.
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1);
}

TEST_F(TesselTgaTool, AWrongCommandLineIsAUsageError)
{
    ToolRun run = Run("");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
}
