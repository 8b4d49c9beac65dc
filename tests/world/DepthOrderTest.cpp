#include <gtest/gtest.h>

#include "world/DepthOrder.h"

namespace {

template <class Record>
Record* Add(std::vector<std::unique_ptr<Record>>& list, std::uint16_t id, int ty, int oy)
{
    list.push_back(std::make_unique<Record>());
    Record& c = *list.back();
    c.identifier = id;
    c.tileY = std::uint16_t(ty);
    c.offsetY = std::int16_t(oy);
    return &c;
}

std::vector<int> Identifiers(const std::vector<const CPerso*>& order)
{
    std::vector<int> ids;
    for (const CPerso* c : order)
        ids.push_back(c->identifier);
    return ids;
}

}  // namespace

TEST(DepthOrder, SortsByRowThenSignedOffsetMovingOnlyPointers)
{
    std::vector<std::unique_ptr<CHero>> heroes;
    CHero* low = Add(heroes, 1, 5, 3);
    CHero* high = Add(heroes, 2, 4, 31);
    CHero* raised = Add(heroes, 3, 5, -2);
    CHero* same = Add(heroes, 4, 5, 3);
    SortByDepth(heroes);
    ASSERT_EQ(heroes.size(), 4u);
    EXPECT_EQ(heroes[0].get(), high);
    EXPECT_EQ(heroes[1].get(), raised);
    EXPECT_EQ(heroes[2].get(), low) << "equal keys keep their order";
    EXPECT_EQ(heroes[3].get(), same);
    EXPECT_EQ(low->identifier, 1);
}

TEST(DepthOrder, MergeDrawsTheHeroFirstAtEqualDepth)
{
    std::vector<std::unique_ptr<CNpc>> npcs;
    std::vector<std::unique_ptr<CHero>> heroes;
    Add(npcs, 10, 2, 0);
    Add(npcs, 11, 5, 8);
    Add(npcs, 12, 9, 0);
    Add(heroes, 1, 5, 8);
    Add(heroes, 2, 5, 9);
    EXPECT_EQ(Identifiers(DrawOrder(npcs, heroes)), (std::vector<int>{10, 1, 11, 2, 12}));
}
