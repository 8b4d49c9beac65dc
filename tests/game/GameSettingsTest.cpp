#include <gtest/gtest.h>

#include "game/GameSettings.h"
#include "support/TempDir.h"

TEST(GameSettings, ReadsKeyValueLinesAndReportsTheOthersByNumber)
{
    GameSettings settings;
    std::vector<std::string> problems;
    settings.Parse("# comment\n\nworld = Glimmerford\r\n  title =  Le Gu\xC3\xA9 d'or  \n"
                   "Bad Key = 1\nno equals sign\nmenu.entry = a\nmenu.entry = b\nworld = Autre\n",
                   problems);
    EXPECT_EQ(problems, (std::vector<std::string>{"5: not a `key = value` line; skipped",
                                                  "6: not a `key = value` line; skipped"}));
    // The last of a repeated key wins; all of them stay in order.
    EXPECT_EQ(settings.WorldPath(), "wor\\Autre.world");
    EXPECT_EQ(settings.Title(), "Le Gu\xC3\xA9 d'or");
    EXPECT_EQ(settings.GetAll("menu.entry"), (std::vector<std::string>{"a", "b"}));
    EXPECT_FALSE(settings.Has("bad key"));
}

TEST(GameSettings, WithoutTheFileTheClassicWorldAndTitleHold)
{
    TempDir dir;
    GameSettings settings;
    std::vector<std::string> problems;
    EXPECT_TRUE(settings.Read(dir.File("game.cfg"), problems));
    EXPECT_TRUE(problems.empty());
    EXPECT_EQ(settings.WorldPath(), "wor\\Sylva.world");
    EXPECT_EQ(settings.Title(), "Lanternwork by Odrin");
    EXPECT_FALSE(settings.GridMovement());

    dir.Write("big.cfg", std::string(GameSettings::kMaxFileBytes + 1, '#'));
    EXPECT_FALSE(settings.Read(dir.File("big.cfg"), problems));
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(settings.WorldPath(), "wor\\Sylva.world");
}

TEST(GameSettings, FlagsAndWrittenLinesReadBack)
{
    GameSettings settings;
    std::vector<std::string> problems;
    settings.Parse(GameSettings::Line("movement", " grid ") + GameSettings::Line("title", "a\nb") +
                       "on = yes\noff = 0\nodd = maybe\n",
                   problems);
    EXPECT_TRUE(problems.empty());
    EXPECT_TRUE(settings.GridMovement());
    // A value never spills onto a line of its own.
    EXPECT_EQ(settings.Title(), "a b");
    EXPECT_TRUE(settings.Flag("on", false));
    EXPECT_FALSE(settings.Flag("off", true));
    EXPECT_TRUE(settings.Flag("odd", true));
    EXPECT_FALSE(settings.Flag("absent", false));
}
