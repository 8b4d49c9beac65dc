#include <gtest/gtest.h>

#include <cstdlib>

#include "ImageMemory.h"
#include "platform/DataFile.h"
#include "support/TempDir.h"
#include "support/TestPicture.h"

// Files written by an encoder that is not ours (ImageMagick's convert), in
// every kind the reader takes, read back and compared pixel by pixel with the
// picture the test drew.
TEST(TgaFromImageMagick, EveryKindReadsAsDrawn)
{
    for (int kind = 0; kind < 8; ++kind) {
        const std::uint32_t bpp = kind & 4 ? 4 : 3;
        const bool runLength = kind & 2, topFirst = kind & 1;
        SCOPED_TRACE(testing::Message() << bpp * 8 << " bits" << (runLength ? ", RLE" : "")
                                        << (topFirst ? ", top-left" : ", bottom-left"));
        TestPicture picture = TestPicture::Tiles(64, 32, bpp == 4, kind);
        TempDir dir;
        std::string input = dir.Write("in.raw", picture.BytesTopDown(bpp));
        std::string output = dir.File("out.tga");
        // convert keeps rows in the order it holds them and only labels the
        // file with the orientation: a bottom-left file needs them flipped
        // first. The top-left files carry a comment, written as the image ID.
        std::string command =
            "convert -size 64x32 -depth 8 " + std::string(bpp == 4 ? "rgba:'" : "rgb:'") + input +
            "'" + (topFirst ? " -orient TopLeft -set comment 'drawn by a test'" : " -flip") +
            (topFirst ? "" : " -orient BottomLeft") +
            (bpp == 4 ? " -type TrueColorAlpha" : " -type TrueColor") +
            (runLength ? " -compress RLE '" : " '") + output + "' 2>&1";
        ASSERT_EQ(std::system(command.c_str()), 0)
            << command << "\n(convert is a test dependency: scripts/install-deps.sh test)";

        // The file must be of the kind this case means to test.
        Bytes file;
        ASSERT_TRUE(ReadDataFile(output, file));
        ASSERT_GE(file.size(), 18u);
        EXPECT_EQ(file[2], runLength ? 10 : 2);
        EXPECT_EQ(file[16], bpp * 8);
        EXPECT_EQ((file[17] & 0x20) != 0, topFirst);
        EXPECT_EQ(file[0] != 0, topFirst);

        TgaImage image;
        ASSERT_EQ(ReadTga(image, output), TgaOk);
        EXPECT_EQ(image.width, 64u);
        EXPECT_EQ(image.height, 32u);
        EXPECT_EQ(image.bytesPerPixel, bpp);
        EXPECT_TRUE(SameBytes(Memory(image), picture.MemoryBottomUp(bpp)));
    }
}
