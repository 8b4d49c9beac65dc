#include <gtest/gtest.h>

#include <string>

#include "widgets/CStatBox.h"
#include "world/CMap.h"

namespace {

std::string Page(const CTextBox& box)
{
    return box.pages.empty() ? "<no page>" : box.pages.front();
}

// The page a new hero's statistics make: 12 + 6 characters a line.
const char kNewHeroPage[] =
    "HP Max      500   \n"
    "MP Max      12    \n"
    "EP Max      15    \n"
    "                  \n"
    "XP Physique 1200  \n"
    "XP Magique  700   \n"
    "                  \n"
    "Attaque     10    \n"
    "Ma\xEEtrise    12    \n"
    "Esquive     3     \n"
    "R\xE9sistance  8     \n"
    "                  \n"
    "Magie       14    \n"
    "Aura        7     \n"
    "Rang        2     \n"
    "                  \n"
    "Vitesse     5     \n"
    "MAPT        3     \n"
    "Chance      1     \n";

}  // namespace

TEST(GridBox, PadToWidthCutsFillsOrKeeps)
{
    const struct {
        const char* text;
        int width;
        const char* padded;
    } cases[] = {
        {"abcdef", 3, "abc"}, {"a", 3, "a.."}, {"abc", 3, "abc"}, {"abcdef", -1, "abcdef"}, {"", 0, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CGridBox::PadToWidth(c.text, c.width, '.'), c.padded) << c.text << " " << c.width;
}

TEST(GridBox, RebuildMakesOnePageFromTheCells)
{
    CGridBox grid;
    grid.Rebuild();
    EXPECT_TRUE(grid.HasNoPage()) << "no cells, no page";
    grid.SetCell(0, 0, "x");
    EXPECT_EQ(grid.GetCell(0, 0), "");

    grid.Resize(1, 1);
    grid.SetColumnWidth(0, 3);
    grid.SetCell(0, 0, "abcdef");
    grid.Rebuild();
    EXPECT_EQ(Page(grid), "abc\n");
    grid.SetCell(0, 0, "a");
    grid.Rebuild();
    EXPECT_EQ(Page(grid), "a  \n");
    EXPECT_EQ(grid.pages.size(), 1u) << "the page replaces the one before";

    grid.Resize(2, 2);
    grid.SetColumnWidth(1, 2);
    grid.SetColumnWidth(2, 5);  // outside: ignored
    grid.SetCell(0, 0, "whole text");
    grid.SetCell(1, 1, "long");
    grid.SetCell(2, 0, "outside");
    EXPECT_EQ(grid.GetCell(-1, 0), "");
    grid.Rebuild();
    EXPECT_EQ(Page(grid), "whole text  \nlo\n");
}

TEST(GridBox, OpensStraightToTheWholePage)
{
    CGridBox grid;
    grid.StepOpen();
    EXPECT_EQ(grid.state, WidgetState::Opening) << "an empty grid still opens its frame";

    CStatBox stats;
    stats.Rebuild();
    int steps = 0;
    while (stats.state != WidgetState::Open && steps < 20) {
        stats.StepOpen();
        ++steps;
        EXPECT_NE(stats.state, WidgetState::Typing);
    }
    EXPECT_EQ(steps, 11);
    EXPECT_EQ(stats.shownChars, Page(stats).size());
}

TEST(StatBox, ShowsTheHerosValuesAndFollowsItByIdentifier)
{
    CStatBox stats;
    EXPECT_EQ(stats.rect.w, 240);
    EXPECT_EQ(stats.rect.h, 438);
    EXPECT_EQ(stats.GetCell(8, 0), "Ma\xEEtrise");
    EXPECT_EQ(stats.GetCell(0, 1), "") << "no values before a hero is set";

    CMap map;
    map.AddHero(3, "Odrin", 0);
    stats.SetHero(nullptr);
    EXPECT_TRUE(stats.HasNoPage());
    stats.SetHero(map.FindHero(3));
    EXPECT_EQ(Page(stats), kNewHeroPage);

    // Open, then the hero list grows and is reordered; the raise shows.
    stats.ShowInstantly();
    map.AddHero(1, "Autre", 0);
    map.DrawCharacters();
    CHero* hero = map.FindHero(3);
    hero->stats.hpMax = 550;
    hero->stats.xpPhysical = -200;
    hero->stats.attack = 255;
    stats.Refresh(map);
    EXPECT_EQ(stats.GetCell(0, 1), "550");
    EXPECT_EQ(stats.GetCell(4, 1), "-200");
    EXPECT_EQ(stats.GetCell(7, 1), "255");
    EXPECT_EQ(stats.shownChars, Page(stats).size()) << "an open grid keeps showing its page whole";

    // The hero last shown is missing: the box stays as it was.
    CMap other;
    const std::string before = Page(stats);
    testing::internal::CaptureStdout();
    stats.Refresh(other);
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(Page(stats), before);
}
