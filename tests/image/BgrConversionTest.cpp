#include <gtest/gtest.h>

#include <random>

#include "image/BgrConversion.h"

// The bulk conversion works in blocks of sixteen pixels with a tail done one
// by one; every count around the block size, at any alignment, must convert
// exactly its own pixels and touch nothing after them.
TEST(BgrConversion, ConvertsEveryCountAndAlignmentExactly)
{
    std::mt19937 random(3);
    for (std::size_t count = 0; count <= 70; ++count) {
        for (std::size_t offset = 0; offset < 4; ++offset) {
            SCOPED_TRACE(testing::Message() << count << " pixels at offset " << offset);
            std::vector<std::uint8_t> from(offset + count * 3 + 8);
            for (std::uint8_t& byte : from)
                byte = static_cast<std::uint8_t>(random());
            std::vector<std::uint8_t> to(offset + count * 3 + 8, 0xA5);
            ConvertBgrPixels(from.data() + offset, to.data() + offset, count);
            for (std::size_t i = 0; i < count; ++i) {
                const std::uint8_t* in = &from[offset + i * 3];
                const std::uint8_t* out = &to[offset + i * 3];
                ASSERT_EQ(out[0], in[2]) << "pixel " << i;
                ASSERT_EQ(out[1], in[1]) << "pixel " << i;
                ASSERT_EQ(out[2], in[0]) << "pixel " << i;
            }
            for (std::size_t i = 0; i < offset; ++i)
                ASSERT_EQ(to[i], 0xA5) << "before the pixels";
            for (std::size_t i = offset + count * 3; i < to.size(); ++i)
                ASSERT_EQ(to[i], 0xA5) << "after the pixels";
        }
    }
}
