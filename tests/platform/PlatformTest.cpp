#include <gtest/gtest.h>

#include <chrono>

#include "platform/Clock.h"
#include "platform/DataFile.h"
#include "support/TempDir.h"

TEST(DataFile, BackslashPathsOpenOnThisSystem)
{
    TempDir dir;
    dir.Write("wor/Sylva.world", std::vector<std::uint8_t>{0, 0, 1, 0});

    std::vector<std::uint8_t> bytes;
    ASSERT_TRUE(ReadDataFile(dir.Path() + "\\wor\\Sylva.world", bytes));
    EXPECT_EQ(bytes, (std::vector<std::uint8_t>{0, 0, 1, 0}));

    std::FILE* file = OpenDataFile(dir.Path() + "\\wor\\Sylva.world", "rb");
    ASSERT_NE(file, nullptr);
    std::fclose(file);
}

TEST(DataFile, MissingFileReadsAsFailureWithNoBytes)
{
    TempDir dir;
    std::vector<std::uint8_t> bytes{1, 2, 3};
    EXPECT_FALSE(ReadDataFile(dir.Path() + "\\map\\absent.map", bytes));
    EXPECT_TRUE(bytes.empty());
    EXPECT_EQ(OpenDataFile(dir.Path() + "\\map\\absent.map", "rb"), nullptr);
}

TEST(DataFile, LargeFilesAreReadWhole)
{
    TempDir dir;
    std::vector<std::uint8_t> written(200000);
    for (size_t i = 0; i < written.size(); ++i)
        written[i] = static_cast<std::uint8_t>(i * 7);
    ASSERT_TRUE(WriteDataFile(dir.Path() + "\\big.bin", written.data(), written.size()));

    std::vector<std::uint8_t> read;
    ASSERT_TRUE(ReadDataFile(dir.File("big.bin"), read));
    EXPECT_EQ(read, written);
}

TEST(Clock, CountsWallTimeWhileSleeping)
{
    std::uint32_t before = MillisecondsSinceStart();
    auto wallBefore = std::chrono::steady_clock::now();
    SleepMilliseconds(40);
    std::uint32_t after = MillisecondsSinceStart();
    auto wallMs = std::chrono::duration_cast<std::chrono::milliseconds>(
                      std::chrono::steady_clock::now() - wallBefore)
                      .count();
    EXPECT_GE(after - before, 39u);
    EXPECT_LE(after - before, static_cast<std::uint32_t>(wallMs) + 1);
}
