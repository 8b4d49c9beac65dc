#include <gtest/gtest.h>

#include <filesystem>

#include "platform/FileChecksum.h"
#include "support/TempDir.h"

TEST(FileChecksum, Crc32MatchesTheZipCheckValue)
{
    const std::string check = "123456789";
    EXPECT_EQ(Crc32(reinterpret_cast<const std::uint8_t*>(check.data()), check.size()), 0xCBF43926u);
    EXPECT_EQ(Crc32(nullptr, 0), 0u);
}

TEST(FileChecksum, WorldFoldersAreListedSortedWithTheirChecksums)
{
    TempDir dir;
    dir.Write("map/m.map", std::string("AB"));
    dir.Write("wor/Sylva.world", std::string("W"));
    dir.Write("tga/a.tga", std::string(""));
    dir.Write("other/skipped.txt", std::string("x"));
    dir.Write("touches.txt", std::string("x"));
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    const std::vector<FileChecksum> files = WorldFolderChecksums();
    std::filesystem::current_path(previous);

    ASSERT_EQ(files.size(), 3u);
    EXPECT_EQ(files[0].path, "map\\m.map");
    EXPECT_EQ(files[0].crc, Crc32(reinterpret_cast<const std::uint8_t*>("AB"), 2));
    EXPECT_EQ(files[1].path, "tga\\a.tga");
    EXPECT_EQ(files[2].path, "wor\\Sylva.world");
}
