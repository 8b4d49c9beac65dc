#include "world/CMap.h"
#include "world/Step.h"

void CMap::MoveCharacter(int kind, std::int32_t identifier, int direction, int steps)
{
    CPerso* c = FindCharacter(kind, identifier);
    if (c)
        Step(*c, direction, steps, walkability, npcs, heroes);
}
