#include <gtest/gtest.h>

#include <cstring>

#include "support/TestPicture.h"
#include "support/TgaFileBuilder.h"
#include "image/TgaImage.h"
#include "support/TempDir.h"

namespace {
std::vector<std::uint8_t> Memory(const TgaImage& image)
{
    if (!image.pixels)
        return {};
    return std::vector<std::uint8_t>(
        image.pixels, image.pixels + std::size_t{image.width} * image.height * image.bytesPerPixel);
}

const PicturePixel kRed{255, 0, 0, 255};
const PicturePixel kGreen{0, 255, 0, 128};
const PicturePixel kBlue{0, 0, 255, 7};

class TgaReader : public ::testing::Test {
protected:
    std::string Write(const std::string& name, const std::vector<std::uint8_t>& bytes)
    {
        return dir.Write(name, bytes);
    }
    TempDir dir;
};
}  // namespace

TEST_F(TgaReader, UncompressedBottomLeftKeepsFileOrderWithRedAndBlueSwapped)
{
    TestPicture picture = TestPicture::Tiles(256, 128, false, 1);
    std::vector<std::uint8_t> file = TgaFileBuilder(2, 256, 128, 24).RawPicture(picture).Build();
    TgaImage image;
    ASSERT_EQ(ReadTga(image, Write("a.tga", file)), TgaOk);
    EXPECT_TRUE(image.loaded);
    EXPECT_EQ(image.width, 256u);
    EXPECT_EQ(image.height, 128u);
    EXPECT_EQ(image.bytesPerPixel, 3u);
    std::vector<std::uint8_t> memory = Memory(image);
    ASSERT_EQ(memory.size(), 98304u);
    // Byte for byte the file's pixel data, first and third byte of each
    // pixel exchanged.
    for (std::size_t i = 0; i < memory.size(); i += 3) {
        ASSERT_EQ(memory[i], file[18 + i + 2]) << i;
        ASSERT_EQ(memory[i + 1], file[18 + i + 1]) << i;
        ASSERT_EQ(memory[i + 2], file[18 + i]) << i;
    }
    EXPECT_EQ(memory, picture.MemoryBottomUp(3));
}

TEST_F(TgaReader, TopLeftOriginGivesTheSameMemoryInEveryFormat)
{
    for (std::uint8_t depth : {24, 32}) {
        TestPicture picture = TestPicture::Tiles(32, 16, depth == 32, depth);
        std::uint32_t bpp = depth / 8;
        for (bool runLength : {false, true}) {
            SCOPED_TRACE(testing::Message() << int(depth) << " bits, run-length " << runLength);
            std::uint8_t type = runLength ? 10 : 2;
            TgaFileBuilder bottom(type, 32, 16, depth, depth == 32 ? 8 : 0);
            TgaFileBuilder top(type, 32, 16, depth, (depth == 32 ? 8 : 0) | 0x20);
            if (runLength) {
                bottom.RunLengthPicture(picture);
                top.RunLengthPicture(picture);
            } else {
                bottom.RawPicture(picture);
                top.RawPicture(picture);
            }
            ASSERT_NE(bottom.Build(), top.Build());
            TgaImage fromBottom, fromTop;
            ASSERT_EQ(ReadTga(fromBottom, Write("b.tga", bottom.Build())), TgaOk);
            ASSERT_EQ(ReadTga(fromTop, Write("t.tga", top.Build())), TgaOk);
            EXPECT_EQ(Memory(fromBottom), picture.MemoryBottomUp(bpp));
            EXPECT_EQ(Memory(fromTop), picture.MemoryBottomUp(bpp));
        }
    }
}

