#include <gtest/gtest.h>

#include "ImageMemory.h"
#include "support/TempDir.h"
#include "support/TestPicture.h"
#include "support/TgaFileBuilder.h"

namespace {
class TgaReader : public testing::Test {
protected:
    int Read(TgaImage& image, const Bytes& file)
    {
        return ReadTga(image, dir.Write("t.tga", file));
    }
    TempDir dir;
};
}  // namespace

// Sides must be powers of two from 1 to 512, the type 2 or 10, the depth 24
// or 32. A refusal comes from the header alone (the size before the kind):
// no pixels are kept, and the record holds the header's values.
TEST_F(TgaReader, TheHeaderRefusesWhatIsNotRead)
{
    const int bad = TgaBadSize, unread = TgaUnsupportedType;
    const struct {
        std::uint8_t type, depth;
        std::uint16_t width, height;
        int code;
    } cases[] = {{2, 24, 640, 480, bad},  {2, 32, 256, 300, bad}, {2, 32, 1024, 2, bad},
                 {2, 32, 0, 8, bad},      {2, 32, 8, 0, bad},     {2, 32, 3, 4, bad},
                 {9, 16, 640, 480, bad},  {2, 16, 64, 32, unread}, {10, 16, 64, 32, unread},
                 {1, 8, 16, 16, unread},  {3, 24, 16, 16, unread}, {11, 24, 16, 16, unread},
                 {2, 28, 16, 16, unread}, {2, 0, 16, 16, unread}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << int(c.type) << ", " << int(c.depth)
                                        << " bits, " << c.width << " x " << c.height);
        Bytes pixels(std::size_t{c.width} * c.height * 4, 0x55);
        TgaImage image;
        TgaFileBuilder file(c.type, c.width, c.height, c.depth);
        EXPECT_EQ(Read(image, file.Bytes(pixels).Build()), c.code);
        EXPECT_TRUE(!image.loaded && image.pixels == nullptr);
        EXPECT_EQ((std::vector{image.width, image.height, image.bytesPerPixel}),
                  (std::vector<std::uint32_t>{c.width, c.height, c.depth / 8u}));
    }
}

// A previous picture is released only once the new file has opened: a file
// that cannot be opened leaves the record exactly as it was.
TEST_F(TgaReader, ThePreviousPictureGoesOnlyWhenANewFileOpens)
{
    TestPicture first = TestPicture::Tiles(4, 4, false, 9);
    dir.Write("tga/first.tga", TgaFileBuilder(2, 4, 4, 24).RawPicture(first).Build());
    int code = -1;
    TgaImage image(dir.Path() + "/tga\\first.tga", &code);  // data paths are '\' separated
    ASSERT_EQ(code, TgaOk);
    unsigned char* pixels = image.pixels;
    EXPECT_EQ(ReadTga(image, dir.File("missing.tga")), TgaCannotOpen);
    EXPECT_TRUE(image.loaded && image.pixels == pixels);
    EXPECT_EQ((std::vector{image.width, image.height, image.bytesPerPixel}), (std::vector{4u, 4u, 3u}));
    EXPECT_EQ(Memory(image), first.MemoryBottomUp(3));

    // A refused file does replace it (leak checks see the old buffer go); its
    // sizes stay, as FreeImage leaves a record that is not loaded alone.
    EXPECT_EQ(Read(image, TgaFileBuilder(2, 640, 480, 24).Build()), TgaBadSize);
    EXPECT_EQ(image.pixels, nullptr);
    FreeImage(image);
    EXPECT_EQ(image.width, 640u);

    TestPicture second = TestPicture::Tiles(8, 2, true, 10);
    ASSERT_EQ(Read(image, TgaFileBuilder(10, 8, 2, 32).RunLengthPicture(second).Build()), TgaOk);
    EXPECT_EQ(Memory(image), second.MemoryBottomUp(4));
    FreeImage(image);
    EXPECT_TRUE(!image.loaded && image.pixels == nullptr && image.width == 0 && image.bytesPerPixel == 0);
}
