#include <gtest/gtest.h>

#include <random>

#include "image/BgrConversion.h"

// The bulk conversions work in blocks of pixels with a tail done one by one;
// every count around the block sizes, at any alignment, must convert exactly
// its own pixels and touch nothing after them.
TEST(BgrConversion, ConvertsEveryCountAndAlignmentExactly)
{
    std::mt19937 random(3);
    for (std::size_t bytesPerPixel : {3u, 4u}) {
        for (std::size_t count = 0; count <= 70; ++count) {
            for (std::size_t offset = 0; offset < 4; ++offset) {
                SCOPED_TRACE(testing::Message() << bytesPerPixel << " bytes per pixel, " << count
                                                << " pixels at offset " << offset);
                std::size_t end = offset + count * bytesPerPixel;
                std::vector<std::uint8_t> from(end + 8);
                for (std::uint8_t& byte : from)
                    byte = static_cast<std::uint8_t>(random());
                std::vector<std::uint8_t> to(end + 8, 0xA5);
                if (bytesPerPixel == 3)
                    ConvertBgrPixels(from.data() + offset, to.data() + offset, count);
                else
                    ConvertBgraPixels(from.data() + offset, to.data() + offset, count);
                for (std::size_t i = 0; i < count; ++i) {
                    const std::uint8_t* in = &from[offset + i * bytesPerPixel];
                    const std::uint8_t* out = &to[offset + i * bytesPerPixel];
                    ASSERT_EQ(out[0], in[2]) << "pixel " << i;
                    ASSERT_EQ(out[1], in[1]) << "pixel " << i;
                    ASSERT_EQ(out[2], in[0]) << "pixel " << i;
                    if (bytesPerPixel == 4) {
                        ASSERT_EQ(out[3], in[3]) << "pixel " << i;
                    }
                }
                for (std::size_t i = 0; i < offset; ++i)
                    ASSERT_EQ(to[i], 0xA5) << "before the pixels";
                for (std::size_t i = end; i < to.size(); ++i)
                    ASSERT_EQ(to[i], 0xA5) << "after the pixels";
            }
        }
    }
}
