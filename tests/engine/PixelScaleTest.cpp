#include <gtest/gtest.h>

#include "engine/PixelScale.h"

TEST(PixelScale, FitsTheLargestWholeFactorCentred)
{
    const struct {
        int windowWidth, windowHeight;
        int factor, offsetX, offsetY;
        bool identity;
    } cases[] = {
        {640, 480, 1, 0, 0, true}, {1280, 960, 2, 0, 0, false},
        {1920, 1080, 2, 320, 60, false},   // height decides
        {2560, 1440, 3, 320, 0, false},
        {3000, 970, 2, 860, 5, false},     // width has room for 4, height for 2
        {600, 400, 1, 0, 0, false},        // smaller than the picture: never below 1
    };
    for (const auto& c : cases) {
        const PixelScale scale = PixelScale::Fit(640, 480, c.windowWidth, c.windowHeight);
        SCOPED_TRACE(std::to_string(c.windowWidth) + "x" + std::to_string(c.windowHeight));
        EXPECT_EQ(scale.factor, c.factor);
        EXPECT_EQ(scale.offsetX, c.offsetX);
        EXPECT_EQ(scale.offsetY, c.offsetY);
        EXPECT_EQ(scale.Identity(), c.identity);
    }
    // Window positions become game pixels past the bars.
    const PixelScale scale = PixelScale::Fit(640, 480, 1920, 1080);
    EXPECT_EQ(scale.ToGameX(320 + 2 * 123), 123.0f);
    EXPECT_EQ(scale.ToGameY(60 + 2 * 45 + 1), 45.5f);
    EXPECT_EQ(PixelScale::LargestFactor(640, 480, 0, 0), 1);
    EXPECT_EQ(PixelScale::LargestFactor(640, 480, 1920, 1440), 3);
}
