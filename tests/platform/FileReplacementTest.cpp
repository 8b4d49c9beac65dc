#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/FileReplacement.h"
#include "support/FileContents.h"
#include "support/TempDir.h"

TEST(FileReplacement, ReplacesTheFileWholeOrKeepsTheOldOne)
{
    TempDir dir;
    dir.Write("saves/slot1.sav", std::string("old save"));
    const std::string text = "new save, longer than the old one";
    ASSERT_TRUE(ReplaceDataFile(dir.File("saves") + "\\slot1.sav", text.data(), text.size()));
    EXPECT_EQ(FileText(dir.File("saves/slot1.sav")), text);
    EXPECT_FALSE(std::filesystem::exists(dir.File("saves/slot1.sav.new")));

    // The target is a folder: the rename fails after the bytes were written
    // beside it, and the file beside it goes away again.
    std::filesystem::create_directories(dir.File("slot2.sav/inside"));
    EXPECT_FALSE(ReplaceDataFile(dir.File("slot2.sav"), "x", 1));
    EXPECT_FALSE(std::filesystem::exists(dir.File("slot2.sav.new")));
    // A folder that does not exist: nothing can be written.
    EXPECT_FALSE(ReplaceDataFile(dir.File("missing/slot1.sav"), "x", 1));
    EXPECT_EQ(FileText(dir.File("saves/slot1.sav")), text);
}

TEST(FileReplacement, MakesAFolderOnceAndRefusesAFile)
{
    TempDir dir;
    EXPECT_TRUE(MakeDataFolder(dir.File("saves")));
    EXPECT_TRUE(MakeDataFolder(dir.File("saves")));
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("saves")));
    dir.Write("plain", std::string("x"));
    EXPECT_FALSE(MakeDataFolder(dir.File("plain")));
}
