#include <gtest/gtest.h>

#include <string>

#include "widgets/CStatBox.h"
#include "world/CMap.h"

namespace {

std::string Page(const CTextBox& box) { return box.pages.empty() ? "<no page>" : box.pages.front(); }

}  // namespace

TEST(GridBox, CellsPaddedOrCutIntoOnePage)
{
    CGridBox grid;
    grid.Rebuild();
    EXPECT_TRUE(grid.HasNoPage()) << "no cells, no page";

    const struct {
        const char* cell;
        int width;
        const char* page;
    } cases[] = {{"abcdef", 3, "abc\n"}, {"a", 3, "a  \n"}, {"abc", 3, "abc\n"}, {"whole cell", -1, "whole cell\n"}};
    for (const auto& c : cases) {
        grid.Resize(1, 1);
        grid.SetColumnWidth(0, c.width);
        grid.SetCell(0, 0, c.cell);
        grid.Rebuild();
        EXPECT_EQ(Page(grid), c.page) << c.cell << " " << c.width;
    }
    EXPECT_EQ(grid.pages.size(), 1u) << "each page replaces the one before";

    grid.Resize(2, 2);
    grid.SetColumnWidth(1, 2);
    grid.SetCell(1, 1, "long");
    grid.SetCell(2, 0, "outside");
    grid.Rebuild();
    EXPECT_EQ(Page(grid), "  \nlo\n");
    EXPECT_EQ(grid.GetCell(1, 1), "long");
    EXPECT_EQ(grid.GetCell(2, 0), "");
}

TEST(StatBox, ShowsAHeroFoundByIdentifierWholeOnceOpen)
{
    CStatBox stats;
    CMap map;
    map.AddHero(3, "Odrin", 0);
    stats.SetHero(map.FindHero(3));
    int steps = 0;
    for (; stats.state != WidgetState::Open && steps < 20; ++steps) {
        stats.StepOpen();
        EXPECT_NE(stats.state, WidgetState::Typing);
    }
    EXPECT_EQ(steps, 11);
    EXPECT_EQ(stats.shownChars, Page(stats).size());

    // The hero list grows and is re-sorted; the raise still shows.
    map.AddHero(1, "Autre", 0);
    map.DrawCharacters();
    map.FindHero(3)->stats.hpMax = 550;
    map.FindHero(3)->stats.xpPhysical = -200;
    stats.Refresh(map);
    EXPECT_EQ(stats.GetCell(0, 1), "550");
    EXPECT_EQ(stats.GetCell(4, 1), "-200");
    EXPECT_EQ(stats.shownChars, Page(stats).size());

    // A null hero, or the hero gone: the box stays as it was.
    const std::string before = Page(stats);
    stats.SetHero(nullptr);
    CMap empty;
    testing::internal::CaptureStdout();
    stats.Refresh(empty);
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(Page(stats), before);
}
