#include <gtest/gtest.h>

#include <algorithm>

#include "image/TgaImage.h"
#include "lib/FontSheet.h"
#include "lib/Picture.h"
#include "lib/WorldSource.h"
#include "support/TempDir.h"
#include "support/TestPicture.h"

namespace {

Picture FromTest(const TestPicture& test, int channels)
{
    return Picture{int(test.width), int(test.height), channels, test.BytesTopDown(std::uint32_t(channels))};
}

} // namespace

TEST(Picture, TgaIsReadByTheGameAsThePicture)
{
    TempDir dir;
    const struct {
        std::uint32_t width, height;
        int channels;
    } cases[] = {{64, 32, 4}, {8, 256, 3}, {1, 1, 3}, {512, 2, 4}};
    for (const auto& c : cases) {
        const TestPicture test = TestPicture::Tiles(c.width, c.height, c.channels == 4, c.width + c.height);
        const std::vector<std::uint8_t> tga = FromTest(test, c.channels).Tga();
        EXPECT_EQ(tga[17] & 0x20, 0) << "bottom-left origin";
        TgaImage image;
        ASSERT_EQ(ReadTga(image, dir.Write("p.tga", tga)), TgaOk);
        EXPECT_EQ(image.bytesPerPixel, static_cast<std::uint32_t>(c.channels));
        const std::vector<std::uint8_t> read(image.pixels, image.pixels + c.width * c.height * c.channels);
        EXPECT_EQ(read, test.MemoryBottomUp(static_cast<std::uint32_t>(c.channels))) << c.width << "x" << c.height;
    }
}

TEST(Picture, RunLengthPacketsStayWithinARowAndShrinkFlatAreas)
{
    Picture flat{256, 4, 3, std::vector<std::uint8_t>(256 * 4 * 3, 9)};
    flat.pixels[5 * 3] = 200;  // one odd pixel in the top row
    const std::vector<std::uint8_t> tga = flat.Tga();
    // Walk the packets: each row's pixels add up to exactly its width.
    std::size_t at = 18;
    for (int row = 0; row < flat.height; ++row) {
        int pixels = 0;
        while (pixels < flat.width) {
            ASSERT_LT(at, tga.size());
            const int count = (tga[at] & 127) + 1;
            at += 1 + (tga[at] & 128 ? 3 : 3 * count);
            pixels += count;
        }
        EXPECT_EQ(pixels, flat.width) << "row " << row;
    }
    EXPECT_EQ(at, tga.size());
    EXPECT_LT(tga.size(), 18u + 4 * 3 * 8);
}

TEST(Picture, GreyPicturesBecomeRgbAndKeepTheirAlpha)
{
    TempDir dir;
    // PNG colour types: grey, grey and alpha, RGB, RGBA.
    for (auto [colourType, channels] : {std::pair{0, 3}, {4, 4}, {2, 3}, {6, 4}}) {
        const std::string path = dir.File("p" + std::to_string(colourType) + ".png");
        const std::string command = "convert -size 4x2 gradient:black-white " +
                                    std::string(channels == 4 ? "-alpha set -channel A -evaluate set 50% +channel " : "") +
                                    "-define png:color-type=" + std::to_string(colourType) + " '" + path + "'";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
        Picture picture;
        std::string error;
        ASSERT_TRUE(Picture::Load(path, picture, error)) << error;
        EXPECT_EQ(picture.channels, channels) << colourType;
        EXPECT_EQ(picture.pixels.size(), 4u * 2 * channels);
        EXPECT_EQ(picture.pixels[0], picture.pixels[1]) << colourType;  // grey: R = G
        if (channels == 4) {
            EXPECT_NEAR(picture.pixels[3], 128, 1) << colourType;
        }
    }
}

TEST(Picture, PngRoundTripKeepsEveryPixelAndSidesAreChecked)
{
    TempDir dir;
    const Picture picture = FromTest(TestPicture::Tiles(16, 8, true, 3), 4);
    Picture back;
    std::string error;
    ASSERT_TRUE(Picture::Load(dir.Write("p.png", picture.Png()), back, error)) << error;
    EXPECT_EQ(back.pixels, picture.pixels);
    EXPECT_FALSE(Picture::Load(dir.File("none.png"), back, error));
    EXPECT_EQ(error, "cannot open the file");
    EXPECT_FALSE(Picture::Load(dir.Write("bad.png", std::string("not a picture")), back, error));
    for (int side : {1, 2, 64, 512})
        EXPECT_TRUE(Picture::IsGameSide(side)) << side;
    for (int side : {0, 3, 48, 1024, 640})
        EXPECT_FALSE(Picture::IsGameSide(side)) << side;
}

