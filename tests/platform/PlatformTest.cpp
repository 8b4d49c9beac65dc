#include <gtest/gtest.h>

#include <chrono>

#include "platform/Clock.h"
#include "platform/DataFile.h"
#include "support/TempDir.h"

// Data paths are written with '\'; a missing file reads as a failure that
// leaves no bytes behind.
TEST(DataFile, BackslashPathsOpenOnThisSystem)
{
    TempDir dir;
    dir.Write("wor/Sylva.world", std::vector<std::uint8_t>{0, 0, 1, 0});
    for (const char* name : {"\\wor\\Sylva.world", "\\map\\absent.map"}) {
        const bool present = name[1] == 'w';
        std::vector<std::uint8_t> bytes{9};
        EXPECT_EQ(ReadDataFile(dir.Path() + name, bytes), present) << name;
        EXPECT_EQ(bytes, (present ? std::vector<std::uint8_t>{0, 0, 1, 0} : std::vector<std::uint8_t>{}));
        std::FILE* file = OpenDataFile(dir.Path() + name, "rb");
        EXPECT_EQ(file != nullptr, present) << name;
        if (file)
            std::fclose(file);
    }
}

TEST(Clock, CountsWallTimeWhileSleeping)
{
    std::uint32_t before = MillisecondsSinceStart();
    auto wallBefore = std::chrono::steady_clock::now();
    SleepMilliseconds(40);
    std::uint32_t after = MillisecondsSinceStart();
    const auto wall = std::chrono::steady_clock::now() - wallBefore;
    EXPECT_GE(after - before, 39u);
    EXPECT_LE(after - before, std::chrono::duration_cast<std::chrono::milliseconds>(wall).count() + 1);
}
