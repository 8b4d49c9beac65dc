#include "world/DepthOrder.h"

std::vector<const CPerso*> DrawOrder(const std::vector<std::unique_ptr<CNpc>>& npcs,
                                     const std::vector<std::unique_ptr<CHero>>& heroes)
{
    std::vector<const CPerso*> order;
    order.reserve(npcs.size() + heroes.size());
    auto npc = npcs.begin();
    auto hero = heroes.begin();
    while (npc != npcs.end() && hero != heroes.end()) {
        if (ShallowerThan(**npc, **hero))
            order.push_back((npc++)->get());
        else
            order.push_back((hero++)->get());
    }
    for (; npc != npcs.end(); ++npc)
        order.push_back(npc->get());
    for (; hero != heroes.end(); ++hero)
        order.push_back(hero->get());
    return order;
}
