#include <gtest/gtest.h>

#include "platform/DataFile.h"
#include "support/TestPicture.h"
#include "support/TgaFileBuilder.h"
#include "support/ToolRun.h"

namespace {
class TesselTgaTool : public testing::Test {
protected:
    // Reads `path`, asking for the pixel memory in out.raw.
    ToolRun Run(const std::string& path)
    {
        return ToolRun::Of("tessel-tga", "'" + path + "' --raw '" + dir.File("out.raw") + "'", dir);
    }
    TempDir dir;
    std::vector<std::uint8_t> raw;
};
}  // namespace

TEST_F(TesselTgaTool, ReportsAReadPictureAndWritesItsPixelMemory)
{
    TestPicture picture = TestPicture::Tiles(8, 4, true, 12);
    TgaFileBuilder file(10, 8, 4, 32, 0x28);
    ToolRun run = Run(dir.Write("pic.tga", file.RunLengthPicture(picture).Build()));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "code 0 width 8 height 4 bpp 4\n");
    EXPECT_EQ(run.err, "");
    ASSERT_TRUE(ReadDataFile(dir.File("out.raw"), raw));
    EXPECT_EQ(raw, picture.MemoryBottomUp(4));
    EXPECT_EQ(ToolRun::Of("tessel-tga", "", dir).status, 2) << "a usage error";
}

// Each refusal: status 1, the record, a one-line reason and no pixel file.
TEST_F(TesselTgaTool, ExplainsRefusalsAndWritesNoPixels)
{
    const struct {
        std::uint8_t type, depth;
        std::uint16_t width, height;
        const char *out, *reason;
    } cases[] = {
        {2, 24, 640, 480, "code 4 width 640 height 480 bpp 3\n",
         "640 is not a power of two from 1 to 512"},
        {2, 24, 8, 48, "code 4 width 8 height 48 bpp 3\n", "height 48"},
        {2, 16, 16, 16, "code 2 width 16 height 16 bpp 2\n", "16-bit pictures are not read"},
        {1, 24, 16, 16, "code 2 width 16 height 16 bpp 3\n", "Image type 1"},
        {0, 0, 0, 0, "code 1 width 0 height 0 bpp 0\n", "cannot be opened"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.out);
        TgaFileBuilder file(c.type, c.width, c.height, c.depth);
        ToolRun run = Run(c.type ? dir.Write("in.tga", file.Build()) : dir.File("missing.tga"));
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out, c.out);
        EXPECT_NE(run.err.find(c.reason), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
        EXPECT_FALSE(ReadDataFile(dir.File("out.raw"), raw));
    }
}

// Pictures the engine reads, but not as their author may think.
TEST_F(TesselTgaTool, WarnsOfColourMapsShortFilesAndRefusesFolders)
{
    const TestPicture picture = TestPicture::Tiles(4, 4, false, 3);
    std::vector<std::uint8_t> mapped = TgaFileBuilder(2, 4, 4, 24).RawPicture(picture).Build();
    mapped[1] = 1;
    mapped[5] = 16;
    std::vector<std::uint8_t> cut = TgaFileBuilder(2, 4, 4, 24).RawPicture(picture).Build();
    cut.resize(cut.size() - 7);
    std::vector<std::uint8_t> cutRle = TgaFileBuilder(10, 4, 4, 24).Run(16, PicturePixel{1, 2, 3, 255}).Build();
    cutRle.resize(cutRle.size() - 2);
    const struct {
        std::vector<std::uint8_t> bytes;
        const char* warning;
    } cases[] = {
        {mapped, "warning: The file carries a colour map of 16 entries"},
        {cut, "warning: The file ends 7 bytes before its pixel data does"},
        {cutRle, "warning: The file ends 2 bytes before"},
    };
    for (const auto& c : cases) {
        ToolRun run = Run(dir.Write("in.tga", c.bytes));
        EXPECT_EQ(run.status, 0) << c.warning;
        EXPECT_NE(run.err.find(c.warning), std::string::npos) << run.err;
    }
    EXPECT_EQ(Run(dir.Write("fine.tga", TgaFileBuilder(2, 4, 4, 24).RawPicture(picture).Build())).err, "");
    ToolRun folder = Run(dir.Path());
    EXPECT_EQ(folder.status, 1);
    EXPECT_NE(folder.err.find("is a folder, not a picture"), std::string::npos) << folder.err;
}
