#include "game/SaveDecoder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

// A count is weighed against the bytes after it before any record is read:
// a damaged file announcing more records than it can hold fails at once
// instead of driving a long loop or a large allocation.
TEST(SaveDecoder, CountsAreBoundByTheBytesLeftAndAFailureSticks)
{
    // A count of 2, then 8 bytes: two records of 4 fit, of 5 do not.
    const std::vector<std::uint8_t> bytes = {2, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8};

    SaveDecoder fits(bytes.data(), bytes.size());
    EXPECT_EQ(fits.Count(4), 2u);
    EXPECT_TRUE(fits.Ok());
    EXPECT_EQ(fits.Remaining(), 8u);

    SaveDecoder tooMany(bytes.data(), bytes.size());
    EXPECT_EQ(tooMany.Count(5), 0u);
    EXPECT_FALSE(tooMany.Ok());
    // Once failed, every later read fails, even one the bytes could serve.
    EXPECT_EQ(tooMany.U8(), 0u);
    EXPECT_FALSE(tooMany.Ok());
    EXPECT_EQ(tooMany.Remaining(), 0u);

    // A text longer than the bytes left is refused, not read short.
    const std::vector<std::uint8_t> text = {5, 0, 0, 0, 'a', 'b', 'c'};
    SaveDecoder shortText(text.data(), text.size());
    EXPECT_EQ(shortText.Text(), "");
    EXPECT_FALSE(shortText.Ok());
}
