#pragma once

#include <algorithm>
#include <memory>
#include <vector>

#include "world/CHero.h"
#include "world/CNpc.h"
#include "world/CPerso.h"

// Characters further down the map are drawn later, over those above them.
// The depth of a character is its tile row, then its pixel offset within it.
inline bool ShallowerThan(const CPerso& a, const CPerso& b)
{
    if (a.tileY != b.tileY)
        return a.tileY < b.tileY;
    return a.offsetY < b.offsetY;
}

// Sorts a character list in place, shallowest first. Only the pointers move;
// records keep their addresses. Characters at equal depth keep their order.
template <class Record>
void SortByDepth(std::vector<std::unique_ptr<Record>>& list)
{
    std::stable_sort(list.begin(), list.end(),
                     [](const std::unique_ptr<Record>& a, const std::unique_ptr<Record>& b) {
                         return ShallowerThan(*a, *b);
                     });
}

// The drawing order of two lists already sorted by depth: a merge in which
// an NPC goes first only when it is strictly shallower, so at equal depth the
// hero is drawn first and the NPC over it.
std::vector<const CPerso*> DrawOrder(const std::vector<std::unique_ptr<CNpc>>& npcs,
                                     const std::vector<std::unique_ptr<CHero>>& heroes);
