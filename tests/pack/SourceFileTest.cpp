#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "shared/SourceFile.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

TEST(SourceFile, ReadsOnlyRegularFilesUpToTheCap)
{
    TempDir dir;
    dir.Write("ten.txt", std::string("0123456789"));
    fs::create_symlink("/dev/zero", dir.File("zero.txt"));
    const struct {
        std::string path;
        std::size_t cap;
        bool read;
        std::string error;
    } cases[] = {
        {dir.File("ten.txt"), 10, true, ""},
        {dir.File("ten.txt"), 9, false, "is too large: 10 bytes, where a file of a game may have 9"},
        {"/dev/zero", SourceFile::kMaxBytes, false, "is not a regular file"},
        {dir.File("zero.txt"), SourceFile::kMaxBytes, false, "is not a regular file"},
        {dir.Path(), SourceFile::kMaxBytes, false, "is not a regular file"},
        {dir.File("absent.txt"), SourceFile::kMaxBytes, false, "cannot be opened"},
    };
    for (const auto& c : cases) {
        std::string bytes = "left over", error;
        EXPECT_EQ(SourceFile::Read(c.path, bytes, error, c.cap), c.read) << c.path;
        EXPECT_EQ(error, c.error) << c.path;
        EXPECT_EQ(bytes, c.read ? "0123456789" : "") << c.path;
    }
}
