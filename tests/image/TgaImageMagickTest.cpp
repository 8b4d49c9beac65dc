#include <gtest/gtest.h>

#include <cstdlib>

#include "support/TestPicture.h"
#include "image/TgaImage.h"
#include "platform/DataFile.h"
#include "support/TempDir.h"

// Files written by an encoder that is not ours (ImageMagick's convert), read
// back and compared pixel by pixel with the picture the test drew.
namespace {
struct EncoderCase {
    unsigned depth;
    bool runLength;
    bool topRowFirst;
};

std::string Describe(const testing::TestParamInfo<EncoderCase>& info)
{
    return std::to_string(info.param.depth) + (info.param.runLength ? "BitRunLength" : "BitRaw") +
           (info.param.topRowFirst ? "TopLeft" : "BottomLeft");
}

std::string Quoted(const std::string& text)
{
    return "'" + text + "'";
}

class TgaFromImageMagick : public testing::TestWithParam<EncoderCase> {};
}  // namespace

TEST_P(TgaFromImageMagick, ReadsThePictureAsDrawn)
{
    const EncoderCase& c = GetParam();
    const std::uint32_t bpp = c.depth / 8;
    const std::uint32_t width = 64, height = 32;
    TestPicture picture = TestPicture::Tiles(width, height, bpp == 4, c.depth + c.runLength);

    TempDir dir;
    std::vector<std::uint8_t> raw = picture.BytesTopDown(bpp);
    std::string input = dir.Write("in.raw", raw);
    std::string output = dir.File("out.tga");
    // ImageMagick keeps rows in the order it holds them and only labels the
    // file with the orientation: a bottom-left file needs the rows flipped
    // first. The top-left files also carry a comment, written as the image ID.
    std::string command = "convert -size " + std::to_string(width) + "x" + std::to_string(height) +
                          " -depth 8 " + (bpp == 4 ? "rgba:" : "rgb:") + Quoted(input) +
                          (c.topRowFirst ? " -orient TopLeft -set comment 'drawn by a test'"
                                         : " -flip -orient BottomLeft") +
                          (bpp == 4 ? " -type TrueColorAlpha" : " -type TrueColor") +
                          (c.runLength ? " -compress RLE " : " ") + Quoted(output) + " 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0)
        << command << "\n(ImageMagick's convert is a test dependency: scripts/install-deps.sh test)";

    // The file must be of the kind this case means to test.
    std::vector<std::uint8_t> file;
    ASSERT_TRUE(ReadDataFile(output, file));
    ASSERT_GE(file.size(), 18u);
    EXPECT_EQ(file[2], c.runLength ? 10 : 2);
    EXPECT_EQ(file[16], c.depth);
    EXPECT_EQ((file[17] & 0x20) != 0, c.topRowFirst);
    EXPECT_EQ(file[0] != 0, c.topRowFirst);

    TgaImage image;
    ASSERT_EQ(ReadTga(image, output), TgaOk);
    ASSERT_EQ(image.width, width);
    ASSERT_EQ(image.height, height);
    ASSERT_EQ(image.bytesPerPixel, bpp);
    std::vector<std::uint8_t> expected = picture.MemoryBottomUp(bpp);
    std::vector<std::uint8_t> memory(image.pixels, image.pixels + expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        std::size_t pixel = i / bpp;
        ASSERT_EQ(memory[i], expected[i]) << "memory row " << pixel / width << ", column "
                                          << pixel % width << ", channel " << i % bpp;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryKind, TgaFromImageMagick,
                         testing::Values(EncoderCase{24, false, false}, EncoderCase{24, false, true},
                                         EncoderCase{24, true, false}, EncoderCase{24, true, true},
                                         EncoderCase{32, false, false}, EncoderCase{32, false, true},
                                         EncoderCase{32, true, false}, EncoderCase{32, true, true}),
                         Describe);