TEST_F(TgaReader, SidesMustBePowersOfTwoUpTo512)
{
    struct Case {
        std::uint16_t width, height;
        int code;
    };
    const Case cases[] = {{640, 480, TgaBadSize}, {256, 300, TgaBadSize}, {1024, 2, TgaBadSize},
                          {0, 8, TgaBadSize},     {8, 0, TgaBadSize},     {3, 4, TgaBadSize},
                          {1, 512, TgaOk},        {512, 1, TgaOk},        {2, 2, TgaOk}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
        // A complete picture for the legal sizes; no pixel data at all for
        // the others, which must be refused from the header alone.
        TgaFileBuilder builder(2, c.width, c.height, 32);
        if (c.code == TgaOk)
            builder.RawPicture(TestPicture::Tiles(c.width, c.height, true, 5));
        TgaImage image;
        EXPECT_EQ(ReadTga(image, Write("s.tga", builder.Build())), c.code);
        EXPECT_EQ(image.loaded, c.code == TgaOk);
        EXPECT_EQ(image.pixels != nullptr, c.code == TgaOk);
        EXPECT_EQ(image.width, c.width);
        EXPECT_EQ(image.height, c.height);
        if (c.code == TgaOk) {
            EXPECT_EQ(Memory(image),
                      TestPicture::Tiles(c.width, c.height, true, 5).MemoryBottomUp(4));
        }
    }
}

TEST_F(TgaReader, UnreadKindsAreRefusedKeepingTheHeaderValues)
{
    struct Case {
        std::uint8_t type, depth;
        std::uint16_t width, height;
        int code;
    };
    const Case cases[] = {
        {2, 16, 64, 32, TgaUnsupportedType},  {10, 16, 64, 32, TgaUnsupportedType},
        {1, 8, 16, 16, TgaUnsupportedType},   {3, 24, 16, 16, TgaUnsupportedType},
        {11, 24, 16, 16, TgaUnsupportedType}, {2, 28, 16, 16, TgaUnsupportedType},
        {2, 0, 16, 16, TgaUnsupportedType},   {9, 16, 640, 480, TgaBadSize},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << int(c.type) << " depth " << int(c.depth));
        TgaImage image;
        std::vector<std::uint8_t> pixels(std::size_t{c.width} * c.height * 4, 0x55);
        int code = ReadTga(image, Write("u.tga", TgaFileBuilder(c.type, c.width, c.height, c.depth)
                                                     .Bytes(pixels)
                                                     .Build()));
        EXPECT_EQ(code, c.code);
        EXPECT_FALSE(image.loaded);
        EXPECT_EQ(image.pixels, nullptr);
        EXPECT_EQ(image.width, c.width);
        EXPECT_EQ(image.height, c.height);
        EXPECT_EQ(image.bytesPerPixel, c.depth / 8u);
    }
}

TEST_F(TgaReader, RunLengthPacketsRepeatOrListPixelsAcrossRows)
{
    // 2 x 4 pixels: a run packet 0x85 fills six pixels, over three rows; a
    // literal packet gives the last two one by one.
    std::vector<std::uint8_t> file =
        TgaFileBuilder(10, 2, 4, 24).Bytes({0x85}).Pixel(kRed).Literal({kGreen, kBlue}).Build();
    ASSERT_EQ(file[18], 0x85);
    TgaImage image;
    ASSERT_EQ(ReadTga(image, Write("r.tga", file)), TgaOk);
    const std::vector<std::uint8_t> expected = {255, 0, 0, 255, 0, 0, 255, 0, 0,
                                                255, 0, 0, 255, 0, 0, 255, 0, 0,
                                                0,   255, 0, 0, 0, 255};
    EXPECT_EQ(Memory(image), expected);
}

TEST_F(TgaReader, PixelDataStartsAfterTheImageId)
{
    TestPicture picture = TestPicture::Tiles(8, 4, false, 3);
    // The ID bytes would decode as pixels if they were not skipped.
    std::vector<std::uint8_t> id = {1, 2, 3, 4, 5, 6, 7};
    TgaImage raw, runLength;
    ASSERT_EQ(ReadTga(raw, Write("i.tga", TgaFileBuilder(2, 8, 4, 24).Id(id).RawPicture(picture).Build())),
              TgaOk);
    ASSERT_EQ(ReadTga(runLength,
                      Write("j.tga", TgaFileBuilder(10, 8, 4, 24).Id(id).RunLengthPicture(picture).Build())),
              TgaOk);
    EXPECT_EQ(Memory(raw), picture.MemoryBottomUp(3));
    EXPECT_EQ(Memory(runLength), picture.MemoryBottomUp(3));
}

