#include <gtest/gtest.h>

#include <random>

#include "ImageMemory.h"
#include "image/TgaDecoder.h"
#include "support/TempDir.h"
#include "support/TestPicture.h"
#include "support/TgaFileBuilder.h"

namespace {
struct Reading {
    int code;
    std::uint32_t width, height, bytesPerPixel;
    Bytes memory;  // empty unless the code is TgaOk
};

// The slow, obvious reading: one byte at a time (reads past the end give
// 255), one pixel at a time in file order, rows put bottom-up at the end.
Reading ReadByteByByte(const Bytes& file)
{
    std::size_t at = 0;
    auto next = [&] { return at < file.size() ? file[at++] : (++at, std::uint8_t{255}); };
    Bytes h(18);
    for (std::uint8_t& byte : h)
        byte = next();
    Reading r{TgaOk, 0u + (h[12] | h[13] << 8), 0u + (h[14] | h[15] << 8), h[16] / 8u, {}};
    auto legal = [](std::uint32_t side) { return side && side <= 512 && 512 % side == 0; };
    if (!legal(r.width) || !legal(r.height))
        return r.code = TgaBadSize, r;
    if ((h[2] != 2 && h[2] != 10) || (h[16] != 24 && h[16] != 32))
        return r.code = TgaUnsupportedType, r;
    at = 18 + h[0];
    Bytes pixel(r.bytesPerPixel);
    std::vector<Bytes> pixels;
    const std::size_t count = std::size_t{r.width} * r.height;
    while (pixels.size() < count) {
        std::uint8_t packet = h[2] == 10 ? next() : 0;
        for (int i = 0; i <= (packet & 0x7F) && pixels.size() < count; ++i) {
            if (i == 0 || !(packet & 0x80))
                for (int channel : {2, 1, 0, 3})
                    if (channel < int(r.bytesPerPixel))
                        pixel[channel] = next();
            pixels.push_back(pixel);
        }
    }
    for (std::uint32_t y = 0; y < r.height; ++y)
        for (std::uint32_t x = 0; x < r.width; ++x) {
            const Bytes& p = pixels[(h[17] & 0x20 ? r.height - 1 - y : y) * r.width + x];
            r.memory.insert(r.memory.end(), p.begin(), p.end());
        }
    return r;
}

// Sometimes well formed and often not: random kinds and sizes, an ID field,
// pictures or random streams, cut short or followed by junk.
Bytes RandomFile(std::mt19937& random)
{
    auto pick = [&](std::vector<unsigned> values) { return values[random() % values.size()]; };
    auto noise = [&](std::size_t size) {
        Bytes bytes(size);
        for (std::uint8_t& byte : bytes)
            byte = static_cast<std::uint8_t>(random());
        return bytes;
    };
    unsigned type = pick({2, 2, 10, 10, 10, 3}), depth = pick({24, 32, 24, 32, 16});
    unsigned width = pick({1, 2, 4, 8, 16, 32, 512, 3}), height = pick({1, 2, 4, 8, 16});
    TgaFileBuilder builder(type, width, height, depth, random() & 0x28);
    builder.Id(noise(random() % 3 == 0 ? random() % 40 : 0));
    TestPicture picture = TestPicture::Tiles(width, height, depth == 32, random());
    unsigned kind = random() % 3;
    if (kind == 0)
        builder.RawPicture(picture);
    else if (kind == 1)
        builder.RunLengthPicture(picture);
    else
        builder.Bytes(noise(random() % 4000));
    Bytes file = builder.Build(), tail = noise(random() % 64);
    if (random() % 2)
        file.resize(random() % (file.size() + 1));
    else
        file.insert(file.end(), tail.begin(), tail.end());
    return file;
}
}  // namespace

// The reader converts whole blocks of pixels at a time. For any file at all,
// from disk or from memory, it must give the same code, record and bytes as
// reading one byte at a time: padding, cut packets and junk included.
TEST(TgaReaderAgainstByteByByteReading, AgreesOnRandomFilesFromDiskAndFromMemory)
{
    TempDir dir;
    std::mt19937 random(20261206);
    int decoded = 0;
    for (int i = 0; i < 400; ++i) {
        Bytes file = RandomFile(random);
        SCOPED_TRACE(testing::Message() << "file " << i << ", " << file.size() << " bytes");
        Reading expected = ReadByteByByte(file);
        TgaImage fromDisk, fromMemory;
        int diskCode = ReadTga(fromDisk, dir.Write("r.tga", file));
        int memoryCode = DecodeTga(fromMemory, file.data(), file.size());
        for (auto [image, code] :
             {std::pair{&fromDisk, diskCode}, std::pair{&fromMemory, memoryCode}}) {
            ASSERT_EQ(code, expected.code);
            EXPECT_EQ(image->loaded, code == TgaOk);
            EXPECT_EQ((std::vector{image->width, image->height, image->bytesPerPixel}),
                      (std::vector{expected.width, expected.height, expected.bytesPerPixel}));
            EXPECT_TRUE(SameBytes(Memory(*image), expected.memory));
        }
        decoded += expected.code == TgaOk;
    }
    // The random files must exercise decoding, not only refusals.
    EXPECT_GT(decoded, 150);
}
