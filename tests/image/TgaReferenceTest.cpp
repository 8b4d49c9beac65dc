#include <gtest/gtest.h>

#include <random>

#include "ReferenceTgaReader.h"
#include "support/TestPicture.h"
#include "support/TgaFileBuilder.h"
#include "image/TgaDecoder.h"
#include "image/TgaImage.h"
#include "support/TempDir.h"

namespace {
// A file that is sometimes well formed and often not: random kinds and
// sizes, an ID field, pictures or random run-length streams, cut short or
// followed by junk.
std::vector<std::uint8_t> RandomFile(std::mt19937& random)
{
    auto pick = [&](std::initializer_list<unsigned> values) {
        std::uniform_int_distribution<std::size_t> index(0, values.size() - 1);
        return *(values.begin() + index(random));
    };
    std::uint8_t type = static_cast<std::uint8_t>(pick({2, 2, 10, 10, 10, 3}));
    std::uint8_t depth = static_cast<std::uint8_t>(pick({24, 32, 24, 32, 16}));
    std::uint16_t width = static_cast<std::uint16_t>(pick({1, 2, 4, 8, 16, 32, 512, 3}));
    std::uint16_t height = static_cast<std::uint16_t>(pick({1, 2, 4, 8, 16}));
    std::uint8_t descriptor = static_cast<std::uint8_t>(random() & 0x28);
    TgaFileBuilder builder(type, width, height, depth, descriptor);
    std::vector<std::uint8_t> id(random() % 3 == 0 ? random() % 40 : 0);
    for (std::uint8_t& byte : id)
        byte = static_cast<std::uint8_t>(random());
    builder.Id(id);

    TestPicture picture = TestPicture::Tiles(width, height, depth == 32, random());
    switch (random() % 3) {
    case 0:
        builder.RawPicture(picture);
        break;
    case 1:
        builder.RunLengthPicture(picture);
        break;
    default: {
        std::vector<std::uint8_t> junk(random() % 4000);
        for (std::uint8_t& byte : junk)
            byte = static_cast<std::uint8_t>(random());
        builder.Bytes(junk);
    }
    }
    std::vector<std::uint8_t> file = builder.Build();
    if (random() % 2)
        file.resize(random() % (file.size() + 1));
    else
        file.resize(file.size() + random() % 64, static_cast<std::uint8_t>(random()));
    return file;
}

void ExpectSameAsReference(const TgaImage& image, int code, const ReferenceTgaResult& reference)
{
    ASSERT_EQ(code, reference.code);
    EXPECT_EQ(image.width, reference.width);
    EXPECT_EQ(image.height, reference.height);
    EXPECT_EQ(image.bytesPerPixel, reference.bytesPerPixel);
    EXPECT_EQ(image.loaded, code == TgaOk);
    if (code != TgaOk) {
        EXPECT_EQ(image.pixels, nullptr);
        return;
    }
    std::vector<std::uint8_t> memory(image.pixels, image.pixels + reference.pixels.size());
    EXPECT_EQ(memory, reference.pixels);
}
}  // namespace

// The reader works on whole blocks of the file; for any file at all it must
// give what reading byte by byte gives, padding and cut packets included.
TEST(TgaReaderAgainstByteByByteReading, AgreesOnRandomFilesFromDiskAndFromMemory)
{
    TempDir dir;
    std::mt19937 random(20261206);
    int decoded = 0;
    for (int i = 0; i < 400; ++i) {
        std::vector<std::uint8_t> file = RandomFile(random);
        SCOPED_TRACE(testing::Message() << "file " << i << ", " << file.size() << " bytes");
        ReferenceTgaResult reference = ReferenceReadTga(file);

        TgaImage fromDisk;
        int diskCode = ReadTga(fromDisk, dir.Write("r.tga", file));
        ExpectSameAsReference(fromDisk, diskCode, reference);

        TgaImage fromMemory;
        int memoryCode = DecodeTga(fromMemory, file.data(), file.size());
        ExpectSameAsReference(fromMemory, memoryCode, reference);
        decoded += reference.code == TgaOk;
    }
    // The random files must exercise decoding, not only refusals.
    EXPECT_GT(decoded, 150);
}