TEST_F(TgaReader, ShortFilesArePaddedWithBytesOf255)
{
    // Raw: one whole pixel, then a pixel cut after its blue byte.
    {
        std::vector<std::uint8_t> file =
            TgaFileBuilder(2, 2, 2, 24).Pixel(kBlue).Bytes({0x11}).Build();
        TgaImage image;
        ASSERT_EQ(ReadTga(image, Write("p.tga", file)), TgaOk);
        const std::vector<std::uint8_t> expected = {0,   0,   255, 255, 255, 0x11,
                                                    255, 255, 255, 255, 255, 255};
        EXPECT_EQ(Memory(image), expected);
    }
    // Run-length: the missing packet header reads as 255, a run of 128
    // white, opaque pixels.
    {
        std::vector<std::uint8_t> file = TgaFileBuilder(10, 4, 1, 32).Run(1, kGreen).Build();
        TgaImage image;
        ASSERT_EQ(ReadTga(image, Write("q.tga", file)), TgaOk);
        const std::vector<std::uint8_t> expected = {0,   255, 0,   128, 255, 255, 255, 255,
                                                    255, 255, 255, 255, 255, 255, 255, 255};
        EXPECT_EQ(Memory(image), expected);
    }
    // Top row first and cut after that row: the missing bottom row is white.
    {
        std::vector<std::uint8_t> file =
            TgaFileBuilder(2, 2, 2, 24, 0x20).Pixel(kRed).Pixel(kBlue).Build();
        TgaImage image;
        ASSERT_EQ(ReadTga(image, Write("t.tga", file)), TgaOk);
        const std::vector<std::uint8_t> expected = {255, 255, 255, 255, 255, 255,
                                                    255, 0,   0,   0,   0,   255};
        EXPECT_EQ(Memory(image), expected);
    }
    // A file that ends inside its header: the width reads as 65535.
    {
        std::vector<std::uint8_t> file = TgaFileBuilder(2, 2, 2, 24).Build();
        file.resize(12);
        TgaImage image;
        EXPECT_EQ(ReadTga(image, Write("h.tga", file)), TgaBadSize);
        EXPECT_EQ(image.width, 0xFFFFu);
        EXPECT_EQ(ReadTga(image, Write("e.tga", std::vector<std::uint8_t>{})), TgaBadSize);
    }
}

TEST_F(TgaReader, CorruptRunLengthStreamsStopAtTheEndOfThePicture)
{
    // 2 x 2 = 4 pixels. A run of 128, then a literal of 128 in a 4-pixel
    // picture; AddressSanitizer builds catch any write past the buffer.
    {
        std::vector<std::uint8_t> file = TgaFileBuilder(10, 2, 2, 24).Run(128, kRed).Run(2, kBlue).Build();
        TgaImage image;
        ASSERT_EQ(ReadTga(image, Write("c.tga", file)), TgaOk);
        const std::vector<std::uint8_t> expected = {255, 0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0};
        EXPECT_EQ(Memory(image), expected);
    }
    {
        std::vector<PicturePixel> many(128, kGreen);
        many[0] = kRed;
        many[3] = kBlue;
        std::vector<std::uint8_t> file =
            TgaFileBuilder(10, 2, 2, 32).Run(3, kBlue).Literal(many).Build();
        TgaImage image;
        ASSERT_EQ(ReadTga(image, Write("d.tga", file)), TgaOk);
        const std::vector<std::uint8_t> expected = {0, 0, 255, 7, 0, 0, 255, 7,
                                                    0, 0, 255, 7, 255, 0, 0, 255};
        EXPECT_EQ(Memory(image), expected);
    }
}

