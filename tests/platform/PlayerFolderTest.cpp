#include <gtest/gtest.h>

#include "platform/PlayerFolder.h"

TEST(PlayerFolder, TheWorldsFolderUnderTheUsersDataFolder)
{
    const struct {
        const char* xdgDataHome;
        const char* home;
        const char* expected;
    } cases[] = {
        {"/data", "/home/ael", "/data/tessel/Sylva/"},
        {"", "/home/ael", "/home/ael/.local/share/tessel/Sylva/"},
        // A relative XDG_DATA_HOME is not to be used.
        {"data", "/home/ael", "/home/ael/.local/share/tessel/Sylva/"},
        {"", "", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PlayerFolderPath("Sylva", c.xdgDataHome, c.home), c.expected) << c.xdgDataHome << "|" << c.home;
    // A world name that is no plain folder name stays inside the player's folder.
    for (const char* name : {"../../etc", "a/b", "a\\b", "..", ""})
        EXPECT_EQ(PlayerFolderPath(name, "/data", ""), "/data/tessel/game/") << name;
}

TEST(PlayerFolder, AGameFolderThatCanBeWrittenKeepsThePlayersFiles)
{
    // The tests run in a folder they can write to.
    EXPECT_EQ(PlayerFolder("Sylva"), "");
}