TEST(Picture, ADeclaredSideAboveTheLimitIsRefusedBeforeDecoding)
{
    TempDir dir;
    const std::string wide = dir.Write("wide.png", FromTest(TestPicture::Tiles(16, 8, true, 3), 4).Png());
    const std::string tall = dir.Write("tall.png", FromTest(TestPicture::Tiles(8, 16, true, 3), 4).Png());
    const struct {
        std::string path;
        int maxSide;
        std::string error;
    } cases[] = {
        {wide, 16, ""},
        {wide, 15, "declares 16 x 8 pixels, more than the 15 pixels a side that are read"},
        {tall, 16, ""},
        {tall, 8, "declares 8 x 16 pixels, more than the 8 pixels a side that are read"},
    };
    for (const auto& c : cases) {
        Picture picture;
        std::string error;
        EXPECT_EQ(Picture::Load(c.path, picture, error, c.maxSide), c.error.empty()) << c.path << c.maxSide;
        EXPECT_EQ(error, c.error);
        EXPECT_EQ(picture.pixels.empty(), !c.error.empty());
    }
}

// How far a glyph's ink reaches in its cell, and how many pixels it inks.
struct InkBounds {
    int left = 16, right = -1, top = 16, bottom = -1, pixels = 0;
    int Width() const { return right - left + 1; }
    int Height() const { return bottom - top + 1; }
};

InkBounds InkOf(const Picture& sheet, int byte)
{
    InkBounds ink;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            if (sheet.pixels[(((byte / 16) * 16 + y) * 256 + (byte % 16) * 16 + x) * 4 + 3] > 0) {
                ink.left = std::min(ink.left, x);
                ink.right = std::max(ink.right, x);
                ink.top = std::min(ink.top, y);
                ink.bottom = std::max(ink.bottom, y);
                ++ink.pixels;
            }
    return ink;
}

TEST(FontSheet, DrawsEachCharacterInItsCellWithinTheGameAdvance)
{
    Picture sheet;
    std::string error;
    ASSERT_TRUE(FontSheet::Render(WorldSource::kDefaultFont, FontSheet::Style(), sheet, error)) << error;
    ASSERT_EQ(sheet.width, 256);
    ASSERT_EQ(sheet.height, 256);
    for (int byte : {0x41, 0x67, 0x30, 0xE9, 0x80, 0x9C})  // A, g, 0, e acute, euro sign, oe
        EXPECT_GT(InkOf(sheet, byte).pixels, 10) << byte;
    // Blank like a space: the no-break space the packer puts before French
    // punctuation, controls and bytes Windows-1252 leaves unassigned.
    for (int byte : {0x20, 0xA0, 0x00, 0x0A, 0x81, 0x7F})
        EXPECT_EQ(InkOf(sheet, byte).pixels, 0) << byte;
    for (int byte : {0x4D, 0x57, 0xC9})  // M, W, E acute
        EXPECT_LE(InkOf(sheet, byte).right, FontSheet::kAdvance - 1) << "inside the 12-pixel advance: " << byte;
    EXPECT_FALSE(FontSheet::Render("/nonexistent.ttf", FontSheet::Style(), sheet, error));
}

TEST(FontSheet, SizeAndWidthMakeLettersTallerAndWiderWithinTheCell)
{
    Picture plain, styled;
    std::string error;
    ASSERT_TRUE(FontSheet::Render(WorldSource::kDefaultFont, FontSheet::Style(), plain, error)) << error;
    const struct {
        int size, width;
        bool taller, wider;
    } cases[] = {
        {16, 100, false, false},
        {16, 130, false, true},
        {19, 80, true, false},
        {18, 120, true, true},
    };
    for (const auto& c : cases) {
        FontSheet::Style style;
        style.size = c.size;
        style.width = c.width;
        ASSERT_TRUE(FontSheet::Render(WorldSource::kDefaultFont, style, styled, error)) << error;
        if (!c.taller && !c.wider) {
            EXPECT_EQ(styled.pixels, plain.pixels) << "the default style is the sheet as it always was";
        }
        for (int byte : {0x48, 0x6D, 0x4D}) {  // H, m, M
            const InkBounds before = InkOf(plain, byte), after = InkOf(styled, byte);
            EXPECT_EQ(after.Height() > before.Height(), c.taller) << c.size << " " << c.width << " " << byte;
            EXPECT_EQ(after.Width() > before.Width(), c.wider) << c.size << " " << c.width << " " << byte;
            EXPECT_LE(after.right, FontSheet::kAdvance - 1) << "a wider glyph stays within the advance";
        }
    }
}