TEST_F(TgaReader, APreviousPictureIsReleasedOnlyOnceTheNewFileOpens)
{
    TestPicture first = TestPicture::Tiles(4, 4, false, 9);
    TgaImage image;
    ASSERT_EQ(ReadTga(image, Write("first.tga", TgaFileBuilder(2, 4, 4, 24).RawPicture(first).Build())),
              TgaOk);
    unsigned char* pixelsBefore = image.pixels;

    EXPECT_EQ(ReadTga(image, dir.File("missing.tga")), TgaCannotOpen);
    EXPECT_TRUE(image.loaded);
    EXPECT_EQ(image.pixels, pixelsBefore);
    EXPECT_EQ(image.width, 4u);
    EXPECT_EQ(image.height, 4u);
    EXPECT_EQ(image.bytesPerPixel, 3u);
    EXPECT_EQ(Memory(image), first.MemoryBottomUp(3));

    TestPicture second = TestPicture::Tiles(8, 2, true, 10);
    ASSERT_EQ(ReadTga(image, Write("second.tga", TgaFileBuilder(10, 8, 2, 32).RunLengthPicture(second).Build())),
              TgaOk);
    EXPECT_EQ(image.bytesPerPixel, 4u);
    EXPECT_EQ(Memory(image), second.MemoryBottomUp(4));

    // A refused file still replaces the picture (leak checkers see the old
    // buffer go).
    EXPECT_EQ(ReadTga(image, Write("big.tga", TgaFileBuilder(2, 640, 480, 24).Build())), TgaBadSize);
    EXPECT_FALSE(image.loaded);
    EXPECT_EQ(image.pixels, nullptr);
}

TEST_F(TgaReader, DataPathsUseBackslashes)
{
    TestPicture picture = TestPicture::Tiles(2, 2, false, 4);
    Write("tga/pic.tga", TgaFileBuilder(2, 2, 2, 24).RawPicture(picture).Build());
    TgaImage image;
    EXPECT_EQ(ReadTga(image, dir.Path() + "/tga\\pic.tga"), TgaOk);
    EXPECT_EQ(Memory(image), picture.MemoryBottomUp(3));
}

TEST_F(TgaReader, FreeImageClearsOnlyALoadedRecord)
{
    TgaImage image;
    ASSERT_EQ(ReadTga(image, Write("f.tga", TgaFileBuilder(2, 2, 2, 24).RawPicture(TestPicture::Tiles(2, 2, false, 1)).Build())),
              TgaOk);
    FreeImage(image);
    EXPECT_FALSE(image.loaded);
    EXPECT_EQ(image.pixels, nullptr);
    EXPECT_EQ(image.width, 0u);
    EXPECT_EQ(image.height, 0u);
    EXPECT_EQ(image.bytesPerPixel, 0u);

    // After a refusal the record holds the header's sizes, not a picture:
    // FreeImage leaves them.
    ASSERT_EQ(ReadTga(image, Write("g.tga", TgaFileBuilder(2, 640, 480, 24).Build())), TgaBadSize);
    FreeImage(image);
    EXPECT_EQ(image.width, 640u);
    EXPECT_EQ(image.height, 480u);
}

TEST_F(TgaReader, ConstructorReadsAtOnceAndReportsTheCode)
{
    TestPicture picture = TestPicture::Tiles(4, 2, false, 2);
    std::string path = Write("c.tga", TgaFileBuilder(2, 4, 2, 24).RawPicture(picture).Build());
    int code = -1;
    TgaImage image(path, &code);
    EXPECT_EQ(code, TgaOk);
    EXPECT_EQ(Memory(image), picture.MemoryBottomUp(3));

    TgaImage missing(dir.File("none.tga"), &code);
    EXPECT_EQ(code, TgaCannotOpen);
    EXPECT_FALSE(missing.loaded);
    EXPECT_EQ(missing.width, 0u);

    TgaImage withoutCode(path);
    EXPECT_TRUE(withoutCode.loaded);
}
