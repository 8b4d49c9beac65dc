#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>

#include "platform/Clock.h"
#include "platform/DataFile.h"
#include "platform/FileStamp.h"
#include "platform/WorkingDirectory.h"
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

TEST(FileStamp, ChangesWhenAFileIsWrittenAgain)
{
    TempDir dir;
    const std::string path = dir.Write("tsl/main.tsl", std::string("abc"));
    const FileStamp first = FileStamp::Of(dir.Path() + "\\tsl\\main.tsl");
    EXPECT_TRUE(first.exists);
    EXPECT_EQ(first.size, 3);
    EXPECT_EQ(FileStamp::Of(path), first);
    dir.Write("tsl/main.tsl", std::string("abcd"));
    EXPECT_NE(FileStamp::Of(path), first) << "a new length";
    const FileStamp second = FileStamp::Of(path);
    dir.Write("tsl/main.tsl", std::string("wxyz"));
    std::filesystem::last_write_time(path, std::filesystem::last_write_time(path) + std::chrono::seconds(2));
    const FileStamp third = FileStamp::Of(path);
    EXPECT_EQ(third.size, second.size);
    EXPECT_NE(third, second) << "same length: the time tells";
    EXPECT_FALSE(FileStamp::Of(dir.File("absent")).exists);
    EXPECT_NE(FileStamp::Of(dir.File("absent")), first);
}

TEST(WorkingDirectory, EntersFoldersAndRefusesOthers)
{
    TempDir dir;
    dir.Write("game/wor/x", std::string());
    const std::string before = CurrentWorkingDirectory();
    ASSERT_FALSE(before.empty());
    EXPECT_TRUE(IsDirectory(dir.File("game")));
    EXPECT_FALSE(IsDirectory(dir.File("game/wor/x")));
    EXPECT_FALSE(IsDirectory(dir.File("absent")));
    EXPECT_FALSE(ChangeWorkingDirectory(dir.File("absent")));
    EXPECT_EQ(CurrentWorkingDirectory(), before);
    ASSERT_TRUE(ChangeWorkingDirectory(dir.File("game")));
    EXPECT_TRUE(IsDirectory("wor"));
    EXPECT_TRUE(ChangeWorkingDirectory(before));
    ASSERT_TRUE(SetEnvironmentVariable("TESSEL_PLATFORM_TEST", "v=1"));
    EXPECT_STREQ(std::getenv("TESSEL_PLATFORM_TEST"), "v=1");
}
